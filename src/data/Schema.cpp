#include "data/Schema.h"

#include "data/DbError.h"
#include "data/SqlText.h"
#include "data/ValidText.h"

#include <QDate>
#include <QHash>
#include <QLocale>

namespace dorvani {

namespace {

// Fields are written "NAME:KIND[WIDTH][L]":
// T text, M memo, I int, S short, F float, A autoinc, B bool, D date; L marks a number list,
// + a field that later versions added.
FieldDef parseField(const QString &text)
{
    const int colon = text.indexOf(':');
    FieldDef f;
    f.name = text.left(colon);
    QString rest = text.mid(colon + 1);
    if (rest.endsWith('+')) {
        f.added = true;
        rest.chop(1);
    }
    if (rest.endsWith('L')) {
        f.numberList = true;
        rest.chop(1);
    }
    switch (rest.at(0).toLatin1()) {
    case 'T': f.kind = FieldKind::Text; break;
    case 'M': f.kind = FieldKind::Memo; break;
    case 'I': f.kind = FieldKind::Int; break;
    case 'S': f.kind = FieldKind::Short; break;
    case 'F': f.kind = FieldKind::Float; break;
    case 'A': f.kind = FieldKind::AutoInc; break;
    case 'B': f.kind = FieldKind::Bool; break;
    case 'D': f.kind = FieldKind::Date; break;
    default: Q_ASSERT_X(false, "Schema", "unknown field kind");
    }
    f.width = rest.mid(1).toInt();
    return f;
}

TableDef makeTable(const QString &name, const QString &file, const QStringList &fields,
                   const QStringList &key, const QVector<IndexDef> &indexes = {})
{
    TableDef t;
    t.name = name;
    t.fileName = file;
    for (const QString &s : fields)
        t.fields.append(parseField(s));
    t.uniqueKey = key;
    t.indexes = indexes;
    return t;
}

QStringList split(const char *list) { return QString::fromLatin1(list).split(' ', Qt::SkipEmptyParts); }

// The four registries of bodies share their fields; only the stored order differs.
QStringList registryFields(const QStringList &order)
{
    static const QHash<QString, QString> layout = {
        {"Nomos", "Nomos:I"},       {"Onomasia", "Onomasia:T50"}, {"Edra", "Edra:T70"},
        {"Polh", "Polh:T30"},       {"Tk", "Tk:T6"},              {"Thl", "Thl:T10"},
        {"Fax", "Fax:T10"},         {"Email", "Email:T20"},       {"Web", "Web:T20"},
        {"Autonum", "Autonum:A"},   {"KOMMAID", "KOMMAID:I"},     {"KommaID", "KommaID:I"},
        {"Kommaid", "Kommaid:I"},   {"SYMMAXIAID", "SYMMAXIAID:I"},
        {"NOMARXIAKES_O_ID", "NOMARXIAKES_O_ID:I"},
    };
    QStringList out;
    for (const QString &f : order)
        out << layout.value(f);
    return out;
}

// The four composition tables share one set of member fields.
QStringList memberFields(const QString &parent, const QStringList &order)
{
    static const QHash<QString, QString> layout = {
        {"AUTONUM", "AUTONUM:A"},
        {"EPITHETO", "EPITHETO:T15"},
        {"ONOMA", "ONOMA:T10"},
        {"PERS_IDIOTHTA_ID", "PERS_IDIOTHTA_ID:I"},
        {"KOMMA_ID", "KOMMA_ID:I"},
        {"KOMMATIKH_THESH_ID", "KOMMATIKH_THESH_ID:I"},
        {"EPAGGELMA", "EPAGGELMA:I"},
        {"ADDRESS", "ADDRESS:T50"},
        {"POLH", "POLH:T30"},
        {"Tk", "Tk:T6"},
        {"TEL1", "TEL1:T10"},
        {"TEL2", "TEL2:T10"},
        {"MOBILE", "MOBILE:T10"},
        {"CELEBRDATE", "CELEBRDATE:T5"},
        {"ISINPOLITES", "ISINPOLITES:B"},
        {"PARATHRHSEIS", "PARATHRHSEIS:T200"},
    };
    QStringList out;
    for (const QString &f : order)
        out << (f == parent ? parent + ":I" : layout.value(f));
    return out;
}

QVector<TableDef> buildTables()
{
    QVector<TableDef> t;

    // Citizen register
    t << makeTable("POLITES", "POLITES.db",
                   {"EPITHETO:T30", "ONOMA:T20", "PATR:T20", "AUTONUM:A", "MHTR:T20",
                    "ETHNIKOTHTA:T60", "MORFOSH:I", "EPAGELMA:T100", "ADDRESS:T100", "TK:T7",
                    "POLH:I", "DHMOS:I", "EPARXIA:I", "NOMOS:I", "BIRTHDAY:T10", "CELEBRDAY:T5",
                    "ETERODHMOTHS:I", "SYMAXIA:I", "SXESH:I", "KOMA:I", "ASKHSH:I", "FYLO:I",
                    "OIKOGKAT:I", "MELHOIKOG:I", "TELO_1:T12", "TELO_2:T12", "TELO_3:T12",
                    "TELO_4:T12", "TELO_5:T12", "TELE_1:T12", "TELE_2:T12", "TELE_3:T12",
                    "TELE_4:T12", "TELE_5:T12", "MOBILE1:T12", "MOBILE2:T12", "FAX:T12",
                    "EMAIL:T25", "WEB:T50", "EPAFES:T20L", "EPIROH:T50L", "AVOTE:I", "PVOTE:I",
                    "PROORISMOSID:I", "PSHFOI_P:I", "P_PSHFOI:I", "IDIOTHTA:T60L", "DATA1:T60",
                    "NOTES:T250", "MelosID:I", "PYRHNASID:I", "TO_ID:I", "NE_ID:I", "NO_ID:I",
                    "KLHTIKH:T20", "AKSIOLOGHSH:I"},
                   split("EPITHETO ONOMA PATR AUTONUM"));
    t << makeTable("POLITES_Synypops", "POLITES_Synypops.db",
                   {"POLITESID:I", "AUTONUM:A", "SYNYPOPS:T100", "VOTES:I"}, split("POLITESID AUTONUM"));
    t << makeTable("TOT_PSHFOI", "TOT_PSHFOI.DB", {"POLITESID:I", "AUTONUM:A", "POLH:T35", "VOTES:I"},
                   split("POLITESID AUTONUM"));
    t << makeTable("SpecialNotes", "SpecialNotes.db",
                   {"POLITES_ID:I", "EPAFES:M", "ESOK_ANT:T250", "AITHMATA:T250", "PLHROFORIES:T250",
                    "AUTONUM:A"},
                   split("POLITES_ID"));
    t << makeTable("EPAFES", "EPAFES.db",
                   {"EDate:D", "POLITES_ID:I", "THEMA:T30", "PARATHRHSEIS:T250", "AUTONUM:A"},
                   split("EDate POLITES_ID THEMA PARATHRHSEIS"));

    // Lookup lists of citizen attributes
    t << makeTable("Epagelmata", "Epagelmata.db", {"Epagelma:T100", "AUTONUM:A"}, split("Epagelma"));
    t << makeTable("Ethinkothtes", "Ethinkothtes.db", {"ETHNIKOTHTA:T100"}, split("ETHNIKOTHTA"));
    t << makeTable("Morfosh", "Morfosh.db", {"Morfosh:T150", "AutoNum:A"}, split("Morfosh"));
    t << makeTable("Aksiologhsh", "Aksiologhsh.db", {"Aksiologhsh:T100", "AutoNum:A"},
                   split("Aksiologhsh"));
    t << makeTable("EPIROES", "EPIROES.db", {"AUTONUM:A", "EPIROH:T60"}, split("AUTONUM EPIROH"));
    t << makeTable("MELOS", "MELOS.db", {"MELOS:T70", "AUTONUM:A"}, split("MELOS AUTONUM"));
    t << makeTable("Synypops", "Synypops.DB", {"Synypops:T100", "Votes:I"}, split("Synypops"));

    // Geography
    t << makeTable("NOMOI", "NOMOI.db", {"NOMOS:T30", "AUTONUM:A"}, split("NOMOS"));
    t << makeTable("EPARXIES", "EPARXIES.db", {"NOMOS:I", "EPARXIA:T100", "AUTONUM:A"},
                   split("EPARXIA NOMOS"));
    t << makeTable("DHMOI", "DHMOI.db", {"NOMOS:I", "EPARXIA:I", "DHMOS:T100", "AUTONUM:A"},
                   split("NOMOS EPARXIA DHMOS"));
    t << makeTable("POLEIS", "POLEIS.db",
                   {"NOMOS:I", "EPARXIA:I", "DHMOS:I", "POLH:T100", "AUTONUM:A", "TK:T7"},
                   split("NOMOS EPARXIA DHMOS POLH"));
    t << makeTable("EklogikaK", "EklogikaK.DB",
                   {"EKLOGIKOK:T50", "DHMOS:I", "EPARXIA:I", "NOMOS:I", "ENORIA:T150", "AUTONUM:A"},
                   split("EKLOGIKOK DHMOS EPARXIA NOMOS"),
                   {{"Idx_EkEnNoDh", split("NOMOS EPARXIA DHMOS EKLOGIKOK"), false, true}});

    // Party organisation. An organisation is looked up by its prefecture and name, so that pair
    // is its key.
    t << makeTable("NO", "NO.db", {"NOMOS:I", "N_O:T30", "AUTONUM:A"}, split("NOMOS N_O"));
    t << makeTable("NE", "NE.db", {"N_O:I", "N_E:T30", "AUTONUM:A"}, split("N_O N_E"));
    t << makeTable("TO", "TO.db", {"N_O:I", "N_E:I", "T_O:T30", "AUTONUM:A"}, split("N_O N_E T_O"));
    t << makeTable("PYRHNAS", "PYRHNAS.db", {"N_O:I", "N_E:I", "T_O:I", "PYRHNAS:T30", "AUTONUM:A"},
                   split("N_O N_E T_O PYRHNAS"));

    // Calendar and letters
    t << makeTable("CELEBRITIES", "CELEBRITIES.DB",
                   // PASXA: days from Orthodox Easter; with DDATE and MONTHSID, the later of
                   // that fixed day and the day from Easter.
                   {"NAME:T200", "DDATE:I", "MONTHSID:I", "Sxolio:T150", "PASXA:I+"}, split("NAME"),
                   {{"BYCELEBRITYNAME", split("NAME"), false, true},
                    {"MD_DATE", split("MONTHSID DDATE"), false, true}});
    t << makeTable("KLHTIKH", "KLHTIKH.db", {"ONOMA:T20", "AUTONUM:A", "KLHTIKH:T200", "FYLO:I"},
                   split("ONOMA AUTONUM"));
    t << makeTable("PROSFONISI", "PROSFONISI.db", {"PROSFONISI:T60", "AUTONUM:A"},
                   split("PROSFONISI AUTONUM"));

    // Local government and party bodies
    const QStringList regOrder = split("Nomos Onomasia Edra Polh Tk Thl Fax Email Web Autonum KOMMAID SYMMAXIAID");
    t << makeTable("NOMARXIES", "NOMARXIES.db", registryFields(regOrder), split("Nomos Onomasia"));
    t << makeTable("DHMARXIES", "DHMARXIES.db", registryFields(regOrder), split("Nomos Onomasia"));
    t << makeTable("NOMARXIAKES_O", "NOMARXIAKES_O.DB",
                   registryFields(split("Nomos Onomasia KommaID Edra Polh Tk Thl Fax Email Web Autonum SYMMAXIAID")),
                   split("Nomos Onomasia KommaID"));
    t << makeTable("TOPIKES_O", "TOPIKES_O.DB",
                   registryFields(split("Nomos NOMARXIAKES_O_ID Onomasia Edra Polh Tk Thl Fax Email Web "
                                        "Autonum Kommaid SYMMAXIAID")),
                   split("Nomos NOMARXIAKES_O_ID Onomasia"));

    t << makeTable("NOMARXIES_STRUCT", "NOMARXIES_STRUCT.DB",
                   memberFields("NOMARXIES_ID",
                                split("AUTONUM NOMARXIES_ID EPITHETO ONOMA PERS_IDIOTHTA_ID KOMMA_ID ADDRESS "
                                      "POLH Tk TEL1 TEL2 MOBILE CELEBRDATE ISINPOLITES KOMMATIKH_THESH_ID "
                                      "EPAGGELMA PARATHRHSEIS")),
                   split("NOMARXIES_ID EPITHETO ONOMA AUTONUM"));
    t << makeTable("DHMARXIES_STRUCT", "DHMARXIES_STRUCT.DB",
                   memberFields("DHMARXIES_ID",
                                split("DHMARXIES_ID EPITHETO ONOMA AUTONUM PERS_IDIOTHTA_ID KOMMA_ID ADDRESS "
                                      "POLH Tk TEL1 TEL2 MOBILE CELEBRDATE ISINPOLITES KOMMATIKH_THESH_ID "
                                      "EPAGGELMA PARATHRHSEIS")),
                   split("DHMARXIES_ID EPITHETO ONOMA AUTONUM"));
    t << makeTable("NOMARXIAKES_O_STRUCT", "NOMARXIAKES_O_STRUCT.DB",
                   memberFields("NOMARXIAKES_O_ID",
                                split("AUTONUM NOMARXIAKES_O_ID EPITHETO ONOMA PERS_IDIOTHTA_ID "
                                      "KOMMATIKH_THESH_ID ADDRESS POLH Tk TEL1 TEL2 MOBILE CELEBRDATE "
                                      "ISINPOLITES EPAGGELMA PARATHRHSEIS KOMMA_ID")),
                   split("AUTONUM NOMARXIAKES_O_ID EPITHETO ONOMA"));
    t << makeTable("TOPIKES_O_STRUCT", "TOPIKES_O_STRUCT.DB",
                   memberFields("TOPIKES_O_ID",
                                split("AUTONUM TOPIKES_O_ID EPITHETO ONOMA PERS_IDIOTHTA_ID KOMMATIKH_THESH_ID "
                                      "EPAGGELMA ADDRESS POLH Tk TEL1 TEL2 MOBILE CELEBRDATE ISINPOLITES "
                                      "PARATHRHSEIS KOMMA_ID")),
                   split("AUTONUM TOPIKES_O_ID EPITHETO ONOMA"));

    t << makeTable("KOMMATA", "KOMMATA.DB", {"KOMMA:T70", "AUTONUM:A"}, split("KOMMA"));
    t << makeTable("KOMMATASTRUCT", "KOMMATASTRUCT.DB", {"KOMMA:T70", "AUTONUM:A"}, split("KOMMA"));
    t << makeTable("SYMMAXIES", "SYMMAXIES.DB", {"KOMMA:T70", "AUTONUM:A"}, split("KOMMA"));
    t << makeTable("KOMMATIKES_THESEIS", "KOMMATIKES_THESEIS.DB", {"KOMMATIKH_THESH:T70", "AUTONUM:A"},
                   split("KOMMATIKH_THESH"));
    t << makeTable("PERS_IDIOTHTA", "PERS_IDIOTHTA.DB", {"TAKO:I", "PERS_IDIOTHTA:T70", "AUTONUM:A"},
                   split("PERS_IDIOTHTA"));

    // Output and housekeeping
    t << makeTable("Printers", "Printers.db",
                   {"Printer:T100", "LeftMargin:F", "TopMargin:F", "LWidth:F", "LHeight:F", "LSpaceX:F",
                    "LSpaceY:F", "PaperHeight:F", "PaperWidth:F", "Sthles:I"},
                   {});
    t << makeTable("REMINDE_ME", "REMINDE_ME.DB",
                   {"TIMENOW:T15", "DATENOW:T12", "FULLNAME:T25", "FIRSTNAME:T15", "CATEGORY:T50",
                    "COMMENT:T200", "GROUPNAME:T25", "FREQUENCY:I", "DAYSAFTER:I", "WAVE:T40", "MIN_BEF:I",
                    "AUTONUM:A"},
                   split("TIMENOW DATENOW FULLNAME FIRSTNAME CATEGORY"),
                   {{"DATE_AND_TIME", split("TIMENOW DATENOW FULLNAME"), false, true}});
    TableDef pass = makeTable("PASSWORDS", "PASSWORDS.db", {"IsForAll:S", "Password:T120"}, split("IsForAll"));
    pass.ownFile = true;
    t << pass;
    return t;
}

} // namespace

int TableDef::fieldIndex(const QString &f) const
{
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(f, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

const FieldDef *TableDef::field(const QString &f) const
{
    const int i = fieldIndex(f);
    return i < 0 ? nullptr : &fields[i];
}

QString TableDef::autoIncField() const
{
    for (const FieldDef &f : fields)
        if (f.kind == FieldKind::AutoInc)
            return f.name;
    return {};
}

QStringList TableDef::naturalOrder() const { return uniqueKey; }

QString TableDef::columnDefinition(const FieldDef &f)
{
    QString c = sqlIdent(f.name) + ' ';
    switch (f.kind) {
    case FieldKind::Text:
    case FieldKind::Memo: c += "TEXT NOT NULL DEFAULT ''"; break;
    case FieldKind::Int:
    case FieldKind::Short:
    case FieldKind::Bool: c += "INTEGER"; break;
    case FieldKind::Float: c += "REAL"; break;
    case FieldKind::AutoInc: c += "INTEGER PRIMARY KEY AUTOINCREMENT"; break;
    case FieldKind::Date: c += "TEXT"; break;
    }
    return c;
}

QStringList TableDef::createStatements() const
{
    QStringList cols;
    for (const FieldDef &f : fields)
        cols << columnDefinition(f);
    QStringList out;
    out << QString("CREATE TABLE %1 (%2)").arg(sqlIdent(name), cols.join(", "));
    auto identList = [](const QStringList &fs, bool nocase) {
        QStringList q;
        for (const QString &f : fs)
            q << sqlIdent(f) + (nocase ? " COLLATE NOCASE" : "");
        return q.join(", ");
    };
    if (!uniqueKey.isEmpty())
        out << QString("CREATE UNIQUE INDEX %1 ON %2 (%3)")
                   .arg(sqlIdent(name + "_KEY"), sqlIdent(name), identList(uniqueKey, false));
    for (const IndexDef &ix : indexes)
        out << QString("CREATE %1INDEX %2 ON %3 (%4)")
                   .arg(ix.unique ? "UNIQUE " : "", sqlIdent(ix.name), sqlIdent(name),
                        identList(ix.fields, ix.caseInsensitive));
    return out;
}

const QVector<TableDef> &Schema::tables()
{
    static const QVector<TableDef> all = buildTables();
    return all;
}

const TableDef *Schema::find(const QString &nameOrFile)
{
    static const QHash<QString, const TableDef *> byName = [] {
        QHash<QString, const TableDef *> h;
        for (const TableDef &t : tables()) {
            h.insert(t.name.toUpper(), &t);
            h.insert(t.fileName.toUpper(), &t);
        }
        return h;
    }();
    return byName.value(nameOrFile.trimmed().toUpper(), nullptr);
}

const TableDef &Schema::table(const QString &nameOrFile)
{
    const TableDef *t = find(nameOrFile);
    if (!t)
        throw DbError(QString("Ο πίνακας «%1» δεν υπάρχει.").arg(nameOrFile));
    return *t;
}

namespace {
const QLocale &greekNumbers()
{
    static const QLocale l = [] {
        QLocale g(QLocale::Greek, QLocale::Greece);
        g.setNumberOptions(QLocale::OmitGroupSeparator);
        return g;
    }();
    return l;
}
} // namespace

QVariant Schema::toStored(const FieldDef &def, const QVariant &v, bool fit)
{
    const FieldKind kind = def.kind;
    switch (kind) {
    case FieldKind::Text:
    case FieldKind::Memo: {
        const QString s = v.isNull() ? QString("") : validUnicode(v.toString());
        const QString out = fit && kind == FieldKind::Text ? fitText(def, s) : s;
        return out.isNull() ? QString("") : out; // a text field is never null
    }
    case FieldKind::Int:
    case FieldKind::Short:
    case FieldKind::AutoInc: {
        if (v.isNull())
            return {};
        qlonglong n = 0;
        bool ok = false;
        if (v.typeId() == QMetaType::QString) {
            const QString s = v.toString().trimmed();
            if (s.isEmpty())
                return {};
            n = s.toLongLong(&ok);
            if (!ok)
                throw DbError(QString("«%1» δεν είναι έγκυρος ακέραιος αριθμός.").arg(s));
        } else if (v.typeId() == QMetaType::Bool) {
            n = v.toBool() ? 1 : 0;
        } else {
            n = v.toLongLong(&ok);
            if (!ok)
                throw DbError(QString("«%1» δεν είναι έγκυρος ακέραιος αριθμός.").arg(v.toString()));
        }
        const qlonglong lo = kind == FieldKind::Short ? -32768 : -2147483648LL;
        const qlonglong hi = kind == FieldKind::Short ? 32767 : 2147483647LL;
        if (n < lo || n > hi)
            throw DbError(QString("Ο αριθμός %1 είναι εκτός των ορίων του πεδίου.").arg(n));
        return n;
    }
    case FieldKind::Bool: {
        if (v.isNull())
            return {};
        if (v.typeId() == QMetaType::QString) {
            const QString s = v.toString().trimmed().toUpper();
            if (s.isEmpty())
                return {};
            if (s == "TRUE" || s == "ΝΑΙ" || s == "1")
                return 1;
            if (s == "FALSE" || s == "ΟΧΙ" || s == "0")
                return 0;
            throw DbError(QString("«%1» δεν είναι έγκυρη τιμή ΝΑΙ/ΟΧΙ.").arg(v.toString()));
        }
        return v.toBool() ? 1 : 0;
    }
    case FieldKind::Float: {
        if (v.isNull())
            return {};
        bool ok = false;
        double d = 0;
        if (v.typeId() == QMetaType::QString) {
            const QString s = v.toString().trimmed();
            if (s.isEmpty())
                return {};
            d = greekNumbers().toDouble(s, &ok);
            if (!ok)
                d = QLocale::c().toDouble(s, &ok);
            if (!ok)
                throw DbError(QString("«%1» δεν είναι έγκυρος αριθμός.").arg(s));
        } else {
            d = v.toDouble(&ok);
            if (!ok)
                throw DbError(QString("«%1» δεν είναι έγκυρος αριθμός.").arg(v.toString()));
        }
        return d;
    }
    case FieldKind::Date: {
        if (v.isNull())
            return {};
        QDate d;
        if (v.typeId() == QMetaType::QDate || v.typeId() == QMetaType::QDateTime) {
            d = v.toDate();
        } else {
            const QString s = v.toString().trimmed();
            if (s.isEmpty())
                return {};
            d = QDate::fromString(s, Qt::ISODate);
            if (!d.isValid())
                d = QDate::fromString(s, "dd/MM/yyyy");
            if (!d.isValid())
                d = QDate::fromString(s, "d/M/yyyy");
            if (!d.isValid())
                throw DbError(QString("«%1» δεν είναι έγκυρη ημερομηνία.").arg(s));
        }
        if (!d.isValid())
            throw DbError("Μη έγκυρη ημερομηνία.");
        return d.toString(Qt::ISODate);
    }
    }
    return v;
}


QString Schema::fitText(const FieldDef &f, const QString &value)
{
    if (f.width <= 0 || value.size() <= f.width)
        return value;
    if (!f.numberList)
        return leftWhole(value, f.width); // whole characters: a pair is never split
    // Keep whole items only: cut at the last comma that leaves the list within the width.
    const int comma = int(value.lastIndexOf(',', f.width));
    return comma <= 0 ? QString("") : value.left(comma);
}

} // namespace dorvani
