// The code dialog: collects a code for its caller, which compares it.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace dorvani {

class TfrmExtraPassword : public QDialog {
    Q_OBJECT
public:
    explicit TfrmExtraPassword(QWidget *parent = nullptr);

    QLineEdit *Password2;
    QPushButton *OKBtn;
    QPushButton *BBtnCancel;

protected:
    void showEvent(QShowEvent *e) override;
};

} // namespace dorvani
