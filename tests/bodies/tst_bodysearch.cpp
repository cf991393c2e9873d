// The search over the members of bodies: a table of criteria records, each with its exact
// condition and description, each also run on a small set of bodies and members.
#include "bodies/BodySearch.h"
#include "ProgramFixture.h"
#include "data/DbError.h"
#include "data/Store.h"

#include "bodies/UntPediaTAKO.h"
#include "bodies/UntSearchTA_KO.h"
#include "platform/Desktop.h"
#include "platform/Registry.h"
#include "widgets/DbControls.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace dorvani;
using namespace dorvani::test;

Q_DECLARE_METATYPE(dorvani::BodySearchCriteria)

namespace {
class FakeDesktop : public Desktop {
public:
    QList<QUrl> opened;
    bool start(Program) override { return false; }
    bool openUrl(const QUrl &u) override
    {
        opened << u;
        return true;
    }
};
} // namespace

class TstBodySearch : public QObject {
    Q_OBJECT

private slots:
    void build_data()
    {
        QTest::addColumn<BodySearchCriteria>("criteria");
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("description");
        QTest::addColumn<int>("found"); // -1: the engine refuses the statement

        BodySearchCriteria none;
        QTest::newRow("no criterion") << none << QString() << QString() << 3;

        BodySearchCriteria surname;
        surname.epitheto = "παπ*";
        QTest::newRow("wildcard surname") << surname << "(EPITHETO LIKE 'ΠΑΠ%')" << "ΕΠΙΘΕΤΟ=παπ*" << 2;

        BodySearchCriteria exact;
        exact.epitheto = "ΠΑΠ";
        QTest::newRow("surname without wildcard") << exact << "(EPITHETO LIKE 'ΠΑΠ')" << "ΕΠΙΘΕΤΟ=ΠΑΠ" << 0;

        BodySearchCriteria party;
        party.kind = 1;
        party.komma = {"ΚΟΜΜΑ Α", 7};
        QTest::newRow("party on municipality offices")
            << party << "DHMARXIES.KOMMAID = 7" << "ΚΟΜΜA ΔΗΜΑΡΧΙΕΣ=ΚΟΜΜΑ Α" << 1;

        BodySearchCriteria days;
        days.celebrFrom = "30/06";
        days.celebrTo = "02/07";
        QTest::newRow("name days across a month end")
            << days << "( CELEBRDATE LIKE '30/06%' OR CELEBRDATE LIKE '01/07%' OR CELEBRDATE LIKE '02/07%')"
            << "ΕΟΡΤΑΖΕΙ ΑΠΟ 30/06 ΕΩΣ ΚΑΙ 02/07" << 2;

        BodySearchCriteria reversed;
        reversed.celebrFrom = "02/07";
        reversed.celebrTo = "30/06";
        QTest::newRow("reversed range") << reversed << "()" << "ΕΟΡΤΑΖΕΙ ΑΠΟ 02/07 ΕΩΣ ΚΑΙ 30/06" << -1;

        BodySearchCriteria partial;
        partial.celebrFrom = "30/0X";
        partial.celebrTo = "02/07";
        QTest::newRow("date filled in part") << partial << QString() << QString() << 3;

        BodySearchCriteria town;
        town.polh = "ΤΡΙΠΟΛΗ";
        town.isInPolites = 1;
        QTest::newRow("member's town and citizen mark")
            << town << "NOMARXIES_STRUCT.POLH LIKE 'ΤΡΙΠΟΛΗ' AND ISINPOLITES = true"
            << "ΠΟΛΗ=ΤΡΙΠΟΛΗ - ΑΝΗΚΕΙ ΣΤΟΥΣ ΠΟΛΙΤΕΣ=ΝΑΙ" << 1;

        BodySearchCriteria quote;
        quote.onomasia = "Ο'ΝΕΙΛ";
        QTest::newRow("quote in a name") << quote << "ONOMASIA LIKE 'Ο''ΝΕΙΛ'" << "ΟΝΟΜΑΣΙΑ=Ο'ΝΕΙΛ" << 0;
    }

