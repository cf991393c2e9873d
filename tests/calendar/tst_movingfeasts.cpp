// Name days that move with Easter: Orthodox Easter for a table of years with the days of
// Saint George and Saint Mark, the starter calendar of a first start, today's celebrants
// and their list on moved and fixed days (a fixture clock), and the name-day ranges of the
// citizen search in years where the feasts move and where they do not.
#include "calendar/UntCelebritiesDlg.h"
#include "calendar/UntPersCelebr.h"
#include "data/NameDays.h"
#include "data/Store.h"
#include "platform/AppContext.h"
#include "search/SearchBuilder.h"
#include "shell/UntMain.h"
#include "widgets/DbControls.h"
#include "CalendarFixture.h"
#include "ProgramFixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>

using namespace dorvani;
using test::Program;

namespace {

QStringList listed(TPersCelebrDlg *v)
{
    QStringList out;
    for (int r = 0; r < v->DBGrid1->model()->rowCount(); ++r)
        out << v->DBGrid1->model()->index(r, 1).data().toString();
    out.sort();
    return out;
}

QDate george(int year)
{
    namedays::Feast f;
    f.day = 23;
    f.month = 4;
    f.fromEaster = 1;
    return namedays::dateIn(f, year);
}

QDate mark(int year)
{
    namedays::Feast f;
    f.day = 25;
    f.month = 4;
    f.fromEaster = 2;
    return namedays::dateIn(f, year);
}

} // namespace

class TstMovingFeasts : public QObject {
    Q_OBJECT

    test::TestHome home;

    std::unique_ptr<Program> startOn(const QDate &today)
    {
        Clock::setNow(QDateTime(today, QTime(8, 30)));
        auto p = std::make_unique<Program>(&home);
        if (!p->start())
            return nullptr;
        p->ui.clearLog();
        return p;
    }

private slots:
    void initTestCase()
    {
        // A first start with the starter calendar, and citizens of fixed and moving feasts.
        Program p(&home);
        p.starterData = true;
        QVERIFY(p.start());
        QVERIFY2(p.ui.messages().isEmpty(), qPrintable(p.ui.messages().join("; ")));
        using F = test::CalendarFixture;
        F::citizen("ΑΛΦΑ", "ΓΕΩΡΓΙΟΣ", "XX/XX/XXXX", "23/04");
        F::citizen("ΒΗΤΑ", "ΓΙΩΡΓΟΣ", "XX/XX/XXXX", "XX/XX");
        F::citizen("ΓΑΜΜΑ", "ΚΩΝΣΤΑΝΤΙΝΟΣ", "XX/XX/XXXX", "23/04"); // recorded Saint George's day
        F::citizen("ΔΕΛΤΑ", "ΘΩΜΑΣ", "XX/XX/XXXX", "XX/XX");
        F::citizen("ΕΨΙΛΟΝ", "ΝΙΚΟΛΑΟΣ", "XX/XX/XXXX", "06/12");
        F::citizen("ΖΗΤΑ", "ΜΑΡΚΟΣ", "XX/XX/XXXX", "25/04");
        F::citizen("ΗΤΑ", "ΛΑΖΑΡΟΣ", "XX/XX/XXXX", "XX/XX");
    }
    void cleanup() { Clock::setNow(QDateTime()); }

