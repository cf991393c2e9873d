// Datasets over the store: a table (with its natural order, filter, master-detail link
// and editing) or a query (SQL text of the screens). Both are cursors with a current row
// that fetch their rows lazily, a page at a time, so that a register of a million
// citizens is never copied into memory to be shown or walked.
#pragma once

#include "data/RecentCache.h"
#include "data/DbError.h"
#include "data/Schema.h"
#include "data/Store.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>
#include <memory>

namespace dorvani {

class Dataset;

// The values of one row while its derived fields are computed.
class RowRef {
public:
    RowRef(const Dataset *ds, const QVector<QVariant> *values) : m_ds(ds), m_values(values) {}
    QVariant value(const QString &field) const;
    QString text(const QString &field) const { return value(field).toString(); }
    bool isNull(const QString &field) const { return value(field).isNull(); }

private:
    const Dataset *m_ds;
    const QVector<QVariant> *m_values;
};

// A field of the current row (or of the row being inserted or edited).
class Field {
public:
    Field(Dataset *ds, int index) : m_ds(ds), m_index(index) {}
    QString name() const;
    int size() const; // width in characters, 0 when unbounded
    FieldKind kind() const;
    bool isCalculated() const;

    QVariant value() const;
    bool isNull() const { return value().isNull(); }
    QString asString() const;  // null reads as empty text
    int asInteger() const;     // null reads as 0
    double asFloat() const;
    bool asBoolean() const;
    QString displayText() const; // as a grid shows it: "ΝΑΙ"/"ΟΧΙ", dd/mm/yyyy

    void setValue(const QVariant &v);
    void setAsString(const QString &s) { setValue(s); }
    void setAsInteger(int n) { setValue(n); }
    void clear() { setValue(QVariant()); }

private:
    Dataset *m_ds;
    int m_index;
};

class Dataset : public QObject {
    Q_OBJECT
public:
    enum State { Inactive, Browse, Insert, Edit };
    using CalcFn = std::function<QVariant(const RowRef &)>;

    explicit Dataset(const QString &name, QObject *parent = nullptr);
    ~Dataset() override;

    QString name() const { return objectName(); }

    // ---- opening
    void open();
    void close();
    bool active() const { return m_state != Inactive; }
    void setActive(bool on) { on ? open() : close(); }
    // Reads the rows again; the current row stays current when it still exists.
    void refresh();

    // ---- moving (a pending insert or edit is posted first)
    void first();
    void last();
    void next();
    void prior();
    void moveBy(int n);
    void moveTo(int row);
    bool eof()
    {
        ensurePosition();
        return m_eof;
    }
    bool bof()
    {
        ensurePosition();
        return m_bof;
    }
    bool isEmpty();
    // The number of rows, counted by SQL when not known yet (the end of the rows read
    // also tells it).
    int recordCount();
    bool countKnown() const { return m_count >= 0; }
    // Whether counting the rows costs little (a table, through its indexes).
    virtual bool cheapToCount() const { return false; }
    // Makes sure the first n rows are read; returns how many of them exist.
    int rowsAvailable(int n);
    // The statement of the rows, for running it elsewhere (on another connection).
    struct Statement {
        QString sql;
        QVariantList binds;
        QHash<QString, QVariant> named;
    };
    Statement statement() const { return {selectSql(), selectBinds(), namedBinds()}; }
    // Changes each time the rows are read anew (opened, refreshed, filtered, followed).
    quint64 rowsGeneration() const { return m_rowsGeneration; }
    // The number of rows, counted elsewhere over the same rows.
    void learnCount(int rows);
    // Aggregates over every row of the dataset, computed by SQL over its row set (with its
    // filter and parameters): "COUNT(*)", "SUM(AVOTE)", ...; one value per expression.
    // Columns are those of the stored fields; the dataset's own rows are not walked. The
    // row count is learnt in the same pass.
    QVariantList aggregate(const QStringList &expressions);
    int recNo(); // 0-based position of the current row, -1 when none
    // Makes the first row whose fields equal the values exactly the current row.
    bool locate(const QStringList &fields, const QVariantList &values);
    bool locate(const QString &field, const QVariant &value) { return locate(QStringList{field}, {value}); }

    // ---- filter: "Nomos=3 AND Eparxia=7", switched on and off without reopening
    void setFilter(const QString &text);
    QString filter() const { return m_filterText; }
    void setFiltered(bool on);
    bool filtered() const { return m_filtered; }

    // ---- editing
    State state() const { return m_state; }
    bool editing() const { return m_state == Insert || m_state == Edit; }
    virtual void insert();
    void append() { insert(); }
    virtual void edit();
    virtual void post();
    virtual void cancel();
    virtual void remove();
    bool modified() const { return m_modified; }
    virtual bool readOnly() const { return true; }

