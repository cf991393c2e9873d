// The database of the register: one SQLite file in the data folder for the thirty-nine
// tables the screens share (connection "PdxDorvani"), and one file of its own for the
// entry keys, reachable only through the connection "SessionPass".
#pragma once

#include "data/RecentCache.h"
#include "data/DbError.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <future>
#include <unordered_map>

namespace dorvani {

class Store : public QObject {
    Q_OBJECT
public:
    enum Conn { Main, Pass };

    static constexpr const char *mainConnection = "PdxDorvani";
    static constexpr const char *passConnection = "SessionPass";
    static constexpr const char *mainFileName = "DORVANI.db";
    static constexpr const char *passFileName = "PASSWORDS.db";

    explicit Store(QObject *parent = nullptr);
    ~Store() override;

    // The one store of the run, reachable by every dataset (set while a store is open).
    static Store &instance();
    static bool hasInstance();

    // Opens the data folder: when it holds no database the forty tables are created empty;
    // otherwise the files are checked first and nothing is written to a file that fails.
    // A restore cut short is finished or undone first (startNote() tells which). No new
    // database is made while copies of a restore wait in the folder or a set of files
    // kept by a restore lies under keptRoot: the folder is refused instead.
    void open(const QString &dataFolder, const QString &keptRoot = {});
    void close();
    bool isOpen() const { return m_open; }
    QString dataFolder() const { return m_folder; }
    QString mainFile() const;
    QString passFile() const;
    // Whether open() found no database and created one.
    bool createdNew() const { return m_createdNew; }
    // The layout version the main file was last brought to (Schema::version when made now).
    int fileVersion();
    void setFileVersion(int version);
    // What the last open() did that the user should hear of (a restore finished or
    // undone), in Greek; empty otherwise.
    QString startNote() const { return m_startNote; }
    QString keptRoot() const { return m_keptRoot; }

    QSqlDatabase database(Conn c = Main) const;
    static Conn connectionFor(const QString &table);

    // Runs one statement; the text may name tables by their file names ("TO.db").
    // Throws DbError with the engine's text on failure.
    // Values are bound by position (?) or, in named, by name (:Name).
    QSqlQuery exec(const QString &sql, const QVariantList &binds = {}, Conn c = Main,
                   const QHash<QString, QVariant> &named = {});
    QVariant scalar(const QString &sql, const QVariantList &binds = {}, Conn c = Main,
                    const QHash<QString, QVariant> &named = {});

    // A statement that returns no rows (INSERT, UPDATE, DELETE), prepared once and reused.
    struct Written {
        int rows = 0;
        QVariant lastId;
    };
    Written run(const QString &sql, const QVariantList &binds = {}, Conn c = Main);

    // Statements inside a transaction are committed together or not at all. Nested
    // transactions become savepoints of the outer one.
    void begin(Conn c = Main);
    void commit(Conn c = Main);
    void rollback(Conn c = Main);
    bool inTransaction(Conn c = Main) const { return m_depth[c] > 0; }

    // Every write announces the tables it changed, so that open datasets can follow.
    void notifyChanged(const QString &table);
    quint64 generation() const { return m_generation; }

    // The text SQLite needs for a statement of the screens: tables named by file
    // ("TO.db") become their names and the reserved names TO and NO are quoted.
    static QString normaliseSql(const QString &sql);
    // Whether a statement writes (UPDATE, INSERT, DELETE, REPLACE).
    static bool isWrite(const QString &sql);
    // The table a writing statement changes (UPDATE/INSERT/DELETE), or empty.
    static QString writtenTable(const QString &sql);
    // The tables a statement reads, in the order they first appear, as far as a plain
    // scan of its words can tell.
    static QStringList tablesOf(const QString &sql);

    // Checks that a file holds the tables of this program, readable. Returns an empty
    // text when it does, otherwise a Greek message naming the file. Every page is read
    // and its structure checked (PRAGMA quick_check); with deep, the indexes are also
    // compared with their tables (PRAGMA integrity_check).
    // Without pages (and without deep) only the tables are checked.
    static QString checkFile(const QString &path, bool passwordsFile, bool deep, bool pages = true);

    // open() checks the tables of the files at once and reads every page of them beside
    // the start; the first write (or transaction) waits for that check and is refused
    // (DbError, Damaged) when it failed, which pageCheckFailed also tells. The result,
    // waited for: an empty text or the Greek message.
    QString pageCheckResult();

    // The temporary name a new file is made under until both files of a first start are
    // complete.
    static QString pendingName(const QString &file);

    // In a test build (DORVANI_CRASH_POINTS), a run whose environment names this step in
    // DORVANI_CRASH_AT ends here at once, as a crash would: the tests kill the program at
    // every step this way. A release build has no such switch.
#ifdef DORVANI_CRASH_POINTS
    static void crashPoint(const char *step);
    static constexpr bool crashPointsBuilt = true;
#else
    static void crashPoint(const char *) {}
    static constexpr bool crashPointsBuilt = false;
#endif

    // Registers the Greek collation and functions on a connection.
    static void registerGreek(QSqlDatabase &db);

signals:
    void tableChanged(const QString &table);
    void pageCheckFailed(const QString &message);
    void aboutToClose();

private:
    void openConnection(Conn c, const QString &file);
    // The columns later versions added, put into the tables of a register made before them.
    void addMissingColumns();
    void startPageCheck();
    void awaitPageCheck();
    struct Prepared {
        QSqlQuery query;
        QString table; // the table a writing statement changes
        bool write = false;
    };
    Prepared &prepared(const QString &sql, Conn c);
    void execPrepared(Prepared &p, const QVariantList &binds); // binds and runs; throws on failure
    void finishPrepared(Prepared &p);                          // resets it and tells what changed
    QSqlDatabase &db(Conn c) { return m_db[c]; }

    bool m_open = false;
    bool m_createdNew = false;
    QString m_folder;
    QString m_keptRoot;
    QString m_startNote;
    QSqlDatabase m_db[2];
    int m_depth[2] = {0, 0};
    RecentCache<QString, Prepared> m_prepared[2] = {RecentCache<QString, Prepared>(128),
                                                    RecentCache<QString, Prepared>(128)};
    QSet<QString> m_touched[2];
    quint64 m_generation = 0;
    std::shared_future<QString> m_pageCheck;
};

// Commits on commit(), rolls back when left without it (an error thrown midway).
class Transaction {
public:
    explicit Transaction(Store &s, Store::Conn c = Store::Main) : m_s(s), m_c(c) { m_s.begin(m_c); }
    ~Transaction()
    {
        if (!m_done) {
            try {
                m_s.rollback(m_c);
            } catch (...) {
            }
        }
    }
    void commit()
    {
        m_s.commit(m_c);
        m_done = true;
    }
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

private:
    Store &m_s;
    Store::Conn m_c;
    bool m_done = false;
};

// A text value as an SQL literal: single quotes, inner quotes doubled.
QString sqlQuote(const QString &text);

} // namespace dorvani
