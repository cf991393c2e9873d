// The office owner: title, address and a free line, kept in the settings.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace dorvani {

class TKatoxosDlg : public QDialog {
    Q_OBJECT
public:
    explicit TKatoxosDlg(QWidget *parent = nullptr);

    QLineEdit *Edit1; // title
    QLineEdit *Edit2; // address
    QLineEdit *Edit3; // miscellaneous
    QPushButton *BitBtn1; // save
    QPushButton *BitBtn2; // exit
    QPushButton *BitBtn3; // help

    // Shown before the owner is first saved.
    static QString sampleTitle();
    static QString sampleAddress();
    static QString sampleMisc();

    void save();

protected:
    void showEvent(QShowEvent *e) override;
};

} // namespace dorvani
