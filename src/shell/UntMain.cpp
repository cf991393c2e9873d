#include "shell/UntMain.h"

#include "data/DataModule.h"
#include "platform/Desktop.h"
#include "shell/EntryKeys.h"
#include "widgets/InputHelpers.h"
#include "platform/Registry.h"
#include "widgets/Screens.h"
#include "widgets/Ui.h"
#include "shell/UntEdtPassword.h"
#include "shell/UntExtraPassword.h"
#include "shell/UntLogin.h"
#include "shell/UntTips.h"
#include "platform/AppContext.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QApplication>
#include <QProxyStyle>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace dorvani {

namespace {

TMainFrm *g_main = nullptr;

const QColor toolbarColour(82, 194, 18);
const QColor windowColour(82, 144, 105);

// Status bar panel 0: the program's title drawn by the program.
class TitlePanel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().window());
        QFont f = font();
        f.setBold(true);
        f.setPointSize(8);
        p.setFont(f);
        p.setPen(windowColour);
        const QFontMetrics fm(f);
        p.drawText(QPoint(2, 2 + fm.ascent()), QStringLiteral("DORVANI"));
    }
};

// A small drawn picture for a toolbar button.
QIcon toolIcon(const QString &glyph, const QColor &colour)
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour.darker(150), 1.5));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(2, 2, 28, 28), 6, 6);
    QFont f("DejaVu Sans");
    f.setBold(true);
    f.setPixelSize(glyph.size() > 2 ? 10 : 15);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, glyph);
    return QIcon(pm);
}

const char *const greekDays[] = {"Δευτέρα", "Τρίτη", "Τετάρτη", "Πέμπτη", "Παρασκευή", "Σάββατο", "Κυριακή"};

} // namespace

TMainFrm *TMainFrm::instance() { return g_main; }

TMainFrm::TMainFrm(TDataMdl &dm, QWidget *parent) : QMainWindow(parent), m_dm(dm)
{
    setObjectName("MainFrm");
    setWindowTitle("DORVANI");
    g_main = this;
    setInstance(this);

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName("MdiArea");
    m_mdi->setBackground(windowColour);
    setCentralWidget(m_mdi);

    m_tips = new TTipsDlg(this);
    m_login = new TfrmLogin(dm, this);
    m_extra = new TfrmExtraPassword(this);
    m_edtPassword = new TEdtPasswordDlg(dm, *m_extra, this);

    buildMenu();
    buildToolBar();
    buildStatusBar();
    updateCommands();
}

TMainFrm::~TMainFrm()
{
    m_shuttingDown = true;
    if (g_main == this) {
        g_main = nullptr;
        setInstance(nullptr);
    }
}

QAction *TMainFrm::command(QMenu *menu, const QString &caption, const QString &screen,
                           const std::function<void()> &handler)
{
    QAction *a = menu ? menu->addAction(caption) : menuBar()->addAction(caption);
    if (!screen.isEmpty())
        m_screenOf.insert(a, screen);
    if (handler)
        connect(a, &QAction::triggered, this, [handler] { guarded(handler); });
    else if (!screen.isEmpty())
        connect(a, &QAction::triggered, this, [screen] { Screens::run(screen); });
    if (!menu)
        m_topMenus << a;
    return a;
}

