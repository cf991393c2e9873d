// The template editor: a template saved under any name is RTF and loads back with its
// formatting, a plain text file loads as text, a cancelled load keeps the text, and the
// settings dialog takes a bitmap's size and refuses fields that are not whole numbers.
#include "letters/LetterPage.h"
#include "letters/Ruler.h"
#include "letters/UntKeimeno.h"
#include "letters/UntPrnSettings.h"
#include "widgets/MainWindow.h"
#include "ProgramFixture.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

using namespace dorvani;
using test::Program;

namespace {

// A marker grabbed by its middle, moved by dx ruler pixels and released.
void drag(QLabel *marker, int dx)
{
    const QPoint middle(marker->width() / 2, marker->height() / 2);
    QTest::mousePress(marker, Qt::LeftButton, {}, middle);
    const QPointF to(middle.x() + dx, middle.y());
    QMouseEvent move(QEvent::MouseMove, to, marker->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(marker, &move);
    QTest::mouseRelease(marker, Qt::LeftButton, {}, middle);
}

} // namespace

class TstKeimeno : public QObject {
    Q_OBJECT
    std::unique_ptr<Program> p;

    TKeimenoFrm *open()
    {
        p->main()->action("ΔΙΑΜΟΡΦΩΣΗ ΚΕΙΜΕΝΟΥ")->trigger();
        for (QWidget *w : MainWindow::instance()->openChildren())
            if (auto *f = qobject_cast<TKeimenoFrm *>(w))
                return f;
        return nullptr;
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

    void rulerArithmetic_data()
    {
        QTest::addColumn<QString>("marker");
        QTest::addColumn<int>("x"); // the marker's left position plus half its width
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("expected");
        QTest::newRow("first line at the gutter") << "first" << 6 << 0 << 0;
        QTest::newRow("first line, fraction dropped") << "first" << 34 << 0 << 21;
        QTest::newRow("first line, 72 points") << "first" << 102 << 0 << 72;
        QTest::newRow("left, no first-line indent") << "left" << 54 << 0 << 36;
        QTest::newRow("left, less the first-line indent") << "left" << 54 << 21 << 15;
        QTest::newRow("left before the first line") << "left" << 34 << 36 << -15;
        // The right marker: the ruler is 600 wide, the marker 9 (x is its left position).
        QTest::newRow("right, 19 points") << "right" << 560 << 0 << 19;
        QTest::newRow("right at the ruler's end") << "right" << 584 << 0 << 1;
    }
    void rulerArithmetic()
    {
        QFETCH(QString, marker);
        QFETCH(int, x);
        QFETCH(int, first);
        QFETCH(int, expected);
        if (marker == "first")
            QCOMPARE(ruler::firstIndentAt(x), expected);
        else if (marker == "left")
            QCOMPARE(ruler::leftIndentAt(x, first), expected);
        else
            QCOMPARE(ruler::rightIndentAt(600, x, ruler::MarkerWidth), expected);
    }

    void rulerMarkersStandWhereTheyRead_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::newRow("none") << 0 << 0 << 0;
        QTest::newRow("first line in") << 36 << -36 << 0;
        QTest::newRow("hanging") << 0 << 36 << 18;
        QTest::newRow("all three") << 18 << 27 << 45;
    }
    void rulerMarkersStandWhereTheyRead()
    {
        QFETCH(int, first);
        QFETCH(int, left);
        QFETCH(int, right);
        const ruler::Indents i{first, left, right};
        const int half = ruler::MarkerWidth / 2;
        QCOMPARE(ruler::firstIndentAt(ruler::firstMarkerLeft(i) + half), first);
        QCOMPARE(ruler::leftIndentAt(ruler::leftMarkerLeft(i) + half, first), left);
        QCOMPARE(ruler::rightIndentAt(700, ruler::rightMarkerLeft(700, i), ruler::MarkerWidth), right);
        QTextBlockFormat f;
        ruler::apply(i, f);
        QCOMPARE(ruler::of(f), i);
    }

