// The letter run through its screen: the checks before a run, one letter per marked
// citizen with the salutation and vocative, the template left as it was after a run and
// after a cancel, and a run written to one PDF file and read back.
#include "data/DataModule.h"
#include "data/Dataset.h"
#include "data/Store.h"
#include "letters/LetterPage.h"
#include "letters/UntEpistolh.h"
#include "platform/Printing.h"
#include "widgets/DbControls.h"
#include "widgets/MainWindow.h"
#include "widgets/UntProgress.h"
#include "ProgramFixture.h"

#include <QComboBox>
#include <QImage>
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

    void aLongPreviewShowsItsFirstLettersAtOnce_data()
    {
        QTest::addColumn<int>("citizens");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<QList<int>>("pages");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("three letters, one preview") << 0 << QList<bool>{} << QList<int>{3} << QStringList{"ΕΠΙΣΤΟΛΕΣ"};
        QTest::newRow("forty-five letters, all seen")
            << 42 << QList<bool>{true, true} << QList<int>{20, 20, 5}
            << QStringList{"ΕΠΙΣΤΟΛΕΣ 1 - 20 από 45", "ΕΠΙΣΤΟΛΕΣ 21 - 40 από 45", "ΕΠΙΣΤΟΛΕΣ 41 - 45 από 45"};
        QTest::newRow("forty-five letters, stopped after the first")
            << 42 << QList<bool>{false} << QList<int>{20} << QStringList{"ΕΠΙΣΤΟΛΕΣ 1 - 20 από 45"};
    }
    void aLongPreviewShowsItsFirstLettersAtOnce()
    {
        QFETCH(int, citizens);
        QFETCH(QList<bool>, answers);
        QFETCH(QList<int>, pages);
        QFETCH(QStringList, titles);
        for (int i = 0; i < citizens; ++i)
            addCitizen(QStringLiteral("ΔΕΛΤΑ%1").arg(i, 2, 10, QChar('0')), "ΠΕΤΡΟΣ", "ΠΕΤΡΟ");
        TEpistolhFrm *f = ready("#,\nκείμενο");
        QVERIFY(f);
        for (bool a : answers)
            p->ui.answers << a;
        p->ui.onExecOnce["SelPrintTypeDlg"].enqueue([](QDialog *) { return 0; });
        f->produce();
        QList<int> drawn;
        for (const auto &printout : p->ui.printouts)
            drawn << int(printout.pages.size());
        QCOMPARE(drawn, pages);
        QCOMPARE(p->ui.printoutTitles, titles);
        QCOMPARE(p->ui.questions().size(), answers.size());
        if (!answers.isEmpty())
            QCOMPARE(p->ui.questions().first(), QString("Να εμφανιστούν οι επόμενες επιστολές (21 - 40 από 45);"));
        QVERIFY(p->ui.answers.isEmpty());
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

    void runWithSignatureAndPhotographToPdf()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty() || QStandardPaths::findExecutable("pdfimages").isEmpty())
            QSKIP("pdftotext and pdfimages (poppler-utils) are needed to read PDF files");
        // A signature and a photograph where the settings put them.
        QImage signature(120, 45, QImage::Format_RGB32), photo(60, 60, QImage::Format_RGB32);
        signature.fill(Qt::darkBlue);
        photo.fill(Qt::darkRed);
        LetterPageSettings settings;
        settings.image = p->home->path("signature.bmp");
        settings.imagePhoto = p->home->path("photo.bmp");
        QVERIFY(signature.save(settings.image) && photo.save(settings.imagePhoto));
        settings.width = "120";
        settings.height = "45";
        settings.save();

        // The first citizen's letter is long enough for two pages.
        QString long_;
        for (int i = 0; i < 70; ++i)
            long_ += QStringLiteral("\nπαράγραφος %1 της επιστολής, που συνεχίζεται όσο χρειάζεται.").arg(i + 1);
        TEpistolhFrm *f = ready("#," + long_ + "\nτέλος");
        QVERIFY(f);
        const QString path = p->home->path("letters.pdf");
        p->ui.saveFiles << path;
        p->ui.onExecOnce["SelPrintTypeDlg"].enqueue([](QDialog *) { return 2; });
        f->produce();
        QVERIFY(p->ui.messages().isEmpty());
        QProcess pdf;
        pdf.start("pdftotext", {"-enc", "UTF-8", path, "-"});
        pdf.waitForFinished(30000);
        const QStringList pages = QString::fromUtf8(pdf.readAllStandardOutput()).split(QChar('\f'), Qt::SkipEmptyParts);
        // Three letters of two pages each: the editor's text keeps its size on paper.
        QCOMPARE(pages.size(), 6);
        QVERIFY(pages[0].contains("ΑΓΑΠΗΤΕ ΓΙΩΡΓΟ,"));
        QVERIFY(pages[1].contains("τέλος") && !pages[1].contains("ΑΓΑΠΗΤΕ"));
        QVERIFY(pages[2].contains("ΑΓΑΠΗΤΕ ΜΑΡΙΑ,"));
        QVERIFY(pages[4].contains("ΑΓΑΠΗΤΕ ΝΙΚΟ,"));
        // Each letter carries its photograph and its signature.
        QProcess images;
        images.start("pdfimages", {"-list", path});
        images.waitForFinished(30000);
        QStringList rows = QString::fromUtf8(images.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        rows = rows.mid(2); // the heading and its rule
        QCOMPARE(rows.size(), 6);
        QList<int> onPage;
        for (const QString &r : rows)
            onPage << r.simplified().section(' ', 0, 0).toInt();
        std::sort(onPage.begin(), onPage.end());
        QCOMPARE(onPage, (QList<int>{1, 2, 3, 4, 5, 6}));
    }
};

QTEST_MAIN(TstLetters)
#include "tst_letters.moc"
