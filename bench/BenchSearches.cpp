#include "BenchSearches.h"

#include "platform/Registry.h"
#include "data/Store.h"

#include <QSqlQuery>

namespace dorvani::bench {

QList<BenchSearch> benchSearches()
{
    Store &s = Store::instance();
    auto choice = [&](const QString &sql) {
        QSqlQuery q = s.exec(sql);
        return q.next() ? ListChoice{q.value(0).toString(), q.value(1)} : ListChoice{};
    };
    const ListChoice nomos = choice("SELECT NOMOS, AUTONUM FROM NOMOI ORDER BY AUTONUM LIMIT 1");
    const ListChoice town = choice("SELECT POLH, AUTONUM FROM POLEIS ORDER BY AUTONUM LIMIT 1 OFFSET 3");
    QSqlQuery inf = s.exec("SELECT AUTONUM, EPIROH FROM EPIROES ORDER BY EPIROH LIMIT 1");
    QList<QPair<int, QString>> influence;
    if (inf.next())
        influence << qMakePair(inf.value(0).toInt(), inf.value(1).toString());

    QList<BenchSearch> out;
    auto add = [&](const QString &name, const std::function<void(SearchCriteria &)> &fill) {
        SearchCriteria c;
        fill(c);
        out.append({name, c});
    };
    add("no criterion", [](SearchCriteria &) {});
    // The searches of a caller on the line: one person, or nobody.
    QSqlQuery one = s.exec("SELECT EPITHETO, ONOMA, PATR, TELO_1 FROM POLITES WHERE TELO_1 <> '' "
                           "ORDER BY AUTONUM LIMIT 1 OFFSET 5000");
    const bool haveOne = one.next();
    const QString surname = haveOne ? one.value(0).toString() : "ΠΑΠΑΣ", name = haveOne ? one.value(1).toString() : "",
                  father = haveOne ? one.value(2).toString() : "", phone = haveOne ? one.value(3).toString() : "";
    add("lookup exact telephone", [&](SearchCriteria &c) { c.telo[0] = phone; });
    add("lookup exact surname, first name and father's name", [&](SearchCriteria &c) {
        c.epitheto = surname;
        c.onoma = name;
        c.patr = father;
    });
    add("lookup surname prefix matching nobody ΩΞΨ*", [](SearchCriteria &c) { c.epitheto = "ΩΞΨ*"; });
    add("surname prefix ΠΑΠ*", [](SearchCriteria &c) { c.epitheto = "ΠΑΠ*"; });
    add("town", [&](SearchCriteria &c) { c.polh = town; });
    add("party leaning and relationship", [](SearchCriteria &c) {
        c.koma = 3;
        c.sxesh = 1;
    });
    add("vote thresholds 8 and 15", [](SearchCriteria &c) {
        c.avote = "8";
        c.pvote = "15";
    });
    add("birthday in March", [](SearchCriteria &c) {
        c.birthFrom = "01/03";
        c.birthTo = "31/03";
    });
    add("name day in the second half of August", [](SearchCriteria &c) {
        c.celebrFrom = "15/08";
        c.celebrTo = "31/08";
    });
    add("birthday in a whole year", [](SearchCriteria &c) {
        c.birthFrom = "01/01";
        c.birthTo = "31/12";
    });
    add("capacity ΝΟΜΑΡΧΗΣ", [](SearchCriteria &c) { c.capacities = "3"; });
    add("influence", [&](SearchCriteria &c) { c.influences = influence; });
    add("prefecture, relationship, party, contact", [&](SearchCriteria &c) {
        c.nomos = nomos;
        c.sxesh = 2;
        c.koma = 0;
        c.contacts = {1};
    });
    return out;
}

} // namespace dorvani::bench
