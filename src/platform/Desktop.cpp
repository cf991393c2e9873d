#include "platform/Desktop.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace dorvani {

namespace {
Desktop *g_desktop = nullptr;
}

Desktop &Desktop::instance()
{
    static SystemDesktop real;
    return g_desktop ? *g_desktop : real;
}

void Desktop::setInstance(Desktop *d) { g_desktop = d; }

QStringList Desktop::commandFor(Program p)
{
    QList<QStringList> candidates;
    switch (p) {
    case Program::WordProcessor:
        candidates = {{"libreoffice", "--writer"}, {"lowriter"}, {"abiword"}, {"calligrawords"}};
        break;
    case Program::Spreadsheet:
        candidates = {{"libreoffice", "--calc"}, {"localc"}, {"gnumeric"}, {"calligrasheets"}};
        break;
    case Program::Calculator:
        candidates = {{"gnome-calculator"}, {"kcalc"}, {"mate-calc"}, {"galculator"}, {"qalculate-gtk"}, {"xcalc"}};
        break;
    }
    for (const QStringList &c : candidates)
        if (!QStandardPaths::findExecutable(c.first()).isEmpty())
            return c;
    return {};
}

bool SystemDesktop::start(Program p)
{
    const QStringList cmd = commandFor(p);
    if (cmd.isEmpty())
        return false;
    return QProcess::startDetached(cmd.first(), cmd.mid(1));
}

bool SystemDesktop::openUrl(const QUrl &url) { return url.isValid() && QDesktopServices::openUrl(url); }

} // namespace dorvani
