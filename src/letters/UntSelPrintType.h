// The choice of how a run of letters comes out: printed, previewed or written to one PDF file.
#pragma once

#include <QDialog>

class QPushButton;

namespace dorvani {

class TSelPrintTypeDlg : public QDialog {
    Q_OBJECT
public:
    enum Choice { Preview = 0, Print = 1, Pdf = 2 }; // the dialog's results
    explicit TSelPrintTypeDlg(QWidget *parent = nullptr);

    QPushButton *BitBtn1; // ΕΚΤΥΠΩΣΗ
    QPushButton *BitBtn2; // ΠΡΟΕΠΙΣΚΟΠΗΣΗ
    QPushButton *BtnPdf;  // ΑΡΧΕΙΟ PDF
};

} // namespace dorvani
