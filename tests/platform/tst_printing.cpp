// Printing: PDF files carry Greek text that reads back, one page per page drawn; long
// documents continue over pages with nothing lost; measures follow the device's
// resolution; drawings stay in their rectangles; the scripted seam records printouts and
// the real preview saves them as PDF.
#include "data/DbError.h"
#include "platform/Printing.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <tuple>

using namespace dorvani;

namespace {

bool havePoppler()
{
    return !QStandardPaths::findExecutable("pdftotext").isEmpty()
        && !QStandardPaths::findExecutable("pdfinfo").isEmpty()
        && !QStandardPaths::findExecutable("pdftoppm").isEmpty();
}

#define REQUIRE_POPPLER()                                                                          \
    do {                                                                                           \
        if (!havePoppler())                                                                        \
            QSKIP("pdftotext, pdfinfo and pdftoppm (poppler-utils) are needed to read PDF files"); \
    } while (0)

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfText(const QString &path, int page = 0)
{
    QStringList args{"-enc", "UTF-8"};
    if (page > 0)
        args << "-f" << QString::number(page) << "-l" << QString::number(page);
    return run("pdftotext", args << path << "-");
}

QString pdfInfo(const QString &path, const QString &key)
{
    const QString info = run("pdfinfo", {"-enc", "UTF-8", path});
    const QRegularExpression re("^" + key + ":\\s*(.*)$", QRegularExpression::MultilineOption);
    return re.match(info).captured(1).trimmed();
}

int pdfPages(const QString &path) { return pdfInfo(path, "Pages").toInt(); }

// Words with their boxes in points, from the top of the page.
struct Word {
    int page;
    QString text;
    QRectF box;
};
QList<Word> pdfWords(const QString &path, QSizeF *pageSize)
{
    const QString html = run("pdftotext", {"-bbox", "-enc", "UTF-8", path, "-"});
    QList<Word> words;
    int page = 0;
    static const QRegularExpression tag(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty()) {
            ++page;
            *pageSize = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
        } else {
            const QRectF box(QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()),
                             QPointF(m.captured(5).toDouble(), m.captured(6).toDouble()));
            words << Word{page, m.captured(7), box};
        }
    }
    return words;
}

// The page rendered in grey levels, 4 pixels per millimetre.
QImage renderPage(const QString &pdf, int page)
{
    const QString base = pdf + "-page";
    QProcess p;
    p.start("pdftoppm", {"-gray", "-r", QString::number(25.4 * 4), "-f", QString::number(page), "-l",
                         QString::number(page), "-singlefile", pdf, base});
    p.waitForFinished(60000);
    return QImage(base + ".pgm");
}

// The darkest pixel of an area of the page, given in millimetres of the printable area
// (the files have 10 mm margins).
int darkest(const QImage &img, const QRectF &mm)
{
    int level = 255;
    for (int y = int((mm.top() + 10) * 4); y < int((mm.bottom() + 10) * 4); ++y)
        for (int x = int((mm.left() + 10) * 4); x < int((mm.right() + 10) * 4); ++x)
            level = std::min(level, qGray(img.pixel(x, y)));
    return level;
}

QString numbered(const QString &word, int i) { return word + QString("%1").arg(i, 4, 10, QChar('0')); }

// Documents of many pages, and the words each must show exactly once.
QTextDocument *longDocument(const QString &kind, QStringList *words)
{
    auto *doc = new QTextDocument;
    QString html;
    if (kind == "paragraphs") {
        for (int i = 1; i <= 300; ++i) {
            html += QString("<p>%1 Αγαπητέ κύριε, σας ενημερώνουμε για την πορεία του αιτήματός σας.</p>")
                        .arg(numbered("Παράγραφος", i));
            *words << numbered("Παράγραφος", i);
        }
    } else if (kind == "one long paragraph") {
        html = "<p align=justify>";
        for (int i = 1; i <= 2500; ++i) {
            html += numbered("λέξη", i) + " ";
            *words << numbered("λέξη", i);
        }
        html += "</p>";
    } else { // headings, sizes, indents and a table
        for (int i = 1; i <= 60; ++i) {
            html += QString("<h2>%1</h2><p style='margin-left:48px; font-size:14pt'>%2 μεγάλα γράμματα "
                            "σε εσοχή.</p><table border=1 cellpadding=4><tr><td>%3</td><td>κελί</td></tr></table>")
                        .arg(numbered("Κεφάλαιο", i), numbered("Κείμενο", i), numbered("Πίνακας", i));
            *words << numbered("Κεφάλαιο", i) << numbered("Κείμενο", i) << numbered("Πίνακας", i);
        }
    }
    doc->setHtml(html);
    return doc;
}

