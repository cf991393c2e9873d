#include "data/Store.h"

#include "data/GreekText.h"
#include "data/RestoreJournal.h"
#include "data/SafeFiles.h"
#include "data/ValidText.h"
#include "data/Schema.h"
#include "data/SqlText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>
#include <QPointer>
#include <QUuid>

#include <sqlite3.h>
#include <unistd.h>

namespace dorvani {

namespace {

Store *g_instance = nullptr;

const char *connName(Store::Conn c) { return c == Store::Main ? Store::mainConnection : Store::passConnection; }

QString engineText(const QSqlError &e)
{
    QString t = e.databaseText().trimmed();
    if (t.isEmpty())
        t = e.text().trimmed();
    return t;
}

DbError errorFor(const QSqlError &e)
{
    const QString text = engineText(e);
    if (text.contains("UNIQUE constraint failed", Qt::CaseInsensitive)) {
        QString where = text.section(':', 1).trimmed();
        return DbError(QString("Παραβίαση κλειδιού: υπάρχει ήδη εγγραφή με τα ίδια στοιχεία (%1).").arg(where),
                       DbError::KeyViolation);
    }
    return DbError(text);
}

int greekCollate(void *, int n1, const void *p1, int n2, const void *p2)
{
    const QString a = QString::fromRawData(static_cast<const QChar *>(p1), n1 / 2);
    const QString b = QString::fromRawData(static_cast<const QChar *>(p2), n2 / 2);
    return greekCompare(a, b);
}

void greekUpperFn(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    if (argc != 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto *data = static_cast<const QChar *>(sqlite3_value_text16(argv[0]));
    const int bytes = sqlite3_value_bytes16(argv[0]);
    const QString up = greekUpper(QString(data, bytes / 2));
    sqlite3_result_text16(ctx, up.utf16(), int(up.size() * 2), SQLITE_TRANSIENT);
}

void greekKeyFn(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    if (argc != 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto *data = static_cast<const QChar *>(sqlite3_value_text16(argv[0]));
    const int bytes = sqlite3_value_bytes16(argv[0]);
    const QString key = greekFoldKey(QString(data, bytes / 2));
    sqlite3_result_text16(ctx, key.utf16(), int(key.size() * 2), SQLITE_TRANSIENT);
}

} // namespace

QString sqlQuote(const QString &text) { return '\'' + validUnicode(text).replace('\'', "''") + '\''; }

Store::Store(QObject *parent) : QObject(parent) {}

Store::~Store()
{
    close();
}

Store &Store::instance()
{
    if (!g_instance)
        throw DbError("Η βάση δεδομένων δεν είναι ανοικτή.");
    return *g_instance;
}

bool Store::hasInstance() { return g_instance != nullptr; }

QString Store::mainFile() const { return QDir(m_folder).filePath(mainFileName); }
QString Store::passFile() const { return QDir(m_folder).filePath(passFileName); }

void Store::registerGreek(QSqlDatabase &db)
{
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return;
    sqlite3 *h = *static_cast<sqlite3 *const *>(v.data());
    if (!h)
        return;
    sqlite3_create_collation(h, "GREEK", SQLITE_UTF16, nullptr, greekCollate);
    sqlite3_create_function(h, "GREEK_UPPER", 1, SQLITE_UTF16 | SQLITE_DETERMINISTIC, nullptr, greekUpperFn,
                            nullptr, nullptr);
    sqlite3_create_function(h, "GREEK_KEY", 1, SQLITE_UTF16 | SQLITE_DETERMINISTIC, nullptr, greekKeyFn,
                            nullptr, nullptr);
}

void Store::openConnection(Conn c, const QString &file)
{
    QSqlDatabase d = QSqlDatabase::addDatabase("QSQLITE", connName(c));
    d.setDatabaseName(file);
    d.setConnectOptions("QSQLITE_BUSY_TIMEOUT=5000");
    if (!d.open()) {
        const QString err = engineText(d.lastError());
        d = QSqlDatabase();
        QSqlDatabase::removeDatabase(connName(c));
        throw DbError(QString("Δεν ήταν δυνατό να ανοίξει το αρχείο δεδομένων «%1»: %2").arg(file, err),
                      DbError::Damaged);
    }
    registerGreek(d);
    m_db[c] = d;
    QSqlQuery q(d);
    const QStringList pragmas =
        c == Main ? QStringList{"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL", "PRAGMA foreign_keys=OFF",
                                "PRAGMA cache_size=-32768", "PRAGMA temp_store=MEMORY"}
                  : QStringList{"PRAGMA journal_mode=DELETE", "PRAGMA synchronous=FULL", "PRAGMA secure_delete=ON"};
    for (const QString &p : pragmas)
        q.exec(p);
}

#ifdef DORVANI_CRASH_POINTS
void Store::crashPoint(const char *step)
{
    static const QByteArray wanted = qgetenv("DORVANI_CRASH_AT");
    if (!wanted.isEmpty() && wanted == step)
        ::_exit(70);
}
#endif

namespace {

// Creates a new database file under a temporary name with the tables of one connection
// and closes it again; an earlier half-made file of that name is replaced.
void createFileAt(const QString &path, bool passwordsFile)
{
    for (const QString &f : {path, path + "-journal", path + "-wal", path + "-shm"})
        QFile::remove(f);
    const QString name = "create-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QString error;
    {
        QSqlDatabase d = QSqlDatabase::addDatabase("QSQLITE", name);
        d.setDatabaseName(path);
        if (!d.open()) {
            error = engineText(d.lastError());
        } else {
            QSqlQuery q(d);
            auto run = [&](const QString &sql) {
                if (error.isEmpty() && !q.exec(sql))
                    error = engineText(q.lastError());
            };
            run("PRAGMA journal_mode=DELETE");
            run("PRAGMA synchronous=FULL");
            run(QString("PRAGMA application_id=%1").arg(Schema::applicationId));
            run(QString("PRAGMA user_version=%1").arg(Schema::version));
            Store::crashPoint(passwordsFile ? "create-pass-begin" : "create-main-begin");
            run("BEGIN");
            for (const TableDef &t : Schema::tables()) {
                if (t.ownFile != passwordsFile)
                    continue;
                for (const QString &s : t.createStatements())
                    run(s);
            }
            Store::crashPoint(passwordsFile ? "create-pass-tables" : "create-main-tables");
            if (error.isEmpty())
                run("COMMIT");
            else
                q.exec("ROLLBACK");
            q = QSqlQuery();
            d.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    safefiles::ownerOnly(path);
    if (!error.isEmpty()) {
        QFile::remove(path);
        throw DbError(QString("Δεν ήταν δυνατό να δημιουργηθεί το αρχείο δεδομένων «%1»: %2")
                          .arg(QDir::toNativeSeparators(path), error));
    }
}

} // namespace

QString Store::pendingName(const QString &file) { return file + ".new"; }

void Store::open(const QString &dataFolder, const QString &keptRoot)
{
    close();
    m_folder = QDir(dataFolder).absolutePath();
    m_keptRoot = keptRoot;
    m_createdNew = false;
    m_startNote.clear();
    safefiles::makeOwnerFolder(m_folder);
    // A folder or file the program may not write to is not a damaged one: say so before
    // anything else is tried on it.
    const auto readOnly = [](const QString &path, bool folder) {
        return DbError(QString(folder ? "Ο φάκελος δεδομένων «%1» είναι μόνο για ανάγνωση: το πρόγραμμα δεν μπορεί να "
                                        "γράψει σε αυτόν. "
                                      : "Το αρχείο δεδομένων «%1» είναι μόνο για ανάγνωση: το πρόγραμμα δεν μπορεί να "
                                        "γράψει σε αυτό. ")
                               .arg(QDir::toNativeSeparators(path))
                           + "Τα αρχεία της βάσης δεν είναι κατεστραμμένα και δεν άλλαξε τίποτα σε αυτά· δώστε "
                             "δικαίωμα εγγραφής και ξεκινήστε ξανά το πρόγραμμα.",
                       DbError::ReadOnly);
    };
    if (::access(QFile::encodeName(m_folder).constData(), W_OK | X_OK) != 0)
        throw readOnly(m_folder, true);
    for (const QString &file : {mainFile(), passFile()})
        if (QFileInfo::exists(file) && ::access(QFile::encodeName(file).constData(), W_OK) != 0)
            throw readOnly(file, false);
    m_startNote = RestoreJournal::settle(m_folder);
    const QString mainNew = pendingName(mainFile());
    const QString passNew = pendingName(passFile());
    bool mainExists = QFileInfo::exists(mainFile());
    bool passExists = QFileInfo::exists(passFile());

    // A first start renames the main file into place first and the keys' file last, both
    // complete by then: the keys' file waiting beside a main file in place finishes it.
    if (mainExists && !passExists && QFileInfo::exists(passNew)) {
        if (!QFile::rename(passNew, passFile()))
            throw DbError(QString("Δεν ήταν δυνατό να ολοκληρωθεί η δημιουργία του αρχείου «%1».")
                              .arg(QDir::toNativeSeparators(passFile())),
                          DbError::Damaged);
        passExists = true;
    }

    if (!mainExists && !passExists) {
        // The files of a restore cut short are the office's data: never start over them.
        const QStringList copies = RestoreJournal::strayCopies(m_folder);
        if (!copies.isEmpty())
            throw DbError(QString("Ο φάκελος «%1» δεν έχει τα αρχεία της βάσης, αλλά έχει αρχεία μιας επαναφοράς "
                                  "που δεν ολοκληρώθηκε (%2). Δεν δημιουργήθηκε νέα βάση, για να μη χαθούν "
                                  "δεδομένα· επαναφέρετε τα αρχεία από αντίγραφο ασφαλείας.")
                              .arg(QDir::toNativeSeparators(m_folder), copies.join(", ")),
                          DbError::Damaged);
        const QStringList kept = RestoreJournal::keptSets(m_keptRoot);
        if (!kept.isEmpty())
            throw DbError(QString("Ο φάκελος «%1» δεν έχει τα αρχεία της βάσης, ενώ μια επαναφορά φύλαξε αρχεία "
                                  "στο φάκελο «%2». Δεν δημιουργήθηκε νέα βάση, για να μη χαθούν δεδομένα· "
                                  "επαναφέρετε τα αρχεία από εκείνο το φάκελο ή από αντίγραφο ασφαλείας.")
                              .arg(QDir::toNativeSeparators(m_folder), QDir::toNativeSeparators(kept.first())),
                          DbError::Damaged);
        // Nothing in place: only our own half-made files may be here, and they are made anew.
        createFileAt(mainNew, false);
        createFileAt(passNew, true);
        crashPoint("create-before-rename");
        if (!QFile::rename(mainNew, mainFile()))
            throw DbError(QString("Δεν ήταν δυνατό να δημιουργηθεί το αρχείο δεδομένων «%1».")
                              .arg(QDir::toNativeSeparators(mainFile())));
        crashPoint("create-between-renames");
        if (!QFile::rename(passNew, passFile()))
            throw DbError(QString("Δεν ήταν δυνατό να δημιουργηθεί το αρχείο δεδομένων «%1».")
                              .arg(QDir::toNativeSeparators(passFile())));
        crashPoint("create-after-rename");
        try {
            openConnection(Main, mainFile());
            openConnection(Pass, passFile());
        } catch (...) {
            close();
            throw;
        }
        m_createdNew = true;
    } else {
        if (!mainExists || !passExists)
            throw DbError(QString("Λείπει το αρχείο δεδομένων «%1» από το φάκελο «%2». "
                                  "Επαναφέρετε τα αρχεία από αντίγραφο ασφαλείας.")
                              .arg(QDir::toNativeSeparators(mainExists ? passFile() : mainFile()),
                                   QDir::toNativeSeparators(m_folder)),
                          DbError::Damaged);
        for (const auto &[file, isPass] : {std::pair{mainFile(), false}, std::pair{passFile(), true}}) {
            const QString problem = checkFile(file, isPass, false, false);
            if (!problem.isEmpty())
                throw DbError(problem, DbError::Damaged);
        }
        // Files from before are the owner's alone from now on, with what SQLite keeps beside them.
        for (const QString &file : {mainFile(), passFile()}) {
            safefiles::ownerOnly(file);
            for (const QString &c : safefiles::companions(file))
                safefiles::ownerOnly(c);
        }
        try {
            openConnection(Main, mainFile());
            openConnection(Pass, passFile());
        } catch (...) {
            close();
            throw;
        }
    }
    m_open = true;
    g_instance = this;
    try {
        addMissingColumns();
    } catch (...) {
        close();
        throw;
    }
    if (!m_createdNew)
        startPageCheck();
}

void Store::startPageCheck()
{
    // Reading every page of a large register takes seconds: it is done beside the start,
    // and the first write waits for it (awaitPageCheck).
    const QString main = mainFile(), pass = passFile();
    m_pageCheck = std::async(std::launch::async, [main, pass, this] {
                      QString problem = checkFile(main, false, false, true);
                      if (problem.isEmpty())
                          problem = checkFile(pass, true, false, true);
                      if (!problem.isEmpty())
                          QMetaObject::invokeMethod(
                              this, [this, problem] { emit pageCheckFailed(problem); }, Qt::QueuedConnection);
                      return problem;
                  }).share();
}

QString Store::pageCheckResult()
{
    if (!m_pageCheck.valid())
        return {};
    return m_pageCheck.get();
}

void Store::awaitPageCheck()
{
    if (!m_pageCheck.valid())
        return;
    const QString problem = m_pageCheck.get();
    if (!problem.isEmpty())
        throw DbError(problem, DbError::Damaged);
}

void Store::addMissingColumns()
{
    for (const TableDef &t : Schema::tables()) {
        const Conn c = t.ownFile ? Pass : Main;
        QStringList missing;
        for (const FieldDef &f : t.fields)
            if (f.added)
                missing << f.name;
        if (missing.isEmpty())
            continue;
        QSqlQuery info(m_db[c]);
        info.exec(QString("PRAGMA table_info(%1)").arg(sqlIdent(t.name)));
        while (info.next())
            missing.removeAll(info.value(1).toString());
        for (const QString &name : missing)
            exec("ALTER TABLE " + sqlIdent(t.name) + " ADD COLUMN " + TableDef::columnDefinition(*t.field(name)), {}, c);
    }
}

int Store::fileVersion() { return scalar("PRAGMA user_version").toInt(); }

void Store::setFileVersion(int version) { exec(QString("PRAGMA user_version=%1").arg(version)); }

void Store::close()
{
    if (m_open)
        emit aboutToClose(); // background passes stop on it
    if (m_pageCheck.valid())
        m_pageCheck.wait(); // it reads the files: they stay until it is done
    m_pageCheck = {};
    for (Conn c : {Main, Pass}) {
        m_prepared[c].clear();
        if (m_db[c].isValid()) {
            if (m_depth[c] > 0)
                QSqlQuery(m_db[c]).exec("ROLLBACK");
            m_db[c].close();
            m_db[c] = QSqlDatabase();
            QSqlDatabase::removeDatabase(connName(c));
        }
        m_depth[c] = 0;
        m_touched[c].clear();
    }
    m_open = false;
    if (g_instance == this)
        g_instance = nullptr;
}

QSqlDatabase Store::database(Conn c) const
{
    if (!m_open && !m_db[c].isValid())
        throw DbError("Η βάση δεδομένων δεν είναι ανοικτή.");
    return m_db[c];
}

Store::Conn Store::connectionFor(const QString &table)
{
    const TableDef *t = Schema::find(table);
    return t && t->ownFile ? Pass : Main;
}

QSqlQuery Store::exec(const QString &sql, const QVariantList &binds, Conn c, const QHash<QString, QVariant> &named)
{
    QSqlQuery q(database(c));
    q.setForwardOnly(true);
    const QString text = normaliseSql(validUnicode(sql));
    if (!q.prepare(text))
        throw errorFor(q.lastError());
    for (int i = 0; i < binds.size(); ++i)
        q.bindValue(i, validValue(binds[i]));
    for (auto it = named.begin(); it != named.end(); ++it) {
        const QString name = it.key().startsWith(':') ? it.key() : ':' + it.key();
        if (text.contains(name, Qt::CaseInsensitive))
            q.bindValue(name, validValue(it.value()));
    }
    if (isWrite(text) || text.startsWith("CREATE", Qt::CaseInsensitive) || text.startsWith("DROP", Qt::CaseInsensitive))
        awaitPageCheck();
    if (!q.exec())
        throw errorFor(q.lastError());
    if (isWrite(text))
        notifyChanged(writtenTable(text)); // an unknown table refreshes every dataset
    return q;
}

Store::Prepared &Store::prepared(const QString &sql, Conn c)
{
    Prepared *held = m_prepared[c].find(sql);
    if (!held) {
        Prepared p{QSqlQuery(database(c)), QString(), false};
        p.query.setForwardOnly(true);
        const QString text = normaliseSql(validUnicode(sql));
        if (!p.query.prepare(text))
            throw errorFor(p.query.lastError());
        p.write = isWrite(text);
        p.table = p.write ? writtenTable(text) : QString();
        held = &m_prepared[c].insert(sql, std::move(p));
    }
    return *held;
}

void Store::execPrepared(Prepared &p, const QVariantList &binds)
{
    for (int i = 0; i < binds.size(); ++i)
        p.query.bindValue(i, validValue(binds[i]));
    if (!p.query.exec()) {
        const DbError e = errorFor(p.query.lastError());
        p.query.finish();
        throw e;
    }
}

void Store::finishPrepared(Prepared &p)
{
    const bool write = p.write;
    const QString table = p.table;
    p.query.finish();
    if (write)
        notifyChanged(table);
}

Store::Written Store::run(const QString &sql, const QVariantList &binds, Conn c)
{
    awaitPageCheck();
    Prepared &p = prepared(sql, c);
    execPrepared(p, binds);
    const Written w{p.query.numRowsAffected(), p.query.lastInsertId()};
    finishPrepared(p);
    return w;
}

QVariant Store::scalar(const QString &sql, const QVariantList &binds, Conn c, const QHash<QString, QVariant> &named)
{
    if (!named.isEmpty()) {
        QSqlQuery q = exec(sql, binds, c, named);
        return q.next() ? q.value(0) : QVariant();
    }
    Prepared &p = prepared(sql, c);
    execPrepared(p, binds);
    const QVariant v = p.query.next() ? p.query.value(0) : QVariant();
    if (p.query.lastError().isValid() && v.isNull()) {
        const DbError e = errorFor(p.query.lastError());
        p.query.finish();
        throw e;
    }
    finishPrepared(p);
    return v;
}

void Store::begin(Conn c)
{
    awaitPageCheck();
    QSqlQuery q(database(c));
    const bool ok = m_depth[c] == 0 ? q.exec("BEGIN IMMEDIATE") : q.exec(QString("SAVEPOINT sp%1").arg(m_depth[c]));
    if (!ok)
        throw errorFor(q.lastError());
    ++m_depth[c];
}

void Store::commit(Conn c)
{
    if (m_depth[c] <= 0)
        return;
    QSqlQuery q(database(c));
    const bool ok = m_depth[c] == 1 ? q.exec("COMMIT") : q.exec(QString("RELEASE sp%1").arg(m_depth[c] - 1));
    if (!ok)
        throw errorFor(q.lastError());
    --m_depth[c];
    if (m_depth[c] == 0)
        m_touched[c].clear();
}

void Store::rollback(Conn c)
{
    if (m_depth[c] <= 0)
        return;
    QSqlQuery q(database(c));
    if (m_depth[c] == 1) {
        q.exec("ROLLBACK");
    } else {
        q.exec(QString("ROLLBACK TO sp%1").arg(m_depth[c] - 1));
        q.exec(QString("RELEASE sp%1").arg(m_depth[c] - 1));
    }
    --m_depth[c];
    if (m_depth[c] == 0) {
        // What the transaction wrote is gone again: tell the datasets that showed it.
        const QSet<QString> touched = m_touched[c];
        m_touched[c].clear();
        ++m_generation;
        for (const QString &t : touched)
            emit tableChanged(t);
    }
}

void Store::notifyChanged(const QString &table)
{
    ++m_generation;
    const QString name = table.isEmpty() ? QString() : (Schema::find(table) ? Schema::find(table)->name : table);
    const Conn c = connectionFor(name);
    if (m_depth[c] > 0)
        m_touched[c].insert(name);
    emit tableChanged(name);
}

QString Store::normaliseSql(const QString &sql) { return sqltext::normalise(sql); }
bool Store::isWrite(const QString &sql) { return sqltext::isWrite(sql); }
QString Store::writtenTable(const QString &sql) { return sqltext::writtenTable(sql); }
QStringList Store::tablesOf(const QString &sql) { return sqltext::tablesOf(sql); }

QString Store::checkFile(const QString &path, bool passwordsFile, bool deep, bool pages)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile f(path);
    if (!f.exists())
        return QString("Λείπει το αρχείο δεδομένων «%1».").arg(shown);
    if (!f.open(QIODevice::ReadOnly))
        return QString("Δεν ήταν δυνατό να διαβαστεί το αρχείο δεδομένων «%1».").arg(shown);
    const QByteArray head = f.read(16);
    f.close();
    if (head != QByteArray("SQLite format 3\0", 16))
        return QString("Το αρχείο «%1» δεν είναι αρχείο δεδομένων του DORVANI.").arg(shown);

    const QString name = "check-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QString problem;
    {
        QSqlDatabase d = QSqlDatabase::addDatabase("QSQLITE", name);
        d.setDatabaseName(path);
        d.setConnectOptions("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000");
        if (!d.open()) {
            problem = QString("Δεν ήταν δυνατό να ανοίξει το αρχείο δεδομένων «%1»: %2").arg(shown, engineText(d.lastError()));
        } else {
            registerGreek(d);
            QSqlQuery q(d);
            if (!q.exec("PRAGMA application_id") || !q.next()) {
                problem = QString("Το αρχείο δεδομένων «%1» είναι κατεστραμμένο: %2").arg(shown, engineText(q.lastError()));
            } else if (q.value(0).toInt() != Schema::applicationId) {
                problem = QString("Το αρχείο «%1» δεν είναι αρχείο δεδομένων του DORVANI.").arg(shown);
            } else {
                QStringList missing;
                for (const TableDef &t : Schema::tables()) {
                    if (t.ownFile != passwordsFile)
                        continue;
                    QSqlQuery info(d);
                    if (!info.exec(QString("PRAGMA table_info(\"%1\")").arg(t.name))) {
                        problem = QString("Το αρχείο δεδομένων «%1» είναι κατεστραμμένο: %2")
                                      .arg(shown, engineText(info.lastError()));
                        break;
                    }
                    QSet<QString> cols;
                    while (info.next())
                        cols.insert(info.value(1).toString().toUpper());
                    bool complete = !cols.isEmpty();
                    for (const FieldDef &fd : t.fields)
                        complete = complete && (fd.added || cols.contains(fd.name.toUpper()));
                    if (!complete) {
                        missing << t.name;
                        continue;
                    }
                    QSqlQuery probe(d);
                    if (!probe.exec(QString("SELECT * FROM \"%1\" LIMIT 1").arg(t.name))) {
                        problem = QString("Το αρχείο δεδομένων «%1» είναι κατεστραμμένο: %2")
                                      .arg(shown, engineText(probe.lastError()));
                        break;
                    }
                    probe.next();
                    if (probe.lastError().isValid()) {
                        problem = QString("Το αρχείο δεδομένων «%1» είναι κατεστραμμένο: %2")
                                      .arg(shown, engineText(probe.lastError()));
                        break;
                    }
                }
                if (problem.isEmpty() && !missing.isEmpty())
                    problem = QString("Στο αρχείο δεδομένων «%1» λείπουν ή είναι ελλιπείς οι πίνακες: %2.")
                                  .arg(shown, missing.join(", "));
                if (problem.isEmpty() && (pages || deep)) {
                    // Every page of the file is read: damage anywhere is found now, not at
                    // some later count or save.
                    QSqlQuery ic(d);
                    if (!ic.exec(deep ? "PRAGMA integrity_check" : "PRAGMA quick_check") || !ic.next()) {
                        problem = QString("Το αρχείο δεδομένων «%1» είναι κατεστραμμένο: %2")
                                      .arg(shown, engineText(ic.lastError()));
                    } else if (ic.value(0).toString() != "ok") {
                        problem = QString("Το αρχείο δεδομένων «%1» είναι κατεστραμμένο: %2")
                                      .arg(shown, ic.value(0).toString());
                    }
                }
            }
            d.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return problem;
}

} // namespace dorvani
