#include "UntPrnPedia.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace dorvani {

TPrnPEDIADlg::TPrnPEDIADlg(QWidget *parent) : QDialog(parent)
{
    setObjectName("PrnPEDIADlg");
    setWindowTitle("ΕΠΙΛΕΞΤΕ ΠΕΔΙΑ ΕΚΤΥΠΩΣΗΣ");
    setModal(true);
    ChkBox = new QListWidget(this);
    ChkBox->setObjectName("ChkBox");
    BitBtn1 = new QPushButton("&OK", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton("&ΑΚΥΡΟ", this);
    BitBtn2->setObjectName("BitBtn2");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ChkBox);
    layout->addLayout(buttons);
    resize(340, 460);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TPrnPEDIADlg::setItems(const QStringList &captions)
{
    ChkBox->clear();
    for (const QString &t : captions) {
        auto *item = new QListWidgetItem(t, ChkBox);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
}

QList<int> TPrnPEDIADlg::checkedItems() const
{
    QList<int> out;
    for (int i = 0; i < ChkBox->count(); ++i)
        if (ChkBox->item(i)->checkState() == Qt::Checked)
            out << i;
    return out;
}

} // namespace dorvani
