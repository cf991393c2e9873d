#include "shell/Housekeeping.h"

#include "platform/AppContext.h"
#include "data/DataModule.h"
#include "shell/EntryKeys.h"
#include "widgets/Access.h"
#include "widgets/Screens.h"
#include "data/Store.h"
#include "widgets/Ui.h"
#include "shell/UntAboutDlg.h"
#include "shell/UntDelTables.h"
#include "shell/UntKatoxos.h"
#include "shell/UntMain.h"
#include "shell/UntRythmiseis.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QPointer>
#include <QProgressBar>
#include <QVBoxLayout>

namespace dorvani {

namespace {

QPointer<Housekeeping> g_housekeeping;

QString shown(const QString &path) { return QDir::toNativeSeparators(path); }

void letThrough() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

} // namespace

// ---------------------------------------------------------------- progress window

TCopyProgressDlg::TCopyProgressDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName("CopyProgressDlg");
    setWindowTitle("Παρακαλώ περιμένετε να ολοκληρωθεί η αντιγραφή των αρχείων");
    setModal(false);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    ProgBar = new QProgressBar(this);
    ProgBar->setObjectName("ProgBar");
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ProgBar);
    setMinimumWidth(460);
}

void TCopyProgressDlg::begin()
{
    Label1->clear();
    ProgBar->setRange(0, 100);
    ProgBar->setValue(0);
    if (parentWidget() && parentWidget()->isVisible())
        move(parentWidget()->geometry().center() - rect().center());
    show();
    raise();
    letThrough();
}

void TCopyProgressDlg::fileStarted(const QString &file, int index, int count)
{
    Label1->setText(QString("Αντιγραφή του αρχείου %1 (%2 από %3)").arg(file).arg(index + 1).arg(count));
    ProgBar->setRange(0, 100);
    ProgBar->setValue(0);
    letThrough();
}

void TCopyProgressDlg::pages(int done, int total)
{
    ProgBar->setRange(0, qMax(1, total));
    ProgBar->setValue(qBound(0, done, qMax(1, total)));
    letThrough();
}

void TCopyProgressDlg::end() { hide(); }

// ---------------------------------------------------------------- the commands

Housekeeping::Housekeeping(TMainFrm &main, TDataMdl &dm) : QObject(&main), m_main(main), m_dm(dm)
{
    setObjectName("Housekeeping");
    m_progress = new TCopyProgressDlg(&main);
    m_delTables = new TDelTablesDlg(&main);
    m_rythmiseis = new TRythmiseisDlg(dm, &main);
    m_katoxos = new TKatoxosDlg(&main);
    m_about = new TAboutDlg(&main);
    g_housekeeping = this;
}

Housekeeping *Housekeeping::instance() { return g_housekeeping; }

QStringList Housekeeping::sharedDatasets()
{
    return {"TblEpagelmata", "TblCelebrities", "TblReminder", "TblNomoi",    "TblDHMOI",
            "TblPOLEIS",     "TblSynypops",    "TblEPARXIES", "TblEthnikothtes", "TblPrinters",
            "TblEpiroes",    "TblPOLITES_SYNYPOPS", "TblPOLITES"};
}

void Housekeeping::reopenShared(TDataMdl &dm)
{
    for (const QString &name : sharedDatasets())
        if (Dataset *d = dm.dataset(name))
            if (!d->active())
                guarded([d] { d->open(); });
}

QString Housekeeping::chooseFolder(const QString &caption, const QString &start)
{
    const QString chosen = ui().chooseFolder(caption, start);
    if (chosen.isEmpty())
        return {};
    const QString folder = QDir(chosen).absolutePath();
    if (!QFileInfo(folder).isDir()) {
        if (!ui().question(QString("Ο φάκελος «%1» δεν υπάρχει.\nΝα δημιουργηθεί;").arg(shown(folder)), "ΕΠΙΒΕΒΑΙΩΣΗ"))
            return {};
        if (!QDir().mkpath(folder)) {
            ui().message(QString("Δεν ήταν δυνατό να δημιουργηθεί ο φάκελος «%1».").arg(shown(folder)), QString(),
                         Ui::Icon::Error);
            return {};
        }
    }
    return folder;
}

CopyHooks Housekeeping::hooks()
{
    CopyHooks h;
    h.confirmOverwrite = [this](const QString &existing) {
        const QFileInfo fi(existing);
        m_progress->hide();
        const bool yes = ui().question(QString("Ο φάκελος «%1» περιέχει ήδη το αρχείο «%2» "
                                               "(τελευταία αλλαγή %3).\n"
                                               "Να αντικατασταθεί με το νέο αρχείο;")
                                           .arg(shown(fi.absolutePath()), fi.fileName(),
                                                fi.lastModified().toString("dd/MM/yyyy HH:mm")),
                                       "ΕΠΙΒΕΒΑΙΩΣΗ");
        return yes;
    };
    h.fileStarted = [this](const QString &file, int index, int count) {
        if (!m_progress->isVisible())
            m_progress->begin();
        m_progress->fileStarted(file, index, count);
    };
    h.pages = [this](int done, int total) { m_progress->pages(done, total); };
    return h;
}

