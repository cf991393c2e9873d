#include "statistics/VoteStatistics.h"

#include "data/GreekText.h"
#include "data/Store.h"
#include "platform/Registry.h"

#include <QSqlQuery>
#include <QVariant>

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
    sql += " FROM POLITES_SYNYPOPS E1 JOIN POLITES E2 ON E1.POLITESID = E2.AUTONUM";
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

QString VoteStatistics::distributionSql(int nomos, const Place &place)
{
    QString where = "E1.NOMOS = " + QString::number(nomos);
    if (!place.town.trimmed().isEmpty())
        where += " AND E1.POLH = " + sqlQuote(greekUpper(place.town.trimmed()));
    if (place.dhmos > 0)
        where += " AND E1.DHMOS = " + QString::number(place.dhmos);
    if (place.eparxia > 0)
        where += " AND E1.EPARXIA = " + QString::number(place.eparxia);
    // A distribution row names its town by the first TownWidth characters of the name, and
    // counts only while its citizen exists.
    return QString("SELECT E1.EPARXIA, E1.DHMOS, E1.POLH, COALESCE(SUM(E2.VOTES), 0) AS \"SUM OF VOTES\" "
                   "FROM POLEIS E1 JOIN TOT_PSHFOI E2 ON substr(E1.POLH, 1, %1) = E2.POLH "
                   "JOIN POLITES E3 ON E3.AUTONUM = E2.POLITESID "
                   "WHERE %2 GROUP BY E1.EPARXIA, E1.DHMOS, E1.POLH "
                   "ORDER BY E1.EPARXIA, E1.DHMOS, E1.POLH")
        .arg(TownWidth)
        .arg(where);
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

qint64 VoteStatistics::distributionTotal(int nomos)
{
    if (nomos <= 0)
        return 0;
    return Store::instance()
        .scalar(QString("SELECT COALESCE(SUM(E2.VOTES), 0) AS \"SUM OF VOTES\" FROM POLEIS E1 "
                        "JOIN TOT_PSHFOI E2 ON substr(E1.POLH, 1, %1) = E2.POLH "
                        "JOIN POLITES E3 ON E3.AUTONUM = E2.POLITESID WHERE E1.NOMOS = %2")
                    .arg(TownWidth)
                    .arg(nomos))
        .toLongLong();
}

int VoteStatistics::homePrefecture()
{
    const QString name = Registry(Registry::General).readString("Settings", "Nomos").trimmed();
    if (name.isEmpty())
        return 0;
    return Store::instance().scalar("SELECT AUTONUM FROM NOMOI WHERE NOMOS = ?", {name}).toInt();
}

} // namespace dorvani
