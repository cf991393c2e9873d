#include "search/UntSelectPrint.h"

#include "search/UntPrint.h"
#include "widgets/Ui.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace dorvani {

TSelectPrintDlg::TSelectPrintDlg(TPrintFrm *printFrm, QWidget *parent) : QDialog(parent), m_printFrm(printFrm)
{
    setObjectName("SelectPrintDlg");
    setWindowTitle("ΕΠΙΛΕΞΤΕ");
    auto *lay = new QHBoxLayout(this);
    BtnPrint = new QPushButton("ΕΚΤΥΠΩΣΗ ΕΤΙΚΕΤΩΝ", this);
    BtnPrint->setObjectName("BtnPrint");
    BitBtn2 = new QPushButton("ΔΟΚΙΜΑΣΤΙΚΗ ΕΚΤΥΠΩΣΗ", this);
    BitBtn2->setObjectName("BitBtn2");
    lay->addWidget(BtnPrint);
    lay->addWidget(BitBtn2);
    connect(BtnPrint, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, [this] {
        m_printFrm->setSample(sample);
        m_printFrm->loadType(typeName);
        ui().exec(m_printFrm);
    });
}

} // namespace dorvani
