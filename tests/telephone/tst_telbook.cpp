// The directory as the office uses it: a letter from the finder, the numbers of the chosen
// citizen, namesakes, a letter without surnames, dialling from the directory and from the
// citizen screen, and the round trip to a citizen and back.
#include "citizens/CitizenScreens.h"
#include "citizens/UntEditPers.h"
#include "data/Store.h"
#include "platform/Dialler.h"
#include "platform/Registry.h"
#include "ProgramFixture.h"
#include "platform/Desktop.h"
#include "telephone/TelephoneScreens.h"
#include "telephone/UntAlphabet.h"
#include "telephone/UntDial.h"
#include "telephone/UntTelBook.h"
#include "widgets/Screens.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QPointer>
#include <QTest>
#include <QToolButton>

using namespace dorvani;
using test::Program;

namespace {
class RecordingDesktop : public Desktop {
public:
    QStringList urls;
    bool start(Program) override { return false; }
    bool openUrl(const QUrl &url) override
    {
        urls << url.toString(QUrl::FullyEncoded);
        return true;
    }
};
} // namespace

class TstTelBook : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> p;
    FakeDialler fake;

    int add(const QString &surname, const QString &name, const QString &home, const QString &mobile = QStringLiteral(""))
    {
        Store::instance().exec("INSERT INTO POLITES (EPITHETO, ONOMA, PATR, TELO_1, MOBILE1) VALUES (?,?,?,?,?)",
                               {surname, name, "ΓΕΩΡΓΙΟΣ", home, mobile});
        return Store::instance().scalar("SELECT MAX(AUTONUM) FROM POLITES").toInt();
    }
    TTelBookFrm *chooseLetter(const QString &letter)
    {
        Screens::run("TAlphabetDlg");
        TAlphabetDlg *finder = TelephoneScreens::finder();
        if (!finder)
            return nullptr;
        if (letter.at(0).unicode() < 128)
            finder->showGreek(false);
        QPushButton *b = finder->letterButton(letter);
        if (!b)
            return nullptr;
        b->click();
        return TelephoneScreens::directory();
    }