void TMainFrm::buildMenu()
{
    QMenuBar *mb = menuBar();
    auto menu = [&](const QString &title) {
        QMenu *m = mb->addMenu(title);
        m_topMenus << m->menuAction();
        return m;
    };

    QMenu *pol = menu("&ΠΟΛΙΤΕΣ");
    m_repeated.newCitizens = command(pol, "ΝΕΟI", "TNewPersFrm");
    m_repeated.browse = command(pol, "ΕΜΦΑΝΙΣΗ - ΑΛΛΑΓΕΣ", "TLISTAPOLDlg");
    m_repeated.search = command(pol, "ΑΝΑΖΗΤΗΣΗ", "TFindPersFrm");
    command(pol, "ΕΙΔΙΚΗ ΑΝΑΖΗΤΗΣΗ", "TSearchSpecialNotesFrm", [this] { specialSearch(); });
    m_repeated.labeller = command(pol, "ΔΙΕΥΘΥΝΣΙΟΓΡΑΦΟΣ", "TFindPersFrm", [this] { addressLabeller(); });
    pol->addAction("ΕΙΣΑΓΩΓΗ ΑΠΟ ΑΡΧΕΙΟ ASCII"); // no action
    pol->addAction("ΕΞΑΓΩΓΗ ΣΕ ΑΡΧΕΙΟ ASCII");   // no action

    menu("&ΑΙΤΗΜΑΤΑ"); // no items

    command(nullptr, "&ΤΗΛΕΦΩΝΙΚΟΣ ΚΑΤΑΛΟΓΟΣ", "TAlphabetDlg");
    command(nullptr, "&ΣΤΑΤΙΣΤΙΚΑ", "TStatFrm");
    command(nullptr, "ΣΤΑΤΙΣΤΙΚΑ KATANOMΗΣ ΨΗΦΩΝ", "TStatTotPSHFOIFrm");

    QMenu *eort = menu("ΕΟ&ΡΤΟΛΟΓΙΟ");
    command(eort, "ΔΙΑΧΕΙΡΙΣΗ", "TCelebritiesDlg");
    m_repeated.celebrants = command(eort, "ΠΡΟΒΟΛΗ ΕΟΡΤΑΖΟΝΤΩΝ ΗΜΕΡΑΣ", "TPersCelebrDlg");

    command(nullptr, "ΓΕΝΕΘΛΙΟΛΟΓΙΟ", "TBirthdayDlg");

    QMenu *epist = menu("ΕΠΙΣΤΟΛΟΓΡΑΦΟΣ");
    command(epist, "ΔΙΑΜΟΡΦΩΣΗ ΚΕΙΜΕΝΟΥ", "TKeimenoFrm");
    m_repeated.letters = command(epist, "ΔΗΜΙΟΥΡΓΙΑ - ΕΚΤΥΠΩΣΗ ΕΠΙΣΤΟΛΩΝ", "TEpistolhFrm");

    QMenu *tako = menu("T.A. - K.O");
    command(tako, "ΝΟΜΑΡΧΙΕΣ", "TNomarxiesDlg");
    command(tako, "ΔΗΜΑΡΧΙΕΣ", "TDhmarxiesDlg");
    command(tako, "ΝΟΜΑΡΧΙΑΚΕΣ ΟΡΓΑΝΩΣΕΙΣ", "TNomarxies_O_Dlg");
    command(tako, "ΤΟΠΙΚΕΣ ΟΡΓΑΝΩΣΕΙΣ", "TTopikes_O_Dlg");
    tako->addSeparator();
    command(tako, "ΑΝΑΖΗΤΗΣΕΙΣ", "TfrmSearchTA_KO");
    tako->addSeparator();
    command(tako, "ΚΟΜΜΑΤΙΚΕΣ ΘΕΣΕΙΣ", "TKommatikes_TheseisDlg");
    tako->addSeparator();
    command(tako, "ΙΔΙΟΤΗΤΕΣ ΜΕΛΩΝ", "TPersIdiothtaDlg");

    QMenu *kat = menu("&ΚΑΤΗΓΟΡΙΕΣ");
    command(kat, "ΕΘΝΙΚΟΤΗΤΑ", "TEthnikothtesDlg");
    command(kat, "ΕΠΑΓΓΕΛΜΑΤΑ", "TEpagelmaDlg");
    command(kat, "ΜΟΡΦΩΣΗ", "TMorfoshDlg");
    command(kat, "ΚΡΙΤΗΡΙΑ ΑΞΙΟΛΟΓΗΣΗΣ", "TAksiologhshDlg");
    kat->addSeparator();
    command(kat, "ΝΟΜΟΣ", "TNomoiDlg");
    command(kat, "ΕΠΑΡΧΙΑ", "TEparxiesDlg");
    command(kat, "ΔΗΜΟΣ", "TDhmoiDlg");
    command(kat, "ΠΟΛΗ", "TPoleisDlg");
    kat->addSeparator();
    command(kat, "ΚΟΜΜΑΤΑ", "TKommataDlg");
    kat->addSeparator();
    command(kat, "ΕΚΛΟΓΙΚΑ ΚΕΝΤΡΑ", "TEklogikaKDlg");
    kat->addSeparator();
    command(kat, "ΣΥΝΥΠΟΨΗΦΙΟΙ", "TSynypopsDlg");
    kat->addSeparator();
    command(kat, "ΕΠΙΡΡΟΗ ΑΠΟ", "TEpirohDlg");
    kat->addSeparator();
    command(kat, "Ν.Ο. (ΝΟΜΑΡΧΙΑΚΗ ΟΡΓΑΝΩΣΗ)", "TNODlg");
    command(kat, "Ν.Ε. (ΝΟΜΑΡΧΙΑΚΗ ΕΠΙΤΡΟΠΗ)", "TNEDlg");
    command(kat, "Τ.Ο. (ΤΟΠΙΚΗ ΟΡΓΑΝΩΣΗ)", "TTODlg");
    command(kat, "ΠΥΡΗΝΑΣ", "TPYRHNASDlg");
    kat->addSeparator();
    command(kat, "ΜΕΛΗ", "TMelosDlg");
    kat->addSeparator();
    command(kat, "ΚΛΗΤΙΚΗ ΟΝΟΜΑΤΩΝ", "TKLHTIKHDlg");

    QMenu *bohth = menu("&ΒΟΗΘΗΤΙΚΑ");
    bohth->addAction("ΒΟΗΘΕΙΑ"); // no action
    command(bohth, "ΡΥΘΜΙΣΕΙΣ", "TRythmiseisDlg");
    m_tipsAction = bohth->addAction("ΕΝΕΡΓΟΠΟΙΗΣΗ ΠΛΗΡΟΦΟΡΙΩΝ ΕΚΚΙΝΗΣΗΣ");
    m_tipsAction->setCheckable(true);
    m_tipsAction->setChecked(true);
    connect(m_tipsAction, &QAction::triggered, this, [this] { guarded([this] { toggleTips(); }); });
    bohth->addSeparator();
    m_repeated.calculator = command(bohth, "ΑΡΙΘΜΟΜΗΧΑΝΗ", QString(), [] { Desktop::instance().start(Desktop::Program::Calculator); });
    bohth->addSeparator();
    command(bohth, "ΟΡΙΣΜΟΣ ΧΡΗΣΤΗ", "TKatoxosDlg");
    command(bohth, "ΔΙΑΧΕΙΡΙΣΗ ΚΩΔΙΚΩΝ", QString(), [this] { runKeyManagement(*m_extra, *m_edtPassword); });
    bohth->addSeparator();
    command(bohth, "ΑΝΤΙΓΡΑΦΗ ΑΡΧΕΙΩΝ (BACKUP)", "Backup");
    command(bohth, "ΕΠΑΝΑΦΟΡΑ ΑΡΧΕΙΩΝ (RESTORE)", "Restore");
    command(bohth, "ΜΗΔΕΝΙΣΜΟΣ ΑΡΧΕΙΩΝ", "TDelTablesDlg", [this] { resetFiles(); });
    bohth->addSeparator();
    command(bohth, "ΓΕΝΙΚΑ", "TAboutDlg");

    command(nullptr, "&ΕΞΟΔΟΣ", QString(), [this] { close(); });
}

