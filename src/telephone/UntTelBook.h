// The telephone directory: the citizens of a letter on the left, the numbers of the chosen
// one on the right with a call button beside each telephone, and the e-mail and web buttons.
#pragma once

#include "telephone/TelDirectory.h"

#include <QList>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace dorvani {

class TTelBookFrm : public QWidget {
    Q_OBJECT
public:
    explicit TTelBookFrm(QWidget *parent = nullptr);

    QTableWidget *StringGrid1;
    QWidget *Panel1;
    QLabel *Image1; // the panel's picture
    QLabel *LblName;
    QList<QLabel *> Values;       // the fifteen value lines
    QList<QToolButton *> Buttons; // beside each value line; null beside FAX
    QPushButton *BtnNewSearch;
    QPushButton *BtnReturn;

    static QString noneChosen() { return "Δεν έχετε επιλέξει πρόσωπο"; }

    void reset();
    void search(const QString &letter);
    void selectRow(int row);
    int citizenOfRow(int row) const;
    // Opens the citizen of a row for editing; the directory comes back when it closes.
    void openRow(int row);
    void showAgain(int autonum);
    void valueButton(int line);

signals:
    void newSearch();
    void closed();

protected:
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
};

} // namespace dorvani
