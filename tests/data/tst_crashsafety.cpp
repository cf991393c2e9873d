// A first start, a restore and a backup killed at any of their steps leave folders that
// the next start (or the next reader of a backup) opens whole, old or new, never empty:
// the child process is this test program itself, run with the step to die at.
#include "data/RestoreJournal.h"
#include "data/Schema.h"
#include "data/Store.h"
#include "shell/Backup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace dorvani;

namespace {

constexpr const char *childFolder = "CRASHSAFETY_CHILD_FOLDER";
constexpr const char *childRestoreFrom = "CRASHSAFETY_CHILD_RESTORE_FROM";
constexpr const char *childKeptRoot = "CRASHSAFETY_CHILD_KEPT_ROOT";
constexpr const char *childBackupTo = "CRASHSAFETY_CHILD_BACKUP_TO";

// Runs this program as a child that dies at step; returns its exit code.
int childDyingAt(const QString &step, const QHash<QString, QString> &vars)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (auto it = vars.begin(); it != vars.end(); ++it)
        env.insert(it.key(), it.value());
    env.insert("DORVANI_CRASH_AT", step);
    p.setProcessEnvironment(env);
    p.start(QCoreApplication::applicationFilePath(), {});
    if (!p.waitForFinished(60000))
        return -1;
    return p.exitCode();
}

int firstStartDyingAt(const QString &folder, const QString &step) { return childDyingAt(step, {{childFolder, folder}}); }

// A register whose two files carry the same mark, so that a set is known by it.
void makeMarkedSet(const QString &folder, const QString &mark)
{
    Store s;
    s.open(folder);
    for (Store::Conn c : {Store::Main, Store::Pass}) {
        s.exec("CREATE TABLE IF NOT EXISTS mark (x)", {}, c);
        s.exec("DELETE FROM mark", {}, c);
        s.exec("INSERT INTO mark VALUES (?)", {mark}, c);
    }
}

// The mark a file carries, read without writing to it.
QString markOf(const QString &file)
{
    QString mark;
    {
        QSqlDatabase d = QSqlDatabase::addDatabase("QSQLITE", "mark-reader");
        d.setDatabaseName(file);
        d.setConnectOptions("QSQLITE_OPEN_READONLY");
        if (d.open()) {
            QSqlQuery q(d);
            if (q.exec("SELECT x FROM mark") && q.next())
                mark = q.value(0).toString();
        }
        d.close();
    }
    QSqlDatabase::removeDatabase("mark-reader");
    return mark;
}

QString markOfSet(const QString &folder)
{
    const QString main = markOf(QDir(folder).filePath(Store::mainFileName));
    const QString pass = markOf(QDir(folder).filePath(Store::passFileName));
    return main == pass ? main : main + "+" + pass;
}

} // namespace

