#include "bodies/UntPediaTAKO.h"

#include "bodies/BodySearch.h"
#include "data/Codes.h"
#include "platform/Registry.h"
#include "widgets/FormParts.h"

#include <QListWidget>
#include <QPushButton>

namespace dorvani {

TPediaTAKODlg::TPediaTAKODlg(QWidget *parent) : QDialog(parent)
{
    setObjectName("PediaTAKODlg");
    setWindowTitle("ΕΠΙΛΕΞΤΕ ΠΕΔΙΑ ΕΜΦΑΝΙΣΗΣ");
    setModal(true);
    const form::TickListDialog parts =
        form::tickListDialog(this, "ChkPedia", BodySearchBuilder::resultCaptions(), "&OK");
    ChkPedia = parts.list;
    BitBtn1 = parts.ok;
    BitBtn2 = parts.cancel;
    form::paint(this, QColor(215, 207, 179));
    resize(320, 460);
    connect(BitBtn1, &QPushButton::clicked, this, &TPediaTAKODlg::okClicked);
}

QString TPediaTAKODlg::savedChoice() { return Registry(Registry::GeneralTAKO).readString("Pedia", "Checked"); }

void TPediaTAKODlg::saveChoice(const QString &positions)
{
    Registry(Registry::GeneralTAKO).writeString("Pedia", "Checked", positions);
}

void TPediaTAKODlg::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // The saved positions are ticked; the others keep the ticks of the last use.
    for (int p : codes::listItems(savedChoice()))
        if (p >= 0 && p < ChkPedia->count())
            ChkPedia->item(p)->setCheckState(Qt::Checked);
}

bool TPediaTAKODlg::isChecked(int position) const
{
    return position >= 0 && position < ChkPedia->count() && ChkPedia->item(position)->checkState() == Qt::Checked;
}

QList<int> TPediaTAKODlg::checkedPositions() const
{
    QList<int> out;
    for (int i = 0; i < ChkPedia->count(); ++i)
        if (isChecked(i))
            out << i;
    return out;
}

QString TPediaTAKODlg::caption(int position) const
{
    return position >= 0 && position < ChkPedia->count() ? ChkPedia->item(position)->text() : QString();
}

void TPediaTAKODlg::setCaption(int position, const QString &text)
{
    if (position >= 0 && position < ChkPedia->count())
        ChkPedia->item(position)->setText(text);
}

void TPediaTAKODlg::okClicked()
{
    saveChoice(codes::joinList(checkedPositions()));
    accept();
}

} // namespace dorvani
