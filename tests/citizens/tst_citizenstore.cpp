// The register's logic without screens: saving a citizen whole or not at all, the name
// day and vocatives of a first name, the stored forms of dates, stepping in surname order
// and the addresses the screens open.
#include "citizens/CitizenStore.h"
#include "data/DataModule.h"
#include "RegisterFixture.h"
#include "data/Store.h"
#include "StoreFixture.h"
#include "TestSupport.h"

#include <QTest>
#include <QUrl>

using namespace dorvani;

class TstCitizenStore : public test::StoreTest {
    Q_OBJECT

    test::RegisterFixture f;

    static CitizenRecord citizen(const QString &surname, const QString &name, const QString &father = QString())
    {
        CitizenRecord r;
        r.fields = {{"EPITHETO", surname}, {"ONOMA", name}, {"PATR", father}, {"SXESH", -1}, {"KOMA", -1}};
        r.votes = CitizenStore::coCandidates();
        return r;
    }
    int count(const QString &table, const QString &where = "1")
    {
        return m_store->scalar(QString("SELECT COUNT(*) FROM %1 WHERE %2").arg(table, where)).toInt();
    }

private slots:
    void init()
    {
        openStore();
        f = test::RegisterFixture::fill();
    }
    void cleanup()
    {
        closeStore();
    }

    void insertWritesTheWholeCitizen()
    {
        CitizenRecord r = citizen("ΠΑΠΑΣ", "ΝΙΚΟΣ");
        r.votes[0].votes = 5;
        r.notes.requests = "ΜΕΤΑΘΕΣΗ";
        const int id = CitizenStore::insert(r);
        QVERIFY(id > 0);
        QCOMPARE(count("POLITES"), 1);
        QCOMPARE(count("POLITES_Synypops", QString("POLITESID=%1").arg(id)), 2);
        QCOMPARE(m_store->scalar("SELECT VOTES FROM POLITES_Synypops WHERE SYNYPOPS='ΑΛΦΑ ΑΛΦΑΣ'").toInt(), 5);
        QVERIFY(m_store->scalar("SELECT VOTES FROM POLITES_Synypops WHERE SYNYPOPS='ΒΗΤΑ ΒΗΤΑΣ'").isNull());
        QCOMPARE(m_store->scalar("SELECT AITHMATA FROM SpecialNotes WHERE POLITES_ID=?", {id}).toString(),
                 QString("ΜΕΤΑΘΕΣΗ"));
        // Without note texts no notes row.
        CitizenStore::insert(citizen("ΠΑΠΑΣ", "ΓΙΑΝΝΗΣ"));
        QCOMPARE(count("SpecialNotes"), 1);
        QVERIFY(CitizenStore::duplicateExists("ΠΑΠΑΣ", "ΝΙΚΟΣ", ""));
        QVERIFY(!CitizenStore::duplicateExists("ΠΑΠΑΣ", "ΝΙΚΟΣ", "ΓΙΩΡΓΟΣ"));
        QVERIFY(!CitizenStore::duplicateExists("ΠΑΠΑΣ ", "ΝΙΚΟΣ", ""));
    }

    void aSaveThatFailsMidwayLeavesNothing()
    {
        m_store->exec("CREATE TRIGGER refuse BEFORE INSERT ON POLITES_Synypops WHEN NEW.SYNYPOPS = 'ΒΗΤΑ ΒΗΤΑΣ' "
                      "BEGIN SELECT RAISE(ABORT, 'refused'); END");
        CitizenRecord r = citizen("ΜΙΣΟΣ", "ΠΟΛΙΤΗΣ");
        r.notes.information = "ΚΑΤΙ";
        QVERIFY_THROWS_EXCEPTION(DbError, CitizenStore::insert(r));
        QCOMPARE(count("POLITES"), 0);
        QCOMPARE(count("POLITES_Synypops"), 0);
        QCOMPARE(count("SpecialNotes"), 0);

        m_store->exec("DROP TRIGGER refuse");
        const int id = CitizenStore::insert(citizen("ΟΛΟΣ", "ΠΟΛΙΤΗΣ"));
        m_store->exec("CREATE TRIGGER refuse BEFORE INSERT ON TOT_PSHFOI BEGIN SELECT RAISE(ABORT, 'refused'); END");
        CitizenRecord changed = citizen("ΟΛΟΣ", "ΑΛΛΑΓΜΕΝΟΣ");
        changed.autonum = id;
        changed.votes[1].votes = 9;
        QVERIFY_THROWS_EXCEPTION(DbError, CitizenStore::update(changed, f.arkadia));
        QCOMPARE(m_store->scalar("SELECT ONOMA FROM POLITES WHERE AUTONUM=?", {id}).toString(), QString("ΠΟΛΙΤΗΣ"));
        QCOMPARE(count("POLITES_Synypops", "VOTES=9"), 0);
        QCOMPARE(count("POLITES_Synypops"), 2);
    }