private slots:
    void init()
    {
        p = std::make_unique<Program>();
        QVERIFY(p->start());
        Dialler::setInstance(&fake);
        fake.calls.clear();
        Registry(Registry::General).writeString("Settings", "MODEM-COM", "3");
    }
    void cleanup()
    {
        Dialler::setInstance(nullptr);
        p.reset();
    }

    void aLetterShowsItsCitizensAndTheirNumbers()
    {
        const int a = add("ΚΑΠΑΣ", "ΝΙΚΟΣ", "111", "6911");
        const int b = add("ΚΑΠΑΣ", "ΝΙΚΟΣ", "222", "6922");
        add("KOSTAS", "JOHN", "333");
        TTelBookFrm *d = chooseLetter("Κ");
        QVERIFY(d);
        QCOMPARE(d->StringGrid1->rowCount(), 2);
        QCOMPARE(d->StringGrid1->horizontalHeaderItem(3)->text(), QString("ΤΗΛ.ΟΙΚΙΑΣ"));
        QCOMPARE(d->citizenOfRow(0), a);
        QCOMPARE(d->LblName->text(), QString("ΚΑΠΑΣ ΝΙΚΟΣ"));
        QCOMPARE(d->Values[0]->text(), QString("111"));
        // The namesake shows its own numbers.
        d->selectRow(1);
        QCOMPARE(d->citizenOfRow(1), b);
        QCOMPARE(d->Values[0]->text(), QString("222"));
        QCOMPARE(d->Values[10]->text(), QString("6922"));

        // The Latin letter finds only the Latin surname.
        d = chooseLetter("K");
        QVERIFY(d);
        QCOMPARE(d->StringGrid1->rowCount(), 1);
        QCOMPARE(d->StringGrid1->item(0, 0)->text(), QString("KOSTAS"));

        // A letter without surnames leaves nothing chosen.
        d = chooseLetter("Ω");
        QCOMPARE(d->StringGrid1->rowCount(), 1);
        QVERIFY(!d->StringGrid1->item(0, 0));
        QCOMPARE(d->LblName->text(), QString("Δεν έχετε επιλέξει πρόσωπο"));
        for (QLabel *l : d->Values)
            QVERIFY(l->text().isEmpty());
    }

    void theCallButtonsDialThroughTheDialog()
    {
        add("ΚΑΠΑΣ", "ΝΙΚΟΣ", " 2710 111 ", "   ");
        TTelBookFrm *d = chooseLetter("Κ");
        QVERIFY(d);
        QString shown;
        p->ui.onExec["DialDlg"] = [&](QDialog *dlg) {
            auto *dial = static_cast<TDialDlg *>(dlg);
            shown = dial->EdtTel->text();
            dial->BtnDial->click();
            return int(QDialog::Rejected);
        };
        d->Buttons[0]->click();
        QCOMPARE(shown, QString(" 2710 111 "));
        QCOMPARE(fake.calls, QStringList{" 2710 111 "});
        // Only blanks: no dialog, no call.
        shown.clear();
        d->Buttons[10]->click();
        QVERIFY(shown.isNull());
        QCOMPARE(fake.calls.size(), 1);
        // No modem port: the message, no call.
        Registry(Registry::General).deleteValue("Settings", "MODEM-COM");
        d->Buttons[0]->click();
        QCOMPARE(fake.calls.size(), 1);
        QVERIFY(p->ui.messages().last().contains("Δεν έχετε ορίσει σε ποια θύρα"));
    }

    void theMailAndWebButtonsOpenTheDesktopsHandlers_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("web");
        QTest::addColumn<QStringList>("opened"); // after the e-mail button, then the web button
        QTest::newRow("both") << "papa@mail.gr" << "WWW.PAPA.GR"
                              << QStringList{"mailto:papa@mail.gr?Subject=&Body=", "http://www.papa.gr"};
        QTest::newRow("encoded") << "a b&c@mail.gr" << "https://papa.gr/α"
                                 << QStringList{"mailto:a%20b&c@mail.gr?Subject=&Body=", "https://papa.gr/%CE%B1"};
        QTest::newRow("empty: an empty message, no web") << "" << "   " << QStringList{"mailto:?Subject=&Body="};
        QTest::newRow("not a web address") << "papa@mail.gr" << "file:///etc/passwd"
                                           << QStringList{"mailto:papa@mail.gr?Subject=&Body="};
    }
    void theMailAndWebButtonsOpenTheDesktopsHandlers()
    {
        QFETCH(QString, email);
        QFETCH(QString, web);
        QFETCH(QStringList, opened);
        RecordingDesktop desk;
        Desktop::setInstance(&desk);
        Store::instance().exec("INSERT INTO POLITES (EPITHETO, ONOMA, EMAIL, WEB) VALUES ('ΚΑΠΑΣ', 'ΝΙΚΟΣ', ?, ?)",
                               {email, web});
        TTelBookFrm *d = chooseLetter("Κ");
        QVERIFY(d);
        d->Buttons[TelDirectory::Email]->click();
        d->Buttons[TelDirectory::Web]->click();
        Desktop::setInstance(nullptr);
        QCOMPARE(desk.urls, opened);
        QVERIFY(fake.calls.isEmpty());
        QVERIFY(!d->Buttons[TelDirectory::Fax]);
    }

    void theFinderExistsFromTheStart()
    {
        // Created with the program and hidden; the menu shows it with the Greek letters.
        QPointer<TAlphabetDlg> finder = TelephoneScreens::finder();
        QVERIFY(finder);
        QVERIFY(!finder->isVisible());
        QCOMPARE(finder->windowTitle(), QString("Αναζητήστε με το αρχικό γράμμα"));
        p->main()->action("&ΤΗΛΕΦΩΝΙΚΟΣ ΚΑΤΑΛΟΓΟΣ")->trigger();
        QCOMPARE(TelephoneScreens::finder(), finder.data());
        QVERIFY(finder->isVisible());
        QVERIFY(finder->letterButton("Α") && finder->letterButton("Α")->isVisible());
        // Closed, it is gone; the menu creates it again.
        finder->close();
        QTRY_VERIFY(!finder);
        p->main()->action("&ΤΗΛΕΦΩΝΙΚΟΣ ΚΑΤΑΛΟΓΟΣ")->trigger();
        QVERIFY(TelephoneScreens::finder() && TelephoneScreens::finder()->isVisible());
    }

    void thePanelShowsItsPicture()
    {
        add("ΚΑΠΑΣ", "ΝΙΚΟΣ", "111");
        TTelBookFrm *d = chooseLetter("Κ");
        QVERIFY(d);
        QVERIFY(!d->Image1->pixmap().isNull());
        QVERIFY(d->Panel1->isAncestorOf(d->Image1));
        // The picture stands between the title and the name line.
        QVERIFY(d->Image1->geometry().bottom() <= d->LblName->geometry().top());
    }

    void closingTheDirectoryClosesTheFinder()
    {
        add("ΚΑΠΑΣ", "ΝΙΚΟΣ", "111");
        TTelBookFrm *d = chooseLetter("Κ");
        QVERIFY(d && TelephoneScreens::finder());
        d->BtnReturn->click();
        QTRY_VERIFY(!TelephoneScreens::directory());
        QTRY_VERIFY(!TelephoneScreens::finder());
    }

    void aCitizenOpensAndTheDirectoryComesBack()
    {
        add("ΚΑΠΑΣ", "ΑΝΝΑ", "111");
        const int b = add("ΚΑΠΑΣ", "ΝΙΚΟΣ", "222", "6922");
        TTelBookFrm *d = chooseLetter("Κ");
        QVERIFY(d);
        d->openRow(1);
        TEditPersFrm *e = nullptr;
        for (QWidget *w : p->main()->openChildren())
            if (auto *x = qobject_cast<TEditPersFrm *>(w))
                e = x;
        QVERIFY(e);
        QCOMPARE(e->findChild<QLineEdit *>("EdtTELO1")->text(), QString("222"));
        // The citizen screen's call buttons dial too.
        p->ui.onExec["DialDlg"] = [](QDialog *dlg) {
            static_cast<TDialDlg *>(dlg)->BtnDial->click();
            return int(QDialog::Rejected);
        };
        QToolButton *mobile = e->findChild<QToolButton *>("SpeedButton12");
        QVERIFY(mobile && mobile->isEnabled());
        mobile->click();
        QCOMPARE(fake.calls, QStringList{"6922"});
        e->CancelBtn->click();
        QTRY_VERIFY(d->isVisible());
        QCOMPARE(d->citizenOfRow(d->StringGrid1->currentRow()), b);
        QCOMPARE(d->Values[0]->text(), QString("222"));
    }
};

QTEST_MAIN(TstTelBook)
#include "tst_telbook.moc"
