// The name-day calendar dialog driven through its widgets: today's names and the day it
// opens on, the rules of the day and month fields, editing a day and adding one, the
// refusals, the two orders, the printout and the double click that shows who celebrates.
#include "platform/AppContext.h"
#include "calendar/Calendar.h"
#include "calendar/CalendarScreens.h"
#include "CalendarFixture.h"
#include "widgets/DbControls.h"
#include "data/GreekText.h"
#include "widgets/InputHelpers.h"
#include "ProgramFixture.h"
#include "RegisterFixture.h"
#include "calendar/UntCelebritiesDlg.h"
#include "calendar/UntPersCelebr.h"
#include "shell/UntRythmiseis.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace dorvani;
using test::Program;

namespace {

const QString namesRequired =
    "Τα ονόματα είναι υποχρεωτικά πεδία\nΠαρακαλώ συμπληρώστε τα για να ολοκληρωθεί η αποθήκευση.";

void leave(QWidget *w)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(w, &out);
    QCoreApplication::processEvents();
}

void doubleClick(QTableView *v, int row, int column)
{
    v->setCurrentIndex(v->model()->index(row, column));
    test::doubleClickCell(v, row, column);
}

QString names(int day, int month)
{
    return Store::instance()
        .scalar("SELECT NAME FROM CELEBRITIES WHERE DDATE=? AND MONTHSID=?", {day, month})
        .toString();
}

class FakeKeyboard : public KeyboardBackend {
public:
    int entry = 0;
    QStringList layouts;
    int capsEntry() override { return entry; }
    void setCapsEntry(int v) override { entry = v; }
    void activateLayout(const QString &id) override { layouts << id; }
};

int calendarRows() { return Store::instance().scalar("SELECT COUNT(*) FROM CELEBRITIES").toInt(); }

} // namespace

class TstCelebrities : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> p;
    test::CalendarFixture f;

    // Opens the dialog from the menu and plays it with the handler.
    void open(const std::function<void(TCelebritiesDlg *)> &play)
    {
        p->ui.onExecOnce["CelebritiesDlg"].enqueue([play](QDialog *d) {
            play(static_cast<TCelebritiesDlg *>(d));
            return int(QDialog::Rejected);
        });
        p->main()->action("ΔΙΑΧΕΙΡΙΣΗ")->trigger();
    }
    static QString current(TCelebritiesDlg *d)
    {
        const QModelIndex i = d->DBGrid1->currentIndex();
        auto *m = d->DBGrid1->model();
        return m->index(i.row(), 1).data().toString() + "/" + m->index(i.row(), 2).data().toString();
    }
    // Types a day, month and names into the "Νέα" group the way the office does.
    static void typeDay(TCelebritiesDlg *d, const QString &day, const QString &month)
    {
        d->BtnNew->click();
        d->Edit1->clear();
        d->Edit2->clear();
        test::typeText(d->Edit1, day);
        test::pressKey(d->Edit1, Qt::Key_Return);
        test::typeText(d->Edit2, month);
        test::pressKey(d->Edit2, Qt::Key_Return);
    }

