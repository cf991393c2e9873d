#include "data/RestoreJournal.h"

#include "data/DbError.h"
#include "data/SafeFiles.h"
#include "data/Store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace dorvani {

namespace {

QString shown(const QString &path) { return QDir::toNativeSeparators(path); }

const char *noteFileName = "RESTORE-IN-PROGRESS.txt";

} // namespace

QString RestoreJournal::path(const QString &dataFolder) { return QDir(dataFolder).filePath(noteFileName); }

QString RestoreJournal::stagedName(const QString &file) { return file + ".restore"; }

bool RestoreJournal::exists(const QString &dataFolder) { return QFileInfo::exists(path(dataFolder)); }

bool RestoreJournal::write(const QString &dataFolder, const Note &note)
{
    QSaveFile f(path(dataFolder));
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QByteArray text = QByteArray("state=") + (note.ready ? "ready" : "copying") + '\n';
    text += "kept=" + note.keptFolder.toUtf8() + '\n';
    for (const QString &n : note.names)
        text += "file=" + n.toUtf8() + '\n';
    f.write(text);
    if (!f.commit())
        return false;
    safefiles::ownerOnly(path(dataFolder));
    safefiles::syncFolder(dataFolder);
    return true;
}

bool RestoreJournal::read(const QString &dataFolder, Note &note)
{
    QFile f(path(dataFolder));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    note = Note();
    bool stated = false;
    for (const QByteArray &raw : f.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw);
        if (line.startsWith("state=")) {
            note.ready = line.mid(6) == "ready";
            stated = true;
        } else if (line.startsWith("kept=")) {
            note.keptFolder = line.mid(5);
        } else if (line.startsWith("file=")) {
            const QString name = line.mid(5);
            // Only the names of the data files: a note never moves anything else.
            if (name == Store::mainFileName || name == Store::passFileName)
                note.names << name;
        }
    }
    return stated && !note.keptFolder.isEmpty();
}

void RestoreJournal::remove(const QString &dataFolder)
{
    QFile::remove(path(dataFolder));
    safefiles::syncFolder(dataFolder);
}

QString RestoreJournal::settle(const QString &dataFolder)
{
    if (!exists(dataFolder))
        return {};
    const QString data = QDir(dataFolder).absolutePath();
    Note note;
    if (!read(data, note))
        throw DbError(QString("Στο φάκελο «%1» βρέθηκε σημείωμα επαναφοράς αρχείων («%2») που δεν διαβάζεται. "
                              "Δεν άλλαξε κανένα αρχείο· ελέγξτε το φάκελο και τα αντίγραφα ασφαλείας.")
                          .arg(shown(data), noteFileName),
                      DbError::Damaged);
    auto current = [&](const QString &name) { return QDir(data).filePath(name); };
    auto staged = [&](const QString &name) { return stagedName(current(name)); };
    auto kept = [&](const QString &name) { return QDir(note.keptFolder).filePath(name); };
    auto dropCopies = [&] {
        for (const QString &name : note.names) {
            safefiles::removeWithCompanions(staged(name));
            safefiles::removeWithCompanions(staged(name) + ".part");
        }
    };

    if (!note.ready) {
        // The copies were still being made: no data file was touched.
        dropCopies();
        QDir().rmdir(note.keptFolder);
        remove(data);
        return "Μια επαναφορά αρχείων είχε διακοπεί πριν αλλάξει οποιοδήποτε αρχείο της βάσης. "
               "Η επαναφορά ακυρώθηκε· τα αρχεία της βάσης έμειναν όπως ήταν.";
    }

    // Every copy was whole: the steps that remain are done now.
    const auto cannot = [&](const QString &file) {
        return DbError(QString("Μια επαναφορά αρχείων είχε διακοπεί και δεν ήταν δυνατό να ολοκληρωθεί "
                               "(αρχείο «%1»). Τα αρχεία που αντικαθίσταντο βρίσκονται στο φάκελο «%2».")
                           .arg(shown(file), shown(note.keptFolder)),
                       DbError::Damaged);
    };
    if (!safefiles::makeOwnerFolder(note.keptFolder))
        throw cannot(note.keptFolder);
    for (const QString &name : note.names) {
        if (!QFileInfo::exists(staged(name)))
            continue; // already in place
        if (QFileInfo::exists(current(name))) {
            if (!safefiles::move(current(name), kept(name)))
                throw cannot(current(name));
            for (const QString &c : safefiles::companions(current(name)))
                QFile::remove(c);
        }
        if (!safefiles::replace(staged(name), current(name)))
            throw cannot(current(name));
    }
    safefiles::syncFolder(data);
    for (const QString &name : note.names) {
        const QString problem = Store::checkFile(current(name), name == Store::passFileName, false);
        if (!problem.isEmpty())
            throw cannot(current(name));
    }
    remove(data);
    return QString("Μια επαναφορά αρχείων είχε διακοπεί πριν τελειώσει· ολοκληρώθηκε τώρα. "
                   "Τα αρχεία που αντικαταστάθηκαν φυλάχτηκαν στο φάκελο «%1»· αν η επαναφορά έγινε κατά λάθος, "
                   "κάντε επαναφορά από εκείνο το φάκελο.")
        .arg(shown(note.keptFolder));
}

QStringList RestoreJournal::strayCopies(const QString &dataFolder)
{
    QStringList out;
    for (const char *name : {Store::mainFileName, Store::passFileName})
        if (QFileInfo::exists(stagedName(QDir(dataFolder).filePath(name))))
            out << stagedName(name);
    return out;
}

QStringList RestoreJournal::keptSets(const QString &keptRoot)
{
    QStringList out;
    if (keptRoot.isEmpty())
        return out;
    const QDir root(keptRoot);
    for (const QString &sub : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed)) {
        const QDir d(root.filePath(sub));
        if (QFileInfo::exists(d.filePath(Store::mainFileName)) || QFileInfo::exists(d.filePath(Store::passFileName)))
            out << d.absolutePath();
    }
    return out;
}

} // namespace dorvani
