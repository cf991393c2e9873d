// Benchmarks of the register's main paths on an existing program folder (for example one
// filled by dorvani-make-register):
//   build/dorvani-bench --home DIR [--runs N]
// Saving writes citizens; run it on a copy of a register you keep. The label case leaves
// labels-3x7.pdf and labels-2x8.pdf in DIR.
#include "BenchHarness.h"
#include "BenchLetters.h"
#include "BenchSearches.h"
#include "BenchStatistics.h"

#include "platform/AppContext.h"
#include "citizens/CitizenStore.h"
#include "data/DataModule.h"
#include "data/GreekRegister.h"
#include "data/NameDays.h"
#include "widgets/DbControls.h"
#include "data/Store.h"
#include "data/LookupIndexes.h"
#include "search/ResultFields.h"
#include "citizens/UntLISTAPOL.h"
#include "search/UntPedia.h"
#include "search/UntPrnPedia.h"
#include "search/UntSearchRes.h"
#include "search/Labels.h"
#include "platform/Printing.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QHeaderView>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>

#include <sqlite3.h>

using namespace dorvani;
using namespace dorvani::bench;

namespace {

const QList<DatasetModel::Column> resultColumns = {
    {"EPITHETO", "ΕΠΙΘΕΤΟ", 120},   {"ONOMA", "ΟΝΟΜΑ", 90},          {"PATR", "ΠΑΤΡ.", 90},
    {"ADDRESS", "ΔΙΕΥΘΥΝΣΗ", 150}, {"POLHNAME", "ΠΟΛΗ", 120},        {"DHMOSNAME", "ΔΗΜΟΣ", 120},
    {"NOMOSNAME", "ΝΟΜΟΣ", 100},   {"TELO_1", "ΤΗΛ.", 90},           {"SXESHStr", "ΣΧΕΣΗ", 90},
    {"KOMAStr", "ΚΟΜΜΑ", 110},     {"EPAFHStr", "ΕΠΑΦΕΣ", 110},      {"EpirohStr", "ΕΠΙΡΡΟΗ", 110},
    {"ASKHSHNAME", "ΑΣΚΗΣΗ", 150}, {"TOT_PSHFOI", "ΣΥΝΟΛΟ", 60}};

// The rows the raw engine steps for a first screen.
constexpr int screenRows = 30;

// Steps the first rows of a statement straight through SQLite, reading every column.
double rawFirstScreen(const QString &file, const QString &sql, int rows)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    QElapsedTimer t;
    t.start();
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr);
    int n = 0;
    while (n < rows && sqlite3_step(st) == SQLITE_ROW) {
        for (int c = 0; c < sqlite3_column_count(st); ++c)
            (void)sqlite3_column_text(st, c);
        ++n;
    }
    sqlite3_finalize(st);
    const double ms = t.nsecsElapsed() / 1e6;
    sqlite3_close(db);
    return ms;
}

