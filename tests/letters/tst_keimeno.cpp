// The template editor: a template saved under any name is RTF and loads back with its
// formatting, a plain text file loads as text, a cancelled load keeps the text, and the
// settings dialog takes a bitmap's size and refuses fields that are not whole numbers.
#include "letters/LetterPage.h"
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
