#include "shell/EntryKeys.h"

#include "data/DataModule.h"
#include "data/SafeFiles.h"
#include "data/Store.h"
#include "platform/AppContext.h"
#include "shell/Backup.h"

#include <QDir>
#include <QMessageAuthenticationCode>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

namespace dorvani {

namespace {

constexpr const char *scheme = "pbkdf2-sha256";
constexpr int rounds = 60000;
constexpr int digestBytes = 32;

QString latinUpper(const QString &s)
{
    QString out = s;
    for (QChar &c : out)
        if (c >= 'a' && c <= 'z')
            c = QChar(c.unicode() - 32);
    return out;
}

QByteArray derive(const QString &key, const QByteArray &salt, int n)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, key.toUtf8(), salt, n, digestBytes);
}

// Compares in a time that does not depend on where the texts first differ.
bool sameBytes(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

bool codeIs(const QString &typed, const char *salt, const char *expectedHex)
{
    return sameBytes(derive(typed, salt, 20000).toHex(), QByteArray(expectedHex));
}

QString storedKey(int isForAll, bool *found = nullptr)
{
    const QVariant v =
        Store::instance().scalar("SELECT Password FROM PASSWORDS WHERE IsForAll = ?", {isForAll}, Store::Pass);
    if (found)
        *found = !v.isNull();
    return v.toString();
}

} // namespace

namespace keys {

bool isAdminCode(const QString &typed)
{
    return codeIs(latinUpper(typed.trimmed()), "DORVANI.administrator",
                  "f569230e88eb9bc840a200c154d33d3a08c754878478ec5c354802ff715f7916");
}

bool isResetCode(const QString &typed)
{
    return codeIs(typed, "DORVANI.reset", "53ec6e6f3798e007bf22de9ece0f7349d18881fbdbb85c3bb88808790e2132cb");
}

QString digest(const QString &key)
{
    if (key.trimmed().isEmpty())
        return QString(""); // stored empty, never null
    QByteArray salt(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(salt.data()), salt.size() / 4);
    return QString("%1$%2$%3$%4")
        .arg(scheme)
        .arg(rounds)
        .arg(QString::fromLatin1(salt.toBase64()), QString::fromLatin1(derive(key, salt, rounds).toBase64()));
}

bool isDigest(const QString &stored) { return stored.startsWith(QString(scheme) + '$'); }

bool matches(const QString &typed, const QString &stored)
{
    if (!isDigest(stored))
        return !stored.trimmed().isEmpty() && typed == stored;
    const QStringList parts = stored.split('$');
    bool ok = false;
    const int n = parts.size() == 4 ? parts[1].toInt(&ok) : 0;
    if (!ok || n <= 0)
        return false;
    const QByteArray salt = QByteArray::fromBase64(parts[2].toLatin1());
    const QByteArray expected = QByteArray::fromBase64(parts[3].toLatin1());
    return sameBytes(derive(typed, salt, n), expected);
}

bool ordinaryKeyBlank(TDataMdl &dm)
{
    Q_UNUSED(dm);
    return storedKey(0).trimmed().isEmpty();
}

Check login(TDataMdl &dm, const QString &typed)
{
    Check r;
    Access::setFull(false);
    try {
        if (typed.trimmed().isEmpty()) {
            r.ok = ordinaryKeyBlank(dm);
        } else {
            for (int isForAll : {0, 1}) {
                if (matches(typed, storedKey(isForAll))) {
                    r.ok = true;
                    r.full = isForAll == 1;
                    break;
                }
            }
        }
        if (r.full)
            Access::setFull(true);
    } catch (const DbError &e) {
        r = Check();
        r.error = e.message();
    }
    return r;
}

Check verifyOld(TDataMdl &dm, const QString &oldKey, bool special)
{
    Q_UNUSED(dm);
    Check r;
    try {
        bool found = false;
        const QString stored = storedKey(special ? 1 : 0, &found);
        // A blank stored key (or no row yet, which the save creates) takes only a blank old key.
        r.ok = stored.trimmed().isEmpty() ? oldKey.trimmed().isEmpty() : matches(oldKey, stored);
        r.full = special;
    } catch (const DbError &e) {
        r = Check();
        r.error = e.message();
    }
    return r;
}

void save(TDataMdl &dm, const QString &newKey, bool special)
{
    Q_UNUSED(dm);
    Store &s = Store::instance();
    const int isForAll = special ? 1 : 0;
    Transaction tx(s, Store::Pass);
    const QString stored = digest(newKey);
    if (s.run("UPDATE PASSWORDS SET Password = ? WHERE IsForAll = ?", {stored, isForAll}, Store::Pass).rows == 0)
        s.run("INSERT INTO PASSWORDS (IsForAll, Password) VALUES (?, ?)", {isForAll, stored}, Store::Pass);
    tx.commit();
}

QString convertClearKeys(Store &store, const QString &backupFolder)
{
    QList<QPair<int, QString>> clear;
    try {
        QSqlQuery q = store.exec("SELECT IsForAll, Password FROM PASSWORDS", {}, Store::Pass);
        while (q.next())
            if (!isDigest(q.value(1).toString()) && !q.value(1).toString().isEmpty())
                clear << qMakePair(q.value(0).toInt(), q.value(1).toString());
    } catch (const DbError &e) {
        return e.message();
    }
    if (clear.isEmpty())
        return {};
    // A copy of the file as it was, in case the conversion must be undone.
    if (!safefiles::makeOwnerFolder(backupFolder))
        return QString("Δεν ήταν δυνατό να δημιουργηθεί ο φάκελος «%1».").arg(QDir::toNativeSeparators(backupFolder));
    const QString copied = DataCopy::copyDatabase(store.passFile(), QDir(backupFolder).filePath(Store::passFileName),
                                                  true, false);
    if (!copied.isEmpty())
        return copied;
    try {
        Transaction tx(store, Store::Pass);
        for (const auto &[isForAll, key] : clear)
            store.run("UPDATE PASSWORDS SET Password = ? WHERE IsForAll = ?", {digest(key), isForAll}, Store::Pass);
        tx.commit();
    } catch (const DbError &e) {
        return e.message();
    }
    return {};
}

QString conversionBackupFolder()
{
    return QDir(AppPaths::backup()).filePath("BeforeKeyDigests/" + Clock::now().toString("yyyy-MM-dd_HH-mm-ss"));
}

} // namespace keys

} // namespace dorvani
