// The searches the benchmarks time: criteria records typical of an office, built by the
// program's own search builder.
#pragma once

#include "search/SearchBuilder.h"

#include <QList>
#include <QString>

namespace dorvani::bench {

struct BenchSearch {
    QString name;
    SearchCriteria criteria;
};

// Criteria over the register that is open (its towns, influences and settings).
QList<BenchSearch> benchSearches();

} // namespace dorvani::bench