    void build()
    {
        QFETCH(BodySearchCriteria, criteria);
        QFETCH(QString, condition);
        QFETCH(QString, description);
        QFETCH(int, found);
        const BuiltBodySearch b = BodySearchBuilder::build(criteria);
        QCOMPARE(b.condition, condition);
        QCOMPARE(b.description, description);
        QCOMPARE(b.sqlLines().size(), condition.isEmpty() ? 9 : 10);

        Program p;
        QVERIFY(p.start());
        Store &s = Store::instance();
        s.exec("INSERT INTO NOMARXIES (Nomos, Onomasia, Polh, Autonum) VALUES (1, 'ΝΟΜΑΡΧΙΑ Α', 'ΑΘΗΝΑ', 1)");
        s.exec("INSERT INTO DHMARXIES (Nomos, Onomasia, KommaID, Autonum) VALUES (1, 'ΔΗΜΟΣ Α', 7, 1)");
        s.exec("INSERT INTO DHMARXIES (Nomos, Onomasia, KommaID, Autonum) VALUES (1, 'ΔΗΜΟΣ Β', 8, 2)");
        s.exec("INSERT INTO DHMARXIES_STRUCT (DHMARXIES_ID, EPITHETO, ONOMA) VALUES (1, 'ΚΩΣΤΑΣ', 'ΝΙΚΟΣ')");
        s.exec("INSERT INTO DHMARXIES_STRUCT (DHMARXIES_ID, EPITHETO, ONOMA) VALUES (2, 'ΛΑΜΠΡΟΥ', 'ΝΙΚΟΣ')");
        s.exec("INSERT INTO NOMARXIES_STRUCT (NOMARXIES_ID, EPITHETO, POLH, CELEBRDATE, ISINPOLITES) "
               "VALUES (1, 'ΠΑΠΑΣ', 'ΤΡΙΠΟΛΗ', '30/06', 1)");
        s.exec("INSERT INTO NOMARXIES_STRUCT (NOMARXIES_ID, EPITHETO, POLH, CELEBRDATE, ISINPOLITES) "
               "VALUES (1, 'ΠΑΠΑΔΗΣ', 'ΑΘΗΝΑ', '02/07', 0)");
        s.exec("INSERT INTO NOMARXIES_STRUCT (NOMARXIES_ID, EPITHETO, CELEBRDATE) VALUES (9, 'ΡΗΓΑΣ', '03/07')");
        try {
            const int n = s.scalar("SELECT COUNT(*) FROM (" + b.sql() + ")").toInt();
            QCOMPARE(n, found);
        } catch (const DbError &) {
            QCOMPARE(found, -1);
        }
    }

