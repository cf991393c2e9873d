#include "reference/UntKommatikes_Theseis.h"

#include "data/DataModule.h"
#include "reference/ReferenceData.h"

namespace dorvani {

TKommatikes_TheseisDlg::TKommatikes_TheseisDlg(TDataMdl &dm, QWidget *parent) : TListEditorDlg("Kommatikes_TheseisDlg", "Διαχείριση Κομματικών Θέσεων", parent)
{
    setList(dm.TblKommatikes_Theseis, "KOMMATIKH_THESH", "Κομματικές Θέσεις");
    setTexts({"Εισαγωγή Κομματικής Θέσης", "Δώστε επίπεδο Κομματικής Θέσης",
              "Διόρθωση Κομματικής Θέσης", "Δώστε νέο επίπεδο Κομματικής Θέσης",
              "Παρακαλώ επιλέξτε ένα επίπεδο Κομματικής Θέσης για διαγραφή.",
              "Παρακαλώ επιλέξτε ένα επίπεδο Κομματικής Θέσης για διόρθωση."});
    setUseCheck(refdata::partyPositionInUse, "AUTONUM",
                "Υπάρχουν καταχωρημένοι πολίτες με αυτό το επίπεδο Κομματικής Θέσης.Δεν επιτρέπεται η διαγραφή");
}

} // namespace dorvani
