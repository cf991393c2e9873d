#include "search/UntPedia.h"

#include "data/Codes.h"
#include "widgets/FormParts.h"
#include "platform/Registry.h"
#include "search/ResultFields.h"

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
    const form::TickListDialog parts = form::tickListDialog(this, "ChkPedia", results::captions(), "&OK");
    ChkPedia = parts.list;
    BitBtn1 = parts.ok;
    BitBtn2 = parts.cancel;
    resize(360, 600);
    connect(BitBtn1, &QPushButton::clicked, this, &TPediaDlg::okClicked);
}

QString TPediaDlg::savedChoice()
{
    // Until the office chooses, the list's usual columns: surname, first name, father's
    // name, address, town and telephone.
    const Registry r(Registry::General);
    if (!r.valueExists("Pedia", "Checked"))
        return QStringLiteral("1,2,4,9,11,31");
    return r.readString("Pedia", "Checked");
}

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
