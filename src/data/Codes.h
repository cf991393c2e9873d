// The coded attributes of a citizen: the small integer codes and comma lists of codes
// stored in a citizen row, and the texts the screens list and the derived fields show.
// A code is the position of its text in the list (first item 0).
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

namespace dorvani::codes {

const QStringList &sxesh();    // SXESH, electoral relationship
const QStringList &koma();     // KOMA, party leaning
const QStringList &fylo();     // FYLO, sex
const QStringList &oikogKat(); // OIKOGKAT, marital status
const QStringList &yesNo();    // ETERODHMOTHS and SYMAXIA
const QStringList &epafes();   // EPAFES, kinds of contact (a list)
const QStringList &idiothta(); // IDIOTHTA, the 27 public capacities (a list)

// The text of a code; empty for null, -1 or a code outside the table.
QString text(const QStringList &table, const QVariant &code);

// The items of a stored comma list that are whole numbers, in order; other items are skipped.
QList<int> listItems(const QString &stored);

// The display of a comma list: each item's text joined by "," without blanks. An item the
// resolver gives no text for (a deleted influence, a code outside its table) is skipped.
QString listDisplay(const QString &stored, const std::function<QString(int)> &resolve);
QString listDisplay(const QString &stored, const QStringList &table);

// A list of codes as stored: ascending positions joined by ",".
QString joinList(const QList<int> &codes);

} // namespace dorvani::codes
