#include "search/UntPrnPedia.h"

#include "widgets/FormParts.h"

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
    const form::TickListDialog parts = form::tickListDialog(this, "ChkBox", {}, "&OK");
    ChkBox = parts.list;
    BitBtn1 = parts.ok;
    BitBtn2 = parts.cancel;
    resize(340, 460);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void TPrnPEDIADlg::setItems(const QStringList &captions)
{
    ChkBox->clear();
    for (const QString &t : captions)
        form::addCheckItem(ChkBox, t);
}

QList<int> TPrnPEDIADlg::checkedItems() const { return form::checkedRows(ChkBox); }

} // namespace dorvani
