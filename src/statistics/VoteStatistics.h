// The figures of the vote statistics: the votes one co-candidate gathers and from whom,
// the summary of several co-candidates by electoral centre, municipality or province, and
// the distribution of votes over the towns of the home prefecture. Every figure is one
// statement over the whole register; the sums are whole numbers and an empty vote is 0.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace dorvani {

class VoteStatistics {
public:
    // The width of a town name in the distribution rows.
    static constexpr int TownWidth = 35;

    struct Totals {
        qint64 count = 0;
        qint64 votes = 0;
    };
    // The citizens who give the co-candidate votes (VOTES > 0) and the sum of those votes.
    static Totals coCandidate(const QString &name);
    // The statement that lists those citizens in surname, name and father's name order.
    static QString citizensSql(const QString &name);

    struct SummaryChoice {
        QStringList names; // empty: every co-candidate
        int centre = 0;    // electoral centre's AUTONUM, 0 for none
        int dhmos = 0;     // municipality's AUTONUM, 0 for none
        int eparxia = 0;   // province's AUTONUM, 0 for none
        bool byCentre = false, byDhmos = false, byEparxia = false;
    };
    struct SummaryRow {
        QString name;
        qint64 votes = 0;
        int centre = 0, dhmos = 0, eparxia = 0;
    };
    static QString summarySql(const SummaryChoice &choice);
    static QList<SummaryRow> summary(const SummaryChoice &choice);

    // Distribution over the towns of a prefecture (by its AUTONUM): one row per town that
    // has distribution rows of existing citizens, ordered by province, municipality, town.
    struct TownRow {
        int eparxia = 0, dhmos = 0;
        QString town;
        qint64 votes = 0;
    };
    // The places chosen: a town by name, a municipality and a province by AUTONUM (0: any).
    struct Place {
        QString town;
        int dhmos = 0;
        int eparxia = 0;
    };
    static QString distributionSql(int nomos, const Place &place);
    static QString distributionSql(int nomos);
    static QList<TownRow> distribution(int nomos, const Place &place);
    static QList<TownRow> distribution(int nomos);
    static qint64 distributionTotal(int nomos);
    // The AUTONUM of the home prefecture named in the settings, 0 when there is none.
    static int homePrefecture();
};

} // namespace dorvani
