#include "reference/ListEditor.h"

#include "data/DataModule.h"
#include "widgets/DbControls.h"
#include "widgets/InputHelpers.h"
#include "reference/ReferenceData.h"
#include "platform/Registry.h"
#include "widgets/Ui.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSpacerItem>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace dorvani {

namespace {

const QColor editorColour(199, 149, 126);

// Cells typed into an editor's grid: only the editable columns open an editor, which
// takes no more characters than the field holds and types Greek in capitals.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(DBGrid *grid, const QList<TListEditorDlg::Column> &columns)
        : QStyledItemDelegate(grid), m_grid(grid), m_columns(columns)
    {
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        const int c = index.column();
        if (c < 0 || c >= m_columns.size() || !m_columns[c].editable)
            return nullptr;
        auto *edit = new QLineEdit(parent);
        edit->setObjectName("CellEdit");
        edit->setFrame(false);
        if (Dataset *ds = m_grid->dataset()) {
            const int width = ds->fieldWidth(ds->fieldIndex(m_columns[c].field));
            if (width > 0)
                edit->setMaxLength(width);
        }
        installGreekCapitals(edit);
        return edit;
    }

private:
    DBGrid *m_grid;
    QList<TListEditorDlg::Column> m_columns;
};

QVariant currentNumber(Table *t)
{
    if (!t->active() || t->isEmpty())
        return {};
    return t->value("AUTONUM");
}

} // namespace

TListEditorDlg::TListEditorDlg(const QString &objectName, const QString &caption, QWidget *parent) : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, editorColour);
    setPalette(pal);

    auto *outer = new QVBoxLayout(this);
    m_parentsLayout = new QGridLayout;
    m_parentsLayout->setColumnStretch(1, 1);
    outer->addLayout(m_parentsLayout);
    auto *body = new QHBoxLayout;
    outer->addLayout(body, 1);
    m_listLayout = new QVBoxLayout;
    body->addLayout(m_listLayout, 1);
    m_buttonsLayout = new QVBoxLayout;
    body->addLayout(m_buttonsLayout);

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    m_listLayout->addWidget(Label1);

    auto button = [this](const char *name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->setMinimumWidth(120);
        m_buttonsLayout->addWidget(b);
        return b;
    };
    // The buttons start level with the list, under its caption.
    m_labelSpace = new QSpacerItem(0, Label1->sizeHint().height() + m_listLayout->spacing(), QSizePolicy::Minimum,
                                   QSizePolicy::Fixed);
    m_buttonsLayout->addSpacerItem(m_labelSpace);
    OKBtn = button("OKBtn", "Ει&σαγωγή");
    BtnEdit = button("BtnEdit", "Διόρ&θωση");
    BtnDelete = button("BtnDelete", "&Διαγραφή");
    BtnHelp = button("BtnHelp", "&Βοήθεια");
    CancelBtn = button("CancelBtn", "&Επιστροφή");
    m_buttonsLayout->addStretch();

    connect(OKBtn, &QPushButton::clicked, this, &TListEditorDlg::insertClicked);
    connect(BtnEdit, &QPushButton::clicked, this, &TListEditorDlg::editClicked);
    connect(BtnDelete, &QPushButton::clicked, this, &TListEditorDlg::deleteClicked);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    // The help button has no action.

    setFixedSize(480, 400);
}

QString TListEditorDlg::saveErrorMessage() { return "Παρουσιάστηκε σφάλμα στην αποθήκευση."; }

DBLookupComboBox *TListEditorDlg::parentChoice(int level) const
{
    return level >= 0 && level < m_parents.size() ? m_parents[level].combo : nullptr;
}

QVariant TListEditorDlg::chosenKey(int level) const
{
    const DBLookupComboBox *c = parentChoice(level);
    if (!c || c->text().trimmed().isEmpty())
        return {};
    return c->keyValue();
}

// ---------------------------------------------------------------- configuration

