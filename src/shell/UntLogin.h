// The login dialog: the entry key asked for at the first activation of the main window.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace dorvani {

class TDataMdl;

class TfrmLogin : public QDialog {
    Q_OBJECT
public:
    explicit TfrmLogin(TDataMdl &dm, QWidget *parent = nullptr);

    QLineEdit *Password1;
    QLineEdit *EdtUserName; // kept hidden and unused
    QPushButton *OKBtn;
    QPushButton *BBtnCancel;

    // The login check on the typed key; on failure "Λάθος Κωδικός!" is shown.
    bool checkKey();

protected:
    void showEvent(QShowEvent *e) override;

private:
    TDataMdl &m_dm;
};

} // namespace dorvani
