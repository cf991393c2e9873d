// RTF: documents written and read back keep their text and formatting; hand-written Greek
// RTF with \'hh and \u reads right; unknown destinations are skipped; files that are not
// RTF read as UTF-8 or Windows Greek text; hostile input never crashes; files are saved
// whole or not at all.
#include "platform/RtfCodec.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

using namespace dorvani;

namespace {

// A run of text with the formatting that RTF keeps.
struct Run {
    QString text;
    bool bold, italic, underline;
    double size;
    QString family;
    QRgb color; // 0 for automatic
    bool sameLook(const Run &o) const
    {
        return bold == o.bold && italic == o.italic && underline == o.underline && size == o.size
            && family == o.family && color == o.color;
    }
};

QString describe(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat bf = b.blockFormat();
        const Qt::Alignment a = bf.alignment() & Qt::AlignHorizontal_Mask;
        const char *align = (a & Qt::AlignJustify) ? "justify"
                          : (a & Qt::AlignHCenter) ? "center"
                          : (a & Qt::AlignRight)   ? "right"
                                                   : "left";
        out << QString("[%1 li=%2 ri=%3 fi=%4]")
                   .arg(align)
                   .arg(qRound(bf.leftMargin() * 15))
                   .arg(qRound(bf.rightMargin() * 15))
                   .arg(qRound(bf.textIndent() * 15));
        for (const QTextOption::Tab &tab : bf.tabPositions())
            out.last() += QString(" tab%1@%2").arg(int(tab.type)).arg(qRound(tab.position * 15));
        QList<Run> runs;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat cf = f.charFormat();
            const QFont font = cf.font().resolve(doc.defaultFont());
            const double size = cf.hasProperty(QTextFormat::FontPointSize) ? cf.fontPointSize() : font.pointSizeF();
            const QBrush fg = cf.foreground();
            Run r{f.text(),
                  cf.fontWeight() >= QFont::DemiBold,
                  cf.fontItalic(),
                  cf.fontUnderline(),
                  size,
                  font.families().value(0, font.family()),
                  cf.hasProperty(QTextFormat::ForegroundBrush) && fg.style() != Qt::NoBrush ? fg.color().rgb() : 0};
            if (!runs.isEmpty() && runs.last().sameLook(r))
                runs.last().text += r.text;
            else
                runs << r;
        }
        for (const Run &r : runs)
            out << QString("  \"%1\"%2%3%4 %5pt %6%7")
                       .arg(r.text, r.bold ? " b" : "", r.italic ? " i" : "", r.underline ? " u" : "")
                       .arg(r.size)
                       .arg(r.family, r.color ? QString(" #%1").arg(r.color & 0xffffff, 6, 16, QChar('0')) : "");
    }
    return out.join('\n');
}

QByteArray cp1253(const QString &s)
{
    QStringEncoder enc("windows-1253");
    return enc.encode(s);
}

QString readText(const QByteArray &data)
{
    QTextDocument doc;
    rtf::read(data, doc);
    return doc.toPlainText();
}

// A letter as a Greek word processor writes it.
const QByteArray HandWritten =
    "{\\rtf1\\ansi\\ansicpg1253\\deff0\\deflang1032"
    "{\\fonttbl{\\f0\\froman\\fcharset161 Times New Roman;}{\\f1\\fswiss\\fprq2\\fcharset161{\\*\\panose "
    "020b0604020202020204}Arial;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
    "{\\*\\generator Riched20 10.0.19041;}\\viewkind4\\uc1 \r\n"
    "\\pard\\qc\\b\\fs32 \\'d0\\'f1\\'fc\\'f3\\'ea\\'eb\\'e7\\'f3\\'e7\\b0\\par\r\n"
    "\\pard\\qj\\li720\\ri360\\fi-360\\f1\\fs20 \\cf1 \\'ea\\'fc\\'ea\\'ea\\'e9\\'ed\\'ef\\cf0  "
    "\\i \\'ea\\'e5\\'DF\\'ec\\'e5\\'ed\\'ef\\i0  \\ul\\u965?\\u8364?\\ulnone\\par\r\n"
    "}\r\n";

} // namespace