void TListEditorDlg::placeList(QWidget *w, const QString &label)
{
    Label1->setText(label);
    Label1->setVisible(!label.isEmpty());
    if (label.isEmpty())
        m_labelSpace->changeSize(0, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
    m_listLayout->addWidget(w, 1);
}

void TListEditorDlg::setList(Table *t, const QString &field, const QString &label)
{
    m_table = t;
    m_field = field;
    DBLstRem = new DBListBox(this);
    DBLstRem->setObjectName("DBLstRem");
    DBLstRem->setDataset(t, field);
    placeList(DBLstRem, label);
}

void TListEditorDlg::setGrid(Table *t, const QString &field, const QList<Column> &columns)
{
    m_table = t;
    m_field = field;
    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName("DBGrid1");
    QList<DatasetModel::Column> cols;
    bool editable = false;
    for (const Column &c : columns) {
        cols << DatasetModel::Column{c.field, c.title, c.width};
        editable = editable || c.editable;
    }
    DBGrid1->setDataset(t, cols);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    if (editable) {
        DBGrid1->datasetModel()->setEditable(true);
        DBGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                 | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
        DBGrid1->setItemDelegate(new CellDelegate(DBGrid1, columns));
    }
    placeList(DBGrid1, QString());
}

void TListEditorDlg::setUseCheck(std::function<bool(const QVariant &)> inUse, const QString &numberField,
                                 const QString &message)
{
    m_inUse = std::move(inUse);
    m_numberField = numberField;
    m_inUseMessage = message;
}

DBLookupComboBox *TListEditorDlg::addParent(const QString &label, Table *list, const QString &listField,
                                            const QString &rowField)
{
    const int level = int(m_parents.size());
    auto *caption = new QLabel(label, this);
    caption->setObjectName(QString("LblParent%1").arg(level + 1));
    auto *combo = new DBLookupComboBox(this);
    combo->setObjectName(QString("DBLookupComboBox%1").arg(level + 1));
    combo->setListSource(list, listField, "AUTONUM");
    combo->setMaxVisibleItems(20);
    caption->setBuddy(combo);
    m_parentsLayout->addWidget(caption, level, 0);
    m_parentsLayout->addWidget(combo, level, 1);
    m_parents.append({combo, list, rowField});
    connect(combo, &DBLookupComboBox::keyChanged, this, [this, level] { parentChosen(level); });
    return combo;
}

void TListEditorDlg::setParentMessages(const QString &forInsert, const QString &forCorrectAndDelete)
{
    m_parentMissingInsert = forInsert;
    m_parentMissingOther = forCorrectAndDelete;
}

void TListEditorDlg::setDefault(const QString &registryValue, const QString &field)
{
    m_defaultValue = registryValue;
    m_defaultField = field;
}

void TListEditorDlg::addSideWidget(QWidget *w)
{
    m_buttonsLayout->insertWidget(m_buttonsLayout->count() - 1, w);
}

// ---------------------------------------------------------------- showing and choosing

void TListEditorDlg::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        guarded([this] { prepare(); });
}

void TListEditorDlg::hideEvent(QHideEvent *e)
{
    QDialog::hideEvent(e);
    if (!e->spontaneous())
        guarded([this] { closing(); });
}

void TListEditorDlg::prepare()
{
    beforeShow();
    for (const Parent &p : m_parents)
        if (!p.list->active())
            p.list->open();
    if (m_table && !m_table->active())
        m_table->open();

    int from = 0;
    if (!m_defaultValue.isEmpty()) {
        Table *target = m_parents.isEmpty() ? m_table : m_parents.first().list;
        const QString name = Registry(Registry::General).readString("Settings", m_defaultValue);
        const bool found = !name.isEmpty() && target->locate(m_defaultField, name);
        if (!m_parents.isEmpty())
            m_parents.first().combo->setKeyValue(found ? target->value("AUTONUM") : QVariant());
        from = 1;
    }
    // Each lower choice shows the row its dataset is now positioned on.
    for (int i = from; i < m_parents.size(); ++i)
        m_parents[i].combo->setKeyValue(currentNumber(m_parents[i].list));
    updateCaption();
    parentsChanged(-1);
}

void TListEditorDlg::parentChosen(int level)
{
    // The choice has moved its dataset; the next choice shows that level's first row and
    // the ones below it are cleared. A failure leaves the choices as they are.
    try {
        if (level + 1 < m_parents.size()) {
            Table *next = m_parents[level + 1].list;
            if (next->active() && !next->isEmpty())
                next->first();
            m_parents[level + 1].combo->setKeyValue(currentNumber(next));
        }
        for (int i = level + 2; i < m_parents.size(); ++i)
            m_parents[i].combo->clearChoice();
        if (level == 0)
            updateCaption();
        parentsChanged(level);
    } catch (const DbError &) {
    }
}

