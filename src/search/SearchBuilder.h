// The citizen search turned into SQL and words: from a plain record of the criteria a
// screen filled in, one statement over POLITES whose conditions are joined with " AND ",
// and the Greek description of the same criteria joined with " - ".
//
// Typed text reaches the statement only as a quoted literal: quotes are doubled, NUL
// characters are removed, and in LIKE patterns only "*" is a wildcard (it becomes "%");
// a "%" or "_" that the user typed is matched as itself (escaped, with ESCAPE '\').
// Digit criteria must be whole numbers; anything else is refused before any SQL runs.
#pragma once

#include <QDate>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace dorvani {

// A choice in a drop-down list over a table: the text it shows and the chosen row's key.
struct ListChoice {
    QString text;
    QVariant key;
    bool isSet() const { return !text.trimmed().isEmpty(); }
};

// The criteria of a citizen search, as the screen holds them. Texts are as typed; a
// radio group or pick list holds the chosen position, -1 for none.
struct SearchCriteria {
    QString data1; // special electoral number
    QString epitheto, onoma, patr, mhtr;
    ListChoice ethnikothta, morfosh, epagelma;
    QString address, tk;
    ListChoice polh, dhmos, eparxia, nomos;
    // The day and month fields as shown ("28/02"; "XX/XX" when empty).
    QString birthFrom = "XX/XX", birthTo = "XX/XX";
    QString celebrFrom = "XX/XX", celebrTo = "XX/XX";
    int eterodhmoths = -1, symaxia = -1;
    QString capacities; // the chosen capacities, positions ascending joined by ","
    int sxesh = -1, koma = -1;
    ListChoice askhsh, melos, pyrhnas, to, ne, no;
    int fylo = -1, oikogkat = -1;
    QString melhoikog;
    QString telo[5], tele[5];
    QString mobile1, mobile2, fax, email, web;
    ListChoice aksiologhsh;
    QList<int> contacts;                   // checked contact kinds, positions ascending
    QList<QPair<int, QString>> influences; // checked sources in list order: AUTONUM, name
    QString avote, pvote, totalVotes, pPshfoi, pshfoiP;
    bool notes = false;
};

struct BuiltSearch {
    QString condition;   // the conditions joined with " AND "; empty for all citizens
    QString description; // the Greek words of the criteria joined with " - "
    QString error;       // why the criteria cannot be searched (a digit field that is not a number)

    bool ok() const { return error.isEmpty(); }
    // "Select * From POLITES Where " and the condition, or "Select * From POLITES".
    QStringList sqlLines() const;
    QString sql() const { return sqlLines().join('\n'); }
};

class SearchBuilder {
public:
    static BuiltSearch build(const SearchCriteria &c);

    // ---- the shared rules of turning typed text into SQL
    // The text without NUL characters and without unpaired halves of character pairs.
    static QString typed(const QString &text);
    // Typed text in the form the register stores it: capitals, Greek without tonos, a Greek
    // word typed partly on a Latin keyboard in Greek letters (greekStored).
    static QString searched(const QString &text);
    // An exact pattern: "*" becomes "%", capitals, quoted (compared with "=").
    static QString pattern(const QString &text);
    // A LIKE pattern: "*" becomes "%", capitals, quoted; a typed "%" or "_" is escaped and
    // the literal is followed by ESCAPE '\'. No wildcard is added of itself.
    static QString likePattern(const QString &text);
    // A shown name in capitals, quoted.
    static QString quotedName(const QString &text);
    // A whole number as typed (blanks around it aside); false when the text is not one.
    static bool wholeNumber(const QString &text, QString *digits);

    // The day list over a "dd/mm..." field: one LIKE test per day from the first day to
    // the last, both included, each listed once (a span of more than a year lists its
    // distinct days, at most 366), in "(" and ")"; "()" when the last day is before the first.
    static QString dayList(const QString &field, const QDate &first, const QDate &last);
    // The same with the days of dropped left out and those of added tested as well.
    static QString dayList(const QString &field, const QDate &first, const QDate &last, const QStringList &dropped,
                           const QStringList &added);
    // The name-day range from first to last (days of 2003, as read from the fields) in the
    // given year: the day list over CelebrDay, corrected for the feasts that move with Easter
    // that year (namedays::rangeChange), or'ed with the first names of the moving feasts
    // that fall in the range.
    static QString nameDayCondition(const QDate &first, const QDate &last, int year);
    // A day/month field read as a day of 2003; invalid when partly filled or not a day of 2003.
    static QDate dayOf2003(const QString &shown);
};

} // namespace dorvani
