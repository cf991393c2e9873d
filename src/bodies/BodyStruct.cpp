// The composition of a body: its members in an editable grid.
#include "bodies/BodyRegistry.h"

#include "data/DataModule.h"
#include "data/Dataset.h"
#include "data/DbError.h"
#include "data/Store.h"
#include "platform/Keyboard.h"
#include "widgets/DbControls.h"
#include "widgets/FormParts.h"
#include "widgets/InputHelpers.h"
#include "widgets/Ui.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <functional>

namespace dorvani {

QList<BodyColumn> memberColumns(const BodyKind &kind, TDataMdl &dm)
{
    auto plain = [](const QString &field, const QString &title, int width) {
        BodyColumn c;
        c.field = field;
        c.title = title;
        c.width = width;
        return c;
    };
    auto list = [](const QString &field, const QString &title, int width, Dataset *ds, const QString &table,
                   const QString &shown, int rows) {
        BodyColumn c;
        c.field = field;
        c.title = title;
        c.width = width;
        c.list = ds;
        c.listTable = table;
        c.listField = shown;
        c.dropRows = rows;
        return c;
    };
    QList<BodyColumn> cols;
    cols << list("PERS_IDIOTHTA_ID", "ΙΔΙΟΤΗΤΑ", 142, dm.TblPersIdiothta, "PERS_IDIOTHTA", "PERS_IDIOTHTA", 30)
         << plain("EPITHETO", "ΕΠΙΘΕΤΟ", 110) << plain("ONOMA", "ΟΝΟΜΑ", 90);
    if (!kind.partyBody)
        cols << list("KOMMA_ID", "ΚΟΜΜΑ", 109, dm.TblKommataStruct, "KOMMATASTRUCT", "KOMMA", 15);
    cols << list("EPAGGELMA", "ΕΠΑΓΓΕΛΜΑ", 110, dm.TblEpagelmata, "Epagelmata", "Epagelma", 30)
         << list("KOMMATIKH_THESH_ID", kind.partyBody ? "ΜΕΛΟΣ ΣΕ" : "ΚΟΜ.ΘΕΣΗ", 150, dm.TblKommatikes_Theseis,
                 "KOMMATIKES_THESEIS", "KOMMATIKH_THESH", 15)
         << plain("ADDRESS", "ΔΙΕΥΘΥΝΣΗ", 199) << plain("POLH", "ΠΟΛΗ", 73) << plain("Tk", "Τ.Κ.", 64)
         << plain("TEL1", "ΤΗΛ. 1", 75) << plain("TEL2", "ΤΗΛ 2", 64) << plain("MOBILE", "ΚΙΝΗΤΟ", 75)
         << plain("CELEBRDATE", "ΗΜ/ΝΙΑ ΕΟΡΤΗΣ", 64);
    BodyColumn citizen = plain("ISINPOLITES", "ΠΟΛΙΤΗΣ", 64);
    citizen.yesNo = true;
    cols << citizen << plain("PARATHRHSEIS", "ΠΑΡΑΤΗΡΗΣΕΙΣ", 150);
    // The columns at places 8 to 12 take digits, blanks and "/" only (a pick list there
    // offers its two entries anyway).
    for (int i = 8; i <= 12; ++i)
        cols[i].digits = !cols[i].yesNo;
    return cols;
}

namespace {

// The composition grid's editors: lists offer their entries and write the entry's
// number, the citizen mark is chosen from "ΝΑΙ" and "ΟΧΙ", the digit columns take digits,
// blanks and "/", the others as wide as their field, in Greek capitals. Enter in an editor
// stores the cell and goes on as Enter in the grid does.
class MemberDelegate : public QStyledItemDelegate {
public:
    MemberDelegate(DBGrid *grid, Table *members, const QList<BodyColumn> &columns, std::function<void(int, int)> enter)
        : QStyledItemDelegate(grid), m_members(members), m_columns(columns), m_enter(std::move(enter))
    {
    }

    QString shown(const QModelIndex &i) const
    {
        const BodyColumn c = m_columns.value(i.column());
        if (c.list) {
            const QVariant key = i.data(Qt::EditRole);
            if (key.isNull())
                return {};
            QString text;
            guarded([&] { text = m_members->lookup(c.listTable, "AUTONUM", c.listField, key).toString(); });
            return text;
        }
        return i.data(Qt::DisplayRole).toString();
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &o, const QModelIndex &i) const override
    {
        QWidget *w = editorFor(parent, o, i);
        if (w)
            w->setProperty("column", i.column());
        return w;
    }

