// A search run while the letter screen is open ends on the letter recipients screen: its
// caption, columns, count and sums; "&OK" closes the search and hands the columns and the
// count to the letter screen; "&ΕΠΙΣΤΡΟΦΗ" leaves the letter screen's own columns over the
// found rows; and after the letter screen closes, searches end on the results screen again.
#include "../search/SearchTestSupport.h"
#include "data/DataModule.h"
#include "data/Dataset.h"
#include "citizens/UntEditPers.h"
#include "letters/LetterScreens.h"
#include "letters/UntEpistolh.h"
#include "letters/UntPROSFRes.h"
#include "search/ResultFields.h"
#include "search/UntFindPers.h"
#include "search/UntPedia.h"
#include "search/UntPrnPedia.h"
#include "search/UntSearchRes.h"
#include "widgets/DbControls.h"
#include "widgets/MainWindow.h"
#include "ProgramFixture.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

using namespace dorvani;
using test::Program;

namespace {

template <class T> T *child()
{
    for (QWidget *w : MainWindow::instance()->openChildren())
        if (auto *s = qobject_cast<T *>(w))
            return s;
    return nullptr;
}

void settle()
{
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// What the recipients screen showed.
struct Seen {
    bool shown = false;
    QString caption, count, sums[3];
    QStringList titles;
    QList<int> widths;
};

} // namespace

class TstRecipients : public QObject {
    Q_OBJECT
    std::unique_ptr<Program> p;
    test::RegisterFixture reg;

    TEpistolhFrm *openLetters()
    {
        p->main()->action("ΔΗΜΙΟΥΡΓΙΑ - ΕΚΤΥΠΩΣΗ ΕΠΙΣΤΟΛΩΝ")->trigger();
        return child<TEpistolhFrm>();
    }
    // The fields chosen in the chooser by their names.
    void chooseFields(const QStringList &fields)
    {
        p->ui.onExecOnce["PediaDlg"].enqueue([fields](QDialog *d) {
            auto *dlg = static_cast<TPediaDlg *>(d);
            for (int i = 0; i < dlg->ChkPedia->count(); ++i)
                dlg->ChkPedia->item(i)->setCheckState(fields.contains(results::fields().value(i)) ? Qt::Checked
                                                                                                : Qt::Unchecked);
            dlg->BitBtn1->click();
            return d->result();
        });
    }
    // A search for the surnames starting ΠΑΠ in the home prefecture (two citizens) from the
    // letter screen; the recipients screen
    // is recorded and left with the given button.
    Seen searchFrom(TEpistolhFrm *f, const QString &button)
    {
        Seen seen;
        f->BtnFind->click();
        TFindPersFrm *s = child<TFindPersFrm>();
        if (!s)
            return seen;
        s->EdtEpitheto->setText("ΠΑΠ*");
        p->ui.onExecOnce["PROSFRESDlg"].enqueue([&seen, button](QDialog *d) {
            auto *r = static_cast<TPROSFRESDlg *>(d);
            seen.shown = true;
            seen.caption = r->windowTitle();
            seen.count = r->countText();
            seen.sums[0] = r->Label2->text();
            seen.sums[1] = r->Label3->text();
            seen.sums[2] = r->Label4->text();
            for (const auto &c : r->columns()) {
                seen.titles << c.title;
                seen.widths << c.width;
            }
            r->findChild<QPushButton *>(button)->click();
            return d->result();
        });
        s->BtnFind->click();
        settle();
        return seen;
    }

private slots:
    void init()
    {
        p = std::make_unique<Program>();
        QVERIFY(p->start());
        reg = test::RegisterFixture::fill();
        test::SearchCitizens::fill(reg);
        p->ui.clearLog();
    }
    void cleanup()
    {
        if (p)
            QVERIFY2(p->ui.unexpected.isEmpty(), qPrintable(p->ui.unexpected.join("; ")));
        p.reset();
    }

    void okHandsTheColumnsAndTheCountOver()
    {
        TEpistolhFrm *f = openLetters();
        QVERIFY(f);
        chooseFields({"EPITHETO", "ONOMA", "AVOTE", "PVOTE", "P_PSHFOI", "PSHFOI_P", "TOT_PSHFOI"});
        const Seen seen = searchFrom(f, "BitBtn2");
        QVERIFY(seen.shown);
        QCOMPARE(seen.caption, QString("ΑΠΟΤΕΛΕΣΜΑΤΑ ΑΝΑΖΗΤΗΣΗΣ - ΕΠΙΣΤΟΛΟΓΡΑΦΟΣ"));
        QCOMPARE(seen.count, QString("Βρέθηκαν 2 εγγραφές"));
        // Only three sums: the ballots to deliver and delivered are not shown here.
        QCOMPARE(seen.sums[0], QString("Σύνολο Ατομικών ψήφων :13"));
        QCOMPARE(seen.sums[1], QString("Σύνολο Περιφερειακών ψήφων :12"));
        QCOMPARE(seen.sums[2], QString("Συνολικοί ψήφοι :25"));
        QCOMPARE(seen.titles.size(), 7);
        QVERIFY(!p->ui.dialogs().contains("SearchResDlg"));

        // The search screen is closed; the letter screen shows the same columns and the count.
        QVERIFY(!child<TFindPersFrm>());
        QCOMPARE(f->Label1->text(), seen.count);
        const QList<DatasetModel::Column> cols = f->DBGrid1->datasetModel()->columns();
        QCOMPARE(cols.size(), seen.titles.size());
        for (int i = 0; i < cols.size(); ++i) {
            QCOMPARE(cols[i].title, seen.titles[i]);
            QCOMPARE(f->DBGrid1->columnWidth(i), seen.widths[i]);
        }
        QCOMPARE(p->dm().SearchQry->recordCount(), 2);
        QVERIFY(f->DBGrid1->markedRows().isEmpty());
    }

