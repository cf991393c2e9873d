// Bar charts of the votes (by co-candidate, by municipality, by province) shown beside the
// statistics tables, saved as a PNG or PDF file and printed through the print preview.
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QPushButton;

class QChart;
class QChartView;

namespace dorvani {

class PageSink;

struct VoteChartData {
    QString title;
    QStringList labels;
    QList<qint64> values;
};

namespace votechart {
// The bars of one section of a stacked table (rows of title, place, votes): the rows from
// the one whose first cell is the title to the next titled row.
VoteChartData fromSection(const QList<QStringList> &rows, const QString &section, const QString &title);
// The colour of every bar.
QColor barColour();
// A new chart of the figures: one bar per label, no legend.
QChart *make(const VoteChartData &data);
// The chart drawn on an image of the size (in pixels, on a white ground).
QImage render(const VoteChartData &data, const QSize &size);
// Writes the chart as a PNG image or as a one-page PDF file; false with a Greek reason.
bool savePng(const QString &path, const VoteChartData &data, QString *error);
bool savePdf(const QString &path, const VoteChartData &data, QString *error);
// Draws the chart on a page under its title.
void draw(PageSink &sink, const VoteChartData &data);
} // namespace votechart

// A chart beside a table, with its buttons: save as PNG, save as PDF, print.
class VoteChartPanel : public QWidget {
    Q_OBJECT
public:
    explicit VoteChartPanel(const QString &name, QWidget *parent = nullptr);

    QChartView *ChartView;
    QPushButton *BtnPng;
    QPushButton *BtnPdf;
    QPushButton *BtnPrint;

    void setData(const VoteChartData &data);
    const VoteChartData &data() const { return m_data; }
    // Each asks for a file (or shows the preview); a failure is shown.
    void savePng();
    void savePdf();
    void print();

private:
    VoteChartData m_data;
};

} // namespace dorvani
