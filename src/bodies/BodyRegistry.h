// The registries of bodies: prefecture and municipality offices, prefectural and local
// party organisations. One registry screen and one composition dialog, each configured by
// a page of texts and tables per kind of body.
#pragma once

#include "widgets/DatasetModel.h"

#include <QDialog>
#include <QHash>
#include <QString>

class QLineEdit;
class QPushButton;
class QStackedWidget;
class QGroupBox;

namespace dorvani {

class DBGrid;
class DBLookupComboBox;
class Dataset;
class Table;
class TDataMdl;
class MainWindow;

// A column of a registry's grid or of a composition grid.
struct BodyColumn {
    QString field; // the stored field (for a list column, the key field it writes)
    QString title;
    int width = 64;
    // A list column shows the list's text for the key and offers the list's entries.
    Dataset *list = nullptr;
    QString listTable, listField;
    int dropRows = 0;
    bool yesNo = false;  // the pick list "ΝΑΙ", "ΟΧΙ"
    bool digits = false; // digits, blanks and "/" only
};

struct BodyKind {
    QString objectName;      // "NomarxiesDlg"
    QString structObjectName; // "Nomarxies_StructDlg"
    Table *table = nullptr;
    Table *members = nullptr;
    QString linkField;       // the members' field holding the body's Autonum
    int tako = 0;            // the role list's code
    bool partyBody = false;  // the members carry the body's party in KOMMA_ID
    Table *parentOrg = nullptr; // the organisation above it, whose party it takes
    bool partyChoice = true;    // the form offers the party
    bool allianceChoice = true; // the form offers the alliance
    bool prefectureDigitsOnly = true; // the prefecture drop-down takes no letters
    bool enterSkipsParty = false;     // Enter in the prefecture goes to the telephone
    QList<DatasetModel::Column> gridColumns;
    QString firstCaption, gridCaption, gridCaptionAfterNo, groupTitle, newCaption, editCaption;
    QString saveQuestion, deleteQuestion, structCaption, requiredMessage;
};

// The composition grid's columns of a kind of body, in order.
QList<BodyColumn> memberColumns(const BodyKind &kind, TDataMdl &dm);

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
    int body() const { return m_body; }
    DBGrid *DBGrid1 = nullptr;
    QPushButton *BBtnExit = nullptr;
    QList<BodyColumn> columns() const { return m_columns; }
    // The text a cell shows (a list column shows the entry's text, not its number).
    QString shownText(int row, int column) const;

    void addMember();    // a new row of this body, stored at once with its number
    void deleteMember(); // the current row, after the question
    // Moves on along the row from the column (the current one when none is given) and
    // stores the row with the body's number.
    void enterPressed(int column = -1);

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void stamp();
    void storeCurrent();
    void moveTo(int column); // on the current row
    void dropUntouched();
    bool untouched(int autonum) const;
    QList<int> m_added;
    BodyKind m_kind;
    TDataMdl &m_dm;
    QList<BodyColumn> m_columns;
    int m_body = 0;
    QVariant m_party;
    bool m_stamping = false;
    struct Keep {
        int row = -1, column = -1;
        bool sameRow = false; // the cell is on the row being stored
    };
    Keep m_keep;
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
    QPushButton *SpeedButton1 = nullptr, *SpeedButton4 = nullptr, *SpeedButton7 = nullptr, *SpeedButton8 = nullptr;
    QPushButton *BitBtn1 = nullptr, *BitBtn5 = nullptr, *BitBtn4 = nullptr;
    TBodyStructDlg *structDlg() const { return m_struct; }

    void newClicked();
    void openRow(int row);
    bool leaveForm();      // true when the grid view is shown again
    void composition();
    void deleteClicked();
    void printClicked();
    bool save();           // false when nothing was stored
    bool formShown() const;
    void openWeb();  // the web field's address, through the desktop
    void openMail(); // a message to the e-mail field's address, through the desktop

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void clearForm();
    void showGrid();
    bool checkEmail(bool leavingField);
    BodyKind m_kind;
    TDataMdl &m_dm;
    QStackedWidget *m_views = nullptr;
    TBodyStructDlg *m_struct = nullptr;
    bool m_editMode = false;
    QHash<QWidget *, QWidget *> m_enterChain;
    QString m_refusedEmail; // the address the field refused when it was left
};

void registerBodyScreens(MainWindow &main, TDataMdl &dm);

} // namespace dorvani
