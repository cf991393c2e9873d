// The search statement and its description, built from records of criteria without any
// screen: the exact text of every family of criteria, the wildcards, the day ranges and
// combinations, each statement run on a small register for the citizens it finds; typed
// text that tries to change the statement's shape.
#include "data/DataModule.h"
#include "search/SearchBuilder.h"
#include "SearchTestSupport.h"
#include "data/Schema.h"
#include "data/Store.h"
#include "StoreFixture.h"
#include "TestSupport.h"

#include <QTest>

using namespace dorvani;

Q_DECLARE_METATYPE(dorvani::SearchCriteria)

namespace {

const QString all = "Select * From POLITES";
const QString where = "Select * From POLITES Where \n";

template <typename F>
SearchCriteria criteria(F fill)
{
    SearchCriteria c;
    fill(c);
    return c;
}

QStringList sorted(QStringList l)
{
    std::sort(l.begin(), l.end());
    return l;
}

} // namespace

class TstSearchBuilder : public test::StoreTest {
    Q_OBJECT

    test::RegisterFixture f;
    test::SearchCitizens c;

    const QString papadopoulos = "ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΙΩΡΓΟΣ", papas = "ΠΑΠΑΣ ΝΙΚΟΣ", pap = "ΠΑΠ ΕΛΕΝΗ",
                  kostas = "ΚΩΣΤΑ ΜΑΡΙΑ";

    int countLikes(const QString &sql) { return int(sql.count(" LIKE ")); }

private slots:
    void initTestCase()
    {
        openStore();
        f = test::RegisterFixture::fill();
        c = test::SearchCitizens::fill(f);
    }
    void cleanupTestCase()
    {
        closeStore();
    }

