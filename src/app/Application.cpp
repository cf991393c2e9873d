#include "app/Application.h"

#include "platform/AppContext.h"
#include "shell/Backup.h"
#include "shell/EntryKeys.h"
#include "data/DataModule.h"
#include "data/DbError.h"
#include "data/GreekRegister.h"
#include "data/LookupIndexes.h"
#include "data/Schema.h"
#include "data/NameDays.h"
#include "data/Vocative.h"
#include "widgets/UntProgress.h"
#include "widgets/QtGreek.h"
#include "widgets/Screens.h"
#include "data/Store.h"
#include "widgets/Ui.h"
#include "shell/UntMain.h"
#include "shell/UntSplash.h"
#include "platform/VerInfo.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QCommandLineParser>
#include <QDir>
#include <QScreen>
#include <QTextStream>

#include <cstdio>

namespace dorvani {

namespace {
// A register made before the lookup indexes gets them now, with the progress shown:
// on a large register this takes a little while, once.
void ensureLookupIndexes(Store &store)
{
    try {
        if (LookupIndexes::missing(store).isEmpty())
            return;
        const bool empty = store.scalar("SELECT COUNT(*) FROM POLITES").toInt() == 0;
        std::unique_ptr<TProgressDlg> progress;
        LookupIndexes::ensure(store, [&](int done, int total) {
            if (empty)
                return;
            if (!progress) {
                progress = std::make_unique<TProgressDlg>();
                progress->BitBtn1->setEnabled(false); // a half-built set of indexes is no use
                progress->begin(total);
                progress->Label1->setText("Προετοιμασία του μητρώου για γρήγορη αναζήτηση...");
            }
            if (done > 0)
                progress->step();
        });
        if (progress)
            progress->end();
    } catch (const DbError &e) {
        // The register works without them, only slower.
        ui().message("Δεν ήταν δυνατό να δημιουργηθούν τα ευρετήρια αναζήτησης: " + e.message(), "DORVANI",
                     Ui::Icon::Warning);
    }
}

// A register written before Greek texts were kept in capitals without tonos gets them so,
// after a copy of its files. False when the copy could not be made (nothing changed).
bool normaliseGreekTexts(Store &store)
{
    // Reading every text of a large register takes a while: the steps are shown.
    std::unique_ptr<TProgressDlg> progress;
    if (store.scalar("SELECT COUNT(*) FROM POLITES").toInt() > 0) {
        progress = std::make_unique<TProgressDlg>();
        progress->BitBtn1->setEnabled(false); // half the texts in their new form is no use
        progress->begin(3);
        progress->Label1->setText("Έλεγχος των ελληνικών κειμένων του μητρώου...");
    }
    struct End {
        std::unique_ptr<TProgressDlg> &p;
        ~End()
        {
            if (p)
                p->end();
        }
    } end{progress};
    if (greekregister::rowsToChange() == 0)
        return true;
    if (progress) {
        progress->step();
        progress->Label1->setText("Αντίγραφο ασφαλείας των αρχείων δεδομένων...");
    }
    const QString folder = QDir(AppPaths::backup())
                               .filePath("BeforeGreekCapitals/" + Clock::now().toString("yyyyMMdd_HHmmss"));
    const CopyReport copy = DataBackup::run(store.dataFolder(), folder);
    if (!copy.ok()) {
        progress.reset();
        ui().message("Δεν ήταν δυνατό να ληφθεί αντίγραφο ασφαλείας των αρχείων δεδομένων, γι' αυτό τα ονόματα του "
                         "μητρώου δεν γράφτηκαν ακόμη με κεφαλαία χωρίς τόνους:\n"
                         + copy.errors.join("\n"),
                     "DORVANI", Ui::Icon::Warning);
        return false;
    }
    if (progress) {
        progress->step();
        progress->Label1->setText("Τα ελληνικά κείμενα του μητρώου γράφονται με κεφαλαία χωρίς τόνους...");
    }
    const greekregister::Result r = greekregister::normalise();
    if (progress) {
        progress->step();
        progress->end();
        progress.reset();
    }
    QString text = QString("Τα ελληνικά κείμενα του μητρώου γράφτηκαν με κεφαλαία χωρίς τόνους.\n"
                           "Άλλαξαν %1 εγγραφές.")
                       .arg(r.changed);
    if (r.kept > 0)
        text += QString("\n%1 εγγραφές έμειναν όπως ήταν, γιατί το ίδιο όνομα υπάρχει ήδη γραμμένο σωστά.").arg(r.kept);
    text += QString("\nΑντίγραφο των αρχείων πριν από την αλλαγή: «%1».").arg(QDir::toNativeSeparators(folder));
    ui().message(text, "DORVANI");
    return true;
}

// What a register needs once, the first time this version of the program opens it.
void firstStartOfVersion(Store &store, bool starterData)
{
    if (store.fileVersion() >= Schema::version && !store.createdNew())
        return;
    try {
        if (!store.createdNew() && !normaliseGreekTexts(store))
            return; // tried again on the next start
        if (starterData) {
            vocative::addStarterNamesWhenEmpty();
            namedays::addStarterFeastsWhenEmpty();
        }
        store.setFileVersion(Schema::version);
    } catch (const DbError &e) {
        ui().message("Δεν ήταν δυνατό να ολοκληρωθεί η προετοιμασία του μητρώου: " + e.message(), "DORVANI",
                     Ui::Icon::Warning);
    }
}
} // namespace

Application::Application() = default;

Application::~Application() { shutDown(); }

bool Application::startUp(const Options &options)
{
    AppPaths::setHome(options.home);
    if (!AppPaths::ensureFolders()) {
        ui().message(QString("Δεν ήταν δυνατό να δημιουργηθούν οι φάκελοι του προγράμματος στο «%1».")
                         .arg(QDir::toNativeSeparators(AppPaths::home())),
                     QString(), Ui::Icon::Error);
        return false;
    }
    m_store = std::make_unique<Store>();
    try {
        m_store->open(AppPaths::db(), DataFiles::keptRoot());
    } catch (const DbError &e) {
        m_store.reset();
        ui().message(e.message() + "\n\nΤο πρόγραμμα θα τερματιστεί.", "DORVANI", Ui::Icon::Error);
        return false;
    }
    // A damaged page found by the check that reads the whole files beside the start ends
    // the program with the refusal of a damaged file; no write has been let through.
    QObject::connect(m_store.get(), &Store::pageCheckFailed, m_store.get(), [this](const QString &problem) {
        ui().message(problem + "\n\nΤο πρόγραμμα θα τερματιστεί.", "DORVANI", Ui::Icon::Error);
        if (m_main)
            m_main->endProgram();
    });
    if (!m_store->startNote().isEmpty())
        ui().message(m_store->startNote(), "ΕΠΑΝΑΦΟΡΑ ΑΡΧΕΙΩΝ (RESTORE)", Ui::Icon::Warning);
    // Keys kept as typed by an older register become digests now, after a copy of their file.
    const QString keysProblem = keys::convertClearKeys(*m_store, keys::conversionBackupFolder());
    if (!keysProblem.isEmpty())
        ui().message("Δεν ήταν δυνατό να κρυπτογραφηθούν τα κλειδιά εισόδου: " + keysProblem, "DORVANI",
                     Ui::Icon::Warning);

    ensureLookupIndexes(*m_store);
    firstStartOfVersion(*m_store, options.starterData);

    // The data module is created right after the main window; the window needs it, so
    // both exist before either is used.
    m_dm = std::make_unique<TDataMdl>();
    m_main = std::make_unique<TMainFrm>(*m_dm);
    if (options.splash) {
        auto *splash = new TAboutBox();
        ui().exec(splash);
        delete splash;
    }
    Screens::clear();
    registerScreens(*m_main, *m_dm);
    m_main->updateCommands();
    if (options.show) {
        // Without a window manager "maximised" means nothing: take the screen ourselves.
        if (QScreen *s = QGuiApplication::primaryScreen())
            m_main->setGeometry(s->availableGeometry());
        m_main->showMaximized();
    }
    return true;
}

void Application::shutDown()
{
    m_main.reset();
    m_dm.reset();
    Screens::clear();
    if (m_store)
        m_store->close();
    m_store.reset();
}

namespace {
// Whether the command line asks for the copy without a window.
bool wantsBackup(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--backup") == 0 || qstrncmp(argv[i], "--backup=", 9) == 0)
            return true;
    return false;
}

QCommandLineOption homeOption()
{
    return QCommandLineOption("home", "Ο φάκελος του προγράμματος (Db, Backup, Entypa, LabelTemplates, Tel_Docs).",
                              "DIR");
}

QCommandLineOption backupOption()
{
    return QCommandLineOption("backup",
                              "Αντιγραφή των αρχείων της βάσης στο φάκελο, χωρίς παράθυρο (τα υπάρχοντα αρχεία "
                              "αντικαθίστανται).",
                              "TARGET_FOLDER");
}

// dorvani --home DIR --backup TARGET: the consistent copy of the data files, no window.
int backupMain(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    installQtGreek(app);
    QCoreApplication::setApplicationName("DORVANI");
    QCoreApplication::setOrganizationName("Dorvani");
    QCommandLineParser parser;
    const QCommandLineOption homeOpt = homeOption(), backupOpt = backupOption();
    parser.addOption(homeOpt);
    parser.addOption(backupOpt);
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fputs((parser.errorText() + '\n').toUtf8().constData(), stderr);
        return 2;
    }
    return backupFromCommandLine(parser.value(homeOpt), parser.value(backupOpt));
}
} // namespace

int Application::main(int argc, char **argv)
{
    if (wantsBackup(argc, argv))
        return backupMain(argc, argv);
    QApplication app(argc, argv);
    installQtGreek(app);
    QApplication::setApplicationName("DORVANI");
    QApplication::setOrganizationName("Dorvani");
    QApplication::setApplicationVersion(TVerInfoRes::versionText());

    QCommandLineParser parser;
    parser.setApplicationDescription("DORVANI");
    const QCommandLineOption homeOpt = homeOption();
    QCommandLineOption versionOpt("version", "Η έκδοση του προγράμματος.");
    parser.addOption(homeOpt);
    parser.addOption(backupOption());
    parser.addOption(versionOpt);
    parser.addHelpOption();
    parser.process(app);

    if (parser.isSet(versionOpt)) {
        std::fputs((TVerInfoRes::versionText() + '\n').toUtf8().constData(), stdout);
        return 0;
    }

    Application program;
    Options o;
    o.home = parser.value(homeOpt);
    if (!program.startUp(o))
        return 1;
    QObject::connect(program.mainFrm(), &TMainFrm::programEnded, &app, &QApplication::quit, Qt::QueuedConnection);
    return app.exec();
}

} // namespace dorvani
