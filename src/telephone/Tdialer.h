// One call as the dial dialog places it: the modem port must be set, a blank number is
// not called, and the number goes to the dialler cut to 80 characters.
#pragma once

#include <QString>

namespace dorvani {

class TAPIDialer {
public:
    struct Outcome {
        QString message; // shown to the user; empty when nothing is to be said
        QString status;  // the dialler's status word; empty when nothing was called
        bool called = false;
    };

    // The port COM1..COM4 as 0..3 from the stored MODEM-COM text.
    static int port(const QString &modemCom);
    static QString portMissingMessage();
    // Places the call for the dialog's "Κλήση", from the stored MODEM-COM value.
    static Outcome call(const QString &modemCom, const QString &number);
    // The same with MODEM-COM read from the settings.
    static Outcome call(const QString &number);
};

} // namespace dorvani
