// The grid printout engine: widths from screen pixels in tenths of an inch, rows two and
// a half tenths apart with their rule a tenth and a half below the top, centred title
// lines, the bold underlined header, and new pages that repeat the head.
#include "platform/AppContext.h"
#include "widgets/GridPrintout.h"
#include "platform/Printing.h"

#include <QApplication>
#include <QTest>

#include <cmath>

using namespace dorvani;

namespace {

// Records where things are drawn, on top of what the recording sink keeps.
class GeometrySink : public RecordingSink {
public:
    struct Cell {
        int page;
        QRectF rect;
        QString text;
        QFont font;
    };
    struct Rule {
        int page;
        double y, x1, x2;
    };
    struct Line {
        int page;
        double x, y;
        QString text;
    };
    QList<Cell> cells;
    QList<Rule> rules;
    QList<Line> titles;

    void text(double x, double y, const QString &t) override
    {
        titles << Line{pageNumber(), x, y, t};
        RecordingSink::text(x, y, t);
    }
    void textInRect(const QRectF &r, const QString &t, int a) override
    {
        cells << Cell{pageNumber(), r, t, font()};
        RecordingSink::textInRect(r, t, a);
    }
    void line(const QPointF &from, const QPointF &to, double w) override
    {
        rules << Rule{pageNumber(), from.y(), from.x(), to.x()};
        RecordingSink::line(from, to, w);
    }
};

bool near(double a, double b) { return std::abs(a - b) < 1e-6; }

} // namespace

class TstGridPrintout : public QObject {
    Q_OBJECT

private slots:
    // Columns wider than the page: the widest give way first, none below its title, none left out.
    void columnsFitThePage_data()
    {
        QTest::addColumn<QList<double>>("wanted");
        QTest::addColumn<QList<double>>("least");
        QTest::addColumn<QList<double>>("fitted");
        QTest::newRow("they fit") << QList<double>{50, 60} << QList<double>{10, 10} << QList<double>{50, 60};
        QTest::newRow("the widest gives way") << QList<double>{40, 30, 200} << QList<double>{10, 10, 10}
                                              << QList<double>{40, 30, 120};
        QTest::newRow("two wide ones share") << QList<double>{150, 150, 20} << QList<double>{10, 10, 10}
                                             << QList<double>{85, 85, 20};
        QTest::newRow("not below a title") << QList<double>{100, 150} << QList<double>{100, 10}
                                           << QList<double>{100, 90};
        QTest::newRow("even the titles do not fit") << QList<double>{200, 200} << QList<double>{190, 190}
                                                    << QList<double>{95, 95};
    }
    void columnsFitThePage()
    {
        QFETCH(QList<double>, wanted);
        QFETCH(QList<double>, least);
        QFETCH(QList<double>, fitted);
        const QList<double> got = GridPrintout::fitted(wanted, least, 190);
        QCOMPARE(got.size(), fitted.size());
        for (int i = 0; i < got.size(); ++i)
            QVERIFY2(std::abs(got[i] - fitted[i]) < 0.01, qPrintable(QString("%1: %2").arg(i).arg(got[i])));
    }

    void initTestCase() { Clock::setNow(QDateTime(QDate(2024, 3, 9), QTime(10, 0))); }

    void widthsInTenthsOfAnInch_data()
    {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("tenths");
        QTest::newRow("100 pixels, an inch") << 100 << 10;
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("64") << 64 << 7;   // 6.656
        QTest::newRow("53") << 53 << 6;   // 5.512
        QTest::newRow("52") << 52 << 5;   // 5.408
        QTest::newRow("480") << 480 << 50; // 49.92
    }
    void widthsInTenthsOfAnInch()
    {
        QFETCH(int, pixels);
        QFETCH(int, tenths);
        QCOMPARE(GridPrintout::tenthsOfPixels(pixels), tenths);
    }

    void halvesGoToTheEvenNeighbour()
    {
        QCOMPARE(GridPrintout::roundHalfEven(0.5), 0.0);
        QCOMPARE(GridPrintout::roundHalfEven(1.5), 2.0);
        QCOMPARE(GridPrintout::roundHalfEven(2.5), 2.0);
        QCOMPARE(GridPrintout::roundHalfEven(3.5), 4.0);
        QCOMPARE(GridPrintout::roundHalfEven(3.51), 4.0);
        QCOMPARE(GridPrintout::roundHalfEven(2.49), 2.0);
    }

