// The statement and the Greek description of a search over the contact history and the
// confidential notes, from a plain record of criteria. Only full access may run it.
#pragma once

#include <QDate>
#include <QHash>
#include <QVariant>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace dorvani {

struct SpecialNotesCriteria {
    QString dateFrom, dateTo; // as shown in the masked fields, dd/MM/yyyy with blanks or '_'
    QString thema, remarks;   // of one contact
    QString rivalries, requests, information;
};

struct BuiltSpecialNotesSearch {
    QStringList lines;                // the statement
    QHash<QString, QVariant> params;  // DateFrom and DateTo as ISO dates, where they count
    QString description;
    QString error;            // the search error when a date is impossible

    bool ok() const { return error.isEmpty(); }
    QString sql() const { return lines.join('\n'); }
};

class SpecialNotesSearch {
public:
    static QString searchError() { return "Παρουσιάστηκε σφάλμα στην αναζήτηση"; }
    static QString noAccess() { return "Η πρόσβαση δεν επιτρέπεται!"; }
    // A date field counts when it holds a digit; null when it does not, invalid when it is
    // not a day that exists.
    static bool dateCounts(const QString &shown);
    static QDate dateOf(const QString &shown);
    // Without full access: the no-access message shown, no statement, the error set.
    static BuiltSpecialNotesSearch build(const SpecialNotesCriteria &c);
};

} // namespace dorvani
