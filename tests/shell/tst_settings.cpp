// The settings, the office owner and the information box, driven through their widgets
// in the running program.
#include "widgets/DbControls.h"
#include "ProgramFixture.h"
#include "platform/Dialler.h"
#include "platform/ModemDialler.h"
#include "platform/Registry.h"
#include "widgets/Screens.h"
#include "data/Store.h"
#include "shell/UntKatoxos.h"
#include "shell/UntRythmiseis.h"
#include "platform/VerInfo.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

using namespace dorvani;
using test::Program;

namespace {

// What the settings dialog shows when it opens.
struct Shown {
    int type = -2;
    QString nomos, no, synypops;
    int line = -2, port = -2;
    QStringList organisations;
    QString caption;
};

Shown look(TRythmiseisDlg *d)
{
    Shown s;
    s.caption = d->windowTitle();
    s.type = d->ComboBox1->currentIndex();
    s.nomos = d->DBLookupComboBox1->text();
    s.no = d->DBLookupComboBox3->text();
    s.synypops = d->DBLookupComboBox2->text();
    s.line = d->RadioGroup2->itemIndex();
    s.port = d->RadioGroup1->itemIndex();
    for (int i = 0; i < d->DBLookupComboBox3->count(); ++i)
        s.organisations << d->DBLookupComboBox3->itemText(i);
    return s;
}

void addLists()
{
    Store &s = Store::instance();
    s.exec("INSERT INTO NOMOI (NOMOS) VALUES ('ΑΧΑΪΑΣ')");  // 1
    s.exec("INSERT INTO NOMOI (NOMOS) VALUES ('ΗΛΕΙΑΣ')");  // 2
    s.exec("INSERT INTO \"NO\" (NOMOS, N_O) VALUES (1, 'Ν.Ο. ΑΧΑΪΑΣ')");
    s.exec("INSERT INTO \"NO\" (NOMOS, N_O) VALUES (1, 'Ν.Ο. ΠΑΤΡΩΝ')");
    s.exec("INSERT INTO \"NO\" (NOMOS, N_O) VALUES (2, 'Ν.Ο. ΗΛΕΙΑΣ')");
    s.exec("INSERT INTO Synypops (Synypops, Votes) VALUES ('ΑΝΤΩΝΙΟΥ ΜΑΡΙΑ', 0)");
    s.exec("INSERT INTO Synypops (Synypops, Votes) VALUES ('ΒΑΣΙΛΕΙΟΥ ΠΕΤΡΟΣ', 0)");
}

} // namespace

class TstSettings : public QObject {
    Q_OBJECT

private slots:
    void firstStart()
    {
        Program p;
        QVERIFY(p.start());
        addLists();
        Shown s;
        QString lineCaption, portCaption, tip;
        int types = 0;
        bool editable = true;
        p.ui.onExec["RythmiseisDlg"] = [&](QDialog *d) {
            auto *r = static_cast<TRythmiseisDlg *>(d);
            s = look(r);
            lineCaption = r->RadioGroup2->button(0)->text();
            portCaption = r->RadioGroup1->button(2)->text();
            types = r->ComboBox1->count();
            editable = r->ComboBox1->isEditable();
            tip = r->BtnDel->toolTip();
            test::click(d, "CancelBtn");
            return d->result();
        };
        p.ui.clearLog();
        p.main()->action("ΡΥΘΜΙΣΕΙΣ")->trigger();
        QCOMPARE(p.ui.dialogs(), QStringList{"RythmiseisDlg"});
        QCOMPARE(s.caption, QString("ΡΥΘΜΙΣΕΙΣ"));
        QCOMPARE(types, 7);
        QVERIFY(!editable);
        QCOMPARE(tip, QString("ΚΑΘΑΡΙΣΜΟΣ ΟΛΩΝ"));
        QCOMPARE(s.type, -1);
        QCOMPARE(s.nomos, QString());
        QCOMPARE(s.no, QString());
        QCOMPARE(s.synypops, QString());
        QCOMPARE(s.line, 0);
        QCOMPARE(lineCaption, QString("Απλή "));
        QCOMPARE(s.port, 2);
        QCOMPARE(portCaption, QString("COM3"));
        QCOMPARE(s.organisations.size(), 3); // no prefecture: no restriction
        QVERIFY(p.dm().TblNomoi->active() && p.dm().TblNO->active() && p.dm().TblSynypops->active());
    }