void TMainFrm::buildToolBar()
{
    ToolBar1 = addToolBar("ToolBar1");
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize(QSize(28, 28));
    ToolBar1->setAutoFillBackground(true);
    QPalette pal = ToolBar1->palette();
    pal.setColor(QPalette::Window, toolbarColour);
    pal.setColor(QPalette::Button, toolbarColour);
    ToolBar1->setPalette(pal);
    ToolBar1->setStyleSheet("QToolBar { background: rgb(82,194,18); }");

    // A button that repeats a menu command, with its own hint.
    auto repeat = [this](QAction *cmd, const QString &hint, const QString &glyph, const QColor &c) {
        auto *tb = new QAction(toolIcon(glyph, c), hint, this);
        tb->setToolTip(hint);
        if (cmd) {
            connect(tb, &QAction::triggered, cmd, &QAction::trigger);
            auto sync = [tb, cmd] { tb->setEnabled(cmd->isEnabled()); };
            connect(cmd, &QAction::changed, tb, sync);
            sync();
        }
        ToolBar1->addAction(tb);
        return tb;
    };
    auto plain = [this](const QString &hint, const QString &glyph, const QColor &c, const std::function<void()> &f) {
        auto *tb = new QAction(toolIcon(glyph, c), hint, this);
        tb->setToolTip(hint);
        if (f)
            connect(tb, &QAction::triggered, this, [f] { guarded(f); });
        ToolBar1->addAction(tb);
        return tb;
    };

    const QColor blue(40, 90, 160), brown(150, 90, 40), grey(90, 90, 90), purple(120, 60, 140);
    repeat(m_repeated.newCitizens, "ΝΕΟΙ ΠΟΛΙΤΕΣ", "+", blue);
    repeat(m_repeated.browse, "ΕΜΦΑΝΙΣΗ - ΑΛΛΑΓΕΣ", "≡", blue);
    repeat(m_repeated.search, "ΑΝΑΖΗΤΗΣΗ", "?", blue);
    ToolBar1->addSeparator();
    repeat(m_repeated.labeller, "ΔΙΕΥΘΥΝΣΙΟΓΡΑΦΟΣ", "@", brown);
    ToolBar1->addSeparator();
    repeat(m_repeated.letters, "ΔΗΜΙΟΥΡΓΙΑ - ΕΚΤΥΠΩΣΗ ΕΠΙΣΤΟΛΗΣ", "✉", brown);
    ToolBar1->addSeparator();
    repeat(m_repeated.calculator, "ΑΡΙΘΜΟΜΗΧΑΝΗ", "±", grey);
    ToolBar1->addSeparator();
    repeat(m_repeated.celebrants, "ΠΡΟΒΟΛΗ ΕΟΡΤΑΖΟΝΤΩΝ ΗΜΕΡΑΣ", "★", purple);
    ToolBar1->addSeparator();
    plain("WORD", "W", QColor(30, 80, 170), [] { Desktop::instance().start(Desktop::Program::WordProcessor); });
    plain("EXCEL", "X", QColor(20, 120, 60), [] { Desktop::instance().start(Desktop::Program::Spreadsheet); });
    ToolBar1->addSeparator();
    plain("ΒΟΗΘΕΙΑ", "i", grey, {}); // no action
    plain("ΕΞΟΔΟΣ", "×", QColor(170, 40, 40), [this] { close(); });

    auto *gap = new QWidget(ToolBar1);
    gap->setFixedWidth(40);
    ToolBar1->addWidget(gap);
    LblCeleb = new QLabel(ToolBar1);
    LblCeleb->setObjectName("LblCeleb");
    QFont f = LblCeleb->font();
    f.setBold(true);
    LblCeleb->setFont(f);
    ToolBar1->addWidget(LblCeleb);
}

