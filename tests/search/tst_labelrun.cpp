// The label screen over the results of a search: label types from the starter set, the
// label text from the fields, templates, marking and a run previewed and written to PDF.
#include "search/LabelTypes.h"
#include "search/Labels.h"
#include "search/SearchScreens.h"
#include "search/UntLabelSetup.h"
#include "search/UntPrint.h"
#include "search/UntSearchRes.h"
#include "search/ResultFields.h"
#include "data/DataModule.h"
#include "data/Dataset.h"
#include "platform/Registry.h"
#include "widgets/DbControls.h"
#include "widgets/Screens.h"
#include "widgets/Ui.h"
#include "widgets/UntProgress.h"
#include "ProgramFixture.h"
#include "SearchTestSupport.h"
#include "TestSupport.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <QToolButton>

using namespace dorvani;
using test::Program;

class TstLabelRun : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> p;
    test::RegisterFixture f;
    test::SearchCitizens c;

    void fillResults()
    {
        Query *q = p->dm().SearchQry;
        q->setSql("Select * From POLITES Order By EPITHETO");
        q->open();
        SearchScreens::results()->fill(results::fields(), "ΠΕΡΙΓΡΑΦΗ");
    }
    // Opens the label screen as the results screen's button does and plays it.
    void playLabels(const std::function<void(TLabelSetupFrm *)> &play)
    {
        fillResults();
        p->ui.onExecOnce["LabelSetupFrm"].enqueue([play](QDialog *d) {
            play(static_cast<TLabelSetupFrm *>(d));
            return 0;
        });
        Screens::run("TLabelSetupFrm");
    }