    void saveChoicesThenClearAndSave()
    {
        Program p;
        QVERIFY(p.start());
        addLists();
        bool chosen = false, stayedOpen = false;
        p.ui.onExecOnce["RythmiseisDlg"] << [&](QDialog *d) {
            auto *r = static_cast<TRythmiseisDlg *>(d);
            r->ComboBox1->setCurrentIndex(4);
            chosen = r->DBLookupComboBox1->selectText("ΗΛΕΙΑΣ") && r->DBLookupComboBox3->selectText("Ν.Ο. ΗΛΕΙΑΣ")
                  && r->DBLookupComboBox2->selectText("ΒΑΣΙΛΕΙΟΥ ΠΕΤΡΟΣ");
            r->RadioGroup1->button(0)->click();
            r->RadioGroup2->button(1)->click();
            test::click(d, "BitBtn1");
            stayedOpen = d->isVisible(); // the dialog stays open after saving
            test::click(d, "CancelBtn");
            return d->result();
        };
        Screens::run("TRythmiseisDlg");
        QVERIFY(chosen);
        QVERIFY(stayedOpen);
        QCOMPARE(p.ui.messages(), QStringList{"Η αποθήκευση ολοκληρώθηκε"});
        {
            Registry r(Registry::General);
            QCOMPARE(r.readString("Settings", "Dorvani"), QString("ΕΣΩΚΟΜΜΑΤΙΚΕΣ"));
            QCOMPARE(r.readString("Settings", "Nomos"), QString("ΗΛΕΙΑΣ"));
            QCOMPARE(r.readString("Settings", "NO"), QString("Ν.Ο. ΗΛΕΙΑΣ"));
            QCOMPARE(r.readString("Settings", "Synypops"), QString("ΒΑΣΙΛΕΙΟΥ ΠΕΤΡΟΣ"));
            QCOMPARE(r.readString("Settings", "Teleph"), QString("1"));
            QCOMPARE(r.readString("Settings", "MODEM-COM"), QString("1"));
        }

        // Shown again: the saved choices; clearing deselects all, saving stores "none".
        Shown again, cleared;
        p.ui.onExecOnce["RythmiseisDlg"] << [&](QDialog *d) {
            auto *r = static_cast<TRythmiseisDlg *>(d);
            again = look(r);
            test::click(d, "BtnDel");
            cleared = look(r);
            test::click(d, "BitBtn1");
            test::click(d, "CancelBtn");
            return d->result();
        };
        Screens::run("TRythmiseisDlg");
        QCOMPARE(again.type, 4);
        QCOMPARE(again.nomos, QString("ΗΛΕΙΑΣ"));
        QCOMPARE(again.no, QString("Ν.Ο. ΗΛΕΙΑΣ"));
        QCOMPARE(again.synypops, QString("ΒΑΣΙΛΕΙΟΥ ΠΕΤΡΟΣ"));
        QCOMPARE(again.line, 1);
        QCOMPARE(again.port, 0);
        QCOMPARE(cleared.type, -1);
        QCOMPARE(cleared.nomos + cleared.no + cleared.synypops, QString());
        QCOMPARE(cleared.line, -1);
        QCOMPARE(cleared.port, -1);
        {
            Registry r(Registry::General);
            for (const char *name : {"Dorvani", "Nomos", "NO", "Synypops"}) {
                QVERIFY(r.valueExists("Settings", name));
                QCOMPARE(r.readString("Settings", name, "absent"), QString());
            }
            QCOMPARE(r.readString("Settings", "Teleph"), QString("-1"));
            QCOMPARE(r.readString("Settings", "MODEM-COM"), QString("0"));
        }
        Shown third;
        p.ui.onExecOnce["RythmiseisDlg"] << [&](QDialog *d) {
            third = look(static_cast<TRythmiseisDlg *>(d));
            return int(QDialog::Rejected);
        };
        Screens::run("TRythmiseisDlg");
        QCOMPARE(third.line, -1);
        QCOMPARE(third.port, -1);
        QCOMPARE(third.type, -1);
    }

    void savedPrefectureRestrictsTheOrganisations()
    {
        Program p;
        QVERIFY(p.start());
        addLists();
        Registry(Registry::General).writeString("Settings", "Nomos", "ΑΧΑΪΑΣ");
        Registry(Registry::General).writeString("Settings", "NO", "Ν.Ο. ΠΑΤΡΩΝ");
        Shown s, afterOther;
        p.ui.onExec["RythmiseisDlg"] = [&](QDialog *d) {
            auto *r = static_cast<TRythmiseisDlg *>(d);
            s = look(r);
            // Choosing another prefecture here leaves the organisations as they are.
            r->DBLookupComboBox1->selectText("ΗΛΕΙΑΣ");
            afterOther = look(r);
            return int(QDialog::Rejected);
        };
        Screens::run("TRythmiseisDlg");
        QCOMPARE(s.nomos, QString("ΑΧΑΪΑΣ"));
        QCOMPARE(s.organisations, (QStringList{"Ν.Ο. ΑΧΑΪΑΣ", "Ν.Ο. ΠΑΤΡΩΝ"}));
        QCOMPARE(s.no, QString("Ν.Ο. ΠΑΤΡΩΝ"));
        QCOMPARE(afterOther.organisations, s.organisations);
        // Closed, the shared organisation list is whole again.
        QVERIFY(!p.dm().TblNO->filtered());
        QCOMPARE(p.dm().TblNO->recordCount(), 3);

        // An organisation of another prefecture is not shown as the default.
        Registry(Registry::General).writeString("Settings", "NO", "Ν.Ο. ΗΛΕΙΑΣ");
        Screens::run("TRythmiseisDlg");
        QCOMPARE(s.no, QString());
    }

