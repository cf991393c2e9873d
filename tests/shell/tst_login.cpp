// Entry keys: the login with each key and the access it gives, the case of keys, the
// empty key of a fresh install, the administrator code and the key management.
#include "shell/EntryKeys.h"
#include "ProgramFixture.h"
#include "data/Store.h"
#include "shell/UntEdtPassword.h"
#include "shell/UntExtraPassword.h"
#include "shell/UntLogin.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace dorvani;
using test::Program;

class TstLogin : public QObject {
    Q_OBJECT

    static void setKeys(const QVariant &ordinary, const QVariant &special)
    {
        Store &s = Store::instance();
        s.exec("DELETE FROM PASSWORDS", {}, Store::Pass);
        if (!ordinary.isNull())
            s.exec("INSERT INTO PASSWORDS (IsForAll, Password) VALUES (0, ?)", {ordinary}, Store::Pass);
        if (!special.isNull())
            s.exec("INSERT INTO PASSWORDS (IsForAll, Password) VALUES (1, ?)", {special}, Store::Pass);
    }
    static QString key(int isForAll)
    {
        return Store::instance()
            .scalar("SELECT Password FROM PASSWORDS WHERE IsForAll = ?", {isForAll}, Store::Pass)
            .toString();
    }
    static int keyRows()
    {
        return Store::instance().scalar("SELECT COUNT(*) FROM PASSWORDS", {}, Store::Pass).toInt();
    }

private slots:
    void loginWithEachKey_data()
    {
        QTest::addColumn<QVariant>("ordinary");
        QTest::addColumn<QVariant>("special");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("full");
        const QVariant none;
        QTest::newRow("fresh install, empty key") << none << none << "" << true << false;
        QTest::newRow("fresh install, blanks") << none << none << "   " << true << false;
        QTest::newRow("fresh install, a key") << none << none << "abc" << false << false;
        QTest::newRow("ordinary key") << QVariant("user1") << QVariant("ADMIN9") << "user1" << true << false;
        QTest::newRow("special key") << QVariant("user1") << QVariant("ADMIN9") << "ADMIN9" << true << true;
        QTest::newRow("case matters") << QVariant("user1") << QVariant("ADMIN9") << "admin9" << false << false;
        QTest::newRow("empty key once set") << QVariant("user1") << QVariant("ADMIN9") << "" << false << false;
        QTest::newRow("blank key once set") << QVariant("user1") << QVariant("ADMIN9") << "  " << false << false;
        QTest::newRow("empty key, blank special") << QVariant("user1") << QVariant("") << "" << false << false;
        QTest::newRow("ordinary blank") << QVariant("  ") << QVariant("ADMIN9") << "" << true << false;
        QTest::newRow("only special set") << none << QVariant("ADMIN9") << "" << true << false;
        QTest::newRow("greek key") << QVariant("ΚΛΕΙΔΙ") << none << "ΚΛΕΙΔΙ" << true << false;
        QTest::newRow("quote in key") << QVariant("a'b") << none << "a'b" << true << false;
        QTest::newRow("injection attempt") << QVariant("user1") << none << "' OR '1'='1" << false << false;
    }
    void loginWithEachKey()
    {
        QFETCH(QVariant, ordinary);
        QFETCH(QVariant, special);
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        QFETCH(bool, full);
        test::TestHome home;
        {
            Store s;
            s.open(home.path("Db"));
            setKeys(ordinary, special);
        }
        Program p(&home);
        p.ui.onExec["frmLogin"] = [&](QDialog *d) {
            d->findChild<QLineEdit *>("Password1")->setText(typed);
            test::click(d, "OKBtn");
            if (d->isVisible()) // refused: the dialog stays open; give up
                test::click(d, "BBtnCancel");
            return d->result();
        };
        QVERIFY(p.start());
        QCOMPARE(p.main()->loggedIn(), ok);
        QCOMPARE(Access::full(), full);
        QCOMPARE(p.ui.messages().contains("Λάθος Κωδικός!"), !ok);
        if (!ok)
            QTRY_VERIFY(!p.main()->isVisible()); // the cancel that followed ends the program
        // Without full access the special search is refused.
        QCOMPARE(Access::require(), full);
        QCOMPARE(p.ui.messages().contains("Η πρόσβαση δεν επιτρέπεται!"), !full);
    }

    void wrongKeyThenRightKey()
    {
        test::TestHome home;
        {
            Store s;
            s.open(home.path("Db"));
            setKeys("user1", QVariant());
        }
        Program p(&home);
        p.ui.onExec["frmLogin"] = [&](QDialog *d) {
            auto *field = d->findChild<QLineEdit *>("Password1");
            for (const char *k : {"wrong", "USER1", "user1"}) {
                field->setText(k);
                test::click(d, "OKBtn");
            }
            return d->result();
        };
        QVERIFY(p.start());
        QVERIFY(p.main()->loggedIn());
        QCOMPARE(p.ui.messages(), (QStringList{"Λάθος Κωδικός!", "Λάθος Κωδικός!"}));
    }

