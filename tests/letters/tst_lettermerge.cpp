// Letters without a screen: the salutation line of a template, its rewriting for each
// recipient, the vocative, the template put back, the page layout of a long letter, and a
// run of three letters written to one PDF file and read back.
#include "letters/LetterMerge.h"
#include "letters/LetterPage.h"
#include "platform/Printing.h"
#include "data/Store.h"
#include "StoreFixture.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace dorvani;

namespace {

// Records where images go, as well as the texts.
class PlacingSink : public RecordingSink {
public:
    struct Placed {
        int page;
        QRectF rect;
    };
    QList<Placed> images;
    void image(const QRectF &mm, const QImage &img) override
    {
        images << Placed{pageNumber(), mm};
        RecordingSink::image(mm, img);
    }
};

QImage picture(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::darkBlue);
    return img;
}

QString pdfText(const QString &path)
{
    QProcess p;
    p.start("pdftotext", {"-enc", "UTF-8", "-layout", path, "-"});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TstLetterMerge : public test::StoreTest {
    Q_OBJECT

private slots:
    void salutationLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("filled");
        QTest::newRow("marker in the first line") << "#,\nκείμενο" << 0 << "ΑΓΑΠΗΤΕ ΓΙΩΡΓΟ,";
        QTest::newRow("marker in a later line") << "Αθήνα\n\nπρος\n#, χαίρετε\nκείμενο # εδώ" << 3
                                                << "ΑΓΑΠΗΤΕ ΓΙΩΡΓΟ, χαίρετε";
        QTest::newRow("two markers in the line") << "# και #\nτέλος" << 0 << "ΑΓΑΠΗΤΕ ΓΙΩΡΓΟ και ΑΓΑΠΗΤΕ ΓΙΩΡΓΟ";
        QTest::newRow("none") << "χωρίς προσφώνηση\nκαμία" << -1 << "";
    }
    void salutationLine()
    {
        QFETCH(QString, text);
        QFETCH(int, line);
        QFETCH(QString, filled);
        QTextDocument doc;
        doc.setPlainText(text);
        QCOMPARE(letters::salutationLine(doc), line);
        {
            letters::SalutationLine s(doc);
            QCOMPARE(s.found(), line >= 0);
            s.fill("ΑΓΑΠΗΤΕ", "ΓΙΩΡΓΟ");
            if (line >= 0) {
                QCOMPARE(doc.findBlockByNumber(line).text(), filled);
                // The lines after the salutation line print as they stand.
                QCOMPARE(doc.toPlainText().count('#'), text.count('#') - text.section('\n', line, line).count('#'));
            }
        }
        QCOMPARE(doc.toPlainText(), text); // put back when it goes out of scope
    }

    void vocative_data()
    {
        QTest::addColumn<QString>("vocative");
        QTest::addColumn<QString>("line");
        QTest::newRow("present") << "ΓΙΩΡΓΟ" << "ΑΓΑΠΗΤΕ ΓΙΩΡΓΟ,";
        QTest::newRow("missing: the form the rules give") << "" << "ΑΓΑΠΗΤΕ ΓΙΩΡΓΟ,";
        QTest::newRow("missing: the office's first form wins") << "-" << "ΑΓΑΠΗΤΕ ΓΙΩΡΓΗ,";
        QTest::newRow("blanks around it") << " ΜΑΡΙΑ " << "ΑΓΑΠΗΤΕ ΜΑΡΙΑ,";
    }
    void vocative()
    {
        QFETCH(QString, vocative);
        QFETCH(QString, line);
        openStore();
        if (vocative == "-") {
            Store::instance().run("INSERT INTO KLHTIKH (ONOMA, KLHTIKH, FYLO) VALUES ('ΓΙΩΡΓΟΣ', 'ΓΙΩΡΓΗ,ΓΙΩΡΓΟ', 0)");
            vocative.clear();
        }
        letters::Recipient r{"ΓΙΩΡΓΟΣ", vocative, 0};
        QCOMPARE(letters::salutationText("#,", "ΑΓΑΠΗΤΕ", letters::vocativeOf(r)), line);
        closeStore();
    }

    // A line of bold and plain text comes back as plain text in its first character's format.
    void restoredLineKeepsFirstFormat()
    {
        QTextDocument doc;
        QTextCursor c(&doc);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        c.insertText("#", bold);
        c.insertText(", απλό", QTextCharFormat());
        c.insertBlock();
        c.insertText("κείμενο");
        {
            letters::SalutationLine s(doc);
            s.fill("ΑΓΑΠΗΤΗ", "ΜΑΡΙΑ");
            QCOMPARE(doc.begin().text(), QString("ΑΓΑΠΗΤΗ ΜΑΡΙΑ, απλό"));
        }
        QCOMPARE(doc.begin().text(), QString("#, απλό"));
        for (auto it = doc.begin().begin(); !it.atEnd(); ++it)
            QCOMPARE(it.fragment().charFormat().fontWeight(), int(QFont::Bold));
    }

    // The run draws one letter a recipient on its own pages and leaves the template alone;
    // a cancel stops it before the next letter.
    void runAndCancel()
    {
        openStore();
        QTextDocument templ;
        templ.setPlainText("#,\nευχαριστούμε.");
        const QList<letters::Recipient> people{{"ΓΙΩΡΓΟΣ", "ΓΙΩΡΓΟ", 0}, {"ΜΑΡΙΑ", "ΜΑΡΙΑ", 1}, {"ΝΙΚΟΣ", "", 0}};
        LetterPage page;
        RecordingSink all;
        QCOMPARE(letters::drawLetters(all, templ, "ΑΓΑΠΗΤΕ", people, page), 3);
        QCOMPARE(all.pages.size(), 3);
        QCOMPARE(all.pages[0].texts.value(0), QString("ΑΓΑΠΗΤΕ ΓΙΩΡΓΟ,"));
        QCOMPARE(all.pages[1].texts.value(0), QString("ΑΓΑΠΗΤΕ ΜΑΡΙΑ,"));
        QCOMPARE(all.pages[2].texts.value(0), QString("ΑΓΑΠΗΤΕ ΝΙΚΟ,"));
        QCOMPARE(templ.toPlainText(), QString("#,\nευχαριστούμε."));

        RecordingSink cut;
        const int drawn = letters::drawLetters(cut, templ, "ΑΓΑΠΗΤΕ", people, page, [](int i) { return i < 2; });
        QCOMPARE(drawn, 2);
        QCOMPARE(cut.pages.size(), 2);
        QCOMPARE(templ.toPlainText(), QString("#,\nευχαριστούμε."));
        closeStore();
    }

    // The photograph and the signature at their places in report pixels; a letter longer
    // than a page goes on to the next page, with the signature after its text.
    void pageLayout()
    {
        LetterPage page;
        page.signatureImage = picture(90, 60);
        page.photoImage = picture(60, 60);
        QTextDocument shortLetter;
        shortLetter.setPlainText("#,\nλίγες γραμμές");
        PlacingSink one;
        page.draw(one, shortLetter);
        QCOMPARE(one.pages.size(), 1);
        QCOMPARE(one.images.size(), 2);
        QCOMPARE(qRound(one.images[0].rect.left() * 10), 754); // 285 px = 75.4 mm
        QCOMPARE(qRound(one.images[0].rect.width() * 10), 159);
        QCOMPARE(qRound(one.images[1].rect.top() * 10), 2381); // 900 px
        QCOMPARE(qRound(one.images[1].rect.left() * 10), 741);

        QStringList lines;
        for (int i = 1; i <= 80; ++i)
            lines << QString("γραμμή %1").arg(i);
        QTextDocument longLetter;
        longLetter.setPlainText(lines.join('\n'));
        PlacingSink two;
        page.draw(two, longLetter);
        QCOMPARE(two.pages.size(), 2);
        QCOMPARE(two.allText().split('\n'), lines); // nothing left out
        QCOMPARE(two.images.size(), 2);
        QCOMPARE(two.images[0].page, 1); // the photograph on the first page
        QCOMPARE(two.images[1].page, 2); // the signature after the text
        QVERIFY(two.images[1].rect.top() >= (80 - 55) * 5.0);
        QVERIFY(two.images[1].rect.bottom() <= 277.0);
    }

    void settings()
    {
        LetterPageSettings s;
        QVERIFY(s.numbersValid());
        s.top = "9x";
        QVERIFY(!s.numbersValid());
        s.top = "900";
        s.image = "/nowhere/signature.bmp"; // a missing file gives no signature
        s.imagePhoto.clear();
        QString error;
        const LetterPage p = s.page(&error);
        QVERIFY(p.signatureImage.isNull());
        QVERIFY(p.photoImage.isNull());
        QVERIFY(error.isEmpty());
        QCOMPARE(p.signature, QRect(280, 900, 90, 60));
    }

    // Three letters to one PDF file, read back in order.
    void threeLettersToPdf()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is needed to read PDF files");
        QTemporaryDir dir;
        QTextDocument templ;
        QTextCursor c(&templ);
        QTextCharFormat big;
        big.setFontPointSize(14);
        big.setFontWeight(QFont::Bold);
        c.insertText("#,", big);
        c.insertBlock();
        c.insertText("σας ευχαριστούμε για την επιστολή σας.", QTextCharFormat());
        const QList<letters::Recipient> people{{"ΓΙΩΡΓΟΣ", "ΓΙΩΡΓΟ", 0}, {"ΜΑΡΙΑ", "ΜΑΡΙΑ", 1}, {"ΝΙΚΟΣ", "ΝΙΚΟ", 0}};
        LetterPage page;
        page.signatureImage = picture(90, 60);
        page.photoImage = picture(60, 60);
        const QString path = dir.filePath("letters.pdf");
        QString error;
        QVERIFY2(printToPdf(path, "ΕΠΙΣΤΟΛΕΣ",
                            [&](PageSink &s) { letters::drawLetters(s, templ, "ΑΓΑΠΗΤΕ", people, page); }, &error),
                 qPrintable(error));
        const QString text = pdfText(path);
        QCOMPARE(text.count(QChar('\f')), 3);
        const int a = text.indexOf("ΑΓΑΠΗΤΕ ΓΙΩΡΓΟ,");
        const int b = text.indexOf("ΑΓΑΠΗΤΕ ΜΑΡΙΑ,");
        const int d = text.indexOf("ΑΓΑΠΗΤΕ ΝΙΚΟ,");
        QVERIFY(a >= 0 && a < b && b < d);
        QCOMPARE(text.count("σας ευχαριστούμε"), 3);
        if (qEnvironmentVariableIsSet("LETTERS_PDF"))
            QFile::copy(path, qEnvironmentVariable("LETTERS_PDF"));
    }
};

QTEST_MAIN(TstLetterMerge)
#include "tst_lettermerge.moc"
