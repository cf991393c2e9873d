// Benchmarks of the vote statistics: the figures each statistics screen opens with.
#pragma once

namespace dorvani::bench {

void benchStatistics(int times);

} // namespace dorvani::bench
