// The citizen's page, shared by the entry screen and the editing screen: the citizen's form
// with the vocative and the dates, the right column of contacts, influence and votes, and
// the button bar. The votes total, the capacities and the notes live here; what the editing
// screen does its own way it does in its own class.
#pragma once

#include "citizens/CitizenForm.h"
#include "citizens/CitizenLookups.h"
#include "citizens/CitizenStore.h"
#include "widgets/FormParts.h"

#include <QAbstractTableModel>
#include <QGroupBox>
#include <QSet>
#include <QWidget>

class QButtonGroup;
class QGridLayout;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;
class QTableView;

namespace dorvani {

class Dataset;
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

class TCitizenPage : public TCitizenForm {
    Q_OBJECT
public:
    ~TCitizenPage() override;

    int citizenNumber() const { return m_citizen; }

    // ---- identity column: the shared fields with the vocative and the two dates
    QLineEdit *EdtBirthDay, *MskCelebr;
    QComboBox *CmbKLHTIKH;
    QToolButton *BtnIdiothta;
    // ---- right column
    QLineEdit *Edit17, *Edit18, *Edit12, *Edit13, *Edit4;
    QLabel *Label25;
    QTableView *DBGrid1;
    VotesModel *votes;
    // ---- button bar
    QPushButton *BtnSave, *CancelBtn, *BitBtn5, *BtnDel, *BitBtn2, *BBtnSpecialNotes, *BBtnInfo;

    // The capacity codes ("0,4,12") and the note texts the screen keeps for its citizen.
    QString capacityCodes() const { return m_capacities; }
    QString remarks() const { return m_remarks; }
    SpecialNoteTexts specialNotes() const { return m_notes; }

    // Opening: reopens the tables the page uses and fills the influence list.
    void prepareLists(bool reopenCitizens);
    // The cleared page, with the home prefecture and organisation chosen.
    virtual void clearPage();
    // The page as fields of POLITES.
    virtual CitizenRecord record() const;
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
    TCitizenPage(TDataMdl &dm, QWidget *parent);
    // Builds the page; each screen calls it first, so that its own parts below take part.
    void build();

    // What the editing screen lays out its own way: the order of the party boxes (on screen
    // and for Tab), what stands beside a telephone, the e-mail and web fields and the votes
    // total, the captions of the right column and the buttons of the bar in their order.
    virtual QList<DBLookupComboBox *> partyRows() const;
    virtual QList<DBLookupComboBox *> partyTabOrder() const { return partyRows(); }
    virtual void besidePhone(QGridLayout *, int /*row*/, int /*column*/, int /*index*/) {}
    virtual void besideContact(QGridLayout *) {}
    virtual QWidget *votesTotal(QLabel *total);
    virtual QString influenceCaption() const { return "ΕΠΙΡΡΟΗ\nΑΠΟ"; }
    virtual QString ownVotesCaption() const { return "ΑΤΟΜΙΚΟΙ  ΨΗΦΟΙ"; }
    virtual QList<QWidget *> buttonOrder() const;
    // The list the town box shows: the towns of the prefecture chosen on the page.
    virtual Dataset *townList() const;
    // The fields of POLITES that hold the number of a drop-down's chosen row.
    QList<QPair<QString, DBLookupComboBox *>> keyedFields() const;

    void fillVocatives();
    // The name day of the first name, when the calendar knows one.
    void showNameDay();
    virtual void nameLeft();
    void setVocative(const QString &v);

    int m_citizen = 0;
    int m_homeNomos = 0; // the prefecture the page was cleared at
    QString m_capacities;
    QString m_remarks;
    SpecialNoteTexts m_notes;
    // Fields whose stored value the page shows as it was loaded, untouched by the user.
    QSet<QString> m_changed;
    QVariantMap m_loaded;

private:
    QWidget *rightColumn();
    QWidget *buttonBar();
    QWidget *m_bar = nullptr;
};

} // namespace dorvani
