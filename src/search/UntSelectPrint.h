// The print choice: print the labels, or try the label type on a test page first.
#pragma once

#include <QDialog>
#include <QStringList>

class QPushButton;

namespace dorvani {

class TPrintFrm;

class TSelectPrintDlg : public QDialog {
    Q_OBJECT
public:
    TSelectPrintDlg(TPrintFrm *printFrm, QWidget *parent = nullptr);
    QPushButton *BtnPrint, *BitBtn2;
    QStringList sample;
    QString typeName;

private:
    TPrintFrm *m_printFrm;
};

} // namespace dorvani
