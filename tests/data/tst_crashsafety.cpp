// A first start killed at any of its steps leaves a folder that the next start opens whole:
// the child process is this test program itself, run with the step to die at.
#include "data/Schema.h"
#include "data/Store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace dorvani;

namespace {

constexpr const char *childFolder = "CRASHSAFETY_CHILD_FOLDER";

// Runs a first start on folder in a child that dies at step; returns its exit code.
int firstStartDyingAt(const QString &folder, const QString &step)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(childFolder, folder);
    env.insert("DORVANI_CRASH_AT", step);
    p.setProcessEnvironment(env);
    p.start(QCoreApplication::applicationFilePath(), {});
    if (!p.waitForFinished(60000))
        return -1;
    return p.exitCode();
}

} // namespace

class TstCrashSafety : public QObject {
    Q_OBJECT

private slots:
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
    const QByteArray folder = qgetenv(childFolder);
    if (!folder.isEmpty()) {
        Store s;
        s.open(QString::fromLocal8Bit(folder));
        return 0;
    }
    TstCrashSafety t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_crashsafety.moc"
