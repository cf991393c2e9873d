// The main window: start-up with the splash, the tip of the day and the login; the menu
// and toolbar; the status bar; the tips toggle; the close questions; the reset code.
#include "platform/AppContext.h"
#include "platform/Desktop.h"
#include "ProgramFixture.h"
#include "platform/Registry.h"
#include "widgets/Access.h"
#include "widgets/Screens.h"
#include "shell/UntTips.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QWidgetAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

using namespace dorvani;
using test::Program;

namespace {
class FakeDesktop : public Desktop {
public:
    QList<Program> started;
    QList<QUrl> opened;
    bool start(Program p) override
    {
        started << p;
        return false; // nothing installed: the command stays silent
    }
    bool openUrl(const QUrl &u) override
    {
        opened << u;
        return true;
    }
    using Program = Desktop::Program;
};
} // namespace

class TstMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { Clock::setNow(QDateTime(QDate(2026, 12, 10), QTime(9, 0))); }
    void cleanup() { Clock::setNow(QDateTime()); }

    void firstStartShowsSplashOneTipThenLogin()
    {
        Program p;
        QString splashText;
        p.ui.onExec["AboutBox"] = [&](QDialog *d) {
            splashText = d->findChild<QLabel *>("Version")->text();
            return acceptDialogResult(d);
        };
        QVERIFY(p.start(true));
        QCOMPARE(p.ui.dialogs(), (QStringList{"AboutBox", "TipsDlg", "frmLogin"}));
        QVERIFY(QRegularExpression("^Version : \\d+\\.\\d+\\.\\d+\\.\\d+$").match(splashText).hasMatch());
        QVERIFY(p.main()->loggedIn());
        QVERIFY(p.main()->tipsAction()->isChecked());
        QVERIFY(p.main()->ToolBar1->isEnabled());
        for (QAction *a : p.main()->menuBar()->actions())
            QVERIFY(a->isVisible());
        QCOMPARE(Registry(Registry::General).readBool("Tips", "EndFlag", false), true);

        // Activating the window again (after a screen closes) shows neither tip nor login.
        p.ui.clearLog();
        QEvent act(QEvent::WindowActivate);
        QCoreApplication::sendEvent(p.main(), &act);
        QTest::qWait(10);
        QVERIFY(p.ui.dialogs().isEmpty());
    }

    void menusStayHiddenUntilTheLogin()
    {
        Program p;
        bool hiddenDuringLogin = false, toolbarOff = false;
        p.ui.onExec["frmLogin"] = [&](QDialog *d) {
            hiddenDuringLogin = true;
            for (QAction *a : p.main()->menuBar()->actions())
                hiddenDuringLogin = hiddenDuringLogin && !a->isVisible();
            toolbarOff = !p.main()->ToolBar1->isEnabled();
            return test::loginWith(QString())(d);
        };
        QVERIFY(p.start());
        QVERIFY(hiddenDuringLogin);
        QVERIFY(toolbarOff);
    }

    void tipsOffAndTheToggle()
    {
        test::TestHome home;
        Registry(Registry::General).writeBool("Tips", "ShowTips", false);
        {
            Program p(&home);
            QVERIFY(p.start());
            QCOMPARE(p.ui.dialogs(), QStringList{"frmLogin"});
            QAction *toggle = p.main()->tipsAction();
            QVERIFY(!toggle->isChecked());
            p.ui.clearLog();
            toggle->trigger(); // on: a tip at once
            QCOMPARE(p.ui.dialogs(), QStringList{"TipsDlg"});
            QVERIFY(toggle->isChecked());
            Registry r(Registry::General);
            QCOMPARE(r.readBool("Tips", "ShowTips", false), true);
            QCOMPARE(r.readBool("Tips", "EndFlag", true), false);
            // The window is activated again when the tip closes; the tip does not come twice.
            QEvent act(QEvent::WindowActivate);
            QCoreApplication::sendEvent(p.main(), &act);
            QTest::qWait(10);
            QCOMPARE(p.ui.dialogs(), QStringList{"TipsDlg"});
            p.ui.answers << false << true;
            p.main()->close();
        }
        {
            Program p(&home); // the next start shows a tip again
            QVERIFY(p.start());
            QCOMPARE(p.ui.dialogs(), (QStringList{"TipsDlg", "frmLogin"}));
            QAction *toggle = p.main()->tipsAction();
            toggle->trigger(); // off
            QVERIFY(!toggle->isChecked());
            Registry r(Registry::General);
            QCOMPARE(r.readBool("Tips", "ShowTips", true), false);
            QCOMPARE(r.readBool("Tips", "EndFlag", false), true);
        }
    }

    void tipDialogKeepsItsCheckBox()
    {
        Program p;
        bool tipShown = false, checked = false, nextShown = false;
        p.ui.onExec["TipsDlg"] = [&](QDialog *d) {
            auto *tips = static_cast<TTipsDlg *>(d);
            tipShown = TTipsDlg::tips().contains(tips->Label2->text());
            checked = tips->ChkShowTips->isChecked();
            tips->BtnNext->click();
            nextShown = TTipsDlg::tips().contains(tips->Label2->text());
            tips->ChkShowTips->setChecked(false);
            tips->BtnClose->click();
            return d->result();
        };
        QVERIFY(p.start());
        QVERIFY(tipShown);
        QVERIFY(checked);
        QVERIFY(nextShown);
        QCOMPARE(TTipsDlg::tips().size(), 19);
        for (const QString &t : TTipsDlg::tips())
            QVERIFY(t.size() <= 250);
        QCOMPARE(Registry(Registry::General).readBool("Tips", "ShowTips", true), false);
    }

    void cancelledLoginEndsWithoutQuestions()
    {
        Program p;
        p.ui.onExec["frmLogin"] = test::rejectDialog;
        QVERIFY(p.start());
        QVERIFY(!p.main()->loggedIn());
        QTRY_VERIFY(!p.main()->isVisible());
        QVERIFY(p.ui.questions().isEmpty());
        QVERIFY(p.ui.unexpected.isEmpty());
        QCOMPARE(Registry(Registry::General).readBool("Tips", "EndFlag", true), false);
    }

    void closeQuestions()
    {
        Program p;
        QVERIFY(p.start());
        int backups = 0;
        Screens::add("BackupOnExit", [&] { ++backups; });
        QSignalSpy ended(p.main(), &TMainFrm::programEnded);

        p.ui.clearLog();
        p.ui.answers << false << false; // no copy, do not leave
        p.main()->close();
        QVERIFY(p.main()->isVisible());
        QCOMPARE(p.ui.questions(), (QStringList{"Για λόγους ασφαλείας προτείνεται η αντιγραφή\n"
                                                "των αρχείων της βάσης.\n"
                                                "Να γίνει αντιγραφή των αρχείων της βάσης;",
                                                "Έξοδος από την εφαρμογή;"}));
        QCOMPARE(p.ui.log[0].caption, QString("ΠΡΟΕΙΔΟΠΟΙΗΣΗ"));
        QCOMPARE(p.ui.log[1].caption, QString("ΕΠΙΒΕΒΑΙΩΣΗ"));
        QCOMPARE(backups, 0);

        p.ui.answers << true << false; // copy, then stay
        p.main()->close();
        QCOMPARE(backups, 1);
        QVERIFY(p.main()->isVisible());
        QCOMPARE(ended.count(), 0);

        p.ui.answers << false << true; // leave
        p.main()->close();
        QVERIFY(!p.main()->isVisible());
        QCOMPARE(ended.count(), 1);
        QCOMPARE(Registry(Registry::General).readBool("Tips", "EndFlag", true), false);
    }

    void statusBar()
    {
        {
            Program p;
            QVERIFY(p.start());
            QCOMPARE(p.main()->statusPanel(1)->text(), QString(" DORVANI"));
            QCOMPARE(p.main()->statusPanel(2)->text(), QString());
            QCOMPARE(p.main()->statusPanel(3)->text(), QString("Πέμπτη 10/12/2026"));
            QCOMPARE(p.main()->statusPanel(0)->width(), 250);
            QCOMPARE(p.main()->statusPanel(3)->width(), 150);
            QCOMPARE(p.main()->LblCeleb->text(), QString());
        }
        test::TestHome home;
        Registry(Registry::General).writeString("Settings", "Dorvani", "ΒΟΥΛΕΥΤΙΚΕΣ");
        Clock::setNow(QDateTime(QDate(2027, 1, 3), QTime(8, 0)));
        Program p(&home);
        QVERIFY(p.start());
        QCOMPARE(p.main()->statusPanel(1)->text(), QString("ΒΟΥΛΕΥΤΙΚΕΣ DORVANI"));
        QCOMPARE(p.main()->statusPanel(3)->text(), QString("Κυριακή 3/1/2027"));
        QCOMPARE(TMainFrm::statusDate(QDate(2027, 1, 4)), QString("Δευτέρα 4/1/2027"));
    }

    void menuAndCommands()
    {
        Program p;
        QVERIFY(p.start());
        QStringList top;
        for (QAction *a : p.main()->menuBar()->actions())
            top << a->text();
        QCOMPARE(top, (QStringList{"&ΠΟΛΙΤΕΣ", "&ΑΙΤΗΜΑΤΑ", "&ΤΗΛΕΦΩΝΙΚΟΣ ΚΑΤΑΛΟΓΟΣ", "&ΣΤΑΤΙΣΤΙΚΑ",
                                   "ΣΤΑΤΙΣΤΙΚΑ KATANOMΗΣ ΨΗΦΩΝ", "ΕΟ&ΡΤΟΛΟΓΙΟ", "ΓΕΝΕΘΛΙΟΛΟΓΙΟ", "ΕΠΙΣΤΟΛΟΓΡΑΦΟΣ",
                                   "T.A. - K.O", "&ΚΑΤΗΓΟΡΙΕΣ", "&ΒΟΗΘΗΤΙΚΑ", "&ΕΞΟΔΟΣ"}));
        QStringList util;
        for (QAction *a : p.main()->menuBar()->actions().at(10)->menu()->actions())
            util << (a->isSeparator() ? "-" : a->text());
        QCOMPARE(util, (QStringList{"ΒΟΗΘΕΙΑ", "ΡΥΘΜΙΣΕΙΣ", "ΕΝΕΡΓΟΠΟΙΗΣΗ ΠΛΗΡΟΦΟΡΙΩΝ ΕΚΚΙΝΗΣΗΣ", "-", "ΑΡΙΘΜΟΜΗΧΑΝΗ",
                                    "-", "ΟΡΙΣΜΟΣ ΧΡΗΣΤΗ", "ΔΙΑΧΕΙΡΙΣΗ ΚΩΔΙΚΩΝ", "-", "ΑΝΤΙΓΡΑΦΗ ΑΡΧΕΙΩΝ (BACKUP)",
                                    "ΕΠΑΝΑΦΟΡΑ ΑΡΧΕΙΩΝ (RESTORE)", "ΜΗΔΕΝΙΣΜΟΣ ΑΡΧΕΙΩΝ", "-", "ΓΕΝΙΚΑ"}));
        QStringList categories;
        for (QAction *a : p.main()->menuBar()->actions().at(9)->menu()->actions())
            if (!a->isSeparator())
                categories << a->text();
        QCOMPARE(categories.size(), 18);
        QCOMPARE(categories.last(), QString("ΚΛΗΤΙΚΗ ΟΝΟΜΑΤΩΝ"));

        // A command whose screen is not there yet is disabled, not pretending.
        int withScreen = 0;
        for (QAction *a : p.main()->findChildren<QAction *>()) {
            const QString screen = p.main()->screenOf(a);
            if (screen.isEmpty())
                continue;
            ++withScreen;
            QVERIFY2(a->isEnabled() == Screens::has(screen), qPrintable(a->text()));
        }
        QVERIFY(withScreen >= 40);
        QVERIFY(p.main()->action("ΔΙΑΧΕΙΡΙΣΗ ΚΩΔΙΚΩΝ")->isEnabled());
        QVERIFY(p.main()->action("ΑΡΙΘΜΟΜΗΧΑΝΗ")->isEnabled());
        Screens::clear();
        p.main()->updateCommands();
        QVERIFY(!p.main()->action("ΕΠΑΓΓΕΛΜΑΤΑ")->isEnabled());
        QVERIFY(!p.main()->action("ΝΕΟI")->isEnabled());
        // ...and enabled once a screen registers.
        int opened = 0;
        Screens::add("TStatFrm", [&] { ++opened; });
        p.main()->updateCommands();
        QVERIFY(p.main()->action("&ΣΤΑΤΙΣΤΙΚΑ")->isEnabled());
        p.main()->action("&ΣΤΑΤΙΣΤΙΚΑ")->trigger();
        QCOMPARE(opened, 1);

        QStringList hints;
        for (QAction *a : p.main()->ToolBar1->actions())
            if (!a->isSeparator() && !a->toolTip().isEmpty() && !qobject_cast<QWidgetAction *>(a))
                hints << a->toolTip();
        QCOMPARE(hints, (QStringList{"ΝΕΟΙ ΠΟΛΙΤΕΣ", "ΕΜΦΑΝΙΣΗ - ΑΛΛΑΓΕΣ", "ΑΝΑΖΗΤΗΣΗ", "ΔΙΕΥΘΥΝΣΙΟΓΡΑΦΟΣ",
                                     "ΔΗΜΙΟΥΡΓΙΑ - ΕΚΤΥΠΩΣΗ ΕΠΙΣΤΟΛΗΣ", "ΑΡΙΘΜΟΜΗΧΑΝΗ",
                                     "ΠΡΟΒΟΛΗ ΕΟΡΤΑΖΟΝΤΩΝ ΗΜΕΡΑΣ", "WORD", "EXCEL", "ΒΟΗΘΕΙΑ", "ΕΞΟΔΟΣ"}));
    }

    void externalProgramsFailSilently()
    {
        Program p;
        QVERIFY(p.start());
        FakeDesktop d;
        Desktop::setInstance(&d);
        p.main()->action("ΑΡΙΘΜΟΜΗΧΑΝΗ")->trigger();
        for (QAction *a : p.main()->ToolBar1->actions())
            if (a->toolTip() == "WORD" || a->toolTip() == "EXCEL")
                a->trigger();
        Desktop::setInstance(nullptr);
        QCOMPARE(d.started, (QList<Desktop::Program>{Desktop::Program::Calculator, Desktop::Program::WordProcessor,
                                                      Desktop::Program::Spreadsheet}));
        QVERIFY(p.ui.messages().isEmpty());
    }

    void resetAsksForTheSecurityCode()
    {
        Program p;
        QVERIFY(p.start());
        Access::setFull(true); // the special user's login: the reset is for full access only
        int shown = 0;
        Screens::add("TDelTablesDlg", [&] { ++shown; });
        p.main()->updateCommands();
        QAction *reset = p.main()->action("ΜΗΔΕΝΙΣΜΟΣ ΑΡΧΕΙΩΝ");
        p.ui.inputs << QString("λ58") << QString("Λ58 ") << std::nullopt << QString("Λ58");
        for (int i = 0; i < 4; ++i)
            reset->trigger();
        QCOMPARE(shown, 1);
        QCOMPARE(p.ui.log.last().caption, QString("ΕΠΙΒΕΒΑΙΩΣΗ"));
        QCOMPARE(p.ui.log.last().text, QString("Δώστε κωδικό ασφαλείας"));
        QVERIFY(p.ui.messages().isEmpty()); // a wrong code gives no message
    }

    void childWindowsOpenOnce()
    {
        Program p;
        QVERIFY(p.start());
        int created = 0;
        auto make = [&] {
            ++created;
            auto *w = new QWidget;
            w->setObjectName("NewPersFrm");
            return w;
        };
        QMdiSubWindow *a = p.main()->openChild("NewPersFrm", make);
        QMdiSubWindow *b = p.main()->openChild("NewPersFrm", make);
        QCOMPARE(a, b);
        QCOMPARE(created, 1);
        QCOMPARE(p.main()->mdiArea()->subWindowList().size(), 1);
        QCOMPARE(p.main()->mdiArea()->activeSubWindow(), a);
    }

    // A maximised child window keeps its buttons in its own title bar: every menu stays on
    // the menu bar of a 1280 pixel screen.
    void aMaximisedChildLeavesTheMenusInPlace()
    {
        Program p;
        QVERIFY(p.start());
        p.main()->showNormal();
        p.main()->setGeometry(0, 0, 1280, 800);
        QMdiSubWindow *sub = p.main()->openChild("NewPersFrm", [] {
            auto *w = new QWidget;
            w->setObjectName("NewPersFrm");
            return w;
        });
        sub->showMaximized();
        QCoreApplication::processEvents();
        QMenuBar *bar = p.main()->menuBar();
        QVERIFY(!bar->cornerWidget(Qt::TopRightCorner) || !bar->cornerWidget(Qt::TopRightCorner)->isVisible());
        const QList<QAction *> menus = bar->actions();
        QVERIFY(!menus.isEmpty());
        for (QAction *a : menus) {
            if (!a->isVisible())
                continue;
            const QRect r = bar->actionGeometry(a);
            QVERIFY2(!r.isEmpty() && r.right() <= bar->width(), qPrintable(a->text()));
        }
    }

private:
    static int acceptDialogResult(QDialog *d) { return test::acceptDialog(d); }
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
