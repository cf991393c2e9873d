// The name-day calendar: today's names, the calendar by day and month or by name, a
// day's names entered or changed, the printout, and the celebrants of a day shown by a
// double click.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dorvani {

class DBGrid;
class TDataMdl;
class TPersCelebrDlg;
class TRadioGroup;

class TCelebritiesDlg : public QDialog {
    Q_OBJECT
public:
    TCelebritiesDlg(TDataMdl &dm, TPersCelebrDlg &celebrants, QWidget *parent = nullptr);

    QGroupBox *GroupBox1;
    QLabel *LblN;
    QLabel *Image1;
    TRadioGroup *RadioGroup1; // 0 by name, 1 by month and day
    DBGrid *DBGrid1;
    QGroupBox *GroupBox2;
    QLineEdit *Edit1; // day
    QLineEdit *Edit2; // month
    QLineEdit *Edit3; // names
    QLineEdit *Edit4; // comment
    QLineEdit *EdtPasxa; // days from Easter, for the days that move with it
    QPushButton *BtnNew;
    QPushButton *BtnPrint;
    QPushButton *BtnCancel;
    QPushButton *BtnHelp;

    // What opening the dialog does: today's names and caption, the calendar read again
    // and placed on today or the latest earlier day with names.
    void prepare();
    void setSortByName(bool byName);
    void newDay();      // "Νέα"
    void dayLeft();     // the day field lost the focus
    void monthLeft();   // the month field lost the focus
    void monthEntered(); // Enter in the month field: the day's names to edit
    void store();       // Enter in the names field
    void fromEasterEntered(); // Enter in the days from Easter: that moving day's names to edit
    void print();
    // The double click on a row: the celebrants of the row's day.
    void showCelebrants(int row, int column);

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void reread();
    TDataMdl &m_dm;
    TPersCelebrDlg &m_celebrants;
};

} // namespace dorvani
