// The distribution of votes over the towns of the home prefecture, by town, municipality
// and province, with the total; a double click on a town lists its voters.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QShowEvent;

namespace dorvani {

class DBGrid;
class DBLookupComboBox;
class Query;
class TDataMdl;

class TStatTotPSHFOIFrm : public QWidget {
    Q_OBJECT
public:
    explicit TStatTotPSHFOIFrm(TDataMdl &dm, QWidget *parent = nullptr);

    QWidget *Panel1;
    DBLookupComboBox *DBLookupComboBox1; // town
    DBLookupComboBox *DBLookupComboBox2; // municipality
    DBLookupComboBox *DBLookupComboBox3; // province
    QPushButton *BitBtn1;
    QPushButton *BtnDel;
    QPushButton *CancelBtn;
    QLabel *Label2;
    DBGrid *DBGrid1;

    // The lists of the home prefecture's places; without a home prefecture they stay empty.
    void prepare();
    // The votes by town of the chosen places and their total. Without a home prefecture:
    // a message and an empty result.
    void statistics();
    void clearChoices();

protected:
    void showEvent(QShowEvent *e) override;

private:
    TDataMdl &m_dm;
    Query *m_towns;
    Query *m_dhmoi;
    Query *m_eparxies;
    int m_nomos = 0;
};

} // namespace dorvani