    void updateReplacesVotesNotesAndAddsDistribution()
    {
        const QString longTown(40, QChar(0x039B)); // a town name longer than the 35 of the vote rows
        m_store->exec("INSERT INTO POLEIS (NOMOS, EPARXIA, DHMOS, POLH) VALUES (?, ?, ?, ?)",
                      {f.arkadia, f.mantineia, f.tripolis, longTown});
        CitizenRecord r = citizen("ΑΝΤΩΝΙΟΥ", "ΓΙΑΝΝΗΣ");
        r.notes.rivalries = "ΠΑΛΙΑ";
        r.autonum = CitizenStore::insert(r);
        r.fields["ONOMA"] = "ΙΩΑΝΝΗΣ";
        r.votes[0].votes = 3;
        r.notes = SpecialNoteTexts{QString(), "ΝΕΟ", QString()};
        CitizenStore::update(r, f.arkadia);
        CitizenStore::update(r, f.arkadia); // twice: no new distribution rows
        QCOMPARE(m_store->scalar("SELECT ONOMA FROM POLITES").toString(), QString("ΙΩΑΝΝΗΣ"));
        QCOMPARE(count("POLITES_Synypops"), 2);
        QCOMPARE(m_store->scalar("SELECT SUM(VOTES) FROM POLITES_Synypops").toInt(), 3);
        // A filled text replaces the notes row whole.
        QCOMPARE(m_store->scalar("SELECT ESOK_ANT || '|' || AITHMATA FROM SpecialNotes").toString(), QString("|ΝΕΟ"));
        // One distribution row per town of the home prefecture, the long name cut to 35.
        QCOMPARE(count("TOT_PSHFOI", QString("POLITESID=%1").arg(r.autonum)), 4);
        QCOMPARE(count("TOT_PSHFOI", QString("POLH='%1'").arg(longTown.left(35))), 1);
        // Blank texts keep the row.
        r.notes = SpecialNoteTexts();
        CitizenStore::update(r, f.arkadia);
        QCOMPARE(count("SpecialNotes"), 1);

        // Deleting keeps notes, contacts and distribution rows, removes the vote rows.
        m_store->exec("INSERT INTO EPAFES (EDate, POLITES_ID, THEMA) VALUES ('2026-12-01', ?, 'ΤΗΛΕΦΩΝΟ')", {r.autonum});
        CitizenStore::remove(r.autonum);
        QCOMPARE(count("POLITES"), 0);
        QCOMPARE(count("POLITES_Synypops"), 0);
        QCOMPARE(count("SpecialNotes"), 1);
        QCOMPARE(count("EPAFES"), 1);
        QCOMPARE(count("TOT_PSHFOI"), 4);
        QVERIFY_THROWS_EXCEPTION(DbError, CitizenStore::update(r, f.arkadia));
    }