void TMainFrm::buildStatusBar()
{
    QStatusBar *sb = statusBar();
    sb->setObjectName("StatusBar1");
    sb->setSizeGripEnabled(false);
    const int widths[4] = {250, 200, 170, 150};
    for (int i = 0; i < 4; ++i) {
        m_panels[i] = i == 0 ? new TitlePanel(sb) : new QLabel(sb);
        m_panels[i]->setObjectName(QString("StatusPanel%1").arg(i));
        m_panels[i]->setFixedWidth(widths[i]);
        m_panels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (i == 2 || i == 3)
            m_panels[i]->setAlignment(Qt::AlignCenter);
        sb->addWidget(m_panels[i]);
    }
}

QAction *TMainFrm::action(const QString &caption) const
{
    const QList<QAction *> all = findChildren<QAction *>();
    for (QAction *a : all)
        if (a->text() == caption)
            return a;
    for (QAction *a : menuBar()->actions()) {
        if (a->text() == caption)
            return a;
        if (a->menu())
            for (QAction *s : a->menu()->actions())
                if (s->text() == caption)
                    return s;
    }
    return nullptr;
}

void TMainFrm::updateCommands()
{
    for (auto it = m_screenOf.cbegin(); it != m_screenOf.cend(); ++it)
        it.key()->setEnabled(Screens::has(it.value()));
}

