#include "shell/UntLogin.h"

#include "data/DataModule.h"
#include "platform/AppContext.h"
#include "shell/EntryKeys.h"
#include "widgets/Ui.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace dorvani {

TfrmLogin::TfrmLogin(TDataMdl &dm, QWidget *parent) : QDialog(parent), m_dm(dm)
{
    setObjectName("frmLogin");
    setWindowTitle("ΚΛΕΙΔΙ ΕΙΣΟΔΟΥ");
    setModal(true);

    auto *userLabel = new QLabel("ΔΩΣΤΕ USERNAME", this);
    EdtUserName = new QLineEdit(this);
    EdtUserName->setObjectName("EdtUserName");
    EdtUserName->setMaxLength(20);
    userLabel->hide();
    EdtUserName->hide();

    auto *keyLabel = new QLabel("ΔΩΣΤΕ ΚΩΔΙΚΟ", this);
    Password1 = new QLineEdit(this);
    Password1->setObjectName("Password1");
    Password1->setEchoMode(QLineEdit::Password);
    Password1->setStyleSheet("lineedit-password-character: 42;");

    OKBtn = new QPushButton("&ΟΚ", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    BBtnCancel = new QPushButton("&ΑΚΥΡΟ", this);
    BBtnCancel->setObjectName("BBtnCancel");

    auto *grid = new QGridLayout(this);
    grid->addWidget(userLabel, 0, 0);
    grid->addWidget(EdtUserName, 0, 1);
    grid->addWidget(keyLabel, 1, 0);
    grid->addWidget(Password1, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(BBtnCancel);
    grid->addLayout(buttons, 2, 0, 1, 2);
    setFixedSize(sizeHint().expandedTo(QSize(340, 120)));

    connect(OKBtn, &QPushButton::clicked, this, [this] {
        if (checkKey())
            accept();
    });
    connect(BBtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmLogin::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    guarded([this] { m_dm.TblPasswords->setFiltered(false); });
    Password1->clear();
    EdtUserName->clear();
    Password1->setFocus();
}

bool TfrmLogin::checkKey()
{
    if (m_nextTry.isValid() && Clock::now() < m_nextTry) {
        const qint64 left = qMax<qint64>(1, (Clock::now().msecsTo(m_nextTry) + 999) / 1000);
        ui().message(QString("Δόθηκαν λάθος κωδικοί %1 φορές στη σειρά. Περιμένετε %2 και ξαναδοκιμάστε.")
                         .arg(m_wrong)
                         .arg(left == 1 ? QString("1 δευτερόλεπτο") : QString("%1 δευτερόλεπτα").arg(left)));
        Password1->setFocus();
        return false;
    }
    const keys::Check c = keys::login(m_dm, Password1->text());
    if (!c.error.isEmpty()) {
        ui().message(c.error, QString(), Ui::Icon::Error);
        Password1->setFocus();
        return false;
    }
    if (!c.ok) {
        if (++m_wrong >= triesBeforeWait)
            m_nextTry = Clock::now().addSecs(waitSeconds);
        ui().message("Λάθος Κωδικός!");
        Password1->setFocus();
        return false;
    }
    m_wrong = 0;
    m_nextTry = QDateTime();
    return true;
}

} // namespace dorvani
