// The citizens who bring votes to one town, and the detailed distribution of the votes
// by town, municipality, province and prefecture.
#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;
class QShowEvent;
class QTableWidget;

namespace dorvani {

class DBGrid;
class Query;
class VoteChartPanel;

class TStatPERDlg : public QDialog {
    Q_OBJECT
public:
    explicit TStatPERDlg(QWidget *parent = nullptr);

    QWidget *Panel1;
    QPushButton *BtnCsv;
    QPushButton *CancelBtn;
    DBGrid *DBGrid1;

    // Lists the citizens with a vote (zero included) for the town.
    void openFor(const QString &town);
    QString town() const { return m_town; }
    void openRow(int row);
    void saveCsv();

protected:
    void showEvent(QShowEvent *e) override;

private:
    Query *m_qry;
    QString m_town;
};

class TAnalPSHFOIDlg : public QDialog {
    Q_OBJECT
public:
    explicit TAnalPSHFOIDlg(QWidget *parent = nullptr);

    QWidget *Panel1;
    QPushButton *BitBtn1; // print
    QPushButton *BtnCsv;
    QPushButton *CancelBtn;
    QTableWidget *SGrd;
    QComboBox *CmbChart;   // the chart by municipality or by province
    VoteChartPanel *Chart; // beside the table

    // The sums of the home prefecture; without one, a message and an empty table.
    void compute();
    void print();
    void saveCsv();
    void showChart();

protected:
    void showEvent(QShowEvent *e) override;
};

} // namespace dorvani
