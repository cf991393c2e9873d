#include "reference/UntEpirroh.h"

#include "data/DataModule.h"

namespace dorvani {

TEpirohDlg::TEpirohDlg(TDataMdl &dm, QWidget *parent) : TListEditorDlg("EpirohDlg", "Διαχείριση Επιρροών", parent)
{
    setList(dm.TblEpiroes, "EPIROH", "ΕΠΙΡΡΟΗ ΑΠΟ");
    setTexts({"Εισαγωγή Επιρροής", "Δώστε Επιρροή από",
              "Διόρθωση Επιρροής", "Δώστε νέα επιρροή από",
              "Παρακαλώ επιλέξτε μια επιρροή για διαγραφή.",
              "Παρακαλώ επιλέξτε μια επιρροή για διόρθωση."});
}

} // namespace dorvani
