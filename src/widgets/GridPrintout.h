// The grid printout: a table of text printed straight onto the page, under centred title
// lines, with a bold underlined header row and a rule under every row; when a page is
// full the next one starts with the same head. Measures follow the printed grid of the
// screens: a grid column of n screen pixels is n x 0.104 tenths of an inch wide (rounded
// half to even), a row is 2.5 tenths high with its rule 1.5 tenths below its top.
//
// The lists of the screens use it in three forms: a string grid (the detailed results),
// the rows of a dataset in chosen columns with a criteria line (search results, letter
// recipients, bodies) and a registry with a range of rows.
#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include "platform/Printing.h"

namespace dorvani {

class Dataset;

class GridPrintout {
public:
    static constexpr double TenthMm = 2.54; // a tenth of an inch
    static QString banner() { return QStringLiteral("ΠΡΟΓΡΑΜΜΑ DORVANI"); }
    // The first title line: the screen's caption, four blanks and today's date dd/mm/yyyy.
    static QString captionLine(const QString &caption);
    // A grid column's width in screen pixels as whole tenths of an inch on paper.
    static int tenthsOfPixels(int pixels);
    static double roundHalfEven(double v);

    explicit GridPrintout(PageSink &sink);

    // The title lines use the grid's font, the rows the body font (made bold and
    // underlined for the header row).
    void setTitleFont(const QFont &f) { m_titleFont = f; }
    void setBodyFont(const QFont &f) { m_bodyFont = f; }
    // A centred title line at the head of every page, or of the first page only. A line
    // wider than the page is broken between words.
    void addTitleLine(const QString &text, bool everyPage = true);
    // The header row: the column titles and widths in tenths of an inch.
    void setColumns(const QStringList &titles, const QList<int> &tenths);
    // The same with widths in millimetres.
    void setColumnsMm(const QStringList &titles, const QList<double> &mm);
    // Columns wider in all than the page are narrowed to fit it, the widest first, never
    // below their title; a cell wider than its column is shortened with "…". No column is
    // ever left out.
    static QList<double> fitted(const QList<double> &wanted, const QList<double> &least, double pageWidth);
    const QList<double> &columnWidths() const { return m_widths; }

    // Prints the head of the first page.
    void begin();
    // Prints a record row; when the next row would not fit, a new page begins with its head.
    void row(const QStringList &cells);

    double y() const { return m_y; } // mm from the top of the printable area
    double lineHeight() const { return m_h; }
    int rowsPrinted() const { return m_rows; }

private:
    struct TitleLine {
        QString text;
        bool everyPage;
    };
    void head(bool firstPage);
    void titleLine(const QString &text);
    void tableRow(const QStringList &cells);

    PageSink &m_sink;
    QFont m_titleFont, m_bodyFont;
    QList<TitleLine> m_titles;
    QStringList m_headers;
    QList<double> m_wanted; // mm
    QList<double> m_widths; // mm, as printed
    double m_y = 0;
    double m_h = 0;
    int m_rows = 0;
};

// A column of a dataset's printed list: the field, its title and the grid column's width
// on screen in pixels.
struct PrintColumn {
    QString field;
    QString title;
    int screenWidth = 0;
};

// The data-grid form: every row of the dataset, from the first, in the given columns,
// under the caption with the date, "ΚΡΙΤΗΡΙΑ ΑΝΑΖΗΤΗΣΗΣ :" with the criteria, the count
// line (first page only) and the banner. The dataset's current row does not move.
// Columns are as wide as their title and the widest of the first rows' values need.
void printDatasetGrid(PageSink &sink, Dataset &ds, const QList<PrintColumn> &columns, const QString &caption,
                      const QString &criteria, const QString &countLine, const QFont &gridFont);
// Landscape when the columns, as wide as their contents need, do not fit an upright A4 page.
PageOrientation datasetGridOrientation(Dataset &ds, const QList<PrintColumn> &columns);

// The printer's plain font of the lists (a small size, so that a row and its rule fit in
// two and a half tenths of an inch).
QFont gridBodyFont();
// A screen font as a font in points for the page.
QFont pageFont(const QFont &screenFont);

} // namespace dorvani
