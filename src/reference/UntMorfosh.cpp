#include "reference/UntMorfosh.h"

#include "data/DataModule.h"
#include "reference/ReferenceData.h"

namespace dorvani {

TMorfoshDlg::TMorfoshDlg(TDataMdl &dm, QWidget *parent) : TListEditorDlg("MorfoshDlg", "Διαχείριση Μόρφωσης", parent)
{
    setList(dm.TblMorfosh, "Morfosh", "Μόρφωση");
    setTexts({"Εισαγωγή Μόρφωσης", "Δώστε επίπεδο μόρφωσης",
              "Διόρθωση Μόρφωσης", "Δώστε νέο επίπεδο μόρφωσης",
              "Παρακαλώ επιλέξτε ένα επίπεδο μόρφωσης για διαγραφή.",
              "Παρακαλώ επιλέξτε ένα επίπεδο μόρφωσης για διόρθωση."});
    setUseCheck(refdata::morfoshInUse, "AutoNum",
                "Υπάρχουν καταχωρημένοι πολίτες με αυτό το επίπεδο μόρφωσης.Δεν επιτρέπεται η διαγραφή");
}

} // namespace dorvani
