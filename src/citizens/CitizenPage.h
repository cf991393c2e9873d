// The citizen's page, shared by the entry screen and the editing screen: identity with
// the political panel, the middle column of family and telephones, the right column of
// contacts, influence and votes, and the button bar. The geographic and party cascades,
// the votes total, the capacities and the keyboard rules live here.
#pragma once

#include "citizens/CitizenLookups.h"
#include "citizens/CitizenStore.h"
#include "widgets/FormParts.h"

#include <QAbstractTableModel>
#include <QGroupBox>
#include <QSet>
#include <QWidget>

class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;
class QTableView;

namespace dorvani {

class DBLookupComboBox;
class Query;
class TDataMdl;

// The votes a citizen gives each co-candidate, kept by the screen itself.
class VotesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void setRows(const QList<CoCandidateVotes> &rows);
    QList<CoCandidateVotes> rows() const { return m_rows; }
    void setVotes(const QString &name, const QVariant &votes);
    QVariant votes(const QString &name) const;
    void clearVotes();
    void setTitles(const QString &name, const QString &votes) { m_titles = {name, votes}; }

    int rowCount(const QModelIndex &p = {}) const override { return p.isValid() ? 0 : int(m_rows.size()); }
    int columnCount(const QModelIndex &p = {}) const override { return p.isValid() ? 0 : 2; }
    QVariant data(const QModelIndex &i, int role) const override;
    QVariant headerData(int s, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &i) const override;
    bool setData(const QModelIndex &i, const QVariant &v, int role) override;

private:
    QList<CoCandidateVotes> m_rows;
    QStringList m_titles{"ΣΥΝΥΠΟΨΗΦΙΟΣ-Α", "ΨΗΦΟΙ"};
};

class TCitizenPage : public QWidget {
    Q_OBJECT
public:
    TCitizenPage(bool editing, TDataMdl &dm, QWidget *parent = nullptr);
    ~TCitizenPage() override;

    bool isEditing() const { return m_editing; }
    int citizenNumber() const { return m_citizen; }

    // ---- identity column
    QLineEdit *EdtEpitheto, *EdtOnoma, *EdtPatr, *EdtMhtr, *Edit1, *Edit2, *EdtBirthDay, *MskCelebr;
    QComboBox *CmbKLHTIKH;
    DBLookupComboBox *DBLookupComboBox1, *DBLookupComboBox13, *DBLookupComboBox2, *DBLookupComboBox3,
        *DBLookupComboBox4, *DBLookupComboBox5, *DBLookupComboBox6;
    // ---- political panel
    TRadioGroup *RadioGroup4, *RadioGroup2;
    QLineEdit *Edit5;
    QToolButton *BtnIdiothta;
    QComboBox *ComboBox1, *ComboBox3;
    DBLookupComboBox *DBLookupComboBox7, *DBLookupComboBox8, *DBLookupComboBox9, *DBLookupComboBox10,
        *DBLookupComboBox11, *DBLookupComboBox12;
    // ---- middle column
    TRadioGroup *RadioGroup1, *RadioGroup3;
    UpDownEdit *Edit3;
    QLineEdit *EdtTELO[5], *EdtTELE[5], *Edit10, *Edit11, *EdtFAX, *EdtEMAIL, *EdtWEB;
    DBLookupComboBox *DBLookupComboBox14;
    // ---- right column
    QListWidget *ChkLstEpafes, *ChkBox2;
    QLineEdit *Edit17, *Edit18, *Edit12, *Edit13, *Edit4;
    QLabel *Label25;
    QTableView *DBGrid1;
    VotesModel *votes;
    // ---- button bar
    QPushButton *BtnSave, *CancelBtn, *BitBtn5, *BtnDel, *BitBtn2, *BBtnSpecialNotes, *BBtnInfo;
    // ---- editing screen only
    QToolButton *SpeedButton16 = nullptr, *SpeedButton17 = nullptr, *SpeedButton18 = nullptr, *SpeedButton14 = nullptr,
                *SpeedButton15 = nullptr;
    QToolButton *DialButtons[12] = {}; // SpeedButton2..SpeedButton13
    QPushButton *BitBtn3 = nullptr, *BBtnPrint = nullptr;

    // The screen's own queries: the towns of the prefecture and the party cells.
    Query *townQuery() const { return m_towns; }
    Query *cellQuery() const { return m_cells; }

    // The capacity codes ("0,4,12") and the note texts the screen keeps for its citizen.
    QString capacityCodes() const { return m_capacities; }
    QString remarks() const { return m_remarks; }
    SpecialNoteTexts specialNotes() const { return m_notes; }

    // Opening: reopens the tables the page uses and fills the influence list.
    void prepareLists(bool reopenCitizens);
    // The cleared page, with the home prefecture and organisation chosen.
    void clearPage();
    // The page as fields of POLITES; for the editing screen only what it writes.
    CitizenRecord record() const;
    // Refuses (with its message) a page that cannot be saved; true when it can.
    bool validate();

    // The capacities, chosen in the capacities dialog.
    void chooseCapacities();
    void setCapacityCodes(const QString &codes);
    // The votes total and the office's own candidate's share.
    void votesChanged();

    // Remarks, confidential notes and conversation notes of the page's citizen.
    void showRemarks();
    void showSpecialNotes();
    void showConversation();

signals:
    void saved(int autonum);

protected:
    // The cascades: what follows a choice in each drop-down.
    void prefectureChosen();
    void provinceChosen();
    void municipalityChosen();
    void townChosen();
    void organisationChosen();
    void committeeChosen();
    void localChosen();
    void cellChosen();
    void pointTownsAtCurrentPrefecture();
    void pointCellsAt(int no, int ne = 0, int to = 0);
    lookups::Boxes lookupBoxes() const;
    void fillVocatives();
    void nameLeft();
    void setVocative(const QString &v);
    int homeNomos() const;

    bool m_editing;
    TDataMdl &m_dm;
    int m_citizen = 0;
    QString m_capacities;
    QString m_remarks;
    SpecialNoteTexts m_notes;
    // Fields whose stored value the page shows as it was loaded, untouched by the user.
    QSet<QString> m_changed;
    QVariantMap m_loaded;

private:
    void build();
    QWidget *identityColumn();
    QWidget *politicalPanel();
    QWidget *middleColumn();
    QWidget *rightColumn();
    QWidget *buttonBar();
    void applyKeyboardRules();
    void connectCascades();
    Query *m_towns;
    Query *m_cells;
};

} // namespace dorvani
