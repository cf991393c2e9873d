// The copying of the data files, called directly: the folder of the day, a consistent
// copy while the database is open and being written, the overwrite question, the checks
// before a restore, the kept files that undo a restore, and the reset of tables.
#include "platform/AppContext.h"
#include "shell/Backup.h"
#include "DataFilesSupport.h"
#include "data/DataModule.h"
#include "shell/DataReset.h"
#include "data/Store.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace dorvani;
using namespace dorvani::test;

class TstBackup : public QObject {
    Q_OBJECT

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<Store> m_store;

    QString db() const { return m_home->path("Db"); }
    QString folder(const QString &name) const { return m_home->path(name); }

    // The files a restore might leave behind in the data folder by mistake.
    void verifyNoLeftovers()
    {
        for (const QString &f : filesIn(db()))
            QVERIFY2(!f.endsWith(".part") && !f.endsWith(".restore") && !f.contains(".restore-"), qPrintable(f));
    }

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        AppPaths::setHome(m_home->home());
        m_store = std::make_unique<Store>();
        m_store->open(db());
    }
    void cleanup()
    {
        m_store.reset();
        m_home.reset();
        Clock::setNow(QDateTime());
    }

    // The data folder and every file the program writes there, and the backups and kept
    // sets, are the owner's alone; a file from before becomes so when the folder is opened.
    void filesAreTheOwnersAlone()
    {
        const auto ownerOnly = [](const QString &path) {
            return (QFile::permissions(path) & (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                                                | QFileDevice::ReadOther | QFileDevice::WriteOther
                                                | QFileDevice::ExeOther))
                == QFileDevice::Permissions();
        };
        m_store->exec("INSERT INTO NOMOI (NOMOS) VALUES ('ΑΡΚΑΔΙΑΣ')");
        QVERIFY(ownerOnly(db()));
        QVERIFY(QFileInfo(db()).permissions().testFlag(QFileDevice::ExeOwner));
        for (const QString &f : filesIn(db()))
            QVERIFY2(ownerOnly(db() + "/" + f), qPrintable(f));
        QVERIFY(filesIn(db()).contains("DORVANI.db-wal"));

        const QString copy = folder("Copy");
        QVERIFY(DataBackup::run(db(), copy).ok());
        for (const QString &f : filesIn(copy))
            QVERIFY2(ownerOnly(copy + "/" + f), qPrintable(f));

        const DataRestore::Report r = DataRestore::run(*m_store, copy, DataFiles::keptRoot());
        QVERIFY(r.ok());
        QVERIFY(ownerOnly(r.keptFolder));
        for (const QString &f : filesIn(r.keptFolder) + filesIn(db()))
            QVERIFY2(ownerOnly(r.keptFolder + "/" + f) || ownerOnly(db() + "/" + f), qPrintable(f));
        for (const QString &f : filesIn(db()))
            QVERIFY2(ownerOnly(db() + "/" + f), qPrintable(f));

        m_store->close();
        QFile::setPermissions(db() + "/DORVANI.db", QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                        | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        m_store->open(db());
        QVERIFY(ownerOnly(db() + "/DORVANI.db"));
    }

    void folderOfTheDay_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("leaf");
        QTest::newRow("7th") << QDate(2026, 12, 7) << "Mones";
        QTest::newRow("8th") << QDate(2026, 12, 8) << "Zuges";
        QTest::newRow("1st") << QDate(2027, 1, 1) << "Mones";
        QTest::newRow("31st") << QDate(2027, 1, 31) << "Mones";
        QTest::newRow("30th") << QDate(2027, 4, 30) << "Zuges";
    }
    void folderOfTheDay()
    {
        QFETCH(QDate, day);
        QFETCH(QString, leaf);
        QCOMPARE(DataFiles::defaultBackupFolder(day), QDir(AppPaths::backup()).filePath(leaf));
    }

    void copyWhileOpenAndWritingIsConsistent()
    {
        TDataMdl dm;
        Table *t = dm.TblPOLITES;
        t->open();
        t->insert();
        t->fieldByName("EPITHETO").setValue("ΠΑΠΑΔΟΠΟΥΛΟΣ");
        t->fieldByName("ONOMA").setValue("ΓΙΩΡΓΟΣ");
        t->post(); // in the write-ahead log, not yet in the file
        QVERIFY(QFileInfo::exists(db() + "/DORVANI.db-wal"));

        // A citizen being written: its transaction is still open while the copy is made.
        Transaction tx(*m_store);
        m_store->exec("INSERT INTO POLITES (EPITHETO, ONOMA) VALUES ('ΜΙΣΟΓΡΑΜΜΕΝΟΣ', 'Χ')");
        m_store->exec("INSERT INTO POLITES_Synypops (POLITESID, SYNYPOPS, VOTES) VALUES (2, 'Α', 3)");

        QStringList started;
        int pageCalls = 0;
        CopyHooks hooks;
        hooks.fileStarted = [&](const QString &f, int, int) { started << f; };
        hooks.pages = [&](int done, int total) {
            ++pageCalls;
            QVERIFY(done <= total);
        };
        const CopyReport r = DataBackup::run(db(), folder("Copy"), hooks);
        tx.commit();
        QVERIFY2(r.ok(), qPrintable(r.errors.join('\n')));
        QCOMPARE(started, (QStringList{"DORVANI.db", "PASSWORDS.db"}));
        QVERIFY(pageCalls >= 2);
        QCOMPARE(r.written, (QStringList{folder("Copy") + "/DORVANI.db", folder("Copy") + "/PASSWORDS.db"}));
        // Each copy stands alone (no log beside it), passes the full check and holds what
        // was committed when it was made.
        QCOMPARE(filesIn(folder("Copy")), (QStringList{"DORVANI.db", "PASSWORDS.db"}));
        QCOMPARE(Store::checkFile(folder("Copy") + "/DORVANI.db", false, true), QString());
        QCOMPARE(Store::checkFile(folder("Copy") + "/PASSWORDS.db", true, true), QString());
        QCOMPARE(countRowsIn(folder("Copy") + "/DORVANI.db", "POLITES"), 1);
        QCOMPARE(countRowsIn(folder("Copy") + "/DORVANI.db", "POLITES_Synypops"), 0);
        QCOMPARE(filesIn(folder("Copy")), (QStringList{"DORVANI.db", "PASSWORDS.db"}));
        // The datasets were not disturbed.
        QVERIFY(t->active());
        QCOMPARE(t->recordCount(), 2);
    }

    void backupThenRestoreRoundTripsEveryTable()
    {
        fillEveryTable(*m_store, "Α");
        const QStringList before = digestAll(*m_store);
        QVERIFY(!DataBackup::run(db(), folder("Copy")).written.isEmpty());

        // Everything changes after the copy.
        for (const TableDef &t : Schema::tables())
            m_store->exec(QString("DELETE FROM %1").arg(quoted(t.name)), {}, Store::connectionFor(t.name));
        fillEveryTable(*m_store, "Β");
        const QStringList changed = digestAll(*m_store);
        QVERIFY(changed != before);

        Clock::setNow(QDateTime(QDate(2026, 12, 7), QTime(21, 15, 30)));
        const DataRestore::Report r = DataRestore::run(*m_store, folder("Copy"), DataFiles::keptRoot());
        QVERIFY2(r.ok(), qPrintable(r.errors.join('\n')));
        QVERIFY(m_store->isOpen());
        QCOMPARE(r.written, (QStringList{db() + "/DORVANI.db", db() + "/PASSWORDS.db"}));
        QCOMPARE(digestAll(*m_store), before);
        verifyNoLeftovers();

        // The replaced files were kept, and restoring them undoes the restore.
        QCOMPARE(r.keptFolder, QDir(AppPaths::backup()).filePath("BeforeRestore/2026-12-07_21-15-30"));
        QCOMPARE(filesIn(r.keptFolder), (QStringList{"DORVANI.db", "PASSWORDS.db"}));
        const DataRestore::Report undo = DataRestore::run(*m_store, r.keptFolder, DataFiles::keptRoot());
        QVERIFY2(undo.ok(), qPrintable(undo.errors.join('\n')));
        QCOMPARE(digestAll(*m_store), changed);
        QVERIFY(undo.keptFolder != r.keptFolder); // a second folder in the same second
        QVERIFY(undo.keptFolder.startsWith(r.keptFolder));

        // Closed, the data folder holds the two files and nothing stale beside them.
        m_store->close();
        QCOMPARE(filesIn(db()), (QStringList{"DORVANI.db", "PASSWORDS.db"}));
    }

    void restoreLeavesNoLogOfTheOldFile()
    {
        // Rows that were only in the old file's write-ahead log must not reach the new file.
        m_store->exec("INSERT INTO NOMOI (NOMOS) VALUES ('ΑΧΑΪΑΣ')");
        QVERIFY(DataBackup::run(db(), folder("Copy")).ok());
        m_store->exec("INSERT INTO NOMOI (NOMOS) VALUES ('ΗΛΕΙΑΣ')");
        const DataRestore::Report r = DataRestore::run(*m_store, folder("Copy"), DataFiles::keptRoot());
        QVERIFY(r.ok());
        QCOMPARE(countRows(*m_store, "NOMOI"), 1);
        m_store->close();
        m_store->open(db());
        QCOMPARE(countRows(*m_store, "NOMOI"), 1);
        QCOMPARE(m_store->scalar("PRAGMA journal_mode").toString(), QString("wal"));
        // The kept file still has both prefectures (its log went with it or into it).
        QCOMPARE(countRowsIn(r.keptFolder + "/DORVANI.db", "NOMOI"), 2);
    }

    void overwriteQuestionPerFile_data()
    {
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<QStringList>("replaced");
        QTest::newRow("no, no") << QList<bool>{false, false} << QStringList{};
        QTest::newRow("yes, no") << QList<bool>{true, false} << QStringList{"DORVANI.db"};
        QTest::newRow("yes, yes") << QList<bool>{true, true} << QStringList{"DORVANI.db", "PASSWORDS.db"};
    }
    void overwriteQuestionPerFile()
    {
        QFETCH(QList<bool>, answers);
        QFETCH(QStringList, replaced);
        QVERIFY(DataBackup::run(db(), folder("Copy")).ok());
        m_store->exec("INSERT INTO NOMOI (NOMOS) VALUES ('ΚΕΡΚΥΡΑΣ')");
        m_store->exec("INSERT INTO PASSWORDS (Password, IsForAll) VALUES ('Κ1', 1)", {}, Store::Pass);
        QHash<QString, QByteArray> old;
        for (const QString &f : DataFiles::names())
            old[f] = fileHash(folder("Copy") + '/' + f);

        QStringList asked;
        CopyHooks hooks;
        hooks.confirmOverwrite = [&](const QString &existing) {
            asked << QFileInfo(existing).fileName();
            return answers.value(int(asked.size()) - 1);
        };
        const CopyReport r = DataBackup::run(db(), folder("Copy"), hooks);
        QVERIFY(r.ok());
        QCOMPARE(asked, DataFiles::names());
        for (const QString &f : DataFiles::names()) {
            const bool isNew = fileHash(folder("Copy") + '/' + f) != old[f];
            QCOMPARE(isNew, replaced.contains(f));
            QCOMPARE(r.written.contains(folder("Copy") + '/' + f), replaced.contains(f));
            QCOMPARE(r.skipped.contains(folder("Copy") + '/' + f), !replaced.contains(f));
        }
        QCOMPARE(countRowsIn(folder("Copy") + "/DORVANI.db", "NOMOI"), replaced.contains("DORVANI.db") ? 1 : 0);
    }

    void restoreRefusesBeforeReplacingAnything_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("garbage main file") << "garbage";
        QTest::newRow("another program's database") << "foreign";
        QTest::newRow("damaged page") << "damaged";
        QTest::newRow("sound main file, damaged keys file") << "badkeys";
        QTest::newRow("keys file in the place of the main file") << "swapped";
    }
    void restoreRefusesBeforeReplacingAnything()
    {
        QFETCH(QString, kind);
        fillEveryTable(*m_store, "Α");
        QVERIFY(DataBackup::run(db(), folder("Src")).ok());
        m_store->exec("INSERT INTO NOMOI (NOMOS) VALUES ('ΛΕΣΒΟΥ')");
        const QStringList before = digestAll(*m_store);
        const QString main = folder("Src") + "/DORVANI.db", keys = folder("Src") + "/PASSWORDS.db";

        auto overwrite = [](const QString &path, qint64 at, const QByteArray &bytes) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.seek(at);
            f.write(bytes);
        };
        if (kind == "garbage") {
            QFile::remove(main);
            QFile f(main);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(8192, 'x'));
        } else if (kind == "foreign") {
            QFile::remove(main);
            {
                QSqlDatabase d = QSqlDatabase::addDatabase("QSQLITE", "foreign");
                d.setDatabaseName(main);
                QVERIFY(d.open());
                QSqlQuery(d).exec("CREATE TABLE invoices (id INTEGER PRIMARY KEY, amount REAL)");
                d.close();
            }
            QSqlDatabase::removeDatabase("foreign");
        } else if (kind == "damaged") {
            const qint64 size = QFileInfo(main).size();
            QVERIFY(size > 8 * 4096);
            overwrite(main, size / 2, QByteArray(4096, '\xA5'));
        } else if (kind == "badkeys") {
            overwrite(keys, 0, QByteArray("not a database at all"));
        } else if (kind == "swapped") {
            QFile::remove(main);
            QVERIFY(QFile::copy(keys, main));
        }

        QStringList asked;
        CopyHooks hooks;
        hooks.confirmOverwrite = [&](const QString &f) {
            asked << f;
            return true;
        };
        const DataRestore::Report r = DataRestore::run(*m_store, folder("Src"), DataFiles::keptRoot(), hooks);
        QVERIFY(!r.ok());
        QVERIFY(!r.noDataFiles);
        QVERIFY(r.written.isEmpty());
        QVERIFY(r.keptFolder.isEmpty());
        QVERIFY(asked.isEmpty()); // refused before any question
        QVERIFY(r.errors.join(' ').contains(QDir::toNativeSeparators(kind == "badkeys" ? keys : main)));
        QVERIFY(m_store->isOpen());
        QCOMPARE(digestAll(*m_store), before);
        QVERIFY(!QFileInfo::exists(DataFiles::keptRoot()) || filesIn(DataFiles::keptRoot()).isEmpty());
        verifyNoLeftovers();
    }

    void restoreFromFolderWithoutDataFiles()
    {
        QDir().mkpath(folder("Empty"));
        QFile other(folder("Empty") + "/notes.txt");
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("x");
        other.close();
        const QStringList before = digestAll(*m_store);
        const DataRestore::Report r = DataRestore::run(*m_store, folder("Empty"), DataFiles::keptRoot());
        QVERIFY(r.noDataFiles);
        QVERIFY(r.written.isEmpty());
        QCOMPARE(filesIn(db()).filter("notes").size(), 0);
        QCOMPARE(digestAll(*m_store), before);
    }

    void restoreOfOneFileKeepsTheOther()
    {
        m_store->exec("INSERT INTO NOMOI (NOMOS) VALUES ('ΚΟΡΙΝΘΙΑΣ')");
        QVERIFY(DataBackup::run(db(), folder("Copy")).ok());
        QFile::remove(folder("Copy") + "/PASSWORDS.db");
        m_store->exec("INSERT INTO NOMOI (NOMOS) VALUES ('ΑΡΓΟΛΙΔΑΣ')");
        m_store->exec("INSERT INTO PASSWORDS (Password, IsForAll) VALUES ('Κ1', 1)", {}, Store::Pass);
        const DataRestore::Report r = DataRestore::run(*m_store, folder("Copy"), DataFiles::keptRoot());
        QVERIFY(r.ok());
        QCOMPARE(r.written, QStringList{db() + "/DORVANI.db"});
        QCOMPARE(countRows(*m_store, "NOMOI"), 1);
        QCOMPARE(countRows(*m_store, "PASSWORDS"), 1);
        QCOMPARE(filesIn(r.keptFolder), QStringList{"DORVANI.db"});
    }

    void restoreAnsweredNoReplacesNothing()
    {
        QVERIFY(DataBackup::run(db(), folder("Copy")).ok());
        m_store->exec("INSERT INTO NOMOI (NOMOS) VALUES ('ΧΙΟΥ')");
        CopyHooks hooks;
        hooks.confirmOverwrite = [](const QString &) { return false; };
        const DataRestore::Report r = DataRestore::run(*m_store, folder("Copy"), DataFiles::keptRoot(), hooks);
        QVERIFY(r.ok());
        QVERIFY(r.written.isEmpty());
        QCOMPARE(r.skipped.size(), 2);
        QCOMPARE(countRows(*m_store, "NOMOI"), 1);
        QVERIFY(!QFileInfo::exists(DataFiles::keptRoot()));
    }

    void theDataFolderIsNeitherTargetNorSource()
    {
        const QStringList before = digestAll(*m_store);
        const CopyReport b = DataBackup::run(db(), db() + "/../Db");
        QVERIFY(!b.ok());
        QVERIFY(b.written.isEmpty());
        const DataRestore::Report r = DataRestore::run(*m_store, db(), DataFiles::keptRoot());
        QVERIFY(!r.ok());
        QVERIFY(r.written.isEmpty());
        QVERIFY(m_store->isOpen());
        QCOMPARE(digestAll(*m_store), before);
    }

    void backupOfAFolderWithoutDataFiles()
    {
        QDir().mkpath(folder("Nothing"));
        const CopyReport r = DataBackup::run(folder("Nothing"), folder("Copy"));
        QVERIFY(!r.ok());
        QVERIFY(r.errors.first().startsWith("Δεν βρέθηκαν αρχεία δεδομένων"));
        QVERIFY(!QFileInfo::exists(folder("Copy")));
    }

    void resetWithNoBoxDoesNothing()
    {
        fillEveryTable(*m_store, "Α");
        const QStringList before = digestAll(*m_store);
        QVERIFY(DataReset::run(*m_store, {}).isEmpty());
        QCOMPARE(digestAll(*m_store), before);
    }

    void resetEmptiesOnlyItsTables_data()
    {
        QTest::addColumn<QString>("check");
        QTest::addColumn<QStringList>("tables");
        const QHash<QString, QStringList> emptied = {
            {"ChkPOL", {"POLITES", "POLITES_Synypops"}}, {"ChkSYN", {"Synypops"}}, {"ChkEP", {"EPIROES"}},
            {"ChkNO", {"NOMOI"}},        {"ChkEPA", {"EPARXIES"}}, {"ChkDH", {"DHMOI"}},
            {"ChkPO", {"POLEIS"}},       {"ChkETHN", {"Ethinkothtes"}}, {"ChkEPAG", {"Epagelmata"}},
            {"ChkEOR", {"CELEBRITIES"}}, {"ChkMELH", {"MELOS"}}, {"ChkPYR", {"PYRHNAS"}},
            {"ChkTO", {"TO"}},           {"ChkNE", {"NE"}},        {"ChkN_O", {"NO"}},
            {"ChkKLH", {"KLHTIKH"}}};
        QCOMPARE(DataReset::boxes().size(), 16);
        for (const DataReset::Box &b : DataReset::boxes())
            QTest::newRow(qPrintable(b.check)) << b.check << emptied.value(b.check);
    }
    void resetEmptiesOnlyItsTables()
    {
        QFETCH(QString, check);
        QFETCH(QStringList, tables);
        QVERIFY(!tables.isEmpty());
        fillEveryTable(*m_store, "Α");
        const QStringList before = digestAll(*m_store);
        QVERIFY(DataReset::run(*m_store, {DataReset::indexOf(check)}).isEmpty());
        const QStringList after = digestAll(*m_store);
        for (int i = 0; i < Schema::tables().size(); ++i) {
            const QString name = Schema::tables()[i].name;
            if (tables.contains(name))
                QCOMPARE(countRows(*m_store, name), 0);
            else
                QCOMPARE(after[i], before[i]); // co-candidates, geography, votes, notes stay
        }
    }

    void aFailingBoxShowsItsMessageAndTheRestRun()
    {
        fillEveryTable(*m_store, "Α");
        m_store->exec("CREATE TRIGGER keep_melos BEFORE DELETE ON MELOS BEGIN SELECT RAISE(ABORT, 'kept'); END");
        // The citizens' two statements go together: the second fails, so the first is undone.
        m_store->exec("CREATE TRIGGER keep_votes BEFORE DELETE ON POLITES_Synypops BEGIN "
                      "SELECT RAISE(ABORT, 'kept'); END");
        const QStringList failed = DataReset::run(
            *m_store, {DataReset::indexOf("ChkKLH"), DataReset::indexOf("ChkMELH"), DataReset::indexOf("ChkPOL"),
                       DataReset::indexOf("ChkNO")});
        QCOMPARE(failed, (QStringList{"Παρουσιάστηκε σφάλμα στο μηδενισμό του αρχείου των πολιτών",
                                      "Παρουσιάστηκε σφάλμα στο μηδενισμό του αρχείου των Μελών"}));
        QCOMPARE(countRows(*m_store, "POLITES"), 1);
        QCOMPARE(countRows(*m_store, "POLITES_Synypops"), 1);
        QCOMPARE(countRows(*m_store, "MELOS"), 1);
        QCOMPARE(countRows(*m_store, "NOMOI"), 0);
        QCOMPARE(countRows(*m_store, "KLHTIKH"), 0);
        QVERIFY(!m_store->inTransaction());
    }
};

QTEST_MAIN(TstBackup)
#include "tst_backup.moc"
