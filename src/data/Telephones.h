// Telephone numbers as they are stored and searched: digits only, without the blanks,
// dashes, dots, slashes and brackets people type between them, and without the
// country code of Greece (+30 or 0030), so that a number is found however it was typed.
#pragma once

#include <QString>
#include <QStringList>

namespace dorvani::phones {

// The stored form of a typed number. A search's wildcard "*" is kept where it stands;
// a foreign number keeps its "+" and country code; text that is not a number (a note
// typed into the field) is left as it is, trimmed.
QString normalised(const QString &typed);

// The citizen fields that hold telephone numbers: TELO_1..5, TELE_1..5, MOBILE1, MOBILE2, FAX.
const QStringList &citizenFields();

// An SQL expression that turns a stored value of the field into its stored form, for
// converting a register written before numbers were normalised.
QString normalisingSql(const QString &field);

} // namespace dorvani::phones
