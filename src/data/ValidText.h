// Text is valid Unicode before it is stored or searched. A field cut by its length, or a
// paste cut short, can leave half of a surrogate pair (the UTF-16 form of characters such
// as emoji); SQLite's conversion of such a half swallows the character after it, which in
// a quoted literal can be the closing quote.
#pragma once

#include <QString>
#include <QVariant>

namespace dorvani {

// The text without unpaired halves of surrogate pairs; whole pairs are kept. Returns the
// text itself when it holds none.
QString validUnicode(const QString &text);
// A value bound to a statement: a text as valid Unicode, anything else as it is.
QVariant validValue(const QVariant &value);
// The first n UTF-16 units of a text, one fewer when the cut would split a pair.
QString leftWhole(const QString &text, qsizetype n);

} // namespace dorvani
