#include "DatasetModel.h"

#include <QFont>

namespace dorvani {

DatasetModel::DatasetModel(Dataset *ds, QObject *parent) : QAbstractTableModel(parent), m_ds(ds)
{
    connect(ds, &Dataset::rowsReset, this, &DatasetModel::reset);
    connect(ds, &Dataset::opened, this, &DatasetModel::reset);
    connect(ds, &Dataset::closed, this, &DatasetModel::reset);
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
    try {
        return m_ds->recordCount();
    } catch (const DbError &) {
        return 0;
    }
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
