#include "shell/UntKatoxos.h"

#include "widgets/InputHelpers.h"
#include "widgets/FormParts.h"
#include "platform/Registry.h"
#include "widgets/Ui.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace dorvani {

QString TKatoxosDlg::sampleTitle() { return "ΓΡΑΦΕΙΟ ΒΟΥΛΕΥΤΗ ΓΕΩΡΓΙΟΥ ΠΑΠΑΔΟΠΟΥΛΟΥ"; }
QString TKatoxosDlg::sampleAddress() { return "ΠΑΝΕΠΙΣΤΗΜΙΟΥ 10, 106 71 ΑΘΗΝΑ"; }
QString TKatoxosDlg::sampleMisc() { return "ΠΟΛΙΤΙΚΟ ΓΡΑΦΕΙΟ"; }

TKatoxosDlg::TKatoxosDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName("KatoxosDlg");
    setWindowTitle("ΟΡΙΣΜΟΣ ΧΡΗΣΤΗ");
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(215, 207, 179));
    setPalette(pal);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName("Edit2");
    Edit3 = new QLineEdit(this);
    Edit3->setObjectName("Edit3");
    for (QLineEdit *e : {Edit1, Edit2, Edit3}) {
        e->setMinimumWidth(380);
        installEntryKeys(e);
    }

    BitBtn1 = form::button("BitBtn1", "&ΑΠΟΘΗΚΕΥΣΗ", this);
    BitBtn2 = form::button("BitBtn2", "&ΕΞΟΔΟΣ", this);
    BitBtn3 = form::button("BitBtn3", "&ΒΟΗΘΕΙΑ", this);

    auto *form = new QFormLayout;
    form->addRow(new QLabel("ΤΙΤΛΟΣ", this), Edit1);
    form->addRow(new QLabel("ΔΙΕΥΘΥΝΣΗ", this), Edit2);
    form->addRow(new QLabel("ΔΙΑΦΟΡΑ", this), Edit3);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn3);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded([this] { save(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    // BitBtn3 (help) has no action.
}

void TKatoxosDlg::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    form::centre(this);
    const Registry reg(Registry::Info);
    Edit1->setText(reg.readString("Options", "Title", sampleTitle()));
    Edit2->setText(reg.readString("Options", "Address", sampleAddress()));
    Edit3->setText(reg.readString("Options", "Misc", sampleMisc()));
    Edit1->setFocus();
}

void TKatoxosDlg::save()
{
    Registry reg(Registry::Info);
    reg.writeString("Options", "Title", Edit1->text());
    reg.writeString("Options", "Address", Edit2->text());
    reg.writeString("Options", "Misc", Edit3->text());
    accept();
}

} // namespace dorvani
