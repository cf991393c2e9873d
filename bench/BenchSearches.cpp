#include "BenchSearches.h"

namespace dorvani::bench {

QList<BenchSearch> benchSearches()
{
    auto fixed = [](const QString &s) { return [s] { return s; }; };
    return {
        {"no criterion", fixed("Select * From POLITES")},
        {"surname prefix", fixed("Select * From POLITES Where (EPITHETO LIKE 'ΠΑΠ%')")},
        {"party leaning and relationship", fixed("Select * From POLITES Where (KOMA = 3) AND (SXESH = 1)")},
        {"vote thresholds", fixed("Select * From POLITES Where (AVOTE >= 8) AND (PVOTE >= 15)")},
    };
}

} // namespace dorvani::bench
