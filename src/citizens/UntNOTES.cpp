#include "citizens/UntNOTES.h"

#include "widgets/InputHelpers.h"

#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace dorvani {

TNOTESDlg::TNOTESDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName("NOTESDlg");
    setWindowTitle("ΠΑΡΑΤΗΡΗΣΕΙΣ");
    setModal(true);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(49, 186, 225));
    setPalette(p);
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName("RichEdit1");
    RichEdit1->setAcceptRichText(false);
    installGreekCapitals(RichEdit1);
    OKBtn = new QPushButton("ΟΚ", this);
    OKBtn->setObjectName("OKBtn");
    auto *l = new QVBoxLayout(this);
    l->addWidget(RichEdit1);
    l->addWidget(OKBtn, 0, Qt::AlignRight);
    resize(480, 260);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace dorvani