    void administratorCode_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::newRow("as it is") << "KESTRAN47" << true;
        QTest::newRow("small letters") << "kestran47" << true;
        QTest::newRow("blanks around") << "  kEsTrAn47  " << true;
        QTest::newRow("short") << "KESTRAN4" << false;
        QTest::newRow("greek kappa") << QString::fromUtf8("ΚESTRAN47") << false;
        QTest::newRow("blank inside") << "KESTRAN 47" << false;
    }
    void administratorCode()
    {
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        QCOMPARE(keys::isAdminCode(typed), ok);
    }

    void keyManagement()
    {
        Program p;
        QVERIFY(p.start());
        TfrmExtraPassword *code = p.main()->extraPasswordDlg();
        TEdtPasswordDlg *dlg = p.main()->edtPasswordDlg();
        auto typeCode = [](const QString &c) {
            return [c](QDialog *d) {
                d->findChild<QLineEdit *>("Password2")->setText(c);
                test::click(d, "OKBtn");
                return d->result();
            };
        };
        QString oldShown;
        bool specialShown = true;
        auto change = [&](bool special, const QString &oldKey, const QString &newKey) {
            return [&, special, oldKey, newKey](QDialog *d) {
                auto *k = static_cast<TEdtPasswordDlg *>(d);
                specialShown = k->ChkIsForAll->isChecked();
                k->ChkIsForAll->setChecked(special);
                oldShown = k->Password1->text();
                if (oldKey != "*")
                    k->Password1->setText(oldKey);
                k->Password2->setText(newKey);
                k->OKBtn->click();
                if (k->isVisible())
                    k->BBtnCancel->click();
                return k->result();
            };
        };

        // A wrong administrator code closes silently.
        p.ui.clearLog();
        p.ui.onExecOnce["frmExtraPassword"] << typeCode("KESTRAN");
        p.main()->action("ΔΙΑΧΕΙΡΙΣΗ ΚΩΔΙΚΩΝ")->trigger();
        QCOMPARE(p.ui.dialogs(), QStringList{"frmExtraPassword"});
        QVERIFY(p.ui.messages().isEmpty());

        // On a fresh store the ordinary key's row is created.
        p.ui.clearLog();
        p.ui.onExecOnce["frmExtraPassword"] << typeCode(" kestran47 ");
        p.ui.onExecOnce["EdtPasswordDlg"] << change(false, "*", "nea1");
        p.main()->action("ΔΙΑΧΕΙΡΙΣΗ ΚΩΔΙΚΩΝ")->trigger();
        QCOMPARE(p.ui.dialogs(), (QStringList{"frmExtraPassword", "EdtPasswordDlg"}));
        QVERIFY(!specialShown);
        QCOMPARE(oldShown, QString());
        QCOMPARE(p.ui.messages(), QStringList{"Η αποθήκευση ολοκληρώθηκε."});
        QCOMPARE(key(0), QString("nea1"));
        QCOMPARE(keyRows(), 1);

        // The special user's key, created the same way; the ordinary key stays.
        p.ui.clearLog();
        p.ui.onExecOnce["frmExtraPassword"] << typeCode("KESTRAN47");
        p.ui.onExecOnce["EdtPasswordDlg"] << change(true, "*", "SP2");
        p.main()->action("ΔΙΑΧΕΙΡΙΣΗ ΚΩΔΙΚΩΝ")->trigger();
        QCOMPARE(key(1), QString("SP2"));
        QCOMPARE(key(0), QString("nea1"));

        // Ticking the special user shows that key; a new one changes only that row.
        p.ui.clearLog();
        p.ui.onExecOnce["frmExtraPassword"] << typeCode("KESTRAN47");
        p.ui.onExecOnce["EdtPasswordDlg"] << change(true, "*", "SP3");
        p.main()->action("ΔΙΑΧΕΙΡΙΣΗ ΚΩΔΙΚΩΝ")->trigger();
        QCOMPARE(oldShown, QString("SP2"));
        QCOMPARE(key(1), QString("SP3"));
        QCOMPARE(key(0), QString("nea1"));
        QCOMPARE(keyRows(), 2);

        // A wrong old key is refused and nothing changes.
        p.ui.clearLog();
        p.ui.onExecOnce["frmExtraPassword"] << typeCode("KESTRAN47");
        p.ui.onExecOnce["EdtPasswordDlg"] << change(false, "NEA1", "x");
        p.main()->action("ΔΙΑΧΕΙΡΙΣΗ ΚΩΔΙΚΩΝ")->trigger();
        QCOMPARE(p.ui.messages(), QStringList{"Λάθος Κωδικός!"});
        QCOMPARE(key(0), QString("nea1"));

        // The dialog shown without the code first (not verified) asks for it on OK.
        p.ui.clearLog();
        dlg->adminVerified = false;
        p.ui.onExecOnce["frmExtraPassword"] << typeCode("wrong");
        p.ui.onExecOnce["EdtPasswordDlg"] << change(false, "nea1", "x");
        p.ui.exec(dlg);
        QCOMPARE(key(0), QString("nea1"));
        QCOMPARE(p.ui.dialogs(), (QStringList{"EdtPasswordDlg", "frmExtraPassword"}));
        Q_UNUSED(code);

        // The next login sees the keys; the login dialog clears the filter left behind.
        p.ui.clearLog();
        QCOMPARE(keys::login(p.dm(), "nea1").ok, true);
        QCOMPARE(keys::login(p.dm(), "SP3").full, true);
        QCOMPARE(keys::login(p.dm(), "").ok, false);
    }

    void enterInTheOldKeyField()
    {
        Program p;
        QVERIFY(p.start());
        setKeys("abc", QVariant());
        TEdtPasswordDlg *dlg = p.main()->edtPasswordDlg();
        dlg->show();
        QCOMPARE(dlg->Password1->text(), QString("abc"));
        dlg->Password1->setText("xyz");
        QTest::keyClick(dlg->Password1, Qt::Key_Return);
        QCOMPARE(p.ui.messages(), QStringList{"Λάθος Κωδικός!"});
        QCOMPARE(dlg->Password1->text(), QString()); // emptied for a new attempt
        dlg->Password1->setText("abc");
        QTest::keyClick(dlg->Password1, Qt::Key_Return);
        QCOMPARE(p.ui.messages().size(), 1);
        dlg->hide();
    }
};

QTEST_MAIN(TstLogin)
#include "tst_login.moc"
