// A table model over a dataset, for grids and lists: rows are read from the dataset's
// pages as the view asks for them, so a grid over a million rows opens at once.
#pragma once

#include "Dataset.h"

#include <QAbstractTableModel>
#include <QPointer>

namespace dorvani {

class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        QString field;
        QString title;
        int width = 0; // pixels; 0 lets the view decide
    };

    explicit DatasetModel(Dataset *ds, QObject *parent = nullptr);

    Dataset *dataset() const { return m_ds; }
    // Columns shown; by default every field of the dataset.
    void setColumns(const QList<Column> &columns);
    QList<Column> columns() const { return m_columns; }
    int fieldOfColumn(int column) const;
    void setEditable(bool on) { m_editable = on; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

signals:
    // A value typed into a cell could not be stored; the row was given up.
    void writeFailed(const QString &message);

private:
    void reset();
    QPointer<Dataset> m_ds;
    QList<Column> m_columns;
    bool m_allFields = true;
    bool m_editable = false;
};

} // namespace dorvani
