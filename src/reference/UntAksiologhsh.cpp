#include "reference/UntAksiologhsh.h"

#include "data/DataModule.h"
#include "reference/ReferenceData.h"

namespace dorvani {

TAksiologhshDlg::TAksiologhshDlg(TDataMdl &dm, QWidget *parent) : TListEditorDlg("AksiologhshDlg", "Διαχείριση Κριτηρίων Αξιολόγησης", parent)
{
    setList(dm.TblAksiologhsh, "Aksiologhsh", "Κριτήρια Αξιολόγησης");
    setTexts({"Εισαγωγή Κριτηρίου Αξιολόγησης", "Δώστε Κριτήριο Αξιολόγησης",
              "Διόρθωση Κριτηρίου Αξιολόγησης", "Δώστε νέο Κριτήριο Αξιολόγησης",
              "Παρακαλώ επιλέξτε ένα Κριτήριο Αξιολόγησης για διαγραφή.",
              "Παρακαλώ επιλέξτε ένα Κριτήριο Αξιολόγησης για διόρθωση."});
    setUseCheck(refdata::aksiologhshInUse, "AutoNum",
                "Υπάρχουν καταχωρημένοι πολίτες με αυτό το Κριτήριο Αξιολόγησης.Δεν επιτρέπεται η διαγραφή");
}

} // namespace dorvani
