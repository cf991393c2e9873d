// Greek text rules shared by the store and the screens.
#pragma once

#include <QChar>
#include <QString>

namespace dorvani {

// The capital of a small unaccented Greek letter (final ς becomes Σ); any other
// character is returned unchanged.
QChar greekCapitalOfTyped(QChar c);
// Capitals in Greek and Latin, as the locale's rules give them, in the stored form of
// Greek text (greekStored: no tonos, a Greek word typed partly in Latin letters in Greek).
QString greekUpper(const QString &s);
// A key that compares Greek text as a Greek reader orders it: capitals without accents.
QString greekFoldKey(const QString &s);
// A total order: by the fold key, and texts with equal keys by their characters.
int greekCompare(const QString &a, const QString &b);

} // namespace dorvani
