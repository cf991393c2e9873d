// Labels: the sheet geometry of label types, the placeholders of the label text, the
// template files and the drawing of label pages.
#include "platform/IniCodec.h"
#include "search/Labels.h"
#include "TestSupport.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace dorvani;
using namespace dorvani::labels;

Q_DECLARE_METATYPE(dorvani::labels::LabelType)

class TstLabels : public QObject {
    Q_OBJECT
private slots:
    void geometry_data();
    void geometry();
    void columnRounding();
    void refusals_data();
    void refusals();
    void placeholders_data();
    void placeholders();
    void fieldsNamed();
    void iniRoundTrip();
    void iniReadsWindowsGreek();
    void templateRoundTrip();
    void drawsPagesAndStops();
};

namespace {
LabelType type(double left, double top, double w, double h, double sx, double sy, double ph, double pw, int cols)
{
    LabelType t;
    t.name = QStringLiteral("T");
    t.leftMargin = left;
    t.topMargin = top;
    t.width = w;
    t.height = h;
    t.spaceX = sx;
    t.spaceY = sy;
    t.paperHeight = ph;
    t.paperWidth = pw;
    t.columns = cols;
    return t;
}
} // namespace

void TstLabels::geometry_data()
{
    QTest::addColumn<LabelType>("t");
    QTest::addColumn<double>("k");
    QTest::addColumn<int>("labels");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("perPage");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("n");
    QTest::addColumn<QPoint>("firstLine"); // at 600 dpi, line height 100 px

    // The defaults of the label type screen: 297 / 25 = 11.88 rows.
    const LabelType def = type(5, 2, 68, 23, 3, 2, 297, 210, 3);
    QTest::newRow("A4 3 columns, 33 labels") << def << LabelK << 33 << 11 << 33 << 1 << 0
                                             << QPoint(118, 47);
    QTest::newRow("34 labels make two pages") << def << LabelK << 34 << 11 << 33 << 2 << 4
                                              << QPoint(1 * 1678 + 118, 1 * 590 + 47);
    QTest::newRow("test page k 0.04") << def << TestK << 1 << 11 << 33 << 1 << 0 << QPoint(120, 48);
    QTest::newRow("3x7 63.5x38.1") << type(7.2, 15.1, 63.5, 38.1, 2.5, 0, 297, 210, 3) << LabelK << 100 << 7
                                   << 21 << 5 << 20 << QPoint(2 * 1559 + 170, 6 * 900 + 356);
    QTest::newRow("2x8 99.1x33.9") << type(4.65, 12.9, 99.1, 33.9, 2.5, 0, 297, 210, 2) << LabelK << 16 << 8
                                   << 16 << 1 << 3 << QPoint(1 * 2401 + 109, 1 * 801 + 304);
}

void TstLabels::geometry()
{
    QFETCH(LabelType, t);
    QFETCH(double, k);
    QFETCH(int, labels);
    QFETCH(int, rows);
    QFETCH(int, perPage);
    QFETCH(int, pages);
    QFETCH(int, n);
    QFETCH(QPoint, firstLine);
    QCOMPARE(rowsPerPage(t), rows);
    QCOMPARE(labelsPerPage(t), perPage);
    QCOMPARE(pageCount(t, labels), pages);
    QVERIFY(refusal(t).isEmpty());
    const PixelLayout l = pixelLayout(t, k, 600, 600, 100);
    QCOMPARE(labelLinePosition(l, t, n, 0), firstLine);
    QCOMPARE(labelLinePosition(l, t, n, 2), firstLine + QPoint(0, 200));
}

void TstLabels::columnRounding()
{
    // Halves go to the even neighbour: 2.5 -> 2, 3.5 -> 4; 210 / 71 = 2.96 -> 3.
    QCOMPARE(columnsThatFit(type(0, 0, 90, 10, 10, 0, 297, 250, 1)), 2);
    QCOMPARE(columnsThatFit(type(0, 0, 90, 10, 10, 0, 297, 350, 1)), 4);
    QCOMPARE(columnsThatFit(type(0, 0, 68, 10, 3, 0, 297, 210, 1)), 3);
}

void TstLabels::refusals_data()
{
    QTest::addColumn<LabelType>("t");
    QTest::addColumn<QString>("contains");
    QTest::newRow("four columns of 68+3 on 210") << type(5, 2, 68, 23, 3, 2, 297, 210, 4) << "όριο στηλών";
    QTest::newRow("zero height") << type(5, 2, 68, 0, 3, 0, 297, 210, 1) << "ύψος";
    QTest::newRow("negative width") << type(5, 2, -68, 23, 3, 2, 297, 210, 1) << "αρνητικές";
    QTest::newRow("no columns") << type(5, 2, 68, 23, 3, 2, 297, 210, 0) << "στήλη";
    QTest::newRow("taller than the paper") << type(5, 2, 68, 300, 3, 2, 297, 210, 1) << "σειρά";
    QTest::newRow("continuous paper") << type(5, 2, 68, 23, 3, 2, 0, 0, 1) << "συνεχές";
}

void TstLabels::refusals()
{
    QFETCH(LabelType, t);
    QFETCH(QString, contains);
    QVERIFY2(refusal(t).contains(contains), qPrintable(refusal(t)));
    RecordingSink sink;
    int asked = 0;
    const RunResult r = drawLabels(sink, t, LabelK, 0, [&](QStringList *l) {
        ++asked;
        *l = {QStringLiteral("x")};
        return asked < 3;
    });
    QCOMPARE(r.labels, 0);
    QCOMPARE(asked, 0);
    QVERIFY(sink.pages[0].texts.isEmpty());
}

