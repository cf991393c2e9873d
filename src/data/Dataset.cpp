#include "data/Dataset.h"

#include "data/FilterExpr.h"
#include "data/SqlText.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>

namespace dorvani {

namespace {

const QLocale &greekLocale()
{
    static const QLocale l = [] {
        QLocale g(QLocale::Greek, QLocale::Greece);
        g.setNumberOptions(QLocale::OmitGroupSeparator);
        return g;
    }();
    return l;
}

QString notEditing() { return "Το σύνολο δεδομένων δεν είναι σε κατάσταση εισαγωγής ή διόρθωσης."; }

bool sameValue(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    const auto numeric = [](const QVariant &v) {
        const int t = v.typeId();
        return t == QMetaType::Int || t == QMetaType::LongLong || t == QMetaType::UInt
            || t == QMetaType::ULongLong || t == QMetaType::Double || t == QMetaType::Bool;
    };
    if (numeric(a) || numeric(b)) {
        bool ok1 = false, ok2 = false;
        const double x = a.toDouble(&ok1), y = b.toDouble(&ok2);
        if (ok1 && ok2)
            return x == y;
    }
    return a.toString() == b.toString();
}

QString stripStatement(QString s)
{
    s = s.trimmed();
    while (s.endsWith(';'))
        s = s.left(s.size() - 1).trimmed();
    return s;
}

} // namespace

// ---------------------------------------------------------------- RowRef, Field

QVariant RowRef::value(const QString &field) const
{
    const int i = m_ds->fieldIndex(field);
    if (i < 0 || !m_values || i >= m_values->size())
        return {};
    return m_values->at(i);
}

QString Field::name() const { return m_ds->m_fieldNames.value(m_index); }
int Field::size() const { return m_ds->fieldWidth(m_index); }
FieldKind Field::kind() const { return m_ds->fieldKind(m_index); }
bool Field::isCalculated() const { return m_ds->isCalculated(m_index); }

QVariant Field::value() const
{
    const QVector<QVariant> *v = m_ds->currentValues();
    if (!v || m_index >= v->size())
        return {};
    return v->at(m_index);
}

QString Field::asString() const
{
    const QVariant v = value();
    if (v.isNull())
        return QString("");
    if (kind() == FieldKind::Float)
        return greekLocale().toString(v.toDouble(), 'g', 15);
    return v.toString();
}

int Field::asInteger() const
{
    const QVariant v = value();
    if (v.isNull())
        return 0;
    bool ok = false;
    const int n = v.toInt(&ok);
    if (ok)
        return n;
    const QString s = v.toString().trimmed();
    if (s.isEmpty())
        return 0;
    const int m = s.toInt(&ok);
    if (!ok)
        throw DbError(QString("«%1» δεν είναι έγκυρος ακέραιος αριθμός.").arg(s));
    return m;
}

double Field::asFloat() const
{
    const QVariant v = value();
    return v.isNull() ? 0.0 : v.toDouble();
}

bool Field::asBoolean() const
{
    const QVariant v = value();
    return !v.isNull() && v.toInt() != 0;
}

QString Field::displayText() const { return Dataset::displayText(value(), kind()); }

void Field::setValue(const QVariant &v) { m_ds->writeField(m_index, v); }

// ---------------------------------------------------------------- Dataset

Dataset::Dataset(const QString &name, QObject *parent) : QObject(parent) { setObjectName(name); }

Dataset::~Dataset() { resetLive(); }

int Dataset::fieldIndex(const QString &name) const
{
    const auto exact = m_fieldIndexExact.constFind(name);
    if (exact != m_fieldIndexExact.constEnd())
        return *exact;
    return m_fieldIndex.value(name.toUpper(), -1);
}

Field Dataset::fieldByName(const QString &name)
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw DbError(QString("%1: το πεδίο «%2» δεν υπάρχει.").arg(objectName(), name));
    return Field(this, i);
}

int Dataset::fieldWidth(int index) const { return m_widths.value(index); }
FieldKind Dataset::fieldKind(int index) const { return m_kinds.value(index, FieldKind::Text); }

QString Dataset::displayText(const QVariant &v, FieldKind kind)
{
    if (v.isNull())
        return {};
    switch (kind) {
    case FieldKind::Bool: return v.toInt() != 0 ? QStringLiteral("ΝΑΙ") : QStringLiteral("ΟΧΙ");
    case FieldKind::Float: return greekLocale().toString(v.toDouble(), 'g', 15);
    case FieldKind::Date: {
        const QDate d = QDate::fromString(v.toString(), Qt::ISODate);
        return d.isValid() ? d.toString("dd/MM/yyyy") : v.toString();
    }
    default: return v.toString();
    }
}

void Dataset::setStoredFields(const QStringList &names, const QVector<FieldKind> &kinds, const QVector<int> &widths)
{
    m_storedCount = int(names.size());
    m_fieldNames = names;
    m_kinds = kinds;
    m_widths = widths;
    for (const CalcField &c : m_calc) {
        m_fieldNames << c.name;
        m_kinds << c.kind;
        m_widths << c.width;
    }
    m_fieldIndex.clear();
    m_fieldIndexExact.clear();
    for (int i = int(m_fieldNames.size()) - 1; i >= 0; --i) {
        m_fieldIndex.insert(m_fieldNames[i].toUpper(), i); // the first of equal names wins
        m_fieldIndexExact.insert(m_fieldNames[i], i);
    }
}