    QWidget *editorFor(QWidget *parent, const QStyleOptionViewItem &o, const QModelIndex &i) const
    {
        const BodyColumn c = m_columns.value(i.column());
        if (c.list) {
            auto *box = new DBLookupComboBox(parent);
            box->setListSource(c.list, c.listField, "AUTONUM");
            box->setMaxVisibleItems(c.dropRows);
            return box;
        }
        if (c.yesNo) {
            auto *box = new QComboBox(parent);
            box->addItems({"ΝΑΙ", "ΟΧΙ"});
            return box;
        }
        QWidget *w = QStyledItemDelegate::createEditor(parent, o, i);
        if (auto *e = qobject_cast<QLineEdit *>(w)) {
            const int f = m_members->fieldIndex(c.field);
            if (f >= 0 && m_members->fieldWidth(f) > 0)
                e->setMaxLength(m_members->fieldWidth(f));
            if (c.digits)
                e->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9 /]*"), e));
            else
                installGreekCapitals(e);
        }
        return w;
    }

    void setEditorData(QWidget *editor, const QModelIndex &i) const override
    {
        const BodyColumn c = m_columns.value(i.column());
        const QVariant v = i.data(Qt::EditRole);
        if (auto *box = dynamic_cast<DBLookupComboBox *>(editor); box && c.list) {
            box->setKeyValue(v);
            return;
        }
        if (auto *box = qobject_cast<QComboBox *>(editor); box && c.yesNo) {
            box->setCurrentIndex(v.isNull() ? -1 : (v.toInt() != 0 ? 0 : 1));
            return;
        }
        QStyledItemDelegate::setEditorData(editor, i);
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &i) const override
    {
        const BodyColumn c = m_columns.value(i.column());
        if (auto *box = dynamic_cast<DBLookupComboBox *>(editor); box && c.list) {
            if (box->keyValue() != i.data(Qt::EditRole))
                model->setData(i, box->keyValue(), Qt::EditRole);
            return;
        }
        if (auto *box = qobject_cast<QComboBox *>(editor); box && c.yesNo) {
            if (box->currentIndex() >= 0)
                model->setData(i, box->currentIndex() == 0, Qt::EditRole);
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, i);
    }

protected:
    void initStyleOption(QStyleOptionViewItem *o, const QModelIndex &i) const override
    {
        QStyledItemDelegate::initStyleOption(o, i);
        if (m_columns.value(i.column()).list)
            o->text = shown(i);
    }

    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::KeyPress) {
            auto *k = static_cast<QKeyEvent *>(e);
            auto *editor = qobject_cast<QWidget *>(o);
            const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
            const bool tab = k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab;
            if (editor && (enter || tab)) {
                // Storing the cell reads the rows anew: the column is known from the editor.
                const int column = editor->property("column").toInt();
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                m_enter(column, enter ? 0 : (k->key() == Qt::Key_Tab ? 1 : -1));
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(o, e);
    }

private:
    Table *m_members;
    QList<BodyColumn> m_columns;
    std::function<void(int, int)> m_enter;
};

void greekCapitals()
{
    Keyboard::switchToGreek();
    Keyboard::setCapsLock(true);
}

} // namespace

