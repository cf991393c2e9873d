// The print chooser: which of the results screen's columns are printed. Its items are the
// shown columns' captions, replaced at each fill with every item unchecked.
#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace dorvani {

class TPrnPEDIADlg : public QDialog {
    Q_OBJECT
public:
    explicit TPrnPEDIADlg(QWidget *parent = nullptr);

    QListWidget *ChkBox;
    QPushButton *BitBtn1; // OK
    QPushButton *BitBtn2; // cancel

    // The items, all unchecked.
    void setItems(const QStringList &captions);
    // The checked item positions, in item order.
    QList<int> checkedItems() const;
};

} // namespace dorvani
