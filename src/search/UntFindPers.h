// The citizen search: fifty-four criteria in three columns and a bottom bar. The screen
// fills a plain record of criteria; SearchBuilder turns it into the statement run in
// SearchQry and the description handed with the found rows to the results screen.
#pragma once

#include "search/SearchBuilder.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace dorvani {

class DBLookupComboBox;
class Query;
class TRadioGroup;
class TDataMdl;
class UpDownEdit;

class TFindPersFrm : public QWidget {
    Q_OBJECT
public:
    explicit TFindPersFrm(TDataMdl &dm, QWidget *parent = nullptr);
    ~TFindPersFrm() override;

    // ---- left column: identity and address
    QLineEdit *EdtEpitheto, *EdtOnoma, *EdtPatr, *EdtMhtr, *Edit1, *Edit2;
    DBLookupComboBox *DBLookupComboBox1, *DBLookupComboBox13, *DBLookupComboBox2, *DBLookupComboBox3,
        *DBLookupComboBox4, *DBLookupComboBox5, *DBLookupComboBox6;
    // ---- left column: political group
    TRadioGroup *RadioGroup4, *RadioGroup2;
    QLineEdit *Edit5;
    QToolButton *SpeedButton1;
    QComboBox *ComboBox1, *ComboBox3;
    DBLookupComboBox *DBLookupComboBox7, *DBLookupComboBox9, *DBLookupComboBox8, *DBLookupComboBox10,
        *DBLookupComboBox11, *DBLookupComboBox12;
    // ---- middle column
    TRadioGroup *RadioGroup1, *RadioGroup3;
    UpDownEdit *Edit3;
    QLineEdit *EdtTELO[5], *EdtTELE[5], *Edit10, *Edit11, *EdtFAX, *EdtEMAIL, *EdtWEB;
    DBLookupComboBox *DBLookupComboBox14;
    // ---- right column
    QListWidget *ChkLstEpafes, *ChkBox2;
    QLineEdit *Edit17, *Edit18, *Edit6, *Edit12, *Edit13;
    QLineEdit *EdtBirthDay, *EdtBirthDayEos, *MskCelebr, *MskCelebrEos;
    QCheckBox *ChkMemos;
    QLineEdit *Edit4;
    // ---- bottom bar
    QPushButton *BtnDel, *BtnFind, *CancelBtn, *BtnHelp;

    // The screen's own lists: the towns of the current prefecture and the party cells.
    Query *townQuery() const { return m_towns; }
    Query *cellQuery() const { return m_cells; }
    // The chosen capacities: positions ascending joined by ",".
    QString capacityList() const { return m_capacities; }

    // Showing: the lists are prepared and the criteria reset.
    void prepare();
    void reset();
    // "&ΚΑΘΑΡΙΣΜΟΣ": the reset, then the prefecture box blanked too.
    void clearCriteria();
    // "...": the capacities dialog.
    void chooseCapacities();
    // The criteria as the screen shows them now.
    SearchCriteria criteria() const;
    // "&ΑΝΑΖΗΤΗΣΗ": the field chooser, then the search.
    void find();
    // Builds the statement, runs it in SearchQry and hands the rows on; false when
    // nothing was found or the search failed (the screen then stays as it was).
    bool search();

protected:
    void prefectureChosen();
    void provinceChosen();
    void municipalityChosen();
    void townChosen();
    void organisationChosen();
    void committeeChosen();
    void localChosen();
    void cellChosen();
    void pointTownsAt(int nomos);
    void pointCellsAt(int no, int ne = 0, int to = 0);

private:
    QWidget *leftColumn();
    QWidget *middleColumn();
    QWidget *rightColumn();
    QWidget *bottomBar();
    void applyKeyboardRules();
    void connectControls();

    TDataMdl &m_dm;
    Query *m_towns;
    Query *m_cells;
    QString m_capacities;   // the list confirmed in the capacities dialog
    QString m_capacityMarks; // the dialog's marks as this screen left them
};

} // namespace dorvani
