#include "shell/UntDelTables.h"

#include "shell/DataReset.h"
#include "widgets/FormParts.h"
#include "data/Store.h"
#include "widgets/Ui.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace dorvani {

TDelTablesDlg::TDelTablesDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName("DelTablesDlg");
    setWindowTitle("ΜΗΔΕΝΙΣΜΟΣ ΑΡΧΕΙΩΝ");
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(215, 207, 179));
    setPalette(pal);

    GroupBox1 = new QGroupBox("ΕΠΙΛΕΞΤΕ ΑΡΧΕΙΑ", this);
    GroupBox1->setObjectName("GroupBox1");
    auto *grid = new QGridLayout(GroupBox1);
    QCheckBox **fields[] = {&ChkPOL, &ChkSYN,  &ChkEP,  &ChkNO,  &ChkEPA, &ChkDH, &ChkPO,   &ChkETHN,
                            &ChkEPAG, &ChkEOR, &ChkMELH, &ChkPYR, &ChkTO, &ChkNE, &ChkN_O, &ChkKLH};
    const auto &defs = DataReset::boxes();
    for (int i = 0; i < defs.size(); ++i) {
        auto *box = new QCheckBox(defs[i].caption, GroupBox1);
        box->setObjectName(defs[i].check);
        *fields[i] = box;
        m_boxes << box;
        grid->addWidget(box, i % 8, i / 8); // two columns of eight
    }

    BtnDel = form::button("BtnDel", "&ΔΙΑΓΡΑΦΗ", this);
    BtnDel->setToolTip("ΔΙΑΓΡΑΦΗ ΤΩΝ ΕΠΙΛΕΓΜΕΝΩΝ ΑΡΧΕΙΩΝ");
    CancelBtn = form::button("CancelBtn", "&ΕΠΙΣΤΡΟΦΗ", this);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnDel);
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);

    connect(BtnDel, &QPushButton::clicked, this, [this] { guarded([this] { deleteChosen(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TDelTablesDlg::deleteChosen()
{
    QList<int> chosen;
    for (int i = 0; i < m_boxes.size(); ++i)
        if (m_boxes[i]->isChecked())
            chosen << i;
    if (chosen.isEmpty())
        return;
    for (const QString &error : DataReset::run(Store::instance(), chosen))
        ui().message(error, QString(), Ui::Icon::Error);
}

} // namespace dorvani
