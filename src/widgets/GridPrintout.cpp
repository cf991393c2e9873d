#include "widgets/GridPrintout.h"

#include "platform/AppContext.h"
#include "data/Dataset.h"
#include "platform/Printing.h"

#include <QGuiApplication>
#include <QScreen>

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
    m_headers = titles;
    m_tenths = tenths;
}

void GridPrintout::begin()
{
    // The line height is measured once, in the body font, on the device itself.
    const QFont was = m_sink.font();
    m_sink.setFont(m_bodyFont);
    m_h = m_sink.lineHeight() + TenthMm;
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

void GridPrintout::tableRow(const QStringList &cells)
{
    const double pageWidth = m_sink.pageSize().width();
    double x = 0;
    for (int c = 0; c < m_tenths.size() && x < pageWidth; ++c) {
        const double w = std::min(m_tenths[c] * TenthMm, pageWidth - x);
        if (w > 0)
            m_sink.textInRect(QRectF(x, m_y, w, m_h), cells.value(c), int(Qt::AlignLeft | Qt::AlignTop));
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
    QList<int> tenths, fields;
    for (const PrintColumn &c : columns) {
        titles << c.title;
        tenths << GridPrintout::tenthsOfPixels(c.screenWidth);
        fields << ds.fieldIndex(c.field);
    }
    g.setColumns(titles, tenths);
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
