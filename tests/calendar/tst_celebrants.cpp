// Today's celebrants: the main window's label at start-up (today with names, the next day
// with names, across the end of the year, past a 29 February the year lacks), the command
// and toolbar button that show who celebrates, an empty search, and the way from the view
// to a citizen and back to the same list.
#include "platform/AppContext.h"
#include "CalendarFixture.h"
#include "calendar/CalendarScreens.h"
#include "widgets/DbControls.h"
#include "ProgramFixture.h"
#include "RegisterFixture.h"
#include "calendar/UntCelebritiesDlg.h"
#include "citizens/UntEditPers.h"
#include "calendar/UntPersCelebr.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>

using namespace dorvani;
using test::Program;

namespace {

void doubleClick(QTableView *v, int row, int column) { test::doubleClickCell(v, row, column); }

// The first names of the list, in its order, and its count line.
QStringList listed(TPersCelebrDlg *v)
{
    QStringList out;
    for (int r = 0; r < v->DBGrid1->model()->rowCount(); ++r)
        out << v->DBGrid1->model()->index(r, 1).data().toString();
    return out;
}

int rowOf(QTableView *v, const QString &onoma)
{
    for (int r = 0; r < v->model()->rowCount(); ++r)
        if (v->model()->index(r, 1).data().toString() == onoma)
            return r;
    return -1;
}

TEditPersFrm *editScreen(Program &p)
{
    for (QWidget *w : p.main()->openChildren())
        if (auto *f = qobject_cast<TEditPersFrm *>(w))
            return f;
    return nullptr;
}

QAction *toolbarButton(Program &p, const QString &hint)
{
    for (QAction *a : p.main()->ToolBar1->actions())
        if (a->toolTip() == hint)
            return a;
    return nullptr;
}

} // namespace

class TstCelebrants : public QObject {
    Q_OBJECT

