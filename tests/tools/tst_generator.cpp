// The synthetic register: the same seed gives the same rows, and the screens open on it.
#include "citizens/CitizenScreens.h"
#include "widgets/DbControls.h"
#include "ProgramFixture.h"
#include "RegisterGenerator.h"
#include "data/Store.h"
#include "citizens/UntEditPers.h"
#include "citizens/UntLISTAPOL.h"

#include <QCryptographicHash>
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