TBodyStructDlg::TBodyStructDlg(const BodyKind &kind, TDataMdl &dm, QWidget *parent)
    : QDialog(parent), m_kind(kind), m_dm(dm), m_columns(memberColumns(kind, dm))
{
    setObjectName(kind.structObjectName);
    resize(900, 420);
    auto *v = new QVBoxLayout(this);
    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName("DBGrid1");
    QList<DatasetModel::Column> cols;
    for (const BodyColumn &c : std::as_const(m_columns))
        cols << DatasetModel::Column{c.field, c.title, c.width};
    DBGrid1->setDataset(kind.members, cols);
    DBGrid1->datasetModel()->setEditable(true);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    DBGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    DBGrid1->setItemDelegate(new MemberDelegate(DBGrid1, kind.members, m_columns, [this](int column, int tab) {
        guarded([&] {
            if (tab == 0)
                enterPressed(column);
            else
                moveTo(column + tab);
        });
    }));
    // Storing a cell reads the rows anew, which leaves the grid without a current cell:
    // the cell the user is on stays current (on the stored row when it moved in the order).
    connect(DBGrid1->model(), &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        const QModelIndex i = DBGrid1->currentIndex();
        m_keep = {};
        if (!i.isValid())
            return;
        m_keep = {i.row(), i.column(), m_kind.members->active() && i.row() == m_kind.members->recNo()};
    });
    connect(
        DBGrid1->model(), &QAbstractItemModel::modelReset, this,
        [this] {
            if (m_keep.column < 0)
                return;
            const Keep k = m_keep;
            m_keep = {};
            Table *t = m_kind.members;
            const int row = k.sameRow && t->active() ? t->recNo() : k.row;
            if (row >= 0 && row < DBGrid1->model()->rowCount())
                DBGrid1->setCurrentIndex(DBGrid1->model()->index(row, k.column));
        },
        Qt::QueuedConnection);
    form::boldHeader(DBGrid1);
    DBGrid1->installEventFilter(this);
    v->addWidget(DBGrid1);
    auto *bar = new QHBoxLayout;
    auto *add = new QPushButton("ΝΕΟ ΜΕΛΟΣ", this);
    add->setObjectName("BtnAddMember");
    add->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, [this] { guarded([this] { addMember(); }); });
    BBtnExit = new QPushButton("ΕΞΟΔΟΣ", this);
    BBtnExit->setObjectName("BBtnExit");
    BBtnExit->setAutoDefault(false);
    connect(BBtnExit, &QPushButton::clicked, this, &QDialog::accept);
    bar->addWidget(add);
    bar->addStretch();
    bar->addWidget(BBtnExit);
    v->addLayout(bar);
    // A click into the column at place 4 types in Latin letters, any other in Greek capitals.
    connect(DBGrid1, &QAbstractItemView::clicked, this, [](const QModelIndex &i) {
        if (i.column() == 4) {
            Keyboard::switchToUs();
            Keyboard::setCapsLock(false);
        } else {
            greekCapitals();
        }
    });
    // Whatever way a field of a member is set, the row carries this body.
    connect(kind.members, &Dataset::valueChanged, this, [this](int) { stamp(); });
}

void TBodyStructDlg::setBody(int number, const QVariant &party, const QString &caption)
{
    m_body = number;
    m_party = party;
    setWindowTitle(caption);
}

QString TBodyStructDlg::shownText(int row, int column) const
{
    auto *d = static_cast<MemberDelegate *>(DBGrid1->itemDelegate());
    return d->shown(DBGrid1->model()->index(row, column));
}

void TBodyStructDlg::stamp()
{
    if (m_stamping || !isVisible())
        return;
    Table *t = m_kind.members;
    if (!t->editing())
        return;
    m_stamping = true;
    guarded([&] {
        if (t->value(m_kind.linkField) != QVariant(m_body))
            t->fieldByName(m_kind.linkField).setValue(m_body);
        if (m_kind.partyBody && t->value("KOMMA_ID") != m_party)
            t->fieldByName("KOMMA_ID").setValue(m_party);
    });
    m_stamping = false;
}

void TBodyStructDlg::storeCurrent()
{
    Table *t = m_kind.members;
    if (!t->active() || t->isEmpty())
        return;
    try {
        if (!t->editing())
            t->edit();
        t->fieldByName(m_kind.linkField).setValue(m_body);
        if (m_kind.partyBody)
            t->fieldByName("KOMMA_ID").setValue(m_party);
        t->post();
    } catch (const DbError &e) {
        ui().message(e.message());
    }
}

bool TBodyStructDlg::untouched(int autonum) const
{
    // Every field a person fills is empty: the row holds nothing but its body (and party).
    QStringList tests;
    const Table *t = m_kind.members;
    for (const FieldDef &f : t->def().fields) {
        const QString name = f.name.toUpper();
        if (name == "AUTONUM" || name == m_kind.linkField.toUpper() || (m_kind.partyBody && name == "KOMMA_ID"))
            continue;
        tests << (f.kind == FieldKind::Text || f.kind == FieldKind::Memo ? "COALESCE(" + f.name + ", '') = ''"
                                                                          : f.name + " IS NULL");
    }
    return Store::instance()
               .scalar("SELECT COUNT(*) FROM " + t->tableName() + " WHERE AUTONUM = ? AND " + tests.join(" AND "),
                       {autonum})
               .toInt() > 0;
}

void TBodyStructDlg::dropUntouched()
{
    Table *t = m_kind.members;
    for (int n : std::as_const(m_added))
        guarded([&] {
            if (untouched(n))
                Store::instance().exec("DELETE FROM " + t->tableName() + " WHERE AUTONUM = ?", {n});
        });
    m_added.clear();
}

