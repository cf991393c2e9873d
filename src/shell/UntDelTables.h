// The reset of files: sixteen check boxes of tables to empty and the delete button.
#pragma once

#include <QDialog>
#include <QList>

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace dorvani {

class TDelTablesDlg : public QDialog {
    Q_OBJECT
public:
    explicit TDelTablesDlg(QWidget *parent = nullptr);

    QGroupBox *GroupBox1;
    QCheckBox *ChkPOL, *ChkSYN, *ChkEP, *ChkNO, *ChkEPA, *ChkDH, *ChkPO, *ChkETHN, *ChkEPAG, *ChkEOR, *ChkMELH,
        *ChkPYR, *ChkTO, *ChkNE, *ChkN_O, *ChkKLH;
    QPushButton *BtnDel;
    QPushButton *CancelBtn;

    // The boxes in the order of the tables they empty.
    QList<QCheckBox *> boxes() const { return m_boxes; }

    void deleteChosen();

private:
    QList<QCheckBox *> m_boxes;
};

} // namespace dorvani
