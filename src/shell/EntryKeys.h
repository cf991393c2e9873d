// Entry keys: the ordinary key (IsForAll 0) and the special user's key (IsForAll 1),
// rows of PASSWORDS. A login with the special user's key gives full access for the run
// (widgets/Access.h).
#pragma once

#include <QString>

#include "widgets/Access.h"

namespace dorvani {

class TDataMdl;

namespace keys {

inline constexpr const char *adminCode = "KESTRAN47";

// The administrator code, compared after trimming and turning Latin letters to capitals.
bool isAdminCode(const QString &typed);

// The ordinary key is missing or blank: a fresh install can still be entered.
bool ordinaryKeyBlank(TDataMdl &dm);

struct Check {
    bool ok = false;
    bool full = false;
    QString error; // a storage error, shown as it is
};

// The login check: clears full access, looks the typed key up exactly, compares trimmed
// texts case-sensitively and sets full access for the special user's key. An empty or
// blank key passes only while the ordinary key is missing or blank.
Check login(TDataMdl &dm, const QString &typed);

// Verifies an old key for the key-management dialog with the filter
// "Password=<old>and IsForAll=<n>"; PASSWORDS stays filtered on the row it found.
Check verifyOld(TDataMdl &dm, const QString &oldKey, bool special);

// Stores a new key in the row the verification found, or creates the row when the store
// has none yet for that user. Only that row changes.
void save(TDataMdl &dm, const QString &newKey, bool special);

} // namespace keys

} // namespace dorvani
