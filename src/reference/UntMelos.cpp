#include "reference/UntMelos.h"

#include "data/DataModule.h"

namespace dorvani {

TMelosDlg::TMelosDlg(TDataMdl &dm, QWidget *parent) : TListEditorDlg("MelosDlg", "Διαχείριση Μελών", parent)
{
    setList(dm.TblMELOS, "MELOS", "ΜΕΛΗ");
    setTexts({"Εισαγωγή Μέλους", "Δώστε Μέλος",
              "Διόρθωση Μέλους", "Δώστε νέο Μέλος",
              "Παρακαλώ επιλέξτε ένα μέλος για διαγραφή.",
              "Παρακαλώ επιλέξτε ένα μέλος για διόρθωση."});
}

} // namespace dorvani
