// The letter run through its screen: the checks before a run, one letter per marked
// citizen with the salutation and vocative, the template left as it was after a run and
// after a cancel, and a run written to one PDF file and read back.
#include "data/DataModule.h"
#include "data/Dataset.h"
#include "data/Store.h"
#include "letters/UntEpistolh.h"
#include "platform/Printing.h"
#include "widgets/DbControls.h"
#include "widgets/MainWindow.h"
#include "widgets/UntProgress.h"
#include "ProgramFixture.h"

#include <QComboBox>
#include <QMdiSubWindow>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

using namespace dorvani;
using test::Program;

namespace {

void addCitizen(const QString &surname, const QString &name, const QString &vocative)
{
    Store::instance().run("INSERT INTO POLITES (EPITHETO, ONOMA, KLHTIKH, FYLO) VALUES (?, ?, ?, 0)",
                          {surname, name, vocative});
}

// "ΑΚΥΡΩΣΗ" pressed once the window has let messages through n times.
void cancelAfter(int n)
{
    QTimer::singleShot(0, [n] {
        if (n <= 1)
            TEpistolhFrm::progressDialog()->cancel();
        else
            cancelAfter(n - 1);
    });
}

} // namespace

class TstLetters : public QObject {
    Q_OBJECT
    std::unique_ptr<Program> p;

    TEpistolhFrm *open()
    {
        p->main()->action("ΔΗΜΙΟΥΡΓΙΑ - ΕΚΤΥΠΩΣΗ ΕΠΙΣΤΟΛΩΝ")->trigger();
        for (QWidget *w : MainWindow::instance()->openChildren())
            if (auto *f = qobject_cast<TEpistolhFrm *>(w))
                return f;
        return nullptr;
    }
    // The citizens found, all marked, with a salutation chosen and the template typed.
    TEpistolhFrm *ready(const QString &templ)
    {
        addCitizen("ΑΛΦΑ", "ΓΙΩΡΓΟΣ", "ΓΙΩΡΓΟ");
        addCitizen("ΒΗΤΑ", "ΜΑΡΙΑ", "ΜΑΡΙΑ");
        addCitizen("ΓΑΜΜΑ", "ΝΙΚΟΣ", "");
        Store::instance().run("INSERT INTO PROSFONISI (PROSFONISI) VALUES ('ΑΓΑΠΗΤΕ')");
        TEpistolhFrm *f = open();
        if (!f)
            return nullptr;
        f->RichEdit1->setPlainText(templ);
        f->CmbPR->addItem("x"); // refilled below
        f->reset();
        f->CmbPR->setCurrentIndex(f->CmbPR->findText("ΑΓΑΠΗΤΕ"));
        Query *q = p->dm().SearchQry;
        q->close();
        q->setSql(QStringList{"Select * From POLITES Order By EPITHETO"});
        q->open();
        f->takeResults({}, {});
        f->markAll();
        return f;
    }

private slots:
    void init()
    {
        p = std::make_unique<Program>();
        QVERIFY(p->start());
        p->ui.clearLog();
    }
    void cleanup()
    {
        if (p)
            QVERIFY2(p->ui.unexpected.isEmpty(), qPrintable(p->ui.unexpected.join("; ")));
        p.reset();
    }

    void checksBeforeARun()
    {
        TEpistolhFrm *f = ready("κείμενο χωρίς σημάδι");
        QVERIFY(f);
        f->CmbPR->setCurrentIndex(-1);
        f->produce();
        QCOMPARE(p->ui.messages().value(0), QString("Παρακαλώ επιλέξτε Προσφώνηση!"));
        f->CmbPR->setCurrentIndex(0);
        f->produce();
        QVERIFY(p->ui.messages().value(1).startsWith("Δεν έχετε προσδιορίσει"));
        f->RichEdit1->setPlainText("#,\nκείμενο");
        f->DBGrid1->clearSelection();
        p->ui.onExecOnce["SelPrintTypeDlg"].enqueue([](QDialog *) { return 0; });
        f->produce();
        QVERIFY(p->ui.messages().value(2).startsWith("Παρακαλώ επιλέξτε τα πρόσωπα"));
        QVERIFY(p->ui.printouts.isEmpty());
    }

