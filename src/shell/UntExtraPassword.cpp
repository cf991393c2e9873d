#include "shell/UntExtraPassword.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace dorvani {

TfrmExtraPassword::TfrmExtraPassword(QWidget *parent) : QDialog(parent)
{
    setObjectName("frmExtraPassword");
    setWindowTitle("ΚΩΔΙΚΟΣ");
    setModal(true);
    auto *label = new QLabel("ΔΩΣΤΕ ΚΩΔΙΚΟ", this);
    Password2 = new QLineEdit(this);
    Password2->setObjectName("Password2");
    Password2->setEchoMode(QLineEdit::Password);
    Password2->setStyleSheet("lineedit-password-character: 42;");
    OKBtn = new QPushButton("&ΟΚ", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    BBtnCancel = new QPushButton("&ΑΚΥΡΟ", this);
    BBtnCancel->setObjectName("BBtnCancel");
    auto *grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(Password2, 0, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(BBtnCancel);
    grid->addLayout(buttons, 1, 0, 1, 2);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(BBtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmExtraPassword::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    Password2->clear();
    Password2->setFocus();
}

} // namespace dorvani
