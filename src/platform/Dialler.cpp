#include "platform/Dialler.h"

#include "platform/Desktop.h"

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
    static DesktopDialler desktop;
    return g_dialler ? *g_dialler : desktop;
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
