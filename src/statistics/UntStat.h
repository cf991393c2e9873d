// The statistics window: how many votes one co-candidate gathers, and from whom.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QShowEvent;

namespace dorvani {

class DBGrid;
class DBLookupComboBox;
class MainWindow;
class TDataMdl;

class TStatFrm : public QDialog {
    Q_OBJECT
public:
    explicit TStatFrm(TDataMdl &dm, QWidget *parent = nullptr);

    QWidget *Panel1;
    QLabel *Label1;
    DBLookupComboBox *DBLookupComboBox1;
    QPushButton *BitBtn1;
    QPushButton *BBtnSumAll;
    QPushButton *BtnCsv; // the list saved as CSV
    QPushButton *CancelBtn;
    QLabel *Label2;
    QLabel *Label3;
    DBGrid *DBGrid1;

    // Before every opening from the main menu: no choice, no result, no list.
    void reset();
    // The count and sum of the chosen co-candidate and the list of citizens.
    void statistics();
    void openRow(int row);
    void showAgain(int autonum);

protected:
    void showEvent(QShowEvent *e) override;

private:
    TDataMdl &m_dm;
};

void registerStatisticsScreens(MainWindow &main, TDataMdl &dm);

} // namespace dorvani
