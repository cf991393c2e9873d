// The reset of chosen tables: sixteen groups of tables, each emptied in one transaction,
// with a message of its own when it fails; a failure does not stop the groups after it.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

namespace dorvani {

class Store;

class DataReset {
public:
    struct Box {
        QString check;   // the check box that chooses it
        QString caption; // its caption
        QStringList statements;
        QString error; // shown when it fails
    };
    // The sixteen groups, in the order they are emptied.
    static const QVector<Box> &boxes();
    static int indexOf(const QString &check);

    // Empties the groups chosen (positions in boxes()), in the order of the list of groups.
    // Returns the messages of the groups that failed, in that order.
    static QStringList run(Store &store, const QList<int> &chosen);
};

} // namespace dorvani
