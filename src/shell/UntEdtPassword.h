// The key-management dialog: changes the ordinary or the special user's key.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace dorvani {

class TDataMdl;
class TfrmExtraPassword;

class TEdtPasswordDlg : public QDialog {
    Q_OBJECT
public:
    TEdtPasswordDlg(TDataMdl &dm, TfrmExtraPassword &codeDlg, QWidget *parent = nullptr);

    QLineEdit *Password1; // the old key, typed masked; the stored one is never shown
    QLineEdit *Password2; // the new key
    QCheckBox *ChkIsForAll;
    QPushButton *OKBtn;
    QPushButton *BBtnCancel;

    bool adminVerified = false;

    // Verifies the old key; on failure "Λάθος Κωδικός!" is shown.
    bool verifyOldKey(bool fromEnter);
    void okClicked();

protected:
    void showEvent(QShowEvent *e) override;

private:
    void specialChanged();

    TDataMdl &m_dm;
    TfrmExtraPassword &m_code;
    bool m_settingCheck = false;
};

// The menu command: asks for the administrator code, then shows the key-management dialog.
void runKeyManagement(TfrmExtraPassword &codeDlg, TEdtPasswordDlg &keysDlg);

} // namespace dorvani
