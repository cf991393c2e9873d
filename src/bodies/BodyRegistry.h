// The registries of bodies: prefecture and municipality offices, prefectural and local
// party organisations. One registry screen and one composition dialog, each configured by
// a page of texts and tables per kind of body.
#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;
class QStackedWidget;
class QGroupBox;

namespace dorvani {

class DBGrid;
class DBLookupComboBox;
class Table;
class TDataMdl;
class MainWindow;

struct BodyKind {
    QString objectName;      // "NomarxiesDlg"
    QString structObjectName; // "Nomarxies_StructDlg"
    Table *table = nullptr;
    Table *members = nullptr;
    QString linkField;       // the members' field holding the body's Autonum
    int tako = 0;            // the role list's code
    bool partyBody = false;  // the members carry the body's party in KOMMA_ID
    Table *parentOrg = nullptr; // the organisation above it, whose party it takes
    QString firstCaption, gridCaption, groupTitle, newCaption, editCaption;
    QString saveQuestion, deleteQuestion, structCaption;
};

BodyKind nomarxiesKind(TDataMdl &dm);
BodyKind dhmarxiesKind(TDataMdl &dm);
BodyKind nomarxiesOKind(TDataMdl &dm);
BodyKind topikesOKind(TDataMdl &dm);

// The composition of one body: its members in an editable grid; every row stored here
// carries the body's number (and its party for party bodies).
class TBodyStructDlg : public QDialog {
    Q_OBJECT
public:
    TBodyStructDlg(const BodyKind &kind, TDataMdl &dm, QWidget *parent);
    void setBody(int number, const QVariant &party, const QString &caption);
    DBGrid *DBGrid1 = nullptr;
    QPushButton *BBtnExit = nullptr;
    void addMember(); // a new row of this body, stored at once with its number

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void stamp();
    QList<int> m_added;
    BodyKind m_kind;
    TDataMdl &m_dm;
    int m_body = 0;
    QVariant m_party;
    bool m_stamping = false;
};

class TBodyRegistryDlg : public QDialog {
    Q_OBJECT
public:
    TBodyRegistryDlg(const BodyKind &kind, TDataMdl &dm, QWidget *parent);

    DBGrid *DBGrid1 = nullptr;
    QPushButton *BBtnNew = nullptr, *BtnDelete = nullptr, *BtnPrint = nullptr, *BBtnExit = nullptr,
                *BBtnHelp = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QLineEdit *EdtEponimia = nullptr, *EdtAddress = nullptr, *EdtPolh = nullptr, *EdtTK = nullptr,
              *EdtTel1 = nullptr, *EdtFAX1 = nullptr, *EdtEmail = nullptr, *EdtWeb = nullptr;
    DBLookupComboBox *DbCmbNomos = nullptr, *DBCmbKomma = nullptr, *DBCmbSYMMAXIA = nullptr;
    DBLookupComboBox *DBCmbNomarxiakes = nullptr; // "DbCmbNomarxiakes_O" // the prefectural organisation of a local one
    QPushButton *SpeedButton8 = nullptr, *BitBtn1 = nullptr, *BitBtn5 = nullptr, *BitBtn4 = nullptr;
    TBodyStructDlg *structDlg() const { return m_struct; }

    void newClicked();
    void openRow(int row);
    bool leaveForm();      // true when the grid view is shown again
    void composition();
    void deleteClicked();
    void printClicked();
    bool save();           // false when nothing was stored
    bool formShown() const;

protected:
    void showEvent(QShowEvent *e) override;

private:
    void clearForm();
    void showGrid();
    bool checkEmail();
    BodyKind m_kind;
    TDataMdl &m_dm;
    QStackedWidget *m_views = nullptr;
    TBodyStructDlg *m_struct = nullptr;
    bool m_editMode = false;
};

void registerBodyScreens(MainWindow &main, TDataMdl &dm);

} // namespace dorvani
