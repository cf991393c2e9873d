#include "letters/UntSelPrintType.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace dorvani {

TSelPrintTypeDlg::TSelPrintTypeDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName("SelPrintTypeDlg");
    setWindowTitle("ΕΠΙΛΕΞΤΕ");
    setModal(true);
    BitBtn1 = new QPushButton("ΕΚΤΥΠΩΣΗ", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn2 = new QPushButton("ΠΡΟΕΠΙΣΚΟΠΗΣΗ", this);
    BitBtn2->setObjectName("BitBtn2");
    BtnPdf = new QPushButton("ΑΡΧΕΙΟ PDF", this);
    BtnPdf->setObjectName("BtnPdf");
    auto *lay = new QHBoxLayout(this);
    lay->addWidget(BitBtn1);
    lay->addWidget(BitBtn2);
    lay->addWidget(BtnPdf);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(Print); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { done(Preview); });
    connect(BtnPdf, &QPushButton::clicked, this, [this] { done(Pdf); });
}

} // namespace dorvani
