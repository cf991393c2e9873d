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
class TPediaTAKODlg;
class TPrnPEDIADlg;

class TSearchResTAKODlg : public QDialog {
    Q_OBJECT
public:
    TSearchResTAKODlg(TDataMdl &dm, TPediaTAKODlg *pedia, QWidget *parent);
    // Shows the chosen result columns of the members found in the body table's composition.
    void fill(const QString &bodyTable, const QString &description);
    void print();
    // The e-mail and web addresses of the current row's body, through the desktop.
    void openMail();
    void openWeb();
    DBGrid *DBGrid1 = nullptr;
    QLabel *Label1 = nullptr, *Label5 = nullptr, *Label6 = nullptr;
    QPushButton *BitBtn1 = nullptr, *BitBtn2 = nullptr, *CancelBtn = nullptr, *BtnEmail = nullptr,
                *BtnWeb = nullptr;
    TPrnPEDIADlg *printChooser() const { return m_printChooser; }
    QStringList captions() const { return m_captions; }

private:
    QString bodyAddress(const QString &field);
    TDataMdl &m_dm;
    TPediaTAKODlg *m_pedia;
    TPrnPEDIADlg *m_printChooser;
    QString m_table, m_description;
    QStringList m_captions;
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
    TPediaTAKODlg *pedia() const { return m_pedia; }

    BodySearchCriteria criteria() const;
    void reset();
    void find();      // the field chooser, then the search
    void runSearch(); // the search with the columns chosen

protected:
    void showEvent(QShowEvent *e) override;

private:
    void limitRoles();
    TDataMdl &m_dm;
    TPediaTAKODlg *m_pedia = nullptr;
    TSearchResTAKODlg *m_results = nullptr;
};

} // namespace dorvani