    // The screen: the field chooser with its saved choice, a surname typed, the results
    // with the chosen columns, their count and description, printed with the chosen
    // columns, and the body's addresses handed to the desktop.
    void screen()
    {
        Program p;
        QVERIFY(p.start());
        Store &st = Store::instance();
        st.exec("INSERT INTO DHMARXIES (Nomos, Onomasia, Email, Web, Autonum) "
                "VALUES (1, 'ΔΗΜΟΣ Α', 'dimos@a.gr', 'www.a.gr', 1)");
        st.exec("INSERT INTO DHMARXIES_STRUCT (DHMARXIES_ID, EPITHETO, ONOMA, TEL1, ISINPOLITES) "
                "VALUES (1, 'ΠΑΠΑΣ', 'ΝΙΚΟΣ', '2101', 1)");
        st.exec("INSERT INTO DHMARXIES_STRUCT (DHMARXIES_ID, EPITHETO, ONOMA) VALUES (1, 'ΡΗΓΑΣ', 'ΝΙΚΟΣ')");
        Registry(Registry::GeneralTAKO).writeString("Pedia", "Checked", "0,3,16");
        FakeDesktop desk;
        Desktop::setInstance(&desk);
        QStringList titles, chooserCaptions, marks;
        QString count, description, chosen;
        bool cancelledShown = false;
        p.ui.onExecOnce["frmSearchTA_KO"].enqueue([&](QDialog *d) {
            auto *s = static_cast<TfrmSearchTA_KO *>(d);
            // Cancelling the field chooser cancels the search.
            p.ui.onExecOnce["PediaTAKODlg"].enqueue([](QDialog *) { return int(QDialog::Rejected); });
            p.ui.onExecOnce["SearchResTAKODlg"].enqueue([&](QDialog *) {
                cancelledShown = true;
                return int(QDialog::Accepted);
            });
            s->find();
            p.ui.onExecOnce["SearchResTAKODlg"].clear();

            s->CmbTypos->setCurrentIndex(1);
            test::typeText(s->EdtEpitheto, "ΠΑΠ*");
            p.ui.onExecOnce["PediaTAKODlg"].enqueue([&](QDialog *c) {
                auto *pedia = static_cast<TPediaTAKODlg *>(c);
                for (int i = 0; i < pedia->ChkPedia->count(); ++i)
                    chooserCaptions << pedia->ChkPedia->item(i)->text();
                pedia->ChkPedia->item(12)->setCheckState(Qt::Checked); // the telephone too
                pedia->BitBtn1->click();
                return pedia->result();
            });
            p.ui.onExecOnce["SearchResTAKODlg"].enqueue([&](QDialog *r) {
                auto *res = static_cast<TSearchResTAKODlg *>(r);
                for (int c = 0; c < res->DBGrid1->model()->columnCount(); ++c) {
                    titles << res->DBGrid1->model()->headerData(c, Qt::Horizontal).toString();
                    marks << res->DBGrid1->model()->index(0, c).data().toString();
                }
                count = res->Label1->text();
                description = res->Label6->text();
                // Printed: the surname and the telephone only.
                p.ui.onExecOnce["PrnPEDIADlg"].enqueue([](QDialog *c) {
                    auto *list = c->findChild<QListWidget *>("ChkBox");
                    list->item(1)->setCheckState(Qt::Checked);
                    list->item(2)->setCheckState(Qt::Checked);
                    return int(QDialog::Accepted);
                });
                res->print();
                res->DBGrid1->setCurrentIndex(res->DBGrid1->model()->index(0, 0));
                res->BtnEmail->click();
                res->BtnWeb->click();
                return int(QDialog::Accepted);
            });
            s->find();
            return int(QDialog::Rejected);
        });
        p.main()->action("ΑΝΑΖΗΤΗΣΕΙΣ")->trigger();
        Desktop::setInstance(nullptr);
        QVERIFY(!cancelledShown);
        QCOMPARE(chooserCaptions.size(), 17);
        QCOMPARE(chooserCaptions[1], QString("ΚΟΜΜΑ ΔΗΜΑΡΧΙΕΣ"));
        QCOMPARE(Registry(Registry::GeneralTAKO).readString("Pedia", "Checked"), QString("0,3,12,16"));
        QCOMPARE(titles, (QStringList{"ΟΝΟΜΑΣΙΑ", "ΕΠΙΘΕΤΟ", "ΤΗΛΕΦΩΝΟ", "ΠΟΛΙΤΗΣ"}));
        QCOMPARE(marks, (QStringList{"ΔΗΜΟΣ Α", "ΠΑΠΑΣ", "2101", "ΝΑΙ"}));
        QCOMPARE(count, QString("Βρέθηκαν 1 εγγραφές"));
        QCOMPARE(description, QString("ΕΠΙΘΕΤΟ=ΠΑΠ*"));
        QCOMPARE(p.ui.printouts.size(), 1);
        const QString printed = p.ui.printouts[0].allText();
        QVERIFY2(printed.contains("ΠΑΠΑΣ") && printed.contains("2101"), qPrintable(printed));
        QVERIFY(!printed.contains("ΡΗΓΑΣ") && !printed.contains("ΔΗΜΟΣ Α") && !printed.contains("ΝΑΙ"));
        QCOMPARE(desk.opened.size(), 2);
        QCOMPARE(desk.opened[0].scheme(), QString("mailto"));
        QVERIFY(desk.opened[0].toString().startsWith("mailto:dimos@a.gr"));
        QCOMPARE(desk.opened[1].toString(), QString("http://www.a.gr"));
    }

    // A statement the engine refuses (a reversed name-day range) shows the error and no
    // results screen; a chooser with nothing ticked gives a results screen without columns.
    void refusedAndEmpty()
    {
        Program p;
        QVERIFY(p.start());
        Registry(Registry::GeneralTAKO).writeString("Pedia", "Checked", "");
        int columns = -1, shown = 0, refusedShown = -1, before = 0, after = 0;
        p.ui.onExec["PediaTAKODlg"] = [](QDialog *) { return int(QDialog::Accepted); };
        p.ui.onExec["SearchResTAKODlg"] = [&](QDialog *r) {
            ++shown;
            columns = static_cast<TSearchResTAKODlg *>(r)->DBGrid1->model()->columnCount();
            return int(QDialog::Accepted);
        };
        p.ui.onExecOnce["frmSearchTA_KO"].enqueue([&](QDialog *d) {
            auto *s = static_cast<TfrmSearchTA_KO *>(d);
            test::typeText(s->MskCelebr, "0207");
            test::typeText(s->MskCelebrEos, "3006");
            before = int(p.ui.messages().size());
            s->find();
            refusedShown = shown;
            after = int(p.ui.messages().size());
            s->BtnDel->click();
            s->find();
            return int(QDialog::Rejected);
        });
        p.main()->action("ΑΝΑΖΗΤΗΣΕΙΣ")->trigger();
        QCOMPARE(refusedShown, 0);
        QCOMPARE(after, before + 1);
        QCOMPARE(shown, 1);
        QCOMPARE(columns, 0);
    }
};

QTEST_MAIN(TstBodySearch)
#include "tst_bodysearch.moc"
