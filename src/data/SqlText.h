// SQL text handling: quoting names, and reading and rewriting statements as the program
// writes them (tables named by their file names, the tables "TO" and "NO", day patterns).
#pragma once

#include <QString>
#include <QStringList>

namespace dorvani {

// A table or field name as an SQL identifier: double quotes, inner quotes doubled.
QString sqlIdent(const QString &name);

namespace sqltext {

// The statement as SQLite runs it: "X.db" names become table names, the tables TO and NO
// are quoted, and long chains of day patterns become one lookup.
QString normalise(const QString &sql);
// True when the statement writes (UPDATE, INSERT, DELETE, REPLACE, WITH).
bool isWrite(const QString &sql);
// The table a write statement changes, empty when unknown.
QString writtenTable(const QString &sql);
// The known tables the statement names.
QStringList tablesOf(const QString &sql);

} // namespace sqltext

} // namespace dorvani