    // ---- fields
    QStringList fieldNames() const { return m_fieldNames; }
    int fieldCount() const { return int(m_fieldNames.size()); }
    int fieldIndex(const QString &name) const; // -1 when absent; without regard to case
    bool hasField(const QString &name) const { return fieldIndex(name) >= 0; }
    Field fieldByName(const QString &name);
    Field field(int index) { return Field(this, index); }
    QVariant value(const QString &name) { return fieldByName(name).value(); }
    QString text(const QString &name) { return fieldByName(name).asString(); }
    int integer(const QString &name) { return fieldByName(name).asInteger(); }

    // Rows held in memory now (the page cache is bounded, whatever the table's size).
    int cachedRowCount() const;

    // The value of a field of any row, for grids; null past the end.
    QVariant valueAt(int row, int fieldIndex);
    int fieldWidth(int index) const;
    FieldKind fieldKind(int index) const;
    bool isCalculated(int index) const { return index >= m_storedCount; }
    static QString displayText(const QVariant &v, FieldKind kind);

    // Derived fields, computed for every row as it is fetched.
    // Tables the computation reads are named so that their changes refresh the rows.
    void addCalcField(const QString &name, int width, CalcFn fn, FieldKind kind = FieldKind::Text,
                      const QStringList &readsTables = {});
    // A lookup field: the result column of the row of another table whose key field
    // equals this row's key field; empty text when there is none.
    void addLookupField(const QString &name, int width, const QString &keyField, const QString &lookupTable,
                        const QString &lookupKey, const QString &resultField);
    // The value a lookup of this dataset finds for a key (cached until a table changes).
    QVariant lookup(const QString &table, const QString &keyField, const QString &resultField,
                    const QVariant &key) const;
    // The same, by a lookup registered once: derived fields computed for every row use it.
    int lookupId(const QString &table, const QString &keyField, const QString &resultField) const;
    QVariant lookup(int id, const QVariant &key) const;

signals:
    void opened();
    void closed();
    void rowsReset();      // the set of rows changed: opened, refreshed, filtered, re-linked
    void currentChanged(); // another row became current (or the current row changed)
    void stateChanged();
    void valueChanged(int fieldIndex); // a field of the edit buffer was set
    void rowsCounted(int rows);        // recordCount() counted the rows

protected:
    friend class Field;
    friend class RowRef;

    struct CalcField {
        QString name;
        int width;
        FieldKind kind;
        CalcFn fn;
    };

    // ---- what subclasses tell the cursor
    virtual QString selectSql() const = 0; // the whole row set, ordered
    virtual QString countSql() const;      // defaults to COUNT over selectSql
    virtual QVariantList selectBinds() const { return {}; }
    virtual QHash<QString, QVariant> namedBinds() const { return {}; }
    virtual Store::Conn connection() const { return Store::Main; }
    virtual void prepareOpen() {} // set up the fields before the first fetch
    virtual bool dependsOn(const QString &table) const = 0;
    virtual QVector<QVariant> newRowValues() { return QVector<QVariant>(m_storedCount); }
    // Position of the first row matching; -1 none; -2 when the subclass cannot tell by SQL.
    virtual int locateSql(const QStringList &, const QVariantList &) { return -2; }
    virtual void writeField(int index, const QVariant &v);
    // Called when a table this dataset shows was changed by another writer.
    virtual void followChange();
    // The current row when it is known only by its row id (tables).
    virtual int resolveAnchor() { return m_rec; }
    virtual const QVector<QVariant> *anchorRow() { return nullptr; }

    void setStoredFields(const QStringList &names, const QVector<FieldKind> &kinds, const QVector<int> &widths);
    const QVector<QVariant> *rowValues(int row); // null past the end
    const QVector<QVariant> *currentValues();    // the buffer while editing
    void invalidate();                           // forget every page and the count
    void resetLive();
    void setState(State s);
    void setPosition(int row, bool bof, bool eof);
    void ensurePosition();
    void checkBrowse(); // posts a pending insert or edit
    void computeCalc(QVector<QVariant> &values) const;
    QSqlQuery runQuery(const QString &sql) const;
    QString filterCondition() const; // compiled filter text, empty when off
    void onTableChanged(const QString &table);
    void clearLookups() const;

    QStringList m_fieldNames;
    QHash<QString, int> m_fieldIndex;      // upper-case name -> index
    QHash<QString, int> m_fieldIndexExact; // the names as written -> index
    QVector<FieldKind> m_kinds;
    QVector<int> m_widths;
    int m_storedCount = 0;
    QVector<CalcField> m_calc;
    bool m_hasRowId = false; // the first column of the statement is the row id, kept last
    QSet<QString> m_calcTables; // upper-case names of the tables derived fields read

    State m_state = Inactive;
    int m_rec = -1;
    bool m_anchored = false; // m_rec is to be found from m_anchorId
    bool m_recheck = false;  // the rows changed: m_rec may be past the end
    qint64 m_anchorId = -1;
    bool m_bof = true;
    bool m_eof = true;
    int m_count = -1; // -1 unknown
    quint64 m_rowsGeneration = 0;

    QString m_filterText;
    bool m_filtered = false;

