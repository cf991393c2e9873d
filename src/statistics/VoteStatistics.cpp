#include "statistics/VoteStatistics.h"

#include "data/DataModule.h"
#include "data/GreekText.h"
#include "data/Store.h"
#include "platform/Registry.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace dorvani {

VoteStatistics::Totals VoteStatistics::coCandidate(const QString &name)
{
    // Only rows of citizens that still exist count, so the figures agree with the list.
    QSqlQuery q = Store::instance().exec(
        "SELECT COUNT(*) AS \"COUNT\", COALESCE(SUM(E2.VOTES), 0) AS \"SUM OF VOTES\" "
        "FROM POLITES_SYNYPOPS E2 JOIN POLITES E1 ON E1.AUTONUM = E2.POLITESID "
        "WHERE E2.SYNYPOPS = ? AND E2.VOTES > 0",
        {name});
    Totals t;
    if (q.next()) {
        t.count = q.value(0).toLongLong();
        t.votes = q.value(1).toLongLong();
    }
    return t;
}

QString VoteStatistics::citizensSql(const QString &name)
{
    return "SELECT E1.AUTONUM, E1.EPITHETO, E1.ONOMA, E1.PATR, E1.TELO_1, E1.TELE_1, E1.MOBILE1, E2.VOTES "
           "FROM POLITES E1, POLITES_SYNYPOPS E2 WHERE E1.AUTONUM = E2.POLITESID AND E2.SYNYPOPS = "
           + sqlQuote(name) + " AND E2.VOTES > 0 ORDER BY E1.EPITHETO, E1.ONOMA, E1.PATR";
}

QString VoteStatistics::citizenCentres(const QString &alias)
{
    // The engine keeps no table statistics, so it would read each citizen's whole row by its
    // number; the index of number and centre answers both from itself.
    static const QString index = "POLITES_AUTONUM_ASKHSH";
    const bool indexed =
        Store::instance().isOpen()
        && Store::instance().scalar("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND name = ?", {index}).toInt() > 0;
    return "POLITES " + alias + (indexed ? " INDEXED BY \"" + index + "\"" : QString());
}

QString VoteStatistics::summarySql(const SummaryChoice &c)
{
    QStringList groups, conditions;
    if (c.byCentre) {
        groups << "E2.ASKHSH";
        if (c.centre > 0)
            conditions << "E2.ASKHSH = " + QString::number(c.centre);
    }
    if (c.byDhmos) {
        groups << "E3.DHMOS";
        if (c.dhmos > 0)
            conditions << "E3.DHMOS = " + QString::number(c.dhmos);
    }
    if (c.byEparxia) {
        groups << "E3.EPARXIA";
        if (c.eparxia > 0)
            conditions << "E3.EPARXIA = " + QString::number(c.eparxia);
    }
    const bool places = !groups.isEmpty();
    QString sql = "SELECT E1.SYNYPOPS, SUM(E1.VOTES) AS \"SUM OF VOTES\"";
    for (const QString &g : groups)
        sql += ", " + g + " AS " + g.mid(3);
    sql += " FROM POLITES_SYNYPOPS E1 JOIN " + citizenCentres("E2") + " ON E1.POLITESID = E2.AUTONUM";
    if (places)
        sql += " JOIN EKLOGIKAK E3 ON E3.AUTONUM = E2.ASKHSH";
    sql += " WHERE E1.VOTES > 0";
    if (!c.names.isEmpty()) {
        QStringList quoted;
        for (const QString &n : c.names)
            quoted << sqlQuote(n);
        sql += " AND E1.SYNYPOPS IN (" + quoted.join(',') + ")";
    }
    for (const QString &cond : conditions)
        sql += " AND " + cond;
    sql += " GROUP BY E1.SYNYPOPS";
    for (const QString &g : groups)
        sql += ", " + g;
    sql += " ORDER BY E1.SYNYPOPS";
    for (const QString &g : groups)
        sql += ", " + g;
    return sql;
}

QList<VoteStatistics::SummaryRow> VoteStatistics::summary(const SummaryChoice &c)
{
    QSqlQuery q = Store::instance().exec(summarySql(c));
    QList<SummaryRow> rows;
    while (q.next()) {
        SummaryRow r;
        r.name = q.value(0).toString();
        r.votes = q.value(1).toLongLong();
        int i = 2;
        if (c.byCentre)
            r.centre = q.value(i++).toInt();
        if (c.byDhmos)
            r.dhmos = q.value(i++).toInt();
        if (c.byEparxia)
            r.eparxia = q.value(i++).toInt();
        rows << r;
    }
    return rows;
}

