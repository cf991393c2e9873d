#include "data/GreekFolding.h"

namespace dorvani {

namespace {

constexpr char16_t CapitalIotaDiaeresis = 0x03AA;   // Ϊ
constexpr char16_t CapitalUpsilonDiaeresis = 0x03AB; // Ϋ
constexpr char16_t CombiningDiaeresis = 0x0308;

// The letters of the modern Greek block.
char16_t modernLetter(char16_t u)
{
    switch (u) {
    case 0x0386: case 0x03AC: return 0x0391; // Ά ά
    case 0x0388: case 0x03AD: return 0x0395; // Έ έ
    case 0x0389: case 0x03AE: return 0x0397; // Ή ή
    case 0x038A: case 0x03AF: return 0x0399; // Ί ί
    case 0x038C: case 0x03CC: return 0x039F; // Ό ό
    case 0x038E: case 0x03CD: return 0x03A5; // Ύ ύ
    case 0x038F: case 0x03CE: return 0x03A9; // Ώ ώ
    case 0x0390: case 0x03CA: return CapitalIotaDiaeresis;    // ΐ ϊ
    case 0x03B0: case 0x03CB: return CapitalUpsilonDiaeresis; // ΰ ϋ
    case 0x03C2: return 0x03A3;                               // ς
    default: break;
    }
    if (u >= 0x03B1 && u <= 0x03C9)
        return char16_t(u - 0x20);
    return u;
}

bool isGreekLetter(QChar c) { return c.isLetter() && c.script() == QChar::Script_Greek; }
bool isLatinLetter(QChar c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isMark(QChar c) { return c.category() == QChar::Mark_NonSpacing; }

// A letter that carries a diaeresis as a separate mark.
QChar withDiaeresis(QChar capital)
{
    if (capital.unicode() == 0x0399)
        return QChar(CapitalIotaDiaeresis);
    if (capital.unicode() == 0x03A5)
        return QChar(CapitalUpsilonDiaeresis);
    return capital;
}

} // namespace

QChar greekStoredLetter(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 0x0370 && u <= 0x03FF)
        return QChar(modernLetter(u));
    if (u >= 0x1F00 && u <= 0x1FFF) {
        // Polytonic letters: the base letter, with a diaeresis when it has one.
        const QString d = QString(c).normalized(QString::NormalizationForm_D);
        if (d.isEmpty() || !isGreekLetter(d.at(0)) || d.at(0).unicode() > 0x03FF)
            return c;
        const QChar base(modernLetter(d.at(0).unicode()));
        return d.contains(QChar(CombiningDiaeresis)) ? withDiaeresis(base) : base;
    }
    return c;
}

QChar greekOfLatin(QChar c)
{
    // Index by the Latin capital; 0 where the Greek keyboard has no letter (Q).
    static const char16_t map[26] = {
        0x0391, // A Α
        0x0392, // B Β
        0x03A8, // C Ψ
        0x0394, // D Δ
        0x0395, // E Ε
        0x03A6, // F Φ
        0x0393, // G Γ
        0x0397, // H Η
        0x0399, // I Ι
        0x039E, // J Ξ
        0x039A, // K Κ
        0x039B, // L Λ
        0x039C, // M Μ
        0x039D, // N Ν
        0x039F, // O Ο
        0x03A1, // P Ρ, the look-alike (the key is Π)
        0,      // Q
        0x03A1, // R Ρ
        0x03A3, // S Σ
        0x03A4, // T Τ
        0x0398, // U Θ
        0x03A9, // V Ω
        0x03A3, // W ς
        0x03A7, // X Χ
        0x03A5, // Y Υ
        0x0396, // Z Ζ
    };
    if (!isLatinLetter(c))
        return QChar();
    const char16_t g = map[c.toUpper().unicode() - 'A'];
    return g ? QChar(g) : QChar();
}

QString greekStored(const QString &text)
{
    QString out;
    out.reserve(text.size());
    const int n = int(text.size());
    int i = 0;
    while (i < n) {
        if (!text.at(i).isLetter()) {
            out += text.at(i++);
            continue;
        }
        // A word: letters and the marks on them.
        int end = i;
        bool greek = false, latin = false;
        while (end < n && (text.at(end).isLetter() || isMark(text.at(end)))) {
            greek = greek || isGreekLetter(text.at(end));
            latin = latin || isLatinLetter(text.at(end));
            ++end;
        }
        for (int k = i; k < end; ++k) {
            const QChar c = text.at(k);
            if (isMark(c)) {
                // Marks on Greek letters are accents, dropped; a diaeresis joins its letter.
                if (!out.isEmpty() && isGreekLetter(out.back())) {
                    if (c.unicode() == CombiningDiaeresis)
                        out.back() = withDiaeresis(out.back());
                    continue;
                }
                out += c;
            } else if (isGreekLetter(c)) {
                out += greekStoredLetter(c);
            } else if (greek && latin && isLatinLetter(c) && !greekOfLatin(c).isNull()) {
                out += greekOfLatin(c);
            } else {
                out += c;
            }
        }
        i = end;
    }
    return out;
}

} // namespace dorvani
