// The photograph and signature settings of the letter page.
#pragma once

#include "letters/LetterPage.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace dorvani {

class TPrnSettingsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPrnSettingsDlg(QWidget *parent = nullptr);

    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4; // signature: left, top, height, width
    QLineEdit *Edit5, *Edit6, *Edit7, *Edit8; // photograph: left, top, height, width
    QLabel *Image1, *Image2;                  // photograph, signature previews
    QPushButton *BitBtn4, *BitBtn3;           // insert, delete signature
    QPushButton *BitBtn5, *BitBtn6;           // insert, delete photograph
    QPushButton *BitBtn1, *BitBtn2;           // OK, cancel

    // The fields and previews from the saved settings.
    void fill();
    LetterPageSettings settings() const;
    // A picture chosen from Entypa: shown in its preview, its size into the two fields.
    void insertPicture(const QString &caption, QLabel *preview, QString &chosen, QLineEdit *height, QLineEdit *width);
    void accept() override;

private:
    void showPicture(QLabel *preview, const QString &path);
    QString m_signature, m_photo;
};

} // namespace dorvani
