#include "data/SafeFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace dorvani::safefiles {

bool replace(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool move(const QString &from, const QString &to)
{
    if (replace(from, to))
        return true;
    QFile::remove(to);
    if (!QFile::copy(from, to))
        return false;
    ownerOnly(to);
    return QFile::remove(from);
}

QStringList companions(const QString &file) { return {file + "-wal", file + "-shm", file + "-journal"}; }

void removeWithCompanions(const QString &file)
{
    QFile::remove(file);
    for (const QString &c : companions(file))
        QFile::remove(c);
}

bool makeOwnerFolder(const QString &path)
{
    if (!QDir().mkpath(path))
        return false;
    ::chmod(QFile::encodeName(path).constData(), S_IRWXU);
    return true;
}

void ownerOnly(const QString &file)
{
    if (QFileInfo::exists(file))
        ::chmod(QFile::encodeName(file).constData(), S_IRUSR | S_IWUSR);
}

void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace dorvani::safefiles
