// The store: the forty tables created on first start, their keys, widths and names,
// the entry keys' own connection, and the refusal of data files that cannot be used.
#include "data/DataModule.h"
#include "data/Schema.h"
#include "data/SqlText.h"
#include "data/Store.h"
#include "StoreFixture.h"
#include "TestSupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

using namespace dorvani;

namespace {
QByteArray digest(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}
} // namespace

class TstStore : public test::StoreTest {
    Q_OBJECT

    QString dbDir() const { return m_home->path("Db"); }

private slots:
    void init()
    {
        openStore();
    }
    void cleanup()
    {
        closeStore();
    }

    void createsFortyTablesWithTheirFields()
    {
        QVERIFY(m_store->createdNew());
        QCOMPARE(Schema::tables().size(), 40);
        int found = 0;
        for (const TableDef &t : Schema::tables()) {
            const Store::Conn c = t.ownFile ? Store::Pass : Store::Main;
            QSqlQuery q = m_store->exec(QString("PRAGMA table_info(\"%1\")").arg(t.name), {}, c);
            QStringList cols;
            while (q.next()) {
                cols << q.value(1).toString();
                const FieldDef *f = t.field(q.value(1).toString());
                QVERIFY(f);
                if (f->isText()) {
                    QCOMPARE(q.value(3).toInt(), 1); // NOT NULL
                    QCOMPARE(q.value(4).toString(), QString("''"));
                }
            }
            QStringList expected;
            for (const FieldDef &f : t.fields)
                expected << f.name;
            QCOMPARE(cols, expected);
            ++found;
        }
        QCOMPARE(found, 40);
        for (const char *ix : {"Idx_EkEnNoDh", "BYCELEBRITYNAME", "MD_DATE", "DATE_AND_TIME"})
            QCOMPARE(m_store->scalar("SELECT COUNT(*) FROM sqlite_master WHERE type='index' AND name=?", {ix}).toInt(), 1);
    }

    void reopeningKeepsTheData()
    {
        m_store->exec("INSERT INTO NOMOI (NOMOS) VALUES ('ΑΡΚΑΔΙΑΣ')");
        m_store->close();
        Store again;
        again.open(dbDir());
        QVERIFY(!again.createdNew());
        QCOMPARE(again.scalar("SELECT NOMOS FROM NOMOI").toString(), QString("ΑΡΚΑΔΙΑΣ"));
    }

    void uniqueKeys()
    {
        // Two citizens of the same name are both stored; they differ by number.
        m_store->exec("INSERT INTO POLITES (EPITHETO, ONOMA, PATR) VALUES ('ΠΑΠΑΣ','ΝΙΚΟΣ','ΓΙΩΡΓΟΣ')");
        m_store->exec("INSERT INTO POLITES (EPITHETO, ONOMA, PATR) VALUES ('ΠΑΠΑΣ','ΝΙΚΟΣ','ΓΙΩΡΓΟΣ')");
        QCOMPARE(m_store->scalar("SELECT COUNT(DISTINCT AUTONUM) FROM POLITES").toInt(), 2);

        // A second equal town in one municipality is refused; elsewhere it is accepted.
        m_store->exec("INSERT INTO POLEIS (NOMOS,EPARXIA,DHMOS,POLH) VALUES (1,1,1,'ΚΑΣΤΡΙ')");
        try {
            m_store->exec("INSERT INTO POLEIS (NOMOS,EPARXIA,DHMOS,POLH) VALUES (1,1,1,'ΚΑΣΤΡΙ')");
            QFAIL("a second equal town was stored");
        } catch (const DbError &e) {
            QVERIFY(e.isKeyViolation());
        }
        m_store->exec("INSERT INTO POLEIS (NOMOS,EPARXIA,DHMOS,POLH) VALUES (1,1,2,'ΚΑΣΤΡΙ')");
        QCOMPARE(m_store->scalar("SELECT COUNT(*) FROM POLEIS").toInt(), 2);

        // A name day of a name that exists already fails.
        m_store->exec("INSERT INTO CELEBRITIES (NAME,DDATE,MONTHSID) VALUES ('ΝΙΚΟΛΑΟΣ',6,12)");
        QVERIFY_THROWS_EXCEPTION(DbError, m_store->exec("INSERT INTO CELEBRITIES (NAME,DDATE,MONTHSID) VALUES ('ΝΙΚΟΛΑΟΣ',7,1)"));

        // One row of keys per IsForAll.
        m_store->exec("INSERT INTO PASSWORDS (IsForAll, Password) VALUES (0,'a')", {}, Store::Pass);
        m_store->exec("INSERT INTO PASSWORDS (IsForAll, Password) VALUES (1,'b')", {}, Store::Pass);
        QVERIFY_THROWS_EXCEPTION(DbError,
                                 m_store->exec("INSERT INTO PASSWORDS (IsForAll, Password) VALUES (1,'c')", {}, Store::Pass));
        QCOMPARE(m_store->scalar("SELECT COUNT(*) FROM PASSWORDS", {}, Store::Pass).toInt(), 2);
    }