namespace {
// The towns of a prefecture, each name once per municipality, with the chosen places.
QString townsWhere(int nomos, const VoteStatistics::Place &place)
{
    QString where = "NOMOS = " + QString::number(nomos);
    if (!place.town.trimmed().isEmpty())
        where += " AND POLH = " + sqlQuote(greekUpper(place.town.trimmed()));
    if (place.dhmos > 0)
        where += " AND DHMOS = " + QString::number(place.dhmos);
    if (place.eparxia > 0)
        where += " AND EPARXIA = " + QString::number(place.eparxia);
    return where;
}

// The votes of each town name of the chosen places (by its first TownWidth letters, as the
// distribution rows keep it), over the rows of existing citizens: one pass over the rows.
QString sumsByName(const QString &where)
{
    return QString("(SELECT E2.POLH AS NAME, SUM(E2.VOTES) AS VOTES FROM TOT_PSHFOI E2 "
                   "JOIN POLITES E3 ON E3.AUTONUM = E2.POLITESID "
                   "WHERE E2.POLH IN (SELECT substr(POLH, 1, %1) FROM POLEIS WHERE %2) GROUP BY E2.POLH)")
        .arg(VoteStatistics::TownWidth)
        .arg(where);
}
} // namespace

QString VoteStatistics::distributionSql(int nomos, const Place &place)
{
    // A distribution row names its town by the first TownWidth characters of the name, and
    // counts only while its citizen exists. A town entered in two municipalities shows its
    // votes in both; "ALL VOTES" counts them once (on the first row of each name).
    const QString where = townsWhere(nomos, place);
    // The chosen names enter the text last, so that nothing in them is taken for a placeholder.
    return "SELECT EPARXIA, DHMOS, POLH, V AS \"SUM OF VOTES\", "
           "SUM(CASE WHEN RN = 1 THEN V ELSE 0 END) OVER () AS \"ALL VOTES\" FROM ("
           "SELECT E1.EPARXIA, E1.DHMOS, E1.POLH, COALESCE(S.VOTES, 0) AS V, "
           "ROW_NUMBER() OVER (PARTITION BY S.NAME) AS RN "
           "FROM (SELECT DISTINCT EPARXIA, DHMOS, POLH FROM POLEIS WHERE "
           + where + ") E1 JOIN " + sumsByName(where) + " S ON S.NAME = substr(E1.POLH, 1, "
           + QString::number(TownWidth) + ")) ORDER BY EPARXIA, DHMOS, POLH";
}

QString VoteStatistics::groupedDistributionSql(int nomos, const Place &place)
{
    const bool byTown = !place.town.trimmed().isEmpty(), byDhmos = place.dhmos > 0, byEparxia = place.eparxia > 0;
    if (!byTown && !byDhmos && !byEparxia)
        return QString();
    QStringList levels;
    if (byEparxia)
        levels << "EPARXIA";
    if (byDhmos)
        levels << "DHMOS";
    if (byTown)
        levels << "POLH";
    auto column = [&](const QString &level) { return levels.contains(level) ? level : "NULL AS " + level; };
    const QString where = townsWhere(nomos, place);
    const QString e1 = "E1." + levels.join(", E1.");
    return QString("SELECT %1, %2, %3, SUM(V) AS \"SUM OF VOTES\", "
                   "SUM(SUM(CASE WHEN RN = 1 THEN V ELSE 0 END)) OVER () AS \"ALL VOTES\" FROM ("
                   "SELECT %4, COALESCE(S.VOTES, 0) AS V, ROW_NUMBER() OVER (PARTITION BY S.NAME) AS RN "
                   "FROM (SELECT DISTINCT %5, substr(POLH, 1, %6) AS NAME FROM POLEIS WHERE ")
               .arg(column("EPARXIA"), column("DHMOS"), column("POLH"), e1, levels.join(", "))
               .arg(TownWidth)
           + where + ") E1 JOIN " + sumsByName(where) + " S ON S.NAME = E1.NAME) GROUP BY " + levels.join(", ")
           + " ORDER BY " + levels.join(", ");
}

QString VoteStatistics::townVotersSql()
{
    return QString("SELECT E1.POLITESID, E2.EPITHETO, E2.ONOMA, E1.POLH, E1.VOTES FROM TOT_PSHFOI E1 "
                   "JOIN POLITES E2 ON E1.POLITESID = E2.AUTONUM "
                   "WHERE E1.VOTES IS NOT NULL AND E1.POLH = substr(:POLH, 1, %1) "
                   "ORDER BY E2.EPITHETO, E2.ONOMA, E1.POLITESID")
        .arg(TownWidth);
}

QList<VoteStatistics::TownRow> VoteStatistics::distribution(int nomos, const Place &place)
{
    QList<TownRow> rows;
    if (nomos <= 0)
        return rows;
    QSqlQuery q = Store::instance().exec(distributionSql(nomos, place));
    while (q.next())
        rows << TownRow{q.value(0).toInt(), q.value(1).toInt(), q.value(2).toString(), q.value(3).toLongLong()};
    return rows;
}

