#include "widgets/DatasetModel.h"

#include <QEvent>
#include <QFont>

namespace dorvani {

DatasetModel::DatasetModel(Dataset *ds, QObject *parent) : QAbstractTableModel(parent), m_ds(ds)
{
    connect(ds, &Dataset::rowsReset, this, &DatasetModel::onRowsReset);
    connect(ds, &Dataset::opened, this, &DatasetModel::onRowsReset);
    connect(ds, &Dataset::closed, this, &DatasetModel::onRowsReset);
    connect(ds, &Dataset::rowsCounted, this, &DatasetModel::onCountKnown);
}

void DatasetModel::setView(QWidget *view)
{
    if (m_view)
        m_view->removeEventFilter(this);
    m_view = view;
    if (view)
        view->installEventFilter(this);
}

bool DatasetModel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::Show)
        sync();
    return QAbstractTableModel::eventFilter(watched, event);
}

void DatasetModel::onRowsReset()
{
    if (m_view && !m_view->isVisible()) {
        m_dirty = true;
        return;
    }
    reset();
}

void DatasetModel::sync()
{
    if (m_dirty)
        reset();
}

void DatasetModel::onCountKnown(int rows)
{
    if (m_counting || m_exposed < 0 || rows == m_exposed || m_dirty)
        return;
    if (rows > m_exposed)
        expose(rows);
    else
        reset();
}

void DatasetModel::expose(int rows)
{
    if (rows <= m_exposed)
        return;
    beginInsertRows(QModelIndex(), m_exposed, rows - 1);
    m_exposed = rows;
    endInsertRows();
}

void DatasetModel::ensureExposed(int row)
{
    if (!m_ds || !m_ds->active() || row < 0)
        return;
    rowCount();
    if (row < m_exposed)
        return;
    try {
        expose(m_ds->rowsAvailable(row + 1 + FirstRows));
    } catch (const DbError &) {
    }
}

bool DatasetModel::canFetchMore(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_ds || !m_ds->active() || m_exposed < 0)
        return false;
    return !m_ds->countKnown() || m_ds->recordCount() > m_exposed;
}

void DatasetModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid() || !m_ds || !m_ds->active() || m_exposed < 0)
        return;
    try {
        expose(m_ds->rowsAvailable(m_exposed + MoreRows));
    } catch (const DbError &) {
    }
}

void DatasetModel::setColumns(const QList<Column> &columns)
{
    beginResetModel();
    m_columns = columns;
    m_allFields = false;
    endResetModel();
}

void DatasetModel::reset()
{
    beginResetModel();
    m_exposed = -1;
    m_dirty = false;
    endResetModel();
}

int DatasetModel::fieldOfColumn(int column) const
{
    if (!m_ds)
        return -1;
    if (m_allFields)
        return column;
    return column >= 0 && column < m_columns.size() ? m_ds->fieldIndex(m_columns[column].field) : -1;
}

int DatasetModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_ds || !m_ds->active())
        return 0;
    if (m_exposed < 0) {
        // A table counts its rows cheaply; a query shows its first rows and more as the
        // view scrolls, or all of them once someone has counted them.
        m_counting = true;
        try {
            m_exposed = m_ds->cheapToCount() || m_ds->countKnown() ? m_ds->recordCount()
                                                                   : m_ds->rowsAvailable(FirstRows);
        } catch (const DbError &) {
            m_exposed = 0;
        }
        m_counting = false;
    }
    return m_exposed;
}

int DatasetModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_ds)
        return 0;
    return m_allFields ? m_ds->fieldCount() : int(m_columns.size());
}

QVariant DatasetModel::data(const QModelIndex &index, int role) const
{
    if (!m_ds || !index.isValid())
        return {};
    const int f = fieldOfColumn(index.column());
    if (f < 0)
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        try {
            const QVariant v = m_ds->valueAt(index.row(), f);
            return role == Qt::DisplayRole ? QVariant(Dataset::displayText(v, m_ds->fieldKind(f))) : v;
        } catch (const DbError &) {
            return {};
        }
    }
    return {};
}

QVariant DatasetModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, o, role);
    if (role == Qt::DisplayRole) {
        if (m_allFields)
            return m_ds ? m_ds->fieldNames().value(section) : QVariant();
        const Column &c = m_columns.value(section);
        return c.title.isEmpty() ? c.field : c.title;
    }
    return {};
}

Qt::ItemFlags DatasetModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    const int field = fieldOfColumn(index.column());
    if (m_editable && m_ds && !m_ds->readOnly() && field >= 0 && !m_ds->isCalculated(field))
        f |= Qt::ItemIsEditable;
    return f;
}

bool DatasetModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !m_ds || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int f = fieldOfColumn(index.column());
    try {
        m_ds->moveTo(index.row());
        m_ds->edit();
        m_ds->field(f).setValue(value);
        m_ds->post();
    } catch (const DbError &e) {
        m_ds->cancel();
        emit writeFailed(e.message());
        return false;
    }
    return true;
}

} // namespace dorvani
