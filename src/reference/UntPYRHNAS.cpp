#include "reference/UntPYRHNAS.h"

#include "data/DataModule.h"
#include "reference/ReferenceData.h"

namespace dorvani {

TPYRHNASDlg::TPYRHNASDlg(TDataMdl &dm, QWidget *parent)
    : TListEditorDlg("PYRHNASDlg", "Διαχείριση ΠΥΡΗΝΩΝ", parent), m_dm(dm)
{
    addParent("Ν.Ο.", dm.TblNO, "N_O", "N_O");
    addParent("N.E.", dm.TblNE, "N_E", "N_E");
    addParent("T.O.", dm.TblTO, "T_O", "T_O");
    setList(dm.TblPYRHNAS, "PYRHNAS", "ΠΥΡΗΝΕΣ");
    setTexts({"Εισαγωγή ΠΥΡΗΝΑ", "Δώστε πυρήνα",
              "Διόρθωση ΠΥΡΗΝΑ", "Δώστε νέα όνομα πυρήνα",
              "Παρακαλώ επιλέξτε ένα πυρήνα για διαγραφή.",
              "Παρακαλώ επιλέξτε ένα πυρήνα για διόρθωση."});
    setParentMessages("Παρακαλώ επιλέξτε πρώτα μία Ν.Ο. ,μία Ν.Ε. και μία Τ.Ο.",
                      "Παρακαλώ επιλέξτε πρώτα μία Ν.Ο. ,μία Ν.Ε. και μία Τ.Ο.");
    setUseCheck(refdata::partyCellInUse, "AUTONUM",
                "Υπάρχουν καταχωρημένοι πολίτες σε αυτόν τον πυρήνα.Δεν επιτρέπεται η διαγραφή");
    setDefault("NO", "N_O");
    setFixedSize(520, 540);
}

void TPYRHNASDlg::afterChange() { m_dm.TblPYRHNAS->refresh(); }

} // namespace dorvani