void Dataset::addCalcField(const QString &name, int width, CalcFn fn, FieldKind kind, const QStringList &readsTables)
{
    for (const QString &t : readsTables)
        m_calcTables.insert(Schema::table(t).name.toUpper());
    m_calc.append({name, width, kind, std::move(fn)});
    m_fieldNames << name;
    m_kinds << kind;
    m_widths << width;
    if (!m_fieldIndex.contains(name.toUpper()))
        m_fieldIndex.insert(name.toUpper(), int(m_fieldNames.size()) - 1);
    if (!m_fieldIndexExact.contains(name))
        m_fieldIndexExact.insert(name, int(m_fieldNames.size()) - 1);
    if (active()) {
        invalidate();
        emit rowsReset();
    }
}

void Dataset::addLookupField(const QString &name, int width, const QString &keyField, const QString &lookupTable,
                             const QString &lookupKey, const QString &resultField)
{
    const int id = lookupId(lookupTable, lookupKey, resultField);
    addCalcField(
        name, width, [this, id, keyField](const RowRef &r) { return lookup(id, r.value(keyField)); },
        FieldKind::Text, {lookupTable});
}

int Dataset::lookupId(const QString &table, const QString &keyField, const QString &resultField) const
{
    for (int i = 0; i < m_lookups.size(); ++i)
        if (m_lookups[i].table == table && m_lookups[i].keyField == keyField && m_lookups[i].resultField == resultField)
            return i;
    const TableDef &def = Schema::table(table);
    Lookup l;
    l.table = table;
    l.keyField = keyField;
    l.resultField = resultField;
    l.sql = QString("SELECT %1 FROM %2 WHERE %3 = ? LIMIT 1").arg(sqlIdent(resultField), sqlIdent(def.name), sqlIdent(keyField));
    l.conn = Store::connectionFor(def.name);
    m_lookups.append(l);
    return int(m_lookups.size()) - 1;
}

QVariant Dataset::lookup(const QString &table, const QString &keyField, const QString &resultField,
                         const QVariant &key) const
{
    return lookup(lookupId(table, keyField, resultField), key);
}

QVariant Dataset::lookup(int id, const QVariant &key) const
{
    if (key.isNull() || id < 0 || id >= m_lookups.size())
        return QString("");
    Lookup &l = m_lookups[id];
    bool number = false;
    const qint64 n = key.typeId() == QMetaType::QString ? 0 : key.toLongLong(&number);
    if (number) {
        const auto it = l.byNumber.constFind(n);
        if (it != l.byNumber.constEnd())
            return *it;
    } else {
        if (key.toString().isEmpty())
            return QString("");
        const auto it = l.byText.constFind(key.toString());
        if (it != l.byText.constEnd())
            return *it;
    }
    QVariant v = Store::instance().scalar(l.sql, {key}, l.conn);
    if (v.isNull())
        v = QString("");
    if (number) {
        if (l.byNumber.size() > 50000)
            l.byNumber.clear();
        l.byNumber.insert(n, v);
    } else {
        if (l.byText.size() > 50000)
            l.byText.clear();
        l.byText.insert(key.toString(), v);
    }
    return v;
}

void Dataset::clearLookups() const
{
    for (Lookup &l : m_lookups) {
        l.byNumber.clear();
        l.byText.clear();
    }
}

void Dataset::computeCalc(QVector<QVariant> &values) const
{
    if (values.size() < m_storedCount + m_calc.size())
        values.resize(m_storedCount + int(m_calc.size()));
    for (int i = 0; i < m_calc.size(); ++i) {
        const RowRef ref(this, &values);
        QVariant v = m_calc[i].fn(ref);
        if (m_calc[i].kind == FieldKind::Text && m_calc[i].width > 0 && !v.isNull()) {
            const QString s = v.toString();
            if (s.size() > m_calc[i].width)
                v = s.left(m_calc[i].width);
        }
        values[m_storedCount + i] = v;
    }
}

QSqlQuery Dataset::runQuery(const QString &sql) const
{
    return Store::instance().exec(sql, selectBinds(), connection(), namedBinds());
}

QString Dataset::countSql() const { return "SELECT COUNT(*) FROM (\n" + selectSql() + "\n)"; }

QString Dataset::filterCondition() const
{
    if (!m_filtered || m_filterText.trimmed().isEmpty())
        return {};
    return compileFilter(m_filterText, m_fieldNames.mid(0, m_storedCount));
}

void Dataset::open()
{
    if (active())
        return;
    Store &s = Store::instance();
    connect(&s, &Store::tableChanged, this, &Dataset::onTableChanged, Qt::UniqueConnection);
    connect(&s, &Store::aboutToClose, this, &Dataset::close, Qt::UniqueConnection);
    invalidate();
    prepareOpen();
    m_state = Browse;
    try {
        const bool has = rowValues(0) != nullptr;
        m_rec = has ? 0 : -1;
        m_bof = true;
        m_eof = !has;
        m_anchored = false;
        m_recheck = false;
    } catch (...) {
        m_state = Inactive;
        invalidate();
        throw;
    }
    emit stateChanged();
    emit opened();
    emit rowsReset();
    emit currentChanged();
}

