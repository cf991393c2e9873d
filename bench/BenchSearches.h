// The searches the benchmarks time: criteria typical of an office.
#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace dorvani::bench {

struct BenchSearch {
    QString name;
    std::function<QString()> sql;
};

QList<BenchSearch> benchSearches();

} // namespace dorvani::bench