    void autonumIsNeverReused()
    {
        m_store->exec("INSERT INTO POLITES (EPITHETO, ONOMA) VALUES ('Α','Β')");
        m_store->exec("INSERT INTO POLITES (EPITHETO, ONOMA) VALUES ('Γ','Δ')");
        const int last = m_store->scalar("SELECT MAX(AUTONUM) FROM POLITES").toInt();
        m_store->exec("DELETE FROM POLITES");
        m_store->exec("INSERT INTO POLITES (EPITHETO, ONOMA) VALUES ('Ε','Ζ')");
        QVERIFY(m_store->scalar("SELECT AUTONUM FROM POLITES").toInt() > last);
        m_store->close();
        Store again;
        again.open(dbDir());
        again.exec("DELETE FROM POLITES");
        again.exec("INSERT INTO POLITES (EPITHETO, ONOMA) VALUES ('Η','Θ')");
        QVERIFY(again.scalar("SELECT AUTONUM FROM POLITES").toInt() > last + 1);
    }

    void namesAreQuotedWithTheirQuotesDoubled()
    {
        QCOMPARE(sqlIdent("POLITES"), QString("\"POLITES\""));
        QCOMPARE(sqlIdent("TO"), QString("\"TO\""));
        QCOMPARE(sqlIdent("A\"B"), QString("\"A\"\"B\""));
        QCOMPARE(sqlIdent(""), QString("\"\""));
    }

    void tableNamesResolveWithoutRegardToCase()
    {
        m_store->exec("INSERT INTO \"TO.db\" (N_O, N_E, T_O) VALUES (1, 2, 'ΚΕΝΤΡΟ')");
        QCOMPARE(m_store->scalar("select count(*) from \"TO.db\"").toInt(), 1);
        QCOMPARE(m_store->scalar("Select T_O From TO").toString(), QString("ΚΕΝΤΡΟ"));
        QCOMPARE(m_store->scalar("select count(*) from to E1 where E1.N_O = 1").toInt(), 1);
        m_store->exec("INSERT INTO NO (NOMOS, N_O) VALUES (1, 'Ν.Ο. ΑΡΚΑΔΙΑΣ')");
        QCOMPARE(m_store->scalar("SELECT N_O FROM no").toString(), QString("Ν.Ο. ΑΡΚΑΔΙΑΣ"));
        m_store->exec("INSERT INTO TOT_PSHFOI (POLITESID, POLH, VOTES) VALUES (1, 'Α', 3)");
        QCOMPARE(m_store->scalar("SELECT SUM(VOTES) FROM Tot_PSHFOI").toInt(), 3);
        QCOMPARE(m_store->scalar("SELECT COUNT(*) FROM \"Synypops.DB\"").toInt(), 0);
        QCOMPARE(m_store->scalar("SELECT COUNT(*) FROM Polites_SYNYPOPS").toInt(), 0);
        // Text inside literals is left alone.
        QCOMPARE(m_store->scalar("SELECT 'FROM TO \"TO.db\"'").toString(), QString("FROM TO \"TO.db\""));
        QCOMPARE(Schema::find("ethinkothtes.DB")->name, QString("Ethinkothtes"));
        QCOMPARE(Store::writtenTable("Delete From POLITES_SYNYPOPS WHERE X=1"), QString("POLITES_Synypops"));
        QCOMPARE(Store::tablesOf("Select * From POLITES E1, Tot_PSHFOI E2"), (QStringList{"POLITES", "TOT_PSHFOI"}));
    }

