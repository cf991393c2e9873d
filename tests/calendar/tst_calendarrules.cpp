// The calendar's rules as plain code over a fixture calendar: the day and month checks,
// the stored form of names, today's celebrants and the next day with names (across the
// end of the year, passing over days the year lacks), the day the calendar opens on, the
// celebrants' statement and the days of a birthday period.
#include "calendar/Calendar.h"
#include "CalendarFixture.h"
#include "ProgramFixture.h"
#include "RegisterFixture.h"

#include <QSqlQuery>

using namespace dorvani;
using namespace dorvani::calendar;
using test::Program;

class TstCalendarRules : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> p;

private slots:
    void initTestCase()
    {
        p = std::make_unique<Program>();
        QVERIFY(p->start());
        const auto reg = test::RegisterFixture::fill();
        test::CalendarFixture::fill(reg.tripoli);
    }
    void cleanupTestCase() { p.reset(); }

    void fieldLimits_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::newRow("45") << "45" << "30" << "12";
        QTest::newRow("32") << "32" << "30" << "12";
        QTest::newRow("31") << "31" << "31" << "12";
        QTest::newRow("13") << "13" << "13" << "12";
        QTest::newRow("12") << "12" << "12" << "12";
        QTest::newRow("empty") << "" << "" << "";
        QTest::newRow("0") << "0" << "0" << "0";
    }
    void fieldLimits()
    {
        QFETCH(QString, typed);
        QFETCH(QString, day);
        QCOMPARE(limitDay(typed), day);
        QFETCH(QString, month);
        QCOMPARE(limitMonth(typed), month);
    }

    void dayOfYear_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<bool>("valid");
        QTest::newRow("06/01") << "6" << "1" << true;
        QTest::newRow("31/12") << "31" << "12" << true;
        QTest::newRow("29/02") << "29" << "2" << true;
        QTest::newRow("30/02") << "30" << "2" << false;
        QTest::newRow("31/04") << "31" << "4" << false;
        QTest::newRow("30/04") << "30" << "04" << true;
        QTest::newRow("00/05") << "0" << "5" << false;
        QTest::newRow("05/00") << "5" << "0" << false;
        QTest::newRow("05/13") << "5" << "13" << false;
        QTest::newRow("empty day") << "" << "5" << false;
        QTest::newRow("empty month") << "5" << "" << false;
        QTest::newRow("not a number") << "1;" << "5" << false;
        QTest::newRow("sql") << "1 OR 1=1" << "5" << false;
    }
    void dayOfYear()
    {
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(bool, valid);
        QCOMPARE(bool(typedDayMonth(day, month)), valid);
    }

    void storedNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("plain") << "ΓΕΩΡΓΙΟΣ,ΓΙΩΡΓΟΣ" << "ΓΕΩΡΓΙΟΣ,ΓΙΩΡΓΟΣ";
        QTest::newRow("blanks") << " ΓΙΑΝΝΗΣ , ΙΩΑΝΝΑ " << "ΓΙΑΝΝΗΣ,ΙΩΑΝΝΑ";
        QTest::newRow("small letters") << "γιάννης,ιωάννα" << "ΓΙΑΝΝΗΣ,ΙΩΑΝΝΑ";
        QTest::newRow("empty names") << "ΑΝΝΑ,,ΑΝΝΟΥΛΑ," << "ΑΝΝΑ,ΑΝΝΟΥΛΑ";
        QTest::newRow("only commas") << " , ," << "";
        QTest::newRow("quote") << "Ο'ΝΙΛ" << "Ο'ΝΙΛ";
    }
    void storedNames()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QCOMPARE(calendar::storedNames(typed), stored);
    }

    // The label of the main window and what it keeps for the celebrants view.
    void celebrants_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::newRow("today with names")
            << QDate(2026, 4, 23) << "Γιορτάζουν ΓΕΩΡΓΙΟΣ, ΓΙΩΡΓΟΣ, ΓΕΩΡΓΙΑ" << "ΓΕΩΡΓΙΟΣ,ΓΙΩΡΓΟΣ,ΓΕΩΡΓΙΑ" << "23"
            << "04";
        QTest::newRow("one of several names")
            << QDate(2027, 1, 6) << "Γιορτάζουν ΘΕΟΦΑΝΗΣ, ΦΩΤΙΟΣ, ΦΩΤΕΙΝΗ" << "ΘΕΟΦΑΝΗΣ,ΦΩΤΙΟΣ,ΦΩΤΕΙΝΗ" << "06"
            << "01";
        QTest::newRow("next day")
            << QDate(2026, 4, 20) << "Στις 23/4/26 (Πέμπτη) γιορτάζουν ΓΕΩΡΓΙΟΣ, ΓΙΩΡΓΟΣ, ΓΕΩΡΓΙΑ"
            << "ΓΕΩΡΓΙΟΣ,ΓΙΩΡΓΟΣ,ΓΕΩΡΓΙΑ" << "20" << "04";
        // 31 January is not taken for 1 February (a 30-day month would make them one day),
        // and 29/02 is passed over in a common year.
        QTest::newRow("1 February, common year")
            << QDate(2026, 2, 1) << "Στις 1/3/26 (Κυριακή) γιορτάζουν ΕΥΔΟΚΙΑ" << "ΕΥΔΟΚΙΑ" << "01" << "02";
        QTest::newRow("1 February, leap year")
            << QDate(2028, 2, 1) << "Στις 29/2/28 (Τρίτη) γιορτάζουν ΚΑΣΣΙΑΝΟΣ" << "ΚΑΣΣΙΑΝΟΣ" << "01" << "02";
        QTest::newRow("29 February") << QDate(2028, 2, 29) << "Γιορτάζουν ΚΑΣΣΙΑΝΟΣ" << "ΚΑΣΣΙΑΝΟΣ" << "29" << "02";
        QTest::newRow("30 January")
            << QDate(2026, 1, 30) << "Στις 31/1/26 (Σάββατο) γιορτάζουν ΚΥΡΟΣ" << "ΚΥΡΟΣ" << "30" << "01";
        // 31/04 exists in no year: the next day is 17/05.
        QTest::newRow("after 23 April")
            << QDate(2026, 4, 24) << "Στις 17/5/26 (Κυριακή) γιορτάζουν ΑΝΔΡΟΝΙΚΟΣ, ΑΝΔΡΟΝΙΚΗ"
            << "ΑΝΔΡΟΝΙΚΟΣ,ΑΝΔΡΟΝΙΚΗ" << "24" << "04";
        QTest::newRow("blank after a comma")
            << QDate(2026, 3, 25) << "Γιορτάζουν ΕΥΑΓΓΕΛΟΣ,  ΕΥΑΓΓΕΛΙΑ" << "ΕΥΑΓΓΕΛΟΣ, ΕΥΑΓΓΕΛΙΑ" << "25" << "03";
        // After the last day of the year with names, the first one of the next year.
        QTest::newRow("after the last day of the year")
            << QDate(2026, 12, 10) << "Στις 6/1/27 (Τετάρτη) γιορτάζουν ΘΕΟΦΑΝΗΣ, ΦΩΤΙΟΣ, ΦΩΤΕΙΝΗ"
            << "ΘΕΟΦΑΝΗΣ,ΦΩΤΙΟΣ,ΦΩΤΕΙΝΗ" << "10" << "12";
        QTest::newRow("31 December")
            << QDate(2026, 12, 31) << "Στις 6/1/27 (Τετάρτη) γιορτάζουν ΘΕΟΦΑΝΗΣ, ΦΩΤΙΟΣ, ΦΩΤΕΙΝΗ"
            << "ΘΕΟΦΑΝΗΣ,ΦΩΤΙΟΣ,ΦΩΤΕΙΝΗ" << "31" << "12";
        QTest::newRow("1 January") << QDate(2027, 1, 1)
                                   << "Στις 6/1/27 (Τετάρτη) γιορτάζουν ΘΕΟΦΑΝΗΣ, ΦΩΤΙΟΣ, ΦΩΤΕΙΝΗ"
                                   << "ΘΕΟΦΑΝΗΣ,ΦΩΤΙΟΣ,ΦΩΤΕΙΝΗ" << "01" << "01";
    }
    void celebrants()
    {
        QFETCH(QDate, today);
        const Celebrants c = celebrantsOf(today);
        QVERIFY(c.found);
        QFETCH(QString, label);
        QCOMPARE(c.label, label);
        QFETCH(QString, names);
        QCOMPARE(c.names, names);
        QFETCH(QString, day);
        QCOMPARE(c.day, day);
        QFETCH(QString, month);
        QCOMPARE(c.month, month);
    }

    // A calendar whose only days are ones the year lacks: nothing is found and nothing
    // fails; the day is found in the first year that has it, within a year from today.
    void daysTheYearLacks()
    {
        Store &s = Store::instance();
        Transaction tx(s);
        s.exec("DELETE FROM CELEBRITIES WHERE NOT ((DDATE=29 AND MONTHSID=2) OR (DDATE=31 AND MONTHSID=4))");
        for (const QDate &d : {QDate(2026, 3, 1), QDate(2026, 4, 30), QDate(2026, 5, 1), QDate(2026, 12, 31)}) {
            const Celebrants c = celebrantsOf(d);
            QVERIFY2(!c.found, qPrintable(d.toString()));
            QCOMPARE(c.label, QString());
            QCOMPARE(c.names + c.day + c.month, QString());
            QVERIFY(!nextDayWithNames(d));
        }
        QCOMPARE(celebrantsOf(QDate(2027, 3, 1)).label, QString("Στις 29/2/28 (Τρίτη) γιορτάζουν ΚΑΣΣΙΑΝΟΣ"));
        QCOMPARE(nextDayWithNames(QDate(2027, 12, 1))->date, QDate(2028, 2, 29));
        s.exec("DELETE FROM CELEBRITIES");
        QVERIFY(!celebrantsOf(QDate(2026, 4, 23)).found);
        QVERIFY(!latestDayWithNames(QDate(2026, 4, 23)));
        // tx is rolled back: the fixture calendar comes back for the tests that follow.
    }

    void latestDay_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("day"); // 0: none
        QTest::addColumn<int>("month");
        QTest::newRow("today") << QDate(2026, 4, 23) << 23 << 4;
        QTest::newRow("day before") << QDate(2026, 4, 22) << 25 << 3;
        QTest::newRow("1 February") << QDate(2026, 2, 1) << 31 << 1;
        QTest::newRow("28 February, leap") << QDate(2028, 2, 28) << 31 << 1;
        QTest::newRow("1 March, common") << QDate(2026, 3, 2) << 1 << 3;
        QTest::newRow("31 May") << QDate(2026, 5, 31) << 17 << 5; // 31/04 passed over
        QTest::newRow("before the first") << QDate(2026, 1, 5) << 0 << 0;
        QTest::newRow("30 December") << QDate(2026, 12, 30) << 6 << 12;
    }
    void latestDay()
    {
        QFETCH(QDate, today);
        QFETCH(int, day);
        QFETCH(int, month);
        const auto d = latestDayWithNames(today);
        QCOMPARE(bool(d), day > 0);
        if (d) {
            QCOMPARE(d->day, day);
            QCOMPARE(d->month, month);
        }
    }

    void captionAndWeekdays()
    {
        QCOMPARE(todayCaption(QDate(2026, 12, 10)), QString("Σήμερα Πέμ 10/12/2026 γιορτάζουν"));
        QCOMPARE(todayCaption(QDate(2027, 1, 3)), QString("Σήμερα Κυρ 03/01/2027 γιορτάζουν"));
        QStringList days;
        for (int i = 0; i < 7; ++i)
            days << weekdayName(QDate(2026, 12, 7).addDays(i));
        QCOMPARE(days, (QStringList{"Δευτέρα", "Τρίτη", "Τετάρτη", "Πέμπτη", "Παρασκευή", "Σάββατο", "Κυριακή"}));
    }

    void celebrantsStatement()
    {
        QCOMPARE(celebrantsSql("", "23", "04"), QString());
        const QString sql = celebrantsSql("ΓΕΩΡΓΙΟΣ,ΓΙΩΡΓΟΣ", "23", "04");
        QVERIFY(sql.startsWith("SELECT AUTONUM,EPITHETO,ONOMA,PATR,TELO_1,TELE_1,MOBILE1 FROM Polites WHERE ONOMA IN "
                               "('ΓΕΩΡΓΙΟΣ','ΓΙΩΡΓΟΣ') OR (CelebrDay = '23/04')"));
        // Texts reach the statement quoted: a quote in a name is a quote, not the end of it.
        const QString quoted = celebrantsSql("Ο'ΝΙΛ,Χ') OR 1=1 --", "0'", "1");
        QVERIFY(quoted.contains("ONOMA IN ('Ο''ΝΙΛ','Χ'') OR 1=1 --') OR (CelebrDay = '0''/1')"));
        QSqlQuery q = Store::instance().exec(quoted);
        QVERIFY(!q.next());
    }

    void periodDays_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("one day") << QDate(2026, 3, 5) << QDate(2026, 3, 5) << 1 << "05/03" << "05/03";
        QTest::newRow("within a month") << QDate(2026, 3, 5) << QDate(2026, 3, 6) << 2 << "05/03" << "06/03";
        QTest::newRow("across months") << QDate(2026, 3, 30) << QDate(2026, 4, 2) << 4 << "30/03" << "02/04";
        QTest::newRow("end of February, leap") << QDate(2028, 2, 28) << QDate(2028, 3, 1) << 3 << "28/02" << "01/03";
        QTest::newRow("across the year's end") << QDate(2026, 12, 30) << QDate(2027, 1, 2) << 4 << "30/12" << "02/01";
        QTest::newRow("a common year") << QDate(2026, 1, 1) << QDate(2026, 12, 31) << 365 << "01/01" << "31/12";
        QTest::newRow("two years without 29/02")
            << QDate(2025, 3, 1) << QDate(2027, 2, 28) << 365 << "01/03" << "28/02";
        QTest::newRow("ten years") << QDate(2020, 6, 15) << QDate(2030, 6, 14) << 366 << "15/06" << "14/06";
        QTest::newRow("centuries") << QDate(1900, 1, 1) << QDate(9999, 12, 31) << 366 << "01/01" << "31/12";
        QTest::newRow("end before start") << QDate(2026, 3, 6) << QDate(2026, 3, 5) << 0 << "" << "";
    }
    void periodDays()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(int, count);
        const QStringList days = calendar::periodDays(from, to);
        QCOMPARE(days.size(), count);
        QCOMPARE(QSet<QString>(days.begin(), days.end()).size(), count);
        QFETCH(QString, first);
        QCOMPARE(days.value(0), first);
        QFETCH(QString, last);
        if (count < 366)
            QCOMPARE(days.value(count - 1), last);
        QCOMPARE(bool(birthdaySql(from, to)), count > 0);
    }

    void birthdayStatement()
    {
        QCOMPARE(birthdayCondition({"05/03", "06/03"}), QString("BirthDay LIKE '05/03%'OR BirthDay LIKE '06/03%'"));
        const auto sql = birthdaySql(QDate(2026, 3, 5), QDate(2026, 3, 5));
        QVERIFY(sql);
        QCOMPARE(sql->value(0), QString("Select * From POLITES Where"));
        QCOMPARE(sql->value(1), QString("BirthDay LIKE '05/03%'"));
        // A period of many years runs: one condition per distinct day stays within the
        // engine's limits.
        const auto all = birthdaySql(QDate(1950, 1, 1), QDate(2049, 12, 31));
        QCOMPARE(Store::instance().scalar("SELECT COUNT(*) FROM (" + all->join('\n') + ")").toInt(),
                 Store::instance().scalar("SELECT COUNT(*) FROM POLITES WHERE BIRTHDAY NOT LIKE 'XX/XX%'").toInt());
    }
};

QTEST_MAIN(TstCalendarRules)
#include "tst_calendarrules.moc"