void TMainFrm::setMenusVisible(bool on)
{
    for (QAction *a : m_topMenus)
        a->setVisible(on);
}

QString TMainFrm::statusDate(const QDate &d)
{
    return QString("%1 %2/%3/%4").arg(QString::fromUtf8(greekDays[d.dayOfWeek() - 1])).arg(d.day()).arg(d.month()).arg(d.year());
}

void TMainFrm::setCelebrantsLabel(const QString &text)
{
    LblCeleb->setText(text);
}

void TMainFrm::setCelebrants(const QString &names, const QString &day, const QString &month)
{
    m_celebNames = names;
    m_celebDay = day;
    m_celebMonth = month;
}

QList<QWidget *> TMainFrm::openChildren() const
{
    QList<QWidget *> out;
    for (QMdiSubWindow *w : m_mdi->subWindowList())
        if (!w->isHidden() && w->widget())
            out << w->widget();
    return out;
}

namespace {
// A maximised child window keeps its own title bar and buttons: moved into the menu bar
// they would push its last menus into an overflow arrow.
class ChildWindowStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_Workspace_FillSpaceOnMaximize)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};
} // namespace

QStyle *TMainFrm::childStyle()
{
    if (!m_childStyle) {
        m_childStyle = new ChildWindowStyle(QApplication::style()->name());
        m_childStyle->setParent(this);
    }
    return m_childStyle;
}

QMdiSubWindow *TMainFrm::openChild(const QString &name, const std::function<QWidget *()> &create)
{
    for (QMdiSubWindow *w : m_mdi->subWindowList()) {
        // A window that was closed waits for its deletion: it is not reused.
        if (w->isHidden())
            continue;
        if (w->widget() && w->widget()->objectName() == name) {
            w->showNormal();
            m_mdi->setActiveSubWindow(w);
            w->raise();
            return w;
        }
    }
    QWidget *content = create();
    content->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow *sub = m_mdi->addSubWindow(content);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setStyle(childStyle());
    content->show();
    sub->show();
    m_mdi->setActiveSubWindow(sub);
    return sub;
}

void TMainFrm::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    if (e->spontaneous())
        return;
    Registry reg(Registry::General);
    const bool showTips = reg.readBool("Tips", "ShowTips", true);
    const bool endFlag = reg.readBool("Tips", "EndFlag", false);
    if (!showTips)
        m_tipsAction->setChecked(false);
    else if (!endFlag)
        m_tipsAction->setChecked(true);
    m_panels[3]->setText(statusDate(Clock::today()));
    m_panels[1]->setText(reg.readString("Settings", "Dorvani") + " DORVANI");
    Screens::run("Celebrants"); // today's celebrants, once that computation exists
    if (!m_loggedIn)
        ToolBar1->setEnabled(false);
    m_closing = false;
    // Offscreen and some window managers never activate the window: ask once ourselves.
    if (!m_activationQueued) {
        m_activationQueued = true;
        QTimer::singleShot(0, this, &TMainFrm::onActivated);
    }
}

