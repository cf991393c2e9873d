// The lookup indexes beside the register: each search an office makes most often is
// answered through its index (a later change of the statements that loses one fails
// here), telephones are found however they were typed, and a register made before the
// indexes gets them, and its numbers normalised, on its next start.
#include "citizens/CitizenStore.h"
#include "data/LookupIndexes.h"
#include "data/Store.h"
#include "data/Telephones.h"
#include "ProgramFixture.h"
#include "search/SearchBuilder.h"
#include "StoreFixture.h"
#include "TestSupport.h"

#include <QTest>

using namespace dorvani;

Q_DECLARE_METATYPE(SearchCriteria)

class TstLookupIndexes : public test::StoreTest {
    Q_OBJECT

    int addCitizen(const QString &surname, const QString &name, const QString &father, const QString &phone)
    {
        CitizenRecord r;
        r.fields = {{"EPITHETO", surname}, {"ONOMA", name},       {"PATR", father}, {"SXESH", -1},
                    {"KOMA", -1},         {"TELO_1", phone},      {"MOBILE2", phone}, {"BIRTHDAY", "03/12/1980"},
                    {"CELEBRDAY", "06/12"}, {"POLH", 7}};
        return CitizenStore::insert(r);
    }
    QString plan(const QString &sql)
    {
        QSqlQuery q = m_store->exec("EXPLAIN QUERY PLAN " + Store::normaliseSql(sql));
        QStringList steps;
        while (q.next())
            steps << q.value(3).toString();
        return steps.join(" | ");
    }
    QList<int> found(const QString &sql)
    {
        QSqlQuery q = m_store->exec(Store::normaliseSql("SELECT AUTONUM FROM (" + sql + ") ORDER BY AUTONUM"));
        QList<int> out;
        while (q.next())
            out << q.value(0).toInt();
        return out;
    }

private slots:
    void init() { openStore(); }
    void cleanup() { closeStore(); }

