#include "reference/UntEklogikaK.h"

#include "data/DataModule.h"
#include "widgets/FormParts.h"
#include "reference/ReferenceData.h"

#include <QPushButton>

namespace dorvani {

TEklogikaKDlg::TEklogikaKDlg(TDataMdl &dm, QWidget *parent)
    : TListEditorDlg("EklogikaKDlg", "Διαχείριση Εκλογικών Κέντρων Νομού", parent), m_dm(dm)
{
    addParent("ΝΟΜΟΣ", dm.TblNomoi, "NOMOS", "NOMOS");
    addParent("ΕΠΑΡΧΙΑ", dm.TblEPARXIES, "EPARXIA", "EPARXIA");
    addParent("ΔΗΜΟΙ", dm.TblDHMOI, "DHMOS", "DHMOS");
    setGrid(dm.TblEklogikaK, "EKLOGIKOK",
            {{"EKLOGIKOK", "ΕΚΛΟΓΙΚΟ ΚΕΝΤΡΟ", 260, false}, {"ENORIA", "ΕΝΟΡΙΑ", 260, true}});
    setTexts({"Εισαγωγή Εκλογικό Κέντρο", "Δώστε Εκλογικό Κέντρο",
              "Διόρθωση Εκλογικού Κέντρου", "Δώστε νέο όνομα Εκλογικού Κέντρου",
              "Παρακαλώ επιλέξτε Εκλογικό Κέντρο για διαγραφή.",
              "Παρακαλώ επιλέξτε ένα Εκλογικό Κέντρο για διόρθωση."});
    setParentMessages("Παρακαλώ επιλέξτε πρώτα ένα Νομό ,μία επαρχία και ένα δήμο.",
                      "Παρακαλώ επιλέξτε πρώτα ένα Νομό ,μία επαρχία και ένα δήμο.");
    setUseCheck(refdata::centreInUse, "AUTONUM",
                "Υπάρχουν καταχωρημένοι πολίτες με αυτό τον Τόπο Άσκησης.Δεν επιτρέπεται η διαγραφή");
    setDefault("Nomos", "NOMOS");
    setCaptionFollows("Διαχείριση Εκλογικών Κέντρων Νομού ");

    BitBtn1 = form::button("BitBtn1", "Ε&ΝΗΜΕΡΩΣΗ", this);
    BitBtn1->setToolTip("ΕΝΗΜΕΡΩΣΗ ΑΡΧΕΙΟΥ ΠΟΛΙΤΩΝ");
    BitBtn1->setEnabled(false);
    addSideWidget(BitBtn1);
    setFixedSize(760, 560);
}

void TEklogikaKDlg::parentsChanged(int)
{
    Table *t = m_dm.TblEklogikaK;
    t->setFilter(refdata::centreFilter(chosenKey(0), chosenKey(1), chosenKey(2)));
    t->setFiltered(true);
}

void TEklogikaKDlg::closing()
{
    Table *t = m_dm.TblEklogikaK;
    t->setFiltered(false);
    t->setFilter(QString());
}

void TEklogikaKDlg::afterChange() { m_dm.TblEklogikaK->refresh(); }

} // namespace dorvani
