#include "shell/Backup.h"

#include "platform/AppContext.h"
#include "data/DbError.h"
#include "data/RestoreJournal.h"
#include "data/SafeFiles.h"
#include "data/Store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sqlite3.h>

#include <cstdio>

namespace dorvani {

namespace {

QString shown(const QString &path) { return QDir::toNativeSeparators(path); }

bool replaceFile(const QString &from, const QString &to) { return safefiles::replace(from, to); }
bool moveFile(const QString &from, const QString &to) { return safefiles::move(from, to); }
void removeWithCompanions(const QString &file) { safefiles::removeWithCompanions(file); }

// The folder beside a backup's files in which its new set is made whole, and the mark
// that says the set in it is complete and may take the old set's place.
QString stagingOf(const QString &target) { return QDir(target).filePath(".dorvani-backup-new"); }
QString readyMarkOf(const QString &staging) { return QDir(staging).filePath("COMPLETE"); }

QString engineMessage(sqlite3 *db, int rc)
{
    const char *m = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    return QString::fromUtf8(m ? m : sqlite3_errstr(rc));
}

// A connection of its own, closed when it goes out of scope.
struct Handle {
    sqlite3 *db = nullptr;
    ~Handle()
    {
        if (db)
            sqlite3_close_v2(db);
    }
    int open(const QString &path, int flags)
    {
        const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
        if (db)
            sqlite3_busy_timeout(db, 5000);
        return rc;
    }
};

QString stamp() { return Clock::now().toString("yyyy-MM-dd_HH-mm-ss"); }

} // namespace

// ---------------------------------------------------------------- DataFiles

QStringList DataFiles::names() { return {Store::mainFileName, Store::passFileName}; }

bool DataFiles::isPasswordsFile(const QString &name)
{
    return QFileInfo(name).fileName().compare(Store::passFileName, Qt::CaseInsensitive) == 0;
}

QString DataFiles::defaultBackupFolder(const QDate &day)
{
    return QDir(AppPaths::backup()).filePath(day.day() % 2 == 1 ? "Mones" : "Zuges");
}

QString DataFiles::keptRoot() { return QDir(AppPaths::backup()).filePath("BeforeRestore"); }

QStringList DataFiles::companions(const QString &file) { return safefiles::companions(file); }

bool DataFiles::sameFolder(const QString &a, const QString &b)
{
    const QFileInfo fa(a), fb(b);
    const QString ca = fa.exists() ? fa.canonicalFilePath() : QDir::cleanPath(fa.absoluteFilePath());
    const QString cb = fb.exists() ? fb.canonicalFilePath() : QDir::cleanPath(fb.absoluteFilePath());
    return ca == cb;
}

// ---------------------------------------------------------------- DataCopy

QString DataCopy::copyDatabase(const QString &source, const QString &target, bool passwordsFile, bool readOnlySource,
                               const std::function<void(int, int)> &pages)
{
    const QString failed = QString("Η αντιγραφή του αρχείου «%1» στο «%2» απέτυχε: %3");
    if (!QFileInfo(source).isFile())
        return QString("Λείπει το αρχείο δεδομένων «%1».").arg(shown(source));

    const QString part = target + ".part";
    removeWithCompanions(part);
    QString problem;
    {
        Handle src, dst;
        int rc = src.open(source, readOnlySource ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE);
        if (rc != SQLITE_OK)
            return QString("Δεν ήταν δυνατό να ανοίξει το αρχείο δεδομένων «%1»: %2")
                .arg(shown(source), engineMessage(src.db, rc));
        rc = dst.open(part, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        safefiles::ownerOnly(part);
        if (rc != SQLITE_OK) {
            problem = failed.arg(shown(source), shown(target), engineMessage(dst.db, rc));
        } else if (sqlite3_backup *b = sqlite3_backup_init(dst.db, "main", src.db, "main")) {
            int busy = 0;
            do {
                rc = sqlite3_backup_step(b, 256);
                if (pages) {
                    const int total = sqlite3_backup_pagecount(b);
                    pages(total - sqlite3_backup_remaining(b), total);
                }
                if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
                    if (++busy > 100)
                        break;
                    sqlite3_sleep(50);
                }
            } while (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED);
            const int end = sqlite3_backup_finish(b);
            if (rc != SQLITE_DONE)
                problem = failed.arg(shown(source), shown(target),
                                     QString::fromUtf8(sqlite3_errstr(rc == SQLITE_OK ? end : rc)));
        } else {
            problem = failed.arg(shown(source), shown(target), engineMessage(dst.db, sqlite3_errcode(dst.db)));
        }
        // The copy stands on its own: no write-ahead log beside it.
        if (problem.isEmpty()) {
            char *err = nullptr;
            if (sqlite3_exec(dst.db, "PRAGMA journal_mode=DELETE", nullptr, nullptr, &err) != SQLITE_OK)
                problem = failed.arg(shown(source), shown(target), QString::fromUtf8(err ? err : ""));
            sqlite3_free(err);
        }
    }
    if (problem.isEmpty()) {
        const QString check = Store::checkFile(part, passwordsFile, true);
        if (!check.isEmpty())
            problem = QString("Το αρχείο «%1» δεν αντιγράφηκε, γιατί το αντίγραφό του δεν πέρασε τον έλεγχο: %2")
                          .arg(shown(source), check);
    }
    if (problem.isEmpty()) {
        // What SQLite kept beside the old target belongs to the old file.
        for (const QString &c : DataFiles::companions(target))
            QFile::remove(c);
        if (!replaceFile(part, target))
            problem = failed.arg(shown(source), shown(target), "δεν ήταν δυνατή η εγγραφή του αρχείου");
    }
    if (!problem.isEmpty())
        removeWithCompanions(part);
    return problem;
}

// ---------------------------------------------------------------- DataBackup

CopyReport DataBackup::run(const QString &dataFolder, const QString &targetFolder, const CopyHooks &hooks)
{
    CopyReport r;
    const QString target = QDir(targetFolder).absolutePath();
    if (DataFiles::sameFolder(dataFolder, target)) {
        r.errors << QString("Ο φάκελος «%1» είναι ο φάκελος των αρχείων της βάσης. "
                            "Επιλέξτε άλλο φάκελο για το αντίγραφο.")
                        .arg(shown(target));
        return r;
    }
    QStringList present;
    for (const QString &name : DataFiles::names())
        if (QFileInfo(QDir(dataFolder).filePath(name)).isFile())
            present << name;
    if (present.isEmpty()) {
        r.errors << QString("Δεν βρέθηκαν αρχεία δεδομένων στο φάκελο «%1».").arg(shown(dataFolder));
        return r;
    }
    if (!QDir().mkpath(target)) {
        r.errors << QString("Δεν ήταν δυνατό να δημιουργηθεί ο φάκελος «%1».").arg(shown(target));
        return r;
    }
    for (const QString &name : DataFiles::names())
        if (!present.contains(name))
            r.errors << QString("Λείπει το αρχείο δεδομένων «%1».").arg(shown(QDir(dataFolder).filePath(name)));
    // The set is made whole in a folder of its own beside the target's files; only then
    // do its files take the place of the old ones, so a copy that fails midway (a full
    // disk) leaves the old set as it was. A set marked complete whose swap was cut short
    // is finished first.
    settle(target);
    const QString staging = stagingOf(target);
    QDir(staging).removeRecursively();
    if (!safefiles::makeOwnerFolder(staging)) {
        r.errors << QString("Δεν ήταν δυνατό να δημιουργηθεί ο φάκελος «%1».").arg(shown(staging));
        return r;
    }
    QStringList staged;
    for (int i = 0; i < present.size(); ++i) {
        const QString &name = present[i];
        const QString dst = QDir(target).filePath(name);
        if (QFileInfo::exists(dst) && hooks.confirmOverwrite && !hooks.confirmOverwrite(dst)) {
            r.skipped << dst;
            continue;
        }
        if (hooks.fileStarted)
            hooks.fileStarted(name, i, int(present.size()));
        const QString problem = DataCopy::copyDatabase(QDir(dataFolder).filePath(name), QDir(staging).filePath(name),
                                                       DataFiles::isPasswordsFile(name), false, hooks.pages);
        if (problem.isEmpty())
            staged << name;
        else
            r.errors << problem;
        Store::crashPoint("backup-file-copied");
    }
    if (r.ok()) {
        QSaveFile mark(readyMarkOf(staging));
        if (!mark.open(QIODevice::WriteOnly) || mark.write(staged.join('\n').toUtf8()) < 0 || !mark.commit())
            r.errors << QString("Δεν ήταν δυνατό να γραφτεί το αρχείο «%1».").arg(shown(readyMarkOf(staging)));
        safefiles::syncFolder(staging);
    }
    if (r.ok()) {
        Store::crashPoint("backup-ready");
        for (const QString &name : staged) {
            const QString dst = QDir(target).filePath(name);
            if (replaceFile(QDir(staging).filePath(name), dst))
                r.written << dst;
            else
                r.errors << QString("Δεν ήταν δυνατό να γραφτεί το αρχείο «%1».").arg(shown(dst));
            Store::crashPoint("backup-file-swapped");
        }
        safefiles::syncFolder(target);
    } else {
        r.errors << QString("Κανένα αρχείο του φακέλου «%1» δεν αντικαταστάθηκε.").arg(shown(target));
    }
    QDir(staging).removeRecursively();
    return r;
}

void DataBackup::settle(const QString &targetFolder)
{
    const QString staging = stagingOf(targetFolder);
    if (!QFileInfo(staging).isDir())
        return;
    QFile mark(readyMarkOf(staging));
    if (mark.open(QIODevice::ReadOnly)) {
        const QStringList names = QString::fromUtf8(mark.readAll()).split('\n', Qt::SkipEmptyParts);
        mark.close();
        for (const QString &name : names) {
            if (!DataFiles::names().contains(name))
                continue;
            const QString waiting = QDir(staging).filePath(name);
            if (QFileInfo::exists(waiting) && !replaceFile(waiting, QDir(targetFolder).filePath(name)))
                return; // left for the next try; the marked set stays whole in its folder
        }
        safefiles::syncFolder(targetFolder);
    }
    QDir(staging).removeRecursively();
}

// ---------------------------------------------------------------- DataRestore

DataRestore::Inspection DataRestore::inspect(const QString &sourceFolder)
{
    DataBackup::settle(sourceFolder);
    Inspection in;
    for (const QString &name : DataFiles::names()) {
        const QString path = QDir(sourceFolder).filePath(name);
        if (!QFileInfo(path).isFile())
            continue;
        in.files << name;
        const QString problem = Store::checkFile(path, DataFiles::isPasswordsFile(name), true);
        if (!problem.isEmpty())
            in.problems << problem;
    }
    return in;
}

DataRestore::Report DataRestore::run(Store &store, const QString &sourceFolder, const QString &keptRoot,
                                     const CopyHooks &hooks)
{
    Report r;
    const QString data = store.dataFolder();
    const QString source = QDir(sourceFolder).absolutePath();
    if (DataFiles::sameFolder(source, data)) {
        r.errors << QString("Ο φάκελος «%1» είναι ο ίδιος ο φάκελος των αρχείων της βάσης.").arg(shown(source));
        return r;
    }
    const Inspection in = inspect(source);
    if (in.files.isEmpty()) {
        r.noDataFiles = true;
        return r;
    }
    if (!in.problems.isEmpty()) {
        r.errors = in.problems;
        return r;
    }

    QStringList accepted;
    for (const QString &name : in.files) {
        const QString dst = QDir(data).filePath(name);
        if (QFileInfo::exists(dst) && hooks.confirmOverwrite && !hooks.confirmOverwrite(dst))
            r.skipped << dst;
        else
            accepted << name;
    }
    if (accepted.isEmpty())
        return r;

    // The replaced files go to a folder of their own, from which they can be restored.
    QString kept = QDir(keptRoot).filePath(stamp());
    for (int n = 2; QFileInfo::exists(kept); ++n)
        kept = QDir(keptRoot).filePath(stamp() + QString("_%1").arg(n));

    // The note comes first: a restore cut short at any later step is finished or undone
    // by the next start (RestoreJournal).
    RestoreJournal::Note note;
    note.keptFolder = QDir(kept).absolutePath();
    note.names = accepted;
    if (!RestoreJournal::write(data, note)) {
        r.errors << QString("Δεν ήταν δυνατό να γραφτεί το αρχείο «%1».").arg(shown(RestoreJournal::path(data)));
        return r;
    }
    Store::crashPoint("restore-noted");

    // The new files are made beside the old ones first; the old ones stay in use meanwhile.
    auto staged = [&](const QString &name) { return RestoreJournal::stagedName(QDir(data).filePath(name)); };
    auto dropStaged = [&] {
        for (const QString &name : accepted)
            removeWithCompanions(staged(name));
        RestoreJournal::remove(data);
    };
    for (int i = 0; i < accepted.size(); ++i) {
        if (hooks.fileStarted)
            hooks.fileStarted(accepted[i], i, int(accepted.size()));
        const QString problem = DataCopy::copyDatabase(QDir(source).filePath(accepted[i]), staged(accepted[i]),
                                                       DataFiles::isPasswordsFile(accepted[i]), true, hooks.pages);
        if (!problem.isEmpty()) {
            dropStaged();
            r.errors << problem;
            return r;
        }
        Store::crashPoint("restore-file-copied");
    }

    auto reopen = [&] {
        try {
            store.open(data, store.keptRoot());
        } catch (const DbError &e) {
            r.errors << e.message();
        }
    };

    store.close();
    for (const QString &name : accepted) {
        for (const QString &c : DataFiles::companions(QDir(data).filePath(name))) {
            if (QFileInfo::exists(c)) {
                dropStaged();
                r.errors << QString("Το αρχείο «%1» χρησιμοποιείται ακόμη από άλλο πρόγραμμα. "
                                    "Κλείστε το και ξαναδοκιμάστε την επαναφορά.")
                                .arg(shown(QDir(data).filePath(name)));
                reopen();
                return r;
            }
        }
    }
    if (!safefiles::makeOwnerFolder(kept)) {
        dropStaged();
        r.errors << QString("Δεν ήταν δυνατό να δημιουργηθεί ο φάκελος «%1».").arg(shown(kept));
        reopen();
        return r;
    }
    note.ready = true;
    if (!RestoreJournal::write(data, note)) {
        dropStaged();
        QDir().rmdir(kept);
        r.errors << QString("Δεν ήταν δυνατό να γραφτεί το αρχείο «%1».").arg(shown(RestoreJournal::path(data)));
        reopen();
        return r;
    }
    Store::crashPoint("restore-ready");

    QStringList moved;
    auto putBack = [&] {
        for (const QString &name : moved) {
            QFile::remove(QDir(data).filePath(name));
            moveFile(QDir(kept).filePath(name), QDir(data).filePath(name));
        }
        QDir().rmdir(kept);
    };
    for (const QString &name : accepted) {
        const QString current = QDir(data).filePath(name);
        if (!QFileInfo::exists(current))
            continue;
        if (!moveFile(current, QDir(kept).filePath(name))) {
            putBack();
            dropStaged();
            r.errors << QString("Δεν ήταν δυνατό να φυλαχτεί το αρχείο «%1» στο φάκελο «%2».")
                            .arg(shown(current), shown(kept));
            reopen();
            return r;
        }
        moved << name;
        Store::crashPoint("restore-file-kept");
    }
    for (const QString &name : accepted) {
        if (!replaceFile(staged(name), QDir(data).filePath(name))) {
            putBack();
            dropStaged();
            r.errors << QString("Δεν ήταν δυνατή η εγγραφή του αρχείου «%1».").arg(shown(QDir(data).filePath(name)));
            reopen();
            return r;
        }
        Store::crashPoint("restore-file-placed");
    }
    safefiles::syncFolder(data);
    RestoreJournal::remove(data);
    try {
        store.open(data, store.keptRoot());
    } catch (const DbError &e) {
        // The restored files do not open: the old ones go back.
        putBack();
        r.errors << e.message();
        reopen();
        return r;
    }
    for (const QString &name : accepted)
        r.written << QDir(data).filePath(name);
    r.keptFolder = moved.isEmpty() ? QString() : kept;
    if (moved.isEmpty())
        QDir().rmdir(kept);
    return r;
}

// ---------------------------------------------------------------- command line

int backupFromCommandLine(const QString &home, const QString &target)
{
    auto out = [](FILE *f, const QString &text) {
        std::fputs((text + '\n').toUtf8().constData(), f);
        std::fflush(f);
    };
    if (target.trimmed().isEmpty()) {
        out(stderr, "Δώστε το φάκελο του αντιγράφου: --backup ΦΑΚΕΛΟΣ");
        return 2;
    }
    AppPaths::setHome(home);
    const QString data = AppPaths::db();
    const CopyReport r = DataBackup::run(data, QDir(target).absolutePath());
    for (const QString &f : r.written)
        out(stdout, shown(f));
    for (const QString &e : r.errors)
        out(stderr, e);
    if (!r.ok() || r.written.isEmpty()) {
        out(stderr, "Η αντιγραφή των αρχείων της βάσης δεν ολοκληρώθηκε.");
        return 1;
    }
    return 0;
}

} // namespace dorvani
