// Datasets: walking in the natural order a page at a time, locate, filters, the
// master-detail chains, editing with its failures, and following changes made elsewhere.
#include "data/BackgroundAggregate.h"
#include "data/DataModule.h"
#include "data/Store.h"
#include "StoreFixture.h"
#include "TestSupport.h"

#include <QSignalSpy>
#include <QTest>

using namespace dorvani;

class TstDataset : public test::StoreTest {
    Q_OBJECT

    void addCitizens(int n)
    {
        Transaction tx(*m_store);
        for (int i = 0; i < n; ++i)
            m_store->exec("INSERT INTO POLITES (EPITHETO, ONOMA, PATR) VALUES (?, ?, '')",
                          {QString("ΕΠΩΝΥΜΟ%1").arg(n - i, 5, 10, QChar('0')), QString("ΟΝΟΜΑ%1").arg(i % 7)});
        tx.commit();
    }

private slots:
    void init()
    {
        openStore(true);
    }
    void cleanup()
    {
        closeStore();
    }

    void walksInNaturalOrderAPageAtATime()
    {
        addCitizens(3000);
        Table *t = m_dm->TblPOLITES;
        t->open();
        QCOMPARE(t->recordCount(), 3000);
        QVERIFY(t->bof());
        QString previous;
        int n = 0;
        for (t->first(); !t->eof(); t->next()) {
            const QString s = t->text("EPITHETO");
            QVERIFY(s > previous);
            previous = s;
            ++n;
            QVERIFY(t->cachedRowCount() <= 48 * 128);
        }
        QCOMPARE(n, 3000);
        QCOMPARE(previous, QString("ΕΠΩΝΥΜΟ03000"));
        t->last();
        QVERIFY(t->eof());
        QCOMPARE(t->recNo(), 2999);
        t->prior();
        QCOMPARE(t->text("EPITHETO"), QString("ΕΠΩΝΥΜΟ02999"));
        t->moveTo(1500);
        QCOMPARE(t->text("EPITHETO"), QString("ΕΠΩΝΥΜΟ01501"));
        t->first();
        t->prior();
        QVERIFY(t->bof());
        QCOMPARE(t->recNo(), 0);
    }

    void locateAndFilter()
    {
        addCitizens(500);
        Table *t = m_dm->TblPOLITES;
        t->open();
        QVERIFY(t->locate("EPITHETO", "ΕΠΩΝΥΜΟ00250"));
        QCOMPARE(t->recNo(), 249);
        QVERIFY(t->locate(QStringList{"ONOMA", "EPITHETO"}, {"ΟΝΟΜΑ0", "ΕΠΩΝΥΜΟ00500"}));
        QCOMPARE(t->recNo(), 499);
        QVERIFY(!t->locate("EPITHETO", "ΚΑΝΕΝΑΣ"));
        QVERIFY(!t->locate("AUTONUM", "όχι αριθμός"));

        t->setFilter("ONOMA='ΟΝΟΜΑ3'");
        QCOMPARE(t->recordCount(), 500); // not yet switched on
        t->setFiltered(true);
        QCOMPARE(t->recordCount(), 71);
        for (t->first(); !t->eof(); t->next())
            QCOMPARE(t->text("ONOMA"), QString("ΟΝΟΜΑ3"));
        t->setFilter("ONOMA='ΟΝΟΜΑ3' AND EPITHETO='ΕΠΩΝΥΜΟ00497'");
        QCOMPARE(t->recordCount(), 1);
        // A quote inside the filter's text stays inside the value.
        t->setFilter("ONOMA='x'' OR ''1''=''1'");
        QCOMPARE(t->recordCount(), 0);
        QVERIFY_THROWS_EXCEPTION(DbError, t->setFilter("ONOMA='x'; DROP TABLE POLITES"));
        QVERIFY_THROWS_EXCEPTION(DbError, t->setFilter("NOSUCHFIELD=1"));
        t->setFilter("");
        t->setFiltered(false);
        QCOMPARE(t->recordCount(), 500);
    }

