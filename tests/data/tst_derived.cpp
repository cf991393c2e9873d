// The derived fields: the texts of coded values, the lists, the looked-up names and the
// place of voting, as every result set over the citizens shows them.
#include "data/Codes.h"
#include "data/DataModule.h"
#include "data/Store.h"
#include "StoreFixture.h"
#include "TestSupport.h"

#include <QTest>

using namespace dorvani;

class TstDerived : public test::StoreTest {
    Q_OBJECT

    int m_town = 0, m_dhmos = 0, m_eparxia = 0, m_nomos = 0, m_centre = 0, m_centreNoDhmos = 0;
    int m_influence3 = 0, m_influence9 = 0;

    int insert(const QString &sql, const QVariantList &binds = {})
    {
        return m_store->exec(sql, binds).lastInsertId().toInt();
    }

private slots:
    void initTestCase()
    {
        openStore(true);
        m_nomos = insert("INSERT INTO NOMOI (NOMOS) VALUES ('ΑΡΚΑΔΙΑΣ')");
        m_eparxia = insert("INSERT INTO EPARXIES (NOMOS, EPARXIA) VALUES (?, 'ΜΑΝΤΙΝΕΙΑΣ')", {m_nomos});
        m_dhmos = insert("INSERT INTO DHMOI (NOMOS, EPARXIA, DHMOS) VALUES (?, ?, 'ΤΡΙΠΟΛΗΣ')", {m_nomos, m_eparxia});
        m_town = insert("INSERT INTO POLEIS (NOMOS, EPARXIA, DHMOS, POLH, TK) VALUES (?, ?, ?, 'ΤΡΙΠΟΛΗ', '22100')",
                        {m_nomos, m_eparxia, m_dhmos});
        m_centre = insert("INSERT INTO EklogikaK (EKLOGIKOK, DHMOS, EPARXIA, NOMOS, ENORIA) VALUES "
                          "('1ο ΔΗΜΟΤΙΚΟ', ?, ?, ?, 'ΑΓΙΟΣ ΒΑΣΙΛΕΙΟΣ')",
                          {m_dhmos, m_eparxia, m_nomos});
        m_centreNoDhmos = insert("INSERT INTO EklogikaK (EKLOGIKOK, DHMOS, EPARXIA, NOMOS, ENORIA) VALUES "
                                 "('ΓΥΜΝΑΣΙΟ', 999, ?, ?, 'ΚΕΝΤΡΟ')",
                                 {m_eparxia, m_nomos});
        insert("INSERT INTO EPIROES (EPIROH) VALUES ('ΣΥΛΛΟΓΟΣ')");
        insert("INSERT INTO EPIROES (EPIROH) VALUES ('ΕΝΟΡΙΑ')");
        m_influence3 = insert("INSERT INTO EPIROES (EPIROH) VALUES ('ΣΩΜΑΤΕΙΟ')");
        m_influence9 = insert("INSERT INTO EPIROES (EPIROH) VALUES ('ΚΑΦΕΝΕΙΟ')");
        m_store->exec("DELETE FROM EPIROES WHERE AUTONUM = ?", {m_influence9});
        const int melos = insert("INSERT INTO MELOS (MELOS) VALUES ('ΤΑΚΤΙΚΟ')");
        const int no = insert("INSERT INTO NO (NOMOS, N_O) VALUES (?, 'Ν.Ο. ΑΡΚΑΔΙΑΣ')", {m_nomos});
        const int ne = insert("INSERT INTO NE (N_O, N_E) VALUES (?, 'Ν.Ε. ΤΡΙΠΟΛΗΣ')", {no});
        const int to = insert("INSERT INTO \"TO\" (N_O, N_E, T_O) VALUES (?, ?, 'Τ.Ο. ΚΕΝΤΡΟΥ')", {no, ne});
        const int pyr = insert("INSERT INTO PYRHNAS (N_O, N_E, T_O, PYRHNAS) VALUES (?, ?, ?, 'ΠΛΑΤΕΙΑΣ')", {no, ne, to});
        const int morf = insert("INSERT INTO Morfosh (Morfosh) VALUES ('ΑΝΩΤΑΤΗ')");
        const int aks = insert("INSERT INTO Aksiologhsh (Aksiologhsh) VALUES ('ΑΞΙΟΠΙΣΤΟΣ')");

        // Citizen 1: every field filled.
        m_store->exec("INSERT INTO POLITES (EPITHETO, ONOMA, SXESH, KOMA, FYLO, OIKOGKAT, ETERODHMOTHS, SYMAXIA, "
                      "EPAFES, IDIOTHTA, EPIROH, AVOTE, PVOTE, POLH, DHMOS, EPARXIA, NOMOS, ASKHSH, MelosID, "
                      "PYRHNASID, TO_ID, NE_ID, NO_ID, MORFOSH, AKSIOLOGHSH) VALUES "
                      "('Α', 'Α', 0, 13, 1, 2, 0, 1, '0,2', '3,25', ?, 5, NULL, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                      {QString("%1,%2").arg(m_influence3).arg(m_influence9), m_town, m_dhmos, m_eparxia, m_nomos,
                       m_centre, melos, pyr, to, ne, no, morf, aks});
        // Citizen 2: nothing chosen; a town and a centre that do not exist.
        m_store->exec("INSERT INTO POLITES (EPITHETO, ONOMA, SXESH, KOMA, EPAFES, POLH, ASKHSH, AVOTE, PVOTE) VALUES "
                      "('Β', 'Β', -1, -1, '', 12345, 777, NULL, NULL)");
        // Citizen 3: lists with items that are not numbers or outside their tables; a centre
        // whose municipality is missing.
        m_store->exec("INSERT INTO POLITES (EPITHETO, ONOMA, EPAFES, IDIOTHTA, SXESH, ASKHSH, AVOTE, PVOTE) VALUES "
                      "('Γ', 'Γ', '5', '1,x,26,40', 7, ?, 2, 3)",
                      {m_centreNoDhmos});
    }
    void cleanupTestCase()
    {
        closeStore();
    }

    void searchQueryFields_data()
    {
        QTest::addColumn<QString>("citizen");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("expected");
        auto row = [](const char *c, const char *f, const QVariant &v) {
            QTest::newRow((QString(c) + " " + f).toUtf8()) << QString(c) << QString(f) << v;
        };
        row("Α", "SXESHStr", "ΠΥΡΗΝΑΣ");
        row("Α", "KOMAStr", "ΑΓΝΩΣΤΟ");
        row("Α", "FYLOStr", "ΓΥΝΑΙΚΑ");
        row("Α", "OIKOGStr", "ΧΩΡΙΣΜΕΝΟΣ");
        row("Α", "ETERODStr", "ΝΑΙ");
        row("Α", "SYMAXIAStr", "ΟΧΙ");
        row("Α", "EPAFHStr", "ΕΠΙΣΤΟΛΗ,ΣΥΝΑΝΤΗΣΗ");
        row("Α", "IDIOTHTAStr", "ΝΟΜΑΡΧΗΣ,ΜΕΛΟΣ ΝΟΜΑΡΧΙΑΚΗΣ ΕΠΙΤΡΟΠΗΣ ΠΡΩΗΝ");
        row("Α", "EpirohStr", "ΣΩΜΑΤΕΙΟ"); // the deleted influence is skipped, no trailing comma
        row("Α", "TOT_PSHFOI", 5);         // AVOTE 5, PVOTE null
        row("Α", "POLHNAME", "ΤΡΙΠΟΛΗ");
        row("Α", "DHMOSNAME", "ΤΡΙΠΟΛΗΣ");
        row("Α", "EPARXIANAME", "ΜΑΝΤΙΝΕΙΑΣ");
        row("Α", "NOMOSNAME", "ΑΡΚΑΔΙΑΣ");
        row("Α", "ASKHSHNAME", QString("ΑΡΚΑΔΙΑΣ  ΤΡΙΠΟΛΗΣ / 1ο ΔΗΜΟΤΙΚΟ  ΑΓΙΟΣ ΒΑΣΙΛΕΙΟΣ").left(40));
        row("Α", "MELOSNAME", "ΤΑΚΤΙΚΟ");
        row("Α", "PYRHNASNAME", "ΠΛΑΤΕΙΑΣ");
        row("Α", "TONAME", "Τ.Ο. ΚΕΝΤΡΟΥ");
        row("Α", "NENAME", "Ν.Ε. ΤΡΙΠΟΛΗΣ");
        row("Α", "NONAME", "Ν.Ο. ΑΡΚΑΔΙΑΣ");
        row("Α", "MorfoshStr", "ΑΝΩΤΑΤΗ");
        row("Α", "AksiologhshStr", "ΑΞΙΟΠΙΣΤΟΣ");
        row("Β", "SXESHStr", "");
        row("Β", "KOMAStr", "");
        row("Β", "FYLOStr", "");
        row("Β", "EPAFHStr", "");
        row("Β", "TOT_PSHFOI", 0);
        row("Β", "POLHNAME", "");
        row("Β", "ASKHSHNAME", "");
        row("Β", "MELOSNAME", "");
        row("Γ", "EPAFHStr", "ΟΜΙΛΙΑ");
        row("Γ", "IDIOTHTAStr", "ΒΟΥΛΕΥΤΗΣ ΠΡΩΗΝ,ΜΕΛΟΣ ΝΟΜΑΡΧΙΑΚΗΣ ΕΠΙΤΡΟΠΗΣ ΥΠΟΨΗΦΙΟΣ");
        row("Γ", "SXESHStr", "");
        row("Γ", "TOT_PSHFOI", 5);
        row("Γ", "ASKHSHNAME", QString("ΑΡΚΑΔΙΑΣ   / ΓΥΜΝΑΣΙΟ  ΚΕΝΤΡΟ"));
    }
    void searchQueryFields()
    {
        QFETCH(QString, citizen);
        QFETCH(QString, field);
        QFETCH(QVariant, expected);
        Query *q = m_dm->SearchQry;
        q->setSql("Select * From POLITES");
        q->open();
        QVERIFY(q->locate("EPITHETO", citizen));
        const Field f = q->fieldByName(field);
        if (expected.typeId() == QMetaType::Int)
            QCOMPARE(f.asInteger(), expected.toInt());
        else
            QCOMPARE(f.asString(), expected.toString());
        QVERIFY(f.size() == 0 || f.asString().size() <= f.size());
    }

    void citizenTableAndCentreFields()
    {
        Table *t = m_dm->TblPOLITES;
        t->open();
        QVERIFY(t->locate("EPITHETO", "Α"));
        QCOMPARE(t->text("PolhONOMA"), QString("ΤΡΙΠΟΛΗ"));
        QCOMPARE(t->text("SXESHStr"), QString("ΠΥΡΗΝΑΣ"));
        QVERIFY(t->locate("EPITHETO", "Β"));
        QCOMPARE(t->text("PolhONOMA"), QString());

        Table *c = m_dm->TblEklogikaK;
        c->open();
        QVERIFY(c->locate("AUTONUM", m_centre));
        QCOMPARE(c->text("AllStr"), QString("ΑΡΚΑΔΙΑΣ  ΤΡΙΠΟΛΗΣ / 1ο ΔΗΜΟΤΙΚΟ  ΑΓΙΟΣ ΒΑΣΙΛΕΙΟΣ"));
        QVERIFY(c->locate("AUTONUM", m_centreNoDhmos));
        QCOMPARE(c->text("AllStr"), QString("ΑΡΚΑΔΙΑΣ   / ΓΥΜΝΑΣΙΟ  ΚΕΝΤΡΟ"));

        // A renamed town shows its new name in the open result at once.
        Query *q = m_dm->SearchQry;
        q->setSql("Select * From POLITES");
        q->open();
        QVERIFY(q->locate("EPITHETO", "Α"));
        m_store->exec("UPDATE POLEIS SET POLH = 'ΤΡΙΠΟΛΙΣ' WHERE AUTONUM = ?", {m_town});
        QVERIFY(q->locate("EPITHETO", "Α"));
        QCOMPARE(q->text("POLHNAME"), QString("ΤΡΙΠΟΛΙΣ"));
        m_store->exec("UPDATE POLEIS SET POLH = 'ΤΡΙΠΟΛΗ' WHERE AUTONUM = ?", {m_town});
    }

    void vocativeAndBodiesFields()
    {
        m_store->exec("INSERT INTO KLHTIKH (ONOMA, KLHTIKH, FYLO) VALUES ('ΝΙΚΟΣ', 'ΝΙΚΟ', 0), ('ΕΛΕΝΗ', 'ΕΛΕΝΗ', NULL)");
        Table *k = m_dm->TblKLHTIKH;
        k->open();
        QVERIFY(k->locate("ONOMA", "ΝΙΚΟΣ"));
        QCOMPARE(k->text("FYLONAME"), QString("ΑΝΔΡΑΣ"));
        QVERIFY(k->locate("ONOMA", "ΕΛΕΝΗ"));
        QCOMPARE(k->text("FYLONAME"), QString());

        const int party = insert("INSERT INTO KOMMATA (KOMMA) VALUES ('ΚΟΜΜΑ Α')");
        const int body = insert("INSERT INTO NOMARXIES (Nomos, Onomasia, KOMMAID) VALUES (?, 'ΝΟΜΑΡΧΙΑ ΑΡΚΑΔΙΑΣ', ?)",
                                {m_nomos, party});
        insert("INSERT INTO NOMARXIES_STRUCT (NOMARXIES_ID, EPITHETO, ONOMA, ISINPOLITES) VALUES (?, 'Χ', 'Ψ', 1)", {body});
        Table *n = m_dm->TblNomarxies;
        n->open();
        QCOMPARE(n->text("NomosStr"), QString("ΑΡΚΑΔΙΑΣ"));
        QCOMPARE(n->text("KommaStr"), QString("ΚΟΜΜΑ Α"));
        QCOMPARE(n->text("SymmaxiaStr"), QString());
        Table *s = m_dm->TblNomarxies_Struct;
        s->open();
        QCOMPARE(s->text("NomarxiaStr"), QString("ΝΟΜΑΡΧΙΑ ΑΡΚΑΔΙΑΣ"));
        QCOMPARE(s->fieldByName("ISINPOLITES").displayText(), QString("ΝΑΙ"));
    }

    void codeLists()
    {
        QCOMPARE(codes::idiothta().size(), 27);
        QCOMPARE(codes::idiothta().at(17), QString("ΠΡΟΕΔΡΟΣ ΤΟΠΙΚΟΥ ΣΥΜΒΟΥΛΙΟΥ ΥΠΟΨΗΦΙΟΣ"));
        QCOMPARE(codes::koma().size(), 14);
        QCOMPARE(codes::joinList({5, 1, 3, 1}), QString("1,3,5"));
        QCOMPARE(codes::listItems(" 1, 2,,x,3"), (QList<int>{1, 2, 3}));
    }
};

QTEST_GUILESS_MAIN(TstDerived)
#include "tst_derived.moc"