void drawTitled(PageSink &s, const QString &title)
{
    s.text(0, 0, title);
    s.line(QPointF(0, s.lineHeight()), QPointF(s.pageSize().width(), s.lineHeight()), 0.3);
}

} // namespace

class TstPrinting : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString file(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void greekTextReadsBack_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("capitals") << "ΑΓΑΠΗΤΕ ΚΥΡΙΕ ΠΑΠΑΔΟΠΟΥΛΕ";
        QTest::newRow("accents and final sigma") << "Αγαπητέ κύριε, σας ευχαριστούμε θερμά.";
        QTest::newRow("dialytika") << "Προϊστάμενος Ϊωάννης ταΐζω ΐ ΰ";
        QTest::newRow("latin and digits") << "Οδός Ερμού 25, Τ.Κ. 10563, Athens";
    }
    void greekTextReadsBack()
    {
        REQUIRE_POPPLER();
        QFETCH(QString, text);
        const QString path = file("greek.pdf");
        const QString title = "Επιστολή προς " + text;
        QString error;
        QVERIFY2(printToPdf(path, title,
                            [&](PageSink &s) {
                                s.setFont(QFont("DejaVu Sans", 12));
                                s.text(10, 10, text);
                                s.setFont(QFont("DejaVu Serif", 10));
                                s.textInRect(QRectF(10, 30, 170, 10), text, Qt::AlignCenter);
                            },
                            &error),
                 qPrintable(error));
        QVERIFY(error.isEmpty());
        QCOMPARE(pdfText(path).count(text), 2);
        QCOMPARE(pdfInfo(path, "Title"), title);
        QVERIFY(pdfInfo(path, "Page size").endsWith("(A4)"));
    }

    void onePagePerPage_data()
    {
        QTest::addColumn<int>("pages");
        QTest::newRow("one") << 1;
        QTest::newRow("two") << 2;
        QTest::newRow("seven") << 7;
    }
    void onePagePerPage()
    {
        REQUIRE_POPPLER();
        QFETCH(int, pages);
        const QString path = file("pages.pdf");
        int numbered = 0;
        QVERIFY(printToPdf(path, "Σελίδες", [&](PageSink &s) {
            for (int p = 1; p <= pages; ++p) {
                if (p > 1)
                    s.newPage();
                s.text(0, 0, QString("Σελίδα %1 από %2").arg(s.pageNumber()).arg(pages));
            }
            numbered = s.pageNumber();
        }));
        QCOMPARE(numbered, pages);
        QCOMPARE(pdfPages(path), pages);
        for (int p = 1; p <= pages; ++p)
            QVERIFY(pdfText(path, p).contains(QString("Σελίδα %1 από").arg(p)));
    }

    void longDocumentContinuesOverPages_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("top");
        QTest::newRow("paragraphs from the top") << "paragraphs" << 0.0;
        QTest::newRow("paragraphs under a heading") << "paragraphs" << 200.0;
        QTest::newRow("paragraphs starting near the bottom") << "paragraphs" << 274.0;
        QTest::newRow("one long paragraph") << "one long paragraph" << 50.0;
        QTest::newRow("headings, indents and tables") << "mixed" << 120.0;
    }
    void longDocumentContinuesOverPages()
    {
        REQUIRE_POPPLER();
        QFETCH(QString, kind);
        QFETCH(double, top);
        QStringList words;
        std::unique_ptr<QTextDocument> doc(longDocument(kind, &words));
        const QString path = file("long.pdf");
        double end = 0;
        int lastPage = 0;
        QVERIFY(printToPdf(path, "Μακρύ κείμενο", [&](PageSink &s) {
            s.text(0, 0, "Επικεφαλίδα");
            end = s.document(*doc, QRectF(10, top, 170, 0));
            lastPage = s.pageNumber();
            s.text(0, std::min(end, 270.0), "ΤΕΛΟΣ");
        }));
        QVERIFY(lastPage > 2);
        QCOMPARE(pdfPages(path), lastPage);
        QVERIFY(end > 0 && end <= 277);

        const QString text = pdfText(path);
        for (const QString &w : words)
            QVERIFY2(text.count(w) == 1, qPrintable(w + " is shown " + QString::number(text.count(w)) + " times"));
        QVERIFY(pdfText(path, lastPage).contains("ΤΕΛΟΣ"));

        // Every word lies within the printable area: nothing ran past the bottom margin.
        QSizeF page;
        const QList<Word> placed = pdfWords(path, &page);
        const double mmToPt = 72 / 25.4;
        QVERIFY(placed.size() > words.size());
        for (const Word &w : placed) {
            QVERIFY2(w.box.bottom() <= page.height() - 10 * mmToPt + 0.5, qPrintable(w.text));
            QVERIFY2(w.box.top() >= 10 * mmToPt - 0.5, qPrintable(w.text));
            if (w.page == 1 && w.text != "Επικεφαλίδα")
                QVERIFY2(w.box.top() >= (10 + top) * mmToPt - 0.5, qPrintable(w.text));
            QVERIFY2(w.box.right() <= (10 + 10 + 170) * mmToPt + 0.5, qPrintable(w.text));
        }
        // The text starts on the first page unless it did not fit under the heading.
        const bool firstOnFirst = std::any_of(placed.begin(), placed.end(),
                                              [&](const Word &w) { return w.page == 1 && w.text == words.first(); });
        QCOMPARE(firstOnFirst, top < 270);
    }

    void lineHeightOnHighResolutionPrinter_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::newRow("sans 10") << QFont("DejaVu Sans", 10);
        QTest::newRow("serif 12 bold") << QFont("DejaVu Serif", 12, QFont::Bold);
        QTest::newRow("sans 24") << QFont("DejaVu Sans", 24);
        QTest::newRow("mono 8") << QFont("DejaVu Sans Mono", 8);
    }
    void lineHeightOnHighResolutionPrinter()
    {
        QFETCH(QFont, font);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file("printer.pdf"));
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        QCOMPARE(printer.resolution(), 1200);

        PainterSink sink(&printer);
        QVERIFY(sink.isActive());
        sink.setFont(font);
        const QFontMetricsF fm(font, &printer);
        const double expected = (fm.ascent() + fm.descent()) * 25.4 / 1200;
        QCOMPARE(sink.lineHeight(), expected);
        // A line is a little more than the point size: 1 pt = 0.3528 mm.
        QVERIFY(sink.lineHeight() > font.pointSizeF() * 0.3528);
        QVERIFY(sink.lineHeight() < font.pointSizeF() * 0.3528 * 1.5);
        // QPrinter keeps whole points of the page: a few tenths of a millimetre.
        QVERIFY(qAbs(sink.pageSize().width() - 190) < 0.5);
        QVERIFY(qAbs(sink.pageSize().height() - 277) < 0.5);
    }

    void measuresDoNotDependOnResolution_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::newRow("300 dpi") << 300;
        QTest::newRow("600 dpi") << 600;
        QTest::newRow("1200 dpi") << 1200;
    }
    void measuresDoNotDependOnResolution()
    {
        QFETCH(int, dpi);
        const QString sample = "Αίτηση του πολίτη για την οδό Ερμού";
        const auto measure = [&](int resolution) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&buffer);
            writer.setResolution(resolution);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
            PainterSink sink(&writer);
            sink.setFont(QFont("DejaVu Sans", 11));
            return std::tuple(sink.pageSize(), sink.lineHeight(), sink.textWidth(sample));
        };
        const auto [size, height, width] = measure(dpi);
        const auto [refSize, refHeight, refWidth] = measure(1200);
        QVERIFY(qAbs(size.width() - refSize.width()) < 0.5);
        QVERIFY(qAbs(size.height() - refSize.height()) < 0.5);
        QVERIFY2(qAbs(height - refHeight) < refHeight * 0.02, qPrintable(QString::number(height)));
        QVERIFY2(qAbs(width - refWidth) < refWidth * 0.02, qPrintable(QString::number(width)));
        QVERIFY(refWidth > 40 && refWidth < 100);
    }

    void drawingStaysInItsRectangle()
    {
        REQUIRE_POPPLER();
        const QString path = file("shapes.pdf");
        QImage tall(10, 40, QImage::Format_RGB32);
        tall.fill(Qt::black);
        QVERIFY(printToPdf(path, "Σχήματα", [&](PageSink &s) {
            s.setFont(QFont("DejaVu Sans", 14));
            s.textInRect(QRectF(20, 20, 40, 10), "ΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜΜ", Qt::AlignLeft | Qt::AlignVCenter);
            s.image(QRectF(20, 50, 60, 30), tall); // 7.5 mm wide once scaled, centred
            s.line(QPointF(20, 100), QPointF(120, 100), 1.0);
            s.text(20, 120, "Μ");
        }));
        const QImage page = renderPage(path, 1);
        QVERIFY(!page.isNull());
        // Clipped text: ink inside, nothing to the right.
        QVERIFY(darkest(page, QRectF(21, 21, 38, 8)) < 100);
        QCOMPARE(darkest(page, QRectF(61, 18, 80, 14)), 255);
        // The image keeps its proportions in the middle of its rectangle.
        QVERIFY(darkest(page, QRectF(48, 52, 4, 26)) < 50);
        QCOMPARE(darkest(page, QRectF(20.5, 50.5, 25, 29)), 255);
        QCOMPARE(darkest(page, QRectF(55, 50.5, 24, 29)), 255);
        // A line 1 mm wide.
        QVERIFY(darkest(page, QRectF(30, 99.7, 80, 0.6)) < 50);
        QCOMPARE(darkest(page, QRectF(30, 101, 80, 2)), 255);
        QCOMPARE(darkest(page, QRectF(30, 97, 80, 2)), 255);
        // Text hangs from its top-left corner.
        QVERIFY(darkest(page, QRectF(20, 120, 5, 5)) < 100);
        QCOMPARE(darkest(page, QRectF(20, 115, 10, 4.8)), 255);
    }

    void pdfThatCannotBeWritten_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("missing folder") << "λείπει/αρχείο.pdf";
        QTest::newRow("a folder") << "φάκελος";
        QTest::newRow("no name") << "";
    }
    void pdfThatCannotBeWritten()
    {
        QFETCH(QString, where);
        QDir(m_dir.path()).mkpath("φάκελος");
        const QString path = where.isEmpty() ? QString() : file(where);
        QString error;
        bool drawn = false;
        QVERIFY(!printToPdf(path, "Τίτλος", [&](PageSink &) { drawn = true; }, &error));
        QVERIFY(!drawn);
        QVERIFY2(error.startsWith("Δεν ήταν δυνατή η εγγραφή του αρχείου PDF"), qPrintable(error));
        // In Greek throughout, with the path.
        QVERIFY(error.contains(QDir::toNativeSeparators(path)));
        QString words = error;
        words.remove(QDir::toNativeSeparators(path)).remove(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
        words.remove("PDF");
        QVERIFY2(!words.contains(QRegularExpression("[A-Za-z]{2,}")), qPrintable(error));
        if (!where.isEmpty() && where != "φάκελος")
            QVERIFY(!QFile::exists(path));
    }

    void recordingSinkPagesDocuments_data()
    {
        QTest::addColumn<double>("top");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("pages");
        QTest::addColumn<double>("end");
        QTest::newRow("a full page") << 0.0 << 55 << 1 << 275.0;
        QTest::newRow("one line more") << 0.0 << 56 << 2 << 5.0;
        QTest::newRow("under a heading") << 250.0 << 5 << 1 << 275.0;
        QTest::newRow("under a heading, one more") << 250.0 << 6 << 2 << 5.0;
        QTest::newRow("four pages") << 100.0 << 150 << 4 << 25.0;
    }
    void recordingSinkPagesDocuments()
    {
        QFETCH(double, top);
        QFETCH(int, lines);
        QFETCH(int, pages);
        QFETCH(double, end);
        QStringList text;
        for (int i = 1; i <= lines; ++i)
            text << numbered("Γραμμή", i);
        QTextDocument doc;
        doc.setPlainText(text.join('\n'));
        RecordingSink sink;
        QCOMPARE(sink.document(doc, QRectF(0, top, 190, 0)), end);
        QCOMPARE(sink.pageNumber(), pages);
        QCOMPARE(sink.allText(), text.join('\n'));
    }

    void scriptedUiRecordsPrintouts()
    {
        REQUIRE_POPPLER();
        test::ScriptedUi sui;
        sui.pdfFolder = file("printouts");
        QTextDocument doc;
        doc.setPlainText("Πρώτη γραμμή\nΔεύτερη γραμμή");
        QImage photo(8, 8, QImage::Format_RGB32);
        photo.fill(Qt::gray);
        const auto draw = [&](PageSink &s) {
            drawTitled(s, "Κατάσταση πολιτών");
            s.image(QRectF(0, 10, 30, 40), photo);
            s.newPage();
            s.textInRect(QRectF(0, 0, 190, 10), "Σελίδα 2", Qt::AlignRight);
            s.document(doc, QRectF(0, 20, 190, 0));
        };
        ui().printPreview("Κατάσταση πολιτών", draw);
        ui().printPreview("Δεύτερη", [](PageSink &s) { s.text(0, 0, "Μόνο"); });

        QCOMPARE(sui.printoutTitles, QStringList({"Κατάσταση πολιτών", "Δεύτερη"}));
        QCOMPARE(sui.printouts.size(), 2);
        const RecordingSink &first = sui.printouts[0];
        QCOMPARE(first.pages.size(), 2);
        QCOMPARE(first.pages[0].texts, QStringList{"Κατάσταση πολιτών"});
        QCOMPARE(first.pages[0].lines, 1);
        QCOMPARE(first.pages[0].images, 1);
        QCOMPARE(first.pages[1].texts, QStringList({"Σελίδα 2", "Πρώτη γραμμή", "Δεύτερη γραμμή"}));
        QCOMPARE(sui.printouts[1].allText(), QString("Μόνο"));
        QCOMPARE(sui.log.last().kind, QString("printPreview"));

        QCOMPARE(sui.pdfFiles.size(), 2);
        QCOMPARE(pdfPages(sui.pdfFiles[0]), 2);
        QCOMPARE(pdfInfo(sui.pdfFiles[0], "Title"), QString("Κατάσταση πολιτών"));
        QVERIFY(pdfText(sui.pdfFiles[0], 1).contains("Κατάσταση πολιτών"));
        QVERIFY(pdfText(sui.pdfFiles[0], 2).contains("Δεύτερη γραμμή"));
        QVERIFY(pdfText(sui.pdfFiles[1]).contains("Μόνο"));
        QVERIFY(sui.unexpected.isEmpty());

        // A printout that fails shows its error, and no file is made.
        ui().printPreview("Σφάλμα", [](PageSink &) { throw DbError("Ο πίνακας δεν είναι ανοιχτός"); });
        QCOMPARE(sui.messages(), QStringList{"Ο πίνακας δεν είναι ανοιχτός"});
        QCOMPARE(sui.pdfFiles.size(), 2);
    }

    void previewSavesPdf()
    {
        REQUIRE_POPPLER();
        test::ScriptedUi sui;
        const QString target = file("preview");
        sui.saveFiles << target; // the suffix is added
        int paints = 0;
        QString title, actionText;
        QTimer::singleShot(0, [&] {
            auto *dlg = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
            if (!dlg)
                return;
            title = dlg->windowTitle();
            if (auto *save = dlg->findChild<QAction *>("SavePdfAction")) {
                actionText = save->text();
                save->trigger();
            }
            dlg->reject();
        });
        QtUi real;
        real.printPreview("Ετικέτες", [&](PageSink &s) {
            ++paints;
            s.text(0, 0, "Ετικέτα πρώτη");
            s.newPage();
            s.text(0, 0, "Ετικέτα δεύτερη");
        });
        QCOMPARE(title, QString("Προεπισκόπηση εκτύπωσης - Ετικέτες"));
        QCOMPARE(actionText, QString("Αποθήκευση ως PDF"));
        QVERIFY(paints >= 2); // the preview and the file
        QCOMPARE(sui.log.last().kind, QString("saveFile"));
        QVERIFY(QFile::exists(target + ".pdf"));
        QCOMPARE(pdfPages(target + ".pdf"), 2);
        QVERIFY(pdfText(target + ".pdf", 2).contains("Ετικέτα δεύτερη"));
    }
};

QTEST_MAIN(TstPrinting)
#include "tst_printing.moc"
