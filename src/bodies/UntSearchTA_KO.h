// The search over the members of bodies and its results screen.
#pragma once

#include "bodies/BodySearch.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QButtonGroup;

namespace dorvani {

class DBGrid;
class DBLookupComboBox;
class TDataMdl;

class TSearchResTAKODlg : public QDialog {
    Q_OBJECT
public:
    TSearchResTAKODlg(TDataMdl &dm, QWidget *parent);
    void fill(const QString &description);
    void print();
    DBGrid *DBGrid1 = nullptr;
    QLabel *Label1 = nullptr, *Label5 = nullptr, *Label6 = nullptr;
    QPushButton *BitBtn1 = nullptr, *BitBtn2 = nullptr, *CancelBtn = nullptr;

private:
    TDataMdl &m_dm;
    QString m_description;
};

class TfrmSearchTA_KO : public QDialog {
    Q_OBJECT
public:
    TfrmSearchTA_KO(TDataMdl &dm, QWidget *parent);

    QComboBox *CmbTypos = nullptr;
    DBLookupComboBox *DBCmbKomma = nullptr, *DBCmbSymmaxia = nullptr, *DbCmbIdiothta = nullptr,
                     *DbCmbKommatikhThesh = nullptr, *DbCmbKommaStruct = nullptr, *DBCmbEpaggelma = nullptr,
                     *DBCmbNomos = nullptr;
    QLineEdit *EdtOnomasia = nullptr, *EdtEpitheto = nullptr, *EdtOnoma = nullptr, *EdtAddress = nullptr,
              *EdtPolh = nullptr, *EdtTK = nullptr, *EdtTel1 = nullptr, *EdtMobile = nullptr, *EdtParat = nullptr,
              *MskCelebr = nullptr, *MskCelebrEos = nullptr;
    QButtonGroup *RdIsInPolites = nullptr;
    QPushButton *BtnDel = nullptr, *BtnFind = nullptr, *CancelBtn = nullptr;
    DBGrid *DBGrid1 = nullptr;
    TSearchResTAKODlg *results() const { return m_results; }

    BodySearchCriteria criteria() const;
    void reset();
    void find();

protected:
    void showEvent(QShowEvent *e) override;

private:
    void limitRoles();
    TDataMdl &m_dm;
    TSearchResTAKODlg *m_results = nullptr;
};

} // namespace dorvani
