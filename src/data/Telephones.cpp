#include "data/Telephones.h"

namespace dorvani::phones {

namespace {
bool separator(QChar c)
{
    return c == ' ' || c == '-' || c == '.' || c == '/' || c == '(' || c == ')' || c == QChar(0x00A0)
           || c == QChar(0x2010) || c == QChar(0x2013);
}
} // namespace

QString normalised(const QString &typed)
{
    const QString t = typed.trimmed();
    QString out;
    out.reserve(t.size());
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c.isDigit() && c.unicode() < 128)
            out += c;
        else if (c == '*' || (c == '+' && out.isEmpty()))
            out += c;
        else if (!separator(c))
            return t; // not a number: kept as typed
    }
    if (out.startsWith("+30"))
        out.remove(0, 3);
    else if (out.startsWith("0030") && out.size() > 4)
        out.remove(0, 4);
    return out;
}

const QStringList &citizenFields()
{
    static const QStringList fields = {"TELO_1", "TELO_2", "TELO_3", "TELO_4",  "TELO_5",  "TELE_1", "TELE_2",
                                       "TELE_3", "TELE_4", "TELE_5", "MOBILE1", "MOBILE2", "FAX"};
    return fields;
}

QString normalisingSql(const QString &field)
{
    // Only values made of digits and separators change, as normalised() does it.
    QString bare = field;
    for (const char *sep : {" ", "-", ".", "/", "(", ")"})
        bare = QString("replace(%1, '%2', '')").arg(bare, sep);
    const QString digits = QString("(CASE WHEN substr(%1, 1, 3) = '+30' THEN substr(%1, 4) "
                                   "WHEN substr(%1, 1, 4) = '0030' AND length(%1) > 4 THEN substr(%1, 5) "
                                   "ELSE %1 END)")
                               .arg(bare);
    return QString("(CASE WHEN trim(%1) <> '' AND trim(%2, '+0123456789') = '' THEN %3 ELSE trim(%1) END)")
        .arg(field, bare, digits);
}

} // namespace dorvani::phones
