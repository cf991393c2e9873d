#include "reference/UntPersIdiothta.h"

#include "data/DataModule.h"
#include "reference/ReferenceData.h"
#include "widgets/Ui.h"

#include <QComboBox>
#include <QLabel>

namespace dorvani {

TPersIdiothtaDlg::TPersIdiothtaDlg(TDataMdl &dm, QWidget *parent)
    : TListEditorDlg("PersIdiothtaDlg", "Διαχείριση Ιδιοτήτων Μελών", parent), m_dm(dm)
{
    setList(dm.TblPersIdiothta, "PERS_IDIOTHTA", "Ιδιότητα");
    setTexts({"Εισαγωγή Ιδιότητας", "Δώστε Ιδιότητα",
              "Διόρθωση Ιδιότητας", "Δώστε νέα Ιδιότητα",
              "Παρακαλώ επιλέξτε μία Ιδιότητα για διαγραφή.",
              "Παρακαλώ επιλέξτε μία Ιδιότητα για διόρθωση."});
    // Only the members of prefectural authorities are looked at, whatever the role's kind.
    setUseCheck(refdata::memberRoleInUse, "AUTONUM",
                "Υπάρχουν καταχωρημένες Νομαρχίες με αυτή τήν Ιδιότητα.Δεν επιτρέπεται η διαγραφή");

    auto *label = new QLabel("T.A.-K.O", this);
    label->setObjectName("LblTAKO");
    CmbTAKO = new QComboBox(this);
    CmbTAKO->setObjectName("CmbTAKO");
    CmbTAKO->addItems({"ΝΟΜΑΡΧΙΕΣ", "ΔΗΜΑΡΧΙΕΣ", "ΝΟΜΑΡΧΙΑΚΕΣ ΟΡΓΑΝΩΣΕΙΣ/ΕΠΙΤΡΟΠΕΣ", "ΤΟΠΙΚΕΣ ΟΡΓΑΝΩΣΕΙΣ"});
    CmbTAKO->setCurrentIndex(-1);
    label->setBuddy(CmbTAKO);
    addSideWidget(label);
    addSideWidget(CmbTAKO);
    setFixedSize(640, 400);
    connect(CmbTAKO, QOverload<int>::of(&QComboBox::activated), this,
            [this](int code) { guarded([&] { kindChosen(code); }); });
}

void TPersIdiothtaDlg::beforeShow()
{
    CmbTAKO->setCurrentIndex(-1);
    if (m_dm.TblPersIdiothta->active())
        m_dm.TblPersIdiothta->setFiltered(false);
}

void TPersIdiothtaDlg::kindChosen(int code)
{
    Table *t = m_dm.TblPersIdiothta;
    t->setFilter("TAKO=" + QString::number(code));
    t->setFiltered(true);
}

void TPersIdiothtaDlg::closing()
{
    Table *t = m_dm.TblPersIdiothta;
    t->setFiltered(false);
    t->setFilter(QString());
}

bool TPersIdiothtaDlg::mayInsert()
{
    if (CmbTAKO->currentIndex() < 0) {
        ui().message("Παρακαλώ ,επιλέξτε μια Τ.Α.-Κ.Ο. για να ολοκληρωθεί η αποθήκευση.");
        return false;
    }
    return true;
}

QHash<QString, QVariant> TPersIdiothtaDlg::insertExtras() const { return {{"TAKO", CmbTAKO->currentIndex()}}; }

} // namespace dorvani
