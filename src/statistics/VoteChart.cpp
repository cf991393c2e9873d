#include "statistics/VoteChart.h"

#include "platform/AppContext.h"
#include "platform/Printing.h"
#include "widgets/FormParts.h"
#include "widgets/Ui.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

namespace dorvani {

namespace votechart {

VoteChartData fromSection(const QList<QStringList> &rows, const QString &section, const QString &title)
{
    VoteChartData d;
    d.title = title;
    bool inside = false;
    for (const QStringList &r : rows) {
        if (!r.value(0).isEmpty())
            inside = r.value(0) == section;
        if (inside) {
            d.labels << r.value(1);
            d.values << r.value(2).toLongLong();
        }
    }
    return d;
}

QColor barColour() { return QColor(46, 120, 200); }

QChart *make(const VoteChartData &data)
{
    auto *chart = new QChart;
    chart->setTitle(data.title);
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    auto *set = new QBarSet("ΨΗΦΟΙ");
    set->setColor(barColour());
    set->setBorderColor(barColour());
    qint64 top = 0;
    for (qint64 v : data.values) {
        *set << double(v);
        top = std::max(top, v);
    }
    auto *series = new QBarSeries;
    series->append(set);
    chart->addSeries(series);
    auto *x = new QBarCategoryAxis;
    x->append(data.labels);
    x->setLabelsAngle(data.labels.size() > 6 ? -60 : 0);
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    auto *y = new QValueAxis;
    y->setLabelFormat("%d");
    y->setRange(0, double(std::max<qint64>(top, 1)) * 1.1);
    y->applyNiceNumbers();
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);
    return chart;
}

QImage render(const VoteChartData &data, const QSize &size)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QGraphicsScene scene;
    QChart *chart = make(data);
    scene.addItem(chart);
    chart->setGeometry(QRectF(QPointF(0, 0), QSizeF(size)));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    scene.render(&p, QRectF(QPointF(0, 0), QSizeF(size)), QRectF(QPointF(0, 0), QSizeF(size)));
    return img;
}

bool savePng(const QString &path, const VoteChartData &data, QString *error)
{
    if (!render(data, QSize(1200, 800)).save(path, "PNG")) {
        if (error)
            *error = "Δεν ήταν δυνατή η αποθήκευση του αρχείου " + path + ".";
        return false;
    }
    return true;
}

void draw(PageSink &sink, const VoteChartData &data)
{
    // The chart fills the page's width, two thirds as high.
    const double w = sink.pageSize().width();
    sink.image(QRectF(0, 0, w, w * 2 / 3), render(data, QSize(1800, 1200)));
}

bool savePdf(const QString &path, const VoteChartData &data, QString *error)
{
    return printToPdf(path, data.title, [&](PageSink &s) { draw(s, data); }, error, PageOrientation::Landscape);
}

} // namespace votechart

VoteChartPanel::VoteChartPanel(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    ChartView = new QChartView(this);
    ChartView->setObjectName("ChartView");
    ChartView->setRenderHint(QPainter::Antialiasing);
    ChartView->setMinimumSize(320, 240);
    BtnPng = form::button("BtnPng", "ΑΠΟΘΗΚΕΥΣΗ PNG", this);
    BtnPdf = form::button("BtnPdf", "ΑΠΟΘΗΚΕΥΣΗ PDF", this);
    BtnPrint = form::button("BtnPrint", "ΕΚΤΥΠΩΣΗ ΓΡΑΦΗΜΑΤΟΣ", this);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BtnPng);
    buttons->addWidget(BtnPdf);
    buttons->addWidget(BtnPrint);
    buttons->addStretch(1);
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(ChartView, 1);
    v->addLayout(buttons);
    connect(BtnPng, &QPushButton::clicked, this, [this] { guarded([this] { savePng(); }); });
    connect(BtnPdf, &QPushButton::clicked, this, [this] { guarded([this] { savePdf(); }); });
    connect(BtnPrint, &QPushButton::clicked, this, [this] { guarded([this] { print(); }); });
    setData({});
}

void VoteChartPanel::setData(const VoteChartData &data)
{
    m_data = data;
    QChart *old = ChartView->chart();
    ChartView->setChart(votechart::make(data));
    delete old;
    const bool any = !data.labels.isEmpty();
    BtnPng->setEnabled(any);
    BtnPdf->setEnabled(any);
    BtnPrint->setEnabled(any);
}

namespace {
QString withSuffix(QString path, const QString &suffix)
{
    if (!path.isEmpty() && !path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    return path;
}
} // namespace

void VoteChartPanel::savePng()
{
    const QString path = withSuffix(ui().saveFile("ΑΠΟΘΗΚΕΥΣΗ ΓΡΑΦΗΜΑΤΟΣ", AppPaths::home(), "Εικόνες PNG (*.png)"), ".png");
    QString error;
    if (!path.isEmpty() && !votechart::savePng(path, m_data, &error))
        ui().message(error);
}

void VoteChartPanel::savePdf()
{
    const QString path = withSuffix(ui().saveFile("ΑΠΟΘΗΚΕΥΣΗ ΓΡΑΦΗΜΑΤΟΣ", AppPaths::home(), "Αρχεία PDF (*.pdf)"), ".pdf");
    QString error;
    if (!path.isEmpty() && !votechart::savePdf(path, m_data, &error))
        ui().message(error);
}

void VoteChartPanel::print()
{
    const VoteChartData data = m_data;
    ui().printPreview(data.title, [data](PageSink &s) { votechart::draw(s, data); }, PageOrientation::Landscape);
}

} // namespace dorvani
