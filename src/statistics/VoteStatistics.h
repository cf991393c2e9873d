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
    // The citizen table joined for its electoral centres, through the index of number and
    // centre when the register has it.
    static QString citizenCentres(const QString &alias);
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
    // The votes in the chosen places, each distribution row counted once, even when its town
    // name occurs in two municipalities.
    static qint64 distributionTotal(int nomos, const Place &place);
    static qint64 distributionTotal(int nomos);
    // Both statements also give, on every row, "ALL VOTES": the votes of the chosen places
    // with every distribution row counted once.
    // The same figures grouped by the chosen levels only (a town, a municipality, a
    // province): the columns EPARXIA, DHMOS and POLH are null where not grouped by.
    // Empty when no level is chosen.
    static QString groupedDistributionSql(int nomos, const Place &place);

    // The citizens who bring votes to a town (its distribution rows with a vote, zero
    // included), by the first TownWidth letters of its name: POLITESID, EPITHETO, ONOMA,
    // POLH, VOTES, in surname order.
    static QString townVotersSql();

    // The detailed results of the co-candidates: the rows of a grid whose first cell is the
    // section title (on the first row of a section), the second the place and then one cell
    // per column's co-candidate, empty where the co-candidate has no votes there. Sections:
    // electoral centres, municipalities and provinces of the citizens' centres, and a
    // closing row with the home prefecture's name and each column's total. Names limits the
    // co-candidates counted (empty: every one).
    static QList<QStringList> detailedResults(const QStringList &columns, const QStringList &names,
                                              const QString &homeName);

    // The detailed distribution: the sums by town, municipality, province and prefecture of
    // the home prefecture, as rows of title, place and votes. Empty without a prefecture.
    static QList<QStringList> detailedDistribution(int nomos);

    // What a screen says when the settings name no home prefecture (or one that is not listed).
    static QString noHomeMessage() { return "Δεν έχει οριστεί νομός έδρας στις ρυθμίσεις του προγράμματος."; }
    // The home prefecture's name in the settings.
    static QString homePrefectureName();
    // The AUTONUM of the home prefecture named in the settings, 0 when there is none.
    static int homePrefecture();
};

} // namespace dorvani
