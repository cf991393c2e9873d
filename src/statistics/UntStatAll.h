// The summary of several co-candidates, overall or by electoral centre, municipality and
// province, and the detailed results by place of the co-candidates ticked.
#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QShowEvent;
class QTableWidget;

namespace dorvani {

class DBLookupComboBox;
class Query;
class TDataMdl;
class VoteChartPanel;

// The cross table of the co-candidates' votes by electoral centre, municipality and
// province, with a closing row of each one's total; printed through the grid printout.
class TAnalDlg : public QDialog {
    Q_OBJECT
public:
    explicit TAnalDlg(QWidget *parent = nullptr);

    QWidget *Panel1;
    QPushButton *BitBtn1;  // print
    QPushButton *BtnCsv;   // save as CSV
    QPushButton *CancelBtn;
    QTableWidget *SGrd;

    // The co-candidates of the columns (in the order of the tick list) and the names that
    // limit the statement (empty: every co-candidate).
    void setChoice(const QStringList &columns, const QStringList &names);
    void compute();
    void print();
    void saveCsv();

protected:
    void showEvent(QShowEvent *e) override;

private:
    QStringList m_columns, m_names;
};

class TStatAllDlg : public QDialog {
    Q_OBJECT
public:
    explicit TStatAllDlg(TDataMdl &dm, QWidget *parent = nullptr);

    QWidget *Panel1;
    QLabel *Label1;
    QListWidget *ChkS;
    DBLookupComboBox *DBLookupComboBox1; // electoral centre
    DBLookupComboBox *DBLookupComboBox2; // municipality
    DBLookupComboBox *DBLookupComboBox3; // province
    QPushButton *BitBtn1;
    QPushButton *BtnDel;
    QPushButton *BitBtn2;
    QPushButton *BtnCsv;
    QPushButton *CancelBtn;
    QTableWidget *SGrd;
    VoteChartPanel *Chart; // the votes by co-candidate, beside the table
    TAnalDlg *AnalDlg;

    // Before every opening: every co-candidate ticked, the lists of the home prefecture.
    void reset();
    void statistics();
    void clearChoices();
    void detailed();
    void saveCsv();
    // The ticked names in list order.
    QStringList ticked() const;
    // The names that limit the statements: empty when all or none are ticked.
    QStringList nameList() const;

protected:
    void showEvent(QShowEvent *e) override;

private:
    void centreChosen();
    void dhmosChosen();
    void eparxiaChosen();
    void listPlaces(int nomos);
    void listDhmoi(int eparxia);
    void emptyGrid();

    TDataMdl &m_dm;
    Query *m_centres;
    Query *m_dhmoi;
    Query *m_eparxies;
    int m_nomos = 0;
};

} // namespace dorvani
