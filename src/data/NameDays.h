// The days of the name-day calendar in a given year: Orthodox Easter, and the calendar rows
// that move with it. A CELEBRITIES row is
//   - a fixed day: DDATE and MONTHSID, PASXA empty;
//   - a day relative to Easter: PASXA days from Orthodox Easter (Thomas +7), DDATE and
//     MONTHSID empty;
//   - the later of a fixed day and a day from Easter: all three (Saint George on 23 April,
//     or Easter Monday, PASXA 1, when 23 April falls before it).
// A citizen's recorded name day (CELEBRDAY) is the fixed day of the row, so the citizens
// who recorded the fixed day of a row that moved celebrate on the day it moved to.
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace dorvani::namedays {

// Orthodox Easter Sunday of a year (the Julian computus, as a Gregorian date); from 1583 on.
QDate orthodoxEaster(int year);

struct Feast {
    QString names;     // as stored: capitals, separated by bare commas
    int day = 0;       // 0 when the row has no fixed day
    int month = 0;
    std::optional<int> fromEaster;
    QString comment;

    bool hasFixedDay() const { return day > 0 && month > 0; }
    bool moves() const { return fromEaster.has_value(); }
};

// The date of a row in a year; invalid when the row has no such day (a fixed 29/02 in a
// common year, a 31/04).
QDate dateIn(const Feast &f, int year);

// Every calendar row with names, in calendar order of the fixed days, then the others.
QList<Feast> feasts();

// The names celebrated on a date, every row of that date in the year joined by ",";
// empty when none.
QString namesOn(const QDate &date);

// The first date from the given one on (the given one included) that has names, within
// the year and the next one; nothing when the calendar is empty.
struct NamedDate {
    QDate date;
    QString names;
};
std::optional<NamedDate> nextWithNames(const QDate &from);

// The recorded name days ("dd/mm") whose citizens celebrate on a date: the date itself,
// unless it is the fixed day of a row that moved away that year (and no fixed row keeps
// it), and the fixed days of rows that moved onto it.
QStringList recordedDaysOn(const QDate &date);

// What a name-day range of a search must add to the plain day list over CELEBRDAY: the
// names of the moving rows whose day falls in the range, the recorded days of rows that
// moved into it and those of rows that moved out of it. first and last are real dates.
struct RangeChange {
    QStringList names;
    QStringList addedDays;
    QStringList droppedDays;
    bool isEmpty() const { return names.isEmpty() && addedDays.isEmpty() && droppedDays.isEmpty(); }
};
RangeChange rangeChange(const QDate &first, const QDate &last);

// The common name days of the Greek Orthodox calendar, fixed and moving.
QList<Feast> starterFeasts();
// Fills an empty CELEBRITIES with the starter days, in one transaction. Returns the
// number of rows written (0 when the calendar had rows).
int addStarterFeastsWhenEmpty();

} // namespace dorvani::namedays