    // A statement with common table expressions writes only when the statement they serve does.
    void writingStatementsAreKnown_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("writes");
        QTest::newRow("select") << "SELECT * FROM POLITES" << false;
        QTest::newRow("update") << "  update POLITES SET ONOMA = 'X'" << true;
        QTest::newRow("with select")
            << "WITH V(A, B) AS (SELECT 1, 2), W AS (SELECT * FROM V) SELECT * FROM W" << false;
        QTest::newRow("with a write inside a name") << "WITH \"DELETE\" AS (SELECT 1) SELECT * FROM \"DELETE\"" << false;
        QTest::newRow("with delete") << "WITH V AS (SELECT 1 AS A) DELETE FROM POLITES WHERE AUTONUM IN (SELECT A FROM V)"
                                     << true;
        QTest::newRow("with insert") << "with recursive n(x) as (select 1 union all select x + 1 from n where x < 3) "
                                        "insert into EPIROES (EPIROH) select x from n"
                                     << true;
    }
    void writingStatementsAreKnown()
    {
        QFETCH(QString, sql);
        QFETCH(bool, writes);
        QCOMPARE(sqltext::isWrite(sql), writes);
    }

    void dayListsRunAsOneLookup_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("rewritten");
        const QString days = "BIRTHDAY LIKE '01/03%' OR BIRTHDAY LIKE '02/03%' OR BIRTHDAY LIKE '03/03%' OR "
                             "BIRTHDAY LIKE '04/03%'";
        QTest::newRow("a group") << "Select * From POLITES Where (ONOMA <> 'Χ') AND ( " + days + ")" << true;
        QTest::newRow("the whole condition") << "Select * From POLITES Where\n" + days + "\nOrder By EPITHETO" << true;
        QTest::newRow("lower-case field") << "select * from POLITES where (" + QString(days).replace("BIRTHDAY", "BirthDay") + ")"
                                           << true;
        QTest::newRow("not the whole condition")
            << "Select * From POLITES Where ONOMA = 'Α' AND " + days << false;
        QTest::newRow("another field in the run")
            << "Select * From POLITES Where (" + days + " OR CELEBRDAY LIKE '05/03%')" << false;
        QTest::newRow("letters in a pattern")
            << "Select * From POLITES Where (" + days + " OR BIRTHDAY LIKE 'ab/03%')" << false;
        QTest::newRow("a pattern of another length")
            << "Select * From POLITES Where (" + days + " OR BIRTHDAY LIKE '05/03/1%')" << false;
        QTest::newRow("three days only")
            << "Select * From POLITES Where (BIRTHDAY LIKE '01/03%' OR BIRTHDAY LIKE '02/03%' OR BIRTHDAY LIKE '03/03%')"
            << false;
    }
    void dayListsRunAsOneLookup()
    {
        QFETCH(QString, sql);
        QFETCH(bool, rewritten);
        const QStringList births = {"01/03/1961", "02/03/XXXX", "05/03/1970", "XX/XX/XXXX", "04/03/2001", "31/12/1999"};
        for (int i = 0; i < births.size(); ++i)
            m_store->exec("INSERT INTO POLITES (EPITHETO, ONOMA, BIRTHDAY) VALUES (?, 'Α', ?)",
                          {QString("Ε%1").arg(i), births[i]});
        const QString run = Store::normaliseSql(sql);
        QCOMPARE(run.contains("substr(", Qt::CaseInsensitive), rewritten);
        QCOMPARE(run.contains(" LIKE "), !rewritten);
        // The same citizens either way: the statement as written, run on a connection of
        // its own, finds the rows the store finds.
        auto rows = [](QSqlQuery q) {
            QStringList out;
            while (q.next())
                out << q.value("BIRTHDAY").toString();
            out.sort();
            return out;
        };
        const QStringList found = rows(m_store->exec(sql));
        QStringList plain;
        {
            QSqlDatabase raw = QSqlDatabase::addDatabase("QSQLITE", "raw");
            raw.setDatabaseName(m_store->mainFile());
            QVERIFY(raw.open());
            QSqlQuery q(raw);
            QVERIFY(q.exec(sql));
            plain = rows(std::move(q));
        }
        QSqlDatabase::removeDatabase("raw");
        QCOMPARE(found, plain);
        QVERIFY(!found.isEmpty());
    }

    void keysAreReadableOnlyThroughTheirConnection()
    {
        m_store->exec("INSERT INTO PASSWORDS (IsForAll, Password) VALUES (0,'secret')", {}, Store::Pass);
        QVERIFY_THROWS_EXCEPTION(DbError, m_store->exec("SELECT * FROM PASSWORDS"));
        QVERIFY(QFile::exists(QDir(dbDir()).filePath("PASSWORDS.db")));
        QCOMPARE(m_store->scalar("SELECT Password FROM PASSWORDS", {}, Store::Pass).toString(), QString("secret"));
    }

    void valuesAreCutToTheirFields_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("stored");
        QTest::newRow("surname") << "POLITES" << "EPITHETO" << QString(35, QChar(0x0391)) << QString(30, QChar(0x0391));
        QTest::newRow("fits") << "POLITES" << "TK" << "22100" << "22100";
        QTest::newRow("list cut at a comma") << "POLITES" << "EPAFES" << "0,1,2,3,4,5,10,11,12,13,14" << "0,1,2,3,4,5,10,11,12";
        QTest::newRow("list cut before a long item") << "POLITES" << "EPAFES" << "0,1,2,3,4,5,10,11,123" << "0,1,2,3,4,5,10,11";
        QTest::newRow("list exactly full") << "POLITES" << "EPAFES" << "10,11,12,13,14,15,16" << "10,11,12,13,14,15,16";
        QTest::newRow("list whose first item is too long") << "POLITES" << "EPAFES" << "123456789012345678901" << "";
        QTest::newRow("capacities") << "POLITES" << "IDIOTHTA"
                                    << "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26"
                                    << "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22";
    }
    void valuesAreCutToTheirFields()
    {
        QFETCH(QString, table);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, stored);
        const FieldDef *f = Schema::table(table).field(field);
        QVERIFY(f);
        const QString cut = Schema::fitText(*f, value);
        QCOMPARE(cut, stored);
        QVERIFY(cut.size() <= f->width);

        // The same through a dataset.
        TDataMdl dm;
        Table *t = dm.TblPOLITES;
        t->open();
        t->insert();
        t->fieldByName("EPITHETO").setValue("Χ");
        t->fieldByName(field).setValue(value);
        t->post();
        QCOMPARE(m_store->scalar(QString("SELECT %1 FROM POLITES").arg(field)).toString(), stored);
    }

    void numbersAreIntegersOrNull()
    {
        TDataMdl dm;
        Table *t = dm.TblPOLITES;
        t->open();
        t->insert();
        t->fieldByName("EPITHETO").setValue("Α");
        t->fieldByName("AVOTE").setValue("");
        t->fieldByName("PVOTE").setValue(" 7 ");
        QVERIFY_THROWS_EXCEPTION(DbError, t->fieldByName("MELHOIKOG").setValue("τρία"));
        t->post();
        QCOMPARE(m_store->scalar("SELECT typeof(AVOTE) || ',' || typeof(PVOTE) || ',' || typeof(MELHOIKOG) FROM POLITES").toString(),
                 QString("null,integer,null"));
        QCOMPARE(m_store->scalar("SELECT typeof(SUM(PVOTE)) FROM POLITES").toString(), QString("integer"));
    }

    void refusesFilesItCannotUse_data()
    {
        QTest::addColumn<int>("damage");
        QTest::newRow("not a database") << 0;
        QTest::newRow("missing table") << 1;
        QTest::newRow("keys file missing") << 2;
        QTest::newRow("truncated") << 3;
        QTest::newRow("another program's database") << 4;
    }
    void refusesFilesItCannotUse()
    {
        QFETCH(int, damage);
        m_store->exec("INSERT INTO NOMOI (NOMOS) VALUES ('ΑΧΑΪΑΣ')");
        m_store->close();
        const QString main = QDir(dbDir()).filePath("DORVANI.db");
        const QString pass = QDir(dbDir()).filePath("PASSWORDS.db");
        QString named = main;
        switch (damage) {
        case 0: {
            QFile::remove(main);
            QFile f(main);
            f.open(QIODevice::WriteOnly);
            f.write("this is a letter, not a database\n");
            break;
        }
        case 1: {
            Store s;
            s.open(dbDir());
            s.exec("DROP TABLE EPAFES");
            s.close();
            break;
        }
        case 2:
            QFile::remove(pass);
            named = pass;
            break;
        case 3: {
            QFile f(main);
            f.open(QIODevice::ReadWrite);
            f.resize(100);
            break;
        }
        case 4: {
            QFile::remove(main);
            QSqlDatabase d = QSqlDatabase::addDatabase("QSQLITE", "other");
            d.setDatabaseName(main);
            d.open();
            QSqlQuery(d).exec("CREATE TABLE notes (x)");
            d.close();
            d = QSqlDatabase();
            QSqlDatabase::removeDatabase("other");
            break;
        }
        }
        const QByteArray before = QFile::exists(main) ? digest(main) : QByteArray();
        Store s;
        try {
            s.open(dbDir());
            QFAIL("an unusable data folder was opened");
        } catch (const DbError &e) {
            QCOMPARE(e.kind(), DbError::Damaged);
            QVERIFY2(e.message().contains(QDir::toNativeSeparators(named)), qPrintable(e.message()));
        }
        QVERIFY(!s.isOpen());
        if (!before.isEmpty())
            QCOMPARE(digest(main), before); // nothing overwritten
    }
};

QTEST_GUILESS_MAIN(TstStore)
#include "tst_store.moc"
