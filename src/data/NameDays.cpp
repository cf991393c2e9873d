#include "data/NameDays.h"

#include "data/Store.h"

#include <QSet>
#include <QSqlQuery>

namespace dorvani::namedays {

namespace {

QString dm(const QDate &d) { return d.toString("dd/MM"); }

// Whether a row that does not move keeps this day and month.
bool fixedRowKeeps(const QList<Feast> &all, int day, int month)
{
    for (const Feast &f : all)
        if (!f.moves() && f.day == day && f.month == month)
            return true;
    return false;
}

void addOnce(QStringList &list, const QString &item)
{
    if (!item.isEmpty() && !list.contains(item))
        list << item;
}

} // namespace

QDate orthodoxEaster(int year)
{
    const int a = year % 4, b = year % 7, c = year % 19;
    const int d = (19 * c + 15) % 30;
    const int e = (2 * a + 4 * b - d + 34) % 7;
    const int month = (d + e + 114) / 31;
    const int day = (d + e + 114) % 31 + 1;
    // The Julian date, moved by the days the Gregorian calendar has dropped by then.
    return QDate(year, month, day).addDays(year / 100 - year / 400 - 2);
}

QDate dateIn(const Feast &f, int year)
{
    const QDate fixed = f.hasFixedDay() ? QDate(year, f.month, f.day) : QDate();
    if (!f.moves())
        return fixed;
    const QDate moved = orthodoxEaster(year).addDays(*f.fromEaster);
    if (!fixed.isValid())
        return moved;
    return fixed > moved ? fixed : moved;
}

QList<Feast> feasts()
{
    QList<Feast> out;
    QSqlQuery q = Store::instance().exec(
        "SELECT NAME, DDATE, MONTHSID, PASXA, Sxolio FROM CELEBRITIES WHERE TRIM(NAME) <> '' "
        "ORDER BY MONTHSID IS NULL, MONTHSID, DDATE, NAME");
    while (q.next()) {
        Feast f;
        f.names = q.value(0).toString();
        if (!q.value(1).isNull() && !q.value(2).isNull()) {
            f.day = q.value(1).toInt();
            f.month = q.value(2).toInt();
        }
        if (!q.value(3).isNull())
            f.fromEaster = q.value(3).toInt();
        f.comment = q.value(4).toString();
        if (f.hasFixedDay() || f.moves())
            out << f;
    }
    return out;
}

QString namesOn(const QDate &date)
{
    QStringList names;
    for (const Feast &f : feasts())
        if (dateIn(f, date.year()) == date)
            names << f.names;
    return names.join(',');
}

std::optional<NamedDate> nextWithNames(const QDate &from)
{
    const QList<Feast> all = feasts();
    QDate best;
    for (int year : {from.year(), from.year() + 1})
        for (const Feast &f : all) {
            const QDate d = dateIn(f, year);
            if (d.isValid() && d >= from && (!best.isValid() || d < best))
                best = d;
        }
    if (!best.isValid())
        return std::nullopt;
    return NamedDate{best, namesOn(best)};
}

QStringList recordedDaysOn(const QDate &date)
{
    const QList<Feast> all = feasts();
    bool movedAway = false;
    QStringList added;
    for (const Feast &f : all) {
        if (!f.moves() || !f.hasFixedDay())
            continue;
        const QDate fixed(date.year(), f.month, f.day);
        const QDate resolved = dateIn(f, date.year());
        if (fixed == date && resolved != date)
            movedAway = true;
        if (resolved == date && fixed.isValid() && fixed != date)
            addOnce(added, dm(fixed));
    }
    QStringList out;
    if (!movedAway || fixedRowKeeps(all, date.day(), date.month()))
        out << dm(date);
    for (const QString &d : added)
        addOnce(out, d);
    return out;
}

RangeChange rangeChange(const QDate &first, const QDate &last)
{
    RangeChange c;
    if (!first.isValid() || !last.isValid() || last < first)
        return c;
    const QList<Feast> all = feasts();
    auto inRange = [&](const QDate &d) { return d.isValid() && d >= first && d <= last; };
    const int lastYear = qMin(last.year(), first.year() + 1);
    for (int year = first.year(); year <= lastYear; ++year) {
        for (const Feast &f : all) {
            if (!f.moves())
                continue;
            const QDate resolved = dateIn(f, year);
            const QDate fixed = f.hasFixedDay() ? QDate(year, f.month, f.day) : QDate();
            const bool moved = !fixed.isValid() || resolved != fixed;
            if (inRange(resolved) && moved)
                for (const QString &n : f.names.split(','))
                    addOnce(c.names, n);
            if (!fixed.isValid() || !moved)
                continue;
            if (inRange(resolved) && !inRange(fixed))
                addOnce(c.addedDays, dm(fixed));
            if (inRange(fixed) && !inRange(resolved) && !fixedRowKeeps(all, f.day, f.month))
                addOnce(c.droppedDays, dm(fixed));
        }
    }
    for (const QString &d : c.addedDays)
        c.droppedDays.removeAll(d);
    return c;
}

QList<Feast> starterFeasts()
{
    struct Fixed {
        int day, month;
        const char *names;
    };
    static const Fixed fixed[] = {
        {1, 1, "ΒΑΣΙΛΕΙΟΣ,ΒΑΣΙΛΗΣ,ΒΑΣΙΛΙΚΗ,ΒΑΣΩ"},
        {6, 1, "ΦΩΤΙΟΣ,ΦΩΤΗΣ,ΦΩΤΕΙΝΗ,ΘΕΟΦΑΝΗΣ,ΘΕΟΦΑΝΩ,ΦΑΝΗΣ,ΦΑΝΗ"},
        {7, 1, "ΙΩΑΝΝΗΣ,ΓΙΑΝΝΗΣ,ΙΩΑΝΝΑ,ΓΙΑΝΝΟΥΛΑ"},
        {17, 1, "ΑΝΤΩΝΙΟΣ,ΑΝΤΩΝΗΣ,ΑΝΤΩΝΙΑ"},
        {18, 1, "ΑΘΑΝΑΣΙΟΣ,ΘΑΝΑΣΗΣ,ΑΘΑΝΑΣΙΑ"},
        {20, 1, "ΕΥΘΥΜΙΟΣ,ΕΥΘΥΜΙΑ"},
        {22, 1, "ΑΝΑΣΤΑΣΙΟΣ,ΤΑΣΟΣ,ΤΙΜΟΘΕΟΣ"},
        {25, 1, "ΓΡΗΓΟΡΙΟΣ,ΓΡΗΓΟΡΗΣ"},
        {10, 2, "ΧΑΡΑΛΑΜΠΟΣ,ΧΑΡΗΣ,ΜΠΑΜΠΗΣ"},
        {11, 2, "ΒΛΑΣΗΣ,ΒΛΑΣΙΟΣ"},
        {25, 3, "ΕΥΑΓΓΕΛΟΣ,ΒΑΓΓΕΛΗΣ,ΕΥΑΓΓΕΛΙΑ,ΒΑΓΓΕΛΙΩ"},
        {5, 5, "ΕΙΡΗΝΗ"},
        {21, 5, "ΚΩΝΣΤΑΝΤΙΝΟΣ,ΚΩΣΤΑΣ,ΚΩΣΤΗΣ,ΚΩΝΣΤΑΝΤΙΝΑ,ΝΤΙΝΑ,ΕΛΕΝΗ"},
        {11, 6, "ΒΑΡΝΑΒΑΣ,ΒΑΡΘΟΛΟΜΑΙΟΣ"},
        {29, 6, "ΠΕΤΡΟΣ,ΠΑΥΛΟΣ,ΠΑΥΛΙΝΑ"},
        {1, 7, "ΚΟΣΜΑΣ,ΔΑΜΙΑΝΟΣ,ΑΝΑΡΓΥΡΟΣ"},
        {7, 7, "ΚΥΡΙΑΚΗ"},
        {8, 7, "ΠΡΟΚΟΠΙΟΣ,ΠΡΟΚΟΠΗΣ"},
        {17, 7, "ΜΑΡΙΝΑ"},
        {20, 7, "ΗΛΙΑΣ"},
        {26, 7, "ΠΑΡΑΣΚΕΥΗ,ΒΟΥΛΑ,ΠΑΡΑΣΚΕΥΑΣ"},
        {27, 7, "ΠΑΝΤΕΛΕΗΜΩΝ,ΠΑΝΤΕΛΗΣ"},
        {15, 8, "ΜΑΡΙΑ,ΜΑΡΙΟΣ,ΠΑΝΑΓΙΩΤΗΣ,ΠΑΝΟΣ,ΠΑΝΑΓΙΩΤΑ,ΔΕΣΠΟΙΝΑ"},
        {14, 9, "ΣΤΑΥΡΟΣ,ΣΤΑΥΡΟΥΛΑ"},
        {17, 9, "ΣΟΦΙΑ,ΕΛΠΙΔΑ,ΑΓΑΠΗ"},
        {20, 9, "ΕΥΣΤΑΘΙΟΣ,ΣΤΑΘΗΣ,ΕΥΣΤΑΘΙΑ"},
        {18, 10, "ΛΟΥΚΑΣ"},
        {20, 10, "ΓΕΡΑΣΙΜΟΣ"},
        {26, 10, "ΔΗΜΗΤΡΙΟΣ,ΔΗΜΗΤΡΗΣ,ΔΗΜΟΣ,ΔΗΜΗΤΡΑ"},
        {8, 11, "ΜΙΧΑΗΛ,ΜΙΧΑΛΗΣ,ΓΑΒΡΙΗΛ,ΡΑΦΑΗΛ,ΤΑΞΙΑΡΧΗΣ,ΑΓΓΕΛΟΣ,ΑΓΓΕΛΙΚΗ"},
        {9, 11, "ΝΕΚΤΑΡΙΟΣ,ΝΕΚΤΑΡΙΑ"},
        {11, 11, "ΜΗΝΑΣ"},
        {13, 11, "ΧΡΥΣΟΣΤΟΜΟΣ"},
        {14, 11, "ΦΙΛΙΠΠΟΣ,ΦΙΛΙΠΠΑ"},
        {25, 11, "ΑΙΚΑΤΕΡΙΝΗ,ΚΑΤΕΡΙΝΑ"},
        {26, 11, "ΣΤΥΛΙΑΝΟΣ,ΣΤΕΛΙΟΣ,ΣΤΥΛΙΑΝΗ"},
        {30, 11, "ΑΝΔΡΕΑΣ,ΑΝΔΡΙΑΝΝΑ"},
        {4, 12, "ΒΑΡΒΑΡΑ"},
        {6, 12, "ΝΙΚΟΛΑΟΣ,ΝΙΚΟΣ,ΝΙΚΟΛΕΤΑ"},
        {9, 12, "ΑΝΝΑ"},
        {12, 12, "ΣΠΥΡΙΔΩΝ,ΣΠΥΡΟΣ,ΣΠΥΡΙΔΟΥΛΑ"},
        {13, 12, "ΕΥΣΤΡΑΤΙΟΣ,ΛΟΥΚΙΑ"},
        {15, 12, "ΕΛΕΥΘΕΡΙΟΣ,ΛΕΥΤΕΡΗΣ,ΕΛΕΥΘΕΡΙΑ"},
        {25, 12, "ΧΡΗΣΤΟΣ,ΧΡΙΣΤΙΝΑ,ΕΜΜΑΝΟΥΗΛ,ΜΑΝΩΛΗΣ"},
        {27, 12, "ΣΤΕΦΑΝΟΣ,ΣΤΕΦΑΝΙΑ"},
    };
    struct Moving {
        int fromEaster;
        int day, month; // 0 when the day is only relative to Easter
        const char *names;
        const char *comment;
    };
    static const Moving moving[] = {
        {-43, 0, 0, "ΘΕΟΔΩΡΟΣ,ΘΟΔΩΡΗΣ,ΘΕΟΔΩΡΑ", "Πάσχα - 43: Σάββατο των Αγίων Θεοδώρων"},
        {-8, 0, 0, "ΛΑΖΑΡΟΣ,ΛΑΖΑΡΙΑ", "Πάσχα - 8: Σάββατο του Λαζάρου"},
        {-7, 0, 0, "ΒΑΪΟΣ,ΒΑΪΑ", "Πάσχα - 7: Κυριακή των Βαΐων"},
        {0, 0, 0, "ΛΑΜΠΡΟΣ,ΛΑΜΠΡΙΝΗ,ΑΝΕΣΤΗΣ,ΠΑΣΧΑΛΗΣ,ΠΑΣΧΑΛΙΑ", "Πάσχα: Κυριακή του Πάσχα"},
        {5, 0, 0, "ΖΩΟΔΟΧΟΣ,ΠΗΓΗ", "Πάσχα + 5: Ζωοδόχου Πηγής"},
        {7, 0, 0, "ΘΩΜΑΣ,ΘΩΜΑΗ", "Πάσχα + 7: Κυριακή του Θωμά"},
        {39, 0, 0, "ΑΝΑΛΗΨΗ", "Πάσχα + 39: Ανάληψη"},
        {50, 0, 0, "ΤΡΙΑΔΑ,ΤΡΙΑΝΤΑΦΥΛΛΙΑ", "Πάσχα + 50: Αγίου Πνεύματος"},
        {1, 23, 4, "ΓΕΩΡΓΙΟΣ,ΓΙΩΡΓΟΣ,ΓΕΩΡΓΙΑ,ΓΙΩΡΓΟΥΛΑ",
         "Ή Δευτέρα του Πάσχα, όταν η 23/04 πέφτει πριν από αυτήν"},
        {2, 25, 4, "ΜΑΡΚΟΣ", "Ή Τρίτη του Πάσχα, όταν η 25/04 πέφτει πριν από αυτήν"},
    };
    QList<Feast> out;
    for (const Fixed &f : fixed) {
        Feast r;
        r.day = f.day;
        r.month = f.month;
        r.names = QString::fromUtf8(f.names);
        out << r;
    }
    for (const Moving &m : moving) {
        Feast r;
        r.day = m.day;
        r.month = m.month;
        r.fromEaster = m.fromEaster;
        r.names = QString::fromUtf8(m.names);
        r.comment = QString::fromUtf8(m.comment);
        out << r;
    }
    return out;
}

int addStarterFeastsWhenEmpty()
{
    Store &store = Store::instance();
    if (store.scalar("SELECT COUNT(*) FROM CELEBRITIES").toInt() > 0)
        return 0;
    Transaction tx(store);
    int added = 0;
    for (const Feast &f : starterFeasts()) {
        const QVariant day = f.hasFixedDay() ? QVariant(f.day) : QVariant();
        const QVariant month = f.hasFixedDay() ? QVariant(f.month) : QVariant();
        const QVariant fromEaster = f.moves() ? QVariant(*f.fromEaster) : QVariant();
        store.run("INSERT INTO CELEBRITIES (NAME, DDATE, MONTHSID, PASXA, Sxolio) VALUES (?, ?, ?, ?, ?)",
                  {f.names, day, month, fromEaster, f.comment.isNull() ? QString("") : f.comment});
        ++added;
    }
    tx.commit();
    return added;
}

} // namespace dorvani::namedays
