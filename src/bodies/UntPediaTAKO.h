// The field chooser of the search over bodies: which of the 17 result fields become
// columns of the results screen. The choice is kept in the settings (GeneralTAKO,
// Pedia/Checked) and the ticks stay between uses.
#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace dorvani {

class TPediaTAKODlg : public QDialog {
    Q_OBJECT
public:
    explicit TPediaTAKODlg(QWidget *parent = nullptr);

    QListWidget *ChkPedia;
    QPushButton *BitBtn1; // OK
    QPushButton *BitBtn2; // cancel

    bool isChecked(int position) const;
    QList<int> checkedPositions() const; // ascending
    QString caption(int position) const;
    void setCaption(int position, const QString &text);

    // The saved choice: positions ascending joined by ","; empty or missing is none.
    static QString savedChoice();
    static void saveChoice(const QString &positions);

protected:
    void showEvent(QShowEvent *e) override;

private:
    void okClicked();
};

} // namespace dorvani
