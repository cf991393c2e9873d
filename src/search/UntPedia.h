// The field chooser: which of the 55 result fields become columns of the results screen.
// The choice is kept in the settings (Pedia/Checked) and the check marks stay between uses.
#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace dorvani {

class TPediaDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPediaDlg(QWidget *parent = nullptr);

    QListWidget *ChkPedia;
    QPushButton *BitBtn1; // OK
    QPushButton *BitBtn2; // cancel

    bool isChecked(int position) const;
    // The checked positions, ascending.
    QList<int> checkedPositions() const;

    // The saved choice: positions ascending joined by ","; items that are not positions of
    // the list are skipped when read.
    static QString savedChoice();
    static void saveChoice(const QString &positions);

protected:
    void showEvent(QShowEvent *e) override;

private:
    void okClicked();
};

} // namespace dorvani