    void masterDetailChains()
    {
        Table *nomoi = m_dm->TblNomoi, *epar = m_dm->TblEPARXIES, *dhmoi = m_dm->TblDHMOI, *poleis = m_dm->TblPOLEIS;
        for (Table *t : {nomoi, epar, dhmoi, poleis})
            t->open();
        QVERIFY(epar->isEmpty()); // no prefecture yet

        for (const char *n : {"ΑΡΚΑΔΙΑΣ", "ΑΧΑΪΑΣ"}) {
            nomoi->insert();
            nomoi->fieldByName("NOMOS").setValue(n);
            nomoi->post();
        }
        QVERIFY(nomoi->locate("NOMOS", "ΑΡΚΑΔΙΑΣ"));
        const int arkadia = nomoi->integer("AUTONUM");
        // A province inserted through the detail receives its prefecture.
        epar->insert();
        epar->fieldByName("EPARXIA").setValue("ΜΑΝΤΙΝΕΙΑΣ");
        epar->post();
        QCOMPARE(epar->integer("NOMOS"), arkadia);
        dhmoi->insert();
        dhmoi->fieldByName("DHMOS").setValue("ΤΡΙΠΟΛΗΣ");
        dhmoi->post();
        QCOMPARE(dhmoi->integer("EPARXIA"), epar->integer("AUTONUM"));
        QCOMPARE(dhmoi->integer("NOMOS"), arkadia);
        poleis->insert();
        poleis->fieldByName("POLH").setValue("ΤΡΙΠΟΛΗ");
        poleis->fieldByName("TK").setValue("22100");
        poleis->post();
        QCOMPARE(poleis->integer("DHMOS"), dhmoi->integer("AUTONUM"));
        QCOMPARE(poleis->recordCount(), 1);

        // Moving the master re-restricts every level below it at once.
        QVERIFY(nomoi->locate("NOMOS", "ΑΧΑΪΑΣ"));
        QVERIFY(epar->isEmpty());
        QVERIFY(dhmoi->isEmpty());
        QVERIFY(poleis->isEmpty());
        QVERIFY(nomoi->locate("NOMOS", "ΑΡΚΑΔΙΑΣ"));
        QCOMPARE(poleis->text("POLH"), QString("ΤΡΙΠΟΛΗ"));

        // Deleting a prefecture leaves its provinces in the file, unreachable by the chain.
        nomoi->remove();
        QCOMPARE(m_store->scalar("SELECT COUNT(*) FROM EPARXIES").toInt(), 1);
        QCOMPARE(nomoi->text("NOMOS"), QString("ΑΧΑΪΑΣ"));
        QVERIFY(epar->isEmpty());
    }

    void failedPostKeepsThePendingRow()
    {
        Table *t = m_dm->TblEpagelmata;
        t->open();
        t->insert();
        t->fieldByName("Epagelma").setValue("ΓΙΑΤΡΟΣ");
        t->post();
        t->insert();
        t->fieldByName("Epagelma").setValue("ΓΙΑΤΡΟΣ");
        try {
            t->post();
            QFAIL("a duplicate profession was stored");
        } catch (const DbError &e) {
            QVERIFY(e.isKeyViolation());
        }
        QCOMPARE(t->state(), Dataset::Insert);
        t->cancel();
        QCOMPARE(t->state(), Dataset::Browse);
        QCOMPARE(t->recordCount(), 1);
        QCOMPARE(t->text("Epagelma"), QString("ΓΙΑΤΡΟΣ"));

        // Editing, cancelling and deleting.
        t->edit();
        t->fieldByName("Epagelma").setValue("ΙΑΤΡΟΣ");
        t->cancel();
        QCOMPARE(t->text("Epagelma"), QString("ΓΙΑΤΡΟΣ"));
        t->edit();
        t->fieldByName("Epagelma").setValue("ΙΑΤΡΟΣ");
        t->post();
        QCOMPARE(m_store->scalar("SELECT Epagelma FROM Epagelmata").toString(), QString("ΙΑΤΡΟΣ"));
        QVERIFY_THROWS_EXCEPTION(DbError, t->fieldByName("Epagelma").setValue("Χ")); // not editing
        QVERIFY_THROWS_EXCEPTION(DbError, [&] {
            t->edit();
            t->fieldByName("AUTONUM").setValue(99);
        }());
        t->cancel();
        t->remove();
        QVERIFY(t->isEmpty());
        QVERIFY_THROWS_EXCEPTION(DbError, t->edit());
    }

