#include "reference/UntPoleis.h"

#include "data/DataModule.h"
#include "widgets/FormParts.h"
#include "reference/ReferenceData.h"

#include <QPushButton>

namespace dorvani {

TPoleisDlg::TPoleisDlg(TDataMdl &dm, QWidget *parent)
    : TListEditorDlg("PoleisDlg", "Διαχείριση Πολεων Νομού", parent), m_dm(dm)
{
    addParent("ΝΟΜΟΣ", dm.TblNomoi, "NOMOS", "NOMOS");
    addParent("ΕΠΑΡΧΙΑ", dm.TblEPARXIES, "EPARXIA", "EPARXIA");
    addParent("ΔΗΜΟΙ", dm.TblDHMOI, "DHMOS", "DHMOS");
    setGrid(dm.TblPOLEIS, "POLH", {{"POLH", "ΠΟΛΕΙΣ", 300, false}, {"TK", "Τ.Κ.", 80, true}});
    setTexts({"Εισαγωγή πόλη", "Δώστε πόλη",
              "Διόρθωση Πόλης", "Δώστε νέα όνομα πόλης",
              "Παρακαλώ επιλέξτε μία πόλη για διαγραφή.",
              "Παρακαλώ επιλέξτε μία πόλη για διόρθωση."});
    setParentMessages("Παρακαλώ επιλέξτε πρώτα ένα Νομό ,μία επαρχία και ένα δήμο.",
                      "Παρακαλώ επιλέξτε πρώτα ένα Νομό ,μία επαρχία και ένα δήμο.");
    setUseCheck(refdata::townInUse, "AUTONUM",
                "Υπάρχουν καταχωρημένοι πολίτες σε αυτή τη Πόλη.Δεν επιτρέπεται η διαγραφή");
    setDefault("Nomos", "NOMOS");
    setCaptionFollows("Διαχείριση Πόλεων Νομού ");

    BitBtn1 = form::button("BitBtn1", "Ε&ΝΗΜΕΡΩΣΗ", this);
    BitBtn1->setToolTip("ΕΝΗΜΕΡΩΣΗ ΑΡΧΕΙΟΥ ΠΟΛΙΤΩΝ");
    BitBtn1->setEnabled(false);
    addSideWidget(BitBtn1);
    setFixedSize(620, 560);
}

void TPoleisDlg::correctName(const QString &name) { refdata::renameTown(m_dm, name, refdata::homePrefecture()); }

void TPoleisDlg::afterChange() { m_dm.TblPOLEIS->refresh(); }

} // namespace dorvani
