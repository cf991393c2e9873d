// Backup and restore of the data files. A copy is made through SQLite's online backup,
// so it is consistent even while the program has the database open and a row was just
// written; every copy is checked page by page before it takes the place of an older file.
// A restore checks the chosen files before anything is replaced, closes the store for
// the replacement and keeps the files it replaced, so that a wrong restore can be undone
// by restoring the kept folder.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>

namespace dorvani {

class Store;

class DataFiles {
public:
    // The files of the data folder, in the order they are copied.
    static QStringList names();
    static bool isPasswordsFile(const QString &name);
    // The default backup folder of a day: Backup/Mones on odd days, Backup/Zuges on even.
    static QString defaultBackupFolder(const QDate &day);
    // Where a restore keeps the files it replaced: Backup/BeforeRestore/<date_time>.
    static QString keptRoot();
    // The files SQLite keeps beside a database while it is in use.
    static QStringList companions(const QString &file);
    static bool sameFolder(const QString &a, const QString &b);
};

// What a copy asks and tells on its way; every hook may be left empty.
struct CopyHooks {
    // Asked before an existing file is replaced; false keeps it. Empty: replace.
    std::function<bool(const QString &existing)> confirmOverwrite;
    // A file's copy begins (index counts from 0).
    std::function<void(const QString &file, int index, int count)> fileStarted;
    // Pages copied of the current file.
    std::function<void(int done, int total)> pages;
};

struct CopyReport {
    QStringList written; // the files made, full paths
    QStringList skipped; // existing files kept by the user's answer
    QStringList errors;  // Greek messages
    bool ok() const { return errors.isEmpty(); }
};

class DataCopy {
public:
    // Copies one database file into target through SQLite's online backup. The copy is
    // made beside the target under a temporary name, left without a write-ahead log and
    // checked whole; only then does it replace the target. Returns an empty text, or a
    // Greek message (the target is left as it was).
    static QString copyDatabase(const QString &source, const QString &target, bool passwordsFile,
                                bool readOnlySource, const std::function<void(int, int)> &pages = {});
};

class DataBackup {
public:
    // Copies every data file of the data folder into the target folder, which is created
    // with every missing level.
    static CopyReport run(const QString &dataFolder, const QString &targetFolder, const CopyHooks &hooks = {});
    // A backup cut short while its complete new set replaced the old one is finished; a
    // new set that was never complete is dropped. Either way the folder then holds one set.
    static void settle(const QString &targetFolder);
};

class DataRestore {
public:
    // The data files a folder holds and, for each that is not a sound file of this
    // program, a Greek message.
    struct Inspection {
        QStringList files; // names, in copying order
        QStringList problems;
    };
    static Inspection inspect(const QString &sourceFolder);

    struct Report : CopyReport {
        QString keptFolder; // where the replaced files were put; empty when none was replaced
        bool noDataFiles = false;
    };
    // Replaces the data files of the store's folder with those of the source folder.
    // Nothing is replaced unless every file found passes the checks. The store is closed
    // for the replacement and open again afterwards (also when the restore fails).
    static Report run(Store &store, const QString &sourceFolder, const QString &keptRoot,
                      const CopyHooks &hooks = {});
};

// The copy without a window, for offices that back up every night:
// dorvani --home DIR --backup TARGET. Prints the files written (UTF-8) and returns 0,
// or prints a Greek message to the error output and returns non-zero.
int backupFromCommandLine(const QString &home, const QString &target);

} // namespace dorvani