class TstRtf : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("html");
        QTest::newRow("latin") << "<p>Hello world, 1 + 2 = 3.</p>";
        QTest::newRow("greek") << "<p>Αγαπητέ κύριε Παπαδόπουλε, σας ευχαριστούμε. ΆΈΉΊΌΎΏ ϊϋΐΰ ς</p>";
        QTest::newRow("bold italic underline runs")
            << "<p>απλό <b>έντονο</b> <i>πλάγιο</i> <u>υπογραμμισμένο</u> <b><i><u>όλα</u></i></b> τέλος</p>";
        QTest::newRow("alignment") << "<p align=left>αριστερά</p><p align=center>κέντρο</p>"
                                      "<p align=right>δεξιά</p><p align=justify>πλήρης στοίχιση</p>";
        QTest::newRow("sizes") << "<p><span style='font-size:8pt'>μικρά</span> <span style='font-size:10.5pt'>"
                                  "μεσαία</span> <span style='font-size:22pt'>μεγάλα</span></p>";
        QTest::newRow("indents") << "<p style='margin-left:48px; margin-right:24px; text-indent:-24px'>εσοχή</p>"
                                    "<p style='margin-left:96px'>δεύτερη</p>";
        QTest::newRow("fonts") << "<p><span style=\"font-family:'DejaVu Serif'\">Σέριφ</span> "
                                  "<span style=\"font-family:'DejaVu Sans Mono'\">σταθερό</span></p>";
        QTest::newRow("colours") << "<p><span style='color:#c00000'>κόκκινο</span> <span style='color:#0000ff'>"
                                    "μπλε</span> <span style='color:#c00000'>πάλι</span></p>";
        QTest::newRow("escapes") << "<p>a\\b{c}d \\par {\\rtf1}</p>";
        QTest::newRow("outside code page 1253") << "<p>€ é ✓ Ā 中文 😀 ‰ «»</p>";
        QTest::newRow("tabs and line breaks") << "<p>α\tβ<br/>γ</p>";
        QTest::newRow("empty paragraphs") << "plain:πρώτη\n\nτρίτη\n";
        QTest::newRow("empty document") << "plain:";
    }
    void roundTrip()
    {
        QFETCH(QString, html);
        QTextDocument original;
        if (html.startsWith("plain:"))
            original.setPlainText(html.mid(6));
        else
            original.setHtml(html);

        const QByteArray written = rtf::write(original);
        QVERIFY(written.startsWith("{\\rtf1\\ansi\\ansicpg1253\\deff0"));
        for (const char c : written)
            QVERIFY2(uchar(c) < 128, "RTF is written in ASCII");

        QTextDocument back;
        rtf::read(written, back);
        QCOMPARE(back.toPlainText(), original.toPlainText());
        QCOMPARE(describe(back), describe(original));
        // A second pass changes nothing.
        QCOMPARE(rtf::write(back), written);
    }

    // A letter formatted by hand in the editor: every format the codec keeps, in Greek.
    void roundTripOfAFormattedGreekLetter()
    {
        QTextDocument original;
        QTextCursor c(&original);
        QTextBlockFormat head;
        head.setAlignment(Qt::AlignHCenter);
        c.setBlockFormat(head);
        QTextCharFormat title;
        title.setFontWeight(QFont::Bold);
        title.setFontPointSize(16);
        title.setFontFamilies({"DejaVu Serif"});
        c.insertText("Βουλευτής Νομού Αττικής", title);
        QTextBlockFormat body;
        body.setAlignment(Qt::AlignJustify);
        body.setLeftMargin(48);
        body.setRightMargin(24);
        body.setTextIndent(-24);
        body.setTabPositions({QTextOption::Tab(96, QTextOption::LeftTab), QTextOption::Tab(192, QTextOption::RightTab),
                              QTextOption::Tab(288, QTextOption::CenterTab)});
        c.insertBlock(body);
        QTextCharFormat plain;
        plain.setFontPointSize(11);
        c.insertText("#,\tαγαπητέ φίλε\t", plain);
        QTextCharFormat red = plain;
        red.setForeground(QColor(192, 0, 0));
        red.setFontItalic(true);
        c.insertText("σας ευχαριστώ", red);
        QTextCharFormat under = plain;
        under.setFontUnderline(true);
        c.insertText(" θερμά.", under);
        QTextBlockFormat sign;
        sign.setAlignment(Qt::AlignRight);
        c.insertBlock(sign);
        c.insertText("Με εκτίμηση", plain);

        const QByteArray written = rtf::write(original);
        QVERIFY(written.contains("\\tqr\\tx2880"));
        QTextDocument back;
        rtf::read(written, back);
        QCOMPARE(back.toPlainText(), original.toPlainText());
        QCOMPARE(describe(back), describe(original));
        QCOMPARE(rtf::write(back), written);
    }

    void writerEncoding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("ascii") << "abc" << QByteArray(" abc\\par");
        QTest::newRow("greek as code page 1253") << "Αω" << QByteArray("\\'c1\\'f9");
        QTest::newRow("tonos") << "ά" << QByteArray("\\'dc");
        QTest::newRow("euro in 1253") << "€" << QByteArray("\\'80");
        QTest::newRow("check mark as unicode") << "✓" << QByteArray("\\u10003?");
        QTest::newRow("high code unit negative") << QString::fromUtf8("\xEF\xBC\xA1") << QByteArray("\\u-223?");
        QTest::newRow("escaped braces") << "{x}\\" << QByteArray("\\{x\\}\\\\");
    }
    void writerEncoding()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        QTextDocument doc;
        doc.setPlainText(text);
        const QByteArray out = rtf::write(doc);
        QVERIFY2(out.contains(expected), out.constData());
        QVERIFY(out.contains("\\fcharset161"));
        QVERIFY(out.contains("{\\colortbl;"));
    }

    void readsHandWrittenGreek()
    {
        QTextDocument doc;
        rtf::read(HandWritten, doc);
        QCOMPARE(doc.toPlainText(), QString("Πρόσκληση\nκόκκινο κείμενο υ€"));
        QCOMPARE(doc.blockCount(), 2);

        const QTextBlock title = doc.begin();
        QCOMPARE(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::Alignment(Qt::AlignHCenter));
        const QTextCharFormat tf = title.begin().fragment().charFormat();
        QCOMPARE(tf.fontWeight(), int(QFont::Bold));
        QCOMPARE(tf.fontPointSize(), 16.0);
        QCOMPARE(tf.font().families().value(0), QString("Times New Roman"));

        const QTextBlock body = title.next();
        const QTextBlockFormat bf = body.blockFormat();
        QCOMPARE(bf.alignment() & Qt::AlignHorizontal_Mask, Qt::Alignment(Qt::AlignJustify));
        QCOMPARE(qRound(bf.leftMargin() * 15), 720);
        QCOMPARE(qRound(bf.rightMargin() * 15), 360);
        QCOMPARE(qRound(bf.textIndent() * 15), -360);

        QList<QTextFragment> frags;
        for (auto it = body.begin(); !it.atEnd(); ++it)
            frags << it.fragment();
        QCOMPARE(frags.size(), 5);
        QCOMPARE(frags[0].text(), QString("κόκκινο"));
        QCOMPARE(frags[0].charFormat().foreground().color(), QColor(255, 0, 0));
        QCOMPARE(frags[0].charFormat().fontPointSize(), 10.0);
        QCOMPARE(frags[0].charFormat().font().families().value(0), QString("Arial"));
        QCOMPARE(frags[0].charFormat().fontWeight(), int(QFont::Normal));
        QCOMPARE(frags[2].text(), QString("κείμενο"));
        QVERIFY(frags[2].charFormat().fontItalic());
        QCOMPARE(frags[4].text(), QString("υ€"));
        QVERIFY(frags[4].charFormat().fontUnderline());
        QVERIFY(!frags[4].charFormat().fontItalic());
    }

    void readsText_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("hex without a code page is Greek")
            << QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Arial;}}\\f0 \\'c1\\'e8\\'de\\'ed\\'e1}") << "Αθήνα";
        QTest::newRow("Greek font in a western document")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
                          "{\\f1\\fswiss\\fcharset161 Arial Greek;}}\\f0 caf\\'e9 \\f1 \\'e3\\'e5\\'e9\\'e1}")
            << "café γεια";
        QTest::newRow("unicode with a fallback") << QByteArray("{\\rtf1\\ansi\\uc1 \\u915?\\u949?\\u953?\\u940?}")
                                                 << "Γειά";
        QTest::newRow("two fallback characters")
            << QByteArray("{\\rtf1\\uc2 \\u8364\\'80\\'80 x\\u8364 ab}") << "€ x€";
        QTest::newRow("skip count restored after a group")
            << QByteArray("{\\rtf1 {\\uc2 \\u915??}\\u915?}") << "ΓΓ";
        QTest::newRow("no fallback") << QByteArray("{\\rtf1\\uc0 \\u915\\u916 x}") << "ΓΔx";
        QTest::newRow("surrogates as negative numbers") << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}")
                                                        << QString::fromUtf8("😀");
        QTest::newRow("escapes") << QByteArray("{\\rtf1 a\\\\b\\{c\\}d}") << "a\\b{c}d";
        QTest::newRow("unknown starred destination")
            << QByteArray("{\\rtf1 Α{\\*\\unknowndest κρυφό {φωλιά \\par} κείμενο}Β}") << "ΑΒ";
        QTest::newRow("ignorable destinations")
            << QByteArray("{\\rtf1{\\info{\\title Τίτλος}{\\author Χ}}{\\stylesheet{\\s0 Normal;}}{\\header Κεφαλίδα}"
                          "{\\footer Υποσέλιδο}{\\pict\\pngblip 89504e470d0a}A}")
            << "A";
        QTest::newRow("unknown control words") << QByteArray("{\\rtf1 \\foo A\\bar12 B\\baz-3 C}") << "ABC";
        QTest::newRow("paragraph, line and tab") << QByteArray("{\\rtf1 a\\par b\\line c\\tab d}") << "a\nb\nc\td";
        QTest::newRow("field result kept")
            << QByteArray("{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt σύνδεσμος}}}")
            << "σύνδεσμος";
        QTest::newRow("binary data skipped") << QByteArray("{\\rtf1 A\\bin3 {{{B}") << "AB";
        QTest::newRow("text after the document") << QByteArray("{\\rtf1 A}B") << "A";
        QTest::newRow("line ends in the source") << QByteArray("{\\rtf1 A\r\nB\r\n}") << "AB";
        QTest::newRow("special characters")
            << QByteArray("{\\rtf1 \\lquote x\\rquote  \\ldblquote y\\rdblquote  \\emdash\\endash\\bullet a\\~b}")
            << QString::fromUtf8("‘x’ “y” —–•a b");
        QTest::newRow("blank paragraphs kept") << QByteArray("{\\rtf1 a\\par\\par b\\par}") << "a\n\nb";
        QTest::newRow("font table without groups")
            << QByteArray("{\\rtf1{\\fonttbl\\f0\\fcharset161 A;\\f1\\fcharset0 B;}\\f1 \\'e9\\f0 \\'e9}") << "éι";
    }
    void readsText()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QCOMPARE(readText(cp1253Source(rtf)), text);
    }

    void plainTextFallback_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("text");
        const QString greek = "Αγαπητέ κύριε,\nευχαριστούμε.";
        QTest::newRow("utf-8") << greek.toUtf8() << greek;
        QTest::newRow("utf-8 with a byte order mark") << QByteArray("\xEF\xBB\xBF") + greek.toUtf8() << greek;
        QTest::newRow("code page 1253") << cp1253(greek) << greek;
        QTest::newRow("windows line ends") << cp1253("α\r\nβ\r\n") << "α\nβ\n";
        QTest::newRow("ascii") << QByteArray("plain {\\b text}") << "plain {\\b text}";
        QTest::newRow("rtf not at the start") << QByteArray("x{\\rtf1 y}") << "x{\\rtf1 y}";
        QTest::newRow("empty") << QByteArray() << "";
    }
    void plainTextFallback()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, text);
        QTextDocument doc;
        doc.setPlainText("παλιό");
        rtf::read(data, doc);
        QCOMPARE(doc.toPlainText(), text);
    }

    void hostileInput_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("deep nesting ignored")
            << "{\\rtf1 " + QByteArray(100000, '{') + "A" + QByteArray(100000, '}') + "B}" << "B";
        QTest::newRow("nesting within the limit read")
            << "{\\rtf1 " + QByteArray(200, '{') + "A" + QByteArray(200, '}') + "B}" << "AB";
        QTest::newRow("unclosed groups") << "{\\rtf1 A" + QByteArray(100000, '{') + "B" << "A";
        QTest::newRow("too many closing braces") << "{\\rtf1 A" + QByteArray(100000, '}') << "A";
        QTest::newRow("huge numbers")
            << QByteArray("{\\rtf1\\fs99999999999999\\u-99999999999\\uc99999999999 \\li-999999999999 A\\f77777 B}")
            << "AB";
        QTest::newRow("huge binary length") << QByteArray("{\\rtf1 A\\bin99999999999 BCD}") << "A";
        QTest::newRow("broken hex") << QByteArray("{\\rtf1 A\\'zzB\\'4") << "AzzB4";
        QTest::newRow("backslash at the end") << QByteArray("{\\rtf1 A\\") << "A";
        QTest::newRow("long control word") << "{\\rtf1 A\\" + QByteArray(100000, 'x') + " B}" << "AB";
        QTest::newRow("colour out of range") << QByteArray("{\\rtf1{\\colortbl;\\red999;}\\cf55 A\\cf-3 B}") << "AB";
        QTest::newRow("10,000 nested groups")
            << "{\\rtf1 A" + QByteArray(10000, '{') + "\\b B" + QByteArray(10000, '}') + "C}" << "AC";
        QTest::newRow("10,000 unclosed groups with text") << "{\\rtf1 A" + QByteArray("{\\i x").repeated(10000)
                                                   << "A" + QString(255, 'x'); // the groups within the limit
        QTest::newRow("huge bin at the end") << QByteArray("{\\rtf1 A\\bin2147483647") << "A";
        QTest::newRow("many tab stops") << "{\\rtf1\\pard" + QByteArray("\\tqr\\tx99999999").repeated(5000) + " A}"
                                        << "A";
        QTest::newRow("nul bytes") << QByteArray("{\\rtf1 A\0B}", 11) << "AB";
    }
    void hostileInput()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QCOMPARE(readText(rtf), text);
    }

    void fuzz()
    {
        QRandomGenerator random(20240611);
        for (int round = 0; round < 300; ++round) {
            QByteArray data = "{\\rtf1 ";
            const int size = int(random.bounded(4000));
            // Bytes drawn mostly from the characters that mean something in RTF.
            static const QByteArray alphabet = "{}\\'*uc0123456789-abfilnpqrst ;\r\n\xe1\xc1";
            for (int i = 0; i < size; ++i)
                data += random.bounded(4) ? alphabet[int(random.bounded(int(alphabet.size())))]
                                          : char(random.bounded(256));
            QTextDocument doc;
            rtf::read(data, doc);
        }
        const QByteArray valid = HandWritten;
        for (int cut = 0; cut <= valid.size(); ++cut) {
            QTextDocument doc;
            rtf::read(valid.left(cut), doc);
            if (cut == valid.size())
                QCOMPARE(doc.toPlainText(), QString("Πρόσκληση\nκόκκινο κείμενο υ€"));
        }
        // Truncated in the middle of the text: what came before is there.
        QTextDocument doc;
        rtf::read(valid.left(valid.indexOf("\\i ")), doc);
        QVERIFY(doc.toPlainText().startsWith("Πρόσκληση\nκόκκινο"));
    }

    // A document cut just before or after any of its braces reads as far as it goes.
    void truncatedAtEveryBrace()
    {
        QTextDocument full;
        QTextCursor c(&full);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        c.insertText("Αγαπητέ #,", bold);
        c.insertBlock();
        c.insertText("κείμενο της επιστολής", QTextCharFormat());
        const QByteArray valid = rtf::write(full) + HandWritten;
        for (int i = 0; i < valid.size(); ++i) {
            if (valid[i] != '{' && valid[i] != '}')
                continue;
            for (const int cut : {i, i + 1}) {
                if (cut < 6)
                    continue; // not yet RTF: read as plain text
                QTextDocument doc;
                rtf::read(valid.left(cut), doc);
                const QString text = doc.toPlainText();
                QVERIFY2(QString("Αγαπητέ #,\nκείμενο της επιστολής").startsWith(text), qPrintable(text + QString::number(cut)));
            }
        }
    }

    void loadAndSave()
    {
        QTemporaryDir dir;
        QTextDocument doc;
        doc.setHtml("<p align=center><b>Θέμα:</b> αίτηση</p><p>Με εκτίμηση</p>");

        const QString path = dir.filePath("σημείωμα.rtf");
        QCOMPARE(rtf::save(path, doc), QString());
        QTextDocument back;
        QVERIFY(rtf::load(path, back));
        QCOMPARE(back.toPlainText(), doc.toPlainText());
        QCOMPARE(describe(back), describe(doc));

        // Missing or unreadable: empty and false.
        back.setPlainText("παλιό");
        QVERIFY(!rtf::load(dir.filePath("λείπει.rtf"), back));
        QVERIFY(back.isEmpty());
        back.setPlainText("παλιό");
        QVERIFY(!rtf::load(dir.path(), back));
        QVERIFY(back.toPlainText().isEmpty());

        // A folder that does not exist, or a folder in place of the file: the reason, no file.
        const QString nowhere = dir.filePath("λείπει/σημείωμα.rtf");
        QVERIFY(!rtf::save(nowhere, doc).isEmpty());
        QVERIFY(!QFile::exists(nowhere));
        QDir(dir.path()).mkdir("φάκελος");
        QVERIFY(!rtf::save(dir.filePath("φάκελος"), doc).isEmpty());

        // Saving over a file replaces it.
        doc.setPlainText("νέο κείμενο");
        QCOMPARE(rtf::save(path, doc), QString());
        QVERIFY(rtf::load(path, back));
        QCOMPARE(back.toPlainText(), QString("νέο κείμενο"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"σημείωμα.rtf"});
    }

private:
    // The sources above are written in UTF-8; Greek outside escapes becomes code page
    // 1253 bytes, as in a real file.
    static QByteArray cp1253Source(const QByteArray &utf8) { return cp1253(QString::fromUtf8(utf8)); }
};

QTEST_MAIN(TstRtf)
#include "tst_rtf.moc"
