// The birthday list: the citizens whose birthday falls on a day of a period, whatever
// the year of birth; a double click opens the citizen.
#pragma once

#include <QDialog>

class QDateEdit;
class QLabel;
class QPushButton;

namespace dorvani {

class DBGrid;
class Query;
class TDataMdl;

class TBirthdayDlg : public QDialog {
    Q_OBJECT
public:
    explicit TBirthdayDlg(TDataMdl &dm, QWidget *parent = nullptr);

    QWidget *Panel1;
    QDateEdit *DatePick1; // from
    QDateEdit *DatePick2; // to
    QLabel *Image1;
    QLabel *Label3;
    QPushButton *BtnSearch;
    QPushButton *BtnReturn;
    DBGrid *DBGrid1;

    Query *query() const;
    // Both dates today, and the search.
    void prepare();
    // The citizens whose birthday falls in the period of the two dates. A period that
    // ends before it starts is refused with a message and the list stays as it was.
    bool search();
    // Opens the citizen of a row for editing; the list closes and comes back with the
    // same result when the editing screen closes.
    void openRow(int row);
    void showAgain(int autonum);

protected:
    void showEvent(QShowEvent *e) override;

private:
    void showCount();
    TDataMdl &m_dm;
};

} // namespace dorvani