    void aPostIsCommittedAndSeenByOtherDatasets()
    {
        Table *t = m_dm->TblPOLITES;
        Query *q = m_dm->SearchQry;
        t->open();
        q->open();
        QVERIFY(q->isEmpty());
        QSignalSpy reset(q, &Dataset::rowsReset);
        t->insert();
        t->fieldByName("EPITHETO").setValue("ΠΑΠΑΔΟΠΟΥΛΟΣ");
        t->fieldByName("ONOMA").setValue("ΙΩΑΝΝΗΣ");
        t->post();
        QVERIFY(reset.count() >= 1);
        QCOMPARE(q->recordCount(), 1);
        QCOMPARE(q->text("EPITHETO"), QString("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
        // Committed: a connection of its own sees it.
        {
            QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
            other.setDatabaseName(m_store->mainFile());
            QVERIFY(other.open());
            QSqlQuery sq(other);
            QVERIFY(sq.exec("SELECT COUNT(*) FROM POLITES") && sq.next());
            QCOMPARE(sq.value(0).toInt(), 1);
        }
        QSqlDatabase::removeDatabase("other");

        // A change made by SQL elsewhere is followed, and the current row stays current.
        t->insert();
        t->fieldByName("EPITHETO").setValue("ΑΛΕΞΙΟΥ");
        t->post();
        QCOMPARE(t->text("EPITHETO"), QString("ΑΛΕΞΙΟΥ"));
        QCOMPARE(t->recNo(), 0);
        m_store->exec("INSERT INTO POLITES (EPITHETO) VALUES ('ΑΑΑ')");
        QCOMPARE(t->recordCount(), 3);
        QCOMPARE(t->text("EPITHETO"), QString("ΑΛΕΞΙΟΥ"));
        QCOMPARE(t->recNo(), 1);
    }

    void transactionsAreWholeOrNothing()
    {
        Table *t = m_dm->TblPOLITES;
        t->open();
        try {
            Transaction tx(*m_store);
            t->insert();
            t->fieldByName("EPITHETO").setValue("ΜΙΣΟΣ");
            t->post();
            m_store->exec("INSERT INTO POLITES_SYNYPOPS (POLITESID, SYNYPOPS, VOTES) VALUES (?, 'Α', 2)",
                          {t->integer("AUTONUM")});
            m_store->exec("INSERT INTO NOSUCHTABLE VALUES (1)");
            tx.commit();
        } catch (const DbError &) {
        }
        QCOMPARE(m_store->scalar("SELECT COUNT(*) FROM POLITES").toInt(), 0);
        QCOMPARE(m_store->scalar("SELECT COUNT(*) FROM POLITES_SYNYPOPS").toInt(), 0);
        QVERIFY(t->isEmpty());
    }

    void queriesTakeTheScreensSql()
    {
        addCitizens(300);
        Query *q = m_dm->SearchQry;
        q->setSql(QStringList{"Select * From POLITES Where ", "(ONOMA = 'ΟΝΟΜΑ2')", "-- trailing remark"});
        q->open();
        QCOMPARE(q->recordCount(), 43);
        int n = 0;
        for (q->first(); !q->eof(); q->next())
            ++n;
        QCOMPARE(n, 43);
        QVERIFY(q->locate("EPITHETO", "ΕΠΩΝΥΜΟ00298"));
        QCOMPARE(q->text("ONOMA"), QString("ΟΝΟΜΑ2"));
        QVERIFY_THROWS_EXCEPTION(DbError, q->insert());

        Query *named = m_dm->CelebrQry;
        named->setSql("Select * From POLITES Where ONOMA = :Name");
        named->setParam("Name", "ΟΝΟΜΑ0");
        named->open();
        QCOMPARE(named->recordCount(), 43);

        Query *bad = m_dm->Query2;
        bad->setSql("Select * From POLITES Where ()");
        QVERIFY_THROWS_EXCEPTION(DbError, bad->open());
        QVERIFY(!bad->active());

        Query *sum = m_dm->QryStatTotPSHFOI;
        m_store->exec("INSERT INTO POLEIS (NOMOS,EPARXIA,DHMOS,POLH) VALUES (1,1,1,'ΚΑΣΤΡΙ')");
        m_store->exec("INSERT INTO TOT_PSHFOI (POLITESID, POLH, VOTES) VALUES (1,'ΚΑΣΤΡΙ',4),(2,'ΚΑΣΤΡΙ',3)");
        sum->open();
        QCOMPARE(sum->fieldByName("SUM OF VOTES").asInteger(), 7);
        QCOMPARE(sum->fieldByName("SUM OF VOTES").value().typeId(), int(QMetaType::LongLong));
    }

    void aggregatesComeFromSqlOverTheRowSet()
    {
        addCitizens(300);
        m_store->exec("UPDATE POLITES SET AVOTE = AUTONUM % 5, PVOTE = CASE WHEN AUTONUM % 2 = 0 THEN 1 END");
        Query *q = m_dm->SearchQry;
        q->setSql(QStringList{"Select * From POLITES Where ", "(ONOMA = :Name)", "-- trailing remark"});
        q->setParam("Name", "ΟΝΟΜΑ2");
        q->open();
        QSqlQuery check = m_store->exec("SELECT SUM(AVOTE), COALESCE(SUM(PVOTE),0) FROM POLITES WHERE ONOMA = 'ΟΝΟΜΑ2'");
        QVERIFY(check.next());
        const QVariantList got = q->aggregate({"COUNT(*)", "SUM(AVOTE)", "COALESCE(SUM(PVOTE),0)"});
        QCOMPARE(got.size(), 3);
        QCOMPARE(got[0].toInt(), 43);
        QCOMPARE(got[1].toLongLong(), check.value(0).toLongLong());
        QCOMPARE(got[2].toLongLong(), check.value(1).toLongLong());
        QVERIFY(got[2].toLongLong() > 0);
        QVERIFY(q->cachedRowCount() <= 43); // only the rows read when opened, not walked
        // A filter narrows the aggregates as it narrows the rows.
        q->setFilter("AVOTE=0");
        q->setFiltered(true);
        QCOMPARE(q->aggregate({"COUNT(*)"}).value(0).toInt(), q->recordCount());
        QVERIFY(q->recordCount() < 43);
        q->close();
        QVERIFY(q->aggregate({"COUNT(*)"}).isEmpty());
    }

    void totalsFromAConnectionOfTheirOwn()
    {
        addCitizens(3000);
        Query *q = m_dm->SearchQry;
        q->setSql("Select * From POLITES Where ONOMA <> :Name");
        q->setParam("Name", "ΟΝΟΜΑ1");
        q->open();
        QVERIFY(!q->countKnown());
        QSignalSpy counted(q, &Dataset::rowsCounted);
        BackgroundAggregate a(q, {"SUM(LENGTH(ONOMA))"});
        QVERIFY(a.wait());
        const int expected = m_store->scalar("SELECT COUNT(*) FROM POLITES WHERE ONOMA <> 'ΟΝΟΜΑ1'").toInt();
        QCOMPARE(a.values().value(0).toInt(), expected);
        QCOMPARE(a.values().value(1).toInt(), expected * 6);
        QVERIFY(q->countKnown()); // the dataset learnt its count
        QCOMPARE(q->recordCount(), expected);
        QCOMPARE(counted.count(), 1);

        // Rows read anew meanwhile: the count is not taken for the new rows.
        q->refresh();
        BackgroundAggregate b(q, {});
        q->setFilter("ONOMA='ΟΝΟΜΑ2'");
        q->setFiltered(true);
        QVERIFY(b.wait());
        QVERIFY(!q->countKnown());

        // A pass that is stopped delivers nothing.
        BackgroundAggregate c(q, {"SUM(LENGTH(EPITHETO))"});
        QSignalSpy done(&c, &BackgroundAggregate::finished);
        c.cancel();
        QVERIFY(!c.running());
        QCoreApplication::processEvents();
        QCOMPARE(done.count(), 0);

        // A statement the engine refuses reports its error.
        BackgroundAggregate d(q, {"SUM(NOSUCHFIELD)"});
        QVERIFY(!d.wait());
        QVERIFY(!d.error().isEmpty());
    }

    void closingTheStoreStopsItsPasses()
    {
        addCitizens(3000);
        Query *q = m_dm->SearchQry;
        q->setSql("Select * From POLITES");
        q->open();
        BackgroundAggregate a(q, {"SUM(LENGTH(ONOMA))"});
        QSignalSpy done(&a, &BackgroundAggregate::finished);
        m_store->close();
        QVERIFY(!a.running());
        QCoreApplication::processEvents();
        QCOMPARE(done.count(), 0);
        m_store->open(m_home->path("Db"));
    }

    void keysTableHasItsOwnConnection()
    {
        Table *p = m_dm->TblPasswords;
        p->open();
        p->insert();
        p->fieldByName("IsForAll").setValue(0);
        p->fieldByName("Password").setValue("ΚΛΕΙΔΙ");
        p->post();
        QCOMPARE(m_store->scalar("SELECT Password FROM PASSWORDS", {}, Store::Pass).toString(), QString("ΚΛΕΙΔΙ"));
        p->insert();
        p->fieldByName("IsForAll").setValue(0);
        QVERIFY_THROWS_EXCEPTION(DbError, p->post());
        p->cancel();
    }
};

QTEST_GUILESS_MAIN(TstDataset)
#include "tst_dataset.moc"
