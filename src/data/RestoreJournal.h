// The note a restore writes in the data folder before it touches any file there, so that
// a restore cut short (the power fails, the program is killed) is finished or undone by
// the next start instead of leaving the folder without its files.
//
// The steps: the note is written ("copying"); the chosen files are copied beside the
// data files as "<name>.restore", each checked whole; the note is rewritten ("ready");
// the store is closed; each current file is moved to the kept folder and each copy takes
// its place; the note is removed. A note still "copying" means no data file was touched:
// the copies are dropped. A note "ready" means every copy is whole: the steps are finished.
#pragma once

#include <QString>
#include <QStringList>

namespace dorvani {

class RestoreJournal {
public:
    struct Note {
        bool ready = false;  // every copy is whole beside the data files
        QString keptFolder;  // where the current files go
        QStringList names;   // the data files being replaced
    };

    static QString path(const QString &dataFolder);
    // The name a copy waits under beside the data file it replaces.
    static QString stagedName(const QString &file);
    static bool exists(const QString &dataFolder);
    // Written whole or not at all (a temporary file renamed into place, synced first).
    static bool write(const QString &dataFolder, const Note &note);
    static bool read(const QString &dataFolder, Note &note);
    static void remove(const QString &dataFolder);

    // Finishes or undoes the restore the note describes and returns the Greek text that
    // tells the user which; an empty text when there is no note. Throws DbError (Damaged)
    // when neither can be done: the folder is then left as it is.
    static QString settle(const QString &dataFolder);

    // The waiting copies of a restore in the data folder (names), with or without a note.
    static QStringList strayCopies(const QString &dataFolder);
    // The sets of files that restores kept under keptRoot, newest first (folders).
    static QStringList keptSets(const QString &keptRoot);
};

} // namespace dorvani