void Dataset::close()
{
    if (!active())
        return;
    m_buffer.clear();
    m_modified = false;
    invalidate();
    m_rec = -1;
    m_anchored = false;
    m_bof = m_eof = true;
    m_state = Inactive;
    emit stateChanged();
    emit closed();
    emit rowsReset();
    emit currentChanged();
}

void Dataset::refresh()
{
    if (!active())
        return;
    checkBrowse();
    clearLookups();
    followChange();
    emit rowsReset();
    emit currentChanged();
}

void Dataset::invalidate()
{
    resetLive();
    m_pages.clear();
    m_count = -1;
    ++m_rowsGeneration;
}

void Dataset::learnCount(int rows)
{
    if (!active() || m_count >= 0 || rows < 0)
        return;
    m_count = rows;
    emit rowsCounted(rows);
}

void Dataset::resetLive()
{
    if (m_live) {
        m_live->finish();
        m_live.reset();
    }
    m_liveNext = -1;
}

void Dataset::fillPage(int page, int want)
{
    const int start = page * PageSize;
    Page *it = m_pages.find(page);
    const int have = it ? int(it->rows.size()) : 0;
    if (have >= want || (it && it->complete))
        return;
    const int from = start + have;
    if (m_count >= 0 && from >= m_count) {
        if (it)
            it->complete = true;
        return;
    }
    if (!m_live || m_liveNext != from) {
        resetLive();
        QString sql = selectSql();
        if (from > 0) {
            static const QRegularExpression limitRx("\\bLIMIT\\b", QRegularExpression::CaseInsensitiveOption);
            if (limitRx.match(sql).hasMatch())
                sql = "SELECT * FROM (\n" + sql + "\n)";
            sql += QString("\nLIMIT -1 OFFSET %1").arg(from);
        }
        m_live = std::make_unique<QSqlQuery>(runQuery(sql));
        m_liveNext = from;
    }
    if (!it)
        it = &m_pages.insert(page, Page());
    Page &pg = *it;
    const int offset = m_hasRowId ? 1 : 0;
    const int total = m_storedCount + int(m_calc.size()) + (m_hasRowId ? 1 : 0);
    const int target = qMin(want, PageSize);
    while (pg.rows.size() < target && m_live->next()) {
        QVector<QVariant> v(total);
        for (int i = 0; i < m_storedCount; ++i)
            v[i] = m_live->value(i + offset);
        if (m_hasRowId)
            v[total - 1] = m_live->value(0);
        computeCalc(v);
        pg.rows.append(std::move(v));
    }
    if (m_live->lastError().isValid()) {
        const QString error = m_live->lastError().databaseText();
        resetLive();
        throw DbError(error);
    }
    m_liveNext = start + int(pg.rows.size());
    if (pg.rows.size() < target) {
        // The statement ended: the last page, and the number of rows is known.
        m_count = start + int(pg.rows.size());
        pg.complete = true;
        resetLive();
    } else if (pg.rows.size() == PageSize) {
        pg.complete = true;
    }
    if (pg.rows.isEmpty())
        m_pages.erase(page);
}

const QVector<QVariant> *Dataset::rowValues(int row)
{
    if (!active() || row < 0 || (m_count >= 0 && row >= m_count))
        return nullptr;
    const int page = row / PageSize;
    const int inPage = row % PageSize;
    Page *it = m_pages.find(page);
    if (!it || inPage >= it->rows.size()) {
        if (it && it->complete)
            return nullptr;
        fillPage(page, inPage + 1 + Lookahead);
        it = m_pages.find(page);
        if (!it || inPage >= it->rows.size())
            return nullptr;
    }
    return &it->rows[inPage];
}

int Dataset::rowsAvailable(int n)
{
    if (!active() || n <= 0)
        return 0;
    if (m_count >= 0)
        return qMin(n, m_count);
    rowValues(n - 1);
    return m_count >= 0 ? qMin(n, m_count) : n;
}

const QVector<QVariant> *Dataset::currentValues()
{
    if (editing())
        return &m_buffer;
    if (m_anchored) {
        if (const QVector<QVariant> *a = anchorRow())
            return a;
    }
    ensurePosition();
    return rowValues(m_rec);
}

int Dataset::cachedRowCount() const
{
    int n = 0;
    m_pages.forEach([&n](int, const Page &p) { n += int(p.rows.size()); });
    return n;
}

QVariant Dataset::valueAt(int row, int index)
{
    const QVector<QVariant> *v = rowValues(row);
    if (!v || index < 0 || index >= v->size())
        return {};
    return v->at(index);
}

void Dataset::ensurePosition()
{
    if (m_anchored) {
        m_rec = resolveAnchor();
        m_anchored = false;
        m_recheck = false;
        if (m_rec < 0) {
            m_bof = m_eof = true;
        }
    }
    if (m_recheck) {
        // The rows changed since the position was set: keep it where rows still are.
        m_recheck = false;
        if (m_rec >= 0 && !rowValues(m_rec)) {
            m_rec = recordCount() - 1;
            m_eof = true;
            if (m_rec < 0)
                m_bof = true;
        } else if (m_rec < 0 && rowValues(0)) {
            m_rec = 0;
            m_bof = true;
            m_eof = false;
        }
    }
}

