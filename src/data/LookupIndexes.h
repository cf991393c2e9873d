// The indexes beside the citizen register that answer the searches an office makes
// most often without reading every citizen: a surname, first name or father's name
// (exact or by its beginning, as the search's LIKE is written), a telephone, the town,
// and the day and month of a birthday or name day. They fit the statements the search
// builder writes: LIKE folds Latin letters, so the text indexes use NOCASE, and day
// ranges compare substr(field, 1, 5). Beside them, the indexes of the vote statistics.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace dorvani {

class Store;

class LookupIndexes {
public:
    struct Index {
        QString name;
        QString sql; // CREATE INDEX IF NOT EXISTS ...
    };
    static const QList<Index> &all();

    // The indexes the open register lacks (all of them for a register made before they
    // existed, none for one that has them).
    static QStringList missing(Store &s);

    // Creates what is missing, in one transaction. A register made before telephone
    // numbers were normalised has them normalised first, in the same transaction.
    // progress(done, total) is called before each step.
    static void ensure(Store &s, const std::function<void(int done, int total)> &progress = {});
};

} // namespace dorvani
