// The rules of the reference lists as plain code: how a typed name is stored, the checks
// that keep an entry which citizens or bodies still use, the three parallel party tables,
// the co-candidate names copied into the citizens' vote rows, and the town names of the
// vote distribution. The editors call these; so can anything else.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace dorvani {

class Table;
class TDataMdl;

namespace refdata {

// The name as it is stored: without surrounding blanks, in capitals. When it cannot be
// stored (empty, or longer than the field) the result is empty and error says why in Greek.
QString storedName(const QString &typed, int width, QString *error);

// Makes the first row whose fields equal the values the current row and returns false;
// when there is none, inserts a row with those values (and alsoSet), posts it and returns
// true. A failed post throws DbError after the pending row was cancelled.
bool insertRow(Table *t, const QStringList &fields, const QVariantList &values,
               const QHash<QString, QVariant> &alsoSet = {});
// Sets a field of the current row and posts it; a failed post throws after the edit was cancelled.
void renameRow(Table *t, const QString &field, const QString &name);

// Whether a statement that ends with "=" returns any row once the number is appended.
bool anyRow(const QString &sqlEndingWithEquals, const QVariant &number);

// Use checks, by the entry's number.
bool morfoshInUse(const QVariant &number);
bool aksiologhshInUse(const QVariant &number);
bool partyInUse(const QVariant &number);         // by prefectural authorities
bool partyPositionInUse(const QVariant &number); // by a member of any body
bool memberRoleInUse(const QVariant &number);    // by a member of a prefectural authority
bool townInUse(const QVariant &number);          // by citizens
bool centreInUse(const QVariant &number);        // as citizens' place of voting
bool partyCellInUse(const QVariant &number);     // by citizens

// Parties live in KOMMATA, KOMMATASTRUCT and SYMMAXIES under one number each. All three
// change together or not at all; these work on the current row of TblKommata.
bool insertParty(TDataMdl &dm, const QString &name); // false when the party exists
void renameParty(TDataMdl &dm, const QString &name);
void deleteParty(TDataMdl &dm);

// A co-candidate's name is copied into the vote rows of every citizen (POLITES_Synypops).
// Renaming changes the list row and the vote rows together; a name that exists already
// fails the whole rename. Deleting removes the vote rows with the list row. These work on
// the current row of TblSynypops.
void renameCoCandidate(TDataMdl &dm, const QString &name);
void deleteCoCandidate(TDataMdl &dm);

// Renames the current town of TblPOLEIS. The vote distribution keeps towns by name (the
// first 35 characters), so its rows follow the new name when they can only be this town's:
// no other town of the same prefecture has the old name and the town is in the home
// prefecture (when one is given).
void renameTown(TDataMdl &dm, const QString &name, const QVariant &homePrefecture = {});

// The number of the prefecture saved as the home prefecture (Settings/Nomos), or null.
QVariant homePrefecture();

// The filter of the electoral centres for the chosen prefecture, province and municipality:
// every centre of the province while no municipality is chosen, and none while no
// prefecture or province is.
QString centreFilter(const QVariant &nomos, const QVariant &eparxia, const QVariant &dhmos);

} // namespace refdata
} // namespace dorvani
