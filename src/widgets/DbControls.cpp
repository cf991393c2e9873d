#include "widgets/DbControls.h"

#include "widgets/Ui.h"

#include <QHeaderView>

namespace dorvani {

namespace {

// Shows the dataset's current row in a view: made visible, current, and marked as `flags` say.
void showCurrentRow(QAbstractItemView *view, DatasetModel *model, Dataset *ds, bool &syncing, int column,
                    QItemSelectionModel::SelectionFlags flags)
{
    if (syncing || !ds || !ds->active() || !view->selectionModel())
        return;
    syncing = true;
    const int row = ds->recNo();
    model->ensureExposed(row);
    if (row >= 0 && row < model->rowCount()) {
        const QModelIndex i = model->index(row, column);
        view->selectionModel()->setCurrentIndex(i, flags);
        view->scrollTo(i);
    }
    syncing = false;
}

// Moves the dataset to the row the user made current in a view.
void moveToViewRow(Dataset *ds, bool &syncing, const QModelIndex &current)
{
    if (syncing || !ds || !ds->active() || !current.isValid())
        return;
    syncing = true;
    guarded([&] { ds->moveTo(current.row()); });
    syncing = false;
}

} // namespace

// ---------------------------------------------------------------- DBGrid

DBGrid::DBGrid(QWidget *parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setHighlightSections(false);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &i) {
        if (i.isValid())
            emit rowDoubleClicked(i.row());
    });
}

void DBGrid::setDataset(Dataset *ds, const QList<DatasetModel::Column> &columns)
{
    if (m_model)
        m_model->deleteLater();
    m_model = new DatasetModel(ds, this);
    m_model->setView(this);
    connect(m_model, &DatasetModel::writeFailed, this,
            [](const QString &) { ui().message("Παρουσιάστηκε σφάλμα στην αποθήκευση.", "ΣΦΑΛΜΑ"); });
    setModel(m_model);
    if (!columns.isEmpty())
        setColumns(columns);
    connect(ds, &Dataset::currentChanged, this, &DBGrid::followDataset);
    // A reset leaves the view without a current row, which the view would make its first
    // row (and so the dataset's) as soon as it takes the focus: the dataset's row is shown
    // at once, and again once the reset has settled.
    connect(m_model, &QAbstractItemModel::modelReset, this, &DBGrid::followDataset);
    connect(m_model, &QAbstractItemModel::modelReset, this, &DBGrid::followDataset, Qt::QueuedConnection);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &c) { followView(c); });
    followDataset();
}

void DBGrid::setColumns(const QList<DatasetModel::Column> &columns)
{
    m_model->setColumns(columns);
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].width > 0)
            setColumnWidth(i, columns[i].width);
}

QList<int> DBGrid::markedRows() const
{
    QList<int> rows;
    for (const QModelIndex &i : selectionModel()->selectedRows())
        rows << i.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void DBGrid::followDataset()
{
    showCurrentRow(this, m_model, dataset(), m_syncing, qMax(0, currentIndex().column()),
                   selectionMode() == QAbstractItemView::SingleSelection
                       ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                       : QItemSelectionModel::NoUpdate);
}

void DBGrid::followView(const QModelIndex &current) { moveToViewRow(dataset(), m_syncing, current); }

// ---------------------------------------------------------------- DBListBox

DBListBox::DBListBox(QWidget *parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
}

void DBListBox::setDataset(Dataset *ds, const QString &field)
{
    if (m_model)
        m_model->deleteLater();
    m_model = new DatasetModel(ds, this);
    m_model->setView(this);
    m_model->setColumns({{field, field, 0}});
    setModel(m_model);
    setModelColumn(0);
    connect(ds, &Dataset::currentChanged, this, &DBListBox::followDataset);
    // A new set of rows (a filter, another master row) keeps the current row chosen.
    connect(m_model, &QAbstractItemModel::modelReset, this, &DBListBox::followDataset);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &c) { moveToViewRow(dataset(), m_syncing, c); });
}

bool DBListBox::hasSelection() const
{
    return selectionModel() && selectionModel()->hasSelection() && currentIndex().isValid();
}

QString DBListBox::currentText() const { return hasSelection() ? currentIndex().data().toString() : QString(); }

void DBListBox::followDataset()
{
    showCurrentRow(this, m_model, dataset(), m_syncing, 0, QItemSelectionModel::ClearAndSelect);
}

// ---------------------------------------------------------------- DBLookupComboBox

DBLookupComboBox::DBLookupComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    connect(this, QOverload<int>::of(&QComboBox::activated), this, &DBLookupComboBox::chosen);
}

void DBLookupComboBox::setListSource(Dataset *list, const QString &listField, const QString &keyField)
{
    m_listField = listField;
    m_keyField = keyField;
    m_model = new DatasetModel(list, this);
    m_model->setView(this);
    m_model->setColumns({{listField, listField, 0}, {keyField, keyField, 0}});
    setModel(m_model);
    setModelColumn(0);
    connect(m_model, &QAbstractItemModel::modelReset, this, &DBLookupComboBox::refreshText);
    refreshText();
}

void DBLookupComboBox::setDataField(Dataset *data, const QString &field)
{
    m_data = data;
    m_dataField = field;
    auto follow = [this] {
        if (m_syncing || !m_data || !m_data->active())
            return;
        QVariant v;
        guarded([&] { v = m_data->fieldByName(m_dataField).value(); });
        m_syncing = true;
        setKeyValue(v);
        m_syncing = false;
    };
    connect(data, &Dataset::currentChanged, this, follow);
    connect(data, &Dataset::valueChanged, this, follow);
    follow();
}

QString DBLookupComboBox::text() const { return currentIndex() >= 0 ? currentText() : QString(); }

void DBLookupComboBox::setKeyValue(const QVariant &key)
{
    m_key = key;
    refreshText();
}

int DBLookupComboBox::rowOfKey(const QVariant &key) const
{
    if (!m_model || key.isNull())
        return -1;
    m_model->sync();
    while (m_model->canFetchMore({}))
        m_model->fetchMore({});
    const QString k = key.toString();
    for (int r = 0; r < m_model->rowCount(); ++r)
        if (m_model->index(r, 1).data(Qt::EditRole).toString() == k)
            return r;
    return -1;
}

void DBLookupComboBox::refreshText()
{
    const bool was = m_syncing;
    m_syncing = true;
    setCurrentIndex(rowOfKey(m_key));
    m_syncing = was;
}

bool DBLookupComboBox::showKey(const QVariant &key)
{
    if (rowOfKey(key) < 0)
        return false;
    setKeyValue(key);
    return true;
}

bool DBLookupComboBox::selectText(const QString &t)
{
    if (!m_model)
        return false;
    m_model->sync();
    while (m_model->canFetchMore({}))
        m_model->fetchMore({});
    for (int r = 0; r < m_model->rowCount(); ++r)
        if (m_model->index(r, 0).data().toString() == t) {
            setCurrentIndex(r);
            chosen(r);
            return true;
        }
    return false;
}

void DBLookupComboBox::chosen(int row)
{
    if (!m_model || row < 0)
        return;
    // Choosing a row moves the list's dataset there, so that its details follow.
    Dataset *list = m_model->dataset();
    guarded([&] {
        if (list && list->active())
            list->moveTo(row);
    });
    m_key = m_model->index(row, 1).data(Qt::EditRole);
    if (m_data && !m_syncing) {
        guarded([&] {
            if (!m_data->editing())
                m_data->edit();
            m_data->fieldByName(m_dataField).setValue(m_key);
        });
    }
    emit keyChanged(m_key);
}

} // namespace dorvani