    void statementsAndDescriptions_data()
    {
        QTest::addColumn<SearchCriteria>("criteria");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QStringList>("found");

        const QString arkadia = QString::number(f.arkadia);

        QTest::newRow("nothing set: every citizen")
            << SearchCriteria() << all << "" << QStringList{papadopoulos, papas, pap, kostas};
        QTest::newRow("blanks only set nothing") << criteria([](SearchCriteria &c) {
            c.epitheto = "   ";
            c.address = " ";
            c.avote = "  ";
        }) << all << "" << QStringList{papadopoulos, papas, pap, kostas};

        // ---- names and wildcards
        QTest::newRow("surname, first name and prefecture")
            << criteria([&](SearchCriteria &c) {
                   c.epitheto = "ΠΑΠ*";
                   c.onoma = "ΓΙΩΡΓΟΣ";
                   c.nomos = {"ΑΡΚΑΔΙΑΣ", f.arkadia};
               })
            << where + "(EPITHETO LIKE 'ΠΑΠ%') AND (ONOMA LIKE 'ΓΙΩΡΓΟΣ') AND NOMOS = " + arkadia
            << "ΕΠΙΘΕΤΟ=ΠΑΠ* - ΟΝΟΜΑ=ΓΙΩΡΓΟΣ - ΝΟΜΟΣ=ΑΡΚΑΔΙΑΣ" << QStringList{papadopoulos};
        QTest::newRow("without a star the whole surname")
            << criteria([](SearchCriteria &c) { c.epitheto = "ΠΑΠ"; }) << where + "(EPITHETO LIKE 'ΠΑΠ')"
            << "ΕΠΙΘΕΤΟ=ΠΑΠ" << QStringList{pap};
        QTest::newRow("star at the start and small letters")
            << criteria([](SearchCriteria &c) { c.epitheto = "*πουλ*"; }) << where + "(EPITHETO LIKE '%ΠΟΥΛ%')"
            << "ΕΠΙΘΕΤΟ=*πουλ*" << QStringList{papadopoulos};
        QTest::newRow("a trailing blank stays in the pattern")
            << criteria([](SearchCriteria &c) { c.epitheto = "ΠΑΠ "; }) << where + "(EPITHETO LIKE 'ΠΑΠ ')"
            << "ΕΠΙΘΕΤΟ=ΠΑΠ " << QStringList{};
        QTest::newRow("father's and mother's names") << criteria([](SearchCriteria &c) {
            c.patr = "ΝΙΚ*";
            c.mhtr = "ΜΑΡΙΑ";
        }) << where + "(PATR LIKE 'ΝΙΚ%') AND (MHTR LIKE 'ΜΑΡΙΑ')"
           << "ΠΑΤΡ/ΜΟ=ΝΙΚ* - ΜΗΤΡ.=ΜΑΡΙΑ" << QStringList{papadopoulos};
        QTest::newRow("special number: a star compared with =")
            << criteria([](SearchCriteria &c) { c.data1 = "Α*"; }) << where + "DATA1 = 'Α%'"
            << "ΕΙΔΙΚΟΣ ΕΚΛΟΓΙΚΟΣ ΑΡ.=Α*" << QStringList{};
        QTest::newRow("special number exact")
            << criteria([](SearchCriteria &c) { c.data1 = "α123"; }) << where + "DATA1 = 'Α123'"
            << "ΕΙΔΙΚΟΣ ΕΚΛΟΓΙΚΟΣ ΑΡ.=α123" << QStringList{papadopoulos};

        // ---- lists of names and keys
        QTest::newRow("nationality, education, profession")
            << criteria([&](SearchCriteria &c) {
                   c.ethnikothta = {"ΕΛΛΗΝΙΚΗ", "ΕΛΛΗΝΙΚΗ"};
                   c.morfosh = {"ΑΝΩΤΑΤΗ", f.morfosh};
                   c.epagelma = {"ΓΙΑΤΡΟΣ", "ΓΙΑΤΡΟΣ"};
               })
            << where + QString("(ETHNIKOTHTA = 'ΕΛΛΗΝΙΚΗ') AND MORFOSH = %1 AND EPAGELMA = 'ΓΙΑΤΡΟΣ'").arg(f.morfosh)
            << "ΕΘΝΙΚΟΤΗΤΑ=ΕΛΛΗΝΙΚΗ - ΜΟΡΦΩΣΗ=ΑΝΩΤΑΤΗ - ΕΠΑΓΓΕΛΜΑ=ΓΙΑΤΡΟΣ" << QStringList{papadopoulos};
        QTest::newRow("address and postal code") << criteria([](SearchCriteria &c) {
            c.address = "ΑΘΗΝΑΣ*";
            c.tk = "22100";
        }) << where + "ADDRESS LIKE 'ΑΘΗΝΑΣ%' AND TK = '22100'"
           << "ΔΙΕΥΘΥΝΣΗ=ΑΘΗΝΑΣ* - ΤΚ=22100" << QStringList{papadopoulos};
        QTest::newRow("a town chosen: four conditions")
            << criteria([&](SearchCriteria &c) {
                   c.polh = {"ΤΡΙΠΟΛΗ", f.tripoli};
                   c.dhmos = {"ΤΡΙΠΟΛΗΣ", f.tripolis};
                   c.eparxia = {"ΜΑΝΤΙΝΕΙΑΣ", f.mantineia};
                   c.nomos = {"ΑΡΚΑΔΙΑΣ", f.arkadia};
               })
            << where
                   + QString("POLH = %1 AND DHMOS = %2 AND EPARXIA = %3 AND NOMOS = %4")
                         .arg(f.tripoli)
                         .arg(f.tripolis)
                         .arg(f.mantineia)
                         .arg(f.arkadia)
            << "ΠΟΛΗ=ΤΡΙΠΟΛΗ - ΔΗΜΟΣ=ΤΡΙΠΟΛΗΣ - ΕΠΑΡΧΙΑ=ΜΑΝΤΙΝΕΙΑΣ - ΝΟΜΟΣ=ΑΡΚΑΔΙΑΣ" << QStringList{papadopoulos};
        QTest::newRow("polling place and the party chain")
            << criteria([&](SearchCriteria &c) {
                   c.askhsh = {"ΑΡΚΑΔΙΑΣ  ΤΡΙΠΟΛΗΣ / 1ο ΔΗΜΟΤΙΚΟ  ΑΓΙΟΣ ΒΑΣΙΛΕΙΟΣ", f.centre};
                   c.melos = {"ΤΑΚΤΙΚΟ", f.melos};
                   c.pyrhnas = {"ΠΛΑΤΕΙΑΣ", f.cell};
                   c.to = {"Τ.Ο. ΤΡΙΠΟΛΗΣ", f.to};
                   c.ne = {"Ν.Ε. ΚΕΝΤΡΟΥ", f.ne};
                   c.no = {"Ν.Ο. ΑΡΚΑΔΙΑΣ", f.no};
               })
            << where
                   + QString("(ASKHSH = %1) AND MelosID = %2 AND PYRHNASID = %3 AND TO_ID = %4 AND NE_ID = %5 AND "
                             "NO_ID = %6")
                         .arg(f.centre)
                         .arg(f.melos)
                         .arg(f.cell)
                         .arg(f.to)
                         .arg(f.ne)
                         .arg(f.no)
            << "ΤΟΠΟΣ ΑΣΚΗΣΗΣ=ΑΡΚΑΔΙΑΣ  ΤΡΙΠΟΛΗΣ / 1ο ΔΗΜΟΤΙΚΟ  ΑΓΙΟΣ ΒΑΣΙΛΕΙΟΣ - ΜΕΛΟΣ=ΤΑΚΤΙΚΟ - "
                   "ΠΥΡΗΝΑΣ=ΠΛΑΤΕΙΑΣ - Τ.Ο.=Τ.Ο. ΤΡΙΠΟΛΗΣ - Ν.Ε.=Ν.Ε. ΚΕΝΤΡΟΥ - Ν.Ο.=Ν.Ο. ΑΡΚΑΔΙΑΣ"
            << QStringList{papadopoulos};
        QTest::newRow("evaluation") << criteria([&](SearchCriteria &c) {
            c.aksiologhsh = {"ΑΞΙΟΠΙΣΤΟΣ", f.aksiologhsh};
        }) << where + QString("Aksiologhsh = %1").arg(f.aksiologhsh)
           << "ΑΞΙΟΛΟΓΗΣΗ=ΑΞΙΟΠΙΣΤΟΣ" << QStringList{papadopoulos};

        // ---- days
        QTest::newRow("birthdays across the end of February")
            << criteria([](SearchCriteria &c) {
                   c.birthFrom = "28/02";
                   c.birthTo = "02/03";
               })
            << where + "( BirthDay LIKE '28/02%' OR BirthDay LIKE '01/03%' OR BirthDay LIKE '02/03%')"
            << "ΓΕΝΕΘΛΙΑ ΑΠΟ 28/02 ΕΩΣ KAI 02/03" << QStringList{papadopoulos, papas};
        QTest::newRow("birthdays of one day") << criteria([](SearchCriteria &c) {
            c.birthFrom = "05/03";
            c.birthTo = "05/03";
        }) << where + "( BirthDay LIKE '05/03%')"
           << "ΓΕΝΕΘΛΙΑ ΑΠΟ 05/03 ΕΩΣ KAI 05/03" << QStringList{};
        QTest::newRow("birthdays without an end set nothing") << criteria([](SearchCriteria &c) {
            c.birthFrom = "05/03";
            c.birthTo = "XX/XX";
        }) << all << "" << QStringList{papadopoulos, papas, pap, kostas};
        QTest::newRow("a partly typed day sets nothing") << criteria([](SearchCriteria &c) {
            c.birthFrom = "0X/03";
            c.birthTo = "10/03";
        }) << all << "" << QStringList{papadopoulos, papas, pap, kostas};
        QTest::newRow("a day 2003 lacks sets nothing") << criteria([](SearchCriteria &c) {
            c.celebrFrom = "29/02";
            c.celebrTo = "10/03";
        }) << all << "" << QStringList{papadopoulos, papas, pap, kostas};
        QTest::newRow("name days across the end of a month") << criteria([](SearchCriteria &c) {
            c.celebrFrom = "30/04";
            c.celebrTo = "02/05";
        }) << where + "( CelebrDay LIKE '30/04%' OR CelebrDay LIKE '01/05%' OR CelebrDay LIKE '02/05%')"
           << "ΕΟΡΤΑΖΕΙ ΑΠΟ 30/04 ΕΩΣ ΚΑΙ 02/05" << QStringList{};
        QTest::newRow("name days of a week") << criteria([](SearchCriteria &c) {
            c.celebrFrom = "20/05";
            c.celebrTo = "22/05";
        }) << where + "( CelebrDay LIKE '20/05%' OR CelebrDay LIKE '21/05%' OR CelebrDay LIKE '22/05%')"
           << "ΕΟΡΤΑΖΕΙ ΑΠΟ 20/05 ΕΩΣ ΚΑΙ 22/05" << QStringList{pap};
        // A period over the new year runs on into January.
        QTest::newRow("birthdays over the new year") << criteria([](SearchCriteria &c) {
            c.birthFrom = "20/12";
            c.birthTo = "05/01";
        }) << where + SearchBuilder::dayList("BirthDay", QDate(2003, 12, 20), QDate(2004, 1, 5))
           << "ΓΕΝΕΘΛΙΑ ΑΠΟ 20/12 ΕΩΣ KAI 05/01" << QStringList{pap};
        QTest::newRow("name days over the new year") << criteria([](SearchCriteria &c) {
            c.celebrFrom = "31/12";
            c.celebrTo = "01/01";
        }) << where + "( CelebrDay LIKE '31/12%' OR CelebrDay LIKE '01/01%')"
           << "ΕΟΡΤΑΖΕΙ ΑΠΟ 31/12 ΕΩΣ ΚΑΙ 01/01" << QStringList{};
        QTest::newRow("a whole year less a day, over the new year") << criteria([](SearchCriteria &c) {
            c.birthFrom = "02/03";
            c.birthTo = "01/03";
        }) << where + SearchBuilder::dayList("BirthDay", QDate(2003, 3, 2), QDate(2004, 3, 1))
           << "ΓΕΝΕΘΛΙΑ ΑΠΟ 02/03 ΕΩΣ KAI 01/03" << QStringList{papadopoulos, papas, pap};

        // ---- options and codes
        QTest::newRow("registered elsewhere, alliance") << criteria([](SearchCriteria &c) {
            c.eterodhmoths = 1;
            c.symaxia = 0;
        }) << where + "ETERODHMOTHS = 1 AND SYMAXIA = 0"
           << "ΕΤΕΡΟΔΗΜΟΤΗΣ=ΟΧΙ - ΣΥΜΜΑΧΙΑ=ΝΑΙ" << QStringList{papadopoulos};
        QTest::newRow("relationship and party") << criteria([](SearchCriteria &c) {
            c.sxesh = 0;
            c.koma = 3;
        }) << where + "(SXESH = 0) AND (KOMA = 3)"
           << "ΕΚΛΟΓΙΚΗ ΣΧΕΣΗ=ΠΥΡΗΝΑΣ - ΚΟΜΜΑ=ΝΔ" << QStringList{papadopoulos};
        QTest::newRow("sex, marital status, family members") << criteria([](SearchCriteria &c) {
            c.fylo = 0;
            c.oikogkat = 1;
            c.melhoikog = "4";
        }) << where + "FYLO = 0 AND OIKOGKAT = 1 AND MELHOIKOG = 4"
           << "ΦΥΛΛΟ=ΑΝΔΡΑΣ - ΟΙΚΟΓΕΝΕΙΑΚΗ ΚΑΤΑΣΤΑΣΗ=ΕΓΓΑΜΟΣ - ΜΕΛΗ ΟΙΚΟΓΕΝΕΙΑΣ=4" << QStringList{papadopoulos};
        QTest::newRow("women") << criteria([](SearchCriteria &c) { c.fylo = 1; }) << where + "FYLO = 1"
                               << "ΦΥΛΛΟ=ΓΥΝΑΙΚΑ" << QStringList{pap, kostas};

        // ---- telephones and addresses
        QTest::newRow("telephones") << criteria([](SearchCriteria &c) {
            c.telo[0] = "2710*";
            c.tele[4] = "*000";
            c.mobile2 = "6944111222";
            c.fax = "2710555666";
        }) << where + "TELO_1 LIKE '2710%' AND TELE_5 LIKE '%000' AND MOBILE2 LIKE '6944111222' AND FAX LIKE '2710555666'"
           << "1)ΤΗΛ.ΟΙΚΙΑΣ=2710* - 5)ΤΗΛ.ΕΡΓΑΣΙΑΣ=*000 - 2)ΚΙΝΗΤΟ ΤΗΛ.=6944111222 - FAX=2710555666"
           << QStringList{papadopoulos};
        QTest::newRow("e-mail in capitals, described as typed") << criteria([](SearchCriteria &c) {
            c.email = "papa@*";
            c.web = "www.papa.gr";
        }) << where + "EMAIL LIKE 'PAPA@%' AND WEB LIKE 'WWW.PAPA.GR'"
           << "E-MAIL=papa@* - WEB=www.papa.gr" << QStringList{papadopoulos};

        // ---- lists of codes
        QTest::newRow("capacity 3 also matches 13 and 23")
            << criteria([](SearchCriteria &c) { c.capacities = "3"; }) << where + "Idiothta Like '%3'"
            << "(ΙΔΙΟΤΗΤΑ=ΝΟΜΑΡΧΗΣ)" << QStringList{papas, pap};
        QTest::newRow("capacities 3 and 10") << criteria([](SearchCriteria &c) { c.capacities = "3,10"; })
                                             << where + "Idiothta Like '%3,10'"
                                             << "(ΙΔΙΟΤΗΤΑ=ΝΟΜΑΡΧΗΣ,ΝΟΜΑΡΧΙΑΚΟΣ ΣΥΜΒΟΥΛΟΣ ΠΡΩΗΝ)"
                                             << QStringList{papadopoulos};
        QTest::newRow("contacts by containment") << criteria([](SearchCriteria &c) { c.contacts = {0, 2}; })
                                                 << where + "EPAFES LIKE '%0,2%'"
                                                 << "ΕΠΑΦΕΣ=(ΕΠΙΣΤΟΛΗ,ΣΥΝΑΝΤΗΣΗ)" << QStringList{papadopoulos};
        {
            const QString l = QString("%1,%2").arg(f.influenceA).arg(f.influenceB);
            QTest::newRow("influences as one unbroken run")
                << criteria([&](SearchCriteria &c) {
                       c.influences = {{f.influenceA, "ΣΥΛΛΟΓΟΣ"}, {f.influenceB, "ΕΝΟΡΙΑ"}};
                   })
                << where + "(EPIROH = ('" + l + "') OR EPIROH LIKE ('" + l + ",%') OR EPIROH LIKE ('%," + l
                       + "') OR EPIROH LIKE ('%," + l + ",%') )"
                << "ΕΠΙΡΡΟΗ ΑΠΟ=(ΣΥΛΛΟΓΟΣ,ΕΝΟΡΙΑ)" << QStringList{papadopoulos};
            const QString b = QString::number(f.influenceB);
            QTest::newRow("one influence inside longer lists")
                << criteria([&](SearchCriteria &c) { c.influences = {{f.influenceB, "ΕΝΟΡΙΑ"}}; })
                << where + "(EPIROH = ('" + b + "') OR EPIROH LIKE ('" + b + ",%') OR EPIROH LIKE ('%," + b
                       + "') OR EPIROH LIKE ('%," + b + ",%') )"
                << "ΕΠΙΡΡΟΗ ΑΠΟ=(ΕΝΟΡΙΑ)" << QStringList{papadopoulos, papas, pap};
        }

        // ---- votes and remarks
        QTest::newRow("personal and regional votes") << criteria([](SearchCriteria &c) {
            c.avote = "5";
            c.pvote = "3";
        }) << where + "AVOTE >= 5 AND PVOTE >= 3"
           << "ΑΤΟΜΙΚΟΙ ΨΗΦΟΙ=5 - ΠΕΡΙΦΕΡΕΙΑΚΟΙ ΨΗΦΟΙ=3" << QStringList{pap};
        QTest::newRow("total votes count an empty vote as none")
            << criteria([](SearchCriteria &c) { c.totalVotes = "12"; })
            << where + "(COALESCE(AVOTE,0) + COALESCE(PVOTE,0))>= 12" << "ΣΥΝΟΛΟ ΨΗΦΩΝ=12"
            << QStringList{papadopoulos, papas, pap};
        QTest::newRow("ballot papers") << criteria([](SearchCriteria &c) {
            c.pPshfoi = "2";
            c.pshfoiP = "3";
        }) << where + "P_PSHFOI >= 2 AND PSHFOI_P >= 3"
           << "ΨΗΦΟΔΕΛΤΙΑ ΠΡΟΣ ΠΑΡΑΔΟΣΗ=2 - ΨΗΦΟΔΕΛΤΙΑ ΠΟΥ ΠΑΡΑΔΟΘΗΚΑΝ=3" << QStringList{papadopoulos};
        QTest::newRow("remarks: blank remarks are none") << criteria([](SearchCriteria &c) { c.notes = true; })
                                                        << where + "TRIM(NOTES) <> ''" << "ΝΑ ΕΧΕΙ ΠΑΡΑΤΗΡΗΣΕΙΣ"
                                                        << QStringList{papadopoulos};

        // ---- combinations, in the order of the criteria whatever order they were filled in
        QTest::newRow("combination")
            << criteria([&](SearchCriteria &c) {
                   c.notes = true;
                   c.avote = "1";
                   c.contacts = {2};
                   c.fylo = 0;
                   c.koma = 3;
                   c.celebrFrom = "23/04";
                   c.celebrTo = "23/04";
                   c.nomos = {"ΑΡΚΑΔΙΑΣ", f.arkadia};
                   c.epitheto = "ΠΑΠ*";
                   c.data1 = "Α123";
               })
            << where
                   + "DATA1 = 'Α123' AND (EPITHETO LIKE 'ΠΑΠ%') AND NOMOS = " + arkadia
                   + " AND ( CelebrDay LIKE '23/04%') AND (KOMA = 3) AND FYLO = 0 AND EPAFES LIKE '%2%' AND "
                     "AVOTE >= 1 AND TRIM(NOTES) <> ''"
            << "ΕΙΔΙΚΟΣ ΕΚΛΟΓΙΚΟΣ ΑΡ.=Α123 - ΕΠΙΘΕΤΟ=ΠΑΠ* - ΝΟΜΟΣ=ΑΡΚΑΔΙΑΣ - ΕΟΡΤΑΖΕΙ ΑΠΟ 23/04 ΕΩΣ ΚΑΙ 23/04 - "
                   "ΚΟΜΜΑ=ΝΔ - ΦΥΛΛΟ=ΑΝΔΡΑΣ - ΕΠΑΦΕΣ=(ΣΥΝΑΝΤΗΣΗ) - ΑΤΟΜΙΚΟΙ ΨΗΦΟΙ=1 - ΝΑ ΕΧΕΙ ΠΑΡΑΤΗΡΗΣΕΙΣ"
            << QStringList{papadopoulos};
        QTest::newRow("combination finding none") << criteria([&](SearchCriteria &c) {
            c.nomos = {"ΑΧΑΪΑΣ", f.achaia};
            c.fylo = 0;
        }) << where + QString("NOMOS = %1 AND FYLO = 0").arg(f.achaia)
           << "ΝΟΜΟΣ=ΑΧΑΪΑΣ - ΦΥΛΛΟ=ΑΝΔΡΑΣ" << QStringList{};
    }