void Dataset::setPosition(int row, bool bof, bool eof)
{
    const bool changed = row != m_rec || m_anchored;
    m_anchored = false;
    m_recheck = false;
    m_rec = row;
    m_bof = bof;
    m_eof = eof;
    if (changed)
        emit currentChanged();
}

void Dataset::setState(State s)
{
    if (m_state == s)
        return;
    m_state = s;
    emit stateChanged();
}

void Dataset::checkBrowse()
{
    if (!active())
        throw DbError(QString("%1: το σύνολο δεδομένων δεν είναι ανοικτό.").arg(objectName()));
    if (editing())
        post();
}

void Dataset::first()
{
    checkBrowse();
    const bool has = rowValues(0) != nullptr;
    setPosition(has ? 0 : -1, true, !has);
}

void Dataset::last()
{
    checkBrowse();
    const int n = recordCount();
    setPosition(n > 0 ? n - 1 : -1, n == 0, true);
}

void Dataset::next()
{
    checkBrowse();
    ensurePosition();
    if (m_rec < 0) {
        m_eof = true;
        return;
    }
    if (rowValues(m_rec + 1))
        setPosition(m_rec + 1, false, false);
    else {
        m_eof = true;
        m_bof = false;
    }
}

void Dataset::prior()
{
    checkBrowse();
    ensurePosition();
    if (m_rec <= 0) {
        m_bof = true;
        return;
    }
    setPosition(m_rec - 1, false, false);
}

void Dataset::moveBy(int n)
{
    checkBrowse();
    ensurePosition();
    if (m_rec < 0)
        return;
    int target = m_rec + n;
    if (target < 0) {
        setPosition(0, true, false);
        return;
    }
    if (rowValues(target)) {
        setPosition(target, false, false);
        return;
    }
    const int count = recordCount();
    setPosition(count - 1, false, true);
}

void Dataset::moveTo(int row)
{
    checkBrowse();
    ensurePosition();
    if (row < 0) {
        first();
        return;
    }
    if (rowValues(row))
        setPosition(row, row == 0, false);
    else
        last();
}

bool Dataset::isEmpty() { return !active() || rowValues(0) == nullptr; }

QVariantList Dataset::aggregate(const QStringList &expressions)
{
    QVariantList out;
    if (!active() || expressions.isEmpty())
        return out;
    // The row count comes with the aggregates, from the same pass over the rows.
    QSqlQuery q = Store::instance().exec("SELECT COUNT(*), " + expressions.join(", ") + " FROM (\n" + selectSql()
                                             + "\n)",
                                         selectBinds(), connection(), namedBinds());
    if (q.next()) {
        for (int i = 0; i < expressions.size(); ++i)
            out << q.value(i + 1);
        if (m_count < 0) {
            m_count = q.value(0).toInt();
            emit rowsCounted(m_count);
        }
    }
    return out;
}

int Dataset::recordCount()
{
    if (!active())
        return 0;
    if (m_count < 0) {
        const QVariant n = Store::instance().scalar(countSql(), selectBinds(), connection(), namedBinds());
        m_count = n.toInt();
        emit rowsCounted(m_count);
    }
    return m_count;
}

int Dataset::recNo()
{
    if (!active())
        return -1;
    ensurePosition();
    return m_rec;
}

bool Dataset::locate(const QStringList &fields, const QVariantList &values)
{
    checkBrowse();
    if (fields.size() != values.size())
        throw DbError("Λανθασμένη αναζήτηση εγγραφής.");
    QVector<int> idx;
    for (const QString &f : fields) {
        fieldByName(f); // an unknown field is an error
        idx << fieldIndex(f);
    }
    const int viaSql = locateSql(fields, values);
    if (viaSql != -2)
        return viaSql >= 0;
    for (int row = 0;; ++row) {
        const QVector<QVariant> *v = rowValues(row);
        if (!v)
            return false;
        bool all = true;
        for (int k = 0; k < idx.size() && all; ++k)
            all = sameValue(v->at(idx[k]), values[k]);
        if (all) {
            setPosition(row, row == 0, false);
            return true;
        }
    }
}

void Dataset::setFilter(const QString &text)
{
    if (m_filterText == text)
        return;
    m_filterText = text;
    if (active() && m_filtered) {
        checkBrowse();
        invalidate();
        filterCondition(); // a filter that does not compile fails here, not at the next fetch
        const bool has = rowValues(0) != nullptr;
        m_rec = -2;
        setPosition(has ? 0 : -1, true, !has);
        emit rowsReset();
    }
}

void Dataset::setFiltered(bool on)
{
    if (m_filtered == on)
        return;
    m_filtered = on;
    if (active()) {
        checkBrowse();
        invalidate();
        try {
            filterCondition();
        } catch (...) {
            m_filtered = false;
            throw;
        }
        const bool has = rowValues(0) != nullptr;
        m_rec = -2;
        setPosition(has ? 0 : -1, true, !has);
        emit rowsReset();
    }
}

