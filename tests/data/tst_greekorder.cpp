// A table in Greek alphabetical order: rows, positions after locate and insert, and the
// row a grid finds again after a change, all in the order a Greek reader expects.
#include "data/DataModule.h"
#include "data/Store.h"
#include "StoreFixture.h"
#include "TestSupport.h"

#include <QTest>

using namespace dorvani;

class TstGreekOrder : public test::StoreTest {
    Q_OBJECT

    QStringList names(Table *t, const QString &field)
    {
        QStringList out;
        for (t->first(); !t->eof(); t->next())
            out << t->text(field);
        return out;
    }

private slots:
    void init()
    {
        openStore(true);
        for (const char *n : {"ΩΡΑΙΟΚΑΣΤΡΟ", "ΆΡΤΑ", "αθήνα", "ΌΛΥΜΠΟΣ", "ΒΟΛΟΣ", "ARGOS"})
            m_store->exec("INSERT INTO NOMOI (NOMOS) VALUES (?)", {QString::fromUtf8(n)});
    }
    void cleanup()
    {
        closeStore();
    }

    void listsReadInGreekOrder()
    {
        Table *t = m_dm->TblNomoi;
        QVERIFY(t->greekOrder());
        t->open();
        const QStringList greek{"ARGOS", "αθήνα", "ΆΡΤΑ", "ΒΟΛΟΣ", "ΌΛΥΜΠΟΣ", "ΩΡΑΙΟΚΑΣΤΡΟ"};
        QCOMPARE(names(t, "NOMOS"), greek);
        // Located and inserted rows are found at their place in that order.
        QVERIFY(t->locate("NOMOS", "ΌΛΥΜΠΟΣ"));
        QCOMPARE(t->recNo(), 4);
        t->insert();
        t->fieldByName("NOMOS").setValue("ΓΡΕΒΕΝΑ");
        t->post();
        QCOMPARE(t->recNo(), 4);
        QCOMPARE(t->text("NOMOS"), QString("ΓΡΕΒΕΝΑ"));
        // A change made elsewhere keeps the current row current.
        m_store->exec("INSERT INTO NOMOI (NOMOS) VALUES ('ΑΓΡΙΝΙΟ')");
        QCOMPARE(t->text("NOMOS"), QString("ΓΡΕΒΕΝΑ"));
        QCOMPARE(t->recNo(), 5);

        // Off, the table is in the order of the characters' codes.
        t->setGreekOrder(false);
        QCOMPARE(names(t, "NOMOS").first(), QString("ARGOS"));
        QCOMPARE(names(t, "NOMOS").at(1), QString("ΆΡΤΑ"));
        // The citizen register keeps its indexed order.
        QVERIFY(!m_dm->TblPOLITES->greekOrder());
    }
};

QTEST_MAIN(TstGreekOrder)
#include "tst_greekorder.moc"
