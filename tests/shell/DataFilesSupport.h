// Helpers of the backup, restore and reset tests: a row in every table, a digest of
// what the tables hold, and a look at the files of a folder.
#pragma once

#include "data/Schema.h"
#include "data/Store.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>

namespace dorvani::test {

inline QString quoted(const QString &name) { return '"' + name + '"'; }

// One row in every table, with values of each field's kind; `mark` makes rows differ.
inline void fillEveryTable(Store &s, const QString &mark)
{
    for (const TableDef &t : Schema::tables()) {
        QStringList cols;
        QVariantList values;
        for (const FieldDef &f : t.fields) {
            if (f.kind == FieldKind::AutoInc)
                continue;
            cols << quoted(f.name);
            switch (f.kind) {
            case FieldKind::Text:
            case FieldKind::Memo: {
                QString v = QString("Τ%1%2").arg(mark, f.name);
                if (f.width > 0)
                    v = v.left(f.width);
                if (f.numberList)
                    v = "1,2";
                values << v;
                break;
            }
            case FieldKind::Float: values << 1.5; break;
            case FieldKind::Date: values << QString("2026-01-01"); break;
            case FieldKind::Bool: values << 1; break;
            default: values << 7; break;
            }
        }
        QStringList marks;
        for (int i = 0; i < cols.size(); ++i)
            marks << "?";
        s.exec(QString("INSERT INTO %1 (%2) VALUES (%3)").arg(quoted(t.name), cols.join(", "), marks.join(", ")),
               values, Store::connectionFor(t.name));
    }
}

inline QByteArray tableDigest(Store &s, const QString &table)
{
    QCryptographicHash h(QCryptographicHash::Sha256);
    QSqlQuery q = s.exec(QString("SELECT * FROM %1 ORDER BY rowid").arg(quoted(table)), {}, Store::connectionFor(table));
    while (q.next())
        for (int i = 0; i < q.record().count(); ++i)
            h.addData(q.value(i).toString().toUtf8() + '\x1f');
    return h.result().toHex();
}

// What every table holds, table by table.
inline QStringList digestAll(Store &s)
{
    QStringList out;
    for (const TableDef &t : Schema::tables())
        out << t.name + ':' + QString::fromLatin1(tableDigest(s, t.name));
    return out;
}

inline int countRows(Store &s, const QString &table)
{
    return s.scalar(QString("SELECT COUNT(*) FROM %1").arg(quoted(table)), {}, Store::connectionFor(table)).toInt();
}

inline QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

inline QByteArray fileHash(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex();
}

// Counts the rows of a table in a database file, through a connection of its own.
inline int countRowsIn(const QString &file, const QString &table)
{
    int n = -1;
    {
        QSqlDatabase d = QSqlDatabase::addDatabase("QSQLITE", "count-" + file);
        d.setDatabaseName(file);
        d.setConnectOptions("QSQLITE_OPEN_READONLY");
        if (d.open()) {
            QSqlQuery q(d);
            if (q.exec(QString("SELECT COUNT(*) FROM %1").arg(quoted(table))) && q.next())
                n = q.value(0).toInt();
        }
        d.close();
    }
    QSqlDatabase::removeDatabase("count-" + file);
    return n;
}

} // namespace dorvani::test
