#include "search/LabelTypes.h"

#include "data/Store.h"

#include <QSqlQuery>
#include <QVariant>

namespace dorvani::labeltypes {

using labels::LabelType;

namespace {
LabelType fromQuery(QSqlQuery &q)
{
    LabelType t;
    t.name = q.value(0).toString();
    t.leftMargin = q.value(1).toDouble();
    t.topMargin = q.value(2).toDouble();
    t.width = q.value(3).toDouble();
    t.height = q.value(4).toDouble();
    t.spaceX = q.value(5).toDouble();
    t.spaceY = q.value(6).toDouble();
    t.paperHeight = q.value(7).toDouble();
    t.paperWidth = q.value(8).toDouble();
    t.columns = q.value(9).toInt();
    return t;
}

LabelType make(const QString &name, double left, double top, double w, double h, double sx, double sy, int cols)
{
    LabelType t;
    t.name = name;
    t.leftMargin = left;
    t.topMargin = top;
    t.width = w;
    t.height = h;
    t.spaceX = sx;
    t.spaceY = sy;
    t.columns = cols;
    return t;
}
} // namespace

QStringList names()
{
    QStringList out;
    QSqlQuery q = Store::instance().exec("SELECT Printer FROM Printers ORDER BY Printer");
    while (q.next())
        out << q.value(0).toString();
    return out;
}

std::optional<LabelType> load(const QString &name)
{
    QSqlQuery q = Store::instance().exec(
        "SELECT Printer, LeftMargin, TopMargin, LWidth, LHeight, LSpaceX, LSpaceY, PaperHeight, PaperWidth, "
        "Sthles FROM Printers WHERE Printer = ?",
        {name});
    if (!q.next())
        return std::nullopt;
    return fromQuery(q);
}

bool exists(const QString &name)
{
    return Store::instance().scalar("SELECT COUNT(*) FROM Printers WHERE Printer = ?", {name}).toInt() > 0;
}

void save(const LabelType &t)
{
    Store &s = Store::instance();
    Transaction tx(s);
    s.exec("DELETE FROM Printers WHERE Printer = ?", {t.name});
    s.exec("INSERT INTO Printers (Printer, LeftMargin, TopMargin, LWidth, LHeight, LSpaceX, LSpaceY, "
           "PaperHeight, PaperWidth, Sthles) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
           {t.name, t.leftMargin, t.topMargin, t.width, t.height, t.spaceX, t.spaceY, t.paperHeight,
            t.paperWidth, t.columns});
    tx.commit();
}

QList<LabelType> starterTypes()
{
    // Margins from the top-left corner of the printable area, which begins 10 mm in from the
    // sheet's edges, with the text 2-3 mm inside the label where the sheet leaves room.
    return {
        make(QStringLiteral("A4 3x7 63,5x38,1"), 0.2, 7.1, 63.5, 38.1, 2.5, 0, 3),
        make(QStringLiteral("A4 3x8 70x37"), 0, 0, 70, 37, 0, 0, 3),
        make(QStringLiteral("A4 2x7 99,1x38,1"), 0, 7.1, 99.1, 38.1, 2.5, 0, 2),
        make(QStringLiteral("A4 2x8 99,1x33,9"), 0, 4.9, 99.1, 33.9, 2.5, 0, 2),
    };
}

void addStarterTypesWhenEmpty()
{
    if (Store::instance().scalar("SELECT COUNT(*) FROM Printers").toInt() > 0)
        return;
    for (const LabelType &t : starterTypes())
        save(t);
}

} // namespace dorvani::labeltypes