    void normalisedNumbers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("digits") << "2101234567" << "2101234567";
        QTest::newRow("blanks") << " 210 123 4567 " << "2101234567";
        QTest::newRow("dashes and dots") << "210-123.45.67" << "2101234567";
        QTest::newRow("brackets and slash") << "(210) 123/4567" << "2101234567";
        QTest::newRow("+30") << "+30 694 444 4444" << "6944444444";
        QTest::newRow("0030") << "0030-2101234567" << "2101234567";
        QTest::newRow("foreign") << "+44 20 7946 0000" << "+442079460000";
        QTest::newRow("wildcard kept") << "210 *" << "210*";
        QTest::newRow("not a number") << " ΜΕΣΩ ΓΡΑΦΕΙΟΥ " << "ΜΕΣΩ ΓΡΑΦΕΙΟΥ";
        QTest::newRow("empty") << "" << "";
    }
    void normalisedNumbers()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QCOMPARE(phones::normalised(typed), stored);
        // The conversion of an old register gives the same form as a save.
        if (!typed.contains('*'))
            QCOMPARE(m_store->scalar("WITH t(v) AS (SELECT ?) SELECT " + phones::normalisingSql("v") + " FROM t", {typed})
                         .toString(),
                     stored);
    }

    void searchesUseTheirIndex_data()
    {
        QTest::addColumn<SearchCriteria>("criteria");
        QTest::addColumn<QString>("index");
        QTest::addColumn<int>("matches");
        auto row = [](const char *name, const std::function<void(SearchCriteria &)> &set, const QString &index,
                      int matches) {
            SearchCriteria c;
            set(c);
            QTest::newRow(name) << c << index << matches;
        };
        row("exact telephone", [](SearchCriteria &c) { c.telo[0] = "2101234567"; }, "POLITES_TELO_1", 1);
        row("telephone typed with +30 and blanks", [](SearchCriteria &c) { c.telo[0] = "+30 210 123-4567"; },
            "POLITES_TELO_1", 1);
        row("telephone prefix", [](SearchCriteria &c) { c.telo[0] = "210*"; }, "POLITES_TELO_1", 2);
        row("mobile", [](SearchCriteria &c) { c.mobile2 = "210 123 4567"; }, "POLITES_MOBILE2", 1);
        row("fax", [](SearchCriteria &c) { c.fax = "2101234567"; }, "POLITES_FAX", 0);
        row("surname, name and father", [](SearchCriteria &c) {
            c.epitheto = "ΠΑΠΑΣ";
            c.onoma = "ΝΙΚΟΣ";
            c.patr = "ΓΙΩΡΓΟΣ";
        }, "POLITES_NAMES", 1);
        row("surname prefix matching nobody", [](SearchCriteria &c) { c.epitheto = "ΩΩΩ*"; }, "POLITES_NAMES",
            0);
        row("surname with a typed %", [](SearchCriteria &c) { c.epitheto = "ΠΑΠ%*"; }, "POLITES_NAMES", 0);
        row("first name", [](SearchCriteria &c) { c.onoma = "ΜΑΡΙΑ"; }, "POLITES_ONOMA", 1);
        row("father's name", [](SearchCriteria &c) { c.patr = "ΓΙΩΡΓΟΣ"; }, "POLITES_PATR", 1);
        row("town", [](SearchCriteria &c) { c.polh = {"ΤΡΙΠΟΛΗ", 7}; }, "POLITES_POLH", 2);
        row("birthday range", [](SearchCriteria &c) {
            c.birthFrom = "01/12";
            c.birthTo = "05/12";
        }, "POLITES_BIRTHDAY_DAY", 2);
        row("name day", [](SearchCriteria &c) {
            c.celebrFrom = "06/12";
            c.celebrTo = "06/12";
        }, "POLITES_CELEBRDAY", 2);
        row("name-day range", [](SearchCriteria &c) {
            c.celebrFrom = "20/11";
            c.celebrTo = "10/12";
        }, "POLITES_CELEBRDAY_DAY", 2);
        // Most of the register: read in order, not through the index.
        row("birthdays of a whole year", [](SearchCriteria &c) {
            c.birthFrom = "01/01";
            c.birthTo = "31/12";
        }, "", 2);
        row("a few birthdays", [](SearchCriteria &c) {
            c.birthFrom = "02/12";
            c.birthTo = "03/12";
        }, "POLITES_BIRTHDAY", 2);
    }
    void searchesUseTheirIndex()
    {
        QFETCH(SearchCriteria, criteria);
        QFETCH(QString, index);
        QFETCH(int, matches);
        LookupIndexes::ensure(*m_store);
        addCitizen("ΠΑΠΑΣ", "ΝΙΚΟΣ", "ΓΙΩΡΓΟΣ", "210-123 4567");
        addCitizen("ΠΑΠΑΔΑΚΗ", "ΜΑΡΙΑ", "ΠΕΤΡΟΣ", "2109999999");
        const BuiltSearch b = SearchBuilder::build(criteria);
        QVERIFY(b.ok());
        const QString p = plan(b.sql());
        if (index.isEmpty()) {
            QVERIFY2(p.contains("SCAN POLITES"), qPrintable(p));
        } else {
            QVERIFY2(p.contains("USING INDEX " + index), qPrintable(p));
            QVERIFY2(!p.contains("SCAN POLITES"), qPrintable(p));
        }
        QCOMPARE(found(b.sql()).size(), matches);
    }

    void aSaveStoresTheNormalisedNumber()
    {
        const int a = addCitizen("ΠΑΠΑΣ", "ΝΙΚΟΣ", "", "+30 694-444 4444");
        QCOMPARE(CitizenStore::load(a)["TELO_1"].toString(), QString("6944444444"));
    }

    void anOldRegisterGetsItsIndexesOnItsNextStart()
    {
        closeStore();
        test::TestHome home;
        {
            test::Program p(&home);
            QVERIFY(p.start());
            QVERIFY(LookupIndexes::missing(Store::instance()).isEmpty());
            // A register as it was before: numbers as typed, no lookup indexes.
            Store &s = Store::instance();
            s.exec("INSERT INTO POLITES (EPITHETO, ONOMA, TELO_1, FAX) VALUES ('ΠΑΠΑΣ', 'ΝΙΚΟΣ', '210 123-4567', "
                   "'ΜΕΣΩ ΓΡΑΦΕΙΟΥ')");
            for (const LookupIndexes::Index &ix : LookupIndexes::all())
                s.exec(QString("DROP INDEX \"%1\"").arg(ix.name));
            QCOMPARE(LookupIndexes::missing(s).size(), LookupIndexes::all().size());
        }
        test::Program again(&home);
        QVERIFY(again.start());
        Store &s = Store::instance();
        QVERIFY(LookupIndexes::missing(s).isEmpty());
        QCOMPARE(s.scalar("SELECT TELO_1 FROM POLITES WHERE EPITHETO = 'ΠΑΠΑΣ'").toString(), QString("2101234567"));
        QCOMPARE(s.scalar("SELECT FAX FROM POLITES WHERE EPITHETO = 'ΠΑΠΑΣ'").toString(), QString("ΜΕΣΩ ΓΡΑΦΕΙΟΥ"));
        QVERIFY(again.ui.messages().isEmpty());
    }
};

QTEST_MAIN(TstLookupIndexes)
#include "tst_lookupindexes.moc"
