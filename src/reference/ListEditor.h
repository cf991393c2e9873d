// The one pattern of every reference-list editor: a caption over the list of the entries
// (a list of one field or a grid), the buttons Insert, Correct, Delete, Help and Return,
// the input boxes, the confirmation and the save-error box. An editor of a lower level
// (province, town, committee, ...) adds the drop-down choices of its parents, top-down;
// choosing a parent positions the shared dataset, so the lists below it follow.
//
// Each editor is this class configured in its constructor: its dataset and field, texts,
// parents, use check and default choice; the few that do more override a hook.
#pragma once

#include <QDialog>
#include <QHash>
#include <QList>
#include <QVariant>

#include <functional>

class QGridLayout;
class QLabel;
class QPushButton;
class QSpacerItem;
class QVBoxLayout;

namespace dorvani {

class DBGrid;
class DBListBox;
class DBLookupComboBox;
class DbError;
class Table;

class TListEditorDlg : public QDialog {
    Q_OBJECT
public:
    struct Texts {
        QString insertCaption, insertPrompt; // the input box of Insert
        QString editCaption, editPrompt;     // the input box of Correct
        QString noSelDelete, noSelEdit;      // nothing selected
    };
    struct Column {
        QString field, title;
        int width = 0;
        bool editable = false; // typed into the grid and stored at once
    };

    QLabel *Label1 = nullptr;       // the caption over the list
    DBListBox *DBLstRem = nullptr;  // the list of the entries...
    DBGrid *DBGrid1 = nullptr;      // ...or their grid
    QPushButton *OKBtn = nullptr;   // "Ει&σαγωγή"
    QPushButton *BtnEdit = nullptr; // "Διόρ&θωση"
    QPushButton *BtnDelete = nullptr;
    QPushButton *BtnHelp = nullptr;
    QPushButton *CancelBtn = nullptr;

    Table *table() const { return m_table; }
    QString nameField() const { return m_field; }
    int parentCount() const { return int(m_parents.size()); }
    DBLookupComboBox *parentChoice(int level) const;
    // The number of the parent chosen at a level; null while its choice shows nothing.
    QVariant chosenKey(int level) const;

    // The actions of the buttons.
    void insertClicked();
    void editClicked();
    void deleteClicked();

    // The message every failed save shows, in the box captioned "ΣΦΑΛΜΑ".
    static QString saveErrorMessage();

protected:
    TListEditorDlg(const QString &objectName, const QString &caption, QWidget *parent);

    // ---- configuration, from the constructor of each editor
    void setList(Table *t, const QString &field, const QString &label);
    void setGrid(Table *t, const QString &field, const QList<Column> &columns);
    void setTexts(const Texts &t) { m_texts = t; }
    // Deleting is refused with the message while the check finds the entry's number in use.
    void setUseCheck(std::function<bool(const QVariant &)> inUse, const QString &numberField, const QString &message);
    // A parent choice over a list dataset (shows listField, value AUTONUM); the entries
    // carry its number in rowField.
    DBLookupComboBox *addParent(const QString &label, Table *list, const QString &listField, const QString &rowField);
    void setParentMessages(const QString &forInsert, const QString &forCorrectAndDelete);
    // When shown, the name saved in Settings/registryValue is located in the top parent's
    // list (or in the editor's own list when it has no parents) and chosen.
    void setDefault(const QString &registryValue, const QString &field);
    // From the showing on, the caption is the prefix followed by the top choice's text.
    void setCaptionFollows(const QString &prefix) { m_captionPrefix = prefix; }
    // Widgets placed under the buttons.
    void addSideWidget(QWidget *w);

    // ---- hooks
    virtual void beforeShow() {}             // before the datasets are opened
    virtual void parentsChanged(int level);  // after a parent was chosen (-1: shown)
    virtual void closing() {}                // the dialog is closing
    virtual bool mayInsert() { return true; } // checked before the input box
    virtual QHash<QString, QVariant> insertExtras() const { return {}; }
    virtual bool insertName(const QString &name); // true when a row was added
    virtual bool confirmCorrection(const QString &name);
    virtual void correctName(const QString &name);
    virtual QString deleteQuestion() const;
    virtual void removeCurrent();
    virtual void afterChange() {} // after a row was added, corrected or deleted
    virtual QString saveErrorText(const DbError &e) const;

    bool parentsChosen() const;
    QStringList keyFields() const;   // the parents' row fields and the name field
    QVariantList keyValues() const;  // the parents' numbers
    bool hasSelection();
    QString currentName();
    void updateCaption();

    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;

private:
    struct Parent {
        DBLookupComboBox *combo;
        Table *list;
        QString rowField;
    };
    void prepare();
    void parentChosen(int level);
    void saveFailed(const DbError &e);
    bool acceptName(const QString &typed, QString &name);
    void placeList(QWidget *w, const QString &label);

    Table *m_table = nullptr;
    QString m_field;
    Texts m_texts;
    std::function<bool(const QVariant &)> m_inUse;
    QString m_numberField, m_inUseMessage;
    QList<Parent> m_parents;
    QString m_parentMissingInsert, m_parentMissingOther;
    QString m_defaultValue, m_defaultField;
    QString m_captionPrefix;
    QGridLayout *m_parentsLayout = nullptr;
    QVBoxLayout *m_listLayout = nullptr;
    QVBoxLayout *m_buttonsLayout = nullptr;
    QSpacerItem *m_labelSpace = nullptr;
    bool m_shown = false;
};

} // namespace dorvani
