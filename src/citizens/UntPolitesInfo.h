// The telephone-conversation notes of a citizen: a formatted document kept in the file
// Tel_Docs/<number>.rtf.
#pragma once

#include <QDialog>

class QPushButton;
class QTextEdit;

namespace dorvani {

class TPolitesInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPolitesInfoDlg(QWidget *parent = nullptr);

    QTextEdit *RchPolithsInfo;
    QPushButton *BtnPrint, *BtnSave, *BtnReturn;

    void setCitizen(int number, const QString &name);
    int citizen() const { return m_citizen; }
    QString fileName() const;
    void save();
    void print();

protected:
    void showEvent(QShowEvent *e) override;

private:
    int m_citizen = 0;
    QString m_name;
};

} // namespace dorvani
