// Greek text in the form the register stores it and the searches compare it: capitals
// without tonos, and Greek words typed partly on a Latin keyboard turned into Greek.
#pragma once

#include <QChar>
#include <QString>

namespace dorvani {

// The capital without tonos of a Greek letter, small or capital, accented or not: ά and Ά
// become Α, final ς becomes Σ, the diaeresis is kept (ϊ and ΐ become Ϊ, ϋ and ΰ become Ϋ).
// Any other character is returned unchanged.
QChar greekStoredLetter(QChar c);

// The Greek letter that a Latin letter stands for in a Greek word: the look-alike capital
// (A Α, B Β, E Ε, H Η, I Ι, K Κ, M Μ, N Ν, O Ο, P Ρ, T Τ, X Χ, Y Υ, Z Ζ) or else the letter
// of the same key on the Greek keyboard (S Σ, D Δ, F Φ, G Γ, ...). A null QChar when none.
QChar greekOfLatin(QChar c);

// The stored form of a text: every Greek letter as greekStoredLetter gives it (accents
// typed as separate marks are dropped, a separate diaeresis is joined to its letter); a
// word that mixes Greek and Latin letters gets the Greek letter of each Latin one; a word
// wholly in Latin letters, digits and everything else stay as they are. Each character
// stays one character, so a position in the text keeps its meaning, except that dropped
// marks shorten it.
QString greekStored(const QString &text);

} // namespace dorvani
