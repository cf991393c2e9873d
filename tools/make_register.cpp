// dorvani-make-register --home DIR --citizens N [--seed S] [--no-settings]
// Fills an empty program folder with a synthetic register.
#include "platform/AppContext.h"
#include "RegisterGenerator.h"
#include "data/Store.h"
#include "data/LookupIndexes.h"
#include "data/SafeFiles.h"

#include <QDir>
#include <QFileInfo>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("dorvani-make-register");
    QCommandLineParser parser;
    parser.setApplicationDescription("Δημιουργία δοκιμαστικού μητρώου πολιτών.");
    parser.addHelpOption();
    QCommandLineOption home("home", "Ο φάκελος του προγράμματος.", "DIR");
    QCommandLineOption citizens("citizens", "Το πλήθος των πολιτών.", "N", "100000");
    QCommandLineOption seed("seed", "Ο σπόρος της τυχαιότητας.", "S", "1");
    QCommandLineOption noSettings("no-settings", "Χωρίς εγγραφή των ρυθμίσεων (νομός, Ν.Ο., συνυποψήφιος).");
    parser.addOptions({home, citizens, seed, noSettings});
    parser.process(app);

    using namespace dorvani;
    if (!parser.isSet(home)) {
        std::fputs("Δώστε τον φάκελο του προγράμματος με --home.\n", stderr);
        return 2;
    }
    bool ok1 = false, ok2 = false;
    tools::GeneratorOptions o;
    o.citizens = parser.value(citizens).toInt(&ok1);
    o.seed = parser.value(seed).toULongLong(&ok2);
    o.writeSettings = !parser.isSet(noSettings);
    if (!ok1 || !ok2 || o.citizens < 0) {
        std::fputs("Το πλήθος και ο σπόρος πρέπει να είναι ακέραιοι αριθμοί.\n", stderr);
        return 2;
    }
    AppPaths::setHome(parser.value(home));
    AppPaths::ensureFolders();
    QElapsedTimer t;
    t.start();
    // A folder without a register is filled in a work folder beside it, whose files move
    // into place only when complete: a run cut short leaves the data folder as it was, and
    // the next run starts that work afresh. A register already in place is filled directly.
    const QString db = AppPaths::db();
    const bool inPlace = QFileInfo::exists(QDir(db).filePath(Store::mainFileName))
        || QFileInfo::exists(QDir(db).filePath(Store::passFileName));
    const QString work = QDir(db).filePath(".generating");
    if (!inPlace)
        QDir(work).removeRecursively();
    int n = 0;
    try {
        Store store;
        store.open(inPlace ? db : work);
        n = tools::generateRegister(o, [&](int done, int total) {
            std::fprintf(stdout, "\r%d / %d πολίτες (%.0f s)", done, total, t.elapsed() / 1000.0);
            std::fflush(stdout);
        });
        // The lookup indexes are built once at the end, faster than row by row.
        LookupIndexes::ensure(store);
        store.close();
        if (!inPlace) {
            // As a first start does: the keys' file waits under its temporary name until the
            // main file is in place, and the next open finishes a move cut short between.
            const QString mainFile = QDir(db).filePath(Store::mainFileName);
            const QString passFile = QDir(db).filePath(Store::passFileName);
            const bool moved = safefiles::replace(QDir(work).filePath(Store::passFileName), Store::pendingName(passFile))
                && safefiles::replace(QDir(work).filePath(Store::mainFileName), mainFile);
            Store::crashPoint("generator-main-in-place");
            if (!moved || !safefiles::replace(Store::pendingName(passFile), passFile))
                throw DbError(QString("Δεν ήταν δυνατό να μεταφερθούν τα αρχεία του μητρώου στο φάκελο «%1».")
                                  .arg(QDir::toNativeSeparators(db)));
            safefiles::syncFolder(db);
            QDir(work).removeRecursively();
        }
    } catch (const DbError &e) {
        std::fprintf(stderr, "\n%s\n", e.message().toUtf8().constData());
        return 1;
    }
    std::fprintf(stdout, "\nΓράφτηκαν %d πολίτες σε %.1f s στο %s\n", n, t.elapsed() / 1000.0,
                 qPrintable(QDir(db).filePath(Store::mainFileName)));
    return 0;
}
