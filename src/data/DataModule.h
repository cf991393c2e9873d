// The one shared data module: a dataset per table, the shared queries, the
// master-detail links between them and the derived display fields. A dataset
// positioned, filtered or opened by one screen is seen in that state by the next.
#pragma once

#include "data/Dataset.h"

#include <QObject>

namespace dorvani {

class TDataMdl : public QObject {
    Q_OBJECT
public:
    explicit TDataMdl(QObject *parent = nullptr);
    ~TDataMdl() override;

    static TDataMdl &instance();
    static bool exists();

    Dataset *dataset(const QString &name) const; // by its name, without regard to case
    QList<Dataset *> datasets() const { return m_all; }

    // Citizen register
    Table *TblPOLITES;
    Table *TblPOLITES_SYNYPOPS;
    Table *TblTotPSHFOI;
    Table *TblSpecialNotes;
    Table *TblEpafes;
    // Lookup lists
    Table *TblEpagelmata;
    Table *TblEthnikothtes;
    Table *TblMorfosh;
    Table *TblAksiologhsh;
    Table *TblEpiroes;
    Table *TblMELOS;
    Table *TblSynypops;
    // Geography
    Table *TblNomoi;
    Table *TblEPARXIES;
    Table *TblDHMOI;
    Table *TblPOLEIS;
    Table *TblEklogikaK;
    // Party organisation
    Table *TblNO;
    Table *TblNE;
    Table *TblTO;
    Table *TblPYRHNAS;
    // Calendar and letters
    Table *TblCelebrities;
    Table *TblKLHTIKH;
    Table *TblPROSFONISI;
    // Output and housekeeping
    Table *TblPrinters;
    Table *TblReminder;
    // Bodies
    Table *TblKommata;
    Table *TblKommataStruct;
    Table *TblSymmaxies;
    Table *TblKommatikes_Theseis;
    Table *TblPersIdiothta;
    Table *TblNomarxies;
    Table *TblDhmarxies;
    Table *TblNomarxies_O;
    Table *TblTopikes_O;
    Table *TblNomarxies_Struct;
    Table *TblDhmarxies_Struct;
    Table *TblNomarxies_O_Struct;
    Table *TblTopikes_O_Struct;
    // Entry keys, through the connection SessionPass
    Table *TblPasswords;

    // Shared queries
    Query *SearchQry;
    Query *Query1;
    Query *Query2;
    Query *Query3;
    Query *Query4;
    Query *CelebrQry;
    Query *SynypopsQry;
    Query *QryStatTotPSHFOI;
    Query *QryTotPSHFOID;
    Query *QryTotPSHFOIP;
    Query *SearchQryStruct;

    // Closes every dataset (before the data files are replaced).
    void closeAll();

    // The text by which a citizen's place of voting is shown and chosen:
    // prefecture, two spaces, municipality, " / ", centre, two spaces, district.
    static QString allStr(const QString &nomos, const QString &dhmos, const QString &centre, const QString &district);

private:
    Table *table(const QString &name, const QString &tableName);
    Query *query(const QString &name, const QString &sql);
    void addCitizenFields(Dataset *ds);
    // The lookups a dataset keeps for the place of voting of a centre.
    struct CentreLookups {
        int exists, centre, nomos, dhmos, district, nomosName, dhmosName;
    };
    static QString centreText(const Dataset *ds, const CentreLookups &l, const QVariant &id);

    QList<Dataset *> m_all;
};

} // namespace dorvani
