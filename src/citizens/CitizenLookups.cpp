#include "citizens/CitizenLookups.h"

#include "data/DataModule.h"

namespace dorvani::lookups {

void bind(TDataMdl &dm, const Boxes &b, Dataset *towns, Dataset *cells, const QString &townField)
{
    b[0]->setListSource(dm.TblEthnikothtes, "ETHNIKOTHTA", "ETHNIKOTHTA");
    b[1]->setListSource(dm.TblEpagelmata, "Epagelma", "Epagelma");
    b[2]->setListSource(towns, townField, "AUTONUM");
    b[3]->setListSource(dm.TblDHMOI, "DHMOS", "AUTONUM");
    b[4]->setListSource(dm.TblEPARXIES, "EPARXIA", "AUTONUM");
    b[5]->setListSource(dm.TblNomoi, "NOMOS", "AUTONUM");
    b[6]->setListSource(dm.TblEklogikaK, "AllStr", "AUTONUM");
    b[7]->setListSource(cells, "PYRHNAS", "AUTONUM");
    b[8]->setListSource(dm.TblMELOS, "MELOS", "AUTONUM");
    b[9]->setListSource(dm.TblTO, "T_O", "AUTONUM");
    b[10]->setListSource(dm.TblNE, "N_E", "AUTONUM");
    b[11]->setListSource(dm.TblNO, "N_O", "AUTONUM");
    b[12]->setListSource(dm.TblMorfosh, "Morfosh", "AutoNum");
    b[13]->setListSource(dm.TblAksiologhsh, "Aksiologhsh", "AutoNum");
}

int keyOf(const DBLookupComboBox *c) { return c->text().isEmpty() ? 0 : c->keyValue().toInt(); }

QStringList cellsOf(int no, int ne, int to)
{
    QStringList lines = {"Select * From PYRHNAS Where N_O=" + QString::number(no)};
    if (ne)
        lines << "and N_E=" + QString::number(ne);
    if (to)
        lines << "and T_O=" + QString::number(to);
    return lines;
}

} // namespace dorvani::lookups
