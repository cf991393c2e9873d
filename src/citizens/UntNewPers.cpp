#include "citizens/UntNewPers.h"

#include "data/DataModule.h"
#include "data/DbError.h"
#include "widgets/InputHelpers.h"
#include "widgets/Ui.h"

#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>

namespace dorvani {

TNewPersFrm::TNewPersFrm(TDataMdl &dm, QWidget *parent) : TCitizenPage(dm, parent)
{
    build();
    setObjectName("NewPersFrm");
    setWindowTitle("ΝΕΟΙ ΠΟΛΙΤΕΣ");
    Keyboard::switchToGreek();
    Keyboard::setCapsLock(true);
    guarded([this] {
        prepareLists(true);
        clearPage();
    });
    connect(BtnSave, &QPushButton::clicked, this, [this] { save(); });
    connect(CancelBtn, &QPushButton::clicked, this, &TNewPersFrm::returnClicked);
    connect(BtnDel, &QPushButton::clicked, this, [this] { guarded([this] { clearPage(); }); });
    // The note buttons belong to the citizen last saved: typing another name leaves them
    // without one until that citizen is saved.
    for (QLineEdit *e : {EdtEpitheto, EdtOnoma, EdtPatr})
        connect(e, &QLineEdit::textEdited, this, [this] {
            BBtnSpecialNotes->setEnabled(false);
            BBtnInfo->setEnabled(false);
        });
}

bool TNewPersFrm::save()
{
    if (!validate())
        return false;
    if (CitizenStore::duplicateExists(EdtEpitheto->text(), EdtOnoma->text(), EdtPatr->text())) {
        ui().message("Υπάρχει καταχωρημένος ο πολίτης με αυτό Επίθετο , Ονομα , Πατρώνυμο.");
        return false;
    }
    int autonum = 0;
    try {
        autonum = CitizenStore::insert(record());
    } catch (const DbError &) {
        ui().message("Παρουσιάστηκε σφάλμα στην αποθήκευση.");
        return false;
    }
    m_citizen = autonum;
    ui().message("Η αποθήκευση ολοκληρώθηκε");
    BBtnSpecialNotes->setEnabled(true);
    BBtnInfo->setEnabled(true);
    emit saved(autonum);
    return true;
}

void TNewPersFrm::returnClicked()
{
    if (!EdtEpitheto->text().trimmed().isEmpty()
        && ui().question("Θέλετε να αποθηκεύσετε τις αλλαγές;", "ΕΠΙΒΕΒΑΙΩΣΗ") && !save())
        return; // a refused save keeps what was typed
    closeScreen();
}

void TNewPersFrm::clearPage()
{
    BBtnSpecialNotes->setEnabled(false);
    BBtnInfo->setEnabled(false);
    TCitizenPage::clearPage();
    pointCellsAt(m_dm.TblNO->isEmpty() ? 0 : m_dm.TblNO->integer("AUTONUM"));
    m_remarks.clear();
}

} // namespace dorvani
