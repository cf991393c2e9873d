#include "platform/ModemDialler.h"

#include <QElapsedTimer>
#include <QSerialPort>

namespace dorvani {

QString ModemDialler::deviceFor(const QString &modemCom)
{
    const QString v = modemCom.trimmed();
    if (v.startsWith('/'))
        return v;
    bool ok = false;
    const int n = v.toInt(&ok);
    if (!ok || n < 1 || n > 4)
        return QString();
    return QString("/dev/ttyS%1").arg(n - 1);
}

QByteArray ModemDialler::dialString(const QString &destination)
{
    QByteArray s = "ATDT";
    for (const QChar c : destination) {
        const char a = c.toLatin1();
        if ((a >= '0' && a <= '9') || a == '*' || a == '#' || a == '+' || a == ',')
            s += a;
        else if (a == 'W' || a == 'w' || a == 'P' || a == 'p')
            s += char(QChar(c).toUpper().toLatin1());
    }
    return s + ";\r";
}

QString ModemDialler::statusOf(const QByteArray &answer)
{
    const QByteArray a = answer.toUpper();
    if (a.contains("ERROR"))
        return InvalidAddress;
    if (a.contains("BUSY") || a.contains("NO DIALTONE") || a.contains("NO DIAL TONE"))
        return Full;
    if (a.contains("NO CARRIER") || a.contains("NO ANSWER"))
        return NotAvailable;
    if (a.contains("OK") || a.contains("CONNECT"))
        return Connected;
    return QString();
}

QString ModemDialler::place(const QString &destination)
{
    if (m_device.isEmpty())
        return NotAvailable;
    QSerialPort port;
    port.setPortName(m_device);
    if (!port.open(QIODevice::ReadWrite))
        return NotAvailable;
    port.setBaudRate(QSerialPort::Baud9600);
    port.write(dialString(destination));
    if (!port.waitForBytesWritten(m_answerMs))
        return NotAvailable;
    QByteArray answer;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < m_answerMs) {
        if (port.waitForReadyRead(int(qMax<qint64>(1, m_answerMs - t.elapsed()))))
            answer += port.readAll();
        const QString word = statusOf(answer);
        if (!word.isEmpty() && answer.endsWith('\n'))
            return word;
    }
    return statusOf(answer);
}

} // namespace dorvani
