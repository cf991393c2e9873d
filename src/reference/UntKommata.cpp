#include "reference/UntKommata.h"

#include "data/DataModule.h"
#include "reference/ReferenceData.h"

namespace dorvani {

TKommataDlg::TKommataDlg(TDataMdl &dm, QWidget *parent)
    : TListEditorDlg("KommataDlg", "Διαχείριση Κομμάτων", parent), m_dm(dm)
{
    setList(dm.TblKommata, "KOMMA", "Κόμματα");
    setTexts({"Εισαγωγή Κόμματος", "Δώστε Κόμμα",
              "Διόρθωση Κόμματος", "Δώστε νέο Κόμμα",
              "Παρακαλώ επιλέξτε ένα Κόμμα για διαγραφή.",
              "Παρακαλώ επιλέξτε ένα Κόμμα για διόρθωση."});
    setUseCheck(refdata::partyInUse, "AUTONUM",
                "Υπάρχουν καταχωρημένες Νομαρχίες με αυτό το Κόμμα.Δεν επιτρέπεται η διαγραφή");
}

void TKommataDlg::beforeShow()
{
    m_dm.TblKommataStruct->close();
    m_dm.TblKommataStruct->open();
    m_dm.TblSymmaxies->close();
    m_dm.TblSymmaxies->open();
}

bool TKommataDlg::insertName(const QString &name) { return refdata::insertParty(m_dm, name); }

void TKommataDlg::correctName(const QString &name) { refdata::renameParty(m_dm, name); }

void TKommataDlg::removeCurrent() { refdata::deleteParty(m_dm); }

} // namespace dorvani
