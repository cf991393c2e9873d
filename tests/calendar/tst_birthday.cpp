// The birthday list: opened on today, periods within a month, across months, across the
// year's end, around 29 February, and of many years; birthdays without a year; a period
// that ends before it starts; and the way to a citizen and back to the same list.
#include "platform/AppContext.h"
#include "calendar/Calendar.h"
#include "CalendarFixture.h"
#include "widgets/DbControls.h"
#include "data/GreekText.h"
#include "ProgramFixture.h"
#include "RegisterFixture.h"
#include "calendar/UntBirthday.h"
#include "citizens/UntEditPers.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace dorvani;
using test::Program;

namespace {

void doubleClick(QTableView *v, int row, int column) { test::doubleClickCell(v, row, column); }

QStringList column(QTableView *v, int c)
{
    QStringList out;
    for (int r = 0; r < v->model()->rowCount(); ++r)
        out << v->model()->index(r, c).data().toString();
    return out;
}

} // namespace

class TstBirthday : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> p;
    test::CalendarFixture f;

    // The surnames of the citizens with these keys, in the list's order.
    QStringList surnames(const QStringList &keys)
    {
        QStringList out;
        for (const QString &k : keys)
            out << CitizenStore::load(f.id.value(k)).value("EPITHETO").toString();
        std::sort(out.begin(), out.end(), [](const QString &a, const QString &b) { return greekCompare(a, b) < 0; });
        return out;
    }
    // Opens the list from the menu and plays it with the handler.
    void open(const std::function<void(TBirthdayDlg *)> &play)
    {
        p->ui.onExecOnce["BirthdayDlg"].enqueue([play](QDialog *d) {
            play(static_cast<TBirthdayDlg *>(d));
            return d->result();
        });
        p->main()->action("ΓΕΝΕΘΛΙΟΛΟΓΙΟ")->trigger();
    }