    void easter_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QDate>("easter");
        QTest::addColumn<QDate>("george");
        QTest::addColumn<QDate>("mark");
        // Easter after 23 April: both move, to Easter Monday and Tuesday.
        QTest::newRow("2024") << 2024 << QDate(2024, 5, 5) << QDate(2024, 5, 6) << QDate(2024, 5, 7);
        QTest::newRow("2021") << 2021 << QDate(2021, 5, 2) << QDate(2021, 5, 3) << QDate(2021, 5, 4);
        QTest::newRow("2005") << 2005 << QDate(2005, 5, 1) << QDate(2005, 5, 2) << QDate(2005, 5, 3);
        // Easter on 24 April: 23 April is Holy Saturday, 25 April Easter Monday.
        QTest::newRow("2022") << 2022 << QDate(2022, 4, 24) << QDate(2022, 4, 25) << QDate(2022, 4, 26);
        // Easter on 23 April itself: Saint George on the Monday, Saint Mark stays.
        QTest::newRow("2006") << 2006 << QDate(2006, 4, 23) << QDate(2006, 4, 24) << QDate(2006, 4, 25);
        // Easter before: neither moves.
        QTest::newRow("2025") << 2025 << QDate(2025, 4, 20) << QDate(2025, 4, 23) << QDate(2025, 4, 25);
        QTest::newRow("2026") << 2026 << QDate(2026, 4, 12) << QDate(2026, 4, 23) << QDate(2026, 4, 25);
        QTest::newRow("2010") << 2010 << QDate(2010, 4, 4) << QDate(2010, 4, 23) << QDate(2010, 4, 25);
        // The next century, when the Julian calendar is a day further behind.
        QTest::newRow("2100") << 2100 << QDate(2100, 5, 2) << QDate(2100, 5, 3) << QDate(2100, 5, 4);
    }
    void easter()
    {
        QFETCH(int, year);
        QFETCH(QDate, easter);
        QFETCH(QDate, george);
        QFETCH(QDate, mark);
        QCOMPARE(namedays::orthodoxEaster(year), easter);
        QCOMPARE(namedays::orthodoxEaster(year).dayOfWeek(), 7);
        QCOMPARE(::george(year), george);
        QCOMPARE(::mark(year), mark);
    }

    // The label and the list of the day, on fixed days and on days moved with Easter.
    void celebrantsOfTheDay_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("Saint George moved to Easter Monday")
            << QDate(2024, 5, 6) << "Γιορτάζουν ΓΕΩΡΓΙΟΣ, ΓΙΩΡΓΟΣ, ΓΕΩΡΓΙΑ, ΓΙΩΡΓΟΥΛΑ"
            << QStringList{"ΓΕΩΡΓΙΟΣ", "ΓΙΩΡΓΟΣ", "ΚΩΝΣΤΑΝΤΙΝΟΣ"};
        QTest::newRow("Saint George on his day")
            << QDate(2026, 4, 23) << "Γιορτάζουν ΓΕΩΡΓΙΟΣ, ΓΙΩΡΓΟΣ, ΓΕΩΡΓΙΑ, ΓΙΩΡΓΟΥΛΑ"
            << QStringList{"ΓΕΩΡΓΙΟΣ", "ΓΙΩΡΓΟΣ", "ΚΩΝΣΤΑΝΤΙΝΟΣ"};
        // 23 April before Easter: nobody celebrates; the next names are Lazarus's.
        QTest::newRow("23 April before Easter")
            << QDate(2024, 4, 23) << "Στις 27/4/24 (Σάββατο) γιορτάζουν ΛΑΖΑΡΟΣ, ΛΑΖΑΡΙΑ" << QStringList{"ΛΑΖΑΡΟΣ"};
        QTest::newRow("Saint Mark moved") << QDate(2024, 5, 7) << "Γιορτάζουν ΜΑΡΚΟΣ" << QStringList{"ΜΑΡΚΟΣ"};
        QTest::newRow("Thomas Sunday") << QDate(2025, 4, 27) << "Γιορτάζουν ΘΩΜΑΣ, ΘΩΜΑΗ" << QStringList{"ΘΩΜΑΣ"};
        QTest::newRow("a fixed day") << QDate(2025, 12, 6) << "Γιορτάζουν ΝΙΚΟΛΑΟΣ, ΝΙΚΟΣ, ΝΙΚΟΛΕΤΑ"
                                     << QStringList{"ΝΙΚΟΛΑΟΣ"};
    }
    void celebrantsOfTheDay()
    {
        QFETCH(QDate, today);
        QFETCH(QString, label);
        QFETCH(QStringList, listed);
        auto p = startOn(today);
        QVERIFY(p);
        QCOMPARE(p->main()->LblCeleb->text(), label);
        QStringList shown;
        p->ui.onExecOnce["PersCelebrDlg"].enqueue([&](QDialog *d) {
            shown = ::listed(static_cast<TPersCelebrDlg *>(d));
            return int(QDialog::Rejected);
        });
        p->main()->action("ΠΡΟΒΟΛΗ ΕΟΡΤΑΖΟΝΤΩΝ ΗΜΕΡΑΣ")->trigger();
        QCOMPARE(shown, listed);
    }

    // The starter calendar holds fixed and moving days; the office may change every row.
    void starterCalendar()
    {
        auto p = startOn(QDate(2026, 1, 10));
        QVERIFY(p);
        Store &s = Store::instance();
        QCOMPARE(s.scalar("SELECT COUNT(*) FROM CELEBRITIES").toInt(), namedays::starterFeasts().size());
        QVERIFY(s.scalar("SELECT COUNT(*) FROM CELEBRITIES WHERE PASXA IS NOT NULL").toInt() >= 8);
        QCOMPARE(s.scalar("SELECT PASXA FROM CELEBRITIES WHERE NAME LIKE 'ΘΩΜΑΣ%'").toInt(), 7);
        QCOMPARE(s.scalar("SELECT PASXA FROM CELEBRITIES WHERE NAME LIKE 'ΛΑΖΑΡΟΣ%'").toInt(), -8);
        QCOMPARE(s.scalar("SELECT PASXA FROM CELEBRITIES WHERE NAME LIKE 'ΤΡΙΑΔΑ%'").toInt(), 50);
        QVERIFY(s.scalar("SELECT DDATE FROM CELEBRITIES WHERE NAME LIKE 'ΘΩΜΑΣ%'").isNull());
        QCOMPARE(namedays::namesOn(QDate(2026, 6, 1)), QString("ΤΡΙΑΔΑ,ΤΡΙΑΝΤΑΦΥΛΛΙΑ")); // Easter 12 April
    }

    // A name-day range of the search finds the moved feasts' citizens where the feasts fall
    // that year: by their first names, and by the recorded day of a feast that moved.
    void searchRanges_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("Easter week 2024") << QDate(2024, 1, 1) << "05/05" << "07/05"
                                          << QStringList{"ΓΕΩΡΓΙΟΣ", "ΓΙΩΡΓΟΣ", "ΚΩΝΣΤΑΝΤΙΝΟΣ", "ΜΑΡΚΟΣ"};
        // George and Mark moved out of the range, Lazarus falls in it.
        QTest::newRow("23 April 2024") << QDate(2024, 1, 1) << "20/04" << "27/04" << QStringList{"ΛΑΖΑΡΟΣ"};
        QTest::newRow("23 April 2026, fixed days")
            << QDate(2026, 1, 1) << "20/04" << "26/04" << QStringList{"ΓΕΩΡΓΙΟΣ", "ΚΩΝΣΤΑΝΤΙΝΟΣ", "ΜΑΡΚΟΣ"};
        QTest::newRow("Thomas Sunday 2026") << QDate(2026, 1, 1) << "19/04" << "19/04" << QStringList{"ΘΩΜΑΣ"};
        QTest::newRow("a fixed day only") << QDate(2026, 1, 1) << "05/12" << "07/12" << QStringList{"ΝΙΚΟΛΑΟΣ"};
    }
    void searchRanges()
    {
        QFETCH(QDate, today);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, found);
        auto p = startOn(today);
        QVERIFY(p);
        SearchCriteria c;
        c.celebrFrom = from;
        c.celebrTo = to;
        const BuiltSearch b = SearchBuilder::build(c);
        QVERIFY(b.ok());
        QSqlQuery q = Store::instance().exec("SELECT ONOMA FROM POLITES WHERE " + b.condition + " ORDER BY ONOMA");
        QStringList names;
        while (q.next())
            names << q.value(0).toString();
        QCOMPARE(names, found);
        QCOMPARE(b.description, "ΕΟΡΤΑΖΕΙ ΑΠΟ " + from + " ΕΩΣ ΚΑΙ " + to);
    }

    // The office changes the moving days in the calendar dialog: a day from Easter alone
    // finds its row to edit or adds one; a fixed day shows and keeps its days from Easter.
    void editingMovingDays()
    {
        test::TestHome own;
        Clock::setNow(QDateTime(QDate(2026, 1, 10), QTime(8, 30)));
        Program p(&own);
        p.starterData = true;
        QVERIFY(p.start());
        p.ui.clearLog();
        QString georgeShown, thomasShown;
        p.ui.onExecOnce["CelebritiesDlg"].enqueue([&](QDialog *dlg) {
            auto *d = static_cast<TCelebritiesDlg *>(dlg);
            auto enter = [](QLineEdit *e, const QString &text) {
                e->clear();
                test::typeText(e, text);
                test::pressKey(e, Qt::Key_Return);
            };
            // Thomas Sunday, edited: its names come up, the change asks first.
            d->BtnNew->click();
            enter(d->EdtPasxa, "7");
            thomasShown = d->Edit3->text();
            p.ui.answers << true;
            enter(d->Edit3, "ΘΩΜΑΣ,ΘΩΜΑΗ,ΘΩΜΑΪΣ");
            // A new moving day is added without a question.
            d->BtnNew->click();
            enter(d->EdtPasxa, "49");
            enter(d->Edit3, "ΠΕΝΤΗΚΟΣΤΗ");
            // Saint George shows his days from Easter.
            d->BtnNew->click();
            enter(d->Edit1, "23");
            enter(d->Edit2, "4");
            georgeShown = d->EdtPasxa->text();
            // A day from Easter that is not a number is refused.
            d->BtnNew->click();
            d->Edit1->clear();
            d->Edit2->clear();
            enter(d->EdtPasxa, "επτά");
            return int(QDialog::Rejected);
        });
        p.main()->action("ΔΙΑΧΕΙΡΙΣΗ")->trigger();
        QCOMPARE(thomasShown, QString("ΘΩΜΑΣ,ΘΩΜΑΗ"));
        QCOMPARE(georgeShown, QString("1"));
        Store &s = Store::instance();
        QCOMPARE(s.scalar("SELECT NAME FROM CELEBRITIES WHERE PASXA = 7").toString(), QString("ΘΩΜΑΣ,ΘΩΜΑΗ,ΘΩΜΑΪΣ"));
        QCOMPARE(s.scalar("SELECT COUNT(*) FROM CELEBRITIES WHERE PASXA = 49 AND DDATE IS NULL").toInt(), 1);
        QCOMPARE(namedays::namesOn(QDate(2026, 5, 31)), QString("ΠΕΝΤΗΚΟΣΤΗ")); // Easter 12 April
        const QStringList shown = p.ui.messages();
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown[0], QString("Η αποθήκευση ολοκληρώθηκε."));
        QCOMPARE(shown[1], QString("Η αποθήκευση ολοκληρώθηκε."));
        QVERIFY(shown[2].startsWith("Οι ημέρες από το Πάσχα"));
    }

    // An old register's calendar gets the Easter column on opening, its rows as they were.
    void oldRegisterIsUpgraded()
    {
        test::TestHome old;
        {
            Program p(&old);
            QVERIFY(p.start());
            Store::instance().exec("INSERT INTO CELEBRITIES (NAME, DDATE, MONTHSID) VALUES ('ΙΩΑΝΝΗΣ', 7, 1)");
        }
        {
            // As a register of the version before: no PASXA column.
            QSqlDatabase d = QSqlDatabase::addDatabase("QSQLITE", "old");
            d.setDatabaseName(old.path("Db") + "/DORVANI.db");
            QVERIFY(d.open());
            QSqlQuery q(d);
            QVERIFY2(q.exec("ALTER TABLE CELEBRITIES DROP COLUMN PASXA"), qPrintable(q.lastError().text()));
            QVERIFY(q.exec("PRAGMA user_version=1"));
            q = QSqlQuery();
            d.close();
        }
        QSqlDatabase::removeDatabase("old");
        Program p(&old);
        QVERIFY(p.start());
        QVERIFY(Store::instance().scalar("SELECT PASXA FROM CELEBRITIES WHERE NAME = 'ΙΩΑΝΝΗΣ'").isNull());
        QCOMPARE(Store::instance().fileVersion(), 2);
        QCOMPARE(namedays::namesOn(QDate(2026, 1, 7)), QString("ΙΩΑΝΝΗΣ"));
    }
};

QTEST_MAIN(TstMovingFeasts)
#include "tst_movingfeasts.moc"