    void printsTheListAndOpensACitizen()
    {
        TEpistolhFrm *f = openLetters();
        QVERIFY(f);
        chooseFields({"EPITHETO", "ONOMA"});
        f->BtnFind->click();
        TFindPersFrm *s = child<TFindPersFrm>();
        QVERIFY(s);
        s->EdtEpitheto->setText("ΠΑΠ*");
        int opened = 0;
        p->ui.onExecOnce["PROSFRESDlg"].enqueue([&](QDialog *d) {
            auto *r = static_cast<TPROSFRESDlg *>(d);
            p->ui.onExecOnce["PrnPEDIADlg"].enqueue([](QDialog *pd) {
                static_cast<TPrnPEDIADlg *>(pd)->ChkBox->item(0)->setCheckState(Qt::Checked);
                return test::acceptDialog(pd);
            });
            r->BitBtn1->click();
            Dataset *q = p->dm().SearchQry;
            q->moveTo(1);
            opened = q->integer("AUTONUM");
            emit r->DBGrid1->rowDoubleClicked(1);
            return d->result();
        });
        s->BtnFind->click();
        settle();

        // The list printed with this screen's caption.
        QCOMPARE(p->ui.printoutTitles, QStringList{"ΑΠΟΤΕΛΕΣΜΑΤΑ ΑΝΑΖΗΤΗΣΗΣ - ΕΠΙΣΤΟΛΟΓΡΑΦΟΣ"});
        QVERIFY(p->ui.printouts.first().pages.first().texts.value(0).startsWith(
            "ΑΠΟΤΕΛΕΣΜΑΤΑ ΑΝΑΖΗΤΗΣΗΣ - ΕΠΙΣΤΟΛΟΓΡΑΦΟΣ    "));
        QVERIFY(p->ui.printouts.first().pages.first().texts.contains("ΠΑΠΑΣ"));

        // The double click opened the citizen; nothing was taken over.
        TEditPersFrm *e = child<TEditPersFrm>();
        QVERIFY(e);
        QCOMPARE(e->findChild<QLineEdit *>("EdtEpitheto")->text(), QString("ΠΑΠΑΣ"));
        QVERIFY(opened > 0);
        QCOMPARE(f->Label1->text(), QString("Βρέθηκαν :"));
        // Closing the citizen shows the results screen, as from any search result.
        bool results = false;
        p->ui.onExecOnce["SearchResDlg"].enqueue([&results](QDialog *) {
            results = true;
            return int(QDialog::Rejected);
        });
        p->ui.answers << false; // nothing changed there to keep
        e->CancelBtn->click();
        QTRY_VERIFY(results);
    }

    void columnWidthsOfTheRecipients_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("factor");
        QTest::newRow("special number, half") << "DATA1" << 0.5;
        QTest::newRow("father, half") << "PATR" << 0.5;
        QTest::newRow("nationality, half") << "ETHNIKOTHTA" << 0.5;
        QTest::newRow("education, half") << "MORFOSHStr" << 0.5;
        QTest::newRow("profession, natural") << "EPAGELMA" << 1.0;
        QTest::newRow("position 23, 1.7") << results::fields().value(23) << 1.7;
        QTest::newRow("position 24, natural") << results::fields().value(24) << 1.0;
        QTest::newRow("position 46, natural") << results::fields().value(46) << 1.0;
    }
    void columnWidthsOfTheRecipients()
    {
        QFETCH(QString, field);
        QFETCH(double, factor);
        TEpistolhFrm *f = openLetters();
        QVERIFY(f);
        chooseFields({field});
        const Seen seen = searchFrom(f, "CancelBtn");
        QVERIFY(seen.shown);
        QCOMPARE(seen.widths.size(), 1);
        TPROSFRESDlg *r = LetterScreens::recipients();
        const int position = int(results::fields().indexOf(field));
        const int natural =
            TSearchResDlg::naturalWidth(p->dm().SearchQry, field, results::captions().value(position),
                                        r->DBGrid1->font(), r->DBGrid1->horizontalHeader()->font());
        QCOMPARE(seen.widths[0], int(natural * factor));
    }

    void returnKeepsTheLetterScreensColumns()
    {
        TEpistolhFrm *f = openLetters();
        QVERIFY(f);
        const QList<DatasetModel::Column> before = f->DBGrid1->datasetModel()->columns();
        chooseFields({"EPITHETO", "AVOTE"});
        const Seen seen = searchFrom(f, "CancelBtn");
        QVERIFY(seen.shown);
        QVERIFY(child<TFindPersFrm>()); // the search screen stays
        QCOMPARE(f->Label1->text(), QString("Βρέθηκαν :"));
        const QList<DatasetModel::Column> after = f->DBGrid1->datasetModel()->columns();
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after.value(0).title, QString("ΕΠΙΘΕΤΟ"));
        QCOMPARE(after.value(2).title, QString("ΔΙΕΥΘΥΝΣΗ"));
        QCOMPARE(f->DBGrid1->model()->rowCount(), 2); // the found rows in its own columns

        // With the letter screen closed, a search ends on the results screen again.
        f->CancelBtn->click();
        settle();
        QVERIFY(!child<TEpistolhFrm>());
        TFindPersFrm *s = child<TFindPersFrm>();
        QVERIFY(s);
        chooseFields({"EPITHETO"});
        bool results = false;
        p->ui.onExecOnce["SearchResDlg"].enqueue([&results](QDialog *) {
            results = true;
            return int(QDialog::Rejected);
        });
        s->BtnFind->click();
        QVERIFY(results);
    }
};

QTEST_MAIN(TstRecipients)
#include "tst_recipients.moc"
