#include "data/GreekRegister.h"

#include "data/DbError.h"
#include "data/GreekFolding.h"
#include "data/SqlText.h"
#include "data/Store.h"

#include <QSqlQuery>

namespace dorvani::greekregister {

namespace {

QStringList greekFields(const TableDef &t)
{
    QStringList out;
    for (const FieldDef &f : t.fields)
        if (holdsGreekText(t, f))
            out << f.name;
    return out;
}

// Walks the rows of every table that need their stored form; the callback gets the
// table, its Greek fields, the row id and the stored values.
template <typename Fn>
void eachRowToChange(Fn &&fn)
{
    Store &store = Store::instance();
    for (const TableDef &t : Schema::tables()) {
        const QStringList fields = greekFields(t);
        if (fields.isEmpty())
            continue;
        QStringList cols;
        for (const QString &f : fields)
            cols << sqlIdent(f);
        QSqlQuery q = store.exec("SELECT rowid, " + cols.join(", ") + " FROM " + sqlIdent(t.name));
        QList<std::pair<qlonglong, QVariantList>> rows;
        while (q.next()) {
            bool differs = false;
            QVariantList values;
            for (int i = 0; i < fields.size(); ++i) {
                const QString text = q.value(i + 1).toString();
                const QString stored = greekStored(text);
                differs = differs || stored != text;
                values << (q.value(i + 1).isNull() ? q.value(i + 1) : QVariant(stored));
            }
            if (differs)
                rows.push_back({q.value(0).toLongLong(), values});
        }
        q.finish();
        for (const auto &[rowid, values] : rows)
            fn(t, fields, rowid, values);
    }
}

} // namespace

bool holdsGreekText(const TableDef &table, const FieldDef &field)
{
    if (table.ownFile || table.name.compare("Printers", Qt::CaseInsensitive) == 0)
        return false;
    if (field.kind != FieldKind::Text)
        return false;
    for (const char *kept : {"EMAIL", "WEB", "WAVE"})
        if (field.name.compare(QLatin1String(kept), Qt::CaseInsensitive) == 0)
            return false;
    return true;
}

int rowsToChange()
{
    int n = 0;
    eachRowToChange([&](const TableDef &, const QStringList &, qlonglong, const QVariantList &) { ++n; });
    return n;
}

Result normalise()
{
    Store &store = Store::instance();
    Result r;
    Transaction tx(store);
    eachRowToChange([&](const TableDef &t, const QStringList &fields, qlonglong rowid, const QVariantList &values) {
        QStringList sets;
        for (const QString &f : fields)
            sets << sqlIdent(f) + " = ?";
        QVariantList binds = values;
        binds << rowid;
        try {
            store.exec("UPDATE " + sqlIdent(t.name) + " SET " + sets.join(", ") + " WHERE rowid = ?", binds);
            ++r.changed;
        } catch (const DbError &e) {
            if (!e.isKeyViolation())
                throw;
            ++r.kept; // the same name exists in its stored form already
        }
    });
    tx.commit();
    return r;
}

} // namespace dorvani::greekregister
