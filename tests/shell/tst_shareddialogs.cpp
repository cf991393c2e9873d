// Dialogs shared by many screens: the capacities check list, the progress window and
// the splash box's timer.
#include "TestSupport.h"
#include "citizens/UntIdiothta.h"
#include "widgets/UntProgress.h"
#include "shell/UntSplash.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace dorvani;

class TstSharedDialogs : public QObject {
    Q_OBJECT

private slots:
    void capacities()
    {
        test::ScriptedUi ui;
        TIdiothtaDlg d;
        QCOMPARE(d.windowTitle(), QString("ΙΔΙΟΤΗΤΑ"));
        QCOMPARE(d.ChkBox1->count(), 27);
        QCOMPARE(d.ChkBox1->item(26)->text(), QString("ΜΕΛΟΣ ΝΟΜΑΡΧΙΑΚΗΣ ΕΠΙΤΡΟΠΗΣ ΥΠΟΨΗΦΙΟΣ"));
        d.setList("12,3,x,40");
        QCOMPARE(d.list(), QString("3,12"));
        d.ChkBox1->item(0)->setCheckState(Qt::Checked);
        QCOMPARE(d.list(), QString("0,3,12"));
        d.show();
        d.BitBtn1->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));

        // A choice that would not fit the citizen's field is refused, not cut.
        d.show();
        for (int i = 0; i < 27; ++i)
            d.ChkBox1->item(i)->setCheckState(Qt::Checked);
        d.BitBtn1->click();
        QVERIFY(d.isVisible());
        QCOMPARE(ui.messages().size(), 1);
        d.BitBtn2->click();
        QCOMPARE(d.result(), int(QDialog::Rejected));
    }

    void progress()
    {
        TProgressDlg p;
        QCOMPARE(p.windowTitle(), QString("ΠΑΡΑΚΑΛΩ ΠΕΡΙΜΕΝΕΤΕ"));
        p.begin(3);
        QVERIFY(p.isVisible());
        QCOMPARE(p.Label1->text(), QString("Παρακαλώ περιμένετε..."));
        QCOMPARE(p.ProgBar->maximum(), 3);
        QVERIFY(p.step());
        QTimer::singleShot(0, p.BitBtn1, &QPushButton::click);
        QVERIFY(!p.step()); // the click is let through and recorded
        QVERIFY(p.cancelled());
        p.end();
        p.begin(5);
        QVERIFY(!p.cancelled()); // a new run forgets the old request
        QCOMPARE(p.ProgBar->value(), 0);
        p.end();
        QVERIFY(!p.isVisible());
    }

    void splashClosesItself()
    {
        TAboutBox b;
        QCOMPARE(b.Timer1->interval(), 5000);
        QVERIFY(b.Version->text().startsWith("Version : "));
        b.Timer1->setInterval(10); // the same timer, sooner
        QTimer::singleShot(2000, &b, &QDialog::reject);
        QCOMPARE(b.exec(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TstSharedDialogs)
#include "tst_shareddialogs.moc"