void Dataset::insert() { throw DbError(QString("%1: τα δεδομένα είναι μόνο για ανάγνωση.").arg(objectName())); }
void Dataset::edit() { throw DbError(QString("%1: τα δεδομένα είναι μόνο για ανάγνωση.").arg(objectName())); }
void Dataset::post() {}
void Dataset::cancel() {}
void Dataset::remove() { throw DbError(QString("%1: τα δεδομένα είναι μόνο για ανάγνωση.").arg(objectName())); }

void Dataset::writeField(int index, const QVariant &v)
{
    if (!editing())
        throw DbError(notEditing());
    if (index < 0 || index >= m_storedCount)
        throw DbError(QString("Το πεδίο «%1» δεν μπορεί να αλλάξει.").arg(m_fieldNames.value(index)));
    m_buffer[index] = v;
    m_modified = true;
    computeCalc(m_buffer);
    emit valueChanged(index);
}

void Dataset::followChange()
{
    // Nothing is read now: the position is checked when it is next used.
    invalidate();
    m_recheck = true;
}

void Dataset::onTableChanged(const QString &table)
{
    clearLookups(); // also while closed: the names looked up may have changed
    if (!active() || m_writing)
        return;
    if (!table.isEmpty() && !dependsOn(table) && !m_calcTables.contains(table.toUpper()))
        return;
    if (editing()) {
        m_stale = true;
        return;
    }
    followChange();
    emit rowsReset();
    emit currentChanged();
}

// ---------------------------------------------------------------- Table

Table::Table(const QString &name, const QString &tableName, QObject *parent)
    : Dataset(name, parent), m_def(&Schema::table(tableName))
{
    QStringList names;
    QVector<FieldKind> kinds;
    QVector<int> widths;
    for (const FieldDef &f : m_def->fields) {
        names << f.name;
        kinds << f.kind;
        widths << f.width;
    }
    setStoredFields(names, kinds, widths);
    m_hasRowId = true;
    m_order = m_def->naturalOrder();
}

void Table::setIndexName(const QString &index)
{
    for (const IndexDef &ix : m_def->indexes) {
        if (ix.name.compare(index, Qt::CaseInsensitive) == 0) {
            m_order = ix.fields;
            m_orderNoCase = ix.caseInsensitive;
            refresh();
            return;
        }
    }
    throw DbError(QString("%1: το ευρετήριο «%2» δεν υπάρχει.").arg(objectName(), index));
}

void Table::setOrderFields(const QStringList &fields)
{
    for (const QString &f : fields)
        if (m_def->fieldIndex(f) < 0)
            throw DbError(QString("%1: το πεδίο «%2» δεν υπάρχει.").arg(objectName(), f));
    m_order = fields;
    m_orderNoCase = false;
    refresh();
}

void Table::setMaster(Dataset *master, const QStringList &linkFields, const QStringList &masterFields)
{
    if (m_master)
        disconnect(m_master, nullptr, this, nullptr);
    m_master = master;
    m_linkFields = linkFields;
    m_masterFields = masterFields;
    if (master) {
        connect(master, &Dataset::currentChanged, this, &Table::onMasterMoved);
        connect(master, &Dataset::rowsReset, this, &Table::onMasterMoved);
        connect(master, &Dataset::stateChanged, this, &Table::onMasterMoved);
    }
    if (active())
        onMasterMoved();
}

QVariantList Table::masterValues() const
{
    if (!m_master || !m_master->active())
        return {};
    auto *m = const_cast<Dataset *>(m_master.data());
    // A master row being inserted has no rows of its own yet.
    if (m->state() == Insert || m->isEmpty())
        return {};
    QVariantList out;
    for (const QString &f : m_masterFields)
        out << m->fieldByName(f).value();
    return out;
}

void Table::onMasterMoved()
{
    if (!active())
        return;
    QVariantList vals;
    try {
        vals = masterValues();
    } catch (const DbError &) {
        vals.clear();
    }
    if (vals == m_lastLink)
        return;
    if (editing()) {
        try {
            post();
        } catch (const DbError &) {
            cancel();
        }
    }
    m_lastLink = vals;
    invalidate();
    bool has = false;
    try {
        has = rowValues(0) != nullptr;
    } catch (const DbError &) {
        has = false;
    }
    m_anchored = false;
    m_rec = -2;
    setPosition(has ? 0 : -1, true, !has);
    emit rowsReset();
}

QString Table::columnsSql() const
{
    QStringList cols;
    for (const FieldDef &f : m_def->fields)
        cols << sqlIdent(f.name);
    return cols.join(", ");
}

QString Table::whereSql(QVariantList &binds) const
{
    QStringList conds;
    if (m_master) {
        if (m_lastLink.isEmpty()) {
            conds << "0";
        } else {
            for (int i = 0; i < m_linkFields.size(); ++i) {
                const QVariant v = m_lastLink.value(i);
                if (v.isNull())
                    conds << sqlIdent(m_linkFields[i]) + " IS NULL";
                else {
                    conds << sqlIdent(m_linkFields[i]) + " = ?";
                    binds << v;
                }
            }
        }
    }
    const QString f = filterCondition();
    if (!f.isEmpty())
        conds << '(' + f + ')';
    return conds.isEmpty() ? QString() : conds.join(" AND ");
}

QString Table::orderSql() const
{
    QStringList parts;
    for (const QString &f : m_order)
        parts << orderColumn(f);
    parts << "rowid";
    return parts.join(", ");
}