CitizenRecord benchCitizen(int i)
{
    CitizenRecord r;
    r.fields = {{"EPITHETO", QString("ΔΟΚΙΜΑΣΤΙΚΟΣ%1").arg(i)},
                {"ONOMA", "ΓΕΩΡΓΙΟΣ"},
                {"PATR", "ΝΙΚΟΛΑΟΣ"},
                {"ADDRESS", "ΑΘΗΝΑΣ 12"},
                {"TELO_1", "2710123456"},
                {"SXESH", 1},
                {"KOMA", 3},
                {"EPAFES", "0,2"},
                {"AVOTE", 3},
                {"PVOTE", 4},
                {"BIRTHDAY", "05/03/1961"},
                {"CELEBRDAY", "23/04"}};
    r.votes = CitizenStore::coCandidates();
    if (!r.votes.isEmpty())
        r.votes[0].votes = 7;
    r.notes.requests = "ΜΕΤΑΘΕΣΗ";
    return r;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The settings the screens read are the benchmark's own, not the user's.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QApplication app(argc, argv);
    QCommandLineParser parser;
    QCommandLineOption home("home", "The program folder of the register.", "DIR");
    QCommandLineOption runs("runs", "How many times each case runs.", "N", "5");
    QCommandLineOption lettersOnly("letters", "Only the letter run.");
    QCommandLineOption statisticsOnly("statistics", "Only the vote statistics.");
    QCommandLineOption greekOnly("greek", "Only the Greek text check and the name days of a year.");
    parser.addOptions({home, runs, lettersOnly, statisticsOnly, greekOnly});
    parser.addHelpOption();
    parser.process(app);
    if (!parser.isSet(home)) {
        std::fputs("--home DIR is needed\n", stderr);
        return 2;
    }
    const int times = qMax(1, parser.value(runs).toInt());
    AppPaths::setHome(parser.value(home));
    Store store;
    store.open(AppPaths::db());
    LookupIndexes::ensure(store);
    TDataMdl dm;
    const int citizens = store.scalar("SELECT COUNT(*) FROM POLITES").toInt();
    std::printf("register: %d citizens in %s\n\n", citizens, qPrintable(store.mainFile()));
    {
        // What every start does before the window shows: both files checked, every page read.
        const Timing check = measure(
            [&] {
                Store::checkFile(store.mainFile(), false, false);
                Store::checkFile(store.passFile(), true, false);
            },
            times);
        report("The start's check of the data files (every page read)", check);
        std::printf("\n");
    }
    if (parser.isSet(lettersOnly)) {
        benchLetters(times);
        return 0;
    }
    if (parser.isSet(statisticsOnly)) {
        dorvani::bench::benchStatistics(times);
        return 0;
    }
    if (parser.isSet(greekOnly)) {
        std::printf("The first start of an older register reads every text once to find those to rewrite\n");
        int pending = 0;
        report("texts not in their stored form (scan)", measure([&] { pending = greekregister::rowsToChange(); }, times));
        std::printf("%d rows to rewrite\n\n", pending);
        std::printf("Name days of a year, from the calendar\n");
        report("today's names (moving feasts placed)", measure([] { namedays::namesOn(QDate(2024, 5, 6)); }, times));
        report("name-day range of the search, 20/04 to 10/05",
               measure([] { SearchBuilder::nameDayCondition(QDate(2003, 4, 20), QDate(2003, 5, 10), 2024); }, times));
        return 0;
    }

    // ---- searches up to their first screen, beside the raw engine
    std::printf("Citizen search up to its first screen of %d rows: the data path (the statement run, the\n"
                "rows read with every derived field) beside the raw engine stepping the same rows of the\n"
                "same statement, and the whole results screen shown (totals still counting when large)\n",
                screenRows);
    TPediaDlg pedia;
    TPrnPEDIADlg printChooser;
    TSearchResDlg results(dm, &pedia, &printChooser);
    results.resize(1200, 800);
    // The columns an office commonly shows: names, address, town, telephone, votes.
    const QStringList fields = results::fields();
    for (int i = 0; i < pedia.ChkPedia->count(); ++i) {
        const QString f = fields.value(i);
        const bool shown = QStringList{"EPITHETO", "ONOMA", "PATR", "ADDRESS", "TK", "POLHNAME", "DHMOSNAME",
                                       "TELO_1", "MOBILE1", "SXESHStr", "KOMAStr", "AVOTE", "PVOTE", "TOT_PSHFOI"}
                               .contains(f, Qt::CaseInsensitive);
        pedia.ChkPedia->item(i)->setCheckState(shown ? Qt::Checked : Qt::Unchecked);
    }
    auto firstScreen = [&](const BuiltSearch &b) {
        dm.SearchQry->close();
        dm.SearchQry->setSql(b.sqlLines());
        dm.SearchQry->open();
        results.fill(fields, b.description);
        results.show();
        results.grab(); // the first screen painted
        for (int row = 0; row < screenRows; ++row)
            for (int f = 0; f < dm.SearchQry->fieldCount(); ++f)
                dm.SearchQry->valueAt(row, f);
    };
    auto firstRows = [&](const BuiltSearch &b) {
        dm.SearchQry->close();
        dm.SearchQry->setSql(b.sqlLines());
        dm.SearchQry->open();
        dm.SearchQry->rowsAvailable(screenRows);
        for (int row = 0; row < screenRows; ++row)
            for (int f = 0; f < dm.SearchQry->fieldCount(); ++f)
                dm.SearchQry->valueAt(row, f);
    };
    std::printf("%s %12s %12s %7s %12s\n", column("").constData(), "data path", "raw SQLite", "ratio", "screen");
    for (const BenchSearch &s : benchSearches()) {
        const BuiltSearch b = SearchBuilder::build(s.criteria);
        const Timing data = measure([&] { firstRows(b); }, times);
        const QString executed = Store::normaliseSql(b.sql());
        const Timing raw = measure([&] { rawFirstScreen(store.mainFile(), executed, screenRows); }, times);
        const Timing screen = measure([&] { firstScreen(b); }, times);
        std::printf("%s %9.2f ms %9.2f ms %7.2f %9.2f ms\n", column(s.name).constData(), data.median, raw.median,
                    raw.median > 0 ? data.median / raw.median : 0.0, screen.median);
    }
    results.hide();

    std::printf("\nCount and vote sums of a result, in one pass of SQL over its rows\n");
    for (const BenchSearch &s : benchSearches()) {
        const BuiltSearch b = SearchBuilder::build(s.criteria);
        const Timing t = measure(
            [&] {
                dm.SearchQry->close();
                dm.SearchQry->setSql(b.sqlLines());
                dm.SearchQry->open();
                dm.SearchQry->aggregate({"COALESCE(SUM(AVOTE),0)", "COALESCE(SUM(PVOTE),0)",
                                         "COALESCE(SUM(COALESCE(AVOTE,0) + COALESCE(PVOTE,0)),0)"});
            },
            times);
        report(s.name, t);
    }

    DBGrid grid;
    grid.resize(1200, 30 * (grid.verticalHeader()->defaultSectionSize()) + 40);
    grid.setDataset(dm.SearchQry, resultColumns);

    // ---- the citizen list and a result of every citizen
    std::printf("\nOpening\n");
    TLISTAPOLDlg list(dm);
    const Timing listOpen = measure(
        [&] {
            list.hide();
            dm.TblPOLITES->close();
            dm.TblPOLITES->open();
            list.show();
            list.grab();
        },
        times);
    report("citizen list, first screen", listOpen);
    const Timing listEnd = measure(
        [&] {
            list.DBGrid1->scrollToBottom();
            list.grab();
            list.DBGrid1->scrollToTop();
            list.grab();
        },
        times);
    report("citizen list, to the last screen and back", listEnd);
    list.hide();

    const Timing everyone = measure(
        [&] {
            dm.SearchQry->close();
            dm.SearchQry->setSql("Select * From POLITES");
            dm.SearchQry->open();
            grid.setDataset(dm.SearchQry, resultColumns);
            grid.grab();
            store.scalar("SELECT COUNT(*) FROM (Select * From POLITES)");
        },
        times);
    report("result of every citizen, first screen and count", everyone);
    const Timing scroll = measure(
        [&] {
            grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum() / 2);
            grid.grab();
            grid.scrollToBottom();
            grid.grab();
        },
        times);
    report("result of every citizen, to the middle and the end", scroll);
    std::printf("%s %9.1f MB\n", column("peak memory with a result of every citizen shown").constData(), peakMemoryMb());

    // ---- labels: ten thousand citizens of a search read row by row as their labels are drawn
    // into a PDF file of 3 x 7 labels a sheet, as a label run does.
    {
        std::printf("\nLabels\n");
        labels::LabelType sheet;
        sheet.name = "A4 3x7";
        sheet.leftMargin = 0.2;
        sheet.topMargin = 7.1;
        sheet.width = 63.5;
        sheet.height = 38.1;
        sheet.spaceX = 2.5;
        sheet.columns = 3;
        const QStringList text = {"ΠΡΟΣ: #Επώνυμο# #Όνομα#", "#Διεύθυνση#", "#Τ.Κ.# #Πόλη#", "#Νομός#"};
        int drawn = 0;
        const Timing run = measure(
            [&] {
                dm.SearchQry->close();
                dm.SearchQry->setSql(QStringList{"Select * From POLITES Order By EPITHETO, ONOMA LIMIT 10000"});
                dm.SearchQry->open();
                dm.SearchQry->first();
                bool started = false;
                printToPdf(QDir(AppPaths::home()).filePath("labels-3x7.pdf"), "ΕΤΙΚΕΤΕΣ", [&](PageSink &sink) {
                    sink.setFont(QFont("Courier", 10));
                    drawn = labels::drawLabels(sink, sheet, labels::LabelK, 0, [&](QStringList *lines) {
                        if (started)
                            dm.SearchQry->next();
                        started = true;
                        if (dm.SearchQry->eof())
                            return false;
                        *lines = labels::substitute(text, [&](const QString &f) { return dm.SearchQry->text(f); });
                        return true;
                    }).labels;
                });
            },
            qMin(times, 3));
        std::printf("%s %9.2f ms  (best %.2f, worst %.2f; %d labels, %d pages, peak memory %.0f MB)\n",
                    column(QString::number(drawn) == "10000" ? "10,000 labels to PDF" : "labels to PDF").constData(),
                    run.median, run.best, run.worst, drawn, labels::pageCount(sheet, drawn), peakMemoryMb());
        std::fflush(stdout);
        // A second sheet, two pages of 2 x 8, left beside the first in the program folder to look at.
        labels::LabelType two = sheet;
        two.name = "A4 2x8";
        two.leftMargin = 0;
        two.topMargin = 4.9;
        two.width = 99.1;
        two.height = 33.9;
        two.columns = 2;
        dm.SearchQry->first();
        int left = 20;
        bool started = false;
        printToPdf(QDir(AppPaths::home()).filePath("labels-2x8.pdf"), "ΕΤΙΚΕΤΕΣ", [&](PageSink &sink) {
            sink.setFont(QFont("Courier", 10));
            labels::drawLabels(sink, two, labels::LabelK, 0, [&](QStringList *lines) {
                if (started)
                    dm.SearchQry->next();
                started = true;
                if (left-- <= 0 || dm.SearchQry->eof())
                    return false;
                *lines = labels::substitute(text, [&](const QString &f) { return dm.SearchQry->text(f); });
                return true;
            });
        });
        dm.SearchQry->close();
    }

    // ---- saving (durable: each save is its own committed transaction); the result grid
    // is put away first, as no citizen is saved while a result is on screen.
    grid.hide();
    std::printf("\nSaving\n");
    static int serial = 0;
    const Timing saveNew = measure([&] { CitizenStore::insert(benchCitizen(++serial)); }, times * 4);
    report("new citizen with co-candidate rows and notes", saveNew);
    const int last = store.scalar("SELECT MAX(AUTONUM) FROM POLITES").toInt();
    const Timing saveChanged = measure(
        [&] {
            CitizenRecord r = benchCitizen(++serial);
            r.autonum = last;
            CitizenStore::update(r, 0);
        },
        times * 4);
    report("changed citizen with co-candidate rows and notes", saveChanged);
    // The citizens this run wrote are removed again.
    store.exec("DELETE FROM POLITES_Synypops WHERE POLITESID IN (SELECT AUTONUM FROM POLITES WHERE EPITHETO LIKE "
               "'ΔΟΚΙΜΑΣΤΙΚΟΣ%')");
    store.exec("DELETE FROM SpecialNotes WHERE POLITES_ID IN (SELECT AUTONUM FROM POLITES WHERE EPITHETO LIKE "
               "'ΔΟΚΙΜΑΣΤΙΚΟΣ%')");
    store.exec("DELETE FROM POLITES WHERE EPITHETO LIKE 'ΔΟΚΙΜΑΣΤΙΚΟΣ%'");

    benchLetters(times);
    dorvani::bench::benchStatistics(times);
    return 0;
}
