// Entry keys: the login with each key and the access it gives, the case of keys, the
// empty key of a fresh install, the administrator code and the key management.
#include "shell/EntryKeys.h"
#include "ProgramFixture.h"
#include "data/Store.h"
#include "platform/AppContext.h"
#include "shell/UntEdtPassword.h"
#include "shell/UntExtraPassword.h"
#include "shell/UntLogin.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
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
        QVERIFY(keys::matches("nea1", key(0)));
        QCOMPARE(keyRows(), 1);

        // The special user's key, created the same way; the ordinary key stays.
        p.ui.clearLog();
        p.ui.onExecOnce["frmExtraPassword"] << typeCode("KESTRAN47");
        p.ui.onExecOnce["EdtPasswordDlg"] << change(true, "*", "SP2");
        p.main()->action("ΔΙΑΧΕΙΡΙΣΗ ΚΩΔΙΚΩΝ")->trigger();
        QVERIFY(keys::matches("SP2", key(1)));
        QVERIFY(keys::matches("nea1", key(0)));

        // Ticking the special user asks for that key without showing it; a new one changes
        // only that row.
        p.ui.clearLog();
        p.ui.onExecOnce["frmExtraPassword"] << typeCode("KESTRAN47");
        p.ui.onExecOnce["EdtPasswordDlg"] << change(true, "SP2", "SP3");
        p.main()->action("ΔΙΑΧΕΙΡΙΣΗ ΚΩΔΙΚΩΝ")->trigger();
        QCOMPARE(oldShown, QString());
        QVERIFY(keys::matches("SP3", key(1)));
        QVERIFY(keys::matches("nea1", key(0)));
        QCOMPARE(keyRows(), 2);

        // A wrong old key is refused and nothing changes.
        p.ui.clearLog();
        p.ui.onExecOnce["frmExtraPassword"] << typeCode("KESTRAN47");
        p.ui.onExecOnce["EdtPasswordDlg"] << change(false, "NEA1", "x");
        p.main()->action("ΔΙΑΧΕΙΡΙΣΗ ΚΩΔΙΚΩΝ")->trigger();
        QCOMPARE(p.ui.messages(), QStringList{"Λάθος Κωδικός!"});
        QVERIFY(keys::matches("nea1", key(0)));

        // The dialog shown without the code first (not verified) asks for it on OK.
        p.ui.clearLog();
        dlg->adminVerified = false;
        p.ui.onExecOnce["frmExtraPassword"] << typeCode("wrong");
        p.ui.onExecOnce["EdtPasswordDlg"] << change(false, "nea1", "x");
        p.ui.exec(dlg);
        QVERIFY(keys::matches("nea1", key(0)));
        QCOMPARE(p.ui.dialogs(), (QStringList{"EdtPasswordDlg", "frmExtraPassword"}));
        Q_UNUSED(code);

        // The next login sees the keys; the login dialog clears the filter left behind.
        p.ui.clearLog();
        QCOMPARE(keys::login(p.dm(), "nea1").ok, true);
        QCOMPARE(keys::login(p.dm(), "SP3").full, true);
        QCOMPARE(keys::login(p.dm(), "").ok, false);
    }

    // What the keys' file holds: digests that do not give the keys away, made anew with
    // each salt; the old keys in clear of a register from before are converted at its
    // first start, after a copy of the file.
    void keysAreStoredAsDigests_data()
    {
        QTest::addColumn<QString>("ordinary");
        QTest::addColumn<QString>("special");
        QTest::newRow("latin") << "user1" << "ADMIN9";
        QTest::newRow("greek") << "ΚΛΕΙΔΙ" << "ΕΙΔΙΚΟΣ1";
        QTest::newRow("quote") << "a'b" << "c\"d";
    }
    void keysAreStoredAsDigests()
    {
        QFETCH(QString, ordinary);
        QFETCH(QString, special);
        test::TestHome home;
        const QString passFile = home.path("Db/PASSWORDS.db");
        auto fileHolds = [&](const QString &text) {
            QFile f(passFile);
            return f.open(QIODevice::ReadOnly) && f.readAll().contains(text.toUtf8());
        };
        {
            Store s;
            s.open(home.path("Db"));
            setKeys(ordinary, special); // as an older program kept them
        }
        QVERIFY(fileHolds(ordinary));
        {
            Program p(&home);
            p.ui.onExec["frmLogin"] = test::loginWith(special);
            QVERIFY(p.start());
            QVERIFY(p.main()->loggedIn());
            QVERIFY(Access::full());
            QVERIFY(keys::isDigest(key(0)));
            QVERIFY(keys::isDigest(key(1)));
            QVERIFY(keys::matches(ordinary, key(0)));
            QVERIFY(!keys::matches(ordinary, key(1)));
            QVERIFY(keys::digest(ordinary) != keys::digest(ordinary)); // salted
        }
        QVERIFY(!fileHolds(ordinary));
        QVERIFY(!fileHolds(special));
        // The copy made before the conversion, readable by the owner only.
        const QStringList copies = QDir(home.path("Backup/BeforeKeyDigests")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(copies.size(), 1);
        const QString copy = home.path("Backup/BeforeKeyDigests/" + copies.first() + "/PASSWORDS.db");
        QCOMPARE(QFile::permissions(copy) & 0x0077, QFileDevice::Permissions());
        {
            QFile f(copy);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY(f.readAll().contains(ordinary.toUtf8()));
        }
        // The next start finds nothing to convert.
        Program again(&home);
        again.ui.onExec["frmLogin"] = test::loginWith(ordinary);
        QVERIFY(again.start());
        QVERIFY(again.main()->loggedIn());
        QVERIFY(!Access::full());
        QCOMPARE(QDir(home.path("Backup/BeforeKeyDigests")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
    }

    // A blank key of an older register stays a key that an empty entry passes.
    void aBlankClearKeyStaysBlank()
    {
        test::TestHome home;
        {
            Store s;
            s.open(home.path("Db"));
            setKeys("   ", "ADMIN9");
        }
        Program p(&home);
        QVERIFY(p.start());
        QVERIFY(p.main()->loggedIn());
        QCOMPARE(key(0), QString());
        QVERIFY(keys::isDigest(key(1)));
    }

    // After three wrong keys in a row the next try waits a few seconds, even with the
    // right key; once they have passed the right key is let in.
    void aWaitAfterThreeWrongKeys()
    {
        test::TestHome home;
        {
            Store s;
            s.open(home.path("Db"));
            setKeys(keys::digest("user1"), QVariant());
        }
        const QDateTime t0(QDate(2026, 12, 7), QTime(10, 0));
        Clock::setNow(t0);
        Program p(&home);
        QStringList shown;
        p.ui.onExec["frmLogin"] = [&](QDialog *d) {
            auto *login = static_cast<TfrmLogin *>(d);
            auto attempt = [&](const char *k) {
                login->Password1->setText(k);
                return login->checkKey() ? '1' : '0';
            };
            QString results;
            for (const char *k : {"a", "b", "user1", "c", "d", "e", "user1"}) // the right key starts the count again
                results += attempt(k);
            Clock::setNow(t0.addSecs(TfrmLogin::waitSeconds - 1));
            results += attempt("user1");
            Clock::setNow(t0.addSecs(TfrmLogin::waitSeconds));
            results += attempt("user1");
            shown << results;
            login->Password1->setText("user1");
            test::click(d, "OKBtn");
            return d->result();
        };
        QVERIFY(p.start());
        Clock::setNow(QDateTime());
        QVERIFY(p.main()->loggedIn());
        QCOMPARE(shown.last(), QString("001000001"));
        const QStringList m = p.ui.messages();
        QCOMPARE(m.count("Λάθος Κωδικός!"), 5);
        QCOMPARE(m.filter("Περιμένετε").size(), 2);
        QVERIFY(m.filter("Περιμένετε").first().contains("5 δευτερόλεπτα"));
        QVERIFY(m.filter("Περιμένετε").last().contains("1 δευτερόλεπτο"));
    }

    // The program file does not carry the administrator code or the reset code as text.
    void theCodesAreNotInTheProgramFile()
    {
        QFile program(QDir(QCoreApplication::applicationDirPath()).filePath("../dorvani"));
        QVERIFY(program.open(QIODevice::ReadOnly));
        const QByteArray bytes = program.readAll();
        QVERIFY(!bytes.contains("KESTRAN47"));
        QVERIFY(!bytes.contains(QString("Λ58").toUtf8()));
        QVERIFY(!bytes.contains(QByteArray(reinterpret_cast<const char *>(QString("Λ58").utf16()), 6)));
        QVERIFY(keys::isResetCode("Λ58"));
        QVERIFY(!keys::isResetCode("λ58"));
    }

    void enterInTheOldKeyField()
    {
        Program p;
        QVERIFY(p.start());
        setKeys("abc", QVariant());
        TEdtPasswordDlg *dlg = p.main()->edtPasswordDlg();
        dlg->show();
        QCOMPARE(dlg->Password1->text(), QString()); // the stored key is not shown
        QCOMPARE(dlg->Password1->echoMode(), QLineEdit::Password);
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
