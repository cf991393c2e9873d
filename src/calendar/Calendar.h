// The rules of the name-day calendar and the birthday list, outside any screen: the
// day and month of a calendar row, the names as they are stored, today's celebrants and
// the next day that has names, the celebrants' search and the birthdays of a period.
//
// Calendar rows hold a day and a month without a year, so a row may name a day that a
// given year lacks (29/02 in a common year) or no year has (31/04). Wherever a row is
// taken as a date of a year, such a row is passed over.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace dorvani::calendar {

// "6" gives "06"; a text of any other length is returned trimmed.
QString twoDigits(const QString &s);
QString twoDigits(int n);

// Whether a day and month name a day of the year; 29/02 is one (leap years have it).
bool isDayOfYear(int day, int month);
// Whether a calendar row's day and month exist in the given year.
bool existsIn(int day, int month, int year);

// The rules of the day and month fields when they are left: a day above 31 becomes
// "30", a month above 12 becomes "12"; any other text is returned as it is.
QString limitDay(const QString &typed);
QString limitMonth(const QString &typed);

// A day and month typed as text: nothing unless both are whole numbers that name a day
// of the year.
struct DayMonth {
    int day = 0;
    int month = 0;
};
std::optional<DayMonth> typedDayMonth(const QString &day, const QString &month);
QString invalidDayMessage();

// The names of a calendar day as they are stored: capitals, separated by a bare comma,
// without blanks around a name and without empty names.
QString storedNames(const QString &typed);

// A calendar row.
struct CalendarDay {
    int day = 0;
    int month = 0;
    QString names;
    QString comment;
    std::optional<int> fromEaster; // PASXA: days from Orthodox Easter (data/NameDays.h)
};
// The row of a day, the first by name when there are several; nothing when none.
std::optional<CalendarDay> findDay(int day, int month);
// Writes the names and comment of a day, and its days from Easter (none: a fixed day;
// some: the later of the day and that day from Easter): replaces them when the day has a
// row, else adds one. Throws DbError (a name text that another day has is a key violation).
void storeDay(int day, int month, const QString &names, const QString &comment,
              std::optional<int> fromEaster = std::nullopt);
// The row of a day relative to Easter only (no fixed day); nothing when none.
std::optional<CalendarDay> findMovingDay(int fromEaster);
// Writes such a row, replacing the one of the same days from Easter.
void storeMovingDay(int fromEaster, const QString &names, const QString &comment);
// The days from Easter as typed ("-8", "7"): nothing for an empty field, ok false when the
// text is not a whole number from -100 to 100.
std::optional<int> typedFromEaster(const QString &text, bool *ok);
QString invalidFromEasterMessage();

// The fixed day of a date's year, at or before the date, that has names and exists in that
// year: the day the calendar opens on. Nothing when there is none.
std::optional<CalendarDay> latestDayWithNames(const QDate &date);
// The first day from the date on that has names and exists in its year, the days that
// move with Easter at their place in that year; after the last such day of the year the
// search goes on from the start of the next year. The date found is returned with the
// names of every row on it.
struct NamedDate {
    QDate date;
    QString names;
};
std::optional<NamedDate> nextDayWithNames(const QDate &from);

// Weekday names as the office reads them.
QString weekdayName(const QDate &d);      // "Κυριακή"
QString shortWeekdayName(const QDate &d); // "Κυρ"

// The calendar dialog's caption of today's group: "Σήμερα Πέμ 10/12/2026 γιορτάζουν".
QString todayCaption(const QDate &today);

// Today's celebrants for the main window: the label's text and the names, day and month
// it keeps for the celebrants view (all empty when nothing was found).
struct Celebrants {
    bool found = false;
    QString label;
    QString names;
    QString day;
    QString month;
};
Celebrants celebrantsOf(const QDate &today);
// The names as the label shows them: "ΓΕΩΡΓΙΟΣ,ΓΙΩΡΓΟΣ" reads "ΓΕΩΡΓΙΟΣ, ΓΙΩΡΓΟΣ".
QString namesForLabel(const QString &names);

// The citizens who celebrate: whose first name is one of the names (split at each
// comma, as they stand) or whose recorded name day is day/month; in this year a feast
// that moved away from day/month takes its recorded day with it (namedays::recordedDaysOn).
// Empty names give no statement.
QString celebrantsSql(const QString &names, const QString &day, const QString &month);
QString nobodyCelebratesMessage();
QString countLine(int rows); // "Βρέθηκαν 3 εγγραφές"

// The birthdays of a period: every day from the first to the last, as "dd/mm", each
// once and in order from the first day, so a period of a year or more is every day of
// the year (at most 366) however long it is. Empty when the last day is before the first.
QStringList periodDays(const QDate &from, const QDate &to);
// The condition over BirthDay for those days: BirthDay LIKE '05/03%'OR BirthDay LIKE ...
QString birthdayCondition(const QStringList &days);
// The statement of the birthday list; nothing when the period ends before it starts.
std::optional<QStringList> birthdaySql(const QDate &from, const QDate &to);
QString periodEndsBeforeStartMessage();

// The order in which the lists of citizens are shown to the office.
QString citizenOrder();

} // namespace dorvani::calendar
