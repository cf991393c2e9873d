#include "telephone/TelDirectory.h"

#include "data/Store.h"

#include <QSqlQuery>
#include <QVariant>

namespace dorvani {

const QStringList &TelDirectory::captions()
{
    static const QStringList c = {"1)Τηλ.Οικίας :",     "2)Τηλ. Οικίας :",    "3)Τηλ. Οικίας :",
                                  "4)Τηλ. Οικίας :",    "5)Τηλ. Οικίας :",    "1)Τηλ. Εργασίας :",
                                  "2)Τηλ. Εργασίας :",  "3)Τηλ. Εργασίας :",  "4)Τηλ. Εργασίας :",
                                  "5)Τηλ. Εργασίας :",  "Κινητό :",           "Κινητό 2ο :",
                                  "FAX :",              "E-mail :",           "Web :"};
    return c;
}

const QStringList &TelDirectory::fields()
{
    static const QStringList f = {"TELO_1", "TELO_2", "TELO_3", "TELO_4",  "TELO_5",
                                  "TELE_1", "TELE_2", "TELE_3", "TELE_4",  "TELE_5",
                                  "MOBILE1", "MOBILE2", "FAX",  "EMAIL",   "WEB"};
    return f;
}

QString TelDirectory::letterSql()
{
    return "SELECT AUTONUM, EPITHETO, ONOMA, PATR, TELO_1, TELE_1 FROM POLITES "
           "WHERE EPITHETO >= ? AND EPITHETO < ? ORDER BY EPITHETO, ONOMA, PATR, AUTONUM";
}

QVariantList TelDirectory::letterBinds(const QString &letter)
{
    // Texts compare by their code points (UTF-8 keeps that order), so every surname that
    // begins with the letter lies between the letter and the code point after it.
    const QList<uint> ucs = letter.left(1).toUcs4();
    const uint first = ucs.isEmpty() ? 0 : ucs.first();
    const char32_t next = char32_t(first + 1);
    return {letter.left(1), QString::fromUcs4(&next, 1)};
}

QVector<TelRow> TelDirectory::byLetter(const QString &letter)
{
    QVector<TelRow> rows;
    if (letter.isEmpty())
        return rows;
    QSqlQuery q = Store::instance().exec(letterSql(), letterBinds(letter));
    while (q.next())
        rows.push_back({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                        q.value(4).toString(), q.value(5).toString()});
    return rows;
}

std::optional<TelCard> TelDirectory::card(int autonum)
{
    QSqlQuery q = Store::instance().exec(
        "SELECT EPITHETO, ONOMA, " + fields().join(", ") + " FROM POLITES WHERE AUTONUM = ?", {autonum});
    if (!q.next())
        return std::nullopt;
    TelCard c;
    c.name = q.value(0).toString() + " " + q.value(1).toString();
    for (int i = 0; i < fields().size(); ++i)
        c.values << q.value(i + 2).toString();
    return c;
}

} // namespace dorvani
