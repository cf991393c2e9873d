#include "platform/AppContext.h"

#include "data/SafeFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace dorvani {

namespace {
QString g_home;
QDateTime g_fixedNow;
} // namespace

QString AppPaths::defaultHome()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QFileInfo fi(exeDir);
    if (!exeDir.isEmpty() && fi.isDir() && fi.isWritable())
        return exeDir;
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        data = QDir::homePath() + "/.local/share";
    return QDir(data).filePath("Dorvani");
}

QString AppPaths::home()
{
    if (g_home.isEmpty())
        g_home = defaultHome();
    return g_home;
}

void AppPaths::setHome(const QString &dir) { g_home = dir.isEmpty() ? QString() : QDir(dir).absolutePath(); }

QString AppPaths::file(const QString &relative) { return QDir(home()).filePath(relative); }
QString AppPaths::db() { return file("Db"); }
QString AppPaths::backup() { return file("Backup"); }
QString AppPaths::entypa() { return file("Entypa"); }
QString AppPaths::labelTemplates() { return file("LabelTemplates"); }
QString AppPaths::telDocs() { return file("Tel_Docs"); }

bool AppPaths::ensureFolders()
{
    bool ok = true;
    // The data files and their copies are the owner's alone.
    for (const QString &d : {db(), backup()})
        ok = safefiles::makeOwnerFolder(d) && ok;
    for (const QString &d : {entypa(), labelTemplates(), telDocs()})
        ok = QDir().mkpath(d) && ok;
    return ok;
}

QDate Clock::today() { return now().date(); }

QDateTime Clock::now() { return g_fixedNow.isValid() ? g_fixedNow : QDateTime::currentDateTime(); }

void Clock::setNow(const QDateTime &fixed) { g_fixedNow = fixed; }

} // namespace dorvani