QString VoteStatistics::distributionSql(int nomos) { return distributionSql(nomos, Place()); }

QList<VoteStatistics::TownRow> VoteStatistics::distribution(int nomos) { return distribution(nomos, Place()); }

qint64 VoteStatistics::distributionTotal(int nomos, const Place &place)
{
    if (nomos <= 0)
        return 0;
    return Store::instance()
        .scalar(QString("SELECT COALESCE(SUM(E2.VOTES), 0) AS \"SUM OF VOTES\" FROM TOT_PSHFOI E2 "
                        "JOIN POLITES E3 ON E3.AUTONUM = E2.POLITESID "
                        "WHERE E2.POLH IN (SELECT substr(POLH, 1, %1) FROM POLEIS WHERE %2)")
                    .arg(TownWidth)
                    .arg(townsWhere(nomos, place)))
        .toLongLong();
}

qint64 VoteStatistics::distributionTotal(int nomos) { return distributionTotal(nomos, Place()); }

QList<QStringList> VoteStatistics::detailedResults(const QStringList &columns, const QStringList &names,
                                                   const QString &homeName)
{
    // One statement gives every co-candidate's votes by electoral centre; a centre lies in one
    // municipality and one province, so their sums are the sums of their centres.
    // The votes are summed by co-candidate and centre first (a few hundred rows), and only
    // those sums are joined to the places and their names.
    QString votes = "SELECT E1.SYNYPOPS, E2.ASKHSH, SUM(E1.VOTES) AS VOTES FROM POLITES_SYNYPOPS E1 JOIN "
                    + citizenCentres("E2") + " ON E1.POLITESID = E2.AUTONUM WHERE E1.VOTES > 0";
    if (!names.isEmpty()) {
        QStringList quoted;
        for (const QString &n : names)
            quoted << sqlQuote(n);
        votes += " AND E1.SYNYPOPS IN (" + quoted.join(',') + ")";
    }
    votes += " GROUP BY E1.SYNYPOPS, E2.ASKHSH";
    const QString sql = "SELECT V.SYNYPOPS, V.ASKHSH, E3.DHMOS, E3.EPARXIA, V.VOTES AS \"SUM OF VOTES\", "
                        "COALESCE(N.NOMOS, '') AS NOMOSNAME, COALESCE(D.DHMOS, '') AS DHMOSNAME, "
                        "E3.EKLOGIKOK, E3.ENORIA, COALESCE(P.EPARXIA, '') AS EPARXIANAME FROM ("
                        + votes
                        + ") V JOIN EKLOGIKAK E3 ON E3.AUTONUM = V.ASKHSH "
                          "LEFT JOIN NOMOI N ON N.AUTONUM = E3.NOMOS LEFT JOIN DHMOI D ON D.AUTONUM = E3.DHMOS "
                          "LEFT JOIN EPARXIES P ON P.AUTONUM = E3.EPARXIA "
                          "ORDER BY E3.EPARXIA, E3.DHMOS, V.ASKHSH, V.SYNYPOPS";

    struct Place {
        QString name;
        QList<qint64> votes;
        QList<bool> any;
    };
    // Places in the order they first appear, each with its votes per column.
    struct Section {
        QList<qint64> keys;
        QHash<qint64, Place> places;
        void add(qint64 key, const QString &name, int column, qint64 votes, int columns)
        {
            if (!places.contains(key)) {
                keys << key;
                places.insert(key, Place{name, QList<qint64>(columns, 0), QList<bool>(columns, false)});
            }
            if (column >= 0) {
                Place &p = places[key];
                p.votes[column] += votes;
                p.any[column] = true;
            }
        }
    } centres, dhmoi, eparxies;
    const int n = int(columns.size());
    QList<qint64> totals(n, 0);
    QSqlQuery q = Store::instance().exec(sql);
    while (q.next()) {
        const QString who = q.value(0).toString();
        const qint64 votes = q.value(4).toLongLong();
        int column = -1;
        for (int c = 0; c < n; ++c)
            if (columns[c].trimmed() == who)
                column = c;
        centres.add(q.value(1).toLongLong(), TDataMdl::allStr(q.value(5).toString(), q.value(6).toString(),
                                                              q.value(7).toString(), q.value(8).toString()),
                    column, votes, n);
        dhmoi.add(q.value(2).toLongLong(), q.value(6).toString(), column, votes, n);
        eparxies.add(q.value(3).toLongLong(), q.value(9).toString(), column, votes, n);
        if (column >= 0)
            totals[column] += votes;
    }
    QList<QStringList> rows;
    auto put = [&](const QString &title, Section &s, bool byKey) {
        if (byKey)
            std::sort(s.keys.begin(), s.keys.end());
        for (int i = 0; i < s.keys.size(); ++i) {
            const Place &p = s.places[s.keys[i]];
            QStringList cells{i == 0 ? title : QString(), p.name};
            for (int c = 0; c < n; ++c)
                cells << (p.any[c] ? QString::number(p.votes[c]) : QString());
            rows << cells;
        }
    };
    put("ΕΚΛΟΓΙΚΑ ΚΕΝΤΡΑ", centres, false);
    put("ΔΗΜΟΣ", dhmoi, false);
    put("ΕΠΑΡΧΙΑ", eparxies, true);
    QStringList last{"ΝΟΜΟΣ", homeName};
    for (qint64 t : totals)
        last << QString::number(t);
    rows << last;
    return rows;
}

