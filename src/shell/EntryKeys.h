// Entry keys: the ordinary key (IsForAll 0) and the special user's key (IsForAll 1),
// rows of PASSWORDS. A login with the special user's key gives full access for the run
// (widgets/Access.h).
//
// A key is stored as a salted, slow digest (PBKDF2 over SHA-256), never as typed, so a
// copied keys' file does not give the keys away. A blank key is stored empty: it hides
// nothing. The administrator code is known to the program by its digest only.
#pragma once

#include <QString>

#include "widgets/Access.h"

namespace dorvani {

class Store;
class TDataMdl;

namespace keys {

// The administrator code, compared after trimming and turning Latin letters to capitals.
bool isAdminCode(const QString &typed);
// The security code of the reset screen, compared exactly as typed.
bool isResetCode(const QString &typed);

// The stored form of a key: "pbkdf2-sha256$<rounds>$<salt>$<digest>" (salt and digest in
// base 64), or an empty text for a blank key.
QString digest(const QString &key);
bool isDigest(const QString &stored);
// Whether a typed key is the one stored (exactly as typed, as it was saved). A stored
// value that is not a digest (a file from before) is compared as it is.
bool matches(const QString &typed, const QString &stored);

// The ordinary key is missing or blank: a fresh install can still be entered.
bool ordinaryKeyBlank(TDataMdl &dm);

struct Check {
    bool ok = false;
    bool full = false;
    QString error; // a storage error, shown as it is
};

// The login check: clears full access and compares the typed key with the ordinary key,
// then the special user's key; the special user's key sets full access. An empty or
// blank key passes only while the ordinary key is missing or blank.
Check login(TDataMdl &dm, const QString &typed);

// Verifies an old key for the key-management dialog against the chosen user's row.
Check verifyOld(TDataMdl &dm, const QString &oldKey, bool special);

// Stores the digest of a new key in the chosen user's row, or creates the row when the
// store has none yet for that user. Only that row changes.
void save(TDataMdl &dm, const QString &newKey, bool special);

// Keys kept as typed (a register from before) are replaced by their digests, after a
// copy of the keys' file is made in backupFolder. Returns an empty text, or a Greek
// message (nothing was changed then).
QString convertClearKeys(Store &store, const QString &backupFolder);
// Backup/BeforeKeyDigests/<date_time>, where that copy goes.
QString conversionBackupFolder();

} // namespace keys

} // namespace dorvani
