#include "BenchStatistics.h"

#include "BenchHarness.h"
#include "data/Store.h"
#include "statistics/VoteStatistics.h"

#include <QSqlQuery>

namespace dorvani::bench {

namespace {
// A register made without vote distributions gets some: every tenth citizen brings votes
// to five towns of the prefecture of the town he lives in (as the editing screen would
// leave them: some with votes, some empty). Written once, on the copy being measured.
void fillDistribution(Store &s)
{
    if (s.scalar("SELECT COUNT(*) FROM TOT_PSHFOI").toLongLong() > 0)
        return;
    std::printf("(writing vote distributions for every tenth citizen)\n");
    Transaction tx(s);
    s.exec("INSERT INTO TOT_PSHFOI (POLITESID, POLH, VOTES) "
           "SELECT P.AUTONUM, substr(T.POLH, 1, 35), CASE WHEN (P.AUTONUM + T.AUTONUM) % 3 = 0 THEN NULL "
           "ELSE (P.AUTONUM + T.AUTONUM) % 6 END "
           "FROM POLITES P JOIN POLEIS H ON H.AUTONUM = P.POLH JOIN POLEIS T ON T.NOMOS = H.NOMOS "
           "WHERE P.AUTONUM % 10 = 0 AND (T.AUTONUM + P.AUTONUM) % 17 < 1 + 85 / (SELECT COUNT(*) FROM POLEIS "
           "WHERE NOMOS = H.NOMOS)");
    tx.commit();
}
} // namespace

void benchStatistics(int times)
{
    Store &s = Store::instance();
    fillDistribution(s);
    std::printf("\nVote statistics: the figures each screen opens with, over the whole register\n");
    std::printf("(%lld co-candidate rows, %lld with votes; %lld distribution rows)\n",
                s.scalar("SELECT COUNT(*) FROM POLITES_SYNYPOPS").toLongLong(),
                s.scalar("SELECT COUNT(*) FROM POLITES_SYNYPOPS WHERE VOTES > 0").toLongLong(),
                s.scalar("SELECT COUNT(*) FROM TOT_PSHFOI").toLongLong());
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
    VoteStatistics::SummaryChoice province;
    province.byEparxia = true;
    province.eparxia = s.scalar("SELECT EPARXIA FROM EKLOGIKAK GROUP BY EPARXIA ORDER BY COUNT(*) DESC LIMIT 1").toInt();
    report("summary in one province", measure([&] { VoteStatistics::summary(province); }, times));
    QStringList names;
    QSqlQuery n = s.exec("SELECT Synypops FROM Synypops");
    while (n.next())
        names << n.value(0).toString();
    report("detailed results of every co-candidate by place",
           measure([&] { VoteStatistics::detailedResults(names, {}, "ΝΟΜΟΣ"); }, times));
    report("detailed results of two co-candidates by place",
           measure([&] { VoteStatistics::detailedResults(names.mid(0, 2), names.mid(0, 2), "ΝΟΜΟΣ"); }, times));

    const int nomos = s.scalar("SELECT NOMOS FROM POLEIS GROUP BY NOMOS ORDER BY COUNT(*) DESC LIMIT 1").toInt();
    report("distribution over the towns of a prefecture", measure(
                                                               [&] {
                                                                   // The window's rows and their total, in one statement.
                                                                   QSqlQuery q = s.exec(VoteStatistics::distributionSql(nomos));
                                                                   while (q.next()) {
                                                                   }
                                                               },
                                                               times));
    VoteStatistics::Place inProvince;
    inProvince.eparxia = s.scalar("SELECT EPARXIA FROM POLEIS WHERE NOMOS = ? LIMIT 1", {nomos}).toInt();
    report("distribution summed over one province", measure(
                                                         [&] {
                                                             QSqlQuery q = s.exec(VoteStatistics::groupedDistributionSql(nomos, inProvince));
                                                             while (q.next()) {
                                                             }
                                                         },
                                                         times));
    report("detailed distribution by town, municipality, province",
           measure([&] { VoteStatistics::detailedDistribution(nomos); }, times));
    const QString town =
        s.scalar("SELECT POLH FROM TOT_PSHFOI WHERE VOTES IS NOT NULL GROUP BY POLH ORDER BY COUNT(*) DESC LIMIT 1")
            .toString();
    report("voters of a town: first 40", measure(
                                             [&] {
                                                 QSqlQuery q = s.exec(VoteStatistics::townVotersSql(), {}, Store::Main,
                                                                      {{":POLH", town}});
                                                 for (int i = 0; i < 40 && q.next(); ++i) {
                                                 }
                                             },
                                             times));
}

} // namespace dorvani::bench
