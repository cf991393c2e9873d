#include "letters/Vocatives.h"

#include "data/Store.h"
#include "data/Vocative.h"

#include <QSet>
#include <QSqlQuery>

namespace dorvani::letters {

int addMissingVocatives()
{
    Store &store = Store::instance();
    QSet<QString> known;
    {
        QSqlQuery q(store.database());
        q.exec("SELECT ONOMA FROM KLHTIKH");
        while (q.next())
            known.insert(q.value(0).toString());
    }
    const bool wasEmpty = known.isEmpty();
    QList<std::pair<QString, QVariant>> pairs;
    {
        QSqlQuery q(store.database());
        q.exec("Select DISTINCT ONOMA,FYLO from POLITES");
        while (q.next())
            pairs.push_back({q.value(0).toString(), q.value(1)});
    }
    int added = 0;
    Transaction tx(store);
    for (const auto &[name, sex] : pairs) {
        if (name.trimmed().isEmpty() || (!wasEmpty && known.contains(name)))
            continue;
        store.run("INSERT INTO KLHTIKH (ONOMA, KLHTIKH, FYLO) VALUES (?, ?, ?)", {name, vocative::suggested(name, sex.isNull() ? -1 : sex.toInt()), sex});
        known.insert(name);
        ++added;
    }
    tx.commit();
    return added;
}

} // namespace dorvani::letters