QString Table::orderColumn(const QString &field) const
{
    const FieldDef *fd = m_def->field(field);
    QString c = sqlIdent(fd ? fd->name : field);
    if (fd && fd->isText()) {
        if (m_greekOrder)
            c += " COLLATE GREEK";
        else if (m_orderNoCase)
            c += " COLLATE NOCASE";
    }
    return c;
}

void Table::setGreekOrder(bool on)
{
    if (m_greekOrder == on)
        return;
    m_greekOrder = on;
    refresh();
}

QString Table::selectSql() const
{
    QVariantList binds;
    const QString where = whereSql(binds);
    return QString("SELECT rowid, %1 FROM %2%3 ORDER BY %4")
        .arg(columnsSql(), sqlIdent(m_def->name), where.isEmpty() ? QString() : " WHERE " + where, orderSql());
}

QString Table::countSql() const
{
    QVariantList binds;
    const QString where = whereSql(binds);
    return QString("SELECT COUNT(*) FROM %1%2").arg(sqlIdent(m_def->name), where.isEmpty() ? QString() : " WHERE " + where);
}

QVariantList Table::selectBinds() const
{
    QVariantList binds;
    whereSql(binds);
    return binds;
}

Store::Conn Table::connection() const { return m_def->ownFile ? Store::Pass : Store::Main; }

bool Table::dependsOn(const QString &table) const { return table.compare(m_def->name, Qt::CaseInsensitive) == 0; }

QVector<QVariant> Table::newRowValues()
{
    QVector<QVariant> v(fieldCount() + 1);
    for (int i = 0; i < m_def->fields.size(); ++i)
        if (m_def->fields[i].isText())
            v[i] = QString("");
    const QVariantList link = masterValues();
    for (int i = 0; i < m_linkFields.size() && i < link.size(); ++i) {
        const int idx = m_def->fieldIndex(m_linkFields[i]);
        if (idx >= 0)
            v[idx] = link[i];
    }
    v[fieldCount()] = QVariant(); // no row id until posted
    return v;
}

void Table::prepareOpen() { m_lastLink = masterValues(); }

void Table::writeField(int index, const QVariant &v)
{
    if (!editing())
        throw DbError(notEditing());
    if (index < 0 || index >= m_storedCount)
        throw DbError(QString("Το πεδίο «%1» δεν μπορεί να αλλάξει.").arg(m_fieldNames.value(index)));
    const FieldDef &f = m_def->fields[index];
    if (f.kind == FieldKind::AutoInc && m_state != Insert)
        throw DbError(QString("Το πεδίο «%1» δεν μπορεί να αλλάξει.").arg(f.name));
    m_buffer[index] = Schema::toStored(f, v);
    m_modified = true;
    computeCalc(m_buffer);
    emit valueChanged(index);
}

void Table::anchorAt(qint64 rowid)
{
    m_anchored = true;
    m_anchorId = rowid;
    m_anchorLoaded = false;
    m_bof = false;
    m_eof = false;
}

const QVector<QVariant> *Table::anchorRow()
{
    if (!m_anchored)
        return nullptr;
    if (!m_anchorLoaded) {
        QSqlQuery q = Store::instance().exec(
            QString("SELECT rowid, %1 FROM %2 WHERE rowid = ?").arg(columnsSql(), sqlIdent(m_def->name)), {m_anchorId},
            connection());
        if (!q.next())
            return nullptr;
        const int total = m_storedCount + int(m_calc.size()) + 1;
        m_anchorValues = QVector<QVariant>(total);
        for (int i = 0; i < m_storedCount; ++i)
            m_anchorValues[i] = q.value(i + 1);
        m_anchorValues[total - 1] = q.value(0);
        computeCalc(m_anchorValues);
        m_anchorLoaded = true;
    }
    return &m_anchorValues;
}

int Table::resolveAnchor()
{
    int pos = positionOf(m_anchorId);
    m_anchorLoaded = false;
    if (pos == -3) // the row was deleted: its neighbour takes its place
        pos = qMax(0, m_fallbackRec);
    if (pos < 0)
        return -1;
    if (rowValues(pos))
        return pos;
    const int n = recordCount();
    return n > 0 ? n - 1 : -1;
}

