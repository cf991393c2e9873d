// Controls bound to the datasets of the data module: a grid, a list of one field and a
// drop-down list of another table's rows. Choosing a row in any of them makes it the
// dataset's current row, and moving the dataset moves the choice, as the screens expect.
#pragma once

#include "widgets/DatasetModel.h"

#include <QComboBox>
#include <QListView>
#include <QTableView>

namespace dorvani {

class DBGrid : public QTableView {
    Q_OBJECT
public:
    explicit DBGrid(QWidget *parent = nullptr);

    void setDataset(Dataset *ds, const QList<DatasetModel::Column> &columns = {});
    Dataset *dataset() const { return m_model ? m_model->dataset() : nullptr; }
    DatasetModel *datasetModel() const { return m_model; }
    void setColumns(const QList<DatasetModel::Column> &columns);
    // The rows marked (several rows markable at once), in row order.
    QList<int> markedRows() const;

signals:
    void rowDoubleClicked(int row);

private:
    void followDataset();
    void followView(const QModelIndex &current);
    DatasetModel *m_model = nullptr;
    bool m_syncing = false;
};

class DBListBox : public QListView {
    Q_OBJECT
public:
    explicit DBListBox(QWidget *parent = nullptr);
    void setDataset(Dataset *ds, const QString &field);
    Dataset *dataset() const { return m_model ? m_model->dataset() : nullptr; }
    // Whether a row is chosen (the screens' "nothing selected" checks).
    bool hasSelection() const;
    QString currentText() const;

private:
    void followDataset();
    DatasetModel *m_model = nullptr;
    bool m_syncing = false;
};

// A drop-down list over a lookup dataset: it shows the list field and its value is the
// key field. Bound to a data field it shows and writes that field's value.
class DBLookupComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit DBLookupComboBox(QWidget *parent = nullptr);

    void setListSource(Dataset *list, const QString &listField, const QString &keyField);
    void setDataField(Dataset *data, const QString &field);
    Dataset *listSource() const { return m_model ? m_model->dataset() : nullptr; }

    QVariant keyValue() const { return m_key; }
    void setKeyValue(const QVariant &key); // a key that is not in the list shows blank
    // Shows the key's row when the list holds it; otherwise leaves the choice as it is.
    bool showKey(const QVariant &key);
    QString text() const;
    // Chooses the row whose list field shows the text; false when none does.
    bool selectText(const QString &text);
    void clearChoice() { setKeyValue(QVariant()); }

signals:
    void keyChanged(const QVariant &key);

private:
    void chosen(int row);
    void refreshText();
    int rowOfKey(const QVariant &key) const;
    DatasetModel *m_model = nullptr;
    QString m_listField, m_keyField;
    QPointer<Dataset> m_data;
    QString m_dataField;
    QVariant m_key;
    bool m_syncing = false;
};

} // namespace dorvani
