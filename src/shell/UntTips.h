// The tip of the day.
#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;
class QPushButton;

namespace dorvani {

class TTipsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TTipsDlg(QWidget *parent = nullptr);

    static const QStringList &tips();

    QLabel *Label2; // the tip
    QCheckBox *ChkShowTips;
    QPushButton *BtnNext;
    QPushButton *BtnClose;

    int currentTip() const { return m_tip; }
    void pickTip();

protected:
    void showEvent(QShowEvent *e) override;
    void done(int r) override;

private:
    int m_tip = -1;
};

} // namespace dorvani
