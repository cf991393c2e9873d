// Controls bound to datasets: a grid over many rows reads only what it shows; the grid,
// the list and the lookup list follow the current row and move it.
#include "data/DataModule.h"
#include "widgets/DbControls.h"
#include "data/Store.h"
#include "StoreFixture.h"
#include "TestSupport.h"

#include <QTest>

using namespace dorvani;

class TstDbControls : public test::StoreTest {
    Q_OBJECT

private slots:
    void init()
    {
        openStore(true);
    }
    void cleanup()
    {
        closeStore();
    }

    void gridReadsOnlyWhatItShows()
    {
        {
            Transaction tx(*m_store);
            for (int i = 0; i < 20000; ++i)
                m_store->exec("INSERT INTO POLITES (EPITHETO, ONOMA) VALUES (?, 'Χ')",
                              {QString("Ε%1").arg(i, 6, 10, QChar('0'))});
            tx.commit();
        }
        Table *t = m_dm->TblPOLITES;
        t->open();
        DBGrid grid;
        grid.setDataset(t, {{"EPITHETO", "ΕΠΙΘΕΤΟ", 120}, {"ONOMA", "ΟΝΟΜΑ", 0}, {"SXESHStr", "ΣΧΕΣΗ", 0}});
        grid.resize(500, 300);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QCOMPARE(grid.model()->rowCount(), 20000);
        QCOMPARE(grid.model()->headerData(0, Qt::Horizontal).toString(), QString("ΕΠΙΘΕΤΟ"));
        QCOMPARE(grid.columnWidth(0), 120);
        QVERIFY(t->cachedRowCount() <= 2 * 128);
        grid.scrollToBottom();
        QTest::qWait(20);
        QCOMPARE(grid.model()->index(19999, 0).data().toString(), QString("Ε019999"));
        QVERIFY(t->cachedRowCount() <= 6 * 128);

        // Choosing a row makes it current; locating a row chooses it.
        grid.selectRow(19990);
        QCOMPARE(t->text("EPITHETO"), QString("Ε019990"));
        QVERIFY(t->locate("EPITHETO", "Ε000005"));
        QTest::qWait(0);
        QCOMPARE(grid.currentIndex().row(), 5);
    }

    void listAndLookupFollowTheDatasets()
    {
        for (const char *n : {"ΑΡΚΑΔΙΑΣ", "ΑΧΑΪΑΣ", "ΗΛΕΙΑΣ"})
            m_store->exec("INSERT INTO NOMOI (NOMOS) VALUES (?)", {QString::fromUtf8(n)});
        const int achaia = m_store->scalar("SELECT AUTONUM FROM NOMOI WHERE NOMOS = 'ΑΧΑΪΑΣ'").toInt();
        m_store->exec("INSERT INTO EPARXIES (NOMOS, EPARXIA) VALUES (?, 'ΠΑΤΡΩΝ')", {achaia});
        Table *nomoi = m_dm->TblNomoi, *epar = m_dm->TblEPARXIES;
        nomoi->open();
        epar->open();

        DBLookupComboBox combo;
        combo.setListSource(nomoi, "NOMOS", "AUTONUM");
        QCOMPARE(combo.count(), 3);
        QCOMPARE(combo.text(), QString());
        QVERIFY(combo.selectText("ΑΧΑΪΑΣ"));
        QCOMPARE(combo.keyValue().toInt(), achaia);
        QCOMPARE(nomoi->text("NOMOS"), QString("ΑΧΑΪΑΣ")); // the list's dataset moved...
        QCOMPARE(epar->text("EPARXIA"), QString("ΠΑΤΡΩΝ")); // ...and its detail followed
        combo.setKeyValue(9999);
        QCOMPARE(combo.text(), QString());
        QVERIFY(!combo.selectText("ΚΑΝΕΝΑΣ"));

        DBListBox list;
        list.setDataset(nomoi, "NOMOS");
        list.show();
        QVERIFY(!list.hasSelection() || list.currentText() == "ΑΧΑΪΑΣ");
        list.setCurrentIndex(list.model()->index(2, 0));
        QCOMPARE(nomoi->text("NOMOS"), QString("ΗΛΕΙΑΣ"));
        QVERIFY(epar->isEmpty());
        nomoi->first();
        QCOMPARE(list.currentText(), QString("ΑΡΚΑΔΙΑΣ"));

        // Bound to a citizen's field, the lookup writes the key into the row being edited.
        Table *pol = m_dm->TblPOLITES;
        pol->open();
        pol->insert();
        pol->fieldByName("EPITHETO").setValue("Α");
        DBLookupComboBox bound;
        bound.setListSource(nomoi, "NOMOS", "AUTONUM");
        bound.setDataField(pol, "NOMOS");
        QVERIFY(bound.selectText("ΑΧΑΪΑΣ"));
        QCOMPARE(pol->integer("NOMOS"), achaia);
        pol->post();
        QCOMPARE(m_store->scalar("SELECT NOMOS FROM POLITES").toInt(), achaia);
        QCOMPARE(bound.text(), QString("ΑΧΑΪΑΣ"));
    }
};

QTEST_MAIN(TstDbControls)
#include "tst_dbcontrols.moc"
