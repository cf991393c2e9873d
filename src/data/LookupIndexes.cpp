#include "data/LookupIndexes.h"

#include "data/Store.h"
#include "data/Telephones.h"

#include <QSet>
#include <QSqlQuery>

namespace dorvani {

namespace {
// The index that marks a register whose telephones are stored normalised.
const QString kPhoneMark = "POLITES_TELO_1";
} // namespace

const QList<LookupIndexes::Index> &LookupIndexes::all()
{
    static const QList<Index> list = [] {
        QList<Index> l;
        auto text = [&](const QString &field) {
            const QString name = "POLITES_" + field;
            l.append(Index{name, QString("CREATE INDEX IF NOT EXISTS \"%1\" ON \"POLITES\" (\"%2\" COLLATE NOCASE)")
                                .arg(name, field)});
        };
        // A day or a few days are LIKE 'dd/mm%' on the field itself; longer ranges are
        // rewritten to substr(field, 1, 5) IN (...), which the _DAY indexes answer.
        for (const char *f : {"ONOMA", "PATR", "BIRTHDAY", "CELEBRDAY"})
            text(f);
        // A surname with first name and father's name: the surname narrows the range and
        // the other two are tested in the index, without reading a row of every namesake.
        l.append(Index{"POLITES_NAMES", "CREATE INDEX IF NOT EXISTS \"POLITES_NAMES\" ON \"POLITES\" (\"EPITHETO\" "
                                        "COLLATE NOCASE, \"ONOMA\" COLLATE NOCASE, \"PATR\" COLLATE NOCASE)"});
        for (const QString &f : phones::citizenFields())
            text(f);
        l.append(Index{"POLITES_POLH", "CREATE INDEX IF NOT EXISTS \"POLITES_POLH\" ON \"POLITES\" (\"POLH\")"});
        for (const char *f : {"BIRTHDAY", "CELEBRDAY"})
            l.append(Index{QString("POLITES_%1_DAY").arg(f),
                      QString("CREATE INDEX IF NOT EXISTS \"POLITES_%1_DAY\" ON \"POLITES\" (substr(\"%1\", 1, 5))")
                          .arg(f)});
        // The vote statistics: the rows that give a co-candidate votes (a tenth of the table,
        // so their upkeep on a save is small), the distribution rows by town, and the citizen
        // numbers alone, which tell whether a vote row's citizen still exists without reading
        // the citizen's row.
        l.append(Index{"POLITES_SYNYPOPS_VOTES",
                       "CREATE INDEX IF NOT EXISTS \"POLITES_SYNYPOPS_VOTES\" ON \"POLITES_SYNYPOPS\" (\"SYNYPOPS\", "
                       "\"POLITESID\", \"VOTES\") WHERE \"VOTES\" > 0"});
        l.append(Index{"TOT_PSHFOI_POLH", "CREATE INDEX IF NOT EXISTS \"TOT_PSHFOI_POLH\" ON \"TOT_PSHFOI\" (\"POLH\", "
                                          "\"POLITESID\", \"VOTES\")"});
        l.append(Index{"POLITES_AUTONUM", "CREATE INDEX IF NOT EXISTS \"POLITES_AUTONUM\" ON \"POLITES\" (\"AUTONUM\")"});
        // A citizen's number and electoral centre: the centre of a vote row's citizen without
        // reading the citizen's whole row (the figures by centre name it).
        l.append(Index{"POLITES_AUTONUM_ASKHSH",
                       "CREATE INDEX IF NOT EXISTS \"POLITES_AUTONUM_ASKHSH\" ON \"POLITES\" (\"AUTONUM\", \"ASKHSH\")"});
        return l;
    }();
    return list;
}

QStringList LookupIndexes::missing(Store &s)
{
    QSet<QString> present;
    QSqlQuery q = s.exec("SELECT name FROM sqlite_master WHERE type = 'index'");
    while (q.next())
        present.insert(q.value(0).toString());
    QStringList out;
    for (const Index &ix : all())
        if (!present.contains(ix.name))
            out << ix.name;
    return out;
}

void LookupIndexes::ensure(Store &s, const std::function<void(int, int)> &progress)
{
    const QStringList lacking = missing(s);
    if (lacking.isEmpty())
        return;
    const bool normalise = lacking.contains(kPhoneMark);
    const int total = int(lacking.size()) + (normalise ? 1 : 0);
    int done = 0;
    Transaction tx(s);
    if (normalise) {
        if (progress)
            progress(done, total);
        QStringList sets, changed;
        for (const QString &f : phones::citizenFields()) {
            sets << QString("\"%1\" = %2").arg(f, phones::normalisingSql('"' + f + '"'));
            changed << QString("\"%1\" <> %2").arg(f, phones::normalisingSql('"' + f + '"'));
        }
        s.exec(QString("UPDATE \"POLITES\" SET %1 WHERE %2").arg(sets.join(", "), changed.join(" OR ")));
        ++done;
    }
    for (const Index &ix : all()) {
        if (!lacking.contains(ix.name))
            continue;
        if (progress)
            progress(done, total);
        s.exec(ix.sql);
        ++done;
    }
    if (progress)
        progress(done, total);
    tx.commit();
}

} // namespace dorvani