QList<QStringList> VoteStatistics::detailedDistribution(int nomos)
{
    QList<QStringList> rows;
    if (nomos <= 0)
        return rows;
    Store &s = Store::instance();
    const QString n = QString::number(nomos);
    // One pass over the distribution rows gives the votes of each town name; each level adds
    // the names of its towns, every name once, however many times it is entered in it.
    QHash<QString, qint64> byName;
    {
        QSqlQuery q = s.exec("SELECT NAME, COALESCE(VOTES, 0) FROM " + sumsByName("NOMOS = " + n));
        while (q.next())
            byName.insert(q.value(0).toString(), q.value(1).toLongLong());
    }
    struct Level {
        QList<qint64> order;
        QHash<qint64, QString> names;
        QHash<qint64, QSet<QString>> towns;
    };
    Level dhmoi, eparxies;
    auto order = [&](Level &l, const QString &sql) {
        QSqlQuery q = s.exec(sql);
        while (q.next()) {
            l.order << q.value(0).toLongLong();
            l.names.insert(q.value(0).toLongLong(), q.value(1).toString());
        }
    };
    order(dhmoi, "SELECT AUTONUM, DHMOS FROM DHMOI WHERE AUTONUM IN (SELECT DHMOS FROM POLEIS WHERE NOMOS = " + n
                     + ") ORDER BY EPARXIA, DHMOS COLLATE GREEK, AUTONUM");
    order(eparxies, "SELECT AUTONUM, EPARXIA FROM EPARXIES WHERE AUTONUM IN (SELECT EPARXIA FROM POLEIS WHERE NOMOS = "
                        + n + ") ORDER BY EPARXIA COLLATE GREEK, AUTONUM");
    QSet<QString> all;
    bool first = true;
    QSqlQuery t = s.exec(QString("SELECT DISTINCT POLH, DHMOS, EPARXIA, substr(POLH, 1, %1) FROM POLEIS WHERE NOMOS = %2 "
                                 "ORDER BY POLH COLLATE GREEK, DHMOS, EPARXIA")
                             .arg(TownWidth)
                             .arg(n));
    while (t.next()) {
        const QString name = t.value(3).toString();
        if (!byName.contains(name))
            continue;
        rows << QStringList{first ? "ΠΟΛΗ" : QString(), t.value(0).toString(), QString::number(byName.value(name))};
        first = false;
        dhmoi.towns[t.value(1).toLongLong()].insert(name);
        eparxies.towns[t.value(2).toLongLong()].insert(name);
        all.insert(name);
    }
    auto put = [&](const QString &title, const Level &l) {
        bool first = true;
        for (qint64 id : l.order) {
            if (!l.towns.contains(id))
                continue;
            qint64 sum = 0;
            for (const QString &name : l.towns.value(id))
                sum += byName.value(name);
            rows << QStringList{first ? title : QString(), l.names.value(id), QString::number(sum)};
            first = false;
        }
    };
    put("ΔΗΜΟΣ", dhmoi);
    put("ΕΠΑΡΧΙΑ", eparxies);
    if (!all.isEmpty()) {
        qint64 sum = 0;
        for (const QString &name : all)
            sum += byName.value(name);
        rows << QStringList{"ΝΟΜΟΣ", s.scalar("SELECT NOMOS FROM NOMOI WHERE AUTONUM = ?", {nomos}).toString(),
                            QString::number(sum)};
    }
    return rows;
}

QString VoteStatistics::homePrefectureName()
{
    return Registry(Registry::General).readString("Settings", "Nomos").trimmed();
}

int VoteStatistics::homePrefecture()
{
    const QString name = Registry(Registry::General).readString("Settings", "Nomos").trimmed();
    if (name.isEmpty())
        return 0;
    return Store::instance().scalar("SELECT AUTONUM FROM NOMOI WHERE NOMOS = ?", {name}).toInt();
}

} // namespace dorvani
