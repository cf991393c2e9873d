#include "reference/UntSynypops.h"

#include "data/DataModule.h"
#include "reference/ReferenceData.h"
#include "widgets/Ui.h"

namespace dorvani {

TSynypopsDlg::TSynypopsDlg(TDataMdl &dm, QWidget *parent)
    : TListEditorDlg("SynypopsDlg", "Διαχείριση Συνυποψηφίων", parent), m_dm(dm)
{
    setList(dm.TblSynypops, "Synypops", "ΣΥΝΥΠΟΨΗΦΙΟΙ");
    setTexts({"Εισαγωγή Συνυποψηφίου", "Δώστε Συνυποψήφιο",
              "Διόρθωση Συνυποψηφίου", "Δώστε νέο Συνυποψήφιο",
              "Παρακαλώ επιλέξτε ένα Συνυποψήφιο για διαγραφή.",
              "Παρακαλώ επιλέξτε έναν συνυποψήφιο για διόρθωση."});
}

bool TSynypopsDlg::confirmCorrection(const QString &)
{
    return ui().question("Σημείωση.Η αλλαγή θα μεταβάλλει και όλους τους Πολίτες που έχουν αποδόσει ψήφους στο "
                         "επιλεγμένο συνυποψήφιο!Να προχωρήσω;",
                         "ΕΠΙΒΕΒΑΙΩΣΗ", true);
}

void TSynypopsDlg::correctName(const QString &name) { refdata::renameCoCandidate(m_dm, name); }

QString TSynypopsDlg::deleteQuestion() const
{
    return "Προσοχή!Θα διαγραφεί και από τους Πολίτες ο επιλεγμένος Συνυποψήφιος.\n"
           "Παρακαλώ επιβεβαιώστε τη διαγραφή";
}

void TSynypopsDlg::removeCurrent() { refdata::deleteCoCandidate(m_dm); }

} // namespace dorvani
