// A call through a modem on a serial port: the AT dial string for a voice call, and the
// modem's answer as a status word.
#pragma once

#include "platform/Dialler.h"

namespace dorvani {

class ModemDialler : public Dialler {
public:
    explicit ModemDialler(const QString &device, int answerMs = 3000) : m_device(device), m_answerMs(answerMs) {}

    // The serial device of a stored MODEM-COM value: "1".."4" are COM1..COM4, the first four
    // serial ports; a value that is a path names the device itself.
    static QString deviceFor(const QString &modemCom);
    // What the modem is sent: "ATDT", the number's dialling characters only (digits, * # +
    // , W P), ";" for a voice call, and a carriage return. Anything else typed is dropped,
    // so nothing typed becomes a command of its own.
    static QByteArray dialString(const QString &destination);
    // The modem's answer as a status word.
    static QString statusOf(const QByteArray &answer);

protected:
    QString place(const QString &destination) override;

private:
    QString m_device;
    int m_answerMs;
};

} // namespace dorvani
