// A few citizens over the small register, for the search tests: their names are what the
// tests expect a search to find ("ΕΠΙΘΕΤΟ ΟΝΟΜΑ", sorted).
#pragma once

#include "citizens/CitizenStore.h"
#include "RegisterFixture.h"
#include "data/Store.h"

#include <QSqlQuery>
#include <QStringList>

#include <algorithm>

namespace dorvani::test {

struct SearchCitizens {
    int papadopoulos = 0, papas = 0, pap = 0, kostas = 0;

    static int add(const QVariantMap &fields)
    {
        CitizenRecord r;
        r.fields = fields;
        if (!r.fields.contains("SXESH"))
            r.fields.insert("SXESH", -1);
        if (!r.fields.contains("KOMA"))
            r.fields.insert("KOMA", -1);
        return CitizenStore::insert(r);
    }

    static SearchCitizens fill(const RegisterFixture &f)
    {
        SearchCitizens c;
        const QString ab = QString("%1,%2").arg(f.influenceA).arg(f.influenceB);
        const QString ba = QString("%1,%2").arg(f.influenceB).arg(f.influenceA);
        c.papadopoulos = add({{"EPITHETO", "ΠΑΠΑΔΟΠΟΥΛΟΣ"}, {"ONOMA", "ΓΙΩΡΓΟΣ"}, {"PATR", "ΝΙΚΟΛΑΟΣ"},
                              {"MHTR", "ΜΑΡΙΑ"}, {"ETHNIKOTHTA", "ΕΛΛΗΝΙΚΗ"}, {"MORFOSH", f.morfosh},
                              {"EPAGELMA", "ΓΙΑΤΡΟΣ"}, {"ADDRESS", "ΑΘΗΝΑΣ 12"}, {"TK", "22100"},
                              {"POLH", f.tripoli}, {"DHMOS", f.tripolis}, {"EPARXIA", f.mantineia},
                              {"NOMOS", f.arkadia}, {"BIRTHDAY", "28/02/1970"}, {"CELEBRDAY", "23/04"},
                              {"ETERODHMOTHS", 1}, {"SYMAXIA", 0}, {"SXESH", 0}, {"KOMA", 3},
                              {"ASKHSH", f.centre}, {"FYLO", 0}, {"OIKOGKAT", 1}, {"MELHOIKOG", 4},
                              {"TELO_1", "2710222333"}, {"TELE_5", "2710999000"}, {"MOBILE2", "6944111222"},
                              {"FAX", "2710555666"}, {"EMAIL", "papa@mail.gr"}, {"WEB", "WWW.PAPA.GR"},
                              {"EPAFES", "0,2"}, {"EPIROH", ab}, {"AVOTE", 13}, {"P_PSHFOI", 10},
                              {"PSHFOI_P", 3}, {"IDIOTHTA", "3,10"}, {"DATA1", "Α123"},
                              {"NOTES", "ΦΙΛΟΣ ΤΟΥ ΓΡΑΦΕΙΟΥ"}, {"MelosID", f.melos}, {"PYRHNASID", f.cell},
                              {"TO_ID", f.to}, {"NE_ID", f.ne}, {"NO_ID", f.no},
                              {"AKSIOLOGHSH", f.aksiologhsh}});
        c.papas = add({{"EPITHETO", "ΠΑΠΑΣ"}, {"ONOMA", "ΝΙΚΟΣ"}, {"PATR", "ΓΕΩΡΓΙΟΣ"}, {"TK", "22100"},
                       {"POLH", f.kapsas}, {"DHMOS", f.tripolis}, {"EPARXIA", f.mantineia}, {"NOMOS", f.arkadia},
                       {"BIRTHDAY", "01/03/1980"}, {"CELEBRDAY", "06/12"}, {"FYLO", 0}, {"OIKOGKAT", 0},
                       {"EPAFES", "0,1,2"}, {"EPIROH", QString::number(f.influenceB)}, {"AVOTE", 0},
                       {"PVOTE", 12}, {"IDIOTHTA", "13"}, {"SXESH", 2}, {"NOTES", "   "}});
        c.pap = add({{"EPITHETO", "ΠΑΠ"}, {"ONOMA", "ΕΛΕΝΗ"}, {"FYLO", 1}, {"POLH", f.patra}, {"DHMOS", f.patreon},
                     {"EPARXIA", f.patron}, {"NOMOS", f.achaia}, {"BIRTHDAY", "31/12/1990"},
                     {"CELEBRDAY", "21/05"}, {"EPAFES", "2"}, {"EPIROH", ba}, {"AVOTE", 12}, {"PVOTE", 3},
                     {"IDIOTHTA", "23"}, {"P_PSHFOI", 2}});
        c.kostas = add({{"EPITHETO", "ΚΩΣΤΑ"}, {"ONOMA", "ΜΑΡΙΑ"}, {"FYLO", 1}, {"POLH", f.dimitsanaTown},
                        {"DHMOS", f.dimitsana}, {"EPARXIA", f.gortynia}, {"NOMOS", f.arkadia},
                        {"BIRTHDAY", "XX/XX/XXXX"}, {"CELEBRDAY", "XX/XX"}});
        return c;
    }
};

// The citizens a statement finds, as "ΕΠΙΘΕΤΟ ΟΝΟΜΑ", sorted.
inline QStringList namesFound(const QString &sql)
{
    QStringList out;
    QSqlQuery q = Store::instance().exec(sql);
    while (q.next())
        out << q.value("EPITHETO").toString() + ' ' + q.value("ONOMA").toString();
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace dorvani::test