void TBodyStructDlg::addMember()
{
    Table *t = m_kind.members;
    if (t->editing())
        t->post();
    // A row added before and still untouched is the new row.
    if (!m_added.isEmpty() && untouched(m_added.last()) && t->locate("AUTONUM", m_added.last())) {
        DBGrid1->setCurrentIndex(DBGrid1->model()->index(t->recNo(), 0));
        return;
    }
    t->insert();
    t->fieldByName("EPITHETO").setValue(QString());
    stamp();
    t->fieldByName(m_kind.linkField).setValue(m_body);
    t->post();
    m_added << t->integer("AUTONUM");
    if (t->locate("AUTONUM", m_added.last()))
        DBGrid1->setCurrentIndex(DBGrid1->model()->index(t->recNo(), 0));
}

void TBodyStructDlg::deleteMember()
{
    Table *t = m_kind.members;
    if (!t->active() || t->isEmpty() || !DBGrid1->currentIndex().isValid())
        return;
    if (!ui().question("Να διαγραφεί η εγγραφή;", "ΕΠΙΒΕΒΑΙΩΣΗ", true))
        return;
    t->moveTo(DBGrid1->currentIndex().row());
    t->remove();
}

void TBodyStructDlg::enterPressed(int column)
{
    Table *t = m_kind.members;
    const QModelIndex i = DBGrid1->currentIndex();
    if (column < 0) {
        // Enter in the grid itself, on its current cell.
        if (!i.isValid())
            return;
        column = i.column();
        t->moveTo(i.row());
    }
    if (!t->active() || t->recNo() < 0)
        return;
    const int last = int(m_columns.size()) - 1;
    // The row that was typed is stored with the body's number; it may move in the order.
    storeCurrent();
    int row = t->recNo();
    int next = column;
    greekCapitals();
    if (column < 13) {
        next = column + 1;
    } else if (column == 13) {
        next = 0;
        row = std::min(row + 1, DBGrid1->model()->rowCount() - 1);
    }
    if (next > last)
        next = last;
    m_keep = {};
    DBGrid1->setCurrentIndex(DBGrid1->model()->index(row, next));
    DBGrid1->setFocus(); // also when the stored cell's editor had it
}

void TBodyStructDlg::moveTo(int column)
{
    Table *t = m_kind.members;
    m_keep = {};
    if (!t->active() || t->recNo() < 0)
        return;
    const int row = t->recNo();
    DBGrid1->setCurrentIndex(
        DBGrid1->model()->index(row, std::clamp(column, 0, int(m_columns.size()) - 1)));
    DBGrid1->setFocus();
}

bool TBodyStructDlg::eventFilter(QObject *o, QEvent *e)
{
    if (o == DBGrid1 && e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        const QModelIndex i = DBGrid1->currentIndex();
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            guarded([this] { enterPressed(); });
            return true;
        }
        if (k->key() == Qt::Key_Insert ||
            (k->key() == Qt::Key_Down && (!i.isValid() || i.row() == DBGrid1->model()->rowCount() - 1))) {
            guarded([this] { addMember(); });
            return true;
        }
        if (k->key() == Qt::Key_Delete && (k->modifiers() & Qt::ControlModifier)) {
            guarded([this] { deleteMember(); });
            return true;
        }
        // Letters typed into a digit column are dropped before they open its editor.
        const BodyColumn c = m_columns.value(i.column());
        if (i.isValid() && c.digits && !k->text().isEmpty() && k->text().at(0).isPrint()) {
            static const QRegularExpression allowed("^[0-9 /]$");
            if (!allowed.match(k->text()).hasMatch())
                return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TBodyStructDlg::showEvent(QShowEvent *e)
{
    Table *t = m_kind.members;
    if (!t->active())
        t->open();
    t->first();
    for (const BodyColumn &c : std::as_const(m_columns))
        if (c.list && !c.list->active())
            c.list->open();
    Table *roles = m_dm.TblPersIdiothta;
    roles->setFilter("TAKO=" + QString::number(m_kind.tako));
    roles->setFiltered(true);
    roles->close();
    roles->open();
    roles->first();
    t->setFilter(m_kind.linkField + "=" + QString::number(m_body));
    t->setFiltered(true);
    t->first();
    m_added.clear();
    greekCapitals();
    QDialog::showEvent(e);
    DBGrid1->setFocus();
}

void TBodyStructDlg::hideEvent(QHideEvent *e)
{
    Table *t = m_kind.members;
    guarded([t] {
        if (t->editing())
            t->post();
    });
    // A member row added and left untouched is not kept.
    dropUntouched();
    t->setFiltered(false);
    QDialog::hideEvent(e);
}

} // namespace dorvani
