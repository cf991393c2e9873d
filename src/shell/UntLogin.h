// The login dialog: the entry key asked for at the first activation of the main window.
#pragma once

#include <QDateTime>
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

    // The login check on the typed key; on failure "Λάθος Κωδικός!" is shown. After
    // three wrong keys in a row each further try waits a few seconds (by Clock) first.
    bool checkKey();

    static constexpr int triesBeforeWait = 3;
    static constexpr int waitSeconds = 5;
    int wrongInARow() const { return m_wrong; }

protected:
    void showEvent(QShowEvent *e) override;

private:
    TDataMdl &m_dm;
    int m_wrong = 0;
    QDateTime m_nextTry;
};

} // namespace dorvani
