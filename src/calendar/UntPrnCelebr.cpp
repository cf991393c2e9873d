#include "calendar/UntPrnCelebr.h"

#include "data/Dataset.h"
#include "platform/Printing.h"
#include "widgets/Ui.h"

#include <QFont>

namespace dorvani {

namespace {

const QString fontFamily = "DejaVu Sans";

// Column positions, mm from the left of the printable area.
constexpr double namesX = 0, namesW = 146;
constexpr double dayX = 150, dayW = 18;
constexpr double monthX = 170, monthW = 20;

// The names broken after commas into lines that fit the width; a single name wider than
// the width has a line of its own (and is clipped there).
QStringList wrapNames(PageSink &page, const QString &names, double width)
{
    if (page.textWidth(names) <= width)
        return {names};
    QStringList lines;
    QString line;
    const QStringList parts = names.split(',');
    for (int i = 0; i < parts.size(); ++i) {
        const QString piece = parts[i] + (i + 1 < parts.size() ? "," : "");
        if (!line.isEmpty() && page.textWidth(line + piece) > width) {
            lines << line;
            line.clear();
        }
        line += piece;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

} // namespace

QString TPrnCelebr::title() { return "ΕΚΤΥΠΩΣΗ ΕΟΡΤΟΛΟΓΙΟΥ"; }

QList<TPrnCelebr::Row> TPrnCelebr::rowsOf(Dataset *calendar)
{
    QList<Row> rows;
    if (!calendar || !calendar->active())
        return rows;
    const int name = calendar->fieldIndex("NAME"), day = calendar->fieldIndex("DDATE"),
              month = calendar->fieldIndex("MONTHSID");
    const int n = calendar->recordCount();
    for (int r = 0; r < n; ++r)
        rows << Row{calendar->valueAt(r, name).toString(), calendar->valueAt(r, day).toString(),
                    calendar->valueAt(r, month).toString()};
    return rows;
}

void TPrnCelebr::draw(PageSink &page, const QList<Row> &rows)
{
    const QSizeF size = page.pageSize();
    const QFont heading(fontFamily, 16, QFont::Bold);
    const QFont columns(fontFamily, 10, QFont::Bold);
    const QFont body(fontFamily, 10);
    const QFont footer(fontFamily, 11, QFont::Bold);

    page.setFont(footer);
    const double footerH = page.lineHeight();
    const double bottom = size.height() - footerH - 3; // rows end above the footer

    auto drawFooter = [&] {
        page.setFont(footer);
        page.line(QPointF(0, size.height() - footerH - 1), QPointF(size.width(), size.height() - footerH - 1), 0.2);
        page.textInRect(QRectF(0, size.height() - footerH, size.width(), footerH), "DORVANI", Qt::AlignHCenter);
    };
    auto drawColumnHeads = [&](double y) {
        page.setFont(columns);
        const double h = page.lineHeight();
        page.textInRect(QRectF(namesX, y, namesW, h), "Ονόματα", Qt::AlignLeft | Qt::AlignVCenter);
        page.textInRect(QRectF(dayX, y, dayW, h), "Ημ/νία", Qt::AlignHCenter | Qt::AlignVCenter);
        page.textInRect(QRectF(monthX, y, monthW, h), "Μήνας", Qt::AlignHCenter | Qt::AlignVCenter);
        y += h + 0.8;
        page.line(QPointF(0, y), QPointF(size.width(), y), 0.3);
        return y + 1.5;
    };

    page.setFont(heading);
    const double headingH = page.lineHeight();
    page.textInRect(QRectF(0, 0, size.width(), headingH), "Ε Ο Ρ Τ Ο Λ Ο Γ Ι Ο", Qt::AlignHCenter | Qt::AlignVCenter);
    double y = drawColumnHeads(headingH + 6);

    for (const Row &r : rows) {
        page.setFont(body);
        const double h = page.lineHeight();
        const QStringList lines = wrapNames(page, r.names, namesW);
        const double rowH = h * lines.size();
        if (y + rowH > bottom) {
            drawFooter();
            page.newPage();
            y = drawColumnHeads(0);
            page.setFont(body);
        }
        for (int i = 0; i < lines.size(); ++i)
            page.textInRect(QRectF(namesX, y + i * h, namesW, h), lines[i], Qt::AlignLeft | Qt::AlignVCenter);
        page.textInRect(QRectF(dayX, y, dayW, h), r.day, Qt::AlignHCenter | Qt::AlignVCenter);
        page.textInRect(QRectF(monthX, y, monthW, h), r.month, Qt::AlignHCenter | Qt::AlignVCenter);
        y += rowH;
    }
    drawFooter();
}

void TPrnCelebr::preview(Dataset *calendar)
{
    const QList<Row> rows = rowsOf(calendar);
    ui().printPreview(title(), [rows](PageSink &page) { draw(page, rows); });
}

} // namespace dorvani
