#include "citizens/UntIdiothta.h"

#include "data/Codes.h"
#include "widgets/FormParts.h"
#include "widgets/Ui.h"

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
    const form::TickListDialog parts = form::tickListDialog(this, "ChkBox1", codes::idiothta(), "&ΟΚ");
    ChkBox1 = parts.list;
    BitBtn1 = parts.ok;
    BitBtn2 = parts.cancel;
    resize(460, 520);
    connect(BitBtn1, &QPushButton::clicked, this, &TIdiothtaDlg::okClicked);
}

void TIdiothtaDlg::setList(const QString &stored)
{
    for (int i = 0; i < ChkBox1->count(); ++i)
        ChkBox1->item(i)->setCheckState(Qt::Unchecked);
    for (int code : codes::listItems(stored))
        if (code >= 0 && code < ChkBox1->count())
            ChkBox1->item(code)->setCheckState(Qt::Checked);
}

QString TIdiothtaDlg::list() const { return codes::joinList(form::checkedRows(ChkBox1)); }

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
