#include "reference/UntEthnikothtes.h"

#include "data/DataModule.h"

namespace dorvani {

TEthnikothtesDlg::TEthnikothtesDlg(TDataMdl &dm, QWidget *parent) : TListEditorDlg("EthnikothtesDlg", "Διαχείριση Εθνικοτήτων", parent)
{
    setList(dm.TblEthnikothtes, "ETHNIKOTHTA", "Εθνικότητες");
    setTexts({"Εισαγωγή Εθνικότητας", "Δώστε εθνικότητα",
              "Διόρθωση Εθνικότητας", "Δώστε νέα εθνικότητα",
              "Παρακαλώ επιλέξτε μία εθνικότητα για διαγραφή.",
              "Παρακαλώ επιλέξτε μια εθνικότητα για διόρθωση."});
}

} // namespace dorvani