bool TMainFrm::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, &TMainFrm::onActivated);
    return QMainWindow::event(e);
}

void TMainFrm::onActivated()
{
    if (m_inActivate || m_terminating || !isVisible())
        return;
    m_inActivate = true;
    {
        Registry reg(Registry::General);
        const bool showTips = reg.readBool("Tips", "ShowTips", true);
        const bool endFlag = reg.readBool("Tips", "EndFlag", false);
        // The tip of the day belongs to the first activation of a run only.
        if (showTips && !endFlag && !m_tipsShownThisRun) {
            m_tipsShownThisRun = true;
            ui().exec(m_tips);
        }
        Registry(Registry::General).writeBool("Tips", "EndFlag", true);
    }
    if (!m_loggedIn && !m_closing) {
        setMenusVisible(false);
        ToolBar1->setEnabled(false);
        if (ui().exec(m_login) == QDialog::Accepted) {
            Keyboard::setCapsLock(true);
            Keyboard::switchToGreek();
            m_loggedIn = true;
            setMenusVisible(true);
            ToolBar1->setEnabled(true);
        } else {
            m_inActivate = false;
            endProgram();
            return;
        }
    }
    m_inActivate = false;
}

void TMainFrm::toggleTips()
{
    // The item has already changed its check mark when this runs.
    const bool wasChecked = !m_tipsAction->isChecked();
    Registry reg(Registry::General);
    if (wasChecked) {
        reg.writeBool("Tips", "ShowTips", false);
        reg.writeBool("Tips", "EndFlag", true);
        m_tipsAction->setChecked(false);
    } else {
        reg.writeBool("Tips", "ShowTips", true);
        reg.writeBool("Tips", "EndFlag", false);
        m_tipsShownThisRun = true;
        ui().exec(m_tips);
        m_tipsAction->setChecked(true);
    }
}

void TMainFrm::resetFiles()
{
    if (!Access::require())
        return;
    const std::optional<QString> code = ui().input("ΕΠΙΒΕΒΑΙΩΣΗ", "Δώστε κωδικό ασφαλείας", QString(), true);
    if (code && keys::isResetCode(*code))
        Screens::run("TDelTablesDlg");
}

void TMainFrm::specialSearch()
{
    if (Access::require())
        Screens::run("TSearchSpecialNotesFrm");
}

void TMainFrm::addressLabeller()
{
    ui().message("Καλώς ήρθατε στον έξυπνο Διευθυνσιογράφο , \n"
                 "μέσα από ένα ανοικτό παράθυρο αναζήτησης συμπληρώστε τα πεδία που σας ενδιαφέρουν \n"
                 "να έχουν οι πολίτες που θέλετε να στείλετε επιστολές ,και πατήστε τα κουμπιά Αναζήτηση και "
                 "Διευθυνσιογράφο.",
                 QString(), Ui::Icon::Information);
    Screens::run("TFindPersFrm");
}

void TMainFrm::endProgram()
{
    m_terminating = true;
    close();
}

void TMainFrm::closeEvent(QCloseEvent *e)
{
    if (!m_terminating) {
        m_closing = true;
        if (ui().question("Για λόγους ασφαλείας προτείνεται η αντιγραφή\n"
                          "των αρχείων της βάσης.\n"
                          "Να γίνει αντιγραφή των αρχείων της βάσης;",
                          "ΠΡΟΕΙΔΟΠΟΙΗΣΗ"))
            Screens::run("BackupOnExit");
        if (!ui().question("Έξοδος από την εφαρμογή;", "ΕΠΙΒΕΒΑΙΩΣΗ")) {
            e->ignore();
            return;
        }
    }
    // The run is over, also when it ends at a cancelled login.
    Registry(Registry::General).writeBool("Tips", "EndFlag", false);
    m_shuttingDown = true;
    m_mdi->closeAllSubWindows();
    e->accept();
    emit programEnded();
}

} // namespace dorvani
