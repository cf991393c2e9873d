#include "data/DataModule.h"

#include "data/Codes.h"

namespace dorvani {

namespace {
TDataMdl *g_dataMdl = nullptr;
}

TDataMdl &TDataMdl::instance()
{
    if (!g_dataMdl)
        throw DbError("Η μονάδα δεδομένων δεν έχει δημιουργηθεί.");
    return *g_dataMdl;
}

bool TDataMdl::exists() { return g_dataMdl != nullptr; }

Table *TDataMdl::table(const QString &name, const QString &tableName)
{
    auto *t = new Table(name, tableName, this);
    m_all << t;
    return t;
}

Query *TDataMdl::query(const QString &name, const QString &sql)
{
    auto *q = new Query(name, sql, this);
    m_all << q;
    return q;
}

Dataset *TDataMdl::dataset(const QString &name) const
{
    for (Dataset *d : m_all)
        if (d->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return d;
    return nullptr;
}

QString TDataMdl::allStr(const QString &nomos, const QString &dhmos, const QString &centre, const QString &district)
{
    return QString("%1  %2 / %3  %4").arg(nomos, dhmos, centre, district);
}

// The place of voting of a centre: its prefecture, municipality, name and district.
QString TDataMdl::centreText(const Dataset *ds, const CentreLookups &l, const QVariant &id)
{
    if (id.isNull() || ds->lookup(l.exists, id).toString().isEmpty())
        return {}; // no such centre
    return allStr(ds->lookup(l.nomosName, ds->lookup(l.nomos, id)).toString(),
                  ds->lookup(l.dhmosName, ds->lookup(l.dhmos, id)).toString(), ds->lookup(l.centre, id).toString(),
                  ds->lookup(l.district, id).toString());
}

// The derived fields that every result set over the citizens carries.
void TDataMdl::addCitizenFields(Dataset *ds)
{
    using codes::text;
    ds->addCalcField("SXESHStr", 30, [](const RowRef &r) { return text(codes::sxesh(), r.value("SXESH")); });
    ds->addCalcField("FYLOStr", 7, [](const RowRef &r) { return text(codes::fylo(), r.value("FYLO")); });
    ds->addCalcField("OIKOGStr", 15, [](const RowRef &r) { return text(codes::oikogKat(), r.value("OIKOGKAT")); });
    ds->addCalcField("ETERODStr", 5, [](const RowRef &r) { return text(codes::yesNo(), r.value("ETERODHMOTHS")); });
    ds->addCalcField("SYMAXIAStr", 5, [](const RowRef &r) { return text(codes::yesNo(), r.value("SYMAXIA")); });
    ds->addCalcField("KOMAStr", 30, [](const RowRef &r) { return text(codes::koma(), r.value("KOMA")); });
    ds->addCalcField("EPAFHStr", 110,
                     [](const RowRef &r) { return codes::listDisplay(r.text("EPAFES"), codes::epafes()); });
    ds->addCalcField("IDIOTHTAStr", 240,
                     [](const RowRef &r) { return codes::listDisplay(r.text("IDIOTHTA"), codes::idiothta()); });
    const int influence = ds->lookupId("EPIROES", "AUTONUM", "EPIROH");
    ds->addCalcField(
        "EpirohStr", 200,
        [ds, influence](const RowRef &r) {
            return codes::listDisplay(r.text("EPIROH"),
                                      [&](int id) { return ds->lookup(influence, id).toString(); });
        },
        FieldKind::Text, {"EPIROES"});
    ds->addCalcField(
        "TOT_PSHFOI", 0,
        [](const RowRef &r) { return QVariant(r.value("AVOTE").toLongLong() + r.value("PVOTE").toLongLong()); },
        FieldKind::Int);

    ds->addLookupField("POLHNAME", 40, "POLH", "POLEIS", "AUTONUM", "POLH");
    ds->addLookupField("DHMOSNAME", 40, "DHMOS", "DHMOI", "AUTONUM", "DHMOS");
    ds->addLookupField("EPARXIANAME", 40, "EPARXIA", "EPARXIES", "AUTONUM", "EPARXIA");
    ds->addLookupField("NOMOSNAME", 40, "NOMOS", "NOMOI", "AUTONUM", "NOMOS");
    const CentreLookups centre{ds->lookupId("EklogikaK", "AUTONUM", "AUTONUM"),
                               ds->lookupId("EklogikaK", "AUTONUM", "EKLOGIKOK"),
                               ds->lookupId("EklogikaK", "AUTONUM", "NOMOS"),
                               ds->lookupId("EklogikaK", "AUTONUM", "DHMOS"),
                               ds->lookupId("EklogikaK", "AUTONUM", "ENORIA"),
                               ds->lookupId("NOMOI", "AUTONUM", "NOMOS"),
                               ds->lookupId("DHMOI", "AUTONUM", "DHMOS")};
    ds->addCalcField(
        "ASKHSHNAME", 40, [ds, centre](const RowRef &r) { return centreText(ds, centre, r.value("ASKHSH")); },
        FieldKind::Text, {"EklogikaK", "NOMOI", "DHMOI"});
    ds->addLookupField("MELOSNAME", 50, "MelosID", "MELOS", "AUTONUM", "MELOS");
    ds->addLookupField("PYRHNASNAME", 30, "PYRHNASID", "PYRHNAS", "AUTONUM", "PYRHNAS");
    ds->addLookupField("TONAME", 30, "TO_ID", "TO", "AUTONUM", "T_O");
    ds->addLookupField("NENAME", 30, "NE_ID", "NE", "AUTONUM", "N_E");
    ds->addLookupField("NONAME", 30, "NO_ID", "NO", "AUTONUM", "N_O");
    ds->addLookupField("MorfoshStr", 150, "MORFOSH", "Morfosh", "AutoNum", "Morfosh");
    ds->addLookupField("AksiologhshStr", 100, "AKSIOLOGHSH", "Aksiologhsh", "AutoNum", "Aksiologhsh");
}

TDataMdl::TDataMdl(QObject *parent) : QObject(parent)
{
    setObjectName("DataMdl");

    TblPOLITES = table("TblPOLITES", "POLITES");
    TblPOLITES_SYNYPOPS = table("TblPOLITES_SYNYPOPS", "POLITES_Synypops");
    TblTotPSHFOI = table("TblTotPSHFOI", "TOT_PSHFOI");
    TblSpecialNotes = table("TblSpecialNotes", "SpecialNotes");
    TblEpafes = table("TblEpafes", "EPAFES");
    TblEpagelmata = table("TblEpagelmata", "Epagelmata");
    TblEthnikothtes = table("TblEthnikothtes", "Ethinkothtes");
    TblMorfosh = table("TblMorfosh", "Morfosh");
    TblAksiologhsh = table("TblAksiologhsh", "Aksiologhsh");
    TblEpiroes = table("TblEpiroes", "EPIROES");
    TblMELOS = table("TblMELOS", "MELOS");
    TblSynypops = table("TblSynypops", "Synypops");
    TblNomoi = table("TblNomoi", "NOMOI");
    TblEPARXIES = table("TblEPARXIES", "EPARXIES");
    TblDHMOI = table("TblDHMOI", "DHMOI");
    TblPOLEIS = table("TblPOLEIS", "POLEIS");
    TblEklogikaK = table("TblEklogikaK", "EklogikaK");
    TblNO = table("TblNO", "NO");
    TblNE = table("TblNE", "NE");
    TblTO = table("TblTO", "TO");
    TblPYRHNAS = table("TblPYRHNAS", "PYRHNAS");
    TblCelebrities = table("TblCelebrities", "CELEBRITIES");
    TblKLHTIKH = table("TblKLHTIKH", "KLHTIKH");
    TblPROSFONISI = table("TblPROSFONISI", "PROSFONISI");
    TblPrinters = table("TblPrinters", "Printers");
    TblReminder = table("TblReminder", "REMINDE_ME");
    TblKommata = table("TblKommata", "KOMMATA");
    TblKommataStruct = table("TblKommataStruct", "KOMMATASTRUCT");
    TblSymmaxies = table("TblSymmaxies", "SYMMAXIES");
    TblKommatikes_Theseis = table("TblKommatikes_Theseis", "KOMMATIKES_THESEIS");
    TblPersIdiothta = table("TblPersIdiothta", "PERS_IDIOTHTA");
    TblNomarxies = table("TblNomarxies", "NOMARXIES");
    TblDhmarxies = table("TblDhmarxies", "DHMARXIES");
    TblNomarxies_O = table("TblNomarxies_O", "NOMARXIAKES_O");
    TblTopikes_O = table("TblTopikes_O", "TOPIKES_O");
    TblNomarxies_Struct = table("TblNomarxies_Struct", "NOMARXIES_STRUCT");
    TblDhmarxies_Struct = table("TblDhmarxies_Struct", "DHMARXIES_STRUCT");
    TblNomarxies_O_Struct = table("TblNomarxies_O_Struct", "NOMARXIAKES_O_STRUCT");
    TblTopikes_O_Struct = table("TblTopikes_O_Struct", "TOPIKES_O_STRUCT");
    TblPasswords = table("TblPasswords", "PASSWORDS");

    SearchQry = query("SearchQry", "Select * From POLITES");
    Query1 = query("Query1", "Select * From POLEIS");
    Query2 = query("Query2", "select * from Dhmoi");
    Query3 = query("Query3", "Select * From PYRHNAS");
    Query4 = query("Query4", "select * from \"TO.db\"");
    CelebrQry = query("CelebrQry", "Select * From POLITES");
    SynypopsQry = query("SynypopsQry",
                        "Select E1.Autonum,E1.EPITHETO,E1.ONOMA,E1.PATR,E1.TELO_1,E1.TELE_1,E1.MOBILE1,E2.VOTES From "
                        "POLITES E1,POLITES_SYNYPOPS E2 WHERE E1.AUTONUM = E2.POLITESID");
    const QStringList totLines = {"Select E1.EPARXIA,E1.DHMOS,E1.POLH, SUM(E2.VOTES) AS \"SUM OF VOTES\"  From POLEIS E1,",
                                  "Tot_PSHFOI E2 WHERE (E1.POLH = E2.POLH) AND (E2.VOTES>0) Group by ",
                                  "E1.POLH,E1.DHMOS,E1.EPARXIA"};
    QryStatTotPSHFOI = query("QryStatTotPSHFOI", totLines.join('\n'));
    QryTotPSHFOID = query("QryTotPSHFOID", totLines.join('\n'));
    QryTotPSHFOIP = query("QryTotPSHFOIP", totLines.join('\n'));
    const QString T = "NOMARXIAKES_O";
    SearchQryStruct = query(
        "SearchQryStruct",
        QStringList{"Select " + T + "_STRUCT.*," + T + ".ONOMASIA,PERS_IDIOTHTA.PERS_IDIOTHTA,EPAGELMATA.EPAGELMA,",
                    "KOMMATIKES_THESEIS.KOMMATIKH_THESH,KOMMATA.KOMMA,KOMMATASTRUCT.KOMMA AS KOMMASTRUCT,SYMMAXIES.KOMMA "
                    "AS SYMMAXIA from " + T + "_STRUCT LEFT OUTER JOIN " + T + " ON",
                    T + "_STRUCT." + T + "_ID=" + T + ".AUTONUM",
                    "LEFT OUTER JOIN PERS_IDIOTHTA ON PERS_IDIOTHTA.AUTONUM=" + T + "_STRUCT.PERS_IDIOTHTA_ID",
                    "LEFT OUTER JOIN EPAGELMATA ON EPAGELMATA.AUTONUM =" + T + "_STRUCT.EPAGGELMA",
                    "LEFT OUTER JOIN KOMMATIKES_THESEIS ON KOMMATIKES_THESEIS.AUTONUM =" + T + "_STRUCT.KOMMATIKH_THESH_ID",
                    "LEFT OUTER JOIN KOMMATA ON KOMMATA.AUTONUM =" + T + ".KOMMAID ",
                    "LEFT OUTER JOIN KOMMATASTRUCT ON KOMMATASTRUCT.AUTONUM =" + T + "_STRUCT.KOMMA_ID ",
                    "LEFT OUTER JOIN SYMMAXIES ON SYMMAXIES.AUTONUM =" + T + ".SYMMAXIAID "}
            .join('\n'));

    // Master-detail chains
    TblEPARXIES->setMaster(TblNomoi, {"NOMOS"}, {"AUTONUM"});
    TblDHMOI->setMaster(TblEPARXIES, {"NOMOS", "EPARXIA"}, {"NOMOS", "AUTONUM"});
    TblPOLEIS->setMaster(TblDHMOI, {"NOMOS", "EPARXIA", "DHMOS"}, {"NOMOS", "EPARXIA", "AUTONUM"});
    TblNE->setMaster(TblNO, {"N_O"}, {"AUTONUM"});
    TblTO->setMaster(TblNE, {"N_O", "N_E"}, {"N_O", "AUTONUM"});
    TblPYRHNAS->setMaster(TblTO, {"N_O", "N_E", "T_O"}, {"N_O", "N_E", "AUTONUM"});
    TblPOLITES_SYNYPOPS->setMaster(TblPOLITES, {"POLITESID"}, {"AUTONUM"});

    TblCelebrities->setIndexName("MD_DATE");

    // The lists that people read and choose from are in Greek alphabetical order.
    for (Table *t : {TblEpagelmata, TblEthnikothtes, TblMorfosh, TblAksiologhsh, TblEpiroes, TblMELOS, TblSynypops,
                     TblNomoi, TblEPARXIES, TblDHMOI, TblPOLEIS, TblEklogikaK, TblNO, TblNE, TblTO, TblPYRHNAS,
                     TblKommata, TblKommataStruct, TblSymmaxies, TblKommatikes_Theseis, TblPersIdiothta})
        t->setGreekOrder(true);

    // Derived fields
    addCitizenFields(SearchQry);
    TblPOLITES->addCalcField("SXESHStr", 30,
                             [](const RowRef &r) { return codes::text(codes::sxesh(), r.value("SXESH")); });
    TblPOLITES->addLookupField("PolhONOMA", 60, "POLH", "POLEIS", "AUTONUM", "POLH");
    CelebrQry->addLookupField("PolhOnoma", 50, "POLH", "POLEIS", "AUTONUM", "POLH");

    TblEklogikaK->addLookupField("NomosStr", 30, "NOMOS", "NOMOI", "AUTONUM", "NOMOS");
    TblEklogikaK->addLookupField("DhmosStr", 100, "DHMOS", "DHMOI", "AUTONUM", "DHMOS");
    TblEklogikaK->addCalcField("AllStr", 150, [](const RowRef &r) {
        return allStr(r.text("NomosStr"), r.text("DhmosStr"), r.text("EKLOGIKOK"), r.text("ENORIA"));
    });

    // The vote distribution by town, municipality and province shows the place names.
    for (Query *q : {QryStatTotPSHFOI, QryTotPSHFOIP, QryTotPSHFOID})
        q->addLookupField("EPARXIANAME", 100, "EPARXIA", "EPARXIES", "AUTONUM", "EPARXIA");
    for (Query *q : {QryStatTotPSHFOI, QryTotPSHFOIP})
        q->addLookupField("DHMOSNAME", 100, "DHMOS", "DHMOI", "AUTONUM", "DHMOS");

    TblKLHTIKH->addCalcField("FYLONAME", 15, [](const RowRef &r) { return codes::text(codes::fylo(), r.value("FYLO")); });

    for (Table *t : {TblNomarxies, TblDhmarxies, TblNomarxies_O, TblTopikes_O})
        t->addLookupField("NomosStr", 30, "Nomos", "NOMOI", "AUTONUM", "NOMOS");
    for (Table *t : {TblNomarxies, TblDhmarxies, TblNomarxies_O})
        t->addLookupField("KommaStr", 70, "KOMMAID", "KOMMATA", "AUTONUM", "KOMMA");
    for (Table *t : {TblNomarxies, TblDhmarxies})
        t->addLookupField("SymmaxiaStr", 70, "SYMMAXIAID", "SYMMAXIES", "AUTONUM", "KOMMA");
    TblTopikes_O->addLookupField("Nomarxiakes_O_Str", 50, "NOMARXIAKES_O_ID", "NOMARXIAKES_O", "Autonum", "Onomasia");
    TblNomarxies_O_Struct->addLookupField("Nomarxiakes_O_Str", 50, "NOMARXIAKES_O_ID", "NOMARXIAKES_O", "Autonum",
                                          "Onomasia");
    for (Table *t : {TblNomarxies_Struct, TblDhmarxies_Struct, TblNomarxies_O_Struct, TblTopikes_O_Struct}) {
        t->addLookupField("PersIdiothtaStr", 70, "PERS_IDIOTHTA_ID", "PERS_IDIOTHTA", "AUTONUM", "PERS_IDIOTHTA");
        t->addLookupField("Kommatikh_TheshStr", 70, "KOMMATIKH_THESH_ID", "KOMMATIKES_THESEIS", "AUTONUM",
                          "KOMMATIKH_THESH");
        t->addLookupField("EpaggelmaStr", 100, "EPAGGELMA", "Epagelmata", "AUTONUM", "Epagelma");
    }
    for (Table *t : {TblNomarxies_Struct, TblDhmarxies_Struct})
        t->addLookupField("KommaStr", 70, "KOMMA_ID", "KOMMATASTRUCT", "AUTONUM", "KOMMA");
    TblNomarxies_Struct->addLookupField("NomarxiaStr", 50, "NOMARXIES_ID", "NOMARXIES", "Autonum", "Onomasia");
    TblDhmarxies_Struct->addLookupField("DhmarxiaStr", 50, "DHMARXIES_ID", "DHMARXIES", "Autonum", "Onomasia");

    g_dataMdl = this;
}

TDataMdl::~TDataMdl()
{
    closeAll();
    if (g_dataMdl == this)
        g_dataMdl = nullptr;
}

void TDataMdl::closeAll()
{
    for (Dataset *d : m_all)
        d->close();
}

} // namespace dorvani
