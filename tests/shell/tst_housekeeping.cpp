// The housekeeping commands in the running program: the menu backup and the backup on
// exit with the folder of the day, restore with its refusals and the kept files, the
// reset screen behind its code, and the copy from the command line.
#include "platform/AppContext.h"
#include "shell/Backup.h"
#include "data/RestoreJournal.h"
#include "DataFilesSupport.h"
#include "shell/Housekeeping.h"
#include "widgets/Access.h"
#include "ProgramFixture.h"
#include "widgets/Screens.h"
#include "shell/UntDelTables.h"

#include <QAction>
#include <QCheckBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QTest>

using namespace dorvani;
using test::Program;

namespace {

QString binary() { return QDir(QCoreApplication::applicationDirPath()).filePath("../dorvani"); }

void addCitizen(TDataMdl &dm, const QString &surname)
{
    Table *t = dm.TblPOLITES;
    if (!t->active())
        t->open();
    t->insert();
    t->fieldByName("EPITHETO").setValue(surname);
    t->fieldByName("ONOMA").setValue("ΝΙΚΟΣ");
    t->post();
}

bool sharedOpen(TDataMdl &dm)
{
    for (const QString &name : Housekeeping::sharedDatasets())
        if (!dm.dataset(name) || !dm.dataset(name)->active())
            return false;
    return true;
}

} // namespace

class TstHousekeeping : public QObject {
    Q_OBJECT

private slots:
    void init() { Clock::setNow(QDateTime(QDate(2026, 12, 7), QTime(10, 0))); }
    void cleanup() { Clock::setNow(QDateTime()); }

    void commandsAreEnabled()
    {
        Program p;
        QVERIFY(p.start());
        Access::setFull(true); // the special user's login
        for (const char *c : {"ΑΝΤΙΓΡΑΦΗ ΑΡΧΕΙΩΝ (BACKUP)", "ΕΠΑΝΑΦΟΡΑ ΑΡΧΕΙΩΝ (RESTORE)", "ΜΗΔΕΝΙΣΜΟΣ ΑΡΧΕΙΩΝ",
                              "ΡΥΘΜΙΣΕΙΣ", "ΟΡΙΣΜΟΣ ΧΡΗΣΤΗ", "ΓΕΝΙΚΑ"})
            QVERIFY2(p.main()->action(QString::fromUtf8(c))->isEnabled(), c);
        QVERIFY(Screens::has("BackupOnExit"));
    }

