#include "BenchStatistics.h"

#include "BenchHarness.h"
#include "data/Store.h"
#include "statistics/VoteStatistics.h"

#include <QSqlQuery>

namespace dorvani::bench {

void benchStatistics(int times)
{
    Store &s = Store::instance();
    std::printf("\nVote statistics: the figures each screen opens with, over the whole register\n");
    const QString name =
        s.scalar("SELECT SYNYPOPS FROM POLITES_SYNYPOPS WHERE VOTES > 0 GROUP BY SYNYPOPS ORDER BY COUNT(*) DESC LIMIT 1")
            .toString();
    report("one co-candidate: count and sum", measure([&] { VoteStatistics::coCandidate(name); }, times));
    report("one co-candidate: first 40 citizens in surname order", measure(
                                                                      [&] {
                                                                          QSqlQuery q = s.exec(VoteStatistics::citizensSql(name));
                                                                          for (int i = 0; i < 40 && q.next(); ++i) {
                                                                          }
                                                                      },
                                                                      times));
    VoteStatistics::SummaryChoice all;
    report("summary of every co-candidate", measure([&] { VoteStatistics::summary(all); }, times));
    VoteStatistics::SummaryChoice places;
    places.byCentre = places.byDhmos = places.byEparxia = true;
    report("summary by centre, municipality and province", measure([&] { VoteStatistics::summary(places); }, times));
    const int nomos = s.scalar("SELECT NOMOS FROM POLEIS GROUP BY NOMOS ORDER BY COUNT(*) DESC LIMIT 1").toInt();
    report("distribution over the towns of a prefecture", measure(
                                                               [&] {
                                                                   VoteStatistics::distribution(nomos);
                                                                   VoteStatistics::distributionTotal(nomos);
                                                               },
                                                               times));
}

} // namespace dorvani::bench
