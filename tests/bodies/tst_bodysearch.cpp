// The search over the members of bodies: a table of criteria records, each with its exact
// condition and description, each also run on a small set of bodies and members.
#include "bodies/BodySearch.h"
#include "ProgramFixture.h"
#include "data/DbError.h"
#include "data/Store.h"

#include "bodies/UntSearchTA_KO.h"
#include "widgets/DbControls.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace dorvani;
using namespace dorvani::test;

Q_DECLARE_METATYPE(dorvani::BodySearchCriteria)

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

    // The screen: a surname typed, the search run, the results shown with their count
    // and description, and printed.
    void screen()
    {
        Program p;
        QVERIFY(p.start());
        Store::instance().exec("INSERT INTO DHMARXIES (Nomos, Onomasia, Autonum) VALUES (1, 'ΔΗΜΟΣ Α', 1)");
        Store::instance().exec(
            "INSERT INTO DHMARXIES_STRUCT (DHMARXIES_ID, EPITHETO, ONOMA) VALUES (1, 'ΠΑΠΑΣ', 'ΝΙΚΟΣ')");
        Store::instance().exec(
            "INSERT INTO DHMARXIES_STRUCT (DHMARXIES_ID, EPITHETO, ONOMA) VALUES (1, 'ΡΗΓΑΣ', 'ΝΙΚΟΣ')");
        QString count, description;
        p.ui.onExecOnce["frmSearchTA_KO"].enqueue([&](QDialog *d) {
            auto *s = static_cast<TfrmSearchTA_KO *>(d);
            s->CmbTypos->setCurrentIndex(1);
            test::typeText(s->EdtEpitheto, "ΠΑΠ*");
            p.ui.onExecOnce["SearchResTAKODlg"].enqueue([&](QDialog *r) {
                auto *res = static_cast<TSearchResTAKODlg *>(r);
                count = res->Label1->text();
                description = res->Label6->text();
                res->print();
                return int(QDialog::Accepted);
            });
            s->find();
            return int(QDialog::Rejected);
        });
        p.main()->action("ΑΝΑΖΗΤΗΣΕΙΣ")->trigger();
        QCOMPARE(count, QString("Βρέθηκαν 1 εγγραφές"));
        QCOMPARE(description, QString("ΕΠΙΘΕΤΟ=ΠΑΠ*"));
        QCOMPARE(p.ui.printouts.size(), 1);
        QVERIFY(p.ui.printouts[0].allText().contains("ΠΑΠΑΣ"));
        QVERIFY(!p.ui.printouts[0].allText().contains("ΡΗΓΑΣ"));
    }
};

QTEST_MAIN(TstBodySearch)
#include "tst_bodysearch.moc"
