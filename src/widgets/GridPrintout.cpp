#include "widgets/GridPrintout.h"

#include "platform/AppContext.h"
#include "data/Dataset.h"
#include "platform/Printing.h"

#include <QGuiApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QScreen>

#include <functional>

#include <cmath>

namespace dorvani {

QString GridPrintout::captionLine(const QString &caption)
{
    return caption + "    " + Clock::today().toString("dd/MM/yyyy");
}

double GridPrintout::roundHalfEven(double v)
{
    const double f = std::floor(v);
    const double diff = v - f;
    if (diff > 0.5)
        return f + 1;
    if (diff < 0.5)
        return f;
    return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

int GridPrintout::tenthsOfPixels(int pixels) { return int(roundHalfEven(pixels * 0.104)); }

GridPrintout::GridPrintout(PageSink &sink) : m_sink(sink), m_titleFont(pageFont(QGuiApplication::font())), m_bodyFont(gridBodyFont()) {}

void GridPrintout::addTitleLine(const QString &text, bool everyPage) { m_titles << TitleLine{text, everyPage}; }

void GridPrintout::setColumns(const QStringList &titles, const QList<int> &tenths)
{
    QList<double> mm;
    for (int t : tenths)
        mm << t * TenthMm;
    setColumnsMm(titles, mm);
}

void GridPrintout::setColumnsMm(const QStringList &titles, const QList<double> &mm)
{
    m_headers = titles;
    m_wanted = mm;
}

QList<double> GridPrintout::fitted(const QList<double> &wanted, const QList<double> &least, double pageWidth)
{
    double total = 0;
    for (double w : wanted)
        total += w;
    if (total <= pageWidth || wanted.isEmpty())
        return wanted;
    // The widest columns give way first: every column is capped at one width, the
    // largest at which the page holds them all, but none below its title.
    QList<double> floor;
    double floors = 0;
    for (int i = 0; i < wanted.size(); ++i) {
        floor << std::min(wanted[i], least.value(i, 0));
        floors += floor.last();
    }
    QList<double> out;
    if (floors >= pageWidth) {
        for (double f : floor)
            out << f * pageWidth / floors; // even the titles do not fit: every column in proportion
        return out;
    }
    auto widthsAt = [&](double cap) {
        QList<double> w;
        for (int i = 0; i < wanted.size(); ++i)
            w << std::max(floor[i], std::min(wanted[i], cap));
        return w;
    };
    auto sum = [](const QList<double> &w) {
        double t = 0;
        for (double x : w)
            t += x;
        return t;
    };
    double lo = 0, hi = pageWidth;
    for (int step = 0; step < 50; ++step) {
        const double mid = (lo + hi) / 2;
        (sum(widthsAt(mid)) <= pageWidth ? lo : hi) = mid;
    }
    return widthsAt(lo);
}

void GridPrintout::begin()
{
    // The line height is measured once, in the body font, on the device itself.
    const QFont was = m_sink.font();
    m_sink.setFont(m_bodyFont);
    m_h = m_sink.lineHeight() + TenthMm;
    // Narrow the columns to the page, never below their titles (in the header's bold).
    QFont header = m_bodyFont;
    header.setBold(true);
    m_sink.setFont(header);
    QList<double> least;
    for (int c = 0; c < m_wanted.size(); ++c)
        least << std::min(m_wanted[c], m_sink.textWidth(m_headers.value(c)) + 1.0);
    m_widths = fitted(m_wanted, least, m_sink.pageSize().width());
    m_sink.setFont(was);
    m_y = 0;
    head(true);
}

void GridPrintout::head(bool firstPage)
{
    m_sink.setFont(m_titleFont);
    for (const TitleLine &t : m_titles)
        if (firstPage || t.everyPage)
            titleLine(t.text);
    QFont header = m_bodyFont;
    header.setBold(true);
    header.setUnderline(true);
    m_sink.setFont(header);
    tableRow(m_headers);
    m_sink.setFont(m_bodyFont);
}

void GridPrintout::titleLine(const QString &text)
{
    const double width = m_sink.pageSize().width();
    // A line wider than the page goes on as many centred lines as it needs.
    QStringList lines;
    QString current;
    for (const QString &word : text.split(' ')) {
        const QString tried = current.isEmpty() ? word : current + ' ' + word;
        if (!current.isEmpty() && m_sink.textWidth(tried) > width) {
            lines << current;
            current = word;
        } else {
            current = tried;
        }
    }
    lines << current;
    for (const QString &l : lines) {
        const double w = m_sink.textWidth(l);
        m_sink.text(std::max(0.0, width / 2 - w / 2), m_y, l);
        m_y += m_h + TenthMm;
    }
}

namespace {
// The text shortened with "…" to the width, when it is wider.
QString shortened(const PageSink &sink, const QString &text, double width)
{
    if (text.isEmpty() || sink.textWidth(text) <= width)
        return text;
    const QString dots = QStringLiteral("…");
    int lo = 0, hi = int(text.size());
    while (lo < hi) { // the longest beginning that fits with the dots
        const int mid = (lo + hi + 1) / 2;
        if (sink.textWidth(text.left(mid) + dots) <= width)
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo > 0 ? text.left(lo) + dots : text.left(1);
}
} // namespace

void GridPrintout::tableRow(const QStringList &cells)
{
    double x = 0;
    for (int c = 0; c < m_widths.size(); ++c) {
        const double w = m_widths[c];
        if (w > 0)
            m_sink.textInRect(QRectF(x, m_y, w, m_h), shortened(m_sink, cells.value(c), w - 0.5),
                              int(Qt::AlignLeft | Qt::AlignTop));
        x += w;
    }
    const double ruleY = m_y + 1.5 * TenthMm;
    if (x > 0)
        m_sink.line(QPointF(0, ruleY), QPointF(x, ruleY));
    m_y += 2.5 * TenthMm;
}

void GridPrintout::row(const QStringList &cells)
{
    tableRow(cells);
    ++m_rows;
    if (m_sink.pageSize().height() < m_y + m_h) {
        m_sink.newPage();
        m_y = 0;
        head(false);
    }
}

QFont gridBodyFont()
{
    QFont f = QGuiApplication::font();
    f.setPointSizeF(8);
    f.setBold(false);
    f.setUnderline(false);
    return f;
}

QFont pageFont(const QFont &screenFont)
{
    QFont f = screenFont;
    if (f.pointSizeF() <= 0 && f.pixelSize() > 0) {
        const QScreen *s = QGuiApplication::primaryScreen();
        const double dpi = s ? s->logicalDotsPerInchY() : 96;
        f.setPointSizeF(f.pixelSize() * 72.0 / dpi);
    }
    return f;
}

namespace {
// How many of the first rows a column's width is measured on.
constexpr int kMeasuredRows = 200;

// A text's width in millimetres in a font, as a printer draws it.
double textMm(const QFont &font, const QString &text)
{
    static QImage device = [] {
        QImage img(1, 1, QImage::Format_Mono);
        img.setDotsPerMeterX(int(1200 / 0.0254));
        img.setDotsPerMeterY(int(1200 / 0.0254));
        return img;
    }();
    return QFontMetricsF(font, &device).horizontalAdvance(text) * 25.4 / 1200;
}

// The width each column's title and first values need, with a little room, in mm.
template <typename Measure>
QList<double> contentWidths(Dataset &ds, const QList<PrintColumn> &columns, const QList<int> &fields, Measure measure,
                            const Measure &measureTitle)
{
    QList<double> out;
    for (const PrintColumn &c : columns)
        out << measureTitle(c.title) + 2.0;
    if (ds.active()) {
        const int rows = std::min(ds.recordCount(), kMeasuredRows);
        for (int r = 0; r < rows; ++r)
            for (int i = 0; i < fields.size(); ++i)
                if (fields[i] >= 0)
                    out[i] = std::max(out[i],
                                      measure(Dataset::displayText(ds.valueAt(r, fields[i]), ds.fieldKind(fields[i])))
                                          + 2.0);
    }
    return out;
}

QList<int> fieldsOf(Dataset &ds, const QList<PrintColumn> &columns)
{
    QList<int> fields;
    for (const PrintColumn &c : columns)
        fields << ds.fieldIndex(c.field);
    return fields;
}
} // namespace

PageOrientation datasetGridOrientation(Dataset &ds, const QList<PrintColumn> &columns)
{
    const QFont body = gridBodyFont();
    QFont header = body;
    header.setBold(true);
    const std::function<double(const QString &)> value = [&](const QString &t) { return textMm(body, t); };
    const std::function<double(const QString &)> title = [&](const QString &t) { return textMm(header, t); };
    double total = 0;
    for (double w : contentWidths(ds, columns, fieldsOf(ds, columns), value, title))
        total += w;
    return total > 190 ? PageOrientation::Landscape : PageOrientation::Portrait; // A4 upright, 10 mm margins
}

void printDatasetGrid(PageSink &sink, Dataset &ds, const QList<PrintColumn> &columns, const QString &caption,
                      const QString &criteria, const QString &countLine, const QFont &gridFont)
{
    GridPrintout g(sink);
    g.setTitleFont(pageFont(gridFont));
    g.addTitleLine(GridPrintout::captionLine(caption));
    g.addTitleLine("ΚΡΙΤΗΡΙΑ ΑΝΑΖΗΤΗΣΗΣ : " + criteria);
    g.addTitleLine(countLine, false);
    g.addTitleLine(GridPrintout::banner());
    QStringList titles;
    for (const PrintColumn &c : columns)
        titles << c.title;
    const QList<int> fields = fieldsOf(ds, columns);
    // Measured on the device itself, in the fonts of the rows and of the header.
    const QFont was = sink.font();
    QFont header = gridBodyFont();
    header.setBold(true);
    const std::function<double(const QString &)> value = [&](const QString &t) { return sink.textWidth(t); };
    const std::function<double(const QString &)> title = [&](const QString &t) {
        sink.setFont(header);
        const double w = sink.textWidth(t);
        sink.setFont(gridBodyFont());
        return w;
    };
    sink.setFont(gridBodyFont());
    const QList<double> widths = contentWidths(ds, columns, fields, value, title);
    sink.setFont(was);
    g.setColumnsMm(titles, widths);
    g.begin();
    if (!ds.active())
        return;
    const int count = ds.recordCount();
    for (int r = 0; r < count; ++r) {
        QStringList cells;
        for (int f : fields)
            cells << (f < 0 ? QString() : Dataset::displayText(ds.valueAt(r, f), ds.fieldKind(f)));
        g.row(cells);
    }
}

} // namespace dorvani
