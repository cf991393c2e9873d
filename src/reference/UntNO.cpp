#include "reference/UntNO.h"

#include "data/DataModule.h"

namespace dorvani {

TNODlg::TNODlg(TDataMdl &dm, QWidget *parent) : TListEditorDlg("NODlg", "Διαχείριση NO", parent), m_dm(dm)
{
    addParent("ΝΟΜΟΣ", dm.TblNomoi, "NOMOS", "NOMOS");
    setList(dm.TblNO, "N_O", "ΝΟΜΑΡΧΙΑΚΕΣ ΟΡΓΑΝΩΣΕΙΣ");
    setTexts({"Εισαγωγή ", "Δώστε Ν.Ο.",
              "Διόρθωση Ν.Ο.", "Δώστε νέα Ν.Ο.",
              "Παρακαλώ επιλέξτε μία N.O. για διαγραφή.",
              "Παρακαλώ επιλέξτε μία N.O. για διόρθωση."});
    setParentMessages("Παρακαλώ επιλέξτε πρώτα ένα Νομό.", "Παρακαλώ επιλέξτε πρώτα ένα Νομό.");
    setDefault("Nomos", "NOMOS");
    setCaptionFollows("Διαχείριση ΝΟΜΑΡΧΙΑΚΩΝ ΟΡΓΑΝΩΣΕΩΝ Νομού ");
    setFixedSize(520, 460);
}

void TNODlg::parentsChanged(int)
{
    // Without a prefecture there is no organisation to list (no prefecture has number 0).
    const QVariant nomos = chosenKey(0);
    Table *t = m_dm.TblNO;
    t->setFilter("Nomos=" + QString::number(nomos.isNull() ? 0 : nomos.toLongLong()));
    t->setFiltered(true);
}

void TNODlg::closing()
{
    Table *t = m_dm.TblNO;
    t->setFiltered(false);
    t->setFilter(QString());
}

} // namespace dorvani
