#include "data/GreekText.h"

#include "data/GreekFolding.h"

namespace dorvani {

QChar greekCapitalOfTyped(QChar c)
{
    const char16_t u = c.unicode();
    if (u == 0x03C2) // final sigma
        return QChar(0x03A3);
    if (u >= 0x03B1 && u <= 0x03C9)
        return QChar(char16_t(u - 0x20));
    return c;
}

QString greekUpper(const QString &s)
{
    return greekStored(s.toUpper());
}

QString greekFoldKey(const QString &s)
{
    const QString d = s.normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(d.size());
    for (QChar c : d) {
        const char16_t u = c.unicode();
        if (u >= 0x0300 && u <= 0x036F)
            continue; // accents and diaeresis
        out += c;
    }
    return out.toUpper();
}

int greekCompare(const QString &a, const QString &b)
{
    const int k = QString::compare(greekFoldKey(a), greekFoldKey(b), Qt::CaseSensitive);
    if (k != 0)
        return k;
    return QString::compare(a, b, Qt::CaseSensitive);
}

} // namespace dorvani