int Table::positionOf(qint64 rowid)
{
    Store &s = Store::instance();
    QStringList orderCols;
    for (const QString &f : m_order)
        orderCols << sqlIdent(f);
    QSqlQuery kq = s.exec(QString("SELECT %1 FROM %2 WHERE rowid = ?")
                              .arg(orderCols.isEmpty() ? QString("rowid") : orderCols.join(", "), sqlIdent(m_def->name)),
                          {rowid}, connection());
    QVariantList keyVals;
    if (kq.next())
        for (int i = 0; i < m_order.size(); ++i)
            keyVals << kq.value(i);
    else
        return -3; // the row is gone
    kq.finish();

    QVariantList binds;
    const QString where = whereSql(binds);
    // Rows ordered before the given one: for each order field, equal on the fields before
    // it and less on it; nulls sort first.
    bool anyNull = false;
    bool allNotNullColumns = true;
    for (int i = 0; i < m_order.size(); ++i) {
        anyNull = anyNull || keyVals[i].isNull();
        const FieldDef *fd = m_def->field(m_order[i]);
        allNotNullColumns = allNotNullColumns && fd && (fd->isText() || fd->kind == FieldKind::AutoInc);
    }
    auto col = [&](int i) { return orderColumn(m_order[i]); };
    QString before;
    QVariantList beforeBinds;
    if (!anyNull && allNotNullColumns) {
        QStringList l, r;
        for (int i = 0; i < m_order.size(); ++i) {
            l << col(i);
            r << "?";
            beforeBinds << keyVals[i];
        }
        l << "rowid";
        r << "?";
        beforeBinds << rowid;
        before = QString("(%1) < (%2)").arg(l.join(", "), r.join(", "));
    } else {
        QStringList terms;
        QStringList eqs;
        QVariantList eqBinds;
        for (int i = 0; i <= m_order.size(); ++i) {
            const bool isRowId = i == m_order.size();
            const QVariant v = isRowId ? QVariant(rowid) : keyVals[i];
            const QString c = isRowId ? QString("rowid") : col(i);
            QString lt;
            QVariantList ltBinds;
            if (v.isNull()) {
                lt.clear(); // nothing sorts before a null
            } else {
                lt = QString("(%1 IS NULL OR %1 < ?)").arg(c);
                ltBinds << v;
            }
            if (!lt.isEmpty()) {
                QStringList parts = eqs;
                parts << lt;
                terms << '(' + parts.join(" AND ") + ')';
                beforeBinds << eqBinds << ltBinds;
            }
            if (v.isNull())
                eqs << c + " IS NULL";
            else {
                eqs << c + " = ?";
                eqBinds << v;
            }
        }
        before = terms.isEmpty() ? QString("0") : '(' + terms.join(" OR ") + ')';
    }
    const QString sql = QString("SELECT COUNT(*) FROM %1 WHERE %2%3")
                            .arg(sqlIdent(m_def->name), where.isEmpty() ? QString() : '(' + where + ") AND ", before);
    return s.scalar(sql, binds + beforeBinds, connection()).toInt();
}

int Table::locateSql(const QStringList &fields, const QVariantList &values)
{
    QVariantList binds;
    const QString where = whereSql(binds);
    QStringList conds;
    if (!where.isEmpty())
        conds << '(' + where + ')';
    for (int i = 0; i < fields.size(); ++i) {
        const FieldDef *fd = m_def->field(fields[i]);
        if (!fd)
            return -2; // a derived field: search the rows
        QVariant v = values[i];
        try {
            v = Schema::toStored(*fd, v, false);
        } catch (const DbError &) {
            return -1; // a value the field cannot hold matches no row
        }
        conds << sqlIdent(fd->name) + " IS ?";
        binds << v;
    }
    QSqlQuery q = Store::instance().exec(
        QString("SELECT rowid FROM %1 WHERE %2 ORDER BY %3 LIMIT 1").arg(sqlIdent(m_def->name), conds.join(" AND "), orderSql()),
        binds, connection());
    if (!q.next())
        return -1;
    const qint64 rowid = q.value(0).toLongLong();
    q.finish();
    const bool wasCurrent = !m_anchored && currentRowId() == rowid;
    anchorAt(rowid);
    if (!wasCurrent)
        emit currentChanged();
    return 0;
}

qint64 Table::currentRowId()
{
    const QVector<QVariant> *v = editing() ? nullptr : currentValues();
    if (editing())
        return m_editRowId;
    if (!v || v->isEmpty() || v->last().isNull())
        return -1;
    return v->last().toLongLong();
}

void Table::followChange()
{
    if (!m_anchored)
        m_fallbackRec = m_rec;
    const qint64 rowid = (m_rec >= 0 || m_anchored) ? currentRowId() : -1;
    invalidate();
    m_anchorLoaded = false;
    if (rowid >= 0)
        anchorAt(rowid);
    else
        m_recheck = true;
}

void Table::insert()
{
    if (!active())
        throw DbError(QString("%1: το σύνολο δεδομένων δεν είναι ανοικτό.").arg(objectName()));
    checkBrowse();
    m_insertAt = recNo();
    m_buffer = newRowValues();
    computeCalc(m_buffer);
    m_modified = false;
    m_editRowId = -1;
    m_stale = false;
    setState(Insert);
    emit currentChanged();
}

void Table::edit()
{
    if (!active())
        throw DbError(QString("%1: το σύνολο δεδομένων δεν είναι ανοικτό.").arg(objectName()));
    if (editing())
        return;
    const QVector<QVariant> *cur = currentValues();
    if (!cur)
        throw DbError("Δεν υπάρχει τρέχουσα εγγραφή για διόρθωση.");
    m_buffer = *cur;
    m_editRowId = m_buffer.last().toLongLong();
    m_modified = false;
    m_stale = false;
    setState(Edit);
}

