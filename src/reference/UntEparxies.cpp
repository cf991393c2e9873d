#include "reference/UntEparxies.h"

#include "data/DataModule.h"

namespace dorvani {

TEparxiesDlg::TEparxiesDlg(TDataMdl &dm, QWidget *parent)
    : TListEditorDlg("EparxiesDlg", "Διαχείριση Επαρχιών", parent)
{
    addParent("ΝΟΜΟΣ", dm.TblNomoi, "NOMOS", "NOMOS");
    setList(dm.TblEPARXIES, "EPARXIA", "ΕΠΑΡΧΙΕΣ");
    setTexts({"Εισαγωγή Επαρχίας", "Δώστε επαρχία",
              "Διόρθωση Επαρχίας", "Δώστε νέα Επαρχία",
              "Παρακαλώ επιλέξτε μία επαρχία για διαγραφή.",
              "Παρακαλώ επιλέξτε μία επαρχία για διόρθωση."});
    setParentMessages("Παρακαλώ επιλέξτε πρώτα ένα Νομό.", "Παρακαλώ επιλέξτε πρώτα ένα Νομό.");
    setDefault("Nomos", "NOMOS");
    setCaptionFollows("Διαχείριση Επαρχιών Νομού ");
    setFixedSize(520, 460);
}

} // namespace dorvani
