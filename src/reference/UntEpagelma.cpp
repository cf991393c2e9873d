#include "reference/UntEpagelma.h"

#include "data/DataModule.h"

namespace dorvani {

TEpagelmaDlg::TEpagelmaDlg(TDataMdl &dm, QWidget *parent) : TListEditorDlg("EpagelmaDlg", "Διαχείριση Επαγγελμάτων", parent)
{
    setList(dm.TblEpagelmata, "Epagelma", "Επαγγέλματα");
    setTexts({"Εισαγωγή Επαγγέλματος", "Δώστε επάγγελμα",
              "Διόρθωση Επαγγέλματος", "Δώστε νέα κατηγορία επαγγέλματος",
              "Παρακαλώ επιλέξτε μία κατηγορία επαγγέλματος για διαγραφή.",
              "Παρακαλώ επιλέξτε μια κατηγορία επαγγέλματος για διόρθωση."});
}

} // namespace dorvani