void TListEditorDlg::parentsChanged(int) {}

void TListEditorDlg::updateCaption()
{
    if (!m_captionPrefix.isEmpty() && !m_parents.isEmpty())
        setWindowTitle(m_captionPrefix + m_parents.first().combo->text());
}

bool TListEditorDlg::parentsChosen() const
{
    for (const Parent &p : m_parents)
        if (p.combo->text().trimmed().isEmpty())
            return false;
    return true;
}

QStringList TListEditorDlg::keyFields() const
{
    QStringList f;
    for (const Parent &p : m_parents)
        f << p.rowField;
    return f << m_field;
}

QVariantList TListEditorDlg::keyValues() const
{
    QVariantList v;
    for (int i = 0; i < m_parents.size(); ++i)
        v << chosenKey(i);
    return v;
}

bool TListEditorDlg::hasSelection()
{
    if (!m_table || !m_table->active() || m_table->isEmpty())
        return false;
    if (DBLstRem)
        return DBLstRem->hasSelection();
    return !m_table->text(m_field).isEmpty();
}

QString TListEditorDlg::currentName() { return m_table->text(m_field); }

// ---------------------------------------------------------------- the actions

bool TListEditorDlg::acceptName(const QString &typed, QString &name)
{
    QString why;
    name = refdata::storedName(typed, m_table->fieldByName(m_field).size(), &why);
    if (!why.isEmpty()) {
        ui().message(why);
        return false;
    }
    return true;
}

void TListEditorDlg::saveFailed(const DbError &e) { ui().message(saveErrorText(e), "ΣΦΑΛΜΑ", Ui::Icon::Error); }

QString TListEditorDlg::saveErrorText(const DbError &) const { return saveErrorMessage(); }

void TListEditorDlg::insertClicked()
{
    guarded([this] {
        if (!parentsChosen()) {
            ui().message(m_parentMissingInsert);
            return;
        }
        if (!mayInsert())
            return;
        const std::optional<QString> typed = ui().input(m_texts.insertCaption, m_texts.insertPrompt, QString());
        if (!typed)
            return;
        QString name;
        if (!acceptName(*typed, name))
            return;
        if (!ui().question("Να προχωρήσω στην καταχώρηση του " + name + ";", "ΕΠΙΒΕΒΑΙΩΣΗ"))
            return;
        bool added = false;
        try {
            added = insertName(name);
        } catch (const DbError &e) {
            saveFailed(e);
            return;
        }
        if (added)
            afterChange();
    });
}

bool TListEditorDlg::insertName(const QString &name)
{
    return refdata::insertRow(m_table, keyFields(), keyValues() << name, insertExtras());
}

void TListEditorDlg::editClicked()
{
    guarded([this] {
        if (!parentsChosen()) {
            ui().message(m_parentMissingOther);
            return;
        }
        if (!hasSelection()) {
            ui().message(m_texts.noSelEdit);
            return;
        }
        const std::optional<QString> typed = ui().input(m_texts.editCaption, m_texts.editPrompt, currentName());
        if (!typed)
            return;
        QString name;
        if (!acceptName(*typed, name))
            return;
        if (!confirmCorrection(name))
            return;
        try {
            correctName(name);
        } catch (const DbError &e) {
            saveFailed(e);
            return;
        }
        afterChange();
    });
}

bool TListEditorDlg::confirmCorrection(const QString &) { return true; }

void TListEditorDlg::correctName(const QString &name) { refdata::renameRow(m_table, m_field, name); }

void TListEditorDlg::deleteClicked()
{
    guarded([this] {
        if (!parentsChosen()) {
            ui().message(m_parentMissingOther);
            return;
        }
        if (!hasSelection()) {
            ui().message(m_texts.noSelDelete);
            return;
        }
        if (!ui().question(deleteQuestion(), "ΕΠΙΒΕΒΑΙΩΣΗ", true))
            return;
        if (m_inUse && m_inUse(m_table->value(m_numberField))) {
            ui().message(m_inUseMessage);
            return;
        }
        removeCurrent();
        afterChange();
    });
}

QString TListEditorDlg::deleteQuestion() const { return "Παρακαλώ επιβεβαιώστε τη διαγραφή"; }

void TListEditorDlg::removeCurrent() { m_table->remove(); }

} // namespace dorvani
