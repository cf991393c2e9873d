// The citizen search: fifty-four criteria in three columns and a bottom bar, on the citizen's
// form with its cascades. The screen fills a plain record of criteria; SearchBuilder turns it into the statement run in
// SearchQry and the description handed with the found rows to the results screen.
#pragma once

#include "citizens/CitizenForm.h"
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

class TFindPersFrm : public TCitizenForm {
    Q_OBJECT
public:
    explicit TFindPersFrm(TDataMdl &dm, QWidget *parent = nullptr);
    ~TFindPersFrm() override;

    // ---- the capacities button of the political group
    QToolButton *SpeedButton1;
    // ---- right column
    QLineEdit *Edit17, *Edit18, *Edit6, *Edit12, *Edit13;
    QLineEdit *EdtBirthDay, *EdtBirthDayEos, *MskCelebr, *MskCelebrEos;
    QCheckBox *ChkMemos;
    QLineEdit *Edit4;
    // ---- bottom bar
    QPushButton *BtnDel, *BtnFind, *CancelBtn, *BtnHelp;

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

private:
    QWidget *rightColumn();
    QWidget *bottomBar();
    void connectControls();

    QString m_capacities;   // the list confirmed in the capacities dialog
    QString m_capacityMarks; // the dialog's marks as this screen left them
};

} // namespace dorvani
