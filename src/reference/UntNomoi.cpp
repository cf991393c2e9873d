#include "reference/UntNomoi.h"

#include "data/DataModule.h"

namespace dorvani {

TNomoiDlg::TNomoiDlg(TDataMdl &dm, QWidget *parent) : TListEditorDlg("NomoiDlg", "Διαχείριση Νομών", parent)
{
    setList(dm.TblNomoi, "NOMOS", "ΝΟΜΟΙ");
    setTexts({"Εισαγωγή Νομού", "Δώστε νομό",
              "Διόρθωση Νομού", "Δώστε νέο νομό",
              "Παρακαλώ επιλέξτε ένα νομό για διαγραφή.",
              "Παρακαλώ επιλέξτε ένα νομό για διόρθωση."});
    setDefault("Nomos", "NOMOS");
}

} // namespace dorvani
