#include "calendar/Calendar.h"

#include "data/GreekText.h"
#include "data/NameDays.h"
#include "platform/AppContext.h"
#include "widgets/InputHelpers.h"
#include "data/Schema.h"
#include "data/Store.h"

#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>

namespace dorvani::calendar {

namespace {

const char *const longDays[] = {"Δευτέρα", "Τρίτη", "Τετάρτη", "Πέμπτη", "Παρασκευή", "Σάββατο", "Κυριακή"};
const char *const shortDays[] = {"Δευ", "Τρί", "Τετ", "Πέμ", "Παρ", "Σάβ", "Κυρ"};

// A day and month as one number that keeps calendar order: 31 January is 131 and
// 1 February is 201.
int dayKey(int day, int month) { return month * 100 + day; }

std::optional<int> wholeNumber(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    for (const QChar c : t)
        if (c < '0' || c > '9')
            return std::nullopt;
    bool ok = false;
    const int n = t.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

CalendarDay rowOf(const QSqlQuery &q)
{
    CalendarDay d;
    d.day = q.value(0).toInt();
    d.month = q.value(1).toInt();
    d.names = q.value(2).toString();
    d.comment = q.value(3).toString();
    if (!q.value(4).isNull())
        d.fromEaster = q.value(4).toInt();
    return d;
}

const QString rowColumns = "SELECT DDATE, MONTHSID, NAME, Sxolio, PASXA FROM CELEBRITIES ";
const QString hasNames = "TRIM(NAME) <> '' AND DDATE IS NOT NULL AND MONTHSID IS NOT NULL";

} // namespace

QString twoDigits(const QString &s)
{
    const QString t = s.trimmed();
    return t.size() == 1 ? "0" + t : t;
}

QString twoDigits(int n) { return twoDigits(QString::number(n)); }

bool isDayOfYear(int day, int month)
{
    // 2000 was a leap year: its months have every day a calendar row may name.
    return month >= 1 && month <= 12 && QDate::isValid(2000, month, day);
}

bool existsIn(int day, int month, int year) { return QDate::isValid(year, month, day); }

QString limitDay(const QString &typed)
{
    const auto n = wholeNumber(typed);
    return n && *n > 31 ? QString("30") : typed;
}

QString limitMonth(const QString &typed)
{
    const auto n = wholeNumber(typed);
    return n && *n > 12 ? QString("12") : typed;
}

std::optional<DayMonth> typedDayMonth(const QString &day, const QString &month)
{
    const auto d = wholeNumber(day), m = wholeNumber(month);
    if (!d || !m || !isDayOfYear(*d, *m))
        return std::nullopt;
    return DayMonth{*d, *m};
}

QString invalidDayMessage()
{
    return "Η ημέρα και ο μήνας δεν σχηματίζουν ημερομηνία του έτους.\n"
           "Παρακαλώ δώστε ημέρα από 1 έως 31 και μήνα από 1 έως 12 που υπάρχουν στο ημερολόγιο (η 29/02 επιτρέπεται).";
}

QString storedNames(const QString &typed)
{
    QStringList out;
    for (const QString &part : typed.split(',')) {
        const QString name = greekUpper(part.trimmed());
        if (!name.isEmpty())
            out << name;
    }
    return out.join(',');
}

std::optional<CalendarDay> findDay(int day, int month)
{
    QSqlQuery q = Store::instance().exec(rowColumns + "WHERE DDATE=? AND MONTHSID=? ORDER BY NAME LIMIT 1",
                                         {day, month});
    if (!q.next())
        return std::nullopt;
    return rowOf(q);
}

void storeDay(int day, int month, const QString &names, const QString &comment, std::optional<int> fromEaster)
{
    const TableDef &t = Schema::table("CELEBRITIES");
    const QVariant name = Schema::toStored(*t.field("NAME"), names);
    const QVariant sxolio = Schema::toStored(*t.field("Sxolio"), comment);
    const QVariant pasxa = fromEaster ? QVariant(*fromEaster) : QVariant();
    if (findDay(day, month))
        Store::instance().exec("UPDATE CELEBRITIES SET NAME=?, Sxolio=?, PASXA=?\n WHERE DDate=? AND MONTHSID=?",
                               {name, sxolio, pasxa, day, month});
    else
        Store::instance().exec("INSERT INTO CELEBRITIES (DDate,MonthsID,Name,Sxolio,PASXA) VALUES (?,?,?,?,?)",
                               {day, month, name, sxolio, pasxa});
}

std::optional<CalendarDay> findMovingDay(int fromEaster)
{
    QSqlQuery q = Store::instance().exec(
        rowColumns + "WHERE PASXA=? AND (DDATE IS NULL OR MONTHSID IS NULL) ORDER BY NAME LIMIT 1", {fromEaster});
    if (!q.next())
        return std::nullopt;
    return rowOf(q);
}

void storeMovingDay(int fromEaster, const QString &names, const QString &comment)
{
    const TableDef &t = Schema::table("CELEBRITIES");
    const QVariant name = Schema::toStored(*t.field("NAME"), names);
    const QVariant sxolio = Schema::toStored(*t.field("Sxolio"), comment);
    if (findMovingDay(fromEaster))
        Store::instance().exec("UPDATE CELEBRITIES SET NAME=?, Sxolio=? WHERE PASXA=? AND (DDATE IS NULL OR MONTHSID IS NULL)",
                               {name, sxolio, fromEaster});
    else
        Store::instance().exec("INSERT INTO CELEBRITIES (Name,Sxolio,PASXA) VALUES (?,?,?)", {name, sxolio, fromEaster});
}

std::optional<int> typedFromEaster(const QString &text, bool *ok)
{
    static const QRegularExpression rx("^[-+]?[0-9]{1,3}$");
    const QString t = text.trimmed();
    *ok = true;
    if (t.isEmpty())
        return std::nullopt;
    if (!rx.match(t).hasMatch() || qAbs(t.toInt()) > 100) {
        *ok = false;
        return std::nullopt;
    }
    return t.toInt();
}

QString invalidFromEasterMessage()
{
    return "Οι ημέρες από το Πάσχα πρέπει να είναι ακέραιος αριθμός από -100 έως 100\n"
           "(για παράδειγμα -8 για το Σάββατο του Λαζάρου, 7 για την Κυριακή του Θωμά).";
}

std::optional<CalendarDay> latestDayWithNames(const QDate &date)
{
    QSqlQuery q = Store::instance().exec(rowColumns + "WHERE MONTHSID*100+DDATE <= ? AND " + hasNames
                                             + " ORDER BY MONTHSID DESC, DDATE DESC, NAME",
                                         {dayKey(date.day(), date.month())});
    while (q.next()) {
        const CalendarDay d = rowOf(q);
        if (existsIn(d.day, d.month, date.year()))
            return d;
    }
    return std::nullopt;
}

std::optional<NamedDate> nextDayWithNames(const QDate &from)
{
    const auto next = namedays::nextWithNames(from);
    if (!next)
        return std::nullopt;
    return NamedDate{next->date, next->names};
}

QString weekdayName(const QDate &d) { return QString::fromUtf8(longDays[d.dayOfWeek() - 1]); }

QString shortWeekdayName(const QDate &d) { return QString::fromUtf8(shortDays[d.dayOfWeek() - 1]); }

QString todayCaption(const QDate &today)
{
    return "Σήμερα " + shortWeekdayName(today) + " " + today.toString("dd/MM/yyyy") + " γιορτάζουν";
}

QString namesForLabel(const QString &names)
{
    QString out = names;
    return out.replace(",", ", ");
}

Celebrants celebrantsOf(const QDate &today)
{
    Celebrants c;
    const QString names = namedays::namesOn(today);
    if (!names.isEmpty()) {
        c.found = true;
        c.label = "Γιορτάζουν " + namesForLabel(names);
        c.names = names;
    } else if (const auto next = nextDayWithNames(today)) {
        const QDate d = next->date;
        c.found = true;
        c.label = QString("Στις %1/%2/%3 (%4) γιορτάζουν ")
                      .arg(d.day())
                      .arg(d.month())
                      .arg(d.year() % 100, 2, 10, QChar('0'))
                      .arg(weekdayName(d))
                  + namesForLabel(next->names);
        c.names = next->names;
    } else {
        return c;
    }
    // The view searches these names together with today as the name day.
    c.day = twoDigits(today.day());
    c.month = twoDigits(today.month());
    return c;
}

QString celebrantsSql(const QString &names, const QString &day, const QString &month)
{
    if (names.isEmpty())
        return {};
    const QString recorded = day + "/" + month;
    // The citizens who recorded the fixed day of a feast that moved this year celebrate
    // on the day it moved to, not on the fixed day.
    QStringList days{recorded};
    const QDate date(Clock::today().year(), month.toInt(), day.toInt());
    if (date.isValid() && date.toString("dd/MM") == recorded)
        days = namedays::recordedDaysOn(date);
    QString byDay;
    if (days.size() == 1) {
        byDay = " OR (CelebrDay = " + sqlQuote(days[0]) + ")";
    } else if (days.size() > 1) {
        QStringList quoted;
        for (const QString &d : days)
            quoted << sqlQuote(d);
        byDay = " OR (CelebrDay IN (" + quoted.join(',') + "))";
    }
    return QStringList{"SELECT AUTONUM,EPITHETO,ONOMA,PATR,TELO_1,TELE_1,MOBILE1 FROM Polites WHERE ONOMA IN ("
                           + quoteList(names) + ")" + byDay,
                       "ORDER BY " + citizenOrder()}
        .join('\n');
}

QString nobodyCelebratesMessage() { return "Δεν βρέθηκε κανένα πρόσωπο που να εορτάζει."; }

QString countLine(int rows) { return "Βρέθηκαν " + QString::number(rows) + " εγγραφές"; }

QStringList periodDays(const QDate &from, const QDate &to)
{
    QStringList days;
    if (!from.isValid() || !to.isValid() || to < from)
        return days;
    QSet<QString> seen;
    // Any eight years hold every day of the year, 29/02 included, so the walk is short
    // even for a period of centuries.
    for (QDate d = from; d <= to && days.size() < 366; d = d.addDays(1)) {
        const QString dm = d.toString("dd/MM");
        if (!seen.contains(dm)) {
            seen.insert(dm);
            days << dm;
        }
    }
    return days;
}

QString birthdayCondition(const QStringList &days)
{
    QString out;
    for (int i = 0; i < days.size(); ++i)
        out += (i == 0 ? QString("BirthDay LIKE ") : QString("OR BirthDay LIKE ")) + sqlQuote(days[i] + "%");
    return out;
}

std::optional<QStringList> birthdaySql(const QDate &from, const QDate &to)
{
    const QStringList days = periodDays(from, to);
    if (days.isEmpty())
        return std::nullopt;
    return QStringList{"Select * From POLITES Where", birthdayCondition(days), "Order By " + citizenOrder()};
}

QString periodEndsBeforeStartMessage()
{
    return "Η ημερομηνία ΕΩΣ είναι πριν από την ημερομηνία ΑΠΟ.\nΠαρακαλώ διορθώστε τις ημερομηνίες της αναζήτησης.";
}

QString citizenOrder() { return "EPITHETO COLLATE GREEK, ONOMA COLLATE GREEK, PATR COLLATE GREEK, AUTONUM"; }

} // namespace dorvani::calendar
