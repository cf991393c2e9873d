#include "reference/UntNE.h"

#include "data/DataModule.h"

namespace dorvani {

TNEDlg::TNEDlg(TDataMdl &dm, QWidget *parent) : TListEditorDlg("NEDlg", "Διαχείριση N.E.", parent)
{
    addParent("Ν.Ο.", dm.TblNO, "N_O", "N_O");
    setList(dm.TblNE, "N_E", "ΝΟΜΑΡΧΙΑΚΕΣ ΕΠΙΤΡΟΠΕΣ");
    setTexts({"Εισαγωγή ", "Δώστε Ν.Ε.",
              "Διόρθωση Ν.Ε.", "Δώστε νέα Ν.Ε.",
              "Παρακαλώ επιλέξτε μία N.Ε. για διαγραφή.",
              "Παρακαλώ επιλέξτε μία N.E. για διόρθωση."});
    setParentMessages("Παρακαλώ επιλέξτε πρώτα μία Ν.O.", "Παρακαλώ επιλέξτε πρώτα μία Ν.Ο.");
    setDefault("NO", "N_O");
    setCaptionFollows("Διαχείριση N.E. ");
    setFixedSize(520, 460);
}

} // namespace dorvani
