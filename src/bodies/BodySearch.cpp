#include "bodies/BodySearch.h"

#include "data/GreekText.h"
#include "data/Store.h"

#include <QDate>

namespace dorvani {

QString BodySearchBuilder::bodyTable(int kind)
{
    static const QStringList tables{"NOMARXIES", "DHMARXIES", "NOMARXIAKES_O", "TOPIKES_O"};
    return tables.value(qBound(0, kind, 3));
}

QString BodySearchBuilder::kindText(int kind)
{
    static const QStringList texts{"NOMAΡΧΙΕΣ", "ΔΗΜΑΡΧΙΕΣ", "ΝΟΜΑΡΧΙΑΚΕΣ ΟΡΓΑΝΩΣΕΙΣ", "ΤΟΠΙΚΕΣ ΟΡΓΑΝΩΣΕΙΣ"};
    return texts.value(qBound(0, kind, 3));
}

QStringList BodySearchBuilder::resultFields()
{
    return {"ONOMASIA", "KOMMA",   "SYMMAXIA", "EPITHETO", "ONOMA",      "KOMMAStruct",  "PERS_IDIOTHTA",
            "EPAGELMA", "KOMMATIKH_THESH", "ADDRESS", "POLH", "TK", "TEL1", "MOBILE", "CELEBRDATE", "PARATHRHSEIS",
            "ISINPOLITES"};
}

QStringList BodySearchBuilder::resultCaptions()
{
    return {"ΟΝΟΜΑΣΙΑ",  "ΚΟΜΜΑ",    "ΣΥΜΜΑΧΙΑ",    "ΕΠΙΘΕΤΟ",   "ΟΝΟΜΑ",       "ΚΟΜΜΑ ΣΥΝΘΕΣΗΣ",
            "ΙΔΙΟΤΗΤΑ",  "ΕΠΑΓΓΕΛΜΑ", "ΚΟΜΜΑΤΙΚΗ ΘΕΣΗ", "ΔΙΕΥΘΥΝΣΗ", "ΠΟΛΗ",  "Τ.Κ.",
            "ΤΗΛΕΦΩΝΟ",  "ΚΙΝΗΤΟ",   "ΗΜ. ΕΟΡΤΗΣ",  "ΠΛΗΡΟΦΟΡΙΕΣ", "ΠΟΛΙΤΗΣ"};
}

double BodySearchBuilder::widthFactor(int position)
{
    if (position == 3 || position == 4)
        return 1.33;
    if ((position >= 0 && position <= 2) || (position >= 5 && position <= 8))
        return 0.33;
    return 1.0;
}

BuiltBodySearch BodySearchBuilder::build(const BodySearchCriteria &c)
{
    BuiltBodySearch out;
    const QString T = bodyTable(c.kind);
    const QString S = T + "_STRUCT";
    out.table = T;
    QStringList conds, items;
    auto text = [&](const QString &typed, const QString &cond, const QString &caption, bool brackets = false) {
        const QString t = SearchBuilder::typed(typed);
        if (t.trimmed().isEmpty())
            return;
        const QString test = cond + " LIKE " + SearchBuilder::likePattern(t);
        conds << (brackets ? "(" + test + ")" : test);
        items << caption + "=" + t;
    };
    // A chosen entry's number, written as a number: nothing typed reaches the statement.
    auto choice = [&](const ListChoice &ch, const QString &cond, const QString &caption) {
        if (!ch.isSet())
            return;
        conds << cond + " = " + QString::number(ch.key.toLongLong());
        items << caption + "=" + ch.text;
    };
    text(c.onomasia, "ONOMASIA", "ΟΝΟΜΑΣΙΑ");
    choice(c.symmaxia, T + ".SYMMAXIAID", "ΣΥΜΜΑΧΙΑ");
    text(c.epitheto, "EPITHETO", "ΕΠΙΘΕΤΟ", true);
    text(c.onoma, "ONOMA", "ΟΝΟΜΑ", true);
    choice(c.idiothta, "PERS_IDIOTHTA.AUTONUM", "ΙΔΙΟΤΗΤΑ");
    choice(c.kommatikhThesh, S + ".KOMMATIKH_THESH_ID", "ΚΟΜΜ.ΘΕΣΗ");
    choice(c.komma, T + ".KOMMAID", "ΚΟΜΜA " + kindText(c.kind));
    choice(c.kommaStruct, S + ".KOMMA_ID", "ΚΟΜΜA ΣΥΝΘΕΣΗΣ");
    choice(c.epaggelma, "EPAGGELMA", "ΕΠΑΓΓΕΛΜΑ");
    text(c.address, "ADDRESS", "ΔΙΕΥΘΥΝΣΗ");
    text(c.polh, S + ".POLH", "ΠΟΛΗ");
    text(c.tk, S + ".TK", "ΤΚ");
    choice(c.nomos, "NOMOS", "ΝΟΜΟΣ");
    if (!(c.celebrFrom.trimmed() == "XX/XX" && c.celebrTo.trimmed() == "XX/XX")) {
        const QDate first = SearchBuilder::dayOf2003(c.celebrFrom), last = SearchBuilder::dayOf2003(c.celebrTo);
        if (first.isValid() && last.isValid()) {
            conds << greekUpper(SearchBuilder::dayList("CelebrDate", first, last));
            items << "ΕΟΡΤΑΖΕΙ ΑΠΟ " + c.celebrFrom + " ΕΩΣ ΚΑΙ " + c.celebrTo;
        }
    }
    text(c.tel1, "TEL1", "ΤΗΛ.");
    text(c.mobile, "MOBILE", "ΚΙΝΗΤΟ");
    text(c.parat, "PARATHRHSEIS", "ΠΑΡΑΤΗΡΗΣΕΙΣ");
    if (c.isInPolites == 0 || c.isInPolites == 1) {
        conds << QString("ISINPOLITES = ") + (c.isInPolites ? "true" : "false");
        items << QString("ΑΝΗΚΕΙ ΣΤΟΥΣ ΠΟΛΙΤΕΣ=") + (c.isInPolites ? "ΝΑΙ" : "ΟΧΙ");
    }
    out.condition = conds.join(" AND ");
    out.description = items.join(" - ");
    return out;
}

QStringList BuiltBodySearch::sqlLines() const
{
    const QString T = table, S = table + "_STRUCT";
    QStringList l{
        "Select " + S + ".*," + T + ".ONOMASIA,PERS_IDIOTHTA.PERS_IDIOTHTA,EPAGELMATA.EPAGELMA,",
        "KOMMATIKES_THESEIS.KOMMATIKH_THESH,KOMMATA.KOMMA,KOMMATASTRUCT.KOMMA AS KOMMASTRUCT,SYMMAXIES.KOMMA AS "
        "SYMMAXIA from " + S + " LEFT OUTER JOIN " + T + " ON",
        S + "." + T + "_ID=" + T + ".AUTONUM",
        "LEFT OUTER JOIN PERS_IDIOTHTA ON PERS_IDIOTHTA.AUTONUM=" + S + ".PERS_IDIOTHTA_ID",
        "LEFT OUTER JOIN EPAGELMATA ON EPAGELMATA.AUTONUM =" + S + ".EPAGGELMA",
        "LEFT OUTER JOIN KOMMATIKES_THESEIS ON KOMMATIKES_THESEIS.AUTONUM =" + S + ".KOMMATIKH_THESH_ID",
        "LEFT OUTER JOIN KOMMATA ON KOMMATA.AUTONUM =" + T + ".KOMMAID ",
        "LEFT OUTER JOIN KOMMATASTRUCT ON KOMMATASTRUCT.AUTONUM =" + S + ".KOMMA_ID ",
        "LEFT OUTER JOIN SYMMAXIES ON SYMMAXIES.AUTONUM =" + T + ".SYMMAXIAID "};
    if (!condition.trimmed().isEmpty())
        l << "where " + condition;
    return l;
}

} // namespace dorvani