    QVector<QVariant> m_buffer; // the row being inserted or edited
    bool m_modified = false;
    bool m_stale = false; // a change came while editing
    bool m_writing = false;

    // Page cache over the row set. A page fills as its rows are asked for, a screenful
    // ahead, from a statement left open where the last rows were read.
    static constexpr int PageSize = 256;
    static constexpr int MaxPages = 32;
    static constexpr int Lookahead = 8;
    struct Page {
        QVector<QVector<QVariant>> rows;
        bool complete = false; // full, or the last page of the set
    };
    void fillPage(int page, int want);
    RecentCache<int, Page> m_pages{MaxPages};
    std::unique_ptr<QSqlQuery> m_live; // a statement left open where the last page ended
    int m_liveNext = -1;

    // Lookups, their results forgotten when any table changes.
    struct Lookup {
        QString table, keyField, resultField, sql;
        Store::Conn conn;
        QHash<qint64, QVariant> byNumber;
        QHash<QString, QVariant> byText;
    };
    mutable QVector<Lookup> m_lookups;
};

// A table of the store, in its natural order (the unique key) or a named index's order.
class Table : public Dataset {
    Q_OBJECT
public:
    Table(const QString &name, const QString &tableName, QObject *parent = nullptr);

    const TableDef &def() const { return *m_def; }
    QString tableName() const { return m_def->name; }

    // Orders by a named index of the table ("MD_DATE") or by fields.
    void setIndexName(const QString &index);
    void setOrderFields(const QStringList &fields);
    QStringList orderFields() const { return m_order; }
    // Text fields of the order compare as a Greek reader orders them (collation GREEK:
    // accents and case aside), for the lists that people read. Off by default: it cannot
    // use the table's index, so it is meant for lists of modest size.
    void setGreekOrder(bool on);
    bool greekOrder() const { return m_greekOrder; }

    // Master-detail: this table shows only the rows whose link fields equal the given
    // fields of the master's current row; a row inserted here receives those values.
    void setMaster(Dataset *master, const QStringList &linkFields, const QStringList &masterFields);
    Dataset *master() const { return m_master; }

    void insert() override;
    void edit() override;
    void post() override;
    void cancel() override;
    void remove() override;
    bool readOnly() const override { return false; }
    bool cheapToCount() const override { return true; }

    // The row id of the current row, -1 when none.
    qint64 currentRowId();

protected:
    QString selectSql() const override;
    QString countSql() const override;
    QVariantList selectBinds() const override;
    Store::Conn connection() const override;
    bool dependsOn(const QString &table) const override;
    QVector<QVariant> newRowValues() override;
    void prepareOpen() override;
    void writeField(int index, const QVariant &v) override;
    int locateSql(const QStringList &fields, const QVariantList &values) override;
    void followChange() override;
    int resolveAnchor() override;
    const QVector<QVariant> *anchorRow() override;

private:
    QString whereSql(QVariantList &binds) const;
    QString orderSql() const;
    QString orderColumn(const QString &field) const; // quoted, with the order's collation
    int positionOf(qint64 rowid);
    void anchorAt(qint64 rowid);
    void onMasterMoved();
    QVariantList masterValues() const;
    QString columnsSql() const;

    const TableDef *m_def;
    QStringList m_order;
    bool m_orderNoCase = false;
    bool m_greekOrder = false;
    QPointer<Dataset> m_master;
    QStringList m_linkFields, m_masterFields;
    QVariantList m_lastLink;
    qint64 m_editRowId = -1;
    int m_insertAt = -1;
    QVector<QVariant> m_anchorValues;
    bool m_anchorLoaded = false;
    int m_fallbackRec = 0; // where the current row was, for when it is deleted elsewhere
};

// SQL text of the screens, run as a query. Lines are joined by line breaks; names
// written :Name are parameters.
class Query : public Dataset {
    Q_OBJECT
public:
    explicit Query(const QString &name, const QString &sql = {}, QObject *parent = nullptr);

    void setSql(const QString &sql);
    void setSql(const QStringList &lines) { setSql(lines.join('\n')); }
    QString sql() const { return m_sql; }
    void clearSql() { setSql(QString()); }
    void addSql(const QString &line) { setSql(m_sql.isEmpty() ? line : m_sql + '\n' + line); }

    void setParam(const QString &name, const QVariant &value);
    // Runs a statement that returns no rows (UPDATE, INSERT, DELETE).
    void execSql();
    void setConnection(Store::Conn c) { m_conn = c; }

protected:
    QString selectSql() const override;
    QHash<QString, QVariant> namedBinds() const override { return m_params; }
    Store::Conn connection() const override { return m_conn; }
    void prepareOpen() override;
    bool dependsOn(const QString &table) const override;

private:
    QString baseSql() const;
    QString m_sql;
    QString m_executable; // the text as SQLite runs it, worked out once
    QHash<QString, QVariant> m_params;
    QStringList m_tables;
    Store::Conn m_conn = Store::Main;
};

} // namespace dorvani
