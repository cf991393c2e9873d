// The telephone directory without its window: the citizens whose surname begins with a
// letter, and the numbers of one citizen, read again by the citizen's number.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace dorvani {

struct TelRow {
    int autonum = 0;
    QString surname, name, father, home, work; // EPITHETO, ONOMA, PATR, TELO_1, TELE_1
};

struct TelCard {
    QString name;       // surname and first name
    QStringList values; // the fifteen value lines, in the order of captions()
};

namespace TelDirectory {
// The fifteen captions of the value lines and the fields behind them.
const QStringList &captions();
const QStringList &fields();
// Index of the first value line without a dial button (FAX), of the e-mail and the web.
constexpr int Fax = 12, Email = 13, Web = 14;

// The statement that lists a letter: the first letter compared exactly (a Latin K is not
// a Greek Κ, nor k), as a range over the register's surname order so the index serves it.
QString letterSql();
// The letter as the two bounds of that range.
QVariantList letterBinds(const QString &letter);
QVector<TelRow> byLetter(const QString &letter);
// The citizen's numbers, or nothing when the citizen is gone.
std::optional<TelCard> card(int autonum);
} // namespace TelDirectory

} // namespace dorvani