void Housekeeping::backup(bool onExit)
{
    // From the menu a copy of every key and note is for full access only; the copy offered
    // on exit protects the day's work of whoever is leaving.
    if (!onExit && !Access::require())
        return;
    // The copy is made with SQLite's online backup: the datasets need not be closed.
    const QString start = DataFiles::defaultBackupFolder(Clock::today());
    QDir().mkpath(start);
    const QString folder = chooseFolder("ΑΝΤΙΓΡΑΦΗ ΑΡΧΕΙΩΝ (BACKUP)", start);
    if (!folder.isEmpty()) {
        const CopyReport r = DataBackup::run(Store::instance().dataFolder(), folder, hooks());
        m_progress->end();
        if (!r.ok())
            ui().message(r.errors.join("\n\n"), "ΑΝΤΙΓΡΑΦΗ ΑΡΧΕΙΩΝ (BACKUP)", Ui::Icon::Error);
    }
    if (!onExit)
        reopenShared(m_dm);
}

void Housekeeping::restore()
{
    if (!Access::require())
        return;
    if (!m_main.mdiArea()->subWindowList().isEmpty()) {
        ui().message("Κλείστε πρώτα τα ανοικτά παράθυρα του προγράμματος και ξαναδοκιμάστε την επαναφορά "
                     "των αρχείων.",
                     "ΕΠΑΝΑΦΟΡΑ ΑΡΧΕΙΩΝ (RESTORE)", Ui::Icon::Warning);
        return;
    }
    if (!ui().question("Να γίνει η επαναφορά των αρχείων της βάσης;", "ΕΠΙΒΕΒΑΙΩΣΗ", true))
        return;

    // Every connection is closed while the files are replaced; what was open opens again.
    QList<Dataset *> wasOpen;
    for (Dataset *d : m_dm.datasets())
        if (d->active())
            wasOpen << d;

    const QString start = DataFiles::defaultBackupFolder(Clock::today());
    QDir().mkpath(start);
    const QString folder = chooseFolder("ΕΠΑΝΑΦΟΡΑ ΑΡΧΕΙΩΝ (RESTORE)", start);
    if (!folder.isEmpty()) {
        const DataRestore::Report r = DataRestore::run(Store::instance(), folder, DataFiles::keptRoot(), hooks());
        m_progress->end();
        if (r.noDataFiles) {
            ui().message(QString("Ο φάκελος «%1» δεν περιέχει αρχεία δεδομένων του DORVANI (%2).\n"
                                 "Δεν αντιγράφηκε κανένα αρχείο.")
                             .arg(shown(folder), DataFiles::names().join(", ")),
                         "ΕΠΑΝΑΦΟΡΑ ΑΡΧΕΙΩΝ (RESTORE)", Ui::Icon::Warning);
        } else if (!r.ok()) {
            ui().message(r.errors.join("\n\n") + "\n\nΗ επαναφορά δεν έγινε· τα αρχεία της βάσης δεν άλλαξαν.",
                         "ΕΠΑΝΑΦΟΡΑ ΑΡΧΕΙΩΝ (RESTORE)", Ui::Icon::Error);
        } else if (!r.written.isEmpty()) {
            // Keys restored from an older copy are turned into digests at once.
            const QString keysNote = keys::convertClearKeys(Store::instance(), keys::conversionBackupFolder());
            if (!keysNote.isEmpty())
                ui().message(keysNote, "ΕΠΑΝΑΦΟΡΑ ΑΡΧΕΙΩΝ (RESTORE)", Ui::Icon::Warning);
            QString text = "Η επαναφορά των αρχείων ολοκληρώθηκε.";
            if (!r.keptFolder.isEmpty())
                text += QString("\n\nΤα αρχεία που αντικαταστάθηκαν φυλάχτηκαν στο φάκελο «%1»· "
                                "αν η επαναφορά έγινε κατά λάθος, κάντε επαναφορά από εκείνο το φάκελο.")
                            .arg(shown(r.keptFolder));
            ui().message(text, "ΕΠΑΝΑΦΟΡΑ ΑΡΧΕΙΩΝ (RESTORE)", Ui::Icon::Information);
        }
    }
    if (Store::hasInstance()) {
        reopenShared(m_dm);
        for (Dataset *d : wasOpen)
            if (!d->active())
                guarded([d] { d->open(); });
    }
}

void registerHousekeepingScreens(TMainFrm &main, TDataMdl &dm)
{
    auto *h = new Housekeeping(main, dm);
    Screens::add("Backup", [h] { h->backup(false); });
    Screens::add("BackupOnExit", [h] { h->backup(true); });
    Screens::add("Restore", [h] { h->restore(); });
    Screens::add("TDelTablesDlg", [h] { ui().exec(h->delTablesDlg()); });
    Screens::add("TRythmiseisDlg", [h] { ui().exec(h->rythmiseisDlg()); });
    Screens::add("TKatoxosDlg", [h] { ui().exec(h->katoxosDlg()); });
    Screens::add("TAboutDlg", [h] { ui().exec(h->aboutDlg()); });
}

} // namespace dorvani