    test::TestHome home; // a register kept between the starts of the program
    test::CalendarFixture f;

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
        Program p(&home);
        QVERIFY(p.start());
        const auto reg = test::RegisterFixture::fill();
        f = test::CalendarFixture::fill(reg.tripoli);
        // A name day typed by hand on a day the calendar has no names for.
        f.id["byHand"] = test::CalendarFixture::citizen("ΧΡΥΣΟΥ", "ΘΕΟΔΩΡΑ", "XX/XX/XXXX", "20/04");
    }
    void cleanup() { Clock::setNow(QDateTime()); }

    void labelAtStartUp_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::newRow("today with names") << QDate(2026, 4, 23) << "Γιορτάζουν ΓΕΩΡΓΙΟΣ, ΓΙΩΡΓΟΣ, ΓΕΩΡΓΙΑ"
                                          << "ΓΕΩΡΓΙΟΣ,ΓΙΩΡΓΟΣ,ΓΕΩΡΓΙΑ" << "23" << "04";
        QTest::newRow("today without names")
            << QDate(2026, 4, 20) << "Στις 23/4/26 (Πέμπτη) γιορτάζουν ΓΕΩΡΓΙΟΣ, ΓΙΩΡΓΟΣ, ΓΕΩΡΓΙΑ"
            << "ΓΕΩΡΓΙΟΣ,ΓΙΩΡΓΟΣ,ΓΕΩΡΓΙΑ" << "20" << "04";
        QTest::newRow("29 February in a common year")
            << QDate(2027, 2, 28) << "Στις 1/3/27 (Δευτέρα) γιορτάζουν ΕΥΔΟΚΙΑ" << "ΕΥΔΟΚΙΑ" << "28" << "02";
        QTest::newRow("across the end of the year")
            << QDate(2026, 12, 7) << "Στις 6/1/27 (Τετάρτη) γιορτάζουν ΘΕΟΦΑΝΗΣ, ΦΩΤΙΟΣ, ΦΩΤΕΙΝΗ"
            << "ΘΕΟΦΑΝΗΣ,ΦΩΤΙΟΣ,ΦΩΤΕΙΝΗ" << "07" << "12";
    }
    void labelAtStartUp()
    {
        QFETCH(QDate, today);
        QFETCH(QString, label);
        QFETCH(QString, names);
        QFETCH(QString, day);
        QFETCH(QString, month);
        auto p = startOn(today);
        QVERIFY(p);
        QCOMPARE(p->main()->LblCeleb->text(), label);
        QVERIFY(p->main()->LblCeleb->font().bold());
        QCOMPARE(p->main()->celebrantNames(), names);
        QCOMPARE(p->main()->celebrantDay(), day);
        QCOMPARE(p->main()->celebrantMonth(), month);
        for (const char *c : {"ΠΡΟΒΟΛΗ ΕΟΡΤΑΖΟΝΤΩΝ ΗΜΕΡΑΣ", "ΔΙΑΧΕΙΡΙΣΗ", "ΓΕΝΕΘΛΙΟΛΟΓΙΟ"})
            QVERIFY2(p->main()->action(QString::fromUtf8(c))->isEnabled(), c);
        QAction *button = toolbarButton(*p, "ΠΡΟΒΟΛΗ ΕΟΡΤΑΖΟΝΤΩΝ ΗΜΕΡΑΣ");
        QVERIFY(button && button->isEnabled());
    }

    // The command lists the citizens whose first name is exactly one of the names, or
    // whose recorded name day is the day; the toolbar button does the same.
    void viewOfTheDay_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("23 April") << QDate(2026, 4, 23)
                                  << QStringList{"ΓΙΩΡΓΟΣ", "ΓΕΩΡΓΙΑ", "ΚΩΝΣΤΑΝΤΙΝΟΣ", "ΓΕΩΡΓΙΟΣ"};
        // The next day's names, with today as the name day: ΚΩΝΣΤΑΝΤΙΝΟΣ (name day 23/04)
        // is not among them, ΘΕΟΔΩΡΑ (name day 20/04) is.
        QTest::newRow("20 April") << QDate(2026, 4, 20)
                                  << QStringList{"ΓΙΩΡΓΟΣ", "ΓΕΩΡΓΙΑ", "ΓΕΩΡΓΙΟΣ", "ΘΕΟΔΩΡΑ"};
        // A blank after a comma stays part of the name that follows it.
        QTest::newRow("25 March") << QDate(2026, 3, 25) << QStringList{"ΕΥΑΓΓΕΛΟΣ"};
    }
    void viewOfTheDay()
    {
        QFETCH(QDate, today);
        QFETCH(QStringList, expected);
        auto p = startOn(today);
        QVERIFY(p);
        for (int way = 0; way < 2; ++way) {
            bool shown = false;
            QString caption, count;
            QStringList names, titles;
            QList<int> widths, gaps;
            p->ui.onExecOnce["PersCelebrDlg"].enqueue([&](QDialog *d) {
                shown = true;
                auto *v = static_cast<TPersCelebrDlg *>(d);
                caption = v->windowTitle();
                names = listed(v);
                count = v->Label1->text();
                for (int c = 0; c < v->DBGrid1->model()->columnCount(); ++c) {
                    titles << v->DBGrid1->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
                    widths << v->DBGrid1->columnWidth(c);
                }
                for (const QSize &size : {QSize(800, 500), QSize(640, 360)}) {
                    v->resize(size);
                    gaps << v->Label1->y() - v->DBGrid1->height();
                }
                return int(QDialog::Rejected);
            });
            if (way == 0)
                p->main()->action("ΠΡΟΒΟΛΗ ΕΟΡΤΑΖΟΝΤΩΝ ΗΜΕΡΑΣ")->trigger();
            else
                toolbarButton(*p, "ΠΡΟΒΟΛΗ ΕΟΡΤΑΖΟΝΤΩΝ ΗΜΕΡΑΣ")->trigger();
            QVERIFY(shown);
            QCOMPARE(caption, QString("ΠΡΟΒΟΛΗ ΕΟΡΤΑΖΟΝΤΩΝ"));
            QCOMPARE(names.join(" "), expected.join(" ")); // in surname order
            QCOMPARE(count, QString("Βρέθηκαν %1 εγγραφές").arg(expected.size()));
            QCOMPARE(titles, (QStringList{"ΕΠΙΘΕΤΟ", "ONOMA", "ΠΑΤΡ.", "ΤΗΛ.ΟΙΚΙΑΣ", "ΤΗΛ.ΕΡΓΑΣΙΑΣ", "ΚΙΝΗΤΟ"}));
            QVERIFY(widths[0] >= 150 && widths[1] >= 100 && widths[2] >= 80);
            // The grid reaches down to 10 pixels above the count line, whatever the size.
            QCOMPARE(gaps, (QList<int>{10, 10}));
        }
        QVERIFY(p->ui.messages().isEmpty());
    }

    // From the view to a citizen and back: the view comes back with its list, on the citizen.
    void roundTripFromTheView()
    {
        auto p = startOn(QDate(2026, 4, 23));
        QVERIFY(p);
        QStringList before;
        p->ui.onExecOnce["PersCelebrDlg"].enqueue([&](QDialog *d) {
            auto *v = static_cast<TPersCelebrDlg *>(d);
            before = listed(v);
            doubleClick(v->DBGrid1, rowOf(v->DBGrid1, "ΓΕΩΡΓΙΑ"), 0);
            return v->result();
        });
        p->main()->action("ΠΡΟΒΟΛΗ ΕΟΡΤΑΖΟΝΤΩΝ ΗΜΕΡΑΣ")->trigger();
        TEditPersFrm *frm = editScreen(*p);
        QVERIFY(frm);
        QCOMPARE(frm->citizenNumber(), f.id["georgia"]);
        QCOMPARE(frm->EdtEpitheto->text(), QString("ΓΕΩΡΓΙΟΥ"));
        QVERIFY(!CalendarScreens::persCelebr()->isVisible());

        QStringList after;
        QString current;
        p->ui.onExecOnce["PersCelebrDlg"].enqueue([&](QDialog *d) {
            auto *v = static_cast<TPersCelebrDlg *>(d);
            after = listed(v);
            current = v->DBGrid1->model()->index(v->DBGrid1->currentIndex().row(), 1).data().toString();
            return int(QDialog::Rejected);
        });
        p->ui.answers << false; // leave without saving
        frm->CancelBtn->click();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(p->ui.dialogs(), (QStringList{"PersCelebrDlg", "PersCelebrDlg"}));
        QCOMPARE(after, before);
        QCOMPARE(current, QString("ΓΕΩΡΓΙΑ"));
        QVERIFY(p->ui.unexpected.isEmpty());
    }

    // From the calendar: the day's list comes back, not today's, and the calendar under the
    // view closes so that the editing screen can be used.
    void roundTripFromTheCalendar()
    {
        auto p = startOn(QDate(2026, 4, 23));
        QVERIFY(p);
        p->ui.onExecOnce["CelebritiesDlg"].enqueue([&](QDialog *d) {
            auto *cal = static_cast<TCelebritiesDlg *>(d);
            int row = -1;
            for (int r = 0; r < cal->DBGrid1->model()->rowCount(); ++r)
                if (cal->DBGrid1->model()->index(r, 0).data().toString() == "ΝΙΚΟΛΑΟΣ,ΝΙΚΟΣ,ΝΙΚΗ")
                    row = r;
            doubleClick(cal->DBGrid1, row, 0);
            return cal->result();
        });
        p->ui.onExecOnce["PersCelebrDlg"].enqueue([&](QDialog *d) {
            auto *v = static_cast<TPersCelebrDlg *>(d);
            if (listed(v) != QStringList{"ΝΙΚΟΣ"})
                return int(QDialog::Rejected);
            doubleClick(v->DBGrid1, 0, 2);
            return v->result();
        });
        p->main()->action("ΔΙΑΧΕΙΡΙΣΗ")->trigger();
        QCOMPARE(p->ui.dialogs(), (QStringList{"CelebritiesDlg", "PersCelebrDlg"}));
        TEditPersFrm *frm = editScreen(*p);
        QVERIFY(frm);
        QCOMPARE(frm->citizenNumber(), f.id["nikos"]);
        QVERIFY(!CalendarScreens::celebrities()->isVisible());
        QVERIFY(!CalendarScreens::persCelebr()->isVisible());

        QStringList after;
        p->ui.onExecOnce["PersCelebrDlg"].enqueue([&](QDialog *d) {
            after = listed(static_cast<TPersCelebrDlg *>(d));
            return int(QDialog::Rejected);
        });
        p->ui.answers << false;
        frm->CancelBtn->click();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(p->ui.dialogs(), (QStringList{"CelebritiesDlg", "PersCelebrDlg", "PersCelebrDlg"}));
        QCOMPARE(after, QStringList{"ΝΙΚΟΣ"});
    }

    // Last, since a home of its own takes over the settings folder. Nothing kept at
    // start-up (a calendar whose days no year has): nobody is found, even
    // after the view showed a list.
    void nothingToShow()
    {
        test::TestHome own;
        {
            Program first(&own);
            QVERIFY(first.start());
            Store::instance().exec("INSERT INTO CELEBRITIES (DDATE, MONTHSID, NAME) VALUES (31, 4, 'ΓΕΩΡΓΙΟΣ')");
            Store::instance().exec("INSERT INTO CELEBRITIES (DDATE, MONTHSID, NAME) VALUES (30, 2, 'ΓΙΩΡΓΟΣ')");
            test::CalendarFixture::citizen("ΠΑΠΑΣ", "ΓΕΩΡΓΙΟΣ", "XX/XX/XXXX", "XX/XX");
        }
        Clock::setNow(QDateTime(QDate(2026, 4, 23), QTime(8, 30)));
        Program p(&own);
        QVERIFY(p.start());
        p.ui.clearLog();
        QCOMPARE(p.main()->LblCeleb->text(), QString());
        QCOMPARE(p.main()->celebrantNames() + p.main()->celebrantDay() + p.main()->celebrantMonth(), QString());
        TPersCelebrDlg *v = CalendarScreens::persCelebr();
        QVERIFY(v->search("ΓΕΩΡΓΙΟΣ", "23", "04"));
        QCOMPARE(v->Label1->text(), QString("Βρέθηκαν 1 εγγραφές"));
        p.main()->action("ΠΡΟΒΟΛΗ ΕΟΡΤΑΖΟΝΤΩΝ ΗΜΕΡΑΣ")->trigger();
        QCOMPARE(p.ui.messages(), QStringList{"Δεν βρέθηκε κανένα πρόσωπο που να εορτάζει."});
        QVERIFY(p.ui.dialogs().isEmpty());
        QCOMPARE(v->DBGrid1->model()->rowCount(), 0);
        QCOMPARE(v->Label1->text(), QString("Βρέθηκαν 0 εγγραφές"));
        // Names nobody has: the same message, no view.
        QVERIFY(!v->search("ΚΑΝΕΝΑΣ", "01", "01"));
        QCOMPARE(p.ui.messages().size(), 2);
        QVERIFY(p.ui.dialogs().isEmpty());
    }
};

QTEST_MAIN(TstCelebrants)
#include "tst_celebrants.moc"
