#include "shell/UntEdtPassword.h"

#include "data/DataModule.h"
#include "shell/EntryKeys.h"
#include "widgets/InputHelpers.h"
#include "widgets/Ui.h"
#include "shell/UntExtraPassword.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace dorvani {

namespace {
// Enter in the old-key field verifies it.
class OldKeyEnter : public QObject {
public:
    OldKeyEnter(TEdtPasswordDlg *dlg) : QObject(dlg), m_dlg(dlg) {}
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::KeyPress) {
            auto *k = static_cast<QKeyEvent *>(e);
            if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
                m_dlg->verifyOldKey(true);
                return true;
            }
        }
        return QObject::eventFilter(o, e);
    }

private:
    TEdtPasswordDlg *m_dlg;
};
} // namespace

TEdtPasswordDlg::TEdtPasswordDlg(TDataMdl &dm, TfrmExtraPassword &codeDlg, QWidget *parent)
    : QDialog(parent), m_dm(dm), m_code(codeDlg)
{
    setObjectName("EdtPasswordDlg");
    setWindowTitle("Αλλαγή Κλειδιού Εισόδου");
    setModal(true);
    auto *oldLabel = new QLabel("ΔΩΣΤΕ ΠΑΛΙΟ ΚΩΔΙΚΟ", this);
    Password1 = new QLineEdit(this);
    Password1->setObjectName("Password1");
    Password1->setMaxLength(8);
    Password1->setEchoMode(QLineEdit::Password);
    Password1->setStyleSheet("lineedit-password-character: 42;");
    auto *newLabel = new QLabel("ΔΩΣΤΕ ΝΕΟ ΚΩΔΙΚΟ", this);
    Password2 = new QLineEdit(this);
    Password2->setObjectName("Password2");
    Password2->setMaxLength(8);
    ChkIsForAll = new QCheckBox("ΕΙΔΙΚΟΣ ΧΡΗΣΤΗΣ", this);
    ChkIsForAll->setObjectName("ChkIsForAll");
    OKBtn = new QPushButton("&ΟΚ", this);
    OKBtn->setObjectName("OKBtn");
    BBtnCancel = new QPushButton("&ΑΚΥΡΟ", this);
    BBtnCancel->setObjectName("BBtnCancel");

    auto *grid = new QGridLayout(this);
    grid->addWidget(oldLabel, 0, 0);
    grid->addWidget(Password1, 0, 1);
    grid->addWidget(newLabel, 1, 0);
    grid->addWidget(Password2, 1, 1);
    grid->addWidget(ChkIsForAll, 2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(BBtnCancel);
    grid->addLayout(buttons, 3, 0, 1, 2);

    Password1->installEventFilter(new OldKeyEnter(this));
    connect(ChkIsForAll, &QCheckBox::toggled, this, [this] {
        if (!m_settingCheck)
            specialChanged();
    });
    connect(OKBtn, &QPushButton::clicked, this, &TEdtPasswordDlg::okClicked);
    connect(BBtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TEdtPasswordDlg::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    Keyboard::setCapsLock(false);
    Keyboard::switchToUs();
    Password1->clear();
    Password2->clear();
    m_settingCheck = true;
    ChkIsForAll->setChecked(false);
    m_settingCheck = false;
    Password1->setFocus();
    specialChanged();
}

// Choosing which key to change asks for that key afresh: the stored key is never shown
// (it is kept only as a digest).
void TEdtPasswordDlg::specialChanged()
{
    Password1->clear();
    Password1->setFocus();
}

bool TEdtPasswordDlg::verifyOldKey(bool fromEnter)
{
    const keys::Check c = keys::verifyOld(m_dm, Password1->text(), ChkIsForAll->isChecked());
    if (!c.error.isEmpty()) {
        ui().message(c.error, QString(), Ui::Icon::Error);
        Password1->setFocus();
        return false;
    }
    if (!c.ok) {
        ui().message("Λάθος Κωδικός!");
        if (fromEnter)
            Password1->clear();
        Password1->setFocus();
        return false;
    }
    m_settingCheck = true;
    ChkIsForAll->setChecked(c.full);
    m_settingCheck = false;
    if (fromEnter)
        Password2->setFocus();
    return true;
}

void TEdtPasswordDlg::okClicked()
{
    if (!verifyOldKey(false))
        return;
    if (!adminVerified) {
        if (ui().exec(&m_code) != QDialog::Accepted || !keys::isAdminCode(m_code.Password2->text()))
            return;
        adminVerified = true;
    }
    try {
        keys::save(m_dm, Password2->text(), ChkIsForAll->isChecked());
    } catch (const DbError &) {
        ui().message("Παρουσιάστηκε σφάλμα!Προσπαθήστε ξανά.");
        return;
    }
    ui().message("Η αποθήκευση ολοκληρώθηκε.");
    accept();
}

void runKeyManagement(TfrmExtraPassword &codeDlg, TEdtPasswordDlg &keysDlg)
{
    Keyboard::setCapsLock(false);
    Keyboard::switchToUs();
    keysDlg.adminVerified = false;
    if (ui().exec(&codeDlg) != QDialog::Accepted)
        return;
    if (!keys::isAdminCode(codeDlg.Password2->text()))
        return;
    keysDlg.adminVerified = true;
    ui().exec(&keysDlg);
}

} // namespace dorvani