    void nameDay_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("day");
        QTest::newRow("a name of the list") << "ΝΙΚΟΣ" << "06/12";
        QTest::newRow("first name of the list") << "ΝΙΚΟΛΑΟΣ" << "06/12";
        QTest::newRow("inside another name only") << "ΝΙΚΟ" << "";
        QTest::newRow("whole name, not a part") << "ΑΝΔΡΟΝΙΚΟΣ" << "17/05";
        QTest::newRow("leading zeros") << "ΓΙΑΝΝΗΣ" << "07/01";
        QTest::newRow("not in the calendar") << "ΑΡΙΣΤΕΙΔΗΣ" << "";
        QTest::newRow("blank") << "  " << "";
        QTest::newRow("percent") << "%" << "";
        QTest::newRow("apostrophe") << "Ο'ΝΗΛ" << "";
    }
    void nameDay()
    {
        QFETCH(QString, name);
        QFETCH(QString, day);
        QCOMPARE(CitizenStore::nameDay(name), day);
    }

    void nameDayInCalendarOrder()
    {
        m_store->exec("INSERT INTO CELEBRITIES (NAME, DDATE, MONTHSID) VALUES ('ΝΙΚΟΣ (ΑΓ. ΝΙΚΗΤΑ),ΝΙΚΟΣ', 3, 4)");
        QCOMPARE(CitizenStore::nameDay("ΝΙΚΟΣ"), QString("03/04"));
    }

    void vocatives()
    {
        QCOMPARE(CitizenStore::vocatives("ΝΙΚΟΣ"), (QStringList{"ΝΙΚΟ", "ΝΙΚΟΛΑ"}));
        QCOMPARE(CitizenStore::vocatives("ΓΙΑΝΝΗΣ"), (QStringList{"ΓΙΑΝΝΗ", "ΑΓΙΕ ΓΙΑΝΝΗ"}));
        // A name the table lacks gets the form the rules give.
        QCOMPARE(CitizenStore::vocatives("ΑΛΕΞΑΝΔΡΟΣ"), QStringList{"ΑΛΕΞΑΝΔΡΕ"});
        QCOMPARE(CitizenStore::vocatives("ΦΩΤΙΟΣ", 0), QStringList{"ΦΩΤΙΕ"});
        QCOMPARE(CitizenStore::vocatives(""), QStringList());
        QCOMPARE(CitizenStore::splitVocatives(" Α ,Β  Γ,,\"Δ Ε\"\"Ζ\""), (QStringList{"Α", "Β", "Γ", "Δ Ε\"Ζ"}));
    }

    void storedDates_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<bool>("birthday");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("valid");
        QTest::newRow("untouched birthday") << "__/__/____" << true << "XX/XX/XXXX" << true;
        QTest::newRow("whole birthday") << "05/03/1961" << true << "05/03/1961" << true;
        QTest::newRow("without year") << "05/03/____" << true << "05/03/XXXX" << true;
        QTest::newRow("29 February without year") << "29/02/____" << true << "29/02/XXXX" << true;
        QTest::newRow("29 February of a leap year") << "29/02/1960" << true << "29/02/1960" << true;
        QTest::newRow("29 February of a common year") << "29/02/1961" << true << "29/02/1961" << false;
        QTest::newRow("31 February") << "31/02/1990" << true << "31/02/1990" << false;
        QTest::newRow("month 13") << "00/13/____" << true << "00/13/XXXX" << false;
        QTest::newRow("day 0") << "00/05/1990" << true << "00/05/1990" << false;
        QTest::newRow("half a day") << "1_/05/1990" << true << "1X/05/1990" << false;
        QTest::newRow("half a year") << "10/05/19__" << true << "10/05/19XX" << false;
        QTest::newRow("blanks as spaces") << "  /  /    " << true << "XX/XX/XXXX" << true;
        QTest::newRow("untouched name day") << "__/__" << false << "XX/XX" << true;
        QTest::newRow("name day") << "06/12" << false << "06/12" << true;
        QTest::newRow("name day 31/04") << "31/04" << false << "31/04" << false;
        QTest::newRow("name day 29/02") << "29/02" << false << "29/02" << true;
        QTest::newRow("name day without month") << "06/__" << false << "06/XX" << false;
    }
    void storedDates()
    {
        QFETCH(QString, mask);
        QFETCH(bool, birthday);
        QFETCH(QString, stored);
        QFETCH(bool, valid);
        const QString s = birthday ? dates::storedBirthday(mask) : dates::storedNameDay(mask);
        QCOMPARE(s, stored);
        QCOMPARE(birthday ? dates::birthdayValid(s) : dates::nameDayValid(s), valid);
        QCOMPARE(dates::shownDate(s).size(), s.size());
    }

    void stepsInSurnameOrder()
    {
        const int b = CitizenStore::insert(citizen("ΒΗΤΑΣ", "Α"));
        const int a2 = CitizenStore::insert(citizen("ΑΛΦΑΣ", "Β"));
        const int a1 = CitizenStore::insert(citizen("ΑΛΦΑΣ", "Α"));
        const int a1bis = CitizenStore::insert(citizen("ΑΛΦΑΣ", "Α"));
        QCOMPARE(CitizenStore::neighbour(a1, true), a1bis);
        QCOMPARE(CitizenStore::neighbour(a1bis, true), a2);
        QCOMPARE(CitizenStore::neighbour(a2, true), b);
        QCOMPARE(CitizenStore::neighbour(b, true), b); // the last stays
        QCOMPARE(CitizenStore::neighbour(a1, false), a1); // the first stays
        QCOMPARE(CitizenStore::neighbour(b, false), a2);
        QCOMPARE(CitizenStore::neighbour(99999, true), 0);
        QCOMPARE(CitizenStore::firstWithSurnamePrefix("ΑΛ"), a1);
        QCOMPARE(CitizenStore::firstWithSurnamePrefix("ΒΗΤΑΣ"), b);
        QCOMPARE(CitizenStore::firstWithSurnamePrefix("αλ"), 0); // surnames are stored in capitals
        QCOMPARE(CitizenStore::firstWithSurnamePrefix("%"), 0);
        QCOMPARE(CitizenStore::firstWithSurnamePrefix("Ω"), 0);
    }

    void addresses_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("web");
        QTest::addColumn<QString>("url");
        QTest::newRow("web without scheme") << "www.example.gr" << true << "http://www.example.gr";
        QTest::newRow("https kept") << "https://example.gr/a b" << true << "https://example.gr/a%20b";
        QTest::newRow("another scheme refused") << "file:///etc/passwd" << true << "";
        QTest::newRow("javascript refused") << "javascript:alert(1)" << true << "";
        QTest::newRow("empty web") << "  " << true << "";
        QTest::newRow("mail") << "nikos@example.gr" << false << "mailto:nikos@example.gr?Subject=&Body=";
        QTest::newRow("mail with odd characters")
            << "a&b?c@example.gr" << false << "mailto:a&b%3Fc@example.gr?Subject=&Body=";
        QTest::newRow("not an address") << "nikos" << false << "";
    }
    void addresses()
    {
        QFETCH(QString, typed);
        QFETCH(bool, web);
        QFETCH(QString, url);
        const QUrl u = web ? webAddress(typed) : mailAddress(typed);
        QCOMPARE(u.isValid() ? u.toString(QUrl::FullyEncoded) : QString(), url);
    }
};

QTEST_GUILESS_MAIN(TstCitizenStore)
#include "tst_citizenstore.moc"
