#include "telephone/UntDial.h"

#include "telephone/Tdialer.h"
#include "widgets/FormParts.h"
#include "widgets/MainWindow.h"
#include "widgets/Ui.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace dorvani {

TDialDlg::TDialDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName("DialDlg");
    setWindowTitle("ΤΗΛΕΦΩΝΗΤΗΣ DORVANI");
    form::paint(this, QColor(230, 184, 160));
    auto *v = new QVBoxLayout(this);
    Label1 = new QLabel("Αριθμός προς κλήση", this);
    Label1->setObjectName("Label1");
    EdtTel = new QLineEdit(this);
    EdtTel->setObjectName("EdtTel");
    BtnDial = new QPushButton("Κλήση", this);
    BtnDial->setObjectName("BtnDial");
    BtnDial->setDefault(true);
    CancelBtn = new QPushButton("Επιστροφή", this);
    CancelBtn->setObjectName("CancelBtn");
    v->addWidget(Label1);
    v->addWidget(EdtTel);
    auto *h = new QHBoxLayout;
    h->addWidget(BtnDial);
    h->addWidget(CancelBtn);
    v->addLayout(h);
    connect(BtnDial, &QPushButton::clicked, this, [this] { guarded([this] { dial(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TDialDlg::dial()
{
    const TAPIDialer::Outcome o = TAPIDialer::call(EdtTel->text());
    if (!o.message.isEmpty())
        ui().message(o.message, QString(), Ui::Icon::Information);
    m_status = o.status;
}

void TDialDlg::dialNumber(const QString &number)
{
    static QPointer<TDialDlg> dlg;
    if (!dlg) {
        MainWindow *main = MainWindow::instance();
        dlg = new TDialDlg(main ? main->widget() : nullptr);
    }
    dlg->EdtTel->setText(number);
    ui().exec(dlg);
}

} // namespace dorvani