private slots:
    void init()
    {
        Clock::setNow(QDateTime(QDate(2026, 3, 5), QTime(9, 0)));
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

    void opensOnToday()
    {
        QVERIFY(p->main()->action("ΓΕΝΕΘΛΙΟΛΟΓΙΟ")->isEnabled());
        bool played = false;
        open([&](TBirthdayDlg *d) {
            played = true;
            QCOMPARE(d->windowTitle(), QString("ΓΕΝΕΘΛΙΟΛΟΓΙΟ"));
            QCOMPARE(d->DatePick1->date(), QDate(2026, 3, 5));
            QCOMPARE(d->DatePick2->date(), QDate(2026, 3, 5));
            // Born on a 5 March of any year, or with no year.
            QCOMPARE(column(d->DBGrid1, 0), (QStringList{"ΑΛΕΞΙΟΥ", "ΒΑΣΙΛΕΙΟΥ"}));
            QCOMPARE(column(d->DBGrid1, 3), (QStringList{"ΤΡΙΠΟΛΗ", ""})); // no town: an empty town
            QCOMPARE(column(d->DBGrid1, 7), (QStringList{"05/03/1970", "05/03/XXXX"}));
            QCOMPARE(d->Label3->text(), QString("Βρέθηκαν 2 εγγραφές"));
            QStringList titles;
            QList<int> widths;
            for (int c = 0; c < d->DBGrid1->model()->columnCount(); ++c) {
                titles << d->DBGrid1->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
                widths << d->DBGrid1->columnWidth(c);
            }
            QCOMPARE(titles, (QStringList{"ΕΠΙΘΕΤΟ", "ONOMA", "ΠΑΤΡ.", "ΠΟΛΗ", "ΤΗΛ.ΟΙΚΙΑΣ", "ΤΗΛ.ΕΡΓΑΣΙΑΣ",
                                          "KINHTO THΛ.", "ΗΜ.ΓΕΝΝΗΣΗΣ", "ΕΟΡΤΑΖΕΙ ΣΤΙΣ"}));
            // Each column is at least as wide as given, and wide enough for its values.
            const QList<int> least = {107, 72, 62, 133, 0, 76, 79, 71, 62};
            for (int c = 0; c < least.size(); ++c)
                QVERIFY(widths[c] >= least[c]);
            QVERIFY(widths[7] >= d->DBGrid1->fontMetrics().horizontalAdvance("05/03/1970"));
            QCOMPARE(d->DBGrid1->toolTip(), QString("ΜΕ ΔΙΠΛΟ ΑΡΙΣΤΕΡΟ ΠΡΟΒΟΛΗ ΚΑΡΤΕΛΛΑΣ ΠΟΛΙΤΗ"));
            QCOMPARE(d->Panel1->palette().color(QPalette::Window), QColor(231, 207, 5));
        });
        QVERIFY(played);
        // Each opening from the menu starts again from today.
        Clock::setNow(QDateTime(QDate(2026, 12, 31), QTime(9, 0)));
        open([&](TBirthdayDlg *d) {
            QCOMPARE(d->DatePick1->date(), QDate(2026, 12, 31));
            QCOMPARE(column(d->DBGrid1, 0), (QStringList{"ΜΑΝΩΛΑΚΗΣ"}));
        });
    }

    void periods_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("within a month") << QDate(2026, 3, 5) << QDate(2026, 3, 6)
                                        << QStringList{"b0503", "b0503x", "b0603"};
        QTest::newRow("across months") << QDate(2026, 3, 31) << QDate(2026, 4, 1) << QStringList{"b3103", "b0104"};
        QTest::newRow("across the year's end") << QDate(2026, 12, 30) << QDate(2027, 1, 2)
                                               << QStringList{"b3012", "b3112", "b0101", "b0201x"};
        QTest::newRow("end of February, leap year")
            << QDate(2028, 2, 28) << QDate(2028, 3, 1) << QStringList{"b2902"};
        QTest::newRow("end of February, common year") << QDate(2027, 2, 28) << QDate(2027, 3, 1) << QStringList{};
        QTest::newRow("ten years") << QDate(2020, 1, 1) << QDate(2029, 12, 31)
                                   << QStringList{"b0503", "b0503x", "b0603", "b3103", "b0104", "b2912", "b3012",
                                                  "b3112", "b0101", "b0201x", "b0301", "b2902", "b1507"};
        QTest::newRow("a century") << QDate(1950, 7, 15) << QDate(2050, 7, 14)
                                   << QStringList{"b0503", "b0503x", "b0603", "b3103", "b0104", "b2912", "b3012",
                                                  "b3112", "b0101", "b0201x", "b0301", "b2902", "b1507"};
    }
    void periods()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QStringList, keys);
        QStringList shown;
        QString count;
        open([&](TBirthdayDlg *d) {
            d->DatePick1->setDate(from);
            d->DatePick2->setDate(to);
            d->BtnSearch->click();
            shown = column(d->DBGrid1, 0);
            count = d->Label3->text();
        });
        QCOMPARE(shown, surnames(keys));
        QCOMPARE(count, calendar::countLine(int(keys.size())));
        QVERIFY(p->ui.messages().isEmpty());
    }

    void endBeforeStart()
    {
        open([&](TBirthdayDlg *d) {
            d->DatePick1->setDate(QDate(2026, 3, 7));
            d->DatePick2->setDate(QDate(2026, 3, 6));
            d->BtnSearch->click();
            QCOMPARE(p->ui.messages(), QStringList{calendar::periodEndsBeforeStartMessage()});
            // The earlier result stays.
            QCOMPARE(column(d->DBGrid1, 0), (QStringList{"ΑΛΕΞΙΟΥ", "ΒΑΣΙΛΕΙΟΥ"}));
            QCOMPARE(d->Label3->text(), QString("Βρέθηκαν 2 εγγραφές"));
        });
        QVERIFY(p->ui.messages().first().startsWith("Η ημερομηνία ΕΩΣ είναι πριν από την ημερομηνία ΑΠΟ."));
    }

    // A double click opens the citizen; closing the editing screen brings the list back
    // with the same period and result, not today's.
    void roundTrip()
    {
        open([&](TBirthdayDlg *d) {
            d->DatePick1->setDate(QDate(2026, 12, 30));
            d->DatePick2->setDate(QDate(2027, 1, 2));
            d->BtnSearch->click();
            doubleClick(d->DBGrid1, int(column(d->DBGrid1, 0).indexOf("ΞΕΝΟΣ")), 1);
        });
        TEditPersFrm *frm = nullptr;
        for (QWidget *w : p->main()->openChildren())
            if (auto *e = qobject_cast<TEditPersFrm *>(w))
                frm = e;
        QVERIFY(frm);
        QCOMPARE(frm->citizenNumber(), f.id["b0201x"]);
        QCOMPARE(frm->EdtEpitheto->text(), QString("ΞΕΝΟΣ"));

        QStringList shown;
        QString current, count;
        QDate from, to;
        p->ui.onExecOnce["BirthdayDlg"].enqueue([&](QDialog *d) {
            auto *b = static_cast<TBirthdayDlg *>(d);
            shown = column(b->DBGrid1, 0);
            current = b->DBGrid1->model()->index(b->DBGrid1->currentIndex().row(), 0).data().toString();
            count = b->Label3->text();
            from = b->DatePick1->date();
            to = b->DatePick2->date();
            return int(QDialog::Rejected);
        });
        p->ui.answers << false;
        frm->CancelBtn->click();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(p->ui.dialogs(), (QStringList{"BirthdayDlg", "BirthdayDlg"}));
        QCOMPARE(shown, surnames({"b3012", "b3112", "b0101", "b0201x"}));
        QCOMPARE(current, QString("ΞΕΝΟΣ"));
        QCOMPARE(count, QString("Βρέθηκαν 4 εγγραφές"));
        QCOMPARE(from, QDate(2026, 12, 30));
        QCOMPARE(to, QDate(2027, 1, 2));
    }
};

QTEST_MAIN(TstBirthday)
#include "tst_birthday.moc"
