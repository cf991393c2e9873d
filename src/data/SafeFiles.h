// File steps the data files need: renames that replace in one step, moves across file
// systems, the files SQLite keeps beside a database, and folders and files readable by
// their owner only.
#pragma once

#include <QString>
#include <QStringList>

namespace dorvani::safefiles {

// Replaces `to` by `from` in one step (the old file stays until the new one is in place).
bool replace(const QString &from, const QString &to);
// Moves a file, across file systems when it must (copied whole, then the source removed).
bool move(const QString &from, const QString &to);
// The files SQLite keeps beside a database while it is in use.
QStringList companions(const QString &file);
void removeWithCompanions(const QString &file);
// Creates the folder with every missing level; the last level is left to its owner only.
bool makeOwnerFolder(const QString &path);
// Readable and writable by the owner only (mode 600).
void ownerOnly(const QString &file);
// Makes the names of a folder's files durable (renames in it survive a power cut).
void syncFolder(const QString &folder);

} // namespace dorvani::safefiles