private slots:
    void init()
    {
        Clock::setNow(QDateTime(QDate(2026, 4, 23), QTime(9, 0)));
        p = std::make_unique<Program>();
        QVERIFY(p->start());
        const auto reg = test::RegisterFixture::fill();
        f = test::CalendarFixture::fill(reg.tripoli);
        p->ui.clearLog();
    }
    void cleanup()
    {
        if (p)
            QVERIFY2(p->ui.unexpected.isEmpty(), qPrintable(p->ui.unexpected.join("; ")));
        p.reset();
        Clock::setNow(QDateTime());
    }

    void opening_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("row"); // the day the grid is on
        QTest::newRow("a day with names") << QDate(2026, 4, 23) << "ΓΕΩΡΓΙΟΣ,ΓΙΩΡΓΟΣ,ΓΕΩΡΓΙΑ"
                                          << "Σήμερα Πέμ 23/04/2026 γιορτάζουν" << "23/4";
        QTest::newRow("a day without names")
            << QDate(2026, 4, 22) << "" << "Σήμερα Τετ 22/04/2026 γιορτάζουν" << "25/3";
        QTest::newRow("1 February") << QDate(2026, 2, 1) << "" << "Σήμερα Κυρ 01/02/2026 γιορτάζουν" << "31/1";
        QTest::newRow("before the first day")
            << QDate(2026, 1, 5) << "" << "Σήμερα Δευ 05/01/2026 γιορτάζουν" << "6/1";
        QTest::newRow("29 February") << QDate(2028, 2, 29) << "ΚΑΣΣΙΑΝΟΣ" << "Σήμερα Τρί 29/02/2028 γιορτάζουν"
                                     << "29/2";
    }
    void opening()
    {
        QFETCH(QDate, today);
        QFETCH(QString, names);
        QFETCH(QString, caption);
        QFETCH(QString, row);
        Clock::setNow(QDateTime(today, QTime(8, 0)));
        QVERIFY(p->main()->action("ΔΙΑΧΕΙΡΙΣΗ")->isEnabled());
        bool played = false;
        open([&](TCelebritiesDlg *d) {
            played = true;
            QCOMPARE(d->windowTitle(), QString("ΔΙΑΧΕΙΡΙΣΗ ΕΟΡΤΟΛΟΓΙΟΥ"));
            QCOMPARE(d->LblN->text(), names);
            QCOMPARE(d->GroupBox1->title(), caption);
            QCOMPARE(current(d), row);
            QCOMPARE(d->RadioGroup1->itemIndex(), 1);
            QVERIFY(!d->GroupBox2->isEnabled());
            QCOMPARE(d->DBGrid1->model()->rowCount(), calendarRows());
            QCOMPARE(d->DBGrid1->toolTip(), QString("Με διπλό κλικ προβολή αυτών που γιορτάζουν"));
        });
        QVERIFY(played);
        QCOMPARE(p->ui.dialogs(), QStringList{"CelebritiesDlg"});
    }

    void dayAndMonthFields()
    {
        open([&](TCelebritiesDlg *d) {
            d->BtnNew->click();
            QVERIFY(d->GroupBox2->isEnabled());
            test::typeText(d->Edit1, "4a5");
            QCOMPARE(d->Edit1->text(), QString("45")); // digits only
            leave(d->Edit1);
            QCOMPARE(d->Edit1->text(), QString("30"));
            d->Edit1->setText("31");
            leave(d->Edit1);
            QCOMPARE(d->Edit1->text(), QString("31"));
            d->Edit2->setText("13");
            leave(d->Edit2);
            QCOMPARE(d->Edit2->text(), QString("12"));
            // Enter with a month above 12 does the same and looks nothing up.
            d->Edit2->setText("14");
            test::pressKey(d->Edit2, Qt::Key_Return);
            QCOMPARE(d->Edit2->text(), QString("12"));
            QCOMPARE(d->Edit3->text(), QString());
            QVERIFY(p->ui.messages().isEmpty());
            // A day that no year has is refused before anything is looked up.
            d->Edit1->setText("31");
            d->Edit2->setText("4");
            test::pressKey(d->Edit2, Qt::Key_Return);
            QCOMPARE(p->ui.messages(), QStringList{calendar::invalidDayMessage()});
            QCOMPARE(d->Edit3->text(), QString());
            // Entering the names field switches to Greek with caps lock on.
            FakeKeyboard k;
            Keyboard::setBackend(&k);
            QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
            QCoreApplication::sendEvent(d->Edit3, &in);
            Keyboard::setBackend(nullptr);
            QCOMPARE(k.layouts, QStringList{"00000408"});
            QCOMPARE(k.entry, 1);
        });
    }

    void editingADay()
    {
        open([&](TCelebritiesDlg *d) {
            typeDay(d, "6", "1");
            QCOMPARE(d->Edit3->text(), QString("ΘΕΟΦΑΝΗΣ,ΦΩΤΙΟΣ,ΦΩΤΕΙΝΗ"));
            QCOMPARE(d->Edit4->text(), QString("ΘΕΟΦΑΝΕΙΑ"));
            d->Edit3->clear();
            test::typeText(d->Edit3, "θεοφανης,φωτης");
            QCOMPARE(d->Edit3->text(), QString("ΘΕΟΦΑΝΗΣ,ΦΩΤΗΣ"));
            // No: the day stays as it was and so does what was typed.
            p->ui.answers << false;
            test::pressKey(d->Edit3, Qt::Key_Return);
            QCOMPARE(p->ui.questions(), QStringList{"Να καταχωρηθεί η εγγραφή;"});
            QCOMPARE(p->ui.log.last().caption, QString("ΕΠΙΒΕΒΑΙΩΣΗ"));
            QCOMPARE(names(6, 1), QString("ΘΕΟΦΑΝΗΣ,ΦΩΤΙΟΣ,ΦΩΤΕΙΝΗ"));
            QCOMPARE(d->Edit3->text(), QString("ΘΕΟΦΑΝΗΣ,ΦΩΤΗΣ"));
            QVERIFY(d->GroupBox2->isEnabled());
            QVERIFY(p->ui.messages().isEmpty());
            // Yes: the names are replaced.
            p->ui.answers << true;
            test::pressKey(d->Edit3, Qt::Key_Return);
            QCOMPARE(names(6, 1), QString("ΘΕΟΦΑΝΗΣ,ΦΩΤΗΣ"));
            QCOMPARE(p->ui.messages(), QStringList{"Η αποθήκευση ολοκληρώθηκε."});
            for (QLineEdit *e : {d->Edit1, d->Edit2, d->Edit3, d->Edit4})
                QCOMPARE(e->text(), QString());
            QVERIFY(!d->GroupBox2->isEnabled());
            QCOMPARE(current(d), QString("6/1"));
            QCOMPARE(d->DBGrid1->model()->index(d->DBGrid1->currentIndex().row(), 0).data().toString(),
                     QString("ΘΕΟΦΑΝΗΣ,ΦΩΤΗΣ"));
        });
        QCOMPARE(calendarRows(), 10);
    }

    void addingADay()
    {
        const int before = calendarRows();
        open([&](TCelebritiesDlg *d) {
            typeDay(d, "15", "8");
            QCOMPARE(d->Edit3->text(), QString());
            test::typeText(d->Edit3, "μαρια, παναγιωτης ,δεσποινα,");
            d->Edit4->setText("ΚΟΙΜΗΣΗ ΤΗΣ ΘΕΟΤΟΚΟΥ");
            test::pressKey(d->Edit3, Qt::Key_Return);
            QVERIFY(p->ui.questions().isEmpty()); // a new day is added without a question
            QCOMPARE(p->ui.messages(), QStringList{"Η αποθήκευση ολοκληρώθηκε."});
            QCOMPARE(current(d), QString("15/8"));
            // 29 February is a day of the calendar.
            typeDay(d, "29", "2");
            QCOMPARE(d->Edit3->text(), QString("ΚΑΣΣΙΑΝΟΣ"));
            d->Edit3->setText("ΚΑΣΣΙΑΝΟΣ,ΙΩΑΝΝΗΣ Ο ΚΑΣΣΙΑΝΟΣ");
            p->ui.answers << true;
            test::pressKey(d->Edit3, Qt::Key_Return);
        });
        QCOMPARE(calendarRows(), before + 1);
        QCOMPARE(names(15, 8), QString("ΜΑΡΙΑ,ΠΑΝΑΓΙΩΤΗΣ,ΔΕΣΠΟΙΝΑ"));
        QCOMPARE(Store::instance().scalar("SELECT Sxolio FROM CELEBRITIES WHERE DDATE=15 AND MONTHSID=8").toString(),
                 QString("ΚΟΙΜΗΣΗ ΤΗΣ ΘΕΟΤΟΚΟΥ"));
        QCOMPARE(names(29, 2), QString("ΚΑΣΣΙΑΝΟΣ,ΙΩΑΝΝΗΣ Ο ΚΑΣΣΙΑΝΟΣ"));
        // The entry screens find the new day by a whole first name.
        QCOMPARE(CitizenStore::nameDay("ΠΑΝΑΓΙΩΤΗΣ"), QString("15/08"));
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("message"); // its beginning
        QTest::newRow("no names") << "24" << "4" << "" << namesRequired;
        QTest::newRow("only commas") << "24" << "4" << " , " << namesRequired;
        QTest::newRow("31 April") << "31" << "4" << "ΑΝΝΑ" << calendar::invalidDayMessage();
        QTest::newRow("30 February") << "30" << "2" << "ΑΝΝΑ" << calendar::invalidDayMessage();
        QTest::newRow("day 0") << "0" << "3" << "ΑΝΝΑ" << calendar::invalidDayMessage();
        QTest::newRow("no day") << "" << "3" << "ΑΝΝΑ" << calendar::invalidDayMessage();
        QTest::newRow("no month") << "3" << "" << "ΑΝΝΑ" << calendar::invalidDayMessage();
        QTest::newRow("names of another day") << "24" << "4" << "ΓΕΩΡΓΙΟΣ,ΓΙΩΡΓΟΣ,ΓΕΩΡΓΙΑ"
                                              << "Παραβίαση κλειδιού";
    }
    void refusals()
    {
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, names);
        QFETCH(QString, message);
        const int before = calendarRows();
        const QString all = Store::instance().scalar("SELECT group_concat(NAME, '|') FROM CELEBRITIES").toString();
        open([&](TCelebritiesDlg *d) {
            d->BtnNew->click();
            d->Edit1->setText(day);
            d->Edit2->setText(month);
            d->Edit3->setText(names);
            test::pressKey(d->Edit3, Qt::Key_Return);
            QCOMPARE(p->ui.messages().size(), 1);
            QVERIFY2(p->ui.messages().first().startsWith(message), qPrintable(p->ui.messages().first()));
            QVERIFY(d->GroupBox2->isEnabled());
            QCOMPARE(d->Edit3->text(), names);
        });
        QCOMPARE(calendarRows(), before);
        QCOMPARE(Store::instance().scalar("SELECT group_concat(NAME, '|') FROM CELEBRITIES").toString(), all);
    }

    void quotesAreStoredAsTyped()
    {
        open([&](TCelebritiesDlg *d) {
            typeDay(d, "2", "9");
            d->Edit3->setText("Ο'ΝΙΛ,Χ'); DELETE FROM CELEBRITIES; --");
            test::pressKey(d->Edit3, Qt::Key_Return);
        });
        QCOMPARE(names(2, 9), QString("Ο'ΝΙΛ,Χ'); DELETE FROM CELEBRITIES; --"));
        QCOMPARE(calendarRows(), 11);
    }

    void twoOrders()
    {
        open([&](TCelebritiesDlg *d) {
            auto column = [d](int c) {
                QStringList out;
                for (int r = 0; r < d->DBGrid1->model()->rowCount(); ++r)
                    out << d->DBGrid1->model()->index(r, c).data().toString();
                return out;
            };
            QCOMPARE(column(0).first(), QString("ΘΕΟΦΑΝΗΣ,ΦΩΤΙΟΣ,ΦΩΤΕΙΝΗ")); // 06/01
            QCOMPARE(column(0).last(), QString("ΝΙΚΟΛΑΟΣ,ΝΙΚΟΣ,ΝΙΚΗ"));     // 06/12
            d->RadioGroup1->button(0)->click();
            QStringList byName = column(0);
            QStringList sorted = byName;
            std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) { return greekCompare(a, b) < 0; });
            QCOMPARE(byName, sorted);
            QCOMPARE(byName.first(), QString("ΑΝΔΡΟΝΙΚΟΣ,ΑΝΔΡΟΝΙΚΗ"));
            d->RadioGroup1->button(1)->click();
            QCOMPARE(column(1).mid(0, 3), (QStringList{"6", "7", "31"}));
            QCOMPARE(column(2).mid(0, 3), (QStringList{"1", "1", "1"}));
            d->RadioGroup1->button(0)->click();
        });
        // The choice is kept for the next opening.
        open([&](TCelebritiesDlg *d) {
            QCOMPARE(d->RadioGroup1->itemIndex(), 0);
            QCOMPARE(d->DBGrid1->model()->index(0, 0).data().toString(), QString("ΑΝΔΡΟΝΙΚΟΣ,ΑΝΔΡΟΝΙΚΗ"));
            QCOMPARE(current(d), QString("23/4"));
        });
    }

    void printout()
    {
        // A long calendar: a page cannot hold it, and one day has more names than a line.
        QString many;
        for (int i = 0; i < 30; ++i)
            many += (i ? "," : "") + QString("ΟΝΟΜΑ%1").arg(i);
        Store::instance().exec("INSERT INTO CELEBRITIES (DDATE, MONTHSID, NAME) VALUES (1, 6, ?)", {many});
        for (int i = 1; i <= 28; ++i)
            for (int m : {7, 8, 9, 10})
                Store::instance().exec("INSERT INTO CELEBRITIES (DDATE, MONTHSID, NAME) VALUES (?, ?, ?)",
                                       {i, m, QString("ΗΜΕΡΑ %1/%2").arg(i).arg(m)});
        QTemporaryDir pdfs;
        p->ui.pdfFolder = pdfs.path();
        open([&](TCelebritiesDlg *d) { d->BtnPrint->click(); });
        QCOMPARE(p->ui.printoutTitles, QStringList{"ΕΚΤΥΠΩΣΗ ΕΟΡΤΟΛΟΓΙΟΥ"});
        const RecordingSink &s = p->ui.printouts.first();
        QVERIFY(s.pages.size() >= 2);
        QCOMPARE(s.pages[0].texts.mid(0, 4), (QStringList{"Ε Ο Ρ Τ Ο Λ Ο Γ Ι Ο", "Ονόματα", "Ημ/νία", "Μήνας"}));
        QCOMPARE(s.pages[0].texts.mid(4, 3), (QStringList{"ΘΕΟΦΑΝΗΣ,ΦΩΤΙΟΣ,ΦΩΤΕΙΝΗ", "6", "1"}));
        for (int i = 0; i < s.pages.size(); ++i) {
            const QStringList &t = s.pages[i].texts;
            QCOMPARE(t.count("DORVANI"), 1);
            QCOMPARE(t.count("Ε Ο Ρ Τ Ο Λ Ο Γ Ι Ο"), i == 0 ? 1 : 0);
            QCOMPARE(t.count("Ονόματα"), 1);
        }
        const QString all = s.allText();
        QVERIFY(all.contains("ΝΙΚΟΛΑΟΣ,ΝΙΚΟΣ,ΝΙΚΗ"));
        QVERIFY(all.contains("ΗΜΕΡΑ 28/10"));
        // The long day goes on over lines broken after a comma; no name is lost.
        QVERIFY(!all.contains(many));
        QString joined;
        for (const QString &line : all.split('\n'))
            if (line.startsWith("ΟΝΟΜΑ"))
                joined += line;
        QCOMPARE(joined, many);
        // The same printout as a PDF file, in Greek.
        QCOMPARE(p->ui.pdfFiles.size(), 1);
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is needed to read the PDF file");
        QProcess pdf;
        pdf.start("pdftotext", {"-enc", "UTF-8", "-f", "1", "-l", "1", p->ui.pdfFiles.first(), "-"});
        QVERIFY(pdf.waitForFinished(60000));
        // pdftotext joins the spaced letters of the heading: compare without blanks.
        const QString text = QString::fromUtf8(pdf.readAllStandardOutput()).remove(' ');
        for (const char *w : {"Ε Ο Ρ Τ Ο Λ Ο Γ Ι Ο", "Ονόματα", "Ημ/νία", "Μήνας", "ΘΕΟΦΑΝΗΣ,ΦΩΤΙΟΣ,ΦΩΤΕΙΝΗ",
                                 "DORVANI"})
            QVERIFY2(text.contains(QString::fromUtf8(w).remove(' ')), w);
    }

    void doubleClickShowsTheCelebrants()
    {
        QString sql;
        QStringList listed;
        p->ui.onExec["PersCelebrDlg"] = [&](QDialog *d) {
            auto *v = static_cast<TPersCelebrDlg *>(d);
            sql = v->query()->sql();
            for (int r = 0; r < v->DBGrid1->model()->rowCount(); ++r)
                listed << v->DBGrid1->model()->index(r, 1).data().toString();
            return int(QDialog::Rejected);
        };
        open([&](TCelebritiesDlg *d) {
            QCOMPARE(current(d), QString("23/4"));
            doubleClick(d->DBGrid1, d->DBGrid1->currentIndex().row(), 0);
            QVERIFY(d->isVisible()); // the calendar stays under the view
            QCOMPARE(p->ui.dialogs(), (QStringList{"CelebritiesDlg", "PersCelebrDlg"}));
            QVERIFY(sql.contains("ONOMA IN ('ΓΕΩΡΓΙΟΣ','ΓΙΩΡΓΟΣ','ΓΕΩΡΓΙΑ') OR (CelebrDay = '23/04')"));
            listed.sort();
            QCOMPARE(listed, (QStringList{"ΓΕΩΡΓΙΑ", "ΓΕΩΡΓΙΟΣ", "ΓΙΩΡΓΟΣ", "ΚΩΝΣΤΑΝΤΙΝΟΣ"}));
            // 6 January: day and month in two digits; nobody celebrates, so the view stays shut.
            doubleClick(d->DBGrid1, 0, 0);
            QCOMPARE(p->ui.messages(), QStringList{"Δεν βρέθηκε κανένα πρόσωπο που να εορτάζει."});
            QCOMPARE(p->ui.dialogs().size(), 2);
            QVERIFY(CalendarScreens::persCelebr()->query()->sql().contains(
                "ONOMA IN ('ΘΕΟΦΑΝΗΣ','ΦΩΤΙΟΣ','ΦΩΤΕΙΝΗ') OR (CelebrDay = '06/01')"));
            // An empty cell shows nothing.
            doubleClick(d->DBGrid1, 1, 3); // 07/01 has no comment
            doubleClick(d->DBGrid1, 2, 3);
            QCOMPARE(p->ui.messages().size(), 1);
            QCOMPARE(p->ui.dialogs().size(), 2);
        });
    }
};

QTEST_MAIN(TstCelebrities)
#include "tst_celebrities.moc"
