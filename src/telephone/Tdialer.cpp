#include "telephone/Tdialer.h"

#include "platform/Dialler.h"
#include "platform/Registry.h"

namespace dorvani {

int TAPIDialer::port(const QString &modemCom)
{
    if (modemCom.contains('1'))
        return 0;
    if (modemCom.contains('2'))
        return 1;
    if (modemCom.contains('3'))
        return 2;
    return 3;
}

QString TAPIDialer::portMissingMessage()
{
    return "Δεν έχετε ορίσει σε ποια θύρα είναι συνδεδεμένο το modem.\r"
           "Από τα Βοηθητικά - Ρυθμίσεις ορίστε τη θύρα του modem!";
}

TAPIDialer::Outcome TAPIDialer::call(const QString &modemCom, const QString &number)
{
    Outcome o;
    if (modemCom.trimmed().isEmpty()) {
        o.message = portMissingMessage();
        return o;
    }
    if (number.trimmed().isEmpty())
        return o;
    o.status = Dialler::instance().dial(number);
    o.called = true;
    return o;
}

TAPIDialer::Outcome TAPIDialer::call(const QString &number)
{
    return call(Registry(Registry::General).readString("Settings", "MODEM-COM"), number);
}

} // namespace dorvani
