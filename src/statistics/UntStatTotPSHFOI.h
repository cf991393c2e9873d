// The distribution of votes over the towns of the home prefecture, by town, municipality
// and province, with the total; a double click on a town lists its voters.
#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QShowEvent;

namespace dorvani {

class DBGrid;
class DBLookupComboBox;
class Query;
class TAnalPSHFOIDlg;
class TDataMdl;
class TStatPERDlg;

class TStatTotPSHFOIFrm : public QWidget {
    Q_OBJECT
public:
    explicit TStatTotPSHFOIFrm(TDataMdl &dm, QWidget *parent = nullptr);

    QWidget *Panel1;
    DBLookupComboBox *DBLookupComboBox1; // town
    DBLookupComboBox *DBLookupComboBox2; // municipality
    DBLookupComboBox *DBLookupComboBox3; // province
    QCheckBox *ChksEL;
    QPushButton *BitBtn1;
    QPushButton *BtnDel;
    QPushButton *BitBtn2;
    QPushButton *BtnCsv;
    QPushButton *CancelBtn;
    QLabel *Label2;
    DBGrid *DBGrid1;

    // The dialogs the window opens, which live for the whole run.
    static void setDialogs(TStatPERDlg *voters, TAnalPSHFOIDlg *detailed);

    // The lists of the home prefecture's places; without a home prefecture they stay empty.
    void prepare();
    // The votes by town (or by the chosen levels only) of the chosen places and their
    // total. Without a home prefecture: a message and an empty result.
    void statistics();
    void clearChoices();
    // The voters of the town on the grid's row, when the grid shows towns.
    void openRow(int row);
    void detailed();
    void saveCsv();

protected:
    void showEvent(QShowEvent *e) override;

private:
    void townChosen();
    void dhmosChosen();
    void eparxiaChosen();
    void tickClicked();

    TDataMdl &m_dm;
    Query *m_towns;
    Query *m_dhmoi;
    Query *m_eparxies;
    int m_nomos = 0;
};

} // namespace dorvani