    void unusableStoredValuesReadAsNone_data()
    {
        QTest::addColumn<QString>("teleph");
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("portIndex");
        QTest::newRow("port not a number") << "0" << "COM2" << 0 << -1;
        QTest::newRow("port out of range") << "1" << "7" << 1 << -1;
        QTest::newRow("port none") << "0" << "0" << 0 << -1;
        QTest::newRow("port empty") << "0" << "" << 0 << -1;
        QTest::newRow("line not a number") << "ISDN" << "4" << -1 << 3;
        QTest::newRow("line out of range") << "5" << " 2 " << -1 << 1;
        QTest::newRow("line none") << "-1" << "3" << -1 << 2;
    }
    void unusableStoredValuesReadAsNone()
    {
        QFETCH(QString, teleph);
        QFETCH(QString, port);
        QFETCH(int, line);
        QFETCH(int, portIndex);
        Program p;
        QVERIFY(p.start());
        Registry(Registry::General).writeString("Settings", "Teleph", teleph);
        Registry(Registry::General).writeString("Settings", "MODEM-COM", port);
        Registry(Registry::General).writeString("Settings", "Dorvani", "ΑΓΝΩΣΤΕΣ");
        Shown s;
        p.ui.onExec["RythmiseisDlg"] = [&](QDialog *d) {
            s = look(static_cast<TRythmiseisDlg *>(d));
            return int(QDialog::Rejected);
        };
        Screens::run("TRythmiseisDlg");
        QVERIFY(p.ui.messages().isEmpty()); // it opened, no error
        QCOMPARE(s.line, line);
        QCOMPARE(s.port, portIndex);
        QCOMPARE(s.type, -1);
    }

    void callsArePlacedOnTheChosenTelephone_data()
    {
        QTest::addColumn<QString>("stored"); // "-" for absent
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("choose"); // -1: cleared
        QTest::addColumn<QString>("saved");
        QTest::addColumn<bool>("modem");
        QTest::newRow("never saved, the modem chosen") << "-" << 0 << 1 << "MODEM" << true;
        QTest::newRow("modem, the desktop chosen") << "MODEM" << 1 << 0 << "TEL" << false;
        QTest::newRow("modem in small letters, cleared") << "modem" << 1 << -1 << "" << false;
        QTest::newRow("unknown value, the modem chosen") << "ΑΛΛΟ" << 0 << 1 << "MODEM" << true;
    }
    void callsArePlacedOnTheChosenTelephone()
    {
        QFETCH(QString, stored);
        QFETCH(int, shown);
        QFETCH(int, choose);
        QFETCH(QString, saved);
        QFETCH(bool, modem);
        Program p;
        QVERIFY(p.start());
        if (stored != "-")
            Registry(Registry::General).writeString("Settings", "DIALLER", stored);
        int seen = -2;
        QString caption;
        p.ui.onExec["RythmiseisDlg"] = [&](QDialog *d) {
            auto *r = static_cast<TRythmiseisDlg *>(d);
            seen = r->RadioGroup3->itemIndex();
            caption = r->RadioGroup3->button(0)->text();
            if (choose < 0)
                test::click(d, "BtnDel");
            else
                r->RadioGroup3->button(choose)->click();
            test::click(d, "BitBtn1");
            return int(QDialog::Accepted);
        };
        Screens::run("TRythmiseisDlg");
        QCOMPARE(seen, shown);
        QCOMPARE(caption, QString("Εφαρμογής τηλεφωνίας του υπολογιστή (tel:)"));
        QCOMPARE(Registry(Registry::General).readString("Settings", "DIALLER", "absent"), saved);
        QCOMPARE(Dialler::modemChosen(), modem);
        QCOMPARE(dynamic_cast<ModemDialler *>(&Dialler::instance()) != nullptr, modem);
        QCOMPARE(dynamic_cast<DesktopDialler *>(&Dialler::instance()) != nullptr, !modem);
    }

