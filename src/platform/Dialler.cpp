#include "platform/Dialler.h"

#include "platform/Desktop.h"
#include "platform/ModemDialler.h"
#include "platform/Registry.h"

#include <memory>

#include <QUrl>

namespace dorvani {

namespace {
Dialler *g_dialler = nullptr;
}

QString Dialler::dial(const QString &number)
{
    if (number.trimmed().isEmpty())
        return QString();
    return place(destination(number));
}

Dialler &Dialler::instance()
{
    if (g_dialler)
        return *g_dialler;
    // The settings choose the telephone: the modem on the MODEM-COM port, or the desktop's.
    static DesktopDialler desktop;
    static std::unique_ptr<ModemDialler> modem;
    if (modemChosen()) {
        Registry reg(Registry::General);
        modem = std::make_unique<ModemDialler>(ModemDialler::deviceFor(reg.readString("Settings", "MODEM-COM")));
        return *modem;
    }
    return desktop;
}

bool Dialler::modemChosen()
{
    const QString chosen = Registry(Registry::General).readString("Settings", "DIALLER").trimmed();
    return chosen.compare(ModemChoice, Qt::CaseInsensitive) == 0;
}

void Dialler::setInstance(Dialler *d) { g_dialler = d; }

QString Dialler::statusWord(int code)
{
    switch (code) {
    case 0: return Connected;
    case -2: return NotAvailable;
    case -3: return Full;
    case -4: return InvalidAddress;
    default: return QString();
    }
}

QString DesktopDialler::place(const QString &destination)
{
    // The blanks a number was typed with mean nothing to a telephone; the rest goes as
    // typed, percent-encoded into one address.
    QString digits = destination.trimmed();
    digits.remove(QLatin1Char(' '));
    QUrl url;
    url.setScheme("tel");
    url.setPath(digits);
    if (!url.isValid())
        return InvalidAddress;
    return Desktop::instance().openUrl(url) ? Connected : NotAvailable;
}

} // namespace dorvani
