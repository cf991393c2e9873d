#include "UntIdiothta.h"

#include "Codes.h"
#include "Ui.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace dorvani {

TIdiothtaDlg::TIdiothtaDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName("IdiothtaDlg");
    setWindowTitle("ΙΔΙΟΤΗΤΑ");
    setModal(true);
    ChkBox1 = new QListWidget(this);
    ChkBox1->setObjectName("ChkBox1");
    for (const QString &t : codes::idiothta()) {
        auto *item = new QListWidgetItem(t, ChkBox1);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    BitBtn1 = new QPushButton("&ΟΚ", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton("&ΑΚΥΡΟ", this);
    BitBtn2->setObjectName("BitBtn2");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ChkBox1);
    layout->addLayout(buttons);
    resize(460, 520);
    connect(BitBtn1, &QPushButton::clicked, this, &TIdiothtaDlg::okClicked);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TIdiothtaDlg::setList(const QString &stored)
{
    for (int i = 0; i < ChkBox1->count(); ++i)
        ChkBox1->item(i)->setCheckState(Qt::Unchecked);
    for (int code : codes::listItems(stored))
        if (code >= 0 && code < ChkBox1->count())
            ChkBox1->item(code)->setCheckState(Qt::Checked);
}

QString TIdiothtaDlg::list() const
{
    QList<int> checked;
    for (int i = 0; i < ChkBox1->count(); ++i)
        if (ChkBox1->item(i)->checkState() == Qt::Checked)
            checked << i;
    return codes::joinList(checked);
}

void TIdiothtaDlg::okClicked()
{
    if (list().size() > maxLength) {
        ui().message(QString("Οι επιλεγμένες ιδιότητες δεν χωρούν στην καρτέλα του πολίτη (έως %1 χαρακτήρες). "
                             "Αφαιρέστε κάποιες ιδιότητες.")
                         .arg(maxLength));
        return;
    }
    accept();
}

} // namespace dorvani