private slots:
    void init()
    {
        p = std::make_unique<Program>();
        QVERIFY(p->start());
        f = test::RegisterFixture::fill();
        c = test::SearchCitizens::fill(f);
        p->ui.clearLog();
    }
    void cleanup() { p.reset(); }

    void starterTypesOnFirstStart()
    {
        QCOMPARE(labeltypes::names().size(), 4);
        const auto t = labeltypes::load("A4 3x7 63,5x38,1");
        QVERIFY(t);
        QCOMPARE(labels::labelsPerPage(*t), 21);
        for (const auto &s : labeltypes::starterTypes())
            QVERIFY2(labels::refusal(s).isEmpty(), qPrintable(s.name));
    }

    void theScreenOpensWithTheCheckedFields()
    {
        playLabels([](TLabelSetupFrm *frm) {
            QCOMPARE(frm->Memo1->toPlainText(), QString("#Επώνυμο#\n#Όνομα#\n#Διεύθυνση#\n#Τ.Κ.#\n#Πόλη#"));
            QCOMPARE(frm->DBLookupComboBox1->currentIndex(), -1);
            frm->ChkLstPedia->item(4)->setCheckState(Qt::Unchecked);
            frm->ChkLstPedia->item(12)->setCheckState(Qt::Checked);
            QCOMPARE(frm->Memo1->toPlainText(), QString("#Επώνυμο#\n#Όνομα#\n#Διεύθυνση#\n#Τ.Κ.#\n#Επάγγελμα#"));
            frm->DBLookupComboBox1->setCurrentIndex(frm->DBLookupComboBox1->findText("A4 3x8 70x37"));
            frm->BtnCancel->click();
        });
        Registry reg(Registry::Labels);
        QCOMPARE(reg.readString("ToPrint", "printer"), QString("A4 3x8 70x37"));
        QCOMPARE(reg.readBool("ToPrint", "POLH", true), false);
        QCOMPARE(reg.readBool("ToPrint", "EPAGELMA", false), true);
        playLabels([](TLabelSetupFrm *frm) {
            QCOMPARE(frm->DBLookupComboBox1->currentText(), QString("A4 3x8 70x37"));
            QVERIFY(frm->Memo1->toPlainText().endsWith("#Επάγγελμα#"));
        });
    }

    void aTemplateChecksTheFieldsItNames()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("fakelos.ini");
        QVERIFY(labels::saveTemplate(path, {"ΠΡΟΣ: #επώνυμο# #Όνομα#", "#FAX#"}, nullptr));
        p->ui.openFiles << path;
        playLabels([](TLabelSetupFrm *frm) {
            frm->SBtnLoad->click();
            QCOMPARE(frm->Memo1->toPlainText(), QString("ΠΡΟΣ: #επώνυμο# #Όνομα#\n#FAX#"));
            for (int i = 0; i < frm->ChkLstPedia->count(); ++i)
                QCOMPARE(frm->ChkLstPedia->item(i)->checkState() == Qt::Checked, i == 0 || i == 1 || i == 11);
        });
        // Reopened: the saved template's fields, one line each.
        playLabels([](TLabelSetupFrm *frm) {
            QCOMPARE(frm->Memo1->toPlainText(), QString("#Επώνυμο#\n#Όνομα#\n#FAX#"));
        });
    }

    void withoutATypeTheTypeScreenOpens()
    {
        bool typeScreen = false;
        p->ui.onExecOnce["PrintFrm"].enqueue([&](QDialog *) {
            typeScreen = true;
            return 0;
        });
        playLabels([](TLabelSetupFrm *frm) {
            frm->markAll();
            frm->BitBtn3->click();
        });
        QVERIFY(typeScreen);
        QVERIFY(p->ui.messages().contains("Δεν έχετε επιλέξει εκτυπωτή!"));
        QVERIFY(p->ui.printouts.isEmpty());
    }

    void aRunToPdf()
    {
        QTemporaryDir dir;
        p->ui.pdfFolder = dir.path();
        // Two labels a page: four citizens make two pages.
        labels::LabelType t;
        t.name = "ΔΥΟ";
        t.width = 100;
        t.height = 120;
        t.spaceY = 5;
        t.leftMargin = 10;
        t.topMargin = 10;
        labeltypes::save(t);
        p->ui.onExec["SelectPrintDlg"] = test::acceptDialog;
        playLabels([](TLabelSetupFrm *frm) {
            frm->DBLookupComboBox1->setCurrentIndex(frm->DBLookupComboBox1->findText("ΔΥΟ"));
            frm->Memo1->setPlainText("ΠΡΟΣ: #Επώνυμο# #Όνομα#\n#Τ.Κ.#");
            frm->markAll();
            QCOMPARE(frm->markedCount(), 4);
            frm->BitBtn3->click();
        });
        QCOMPARE(p->ui.printouts.size(), 1);
        const RecordingSink &s = p->ui.printouts[0];
        QCOMPARE(s.pages.size(), 2);
        QCOMPARE(s.pages[0].texts.first(), QString("ΠΡΟΣ: ΚΩΣΤΑ ΜΑΡΙΑ"));
        QCOMPARE(s.pages[1].texts.at(2), QString("ΠΡΟΣ: ΠΑΠΑΣ ΝΙΚΟΣ"));
        QCOMPARE(s.pages[1].texts.at(3), QString("22100"));
        QVERIFY(p->ui.messages().contains("Εκτυπώθηκαν 4 ετικέτες σε 2 σελίδες."));
        QCOMPARE(p->ui.pdfFiles.size(), 1);
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        QProcess pdf;
        pdf.start("pdftotext", {"-layout", p->ui.pdfFiles[0], "-"});
        QVERIFY(pdf.waitForFinished());
        const QString text = QString::fromUtf8(pdf.readAllStandardOutput());
        QCOMPARE(text.count(QChar('\f')), 2);
        QVERIFY(text.contains("ΠΡΟΣ: ΚΩΣΤΑ ΜΑΡΙΑ"));
        QVERIFY(text.contains("ΠΡΟΣ: ΠΑΠΑΣ ΝΙΚΟΣ"));
    }

    void cancelKeepsWhatWasDrawnAndStops()
    {
        // A label a page: cancelled as the run begins, the first page is drawn and the run stops.
        labels::LabelType t;
        t.name = "ΜΙΑ";
        t.width = 100;
        t.height = 200;
        labeltypes::save(t);
        bool runningAndLocked = false;
        bool stayedOpen = false;
        p->ui.onExec["SelectPrintDlg"] = [&](QDialog *d) {
            QTimer::singleShot(0, [&] {
                auto *progress = SearchScreens::results()->findChild<TProgressDlg *>();
                auto *frm = SearchScreens::results()->findChild<TLabelSetupFrm *>();
                QVERIFY(progress && frm);
                runningAndLocked = frm->running() && !frm->isEnabled() && !frm->BitBtn3->isEnabled();
                stayedOpen = !frm->close() && frm->running();
                progress->BitBtn1->click();
            });
            return test::acceptDialog(d);
        };
        playLabels([](TLabelSetupFrm *frm) {
            frm->DBLookupComboBox1->setCurrentIndex(frm->DBLookupComboBox1->findText("ΜΙΑ"));
            frm->Memo1->setPlainText("#Επώνυμο#");
            frm->markAll();
            frm->BitBtn3->click();
            QVERIFY(!frm->running());
            QVERIFY(frm->isEnabled());
        });
        QVERIFY(runningAndLocked);
        QVERIFY(stayedOpen);
        QCOMPARE(p->ui.printouts.size(), 1);
        QCOMPARE(p->ui.printouts[0].pages.size(), 1);
        QCOMPARE(p->ui.printouts[0].pages[0].texts, QStringList{"ΚΩΣΤΑ"});
        QVERIFY(p->ui.messages().contains("Εκτυπώθηκε 1 ετικέτα σε 1 σελίδα.\nΗ εκτύπωση διακόπηκε από το χρήστη."));
    }

    void marksAndStartAtALaterLabel()
    {
        p->ui.onExec["SelectPrintDlg"] = test::acceptDialog;
        playLabels([](TLabelSetupFrm *frm) {
            frm->DBLookupComboBox1->setCurrentIndex(frm->DBLookupComboBox1->findText("A4 3x7 63,5x38,1"));
            frm->Memo1->setPlainText("#Επώνυμο#");
            frm->DBGrid1->selectRow(1);
            frm->DBGrid1->selectionModel()->select(frm->DBGrid1->model()->index(3, 0),
                                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
            QCOMPARE(frm->markedCount(), 2);
            frm->SpinStart->setValue(21); // the last place of a used sheet
            frm->BitBtn3->click();
            frm->markNone();
            QCOMPARE(frm->markedCount(), 0);
        });
        const RecordingSink &s = p->ui.printouts.value(0);
        QCOMPARE(s.pages.size(), 2);
        QCOMPARE(s.pages[0].texts, QStringList{"ΠΑΠ"});
        QCOMPARE(s.pages[1].texts, QStringList{"ΠΑΠΑΣ"});
    }

    void theTypeScreenSavesAndAsksBeforeOverwriting()
    {
        TPrintFrm frm;
        frm.Edit8->setText("ΝΕΟΣ");
        frm.Edit2->setText("23,5");
        frm.Edit3->setText("1,5");
        frm.updateRowsPerPage();
        QCOMPARE(frm.Label12->text(), QString("11 ΕΤΙΚΕΤΕΣ ΑΝΑ ΣΕΛΙΔΑ"));
        frm.RbContinuous->setChecked(true);
        frm.saveType();
        auto t = labeltypes::load("ΝΕΟΣ");
        QVERIFY(t);
        QCOMPARE(t->height, 23.5);
        QCOMPARE(t->paperHeight, 0.0);
        frm.Edit2->setText("30");
        p->ui.answers << false;
        frm.saveType();
        QCOMPARE(labeltypes::load("ΝΕΟΣ")->height, 23.5);
        frm.Edit2->setText("χ");
        frm.saveType();
        QVERIFY(p->ui.messages().last().contains("αριθμός"));
        frm.loadType("ΝΕΟΣ");
        QVERIFY(frm.RbContinuous->isChecked());
        QCOMPARE(frm.Edit9->text(), QString("297"));
        QCOMPARE(frm.Edit2->text(), QString("23,5"));
        frm.Edit8->setText("  ");
        frm.saveType();
        QCOMPARE(p->ui.messages().last(), QString("Παρακαλώ δώστε ένα όνομα αποθήκευσης!"));
    }
};

QTEST_MAIN(TstLabelRun)
#include "tst_labelrun.moc"
