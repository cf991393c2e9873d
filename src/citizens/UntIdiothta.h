// The capacities dialog: the check list of the 27 public capacities of a citizen.
#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace dorvani {

class TIdiothtaDlg : public QDialog {
    Q_OBJECT
public:
    explicit TIdiothtaDlg(QWidget *parent = nullptr);

    QListWidget *ChkBox1;
    QPushButton *BitBtn1; // OK
    QPushButton *BitBtn2; // cancel

    // Ticks the capacities of a stored list.
    void setList(const QString &stored);
    // The checked positions in ascending order, joined by ",".
    QString list() const;

    // The stored list must fit IDIOTHTA; OK refuses a choice that does not.
    static constexpr int maxLength = 60;

    void okClicked();
};

} // namespace dorvani