void Table::post()
{
    if (!editing())
        return;
    Store &s = Store::instance();
    qint64 rowid = m_editRowId;
    QStringList cols;
    QVariantList binds;
    for (int i = 0; i < m_def->fields.size(); ++i) {
        const FieldDef &f = m_def->fields[i];
        if (f.kind == FieldKind::AutoInc && (m_state == Edit || m_buffer[i].isNull()))
            continue;
        cols << sqlIdent(f.name);
        QVariant v = m_buffer[i];
        if (f.isText()) {
            // A text field is never null: an unfilled one is empty.
            QString s = v.toString();
            if (s.isNull())
                s = QString("");
            v = s;
        }
        binds << v;
    }
    m_writing = true;
    try {
        if (m_state == Insert) {
            QStringList marks;
            for (int i = 0; i < cols.size(); ++i)
                marks << "?";
            rowid = s.run(QString("INSERT INTO %1 (%2) VALUES (%3)")
                              .arg(sqlIdent(m_def->name), cols.join(", "), marks.join(", ")),
                          binds, connection())
                        .lastId.toLongLong();
        } else if (m_modified) {
            QStringList sets;
            for (const QString &c : cols)
                sets << c + " = ?";
            s.run(QString("UPDATE %1 SET %2 WHERE rowid = ?").arg(sqlIdent(m_def->name), sets.join(", ")),
                  binds << rowid, connection());
        }
    } catch (...) {
        m_writing = false;
        throw; // the row stays pending; the screen cancels it
    }
    m_writing = false;
    m_buffer.clear();
    m_modified = false;
    m_stale = false;
    invalidate();
    anchorAt(rowid);
    setState(Browse);
    emit rowsReset();
    emit currentChanged();
}

void Table::cancel()
{
    if (!editing())
        return;
    m_buffer.clear();
    m_modified = false;
    setState(Browse);
    if (m_stale) {
        m_stale = false;
        followChange();
        emit rowsReset();
    }
    emit currentChanged();
}

void Table::remove()
{
    if (!active())
        throw DbError(QString("%1: το σύνολο δεδομένων δεν είναι ανοικτό.").arg(objectName()));
    if (m_state == Insert) {
        cancel();
        return;
    }
    if (m_state == Edit)
        cancel();
    ensurePosition();
    const qint64 rowid = currentRowId();
    if (rowid < 0)
        throw DbError("Δεν υπάρχει εγγραφή για διαγραφή.");
    const int pos = m_rec;
    m_writing = true;
    try {
        Store::instance().run(QString("DELETE FROM %1 WHERE rowid = ?").arg(sqlIdent(m_def->name)), {rowid},
                              connection());
    } catch (...) {
        m_writing = false;
        throw;
    }
    m_writing = false;
    invalidate();
    int row = -1;
    if (rowValues(pos))
        row = pos;
    else if (pos > 0 && rowValues(pos - 1))
        row = pos - 1;
    m_rec = -2;
    setPosition(row, row <= 0, row < 0 || !rowValues(row + 1));
    emit rowsReset();
}

// ---------------------------------------------------------------- Query

Query::Query(const QString &name, const QString &sql, QObject *parent) : Dataset(name, parent) { setSql(sql); }

void Query::setSql(const QString &sql)
{
    if (active())
        close();
    m_sql = sql;
    m_executable = stripStatement(Store::normaliseSql(sql));
    m_tables = Store::tablesOf(sql);
}

void Query::setParam(const QString &name, const QVariant &value)
{
    m_params.insert(name.startsWith(':') ? name.mid(1) : name, value);
}

QString Query::baseSql() const { return m_executable; }

QString Query::selectSql() const
{
    const QString base = baseSql();
    const QString f = filterCondition();
    if (f.isEmpty())
        return base;
    return "SELECT * FROM (\n" + base + "\n) WHERE " + f;
}

void Query::prepareOpen()
{
    if (baseSql().isEmpty())
        throw DbError(QString("%1: δεν έχει δοθεί ερώτηση.").arg(objectName()));
    // Run the statement once to learn its columns; it stays open for the first page.
    resetLive();
    const bool filterOn = m_filtered && !m_filterText.trimmed().isEmpty();
    auto q = std::make_unique<QSqlQuery>(
        Store::instance().exec(baseSql(), {}, connection(), namedBinds()));
    if (!q->isSelect())
        throw DbError(QString("%1: η ερώτηση δεν επιστρέφει εγγραφές.").arg(objectName()));
    const QSqlRecord rec = q->record();
    QStringList names;
    QVector<FieldKind> kinds;
    QVector<int> widths;
    const QStringList &tables = m_tables;
    for (int i = 0; i < rec.count(); ++i) {
        const QString n = rec.fieldName(i);
        names << n;
        const FieldDef *fd = nullptr;
        for (const QString &t : tables)
            if ((fd = Schema::table(t).field(n)))
                break;
        if (fd) {
            kinds << (fd->kind == FieldKind::AutoInc ? FieldKind::Int : fd->kind);
            widths << fd->width;
        } else {
            const int t = rec.field(i).metaType().id();
            kinds << (t == QMetaType::Double ? FieldKind::Float
                      : (t == QMetaType::Int || t == QMetaType::LongLong) ? FieldKind::Int
                                                                           : FieldKind::Text);
            widths << 0;
        }
    }
    setStoredFields(names, kinds, widths);
    if (!filterOn) {
        m_live = std::move(q);
        m_liveNext = 0;
    }
}

bool Query::dependsOn(const QString &table) const
{
    for (const QString &t : m_tables)
        if (t.compare(table, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void Query::execSql()
{
    Store::instance().exec(baseSql(), {}, connection(), m_params);
}

} // namespace dorvani
