#include "reference/UntDhmoi.h"

#include "data/DataModule.h"

namespace dorvani {

TDhmoiDlg::TDhmoiDlg(TDataMdl &dm, QWidget *parent) : TListEditorDlg("DhmoiDlg", "Διαχείριση Δήμων Νομού", parent)
{
    addParent("ΝΟΜΟΣ", dm.TblNomoi, "NOMOS", "NOMOS");
    addParent("ΕΠΑΡΧΙΑ", dm.TblEPARXIES, "EPARXIA", "EPARXIA");
    setList(dm.TblDHMOI, "DHMOS", "ΔΗΜΟΙ");
    setTexts({"Εισαγωγή Δήμου", "Δώστε δήμο",
              "Διόρθωση Δήμου", "Δώστε νέο όνομα δήμου",
              "Παρακαλώ επιλέξτε ένα δήμο για διαγραφή.",
              "Παρακαλώ επιλέξτε ένα δήμο για διόρθωση."});
    setParentMessages("Παρακαλώ επιλέξτε πρώτα ένα Νομό και μία επαρχία.",
                      "Παρακαλώ επιλέξτε πρώτα ένα Νομό και μία επαρχία.");
    setDefault("Nomos", "NOMOS");
    setCaptionFollows("Διαχείριση Δήμων Νομού ");
    setFixedSize(520, 500);
}

} // namespace dorvani
