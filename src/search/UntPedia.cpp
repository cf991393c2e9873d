#include "UntPedia.h"

#include "Codes.h"
#include "Registry.h"
#include "ResultFields.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace dorvani {

TPediaDlg::TPediaDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName("PediaDlg");
    setWindowTitle("ΕΠΙΛΕΞΤΕ ΠΕΔΙΑ ΕΜΦΑΝΙΣΗΣ");
    setModal(true);
    ChkPedia = new QListWidget(this);
    ChkPedia->setObjectName("ChkPedia");
    for (const QString &t : results::captions()) {
        auto *item = new QListWidgetItem(t, ChkPedia);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
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
    layout->addWidget(ChkPedia);
    layout->addLayout(buttons);
    resize(360, 600);
    connect(BitBtn1, &QPushButton::clicked, this, &TPediaDlg::okClicked);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

QString TPediaDlg::savedChoice() { return Registry(Registry::General).readString("Pedia", "Checked"); }

void TPediaDlg::saveChoice(const QString &positions)
{
    Registry(Registry::General).writeString("Pedia", "Checked", positions);
}

void TPediaDlg::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // The saved positions are checked; marks left from the last use stay as they are.
    for (int p : codes::listItems(savedChoice()))
        if (p >= 0 && p < ChkPedia->count())
            ChkPedia->item(p)->setCheckState(Qt::Checked);
}

bool TPediaDlg::isChecked(int position) const
{
    return position >= 0 && position < ChkPedia->count() && ChkPedia->item(position)->checkState() == Qt::Checked;
}

QList<int> TPediaDlg::checkedPositions() const
{
    QList<int> out;
    for (int i = 0; i < ChkPedia->count(); ++i)
        if (isChecked(i))
            out << i;
    return out;
}

void TPediaDlg::okClicked()
{
    saveChoice(codes::joinList(checkedPositions()));
    accept();
}

} // namespace dorvani