void TstLabels::placeholders_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("printed");
    QTest::newRow("two placeholders") << "ΠΡΟΣ: #Επώνυμο# #Όνομα#" << "ΠΡΟΣ: ΠΑΠΑΣ ΓΙΑΝΝΗΣ";
    QTest::newRow("small letters") << "#επώνυμο#" << "ΠΑΠΑΣ";
    QTest::newRow("capitals") << "#ΕΠΩΝΥΜΟ#" << "ΠΑΠΑΣ";
    QTest::newRow("Latin O") << "#Τηλ.Oικίας#" << "2101234567";
    QTest::newRow("Greek O") << QString::fromUtf8("#Τηλ.\u039Fικίας#") << "2101234567";
    QTest::newRow("unknown kept") << "#Άγνωστο# #Τ.Κ.#" << "#Άγνωστο# 11111";
    QTest::newRow("single sign") << "Νο #5" << "Νο #5";
    QTest::newRow("blank line kept") << "   " << "   ";
}

void TstLabels::placeholders()
{
    QFETCH(QString, line);
    const auto values = [](const QString &field) {
        if (field == "EPITHETO") return QStringLiteral("ΠΑΠΑΣ");
        if (field == "ONOMA") return QStringLiteral("ΓΙΑΝΝΗΣ");
        if (field == "TELO_1") return QStringLiteral("2101234567");
        if (field == "TK") return QStringLiteral("11111");
        return QString();
    };
    QFETCH(QString, printed);
    QCOMPARE(substitute(line, values), printed);
}

void TstLabels::fieldsNamed()
{
    QCOMPARE(fieldsNamedIn({"ΠΡΟΣ: #Επώνυμο# #όνομα#", "#Άγνωστο#", "#FAX#"}), (QList<int>{0, 1, 11}));
}

void TstLabels::iniRoundTrip()
{
    IniFile ini;
    ini.setValue("Print Value", "Line0", "ΟΔΟΣ #Διεύθυνση#, Τ.Κ. = #Τ.Κ.#");
    ini.setValue("print value", "LINE1", "  με κενά  ");
    const IniFile back = IniFile::parse(ini.write());
    QCOMPARE(back.sections(), QStringList{"Print Value"});
    QCOMPARE(back.value("PRINT VALUE", "line0"), QString("ΟΔΟΣ #Διεύθυνση#, Τ.Κ. = #Τ.Κ.#"));
    QCOMPARE(back.value("Print Value", "Line1"), QString("  με κενά  "));
    QVERIFY(ini.write().contains(QStringLiteral("Διεύθυνση").toUtf8()));
}

void TstLabels::iniReadsWindowsGreek()
{
    QStringEncoder enc("windows-1253");
    const QByteArray bytes = enc.encode(QStringLiteral("[Count Print Value]\r\nCount=1\r\n[Print Value]\r\nLine0=#Επώνυμο#\r\n"));
    QCOMPARE(IniFile::parse(bytes).value("Print Value", "Line0"), QString("#Επώνυμο#"));
}

void TstLabels::templateRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.ini");
    const QStringList lines = {"ΠΡΟΣ: #Επώνυμο# #Όνομα#", "", "#Τ.Κ.#, #Πόλη#"};
    QString error;
    QVERIFY(saveTemplate(path, lines, &error));
    QVERIFY(saveTemplate(path, lines.mid(0, 1), &error)); // the old lines go
    QStringList back;
    QVERIFY(loadTemplate(path, &back, &error));
    QCOMPARE(back, lines.mid(0, 1));
    QVERIFY(saveTemplate(path, lines, &error));
    QVERIFY(loadTemplate(path, &back, &error));
    QCOMPARE(back, lines);
    QVERIFY(!loadTemplate(dir.filePath("none.ini"), &back, &error));
    QVERIFY(!error.isEmpty());
}

void TstLabels::drawsPagesAndStops()
{
    const LabelType t = type(5, 2, 68, 23, 3, 2, 297, 210, 3);
    for (int cancelAfter : {0, 33}) {
        RecordingSink sink;
        int i = 0;
        const RunResult r = drawLabels(
            sink, t, LabelK, 2,
            [&](QStringList *l) {
                if (i == 70)
                    return false;
                *l = {QStringLiteral("ΕΤΙΚΕΤΑ %1").arg(++i), QStringLiteral("Γραμμή")};
                return true;
            },
            [&] { return cancelAfter == 0 || i < cancelAfter; });
        if (cancelAfter == 0) {
            QCOMPARE(r.labels, 70);
            QCOMPARE(r.pages, 3); // 31 + 33 + 6
            QCOMPARE(sink.pages.size(), 3);
            QCOMPARE(sink.pages[0].texts.size(), 62);
            QCOMPARE(sink.pages[2].texts.last(), QString("Γραμμή"));
            QCOMPARE(sink.pages[2].texts.at(sink.pages[2].texts.size() - 2), QString("ΕΤΙΚΕΤΑ 70"));
        } else {
            QVERIFY(r.cancelled);
            QCOMPARE(r.labels, 33);
            QCOMPARE(sink.pages.size(), 2);
        }
    }
}

QTEST_GUILESS_MAIN(TstLabels)
#include "tst_labels.moc"