    void rulerSetsTheIndentsOfTheCurrentParagraph()
    {
        TKeimenoFrm *f = open();
        QVERIFY(f);
        TRuler *r = f->findChild<TRuler *>("Ruler");
        QVERIFY(r);
        QCOMPARE(r->FirstInd->text(), QString("κ"));
        QCOMPARE(r->LeftInd->text(), QString("ι"));
        QCOMPARE(r->RightInd->text(), QString("ρ"));
        f->RichEdit1->setPlainText("πρώτη παράγραφος\nδεύτερη παράγραφος");
        QTextCursor c(f->RichEdit1->document()->findBlockByNumber(1));
        f->RichEdit1->setTextCursor(c);
        QCOMPARE(r->FirstInd->x(), ruler::firstMarkerLeft({}));

        drag(r->FirstInd, 48); // 36 points in
        QTextBlockFormat second = f->RichEdit1->document()->findBlockByNumber(1).blockFormat();
        QCOMPARE(ruler::of(second), (ruler::Indents{36, -36, 0})); // the other lines stay
        drag(r->LeftInd, 96); // the other lines 72 points in
        drag(r->RightInd, -24);
        second = f->RichEdit1->document()->findBlockByNumber(1).blockFormat();
        QCOMPARE(ruler::of(second), (ruler::Indents{36, 36, 18}));
        QCOMPARE(second.leftMargin(), 96.0);
        QCOMPARE(second.textIndent(), -48.0);
        QCOMPARE(second.rightMargin(), 24.0);
        const QTextBlockFormat firstPara = f->RichEdit1->document()->findBlockByNumber(0).blockFormat();
        QCOMPARE(ruler::of(firstPara), ruler::Indents{});

        // The caret in another paragraph moves the markers to its indents, and back.
        f->RichEdit1->setTextCursor(QTextCursor(f->RichEdit1->document()->findBlockByNumber(0)));
        QCOMPARE(r->LeftInd->x(), ruler::leftMarkerLeft({}));
        f->RichEdit1->setTextCursor(c);
        QCOMPARE(r->LeftInd->x(), ruler::leftMarkerLeft({36, 36, 18}));

        // Saved and loaded, the template keeps the indents.
        const QString path = p->home->path("indents.rtf");
        p->ui.saveFiles << path;
        f->BtnSave->click();
        f->RichEdit1->clear();
        p->ui.openFiles << path;
        f->BitBtn2->click();
        QCOMPARE(ruler::of(f->RichEdit1->document()->findBlockByNumber(1).blockFormat()),
                 (ruler::Indents{36, 36, 18}));
    }

    void savedAsRtfWhateverTheName()
    {
        TKeimenoFrm *f = open();
        QVERIFY(f);
        QTextCursor c(f->RichEdit1->document());
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        c.insertText("#,", bold);
        c.insertBlock();
        c.insertText("κείμενο", QTextCharFormat());
        const QString txt = p->home->path("letter.txt");
        p->ui.saveFiles << txt;
        f->save();
        QFile file(txt);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("{\\rtf1"));
        const QString noExtension = p->home->path("second");
        p->ui.saveFiles << noExtension;
        f->save();
        QVERIFY(QFile::exists(noExtension + ".rtf"));

        f->RichEdit1->setPlainText("άλλο");
        p->ui.openFiles << QString(); // cancelled: the text stays
        f->load();
        QCOMPARE(f->RichEdit1->toPlainText(), QString("άλλο"));
        p->ui.openFiles << txt;
        f->load();
        QCOMPARE(f->RichEdit1->toPlainText(), QString("#,\nκείμενο"));
        QCOMPARE(f->RichEdit1->document()->begin().begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
        QVERIFY(f->Label2->text().startsWith("Αρχείο : "));
    }

    void plainTextLoadsAsText()
    {
        TKeimenoFrm *f = open();
        QVERIFY(f);
        const QString path = p->home->path("plain.txt");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QString("Αγαπητέ #,\n{\\b όχι RTF}").toUtf8());
        file.close();
        p->ui.openFiles << path;
        f->load();
        QCOMPARE(f->RichEdit1->toPlainText(), QString("Αγαπητέ #,\n{\\b όχι RTF}"));
    }

    void settingsDialog()
    {
        TPrnSettingsDlg *d = TKeimenoFrm::settingsDialog();
        d->fill();
        QCOMPARE(d->Edit5->text(), QString("285"));
        QCOMPARE(d->Edit2->text(), QString("900"));
        const QString bmp = p->home->path("sign.bmp");
        QImage img(120, 45, QImage::Format_RGB32);
        img.fill(Qt::black);
        QVERIFY(img.save(bmp, "BMP"));
        p->ui.openFiles << bmp;
        d->BitBtn4->click(); // insert the signature
        QCOMPARE(d->Edit3->text(), QString("45"));
        QCOMPARE(d->Edit4->text(), QString("120"));
        d->Edit1->setText("12a");
        d->accept();
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QCOMPARE(p->ui.messages().size(), 1);
        d->Edit1->setText("300");
        d->accept();
        QCOMPARE(d->result(), int(QDialog::Accepted));
        const LetterPageSettings s = LetterPageSettings::load();
        QCOMPARE(s.left, QString("300"));
        QCOMPARE(s.image, bmp);
        QCOMPARE(s.page().signature, QRect(300, 900, 120, 45));
    }
};

QTEST_MAIN(TstKeimeno)
#include "tst_keimeno.moc"
