#include "reference/UntTO.h"

#include "data/DataModule.h"

namespace dorvani {

TTODlg::TTODlg(TDataMdl &dm, QWidget *parent) : TListEditorDlg("TODlg", "Διαχείριση Τ.Ο.", parent)
{
    addParent("Ν.Ο.", dm.TblNO, "N_O", "N_O");
    addParent("N.E.", dm.TblNE, "N_E", "N_E");
    setList(dm.TblTO, "T_O", "ΤΟΠΙΚΕΣ ΟΡΓΑΝΩΣΕΙΣ");
    setTexts({"Εισαγωγή Τ.Ο.", "Δώστε Τ.Ο.",
              "Διόρθωση T.O.", "Δώστε νέο όνομα T.O.",
              "Παρακαλώ επιλέξτε μία Τ.Ο. για διαγραφή.",
              "Παρακαλώ επιλέξτε μία Τ.Ο. για διόρθωση."});
    setParentMessages("Παρακαλώ επιλέξτε πρώτα μία Ν.Ο. και μία Ν.Ε.", "Παρακαλώ επιλέξτε πρώτα μία Ν.Ο. και μία Ν.Ε.");
    setDefault("NO", "N_O");
    setFixedSize(520, 500);
}

// Here the save-error box also tells the storage's own reason.
QString TTODlg::saveErrorText(const DbError &e) const { return saveErrorMessage() + " " + e.message(); }

} // namespace dorvani
