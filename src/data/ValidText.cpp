#include "data/ValidText.h"

namespace dorvani {

QString validUnicode(const QString &text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    // Most texts hold no surrogate at all: they are returned without a copy.
    for (; i < n; ++i)
        if (text.at(i).isSurrogate())
            break;
    if (i == n)
        return text;
    QString out;
    out.reserve(n);
    out.append(text.constData(), i);
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (!c.isSurrogate()) {
            out.append(c);
        } else if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            out.append(c);
            out.append(text.at(++i));
        }
        // an unpaired half is dropped
    }
    return out;
}

QVariant validValue(const QVariant &value)
{
    if (value.typeId() == QMetaType::QString) {
        const QString s = value.toString();
        const QString clean = validUnicode(s);
        if (clean.size() != s.size())
            return clean;
    }
    return value;
}

QString leftWhole(const QString &text, qsizetype n)
{
    if (n >= text.size())
        return text;
    if (n <= 0)
        return QString("");
    if (text.at(n - 1).isHighSurrogate() && text.at(n).isLowSurrogate())
        --n;
    return text.left(n);
}

} // namespace dorvani
