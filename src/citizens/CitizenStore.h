// The register's writing and reading of a citizen, outside any screen: the row of
// POLITES with its co-candidate votes, confidential notes and vote distribution rows,
// saved whole or not at all; the duplicate check; the name day and the vocatives of a
// first name; the stored forms of the two dates; stepping in surname order.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <optional>

namespace dorvani {

// The votes a citizen gives one co-candidate (null when none were typed).
struct CoCandidateVotes {
    QString name;
    QVariant votes;
};

// The three confidential texts of a citizen.
struct SpecialNoteTexts {
    QString rivalries;   // ESOK_ANT
    QString requests;    // AITHMATA
    QString information; // PLHROFORIES
    bool isBlank() const
    {
        return rivalries.trimmed().isEmpty() && requests.trimmed().isEmpty() && information.trimmed().isEmpty();
    }
};

struct CitizenRecord {
    int autonum = 0;
    // Fields of POLITES by name; a field absent from the map is left as it is stored.
    QVariantMap fields;
    QList<CoCandidateVotes> votes;
    SpecialNoteTexts notes;
};

class CitizenStore {
public:
    // A new citizen: the POLITES row, one POLITES_Synypops row per co-candidate and, when
    // a note text is filled, the SpecialNotes row, in one transaction. Returns AUTONUM.
    static int insert(const CitizenRecord &r);
    // A stored citizen: its row, its co-candidate rows replaced, its notes replaced when a
    // text is filled, and a vote distribution row for every town of the home prefecture it
    // has none for, in one transaction.
    static void update(const CitizenRecord &r, int homeNomos);
    // Deletes the citizen and its co-candidate rows in one transaction; its notes, contact
    // history, vote distribution and conversation file stay.
    static void remove(int autonum);

    static bool exists(int autonum);
    static QVariantMap load(int autonum);                  // empty when there is no such citizen
    static QList<CoCandidateVotes> loadVotes(int autonum); // every co-candidate, in list order
    static std::optional<SpecialNoteTexts> loadNotes(int autonum);
    // Replaces the citizen's notes row when a text is filled; blank texts keep the row.
    static bool saveNotes(int autonum, const SpecialNoteTexts &n);

    // A citizen with exactly this surname, first name and father's name.
    static bool duplicateExists(const QString &epitheto, const QString &onoma, const QString &patr);

    // The co-candidates in list order, with no votes.
    static QList<CoCandidateVotes> coCandidates();

    // The name day of a first name, "dd/mm", from the first calendar day (in calendar order)
    // that lists the name as one of its names; empty when none does or the name is blank.
    static QString nameDay(const QString &firstName);
    // The vocative forms of a first name, from KLHTIKH (exact name); when the table has no
    // row for it, the one form the rules give (the sex, when known, decides for women's
    // names). Empty for a blank name.
    static QStringList vocatives(const QString &firstName, int sex = -1);
    // A vocative text split at commas and runs of blanks; a part in double quotes stays whole.
    static QStringList splitVocatives(const QString &text);

    // The citizen before or after the given one in surname, first name, father's name and
    // number order; the same citizen at the ends, 0 when it does not exist.
    static int neighbour(int autonum, bool forward);
    // The first citizen, in key order, whose surname begins with the text (case as typed).
    static int firstWithSurnamePrefix(const QString &prefix);
};

// The stored forms of a citizen's dates: "dd/mm/yyyy" and "dd/mm" with X in every
// position left blank.
namespace dates {

// From the text of a masked field, blanks shown as spaces or '_'.
QString storedBirthday(const QString &maskText);
QString storedNameDay(const QString &maskText);
// The text for the masked field: the X marks become blanks.
QString shownDate(const QString &stored);
// Whether a stored form names a day that exists: all blank, a day and month (29/02
// allowed) or a whole date. A partly typed day, month or year is not valid.
bool birthdayValid(const QString &stored);
bool nameDayValid(const QString &stored);

} // namespace dates

// The addresses the citizen screens open: a web address only with http or https
// (http:// added when no scheme is typed), an e-mail address as a mailto: with its text
// encoded. Invalid for empty or unusable text.
QUrl webAddress(const QString &typed);
QUrl mailAddress(const QString &typed);

} // namespace dorvani