    void folderOfTheDayIsCreatedEvenWhenCancelled_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("leaf");
        QTest::newRow("7th") << 7 << "Mones";
        QTest::newRow("8th") << 8 << "Zuges";
    }
    void folderOfTheDayIsCreatedEvenWhenCancelled()
    {
        QFETCH(int, day);
        QFETCH(QString, leaf);
        Clock::setNow(QDateTime(QDate(2026, 12, day), QTime(10, 0)));
        for (const char *command : {"Backup", "Restore"}) {
            Program p;
            QVERIFY(p.start());
            Access::setFull(true); // the special user's login
            p.ui.clearLog();
            if (QString(command) == "Restore")
                p.ui.answers << true;
            p.ui.folders << QString(); // cancelled
            p.dm().closeAll();
            Screens::run(command);
            const QString expected = p.home->path("Backup/" + leaf);
            QVERIFY(QFileInfo(expected).isDir());
            QCOMPARE(p.ui.log.last().kind, QString("folder"));
            QCOMPARE(p.ui.log.last().text, expected);
            QVERIFY(test::filesIn(expected).isEmpty());
            QVERIFY(p.ui.messages().isEmpty());
            QVERIFY(sharedOpen(p.dm())); // the menu command leaves the shared datasets open
        }
    }

    // The start after a restore that was cut short tells the user what became of it; a
    // data folder emptied by one is refused rather than started anew.
    void aRestoreCutShortIsToldAtTheNextStart_data()
    {
        QTest::addColumn<bool>("ready");
        QTest::addColumn<int>("citizens");
        QTest::addColumn<QString>("told");
        QTest::newRow("copies unfinished: undone") << false << 1 << "ακυρώθηκε";
        QTest::newRow("copies whole: finished") << true << 0 << "ολοκληρώθηκε τώρα";
    }
    void aRestoreCutShortIsToldAtTheNextStart()
    {
        QFETCH(bool, ready);
        QFETCH(int, citizens);
        QFETCH(QString, told);
        test::TestHome home;
        const QString db = home.path("Db"), copy = home.path("Copy");
        {
            Program p(&home);
            QVERIFY(p.start());
            Access::setFull(true); // the special user's login
            QVERIFY(DataBackup::run(db, copy).ok()); // the empty register
            addCitizen(p.dm(), "ΠΑΠΑΣ");
        }
        // What a restore killed after its note leaves: the note and the copies beside the files.
        RestoreJournal::Note note;
        note.ready = ready;
        note.keptFolder = home.path("Backup/BeforeRestore/2026-12-07_09-00-00");
        note.names = DataFiles::names();
        QVERIFY(RestoreJournal::write(db, note));
        for (const QString &name : DataFiles::names())
            QVERIFY(QFile::copy(copy + "/" + name, db + "/" + name + ".restore"));

        Program p(&home);
        QVERIFY(p.start());
        Access::setFull(true); // the special user's login
        QCOMPARE(p.ui.messages().size(), 1);
        QVERIFY2(p.ui.messages().first().contains(told), qPrintable(p.ui.messages().first()));
        QCOMPARE(p.ui.log.first().caption, QString("ΕΠΑΝΑΦΟΡΑ ΑΡΧΕΙΩΝ (RESTORE)"));
        QCOMPARE(Store::instance().scalar("SELECT COUNT(*) FROM POLITES").toInt(), citizens);
        QCOMPARE(test::filesIn(db).filter(".restore").size(), 0);
        QVERIFY(!RestoreJournal::exists(db));
    }

    void anEmptiedDataFolderIsNotStartedAnew()
    {
        test::TestHome home;
        {
            Program p(&home);
            QVERIFY(p.start());
            Access::setFull(true); // the special user's login
        }
        const QString kept = home.path("Backup/BeforeRestore/2026-12-07_09-00-00");
        QDir().mkpath(kept);
        for (const QString &name : DataFiles::names())
            QVERIFY(QFile::rename(home.path("Db/" + name), kept + "/" + name));
        Program p(&home);
        QVERIFY(!p.start());
        QCOMPARE(p.ui.messages().size(), 1);
        QVERIFY(p.ui.messages().first().contains("Δεν δημιουργήθηκε νέα βάση"));
        QVERIFY(p.ui.messages().first().contains(QDir::toNativeSeparators(kept)));
        QVERIFY(test::filesIn(home.path("Db")).isEmpty());
    }

    // At start every page of the data files is read: a file with a damaged page gets the
    // refusal of a damaged file; a folder or file the program may not write to gets its
    // own message, which says that nothing is damaged. Nothing is written either way.
    void startRefusesDamagedOrReadOnlyFiles_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("notTold");
        QTest::newRow("a damaged page") << "page" << "είναι κατεστραμμένο" << "μόνο για ανάγνωση";
        QTest::newRow("read-only folder") << "folder" << "Ο φάκελος δεδομένων" << "είναι κατεστραμμένο";
        QTest::newRow("read-only keys' file") << "file" << "PASSWORDS.db» είναι μόνο για ανάγνωση"
                                              << "είναι κατεστραμμένο";
    }
    void startRefusesDamagedOrReadOnlyFiles()
    {
        QFETCH(QString, fault);
        QFETCH(QString, told);
        QFETCH(QString, notTold);
        test::TestHome home;
        const QString db = home.path("Db");
        {
            Program p(&home);
            QVERIFY(p.start());
            // Pages beyond those the table probes read: a table of the test's own, filled last.
            Store::instance().exec("CREATE TABLE filler (x)");
            for (int i = 0; i < 50; ++i)
                Store::instance().exec("INSERT INTO filler VALUES (?)", {QByteArray(2000, char('a' + i % 26))});
        }
        // Undone whatever happens below: a file or folder made unchangeable, even for root.
        struct Unfreeze {
            QString path;
            ~Unfreeze()
            {
                if (!path.isEmpty())
                    QProcess::execute("chattr", {"-i", path});
            }
        } unfreeze;
        if (fault == "page") {
            QFile f(db + "/DORVANI.db");
            QVERIFY(f.open(QIODevice::ReadWrite));
            const qint64 pageSize = 4096;
            QVERIFY(f.size() > 10 * pageSize);
            f.seek(f.size() - 2 * pageSize); // a page of the filler, in the middle of its tree
            f.write(QByteArray(64, '\xff'));
        } else {
            unfreeze.path = fault == "folder" ? db : db + "/PASSWORDS.db";
            if (QProcess::execute("chattr", {"+i", unfreeze.path}) != 0) {
                unfreeze.path.clear();
                QSKIP("chattr cannot make the file unchangeable here.");
            }
        }
        // The files of the register (SQLite's own files of the check aside).
        const auto dataFiles = [&] {
            QStringList files = test::filesIn(db);
            files.removeIf([](const QString &f) { return f.endsWith("-wal") || f.endsWith("-shm"); });
            return files;
        };
        const QStringList before = dataFiles();
        const QByteArray mainBefore = test::fileHash(db + "/DORVANI.db");
        Program p(&home);
        if (fault == "page") {
            // The pages are read beside the start: the refusal follows, and ends the run; a
            // write meanwhile is refused too.
            if (p.start()) {
                QVERIFY_THROWS_EXCEPTION(DbError, Store::instance().exec("INSERT INTO NOMOI (NOMOS) VALUES ('Χ')"));
                QTRY_VERIFY(!p.ui.messages().isEmpty());
                QTRY_VERIFY(!p.main()->isVisible());
            }
        } else {
            QVERIFY(!p.start());
        }
        QCOMPARE(p.ui.messages().filter("Το πρόγραμμα θα τερματιστεί.").size(), 1);
        const QString m = p.ui.messages().filter("Το πρόγραμμα θα τερματιστεί.").first();
        QVERIFY2(m.contains(told), qPrintable(m));
        QVERIFY2(!m.contains(notTold), qPrintable(m));
        QVERIFY(m.endsWith("Το πρόγραμμα θα τερματιστεί."));
        if (fault != "page")
            QVERIFY(m.contains("δεν είναι κατεστραμμένα"));
        QCOMPARE(dataFiles(), before);
        QCOMPARE(test::fileHash(db + "/DORVANI.db"), mainBefore);
    }

    // Backup from the menu, restore and reset need the special user's login; the backup
    // offered on exit does not.
    void housekeepingNeedsFullAccess()
    {
        Program p;
        QVERIFY(p.start());
        QVERIFY(!Access::full());
        for (const char *command : {"Backup", "Restore", "TDelTablesDlg"}) {
            p.ui.clearLog();
            if (QString(command) == "TDelTablesDlg")
                p.main()->resetFiles();
            else
                Screens::run(command);
            QCOMPARE(p.ui.messages(), QStringList{"Η πρόσβαση δεν επιτρέπεται!"});
            QCOMPARE(p.ui.log.size(), 1); // no folder, question, code or dialog
        }
        p.ui.clearLog();
        p.ui.folders << QString(); // cancelled
        Screens::run("BackupOnExit");
        QCOMPARE(p.ui.log.size(), 1);
        QCOMPARE(p.ui.log.first().kind, QString("folder"));
    }

    void menuBackupToANewFolderThenOverwriteQuestions()
    {
        Program p;
        QVERIFY(p.start());
        Access::setFull(true); // the special user's login
        addCitizen(p.dm(), "ΠΑΠΑΣ");
        const QString target = p.home->path("Usb/Nightly");
        p.ui.folders << target;
        p.ui.answers << true; // create the missing folder
        p.ui.clearLog();
        p.main()->action("ΑΝΤΙΓΡΑΦΗ ΑΡΧΕΙΩΝ (BACKUP)")->trigger();
        QCOMPARE(p.ui.questions().size(), 1);
        QVERIFY(p.ui.questions().first().contains("δεν υπάρχει"));
        QVERIFY(p.ui.messages().isEmpty());
        QCOMPARE(test::filesIn(target), (QStringList{"DORVANI.db", "PASSWORDS.db"}));
        QCOMPARE(test::countRowsIn(target + "/DORVANI.db", "POLITES"), 1);
        QVERIFY(!p.main()->findChild<TCopyProgressDlg *>()->isVisible());
        QCOMPARE(p.main()->findChild<TCopyProgressDlg *>()->windowTitle(),
                 QString("Παρακαλώ περιμένετε να ολοκληρωθεί η αντιγραφή των αρχείων"));

        // Again into the same folder: a question before each file; No keeps the old one.
        addCitizen(p.dm(), "ΠΕΤΡΟΥ");
        const QByteArray oldMain = test::fileHash(target + "/DORVANI.db");
        p.ui.clearLog();
        p.ui.folders << target;
        p.ui.answers << false << true;
        Screens::run("Backup");
        const QStringList q = p.ui.questions();
        QCOMPARE(q.size(), 2);
        QVERIFY(q[0].contains("«DORVANI.db»"));
        QVERIFY(q[1].contains("«PASSWORDS.db»"));
        QCOMPARE(p.ui.log[1].caption, QString("ΕΠΙΒΕΒΑΙΩΣΗ"));
        QCOMPARE(test::fileHash(target + "/DORVANI.db"), oldMain);
        QCOMPARE(test::countRowsIn(target + "/DORVANI.db", "POLITES"), 1);
        QVERIFY(p.ui.unexpected.isEmpty());
    }

    void backupOnExitThenStaying()
    {
        Program p;
        QVERIFY(p.start());
        Access::setFull(true); // the special user's login
        addCitizen(p.dm(), "ΓΕΩΡΓΙΟΥ");
        const QString target = p.home->path("Exit");
        QDir().mkpath(target);
        p.ui.clearLog();
        p.ui.answers << true << false; // copy, then stay
        p.ui.folders << target;
        p.main()->close();
        QVERIFY(p.main()->isVisible());
        QCOMPARE(test::filesIn(target), (QStringList{"DORVANI.db", "PASSWORDS.db"}));
        QCOMPARE(test::countRowsIn(target + "/DORVANI.db", "POLITES"), 1);
        QCOMPARE(p.ui.log[1].text, p.home->path("Backup/Mones"));
        // Staying in the program: the datasets work.
        addCitizen(p.dm(), "ΔΗΜΟΥ");
        QCOMPARE(p.dm().TblPOLITES->recordCount(), 2);
        p.dm().TblNomoi->open();
        p.dm().TblNomoi->insert();
        p.dm().TblNomoi->fieldByName("NOMOS").setValue("ΑΤΤΙΚΗΣ");
        p.dm().TblNomoi->post();
        QCOMPARE(p.dm().TblNomoi->recordCount(), 1);
    }

    void restoreIsRefusedWhileAWorkingWindowIsOpen()
    {
        Program p;
        QVERIFY(p.start());
        Access::setFull(true); // the special user's login
        p.main()->openChild("SomeWorkFrm", [] {
            auto *w = new QWidget;
            w->setObjectName("SomeWorkFrm");
            return w;
        });
        p.ui.clearLog();
        Screens::run("Restore");
        QVERIFY(p.ui.questions().isEmpty());
        QCOMPARE(p.ui.messages().size(), 1);
        QVERIFY(p.ui.messages().first().startsWith("Κλείστε πρώτα τα ανοικτά παράθυρα"));
        // Answered No: nothing is closed, nothing is asked further.
        p.main()->mdiArea()->closeAllSubWindows();
        QTest::qWait(0);
        p.dm().TblPOLITES->open();
        p.ui.clearLog();
        p.ui.answers << false;
        Screens::run("Restore");
        QCOMPARE(p.ui.questions(), QStringList{"Να γίνει η επαναφορά των αρχείων της βάσης;"});
        QCOMPARE(p.ui.log[0].caption, QString("ΕΠΙΒΕΒΑΙΩΣΗ"));
        QVERIFY(p.dm().TblPOLITES->active());
        QCOMPARE(p.ui.log.size(), 1);
    }

    void restoreFromAFolderWithoutDataFilesSaysSo()
    {
        Program p;
        QVERIFY(p.start());
        Access::setFull(true); // the special user's login
        addCitizen(p.dm(), "ΚΩΣΤΑΣ");
        const QString empty = p.home->path("Empty");
        QDir().mkpath(empty);
        p.ui.clearLog();
        p.ui.answers << true;
        p.ui.folders << empty;
        Screens::run("Restore");
        QCOMPARE(p.ui.messages().size(), 1);
        QVERIFY(p.ui.messages().first().contains("δεν περιέχει αρχεία δεδομένων"));
        QVERIFY(p.ui.messages().first().contains("Δεν αντιγράφηκε κανένα αρχείο."));
        QCOMPARE(p.dm().TblPOLITES->recordCount(), 1);
    }

    void restoreOfADamagedFileIsRefused()
    {
        Program p;
        QVERIFY(p.start());
        Access::setFull(true); // the special user's login
        addCitizen(p.dm(), "ΚΑΚΟΣ");
        const QString bad = p.home->path("Bad");
        QDir().mkpath(bad);
        QFile f(bad + "/DORVANI.db");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("SQLite format 3\0", 16) + QByteArray(5000, '\x01'));
        f.close();
        p.ui.clearLog();
        p.ui.answers << true;
        p.ui.folders << bad;
        Screens::run("Restore");
        QCOMPARE(p.ui.questions().size(), 1); // no overwrite question: refused before
        QCOMPARE(p.ui.messages().size(), 1);
        QVERIFY(p.ui.messages().first().contains(QDir::toNativeSeparators(bad + "/DORVANI.db")));
        QVERIFY(p.ui.messages().first().endsWith("τα αρχεία της βάσης δεν άλλαξαν."));
        QCOMPARE(p.dm().TblPOLITES->recordCount(), 1);
        QVERIFY(!QFileInfo::exists(DataFiles::keptRoot()));
    }

    void restoreReplacesKeepsAndCanBeUndone()
    {
        Program p;
        QVERIFY(p.start());
        Access::setFull(true); // the special user's login
        addCitizen(p.dm(), "ΠΡΩΤΟΣ");
        const QString copy = p.home->path("Copy");
        QVERIFY(DataBackup::run(AppPaths::db(), copy).ok());
        addCitizen(p.dm(), "ΔΕΥΤΕΡΟΣ");
        p.dm().TblNomoi->open();
        p.dm().SearchQry->setSql("SELECT EPITHETO FROM POLITES ORDER BY EPITHETO");
        p.dm().SearchQry->open();
        QCOMPARE(p.dm().SearchQry->recordCount(), 2);

        Clock::setNow(QDateTime(QDate(2026, 12, 7), QTime(11, 30, 0)));
        p.ui.clearLog();
        p.ui.answers << true << true << true; // restore? replace DORVANI.db? replace PASSWORDS.db?
        p.ui.folders << copy;
        p.main()->action("ΕΠΑΝΑΦΟΡΑ ΑΡΧΕΙΩΝ (RESTORE)")->trigger();
        QVERIFY(p.ui.unexpected.isEmpty());
        QCOMPARE(p.ui.questions().size(), 3);
        QVERIFY(p.ui.questions()[1].contains("«DORVANI.db»"));
        const QString kept = p.home->path("Backup/BeforeRestore/2026-12-07_11-30-00");
        QCOMPARE(p.ui.messages().size(), 1);
        QVERIFY(p.ui.messages().first().startsWith("Η επαναφορά των αρχείων ολοκληρώθηκε."));
        QVERIFY(p.ui.messages().first().contains(QDir::toNativeSeparators(kept)));

        // The shared datasets and whatever else was open show the restored data.
        QVERIFY(sharedOpen(p.dm()));
        QCOMPARE(p.dm().TblPOLITES->recordCount(), 1);
        QCOMPARE(p.dm().TblPOLITES->text("EPITHETO"), QString("ΠΡΩΤΟΣ"));
        QVERIFY(p.dm().SearchQry->active());
        QCOMPARE(p.dm().SearchQry->recordCount(), 1);
        addCitizen(p.dm(), "ΤΡΙΤΟΣ");
        QCOMPARE(p.dm().TblPOLITES->recordCount(), 2);
        for (const QString &f : test::filesIn(AppPaths::db()))
            QVERIFY2(!f.endsWith(".restore") && !f.endsWith(".part"), qPrintable(f));

        // A wrong restore is undone by restoring the kept folder.
        QCOMPARE(test::countRowsIn(kept + "/DORVANI.db", "POLITES"), 2);
        Clock::setNow(QDateTime(QDate(2026, 12, 7), QTime(11, 31, 0)));
        p.ui.clearLog();
        p.ui.answers << true << true << true;
        p.ui.folders << kept;
        Screens::run("Restore");
        QCOMPARE(p.dm().TblPOLITES->recordCount(), 2);
        p.dm().TblPOLITES->last();
        QCOMPARE(p.dm().TblPOLITES->text("EPITHETO"), QString("ΠΡΩΤΟΣ"));
        p.dm().TblPOLITES->first();
        QCOMPARE(p.dm().TblPOLITES->text("EPITHETO"), QString("ΔΕΥΤΕΡΟΣ"));
    }

    void resetScreenBehindItsCode()
    {
        Program p;
        QVERIFY(p.start());
        Access::setFull(true); // the special user's login
        addCitizen(p.dm(), "ΣΒΗΣΤΟΣ");
        Store::instance().exec("INSERT INTO Synypops (Synypops, Votes) VALUES ('ΣΥΝΥΠΟΨΗΦΙΟΣ Α', 0)");
        Store::instance().exec("INSERT INTO NOMOI (NOMOS) VALUES ('ΑΡΚΑΔΙΑΣ')");
        Store::instance().exec("INSERT INTO POLITES_Synypops (POLITESID, SYNYPOPS, VOTES) VALUES (1, 'ΣΥΝΥΠΟΨΗΦΙΟΣ Α', 2)");

        // A wrong code shows nothing.
        p.ui.inputs << QString("λ58");
        p.ui.clearLog();
        p.main()->resetFiles();
        QVERIFY(p.ui.dialogs().isEmpty());

        bool stayedOpen = false;
        QString caption, tip;
        p.ui.onExecOnce["DelTablesDlg"] << [&](QDialog *d) {
            caption = d->windowTitle();
            tip = d->findChild<QPushButton *>("BtnDel")->toolTip();
            test::click(d, "BtnDel"); // nothing ticked: nothing happens
            d->findChild<QCheckBox *>("ChkPOL")->setChecked(true);
            test::click(d, "BtnDel");
            stayedOpen = d->isVisible();
            test::click(d, "CancelBtn");
            return d->result();
        };
        bool keptTick = false;
        p.ui.onExecOnce["DelTablesDlg"] << [&](QDialog *d) {
            keptTick = d->findChild<QCheckBox *>("ChkPOL")->isChecked();
            test::click(d, "CancelBtn");
            return d->result();
        };
        p.ui.inputs << QString("Λ58");
        p.main()->resetFiles();
        QCOMPARE(caption, QString("ΜΗΔΕΝΙΣΜΟΣ ΑΡΧΕΙΩΝ"));
        QCOMPARE(tip, QString("ΔΙΑΓΡΑΦΗ ΤΩΝ ΕΠΙΛΕΓΜΕΝΩΝ ΑΡΧΕΙΩΝ"));
        QVERIFY(stayedOpen);
        QVERIFY(p.ui.messages().isEmpty());
        QCOMPARE(test::countRows(Store::instance(), "POLITES"), 0);
        QCOMPARE(test::countRows(Store::instance(), "POLITES_Synypops"), 0);
        QCOMPARE(test::countRows(Store::instance(), "Synypops"), 1);
        QCOMPARE(test::countRows(Store::instance(), "NOMOI"), 1);
        QCOMPARE(p.dm().TblPOLITES->recordCount(), 0);

        p.ui.inputs << QString("Λ58");
        p.main()->resetFiles();
        QVERIFY(keptTick);
        auto *dlg = p.main()->findChild<TDelTablesDlg *>();
        QCOMPARE(dlg->boxes().size(), 16);
        QCOMPARE(dlg->palette().color(QPalette::Window), QColor(215, 207, 179));
    }

    void commandLineBackup()
    {
        test::TestHome home;
        {
            Program p(&home);
            QVERIFY(p.start());
            Access::setFull(true); // the special user's login
            addCitizen(p.dm(), "ΝΥΧΤΕΡΙΝΟΣ");

            // While the program runs and has just written a row.
            QProcess run;
            const QString target = home.path("Nightly");
            run.start(binary(), {"--home", home.home(), "--backup", target});
            QVERIFY(run.waitForFinished(60000));
            const QString out = QString::fromUtf8(run.readAllStandardOutput());
            QCOMPARE(run.exitStatus(), QProcess::NormalExit);
            QVERIFY2(run.exitCode() == 0, qPrintable(QString::fromUtf8(run.readAllStandardError())));
            QCOMPARE(out.split('\n', Qt::SkipEmptyParts),
                     (QStringList{target + "/DORVANI.db", target + "/PASSWORDS.db"}));
            QCOMPARE(Store::checkFile(target + "/DORVANI.db", false, true), QString());
            QCOMPARE(test::countRowsIn(target + "/DORVANI.db", "POLITES"), 1);

            // Again: the old copy is replaced without a question.
            addCitizen(p.dm(), "ΔΕΥΤΕΡΗ ΝΥΧΤΑ");
            run.start(binary(), {"--home", home.home(), "--backup", target});
            QVERIFY(run.waitForFinished(60000));
            QCOMPARE(run.exitCode(), 0);
            QCOMPARE(test::countRowsIn(target + "/DORVANI.db", "POLITES"), 2);
        }
        // A home without data files, and a target that cannot be made: Greek messages.
        test::TestHome empty;
        QProcess fail;
        fail.start(binary(), {"--home", empty.home(), "--backup", empty.path("T")});
        QVERIFY(fail.waitForFinished(60000));
        QVERIFY(fail.exitCode() != 0);
        QVERIFY(QString::fromUtf8(fail.readAllStandardError()).contains("Δεν βρέθηκαν αρχεία δεδομένων"));
        QVERIFY(!QFileInfo::exists(empty.path("Db")));

        QFile blocker(home.path("File"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        fail.start(binary(), {"--home", home.home(), "--backup", home.path("File/Inside")});
        QVERIFY(fail.waitForFinished(60000));
        QVERIFY(fail.exitCode() != 0);
        const QString err = QString::fromUtf8(fail.readAllStandardError());
        QVERIFY2(err.contains("Δεν ήταν δυνατό να δημιουργηθεί ο φάκελος"), qPrintable(err));
        QVERIFY(fail.readAllStandardOutput().isEmpty());
    }
};

QTEST_MAIN(TstHousekeeping)
#include "tst_housekeeping.moc"
