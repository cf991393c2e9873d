// What the citizen's screens (entry, editing) and the citizen search have in common: the
// identity and address fields, the political panel, the column of family and telephones,
// the fourteen drop-downs with the screen's own lists of towns and cells, the two cascades
// that follow a choice, and the keyboard rules. Each screen adds its own fields and lays
// the parts out with its right column and button bar.
#pragma once

#include "widgets/FormParts.h"

#include <QList>
#include <QPair>
#include <QWidget>

#include <array>
#include <functional>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QListWidget;
class QToolButton;

namespace dorvani {

class Dataset;
class DBLookupComboBox;
class Query;
class TDataMdl;

class TCitizenForm : public QWidget {
    Q_OBJECT
public:
    TCitizenForm(TDataMdl &dm, QWidget *parent = nullptr);
    ~TCitizenForm() override;

    // ---- identity and address
    QLineEdit *EdtEpitheto, *EdtOnoma, *EdtPatr, *EdtMhtr, *Edit1, *Edit2;
    DBLookupComboBox *DBLookupComboBox1, *DBLookupComboBox13, *DBLookupComboBox2, *DBLookupComboBox3,
        *DBLookupComboBox4, *DBLookupComboBox5, *DBLookupComboBox6;
    // ---- political panel
    TRadioGroup *RadioGroup4, *RadioGroup2;
    QLineEdit *Edit5;
    QComboBox *ComboBox1, *ComboBox3;
    DBLookupComboBox *DBLookupComboBox7, *DBLookupComboBox8, *DBLookupComboBox9, *DBLookupComboBox10,
        *DBLookupComboBox11, *DBLookupComboBox12;
    // ---- family, telephones and addresses
    TRadioGroup *RadioGroup1, *RadioGroup3;
    UpDownEdit *Edit3;
    QLineEdit *EdtTELO[5], *EdtTELE[5], *Edit10, *Edit11, *EdtFAX, *EdtEMAIL, *EdtWEB;
    DBLookupComboBox *DBLookupComboBox14;
    // ---- contacts and influences
    QListWidget *ChkLstEpafes, *ChkBox2;

    // The screen's own lists: the towns of a prefecture and the party cells.
    Query *townQuery() const { return m_towns; }
    Query *cellQuery() const { return m_cells; }

    // The statement of the towns of a prefecture, in Greek alphabetical order; a town whose
    // name another town of the prefecture shares shows its municipality beside it
    // (field POLH_SHOWN).
    static QString townsOf(int nomos);

protected:
    using Row = QPair<QString, QWidget *>;
    // The rows of the identity panel from the father's name and from the prefecture on, so
    // that a screen can put its own rows between and after them.
    QList<Row> identityHead() const;
    QList<Row> identityAddress() const;
    QWidget *identityPanel(const QList<Row> &rows);
    // The political panel with the capacities button and the party boxes in the given order.
    QWidget *politicalPanel(QToolButton *capacities, const QList<DBLookupComboBox *> &partyRows);
    // The family and telephone column; `perRow` telephones a row; `beside` may put a control
    // next to a telephone (given its grid, row, column after it and index 0..11) and `contact`
    // next to the e-mail and web fields (grid rows 1 and 2, column 2).
    QWidget *familyColumn(int perRow, const std::function<void(QGridLayout *, int, int, int)> &beside = {},
                          const std::function<void(QGridLayout *)> &contact = {});
    // The right column's panel with the contacts list on its first row; the screen lays out
    // the rest of it in `grid`.
    QWidget *rightPanel(QGridLayout *&grid);
    // The influence list filled from EPIROES, in the order the citizen screens store them.
    void fillInfluences();
    QToolButton *toolButton(const QString &name, const QString &text, const QString &hint);
    // The twelve telephone fields in the order of their call buttons.
    std::array<QLineEdit *, 12> phones() const;

    // The fourteen drop-downs bound to their lists, the towns from `towns`, and the cascades
    // connected.
    void connectCascades(Dataset *towns);
    // Entry keys and capitals on every field; lists and drop-downs get capitals when asked.
    void applyKeyboardRules(bool capitalsInLists);

    void pointTownsAt(int nomos);
    void pointCellsAt(int no, int ne = 0, int to = 0);
    // The prefecture and the organisation of the office's settings, chosen; 0 when unset.
    int chooseHomePrefecture();
    void closeScreen();

    // The cascades: what follows a choice in each drop-down.
    virtual void prefectureChosen();
    void provinceChosen();
    void municipalityChosen();
    virtual void townChosen();
    void organisationChosen();
    virtual void committeeChosen();
    void localChosen();
    void cellChosen();

    TDataMdl &m_dm;

private:
    Query *m_towns;
    Query *m_cells;
};

} // namespace dorvani
