// The printout of the name-day calendar: every calendar day in the order the calendar
// shows them, with a heading on the first page, column headings on every page and the
// program's name at the foot of each page.
#pragma once

#include <QList>
#include <QString>

namespace dorvani {

class Dataset;
class PageSink;

class TPrnCelebr {
public:
    struct Row {
        QString names;
        QString day;
        QString month;
    };

    static QString title(); // "ΕΚΤΥΠΩΣΗ ΕΟΡΤΟΛΟΓΙΟΥ"
    // The rows of the calendar dataset, in its order.
    static QList<Row> rowsOf(Dataset *calendar);
    // Draws the pages. A names text too wide for its column goes on as many lines as it
    // needs, broken after a comma.
    static void draw(PageSink &page, const QList<Row> &rows);
    // The printout of the calendar in the print preview.
    static void preview(Dataset *calendar);
};

} // namespace dorvani