    void owner()
    {
        Program p;
        QVERIFY(p.start());
        QStringList first;
        QString caption;
        bool focusable = false, movedNext = false, movedBack = false;
        QColor background;
        p.ui.onExecOnce["KatoxosDlg"] << [&](QDialog *d) {
            auto *k = static_cast<TKatoxosDlg *>(d);
            caption = d->windowTitle();
            background = d->palette().color(QPalette::Window);
            first = {k->Edit1->text(), k->Edit2->text(), k->Edit3->text()};
            k->Edit1->clear();
            test::typeText(k->Edit1, "ΓΡΑΦΕΙΟ ΒΟΥΛΕΥΤΗ");
            // Enter moves to the next field and Esc to the one before; neither closes the box.
            QApplication::setActiveWindow(d);
            k->Edit1->setFocus();
            focusable = QTest::qWaitFor([&] { return k->Edit1->hasFocus(); }, 2000);
            QTest::keyClick(k->Edit1, Qt::Key_Return);
            movedNext = k->Edit2->hasFocus();
            QTest::keyClick(k->Edit2, Qt::Key_Escape);
            movedBack = k->Edit1->hasFocus() && d->isVisible();
            k->Edit2->setText("ΟΔΟΣ 1");
            k->Edit3->setText("");
            test::click(d, "BitBtn2"); // exit: nothing written
            return d->result();
        };
        p.main()->action("ΟΡΙΣΜΟΣ ΧΡΗΣΤΗ")->trigger();
        QCOMPARE(caption, QString("ΟΡΙΣΜΟΣ ΧΡΗΣΤΗ"));
        QVERIFY(focusable);
        QVERIFY(movedNext);
        QVERIFY(movedBack);
        QCOMPARE(background, QColor(215, 207, 179));
        QCOMPARE(first, (QStringList{TKatoxosDlg::sampleTitle(), TKatoxosDlg::sampleAddress(),
                                     TKatoxosDlg::sampleMisc()}));
        QVERIFY(!Registry(Registry::Info).valueExists("Options", "Title"));

        int result = -1;
        p.ui.onExecOnce["KatoxosDlg"] << [&](QDialog *d) {
            auto *k = static_cast<TKatoxosDlg *>(d);
            k->Edit1->setText("ΓΡΑΦΕΙΟ ΒΟΥΛΕΥΤΗ");
            k->Edit2->setText("ΟΔΟΣ 1");
            k->Edit3->setText("");
            test::click(d, "BitBtn1");
            result = d->result();
            return result;
        };
        Screens::run("TKatoxosDlg");
        QCOMPARE(result, int(QDialog::Accepted));
        Registry r(Registry::Info);
        QCOMPARE(r.readString("Options", "Title"), QString("ΓΡΑΦΕΙΟ ΒΟΥΛΕΥΤΗ"));
        QCOMPARE(r.readString("Options", "Address"), QString("ΟΔΟΣ 1"));
        QVERIFY(r.valueExists("Options", "Misc"));
        QCOMPARE(r.readString("Options", "Misc", "x"), QString());

        QStringList shownAgain;
        p.ui.onExecOnce["KatoxosDlg"] << [&](QDialog *d) {
            auto *k = static_cast<TKatoxosDlg *>(d);
            shownAgain = {k->Edit1->text(), k->Edit2->text(), k->Edit3->text()};
            return int(QDialog::Rejected);
        };
        Screens::run("TKatoxosDlg");
        QCOMPARE(shownAgain, (QStringList{"ΓΡΑΦΕΙΟ ΒΟΥΛΕΥΤΗ", "ΟΔΟΣ 1", ""}));
    }

    void about()
    {
        Program p;
        QVERIFY(p.start());
        QString caption, version, name, okText;
        p.ui.onExec["AboutDlg"] = [&](QDialog *d) {
            caption = d->windowTitle();
            version = d->findChild<QLabel *>("Version")->text();
            name = d->findChild<QLabel *>("ProductName")->text();
            okText = d->findChild<QPushButton *>("OKButton")->text();
            test::click(d, "OKButton");
            return d->result();
        };
        p.main()->action("ΓΕΝΙΚΑ")->trigger();
        QCOMPARE(caption, QString("Γενικά για το πρόγραμμα"));
        QCOMPARE(name, QString("DORVANI"));
        QCOMPARE(okText, QString("&OK"));
        QVERIFY2(QRegularExpression("^Έκδοση : \\d+\\.\\d+\\.\\d+\\.\\d+$").match(version).hasMatch(),
                 qPrintable(version));
        QCOMPARE(version, "Έκδοση : " + TVerInfoRes::versionText());
        for (const QString &flag : TVerInfoRes().flags())
            QVERIFY(QStringList({"Pre-release", "Private build", "Special build", "Debug"}).contains(flag));
    }
};

QTEST_MAIN(TstSettings)
#include "tst_settings.moc"