    void oneLetterPerMarkedCitizen()
    {
        TEpistolhFrm *f = ready("Αθήνα\n#,\nσας ευχαριστούμε.\nυστερόγραφο # μένει");
        QVERIFY(f);
        p->ui.onExecOnce["SelPrintTypeDlg"].enqueue([](QDialog *) { return 0; }); // preview
        f->produce();
        QCOMPARE(p->ui.printouts.size(), 1);
        const auto &pages = p->ui.printouts[0].pages;
        QCOMPARE(pages.size(), 3);
        QCOMPARE(pages[0].texts.value(1), QString("ΑΓΑΠΗΤΕ ΓΙΩΡΓΟ,"));
        QCOMPARE(pages[1].texts.value(1), QString("ΑΓΑΠΗΤΕ ΜΑΡΙΑ,"));
        QCOMPARE(pages[2].texts.value(1), QString("ΑΓΑΠΗΤΕ ΝΙΚΟ,")); // no vocative chosen: the rule's form
        QCOMPARE(pages[2].texts.value(3), QString("υστερόγραφο # μένει"));
        QCOMPARE(f->RichEdit1->toPlainText(), QString("Αθήνα\n#,\nσας ευχαριστούμε.\nυστερόγραφο # μένει"));
        QVERIFY(f->isEnabled());
    }

    void cancelStopsBeforeTheNextLetter()
    {
        TEpistolhFrm *f = ready("#,\nκείμενο");
        QVERIFY(f);
        TEpistolhFrm::progressDialog()->cancel();
        p->ui.onExecOnce["SelPrintTypeDlg"].enqueue([](QDialog *) { return 0; });
        // The run starts afresh: an earlier cancel does not stop it.
        f->produce();
        QCOMPARE(p->ui.printouts.last().pages.size(), 3);
        p->ui.onExecOnce["SelPrintTypeDlg"].enqueue([](QDialog *) { return 0; });
        cancelAfter(4); // pressed while the second letter is about to start
        f->produce();
        QVERIFY(p->ui.printouts.last().pages.size() < 3);
        QVERIFY(!p->ui.printouts.last().allText().contains("ΑΓΑΠΗΤΕ ΝΙΚΟ,"));
        QCOMPARE(f->RichEdit1->toPlainText(), QString("#,\nκείμενο"));
    }

    void runToOnePdf()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is needed to read PDF files");
        TEpistolhFrm *f = ready("#,\nσας ευχαριστούμε.");
        QVERIFY(f);
        const QString path = p->home->path("letters.pdf");
        p->ui.saveFiles << path;
        p->ui.onExecOnce["SelPrintTypeDlg"].enqueue([](QDialog *) { return 2; });
        f->produce();
        QVERIFY(QFile::exists(path));
        QProcess pdf;
        pdf.start("pdftotext", {"-enc", "UTF-8", path, "-"});
        pdf.waitForFinished(30000);
        const QString text = QString::fromUtf8(pdf.readAllStandardOutput());
        QCOMPARE(text.count(QChar('\f')), 3);
        QVERIFY(text.indexOf("ΑΓΑΠΗΤΕ ΓΙΩΡΓΟ,") < text.indexOf("ΑΓΑΠΗΤΕ ΜΑΡΙΑ,"));
        QVERIFY(text.indexOf("ΑΓΑΠΗΤΕ ΜΑΡΙΑ,") < text.indexOf("ΑΓΑΠΗΤΕ ΝΙΚΟ,"));
    }
};

QTEST_MAIN(TstLetters)
#include "tst_letters.moc"
