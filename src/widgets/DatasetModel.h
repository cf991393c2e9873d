// A table model over a dataset, for grids and lists: rows are read from the dataset's
// pages as the view asks for them, so a grid over a million rows opens at once.
#pragma once

#include "data/Dataset.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QWidget>

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

    // The view whose visibility decides when the model follows its dataset: while the
    // view is hidden a change is only noted, and the model follows it when shown.
    void setView(QWidget *view);
    // Follows a change noted while the view was hidden.
    void sync();
    // Makes the model show rows up to the given one (when the dataset moved there).
    void ensureExposed(int row);

    int rowCount(const QModelIndex &parent = {}) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

signals:
    // A value typed into a cell could not be stored; the row was given up.
    void writeFailed(const QString &message);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void reset();
    void onRowsReset();
    void onCountKnown(int rows);
    void expose(int rows);
    // Rows a view asks for first, and for each further batch.
    static constexpr int FirstRows = 40;
    static constexpr int MoreRows = 256;
    QPointer<Dataset> m_ds;
    QPointer<QWidget> m_view;
    mutable int m_exposed = -1; // rows the model shows; -1 until asked
    mutable bool m_counting = false;
    bool m_dirty = false;
    QList<Column> m_columns;
    bool m_allFields = true;
    bool m_editable = false;
};

} // namespace dorvani
