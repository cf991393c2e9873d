// The main window: a multi-document frame with the menu and toolbar of every command,
// the status bar and the label of today's celebrants.
#pragma once

#include <QHash>
#include <QMainWindow>

#include <functional>

#include "widgets/MainWindow.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QStyle;
class QToolBar;

namespace dorvani {

class TDataMdl;
class TTipsDlg;
class TfrmLogin;
class TfrmExtraPassword;
class TEdtPasswordDlg;

class TMainFrm : public QMainWindow, public MainWindow {
    Q_OBJECT
public:
    explicit TMainFrm(TDataMdl &dm, QWidget *parent = nullptr);
    ~TMainFrm() override;

    static TMainFrm *instance();

    QWidget *widget() override { return this; }
    TDataMdl &dataMdl() const override { return m_dm; }
    QMdiArea *mdiArea() const { return m_mdi; }
    QToolBar *ToolBar1;
    QLabel *LblCeleb;
    QLabel *statusPanel(int i) const { return m_panels[i]; }

    TTipsDlg *tipsDlg() const { return m_tips; }
    TfrmLogin *loginDlg() const { return m_login; }
    TfrmExtraPassword *extraPasswordDlg() const { return m_extra; }
    TEdtPasswordDlg *edtPasswordDlg() const { return m_edtPassword; }

    bool loggedIn() const { return m_loggedIn; }
    bool closing() const { return m_closing; }
    // The window is closing for good: child windows close without going anywhere.
    bool shuttingDown() const override { return m_shuttingDown; }

    // The command of the menu or toolbar with the given caption (first match).
    QAction *action(const QString &caption) const;
    QAction *tipsAction() const { return m_tipsAction; }
    // The screen a command opens, empty for commands of the window itself.
    QString screenOf(QAction *command) const { return m_screenOf.value(command); }
    // Enables the commands whose screens are registered (after start-up registration).
    void updateCommands();

    // Today's celebrants, as the celebrants computation leaves them.
    void setCelebrantsLabel(const QString &text) override;
    void setCelebrants(const QString &names, const QString &day, const QString &month) override;
    QString celebrantNames() const override { return m_celebNames; }
    QString celebrantDay() const override { return m_celebDay; }
    QString celebrantMonth() const override { return m_celebMonth; }

    // The working windows open now (closed ones waiting for deletion are not counted).
    QList<QWidget *> openChildren() const override;
    // Opens a child window, or brings the open one of that name to the front.
    QMdiSubWindow *openChild(const QString &name, const std::function<QWidget *()> &create) override;

    // The date as the status bar shows it: "dddd d/m/yyyy" with Greek day names.
    static QString statusDate(const QDate &d);

    // Commands that are not plain screens.
    void toggleTips();
    void resetFiles();    // asks for the security code before the reset screen
    void specialSearch(); // only with full access
    void addressLabeller();
    // Ends the program at once, without the close questions (a cancelled login).
    void endProgram();

signals:
    void programEnded();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool event(QEvent *e) override;

private:
    void buildMenu();
    void buildToolBar();
    void buildStatusBar();
    void onActivated();
    void setMenusVisible(bool on);
    QAction *command(QMenu *menu, const QString &caption, const QString &screen,
                     const std::function<void()> &handler = {});

    QStyle *childStyle();

    TDataMdl &m_dm;
    QStyle *m_childStyle = nullptr;
    QMdiArea *m_mdi = nullptr;
    QLabel *m_panels[4] = {};
    QAction *m_tipsAction = nullptr;
    // The menu commands the toolbar repeats.
    struct {
        QAction *newCitizens = nullptr, *browse = nullptr, *search = nullptr, *labeller = nullptr;
        QAction *letters = nullptr, *calculator = nullptr, *celebrants = nullptr;
    } m_repeated;
    QList<QAction *> m_topMenus;
    QHash<QAction *, QString> m_screenOf; // the screen a command needs
    TTipsDlg *m_tips = nullptr;
    TfrmLogin *m_login = nullptr;
    TfrmExtraPassword *m_extra = nullptr;
    TEdtPasswordDlg *m_edtPassword = nullptr;

    bool m_loggedIn = false;
    bool m_closing = false;
    bool m_terminating = false;
    bool m_shuttingDown = false;
    bool m_inActivate = false;
    bool m_activationQueued = false;
    bool m_tipsShownThisRun = false;
    QString m_celebNames, m_celebDay, m_celebMonth;
};

} // namespace dorvani
