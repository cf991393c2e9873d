// Placing a call: the number is handed to the telephone the office uses, as one URL,
// never through a shell. The answer is one of the status words of a call request.
#pragma once

#include <QString>
#include <QStringList>

namespace dorvani {

class Dialler {
public:
    // The words a call request answers with; an empty word when nothing was asked.
    static inline const QString Connected = QStringLiteral("TapiConnected");
    static inline const QString NotAvailable = QStringLiteral("TapiNotAvailable");
    static inline const QString Full = QStringLiteral("TapiFull");
    static inline const QString InvalidAddress = QStringLiteral("TapiInvalidAddress");
    static constexpr int MaxDigits = 80;

    virtual ~Dialler() = default;
    // Calls the number as given (cut to its first 80 characters); a blank number is not
    // called and answers an empty word.
    QString dial(const QString &number);

    // The values of Settings/DIALLER: the desktop's tel: handler, or the modem on the
    // MODEM-COM port. Anything else, or none, means the desktop's handler.
    static inline const QString DesktopChoice = QStringLiteral("TEL");
    static inline const QString ModemChoice = QStringLiteral("MODEM");
    static bool modemChosen();

    // The dialler the settings choose.
    static Dialler &instance();
    static void setInstance(Dialler *d); // tests; null restores the real one

    // The number as the request carries it: untrimmed, at most 80 characters.
    static QString destination(const QString &number) { return number.left(MaxDigits); }
    // The result code of a call request as its status word.
    static QString statusWord(int code);

protected:
    virtual QString place(const QString &destination) = 0;
};

// Hands the call to the desktop's handler of tel: addresses (a softphone or a paired mobile).
class DesktopDialler : public Dialler {
protected:
    QString place(const QString &destination) override;
};

// Records the numbers it was asked to call; answers with the word it is given.
class FakeDialler : public Dialler {
public:
    QStringList calls;
    QString answer = Connected;

protected:
    QString place(const QString &destination) override
    {
        calls << destination;
        return answer;
    }
};

} // namespace dorvani
