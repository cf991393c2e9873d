// The citizen list: every citizen in surname order, a jump to a typed surname, and the
// double-clicked citizen opened for editing.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace dorvani {

class DBGrid;
class TDataMdl;

class TLISTAPOLDlg : public QDialog {
    Q_OBJECT
public:
    explicit TLISTAPOLDlg(TDataMdl &dm, QWidget *parent = nullptr);

    DBGrid *DBGrid1;
    QLabel *Label2;
    QLineEdit *Edit1;
    QPushButton *BtnReturn;

    // Moves the list to the first citizen whose surname begins with the typed text.
    void searchSurname();
    void openRow(int row);

protected:
    void showEvent(QShowEvent *e) override;

private:
    TDataMdl &m_dm;
};

} // namespace dorvani
