// The forty tables of the register: names, fields, types, widths, keys and orders.
// This is the one place where table layouts are defined; the store creates the
// database from it and the datasets take field widths and natural orders from it.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace dorvani {

enum class FieldKind {
    Text,    // text(n): at most n characters, empty when not filled
    Int,     // 32-bit integer, null when not filled
    Short,   // 16-bit integer
    Float,   // 64-bit floating point
    AutoInc, // assigned by the store on insert, never reused
    Bool,    // true/false stored as 1/0
    Date,    // calendar date, stored as ISO text YYYY-MM-DD
    Memo     // text of unbounded length
};

struct FieldDef {
    QString name;
    FieldKind kind = FieldKind::Text;
    int width = 0;           // characters, for Text; 0 = unbounded
    bool numberList = false; // comma list of numbers: never cut inside a number
    bool added = false;      // registers made before it lack it; it is added when they open

    bool isText() const { return kind == FieldKind::Text || kind == FieldKind::Memo; }
    bool isInteger() const
    {
        return kind == FieldKind::Int || kind == FieldKind::Short || kind == FieldKind::AutoInc
            || kind == FieldKind::Bool;
    }
};

struct IndexDef {
    QString name;
    QStringList fields;
    bool unique = false;
    bool caseInsensitive = false;
};

struct TableDef {
    QString name;     // the table's name as SQL refers to it
    QString fileName; // the file name under which the table is known ("TO.db")
    QVector<FieldDef> fields;
    QStringList uniqueKey;     // may be empty
    QVector<IndexDef> indexes; // further named orders
    bool ownFile = false;      // kept in a file of its own (the entry keys)

    int fieldIndex(const QString &field) const; // case-insensitive, -1 if absent
    const FieldDef *field(const QString &field) const;
    QString autoIncField() const; // empty when the table has none
    // The order in which a plain view of the table returns its rows: the unique key.
    QStringList naturalOrder() const;
    // SQL statements that create the table and its indexes.
    QStringList createStatements() const;
    // A field's column as CREATE TABLE and ALTER TABLE ADD COLUMN write it.
    static QString columnDefinition(const FieldDef &f);
};

class Schema {
public:
    static const QVector<TableDef> &tables();
    // By table name or by file name, without regard to case ("tot_pshfoi", "TO.db").
    static const TableDef *find(const QString &nameOrFile);
    static const TableDef &table(const QString &nameOrFile); // throws DbError when unknown

    // A value as the field stores it: texts never null (and cut to the width when fit),
    // numbers as integers or null ("" is null), dates as ISO text. Throws DbError with a
    // Greek message for a value the field cannot hold.
    static QVariant toStored(const FieldDef &f, const QVariant &v, bool fit = true);
    // Cut a value to the field's width; a list of numbers is cut only at a comma.
    static QString fitText(const FieldDef &f, const QString &value);

    // 2: calendar days relative to Easter, Greek texts stored in capitals without tonos.
    static constexpr int version = 2;
    static constexpr int applicationId = 0x44525641; // "DRVA"
};

} // namespace dorvani