    void rowsRulesAndPages()
    {
        GeometrySink s;
        GridPrintout g(s);
        g.addTitleLine(GridPrintout::captionLine("ΑΠΟΤΕΛΕΣΜΑΤΑ ΑΝΑΖΗΤΗΣΗΣ"));
        g.addTitleLine("ΚΡΙΤΗΡΙΑ ΑΝΑΖΗΤΗΣΗΣ : ΝΟΜΟΣ=ΑΡΚΑΔΙΑΣ");
        g.addTitleLine("Βρέθηκαν 100 εγγραφές", false);
        g.addTitleLine(GridPrintout::banner());
        g.setColumns({"ΕΠΙΘΕΤΟ", "ΟΝΟΜΑ"}, {GridPrintout::tenthsOfPixels(100), GridPrintout::tenthsOfPixels(200)});
        g.begin();
        for (int i = 0; i < 100; ++i)
            g.row({QString("ΕΠΩΝΥΜΟ%1").arg(i), "ΟΝΟΜΑ"});
        QCOMPARE(g.rowsPrinted(), 100);
        QVERIFY(s.pages.size() >= 3);

        // Title lines: centred, the count only on the first page.
        QCOMPARE(s.titles.first().text, QString("ΑΠΟΤΕΛΕΣΜΑΤΑ ΑΝΑΖΗΤΗΣΗΣ    09/03/2024"));
        for (const auto &t : s.titles)
            QVERIFY(near(t.x, 95 - s.textWidth(t.text) / 2));
        for (int p = 1; p <= s.pages.size(); ++p) {
            QStringList onPage;
            for (const auto &t : s.titles)
                if (t.page == p)
                    onPage << t.text;
            QStringList expected = {"ΑΠΟΤΕΛΕΣΜΑΤΑ ΑΝΑΖΗΤΗΣΗΣ    09/03/2024", "ΚΡΙΤΗΡΙΑ ΑΝΑΖΗΤΗΣΗΣ : ΝΟΜΟΣ=ΑΡΚΑΔΙΑΣ"};
            if (p == 1)
                expected << "Βρέθηκαν 100 εγγραφές";
            expected << "ΠΡΟΓΡΑΜΜΑ DORVANI";
            QCOMPARE(onPage, expected);
        }

        // Each page starts its table with the bold underlined header; the rows are plain.
        int rowsSeen = 0;
        for (int i = 0; i < s.cells.size(); i += 2) {
            const auto &a = s.cells[i], &b = s.cells[i + 1];
            QCOMPARE(a.page, b.page);
            QVERIFY(near(a.rect.x(), 0));
            QVERIFY(near(a.rect.width(), 25.4));                // 10 tenths
            QVERIFY(near(b.rect.x(), 25.4));
            QVERIFY(near(b.rect.width(), 21 * 2.54));           // 200 px: 20.8 → 21 tenths
            QVERIFY(near(a.rect.height(), 5 + 2.54));           // the line height and a tenth
            const bool header = a.text == "ΕΠΙΘΕΤΟ";
            QCOMPARE(a.font.bold(), header);
            QCOMPARE(a.font.underline(), header);
            if (header)
                QVERIFY(i == 0 || s.cells[i - 1].page == a.page - 1);
            else
                QCOMPARE(a.text, QString("ΕΠΩΝΥΜΟ%1").arg(rowsSeen++));
            QVERIFY(a.rect.bottom() <= 277 + 1e-6);
        }
        QCOMPARE(rowsSeen, 100);

        // A rule under every row, a tenth and a half below its top, as long as the cells.
        QCOMPARE(s.rules.size(), s.cells.size() / 2);
        for (int i = 0; i < s.rules.size(); ++i) {
            const auto &r = s.rules[i];
            QVERIFY(near(r.y, s.cells[2 * i].rect.y() + 1.5 * 2.54));
            QVERIFY(near(r.x1, 0));
            QVERIFY(near(r.x2, 25.4 + 21 * 2.54));
            if (i + 1 < s.rules.size() && s.rules[i + 1].page == r.page)
                QVERIFY(near(s.cells[2 * (i + 1)].rect.y() - s.cells[2 * i].rect.y(), 2.5 * 2.54));
        }
    }

    void widePagesAndLongLines()
    {
        GeometrySink s;
        GridPrintout g(s);
        // 95 characters of 2 mm: wider than the 190 mm page, so broken between words.
        const QString criteria = "ΚΡΙΤΗΡΙΑ ΑΝΑΖΗΤΗΣΗΣ : " + QString("ΕΠΙΘΕΤΟ=ΠΑΠ* - ").repeated(5) + "ΟΝΟΜΑ=ΓΙΩΡΓΟΣ";
        g.addTitleLine(criteria);
        g.setColumns({"Α", "Β", "Γ"}, {50, 50, 50}); // 381 mm of columns on a 190 mm page
        g.begin();
        g.row({"1", "2", "3"});
        QVERIFY(s.titles.size() >= 2);
        QStringList words;
        for (const auto &t : s.titles) {
            QVERIFY(s.textWidth(t.text) <= 190);
            words << t.text;
        }
        QCOMPARE(words.join(' '), criteria);
        // Columns past the page's edge are cut at the edge.
        for (const auto &c : s.cells)
            QVERIFY(c.rect.right() <= 190 + 1e-6);
        QVERIFY(near(s.rules.last().x2, 190));
    }
};

QTEST_MAIN(TstGridPrintout)
#include "tst_gridprintout.moc"
