// The dial dialog: the number to call, "Κλήση" and "Επιστροφή". It stays open after a call.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace dorvani {

class TDialDlg : public QDialog {
    Q_OBJECT
public:
    explicit TDialDlg(QWidget *parent = nullptr);

    QLabel *Label1;
    QLineEdit *EdtTel;
    QPushButton *BtnDial;
    QPushButton *CancelBtn;

    // "Κλήση": the port message when the modem port is not set, else the call.
    void dial();
    QString lastStatus() const { return m_status; }

    // Puts the number into the dialog's field and shows it modally.
    static void dialNumber(const QString &number);

private:
    QString m_status;
};

} // namespace dorvani
