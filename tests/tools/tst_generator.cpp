// The synthetic register: the same seed gives the same rows, and the screens open on it.
#include "citizens/CitizenScreens.h"
#include "widgets/DbControls.h"
#include "ProgramFixture.h"
#include "RegisterGenerator.h"
#include "data/Store.h"
#include "citizens/UntEditPers.h"
#include "citizens/UntLISTAPOL.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

using namespace dorvani;

namespace {
// A digest of every citizen row and its vote rows.
QByteArray registerDigest()
{
    QCryptographicHash h(QCryptographicHash::Sha256);
    for (const char *sql : {"SELECT * FROM POLITES ORDER BY AUTONUM", "SELECT * FROM POLITES_Synypops ORDER BY AUTONUM",
                            "SELECT * FROM EPAFES ORDER BY AUTONUM", "SELECT * FROM SpecialNotes ORDER BY AUTONUM",
                            "SELECT * FROM POLEIS ORDER BY AUTONUM"}) {
        QSqlQuery q = Store::instance().exec(sql);
        while (q.next())
            for (int i = 0; i < q.record().count(); ++i)
                h.addData((q.value(i).isNull() ? QString("<null>") : q.value(i).toString()).toUtf8() + '\x1f');
    }
    return h.result();
}
} // namespace

class TstGenerator : public QObject {
    Q_OBJECT

private slots:
    void sameSeedSameRegister()
    {
        QByteArray digests[3];
        const quint64 seeds[3] = {11, 11, 12};
        for (int i = 0; i < 3; ++i) {
            test::TestHome home;
            Store s;
            s.open(home.path("Db"));
            tools::GeneratorOptions o;
            o.citizens = 300;
            o.seed = seeds[i];
            int reported = 0;
            QCOMPARE(tools::generateRegister(o, [&](int done, int total) {
                         QCOMPARE(total, 300);
                         reported = done;
                     }),
                     300);
            QCOMPARE(reported, 300);
            QCOMPARE(s.scalar("SELECT COUNT(*) FROM POLITES").toInt(), 300);
            QCOMPARE(s.scalar("SELECT COUNT(*) FROM POLITES_Synypops").toInt(), 300 * 5);
            QVERIFY(s.scalar("SELECT COUNT(DISTINCT NOMOS) FROM POLITES").toInt() > 1);
            QVERIFY(s.scalar("SELECT COUNT(*) FROM POLITES WHERE CELEBRDAY <> 'XX/XX'").toInt() > 100);
            QVERIFY(s.scalar("SELECT COUNT(*) FROM POLITES WHERE EPITHETO LIKE '%ΟΥ' AND FYLO = 1").toInt() > 0);
            digests[i] = registerDigest();
            // A second run on a register that has citizens is refused.
            QVERIFY_THROWS_EXCEPTION(DbError, tools::generateRegister(o));
        }
        QCOMPARE(digests[0], digests[1]);
        QVERIFY(digests[0] != digests[2]);
    }

    // The generator killed while it writes citizens, or between moving its two files into
    // place: the data folder then holds no half-made register, and the next run (or start)
    // brings it to the whole register, the same as a run never cut short.
    void aRunCutShortIsResumed_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<bool>("runAgain");
        QTest::newRow("writing citizens") << "generator-citizens" << true;
        QTest::newRow("the main file in place") << "generator-main-in-place" << false;
    }
    void aRunCutShortIsResumed()
    {
        if (!Store::crashPointsBuilt)
            QSKIP("This build has no crash switch.");
        QFETCH(QString, step);
        QFETCH(bool, runAgain);
        test::TestHome home;
        const QString program = QDir(QCoreApplication::applicationDirPath()).filePath("../dorvani-make-register");
        const QStringList args{"--home", home.home(), "--citizens", "2500", "--seed", "5", "--no-settings"};
        auto run = [&](const QString &crashAt) {
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            if (!crashAt.isEmpty())
                env.insert("DORVANI_CRASH_AT", crashAt);
            p.setProcessEnvironment(env);
            p.start(program, args);
            return p.waitForFinished(120000) ? p.exitCode() : -1;
        };
        QCOMPARE(run(step), 70);
        if (runAgain) {
            QVERIFY(!QFile::exists(home.path("Db/DORVANI.db")));
            QVERIFY(!QFile::exists(home.path("Db/PASSWORDS.db")));
            QCOMPARE(run(QString()), 0);
        }
        Store s;
        s.open(home.path("Db"));
        QVERIFY(!s.createdNew());
        QCOMPARE(s.scalar("SELECT COUNT(*) FROM POLITES").toInt(), 2500);
        QCOMPARE(s.scalar("SELECT COUNT(*) FROM POLITES_Synypops").toInt(), 2500 * 5);
        QVERIFY(!QFileInfo::exists(home.path("Db/.generating/DORVANI.db")));
        QVERIFY(!QFileInfo::exists(home.path("Db/.generating/PASSWORDS.db")));
    }

    void theScreensOpenOnIt()
    {
        test::Program p;
        QVERIFY(p.start());
        tools::GeneratorOptions o;
        o.citizens = 400;
        tools::generateRegister(o);
        int rows = 0;
        p.ui.onExecOnce["LISTAPOLDlg"] << [&](QDialog *d) {
            auto *list = static_cast<TLISTAPOLDlg *>(d);
            rows = list->DBGrid1->model()->rowCount();
            list->openRow(rows / 2);
            return d->result();
        };
        p.ui.onExec["LISTAPOLDlg"] = test::rejectDialog;
        p.main()->action("ΕΜΦΑΝΙΣΗ - ΑΛΛΑΓΕΣ")->trigger();
        QCOMPARE(rows, 400);
        TEditPersFrm *e = nullptr;
        for (QWidget *w : p.main()->openChildren())
            if ((e = qobject_cast<TEditPersFrm *>(w)))
                break;
        QVERIFY(e);
        QVERIFY(!e->EdtEpitheto->text().isEmpty());
        QVERIFY(!e->DBLookupComboBox3->text().isEmpty() || !e->DBLookupComboBox6->text().isEmpty());
        e->BtnSave->click();
        QCOMPARE(p.ui.messages().last(), QString("Η αποθήκευση ολοκληρώθηκε"));
    }
};

QTEST_MAIN(TstGenerator)
#include "tst_generator.moc"