class TstCrashSafety : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!Store::crashPointsBuilt)
            QSKIP("This build has no crash switch.");
    }

    void firstStartKilledAtEveryStep_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<bool>("createdByNextStart"); // false: the killed start had finished it
        QTest::newRow("the main file begun") << "create-main-begin" << true;
        QTest::newRow("the main file's tables written") << "create-main-tables" << true;
        QTest::newRow("the keys' file begun") << "create-pass-begin" << true;
        QTest::newRow("the keys' file's tables written") << "create-pass-tables" << true;
        QTest::newRow("both made, none in place") << "create-before-rename" << true;
        QTest::newRow("the main file in place, the keys' not") << "create-between-renames" << false;
        QTest::newRow("both in place") << "create-after-rename" << false;
    }

    void firstStartKilledAtEveryStep()
    {
        QFETCH(QString, step);
        QFETCH(bool, createdByNextStart);
        QTemporaryDir tmp;
        const QString folder = tmp.filePath("Db");
        QCOMPARE(firstStartDyingAt(folder, step), 70);

        Store s;
        s.open(folder);
        QCOMPARE(s.createdNew(), createdByNextStart);
        for (const TableDef &t : Schema::tables())
            QVERIFY2(s.scalar(QString("SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND name=?"), {t.name},
                              Store::connectionFor(t.name))
                             .toInt() == 1,
                     qPrintable(t.name));
        s.close();
        QVERIFY(Store::checkFile(QDir(folder).filePath(Store::mainFileName), false, true).isEmpty());
        QVERIFY(Store::checkFile(QDir(folder).filePath(Store::passFileName), true, true).isEmpty());
        QVERIFY(!QFile::exists(Store::pendingName(QDir(folder).filePath(Store::mainFileName))));
        QVERIFY(!QFile::exists(Store::pendingName(QDir(folder).filePath(Store::passFileName))));
    }

    // A backup whose disk fills midway (a size limit on the process) replaces no file of
    // the older set, so the target never pairs old data with new keys.
    void aBackupThatFillsTheDiskKeepsTheOldSet()
    {
        const QString program = QDir(QCoreApplication::applicationDirPath()).filePath("../dorvani");
        QTemporaryDir tmp;
        const QString home = tmp.filePath("home");
        const QString target = tmp.filePath("copy");
        {
            Store s;
            s.open(QDir(home).filePath("Db"));
        }
        QProcess first;
        first.start(program, {"--home", home, "--backup", target});
        QVERIFY(first.waitForFinished(60000));
        QCOMPARE(first.exitCode(), 0);
        {
            Store s;
            s.open(QDir(home).filePath("Db"));
            s.exec("INSERT INTO PASSWORDS (Password) VALUES ('NEO')", {}, Store::Pass);
        }
        auto bytes = [&](const char *name) {
            QFile f(QDir(target).filePath(name));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        const QByteArray oldMain = bytes(Store::mainFileName), oldPass = bytes(Store::passFileName);
        QVERIFY(oldMain.size() > 4 * oldPass.size());

        QProcess limited;
        limited.start("prlimit", {QString("--fsize=%1").arg(2 * oldPass.size()), program, "--home", home,
                                  "--backup", target});
        QVERIFY(limited.waitForFinished(60000));
        QVERIFY(limited.exitStatus() != QProcess::NormalExit || limited.exitCode() != 0);
        QCOMPARE(bytes(Store::mainFileName), oldMain);
        QCOMPARE(bytes(Store::passFileName), oldPass);
    }

    // A restore killed at each of its steps: the next start finishes it (every copy was
    // whole) or undoes it (no data file was touched yet), says which, and opens one set,
    // never an empty register.
    void restoreKilledAtEveryStep_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<bool>("finished");
        QTest::newRow("the note written") << "restore-noted" << false;
        QTest::newRow("one copy made") << "restore-file-copied" << false;
        QTest::newRow("both copies made, noted ready") << "restore-ready" << true;
        QTest::newRow("one current file kept aside") << "restore-file-kept" << true;
        QTest::newRow("one copy in place") << "restore-file-placed" << true;
    }
    void restoreKilledAtEveryStep()
    {
        QFETCH(QString, step);
        QFETCH(bool, finished);
        QTemporaryDir tmp;
        const QString data = tmp.filePath("Db"), source = tmp.filePath("copy"), kept = tmp.filePath("BeforeRestore");
        makeMarkedSet(data, "OLD");
        makeMarkedSet(source, "NEW");
        QCOMPARE(childDyingAt(step, {{childFolder, data}, {childRestoreFrom, source}, {childKeptRoot, kept}}), 70);

        Store s;
        s.open(data, kept);
        QVERIFY(!s.createdNew());
        QCOMPARE(s.scalar("SELECT x FROM mark").toString(), finished ? "NEW" : "OLD");
        QCOMPARE(s.scalar("SELECT x FROM mark", {}, Store::Pass).toString(), finished ? "NEW" : "OLD");
        QVERIFY2(s.startNote().contains(finished ? "ολοκληρώθηκε" : "ακυρώθηκε"), qPrintable(s.startNote()));
        QVERIFY(!RestoreJournal::exists(data));
        QVERIFY(RestoreJournal::strayCopies(data).isEmpty());
        const QStringList sets = RestoreJournal::keptSets(kept);
        if (finished) {
            QCOMPARE(sets.size(), 1);
            QVERIFY2(s.startNote().contains(QDir::toNativeSeparators(sets.first())), qPrintable(s.startNote()));
            QCOMPARE(markOfSet(sets.first()), QString("OLD"));
        } else {
            QVERIFY(sets.isEmpty());
        }
        s.close();
        Store again;
        again.open(data, kept);
        QVERIFY(again.startNote().isEmpty());
    }

    // A backup killed at each step, over an older backup: the folder then holds the old
    // set or the new one whole (as the next restore reads it), never old data with new keys.
    void backupKilledAtEveryStep_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("setAfter");
        QTest::newRow("one file copied") << "backup-file-copied" << "OLD";
        QTest::newRow("the new set complete") << "backup-ready" << "NEW";
        QTest::newRow("one file of the new set in place") << "backup-file-swapped" << "NEW";
    }
    void backupKilledAtEveryStep()
    {
        QFETCH(QString, step);
        QFETCH(QString, setAfter);
        QTemporaryDir tmp;
        const QString data = tmp.filePath("Db"), target = tmp.filePath("copy");
        makeMarkedSet(data, "OLD");
        QVERIFY(DataBackup::run(data, target).ok());
        makeMarkedSet(data, "NEW");
        QCOMPARE(childDyingAt(step, {{childFolder, data}, {childBackupTo, target}}), 70);

        const DataRestore::Inspection in = DataRestore::inspect(target);
        QVERIFY2(in.problems.isEmpty(), qPrintable(in.problems.join('\n')));
        QCOMPARE(in.files.size(), 2);
        QCOMPARE(markOfSet(target), setAfter);
        QCOMPARE(QDir(target).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({Store::mainFileName, Store::passFileName}));
    }

    // Without its note, the copies of a restore or a kept set still stop a new empty
    // register from being made over the office's data.
    void noNewRegisterBesideTheFilesOfARestore_data()
    {
        QTest::addColumn<bool>("strayCopy");
        QTest::addColumn<bool>("keptSet");
        QTest::addColumn<QString>("named");
        QTest::newRow("a copy waiting") << true << false << "DORVANI.db.restore";
        QTest::newRow("a kept set") << false << true << "BeforeRestore";
    }
    void noNewRegisterBesideTheFilesOfARestore()
    {
        QFETCH(bool, strayCopy);
        QFETCH(bool, keptSet);
        QFETCH(QString, named);
        QTemporaryDir tmp;
        const QString data = tmp.filePath("Db"), kept = tmp.filePath("BeforeRestore");
        makeMarkedSet(tmp.filePath("made"), "OLD");
        QDir().mkpath(data);
        if (strayCopy)
            QVERIFY(QFile::copy(tmp.filePath("made/DORVANI.db"), data + "/DORVANI.db.restore"));
        if (keptSet) {
            QDir().mkpath(kept + "/2026-12-01_10-00-00");
            QVERIFY(QFile::copy(tmp.filePath("made/DORVANI.db"), kept + "/2026-12-01_10-00-00/DORVANI.db"));
        }
        Store s;
        try {
            s.open(data, kept);
            QFAIL("a new register was made");
        } catch (const DbError &e) {
            QVERIFY2(e.message().contains(named), qPrintable(e.message()));
            QVERIFY(e.message().contains("Δεν δημιουργήθηκε νέα βάση"));
        }
        QVERIFY(!QFile::exists(data + "/DORVANI.db"));
        QVERIFY(!QFile::exists(data + "/PASSWORDS.db"));
    }

    void aFinishedFirstStartIsNotRedone()
    {
        QTemporaryDir tmp;
        const QString folder = tmp.filePath("Db");
        {
            Store s;
            s.open(folder);
            QVERIFY(s.createdNew());
            s.exec("CREATE TABLE kept (x)");
        }
        Store s;
        s.open(folder);
        QVERIFY(!s.createdNew());
        QCOMPARE(s.scalar("SELECT COUNT(*) FROM sqlite_master WHERE name='kept'").toInt(), 1);
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString folder = qEnvironmentVariable(childFolder);
    if (!folder.isEmpty()) {
        Store s;
        s.open(folder, qEnvironmentVariable(childKeptRoot));
        if (qEnvironmentVariableIsSet(childRestoreFrom))
            return DataRestore::run(s, qEnvironmentVariable(childRestoreFrom), qEnvironmentVariable(childKeptRoot))
                           .ok()
                     ? 0
                     : 1;
        if (qEnvironmentVariableIsSet(childBackupTo))
            return DataBackup::run(folder, qEnvironmentVariable(childBackupTo)).ok() ? 0 : 1;
        return 0;
    }
    TstCrashSafety t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_crashsafety.moc"
