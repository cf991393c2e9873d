// The result field list: the 55 fields of SearchQry that a citizen search hands to its
// result screens, position n matching item n of the field chooser, with the chooser's
// captions. Field names are matched against the query's fields without regard to case.
#pragma once

#include <QString>
#include <QStringList>

namespace dorvani::results {

constexpr int Count = 55;
QStringList fields();
QStringList captions();
// The fields whose sums the result screens show (exact names).
bool isVoteSum(const QString &field);

} // namespace dorvani::results
