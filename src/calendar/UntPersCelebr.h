// The celebrants of a day: the citizens whose first name is among the day's names or
// whose recorded name day is that day; a double click opens the citizen.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace dorvani {

class DBGrid;
class Query;
class TDataMdl;

class TPersCelebrDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPersCelebrDlg(TDataMdl &dm, QWidget *parent = nullptr);

    DBGrid *DBGrid1;
    QLabel *Label1;
    QPushButton *BtnCancel;

    // Fills the list with the celebrants of the names (comma-separated) and the day and
    // month (two digits each) and returns whether anybody was found; when nobody was, the
    // list is emptied and the office is told. Callers show the view only on true.
    bool search(const QString &names, const QString &day, const QString &month);
    Query *query() const { return m_qry; }

    // Opens the citizen of a row for editing; the view (and the calendar under it)
    // closes, and comes back with the same list when the editing screen closes.
    void openRow(int row);
    // Shows the view again over the list it had, on the given citizen.
    void showAgain(int autonum);

protected:
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void showCount();
    TDataMdl &m_dm;
    Query *m_qry;
};

} // namespace dorvani