    void statementsAndDescriptions()
    {
        QFETCH(SearchCriteria, criteria);
        QFETCH(QString, sql);
        QFETCH(QString, description);
        QFETCH(QStringList, found);
        const BuiltSearch b = SearchBuilder::build(criteria);
        QVERIFY2(b.ok(), qPrintable(b.error));
        QCOMPARE(b.sql(), sql);
        QCOMPARE(b.description, description);
        if (found == QStringList{"error"}) {
            QVERIFY_THROWS_EXCEPTION(DbError, Store::instance().exec(b.sql()));
            return;
        }
        QCOMPARE(test::namesFound(b.sql()), sorted(found));
    }

    void digitCriteriaMustBeWholeNumbers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("digits") << "12" << true;
        QTest::newRow("blanks around") << " 7 " << true;
        QTest::newRow("leading zeros") << "007" << true;
        QTest::newRow("an expression") << "1 OR 1=1" << false;
        QTest::newRow("a minus") << "-1" << false;
        QTest::newRow("a fraction") << "1,5" << false;
        QTest::newRow("letters") << "ΔΕΚΑ" << false;
        QTest::newRow("a comment") << "1 --" << false;
    }

    void digitCriteriaMustBeWholeNumbers()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        for (int field = 0; field < 6; ++field) {
            SearchCriteria c;
            QString *target[] = {&c.melhoikog, &c.avote, &c.pvote, &c.totalVotes, &c.pPshfoi, &c.pshfoiP};
            *target[field] = typed;
            const BuiltSearch b = SearchBuilder::build(c);
            QCOMPARE(b.ok(), accepted);
            if (accepted) {
                QVERIFY(b.condition.endsWith(typed.trimmed()));
                Store::instance().exec(b.sql()); // runs
            } else {
                QVERIFY(b.condition.isEmpty());
                QVERIFY(b.error.contains("ακέραιο"));
            }
        }
    }

    void longRangesStayWithinTheEngine()
    {
        // A whole year of birthdays and of name days: 365 tests each, one statement.
        SearchCriteria year;
        year.birthFrom = "01/01";
        year.birthTo = "31/12";
        year.celebrFrom = "01/01";
        year.celebrTo = "31/12";
        year.fylo = 0;
        const BuiltSearch b = SearchBuilder::build(year);
        QCOMPARE(countLikes(b.sql()), 730);
        QVERIFY(!b.sql().contains("'29/02%'"));
        QCOMPARE(test::namesFound(b.sql()), sorted({papadopoulos, papas}));

        // Spans longer than a year list each day once, 29 February included when it occurs.
        const QString days = SearchBuilder::dayList("BirthDay", QDate(2003, 6, 1), QDate(2008, 5, 31));
        QCOMPARE(countLikes(days), 366);
        QCOMPARE(int(days.count("'29/02%'")), 1);
        QCOMPARE(int(days.count("'01/06%'")), 1);
        QCOMPARE(test::namesFound(where + days), sorted({papadopoulos, papas, pap}));
        const QString shortSpan = SearchBuilder::dayList("CelebrDay", QDate(2004, 2, 28), QDate(2004, 3, 1));
        QCOMPARE(shortSpan, QString("( CelebrDay LIKE '28/02%' OR CelebrDay LIKE '29/02%' OR CelebrDay LIKE '01/03%')"));
        QCOMPARE(SearchBuilder::dayList("CelebrDay", QDate(2003, 3, 2), QDate(2003, 3, 1)), QString("()"));
    }

    void typedTextNeverChangesTheStatement_data()
    {
        QTest::addColumn<QString>("typed");  // what the user types
        QTest::addColumn<QString>("stored"); // the one citizen's stored text it must find
        QTest::newRow("a quote") << "Ο'ΝΗΛ" << "Ο'ΝΗΛ";
        QTest::newRow("a quote in small letters") << "ο'νηλ" << "Ο'ΝΗΛ";
        QTest::newRow("a percent sign") << "ΑΒ%Γ" << "ΑΒ%Γ";
        QTest::newRow("an underscore") << "ΑΒ_Γ" << "ΑΒ_Γ";
        QTest::newRow("a backslash with a percent") << "Α\\%" << "Α\\%";
        QTest::newRow("a backslash alone") << "Α\\Β" << "Α\\Β";
        QTest::newRow("a closed statement") << "Χ'; DROP TABLE POLITES; --" << "Χ'; DROP TABLE POLITES; --";
        QTest::newRow("a comment") << "ΑΒ -- Γ" << "ΑΒ -- Γ";
        QTest::newRow("a condition") << "' OR '1'='1" << "' OR '1'='1";
        QTest::newRow("a NUL inside") << QString("ΑΒ") + QChar(0) + "Γ" << "ΑΒΓ";
    }

    void typedTextNeverChangesTheStatement()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        // Every text field of one citizen holds the text; decoys hold what a wildcard would match.
        const QStringList fields = {"DATA1",  "EPITHETO", "ONOMA",  "PATR",   "MHTR",    "ETHNIKOTHTA",
                                    "EPAGELMA", "ADDRESS", "TK",     "TELO_1", "TELO_2", "TELO_3",
                                    "TELO_4", "TELO_5",  "TELE_1", "TELE_2", "TELE_3",  "TELE_4",
                                    "TELE_5", "MOBILE1", "MOBILE2", "FAX",   "EMAIL",   "WEB"};
        auto holder = [&](const QString &text, const QString &name) {
            QVariantMap m;
            for (const QString &fl : fields)
                m.insert(fl, text);
            m.insert("ONOMA", text);
            m.insert("KLHTIKH", name); // tells the holders apart
            return test::SearchCitizens::add(m);
        };
        const int before = Store::instance().scalar("SELECT COUNT(*) FROM POLITES").toInt();
        const int mine = holder(stored, "ΚΡΑΤΗΤΗΣ");
        QList<int> decoys;
        for (const QString &d : {QString("ΑΒΧΓ"), QString("ΑΒΓΔ"), QString("Α\\Χ"), QString("ΑΒ")})
            if (d != stored)
                decoys << holder(d, "ΔΟΛΩΜΑ");

        for (int i = 0; i < fields.size(); ++i) {
            SearchCriteria c;
            QString *text[] = {&c.data1, &c.epitheto, &c.onoma, &c.patr, &c.mhtr, &c.ethnikothta.text,
                               &c.epagelma.text, &c.address, &c.tk, &c.telo[0], &c.telo[1], &c.telo[2],
                               &c.telo[3], &c.telo[4], &c.tele[0], &c.tele[1], &c.tele[2], &c.tele[3],
                               &c.tele[4], &c.mobile1, &c.mobile2, &c.fax, &c.email, &c.web};
            // The fields take no more than the stored width (the screen's fields neither).
            *text[i] = typed.left(Schema::table("POLITES").field(fields[i])->width);
            const BuiltSearch b = SearchBuilder::build(c);
            QVERIFY(b.ok());
            QVERIFY2(!b.sql().contains(QChar(0)), qPrintable(fields[i]));
            QStringList found;
            try {
                QSqlQuery q = Store::instance().exec(b.sql());
                while (q.next())
                    found << q.value("KLHTIKH").toString();
            } catch (const DbError &e) {
                QFAIL(qPrintable(fields[i] + ": " + e.message()));
            }
            QVERIFY2(found == QStringList{"ΚΡΑΤΗΤΗΣ"}, qPrintable(fields[i] + ": " + found.join(',')));
            QVERIFY(!b.description.contains(QChar(0)));
        }
        QCOMPARE(Store::instance().scalar("SELECT COUNT(*) FROM POLITES").toInt(), before + 1 + int(decoys.size()));
        Store::instance().exec("DELETE FROM POLITES WHERE AUTONUM >= ?", {mine});
    }
};

QTEST_GUILESS_MAIN(TstSearchBuilder)
#include "tst_searchbuilder.moc"
