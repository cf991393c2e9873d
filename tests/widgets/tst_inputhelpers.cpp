// Input helpers: the quote list, Greek capitals of typed letters, Enter and Esc between
// controls, digit fields, caps lock and the keyboard layout identifiers, and the Latin
// typing of the file dialogs.
#include "widgets/InputHelpers.h"
#include "widgets/Ui.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTimer>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

using namespace dorvani;

namespace {
class FakeKeyboard : public KeyboardBackend {
public:
    int entry = 0;
    QStringList layouts;
    int capsEntry() override { return entry; }
    void setCapsEntry(int v) override { entry = v; }
    void activateLayout(const QString &id) override { layouts << id; }
};
} // namespace

class TstInputHelpers : public QObject {
    Q_OBJECT

private slots:
    void quoteList_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("one name") << "ΓΙΑΝΝΗΣ" << "'ΓΙΑΝΝΗΣ'";
        QTest::newRow("two names") << "ΓΙΑΝΝΗΣ,ΙΩΑΝΝΗΣ" << "'ΓΙΑΝΝΗΣ','ΙΩΑΝΝΗΣ'";
        QTest::newRow("blank kept") << "ΓΙΑΝΝΗΣ, ΙΩΑΝΝΗΣ" << "'ΓΙΑΝΝΗΣ',' ΙΩΑΝΝΗΣ'";
        QTest::newRow("apostrophe") << "Ο'ΝΗΛ" << "'Ο''ΝΗΛ'";
        QTest::newRow("apostrophe in a list") << "Α,Ο'ΝΗΛ" << "'Α','Ο''ΝΗΛ'";
        QTest::newRow("empty") << "" << "''";
        QTest::newRow("trailing comma") << "ΓΙΑΝΝΗΣ," << "'ΓΙΑΝΝΗΣ'";
        QTest::newRow("empty item inside") << "Α,,Β" << "'Α','','Β'";
        QTest::newRow("only a comma") << "," << "''";
    }
    void quoteList()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(dorvani::quoteList(in), out);
    }

    void typedSmallGreekBecomesCapital_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("small letters") << "παπαδοπουλος" << "ΠΑΠΑΔΟΠΟΥΛΟΣ";
        QTest::newRow("final sigma") << "ς" << "Σ";
        QTest::newRow("capitals stay") << "ΝΙΚΟΣ" << "ΝΙΚΟΣ";
        QTest::newRow("accents dropped, diaeresis kept") << "άέΐϋ" << "ΑΕΪΫ";
        QTest::newRow("latin stays") << "info@x.gr" << "info@x.gr";
        QTest::newRow("mixed") << "οδός 3" << "ΟΔΟΣ 3";
    }
    void typedSmallGreekBecomesCapital()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLineEdit e;
        installGreekCapitals(&e);
        e.show();
        test::typeText(&e, typed);
        QCOMPARE(e.text(), shown);
    }

    void enterAndEscMoveBetweenControls()
    {
        QWidget w;
        auto *l = new QVBoxLayout(&w);
        QLineEdit *a = new QLineEdit(&w), *b = new QLineEdit(&w), *c = new QLineEdit(&w);
        l->addWidget(a);
        l->addWidget(b);
        l->addWidget(c);
        for (QLineEdit *e : {a, b, c})
            installEntryKeys(e);
        w.show();
        QApplication::setActiveWindow(&w);
        a->setFocus();
        QTRY_VERIFY(a->hasFocus());
        QTest::keyClick(a, Qt::Key_Return);
        QVERIFY(b->hasFocus());
        QTest::keyClick(b, Qt::Key_Enter);
        QVERIFY(c->hasFocus());
        QTest::keyClick(c, Qt::Key_Escape);
        QVERIFY(b->hasFocus());
        QCOMPARE(a->text() + b->text() + c->text(), QString());
    }

    void digitFieldsTakeOnlyDigits()
    {
        QLineEdit e;
        setDigitsOnly(&e);
        e.show();
        test::typeText(&e, "12α3-4 5");
        QCOMPARE(e.text(), QString("12345"));
        QTest::keyClick(&e, Qt::Key_Backspace);
        QCOMPARE(e.text(), QString("1234"));
    }

    void capsLock_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("after");
        QTest::newRow("off, set on") << 0 << true << 1;
        QTest::newRow("off, set off") << 0 << false << 0;
        QTest::newRow("on, set on") << 1 << true << 1;
        QTest::newRow("on, set off") << 1 << false << 0;
        QTest::newRow("key held, set off") << 0x81 << false << 0x81;
        QTest::newRow("key held, set on") << 0x80 << true << 0x80;
    }
    void capsLock()
    {
        QFETCH(int, before);
        QFETCH(bool, on);
        QFETCH(int, after);
        FakeKeyboard k;
        k.entry = before;
        Keyboard::setBackend(&k);
        Keyboard::setCapsLock(on);
        Keyboard::setBackend(nullptr);
        QCOMPARE(k.entry, after);
    }

    void layouts()
    {
        QCOMPARE(Keyboard::layoutId(1032), QString("00000408"));
        QCOMPARE(Keyboard::layoutId(1033), QString("00000409"));
        FakeKeyboard k;
        Keyboard::setBackend(&k);
        Keyboard::switchToGreek();
        Keyboard::switchToUs();
        Keyboard::setBackend(nullptr);
        QCOMPARE(k.layouts, (QStringList{"00000408", "00000409"}));
        // Without X11 (offscreen) the platform's keyboard does nothing and does not fail.
        Keyboard::switchToGreek();
        Keyboard::setCapsLock(true);
    }

    // File, folder, font and print dialogs are typed in Latin letters with caps lock off,
    // and the data-entry state comes back afterwards.
    void dialogsTypeLatin_data()
    {
        QTest::addColumn<int>("capsBefore");
        QTest::addColumn<QStringList>("layoutsAfter");
        QTest::newRow("from a data-entry screen") << 1 << QStringList{"00000409", "00000408"};
        QTest::newRow("caps lock off") << 0 << QStringList{"00000409"};
    }
    void dialogsTypeLatin()
    {
        QFETCH(int, capsBefore);
        QFETCH(QStringList, layoutsAfter);
        for (int which = 0; which < 3; ++which) {
            FakeKeyboard k;
            k.entry = capsBefore;
            Keyboard::setBackend(&k);
            int capsInside = -1;
            QStringList layoutsInside;
            QTimer::singleShot(0, [&] {
                QDialog *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                capsInside = k.entry;
                layoutsInside = k.layouts;
                if (d)
                    d->reject();
            });
            QtUi real;
            if (which == 0)
                real.saveFile("Αποθήκευση ως PDF", QDir::tempPath(), "Αρχεία PDF (*.pdf)");
            else if (which == 1)
                real.openFile("Άνοιγμα", QDir::tempPath(), "*");
            else
                real.chooseFolder("Φάκελος", QDir::tempPath());
            Keyboard::setBackend(nullptr);
            QCOMPARE(capsInside, 0);
            QCOMPARE(layoutsInside, QStringList{"00000409"});
            QCOMPARE(k.entry, capsBefore);
            QCOMPARE(k.layouts, layoutsAfter);
        }
    }
};

QTEST_MAIN(TstInputHelpers)
#include "tst_inputhelpers.moc"
