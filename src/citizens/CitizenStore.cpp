#include "citizens/CitizenStore.h"

#include "data/Schema.h"
#include "data/SqlText.h"
#include "data/Store.h"
#include "data/Vocative.h"
#include "data/Telephones.h"

#include <QDate>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

namespace dorvani {

namespace {

const TableDef &politesDef() { return Schema::table("POLITES"); }

// The fields of a record that POLITES has, in its order, with their stored values.
QList<QPair<QString, QVariant>> storedFields(const QVariantMap &fields)
{
    QList<QPair<QString, QVariant>> out;
    for (const FieldDef &f : politesDef().fields) {
        if (f.kind == FieldKind::AutoInc)
            continue;
        for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
            if (it.key().compare(f.name, Qt::CaseInsensitive) == 0) {
                // Telephones are kept in the one form the search finds them by.
                const QVariant v = phones::citizenFields().contains(f.name)
                                       ? QVariant(phones::normalised(it.value().toString()))
                                       : it.value();
                out.append({f.name, Schema::toStored(f, v)});
                break;
            }
        }
    }
    return out;
}

void insertVotes(Store &s, int autonum, const QList<CoCandidateVotes> &votes)
{
    const FieldDef *nameField = Schema::table("POLITES_Synypops").field("SYNYPOPS");
    const FieldDef *votesField = Schema::table("POLITES_Synypops").field("VOTES");
    for (const CoCandidateVotes &v : votes)
        s.run("INSERT INTO POLITES_Synypops (POLITESID, SYNYPOPS, VOTES) VALUES (?, ?, ?)",
               {autonum, Schema::toStored(*nameField, v.name), Schema::toStored(*votesField, v.votes)});
}

void replaceNotes(Store &s, int autonum, const SpecialNoteTexts &n)
{
    const TableDef &t = Schema::table("SpecialNotes");
    s.run("DELETE FROM SpecialNotes WHERE POLITES_ID = ?", {autonum});
    s.run("INSERT INTO SpecialNotes (POLITES_ID, ESOK_ANT, AITHMATA, PLHROFORIES) VALUES (?, ?, ?, ?)",
           {autonum, Schema::toStored(*t.field("ESOK_ANT"), n.rivalries),
            Schema::toStored(*t.field("AITHMATA"), n.requests),
            Schema::toStored(*t.field("PLHROFORIES"), n.information)});
}

bool validDayMonth(int day, int month, int year)
{
    if (year > 0)
        return QDate(year, month, day).isValid();
    return QDate(2000, month, day).isValid(); // a leap year: 29/02 is a day of the calendar
}

// "dd/mm[/yyyy]" with X for blanks: all blank, or day and month whole (and the year whole
// or all blank).
bool validStored(const QString &s, bool withYear)
{
    const QString blank = withYear ? "XX/XX/XXXX" : "XX/XX";
    if (s == blank)
        return true;
    static const QRegularExpression full("^(\\d\\d)/(\\d\\d)(?:/(\\d{4}|XXXX))?$");
    const auto m = full.match(s);
    if (!m.hasMatch() || (withYear && m.captured(3).isEmpty()) || (!withYear && !m.captured(3).isEmpty()))
        return false;
    const int year = m.captured(3).isEmpty() || m.captured(3) == "XXXX" ? 0 : m.captured(3).toInt();
    if (withYear && m.captured(3) != "XXXX" && year < 1)
        return false;
    return validDayMonth(m.captured(1).toInt(), m.captured(2).toInt(), year);
}

QString storedFromMask(const QString &text, int length)
{
    QString out = text.left(length);
    while (out.size() < length)
        out += ' ';
    for (int i = 0; i < out.size(); ++i) {
        const bool separator = i == 2 || i == 5;
        if (separator)
            out[i] = '/';
        else if (!out[i].isDigit())
            out[i] = 'X';
    }
    return out;
}

} // namespace

int CitizenStore::insert(const CitizenRecord &r)
{
    Store &s = Store::instance();
    const auto fields = storedFields(r.fields);
    QStringList cols, marks;
    QVariantList binds;
    for (const auto &[name, value] : fields) {
        cols << sqlIdent(name);
        marks << "?";
        binds << value;
    }
    Transaction tx(s);
    const int autonum =
        s.run(QString("INSERT INTO POLITES (%1) VALUES (%2)").arg(cols.join(", "), marks.join(", ")), binds).lastId.toInt();
    insertVotes(s, autonum, r.votes);
    if (!r.notes.isBlank())
        replaceNotes(s, autonum, r.notes);
    tx.commit();
    return autonum;
}

void CitizenStore::update(const CitizenRecord &r, int homeNomos)
{
    Store &s = Store::instance();
    if (!exists(r.autonum))
        throw DbError(QString("Ο πολίτης με κωδικό %1 δεν υπάρχει πια.").arg(r.autonum));
    const auto fields = storedFields(r.fields);
    QStringList sets;
    QVariantList binds;
    for (const auto &[name, value] : fields) {
        sets << sqlIdent(name) + " = ?";
        binds << value;
    }
    Transaction tx(s);
    if (!sets.isEmpty())
        s.run(QString("UPDATE POLITES SET %1 WHERE AUTONUM = ?").arg(sets.join(", ")), binds << r.autonum);
    s.run("Delete from Polites_SYNYPOPS Where POLITESID = ?", {r.autonum});
    insertVotes(s, r.autonum, r.votes);
    if (!r.notes.isBlank())
        replaceNotes(s, r.autonum, r.notes);
    if (homeNomos > 0)
        s.run("INSERT INTO TOT_PSHFOI (POLITESID, POLH) "
               "SELECT DISTINCT ?, substr(POLH, 1, 35) FROM POLEIS WHERE NOMOS = ? AND substr(POLH, 1, 35) NOT IN "
               "(SELECT POLH FROM TOT_PSHFOI WHERE POLITESID = ?)",
               {r.autonum, homeNomos, r.autonum});
    tx.commit();
}

void CitizenStore::remove(int autonum)
{
    Store &s = Store::instance();
    Transaction tx(s);
    s.run("Delete from Polites_SYNYPOPS Where POLITESID = ?", {autonum});
    s.run("DELETE FROM POLITES WHERE AUTONUM = ?", {autonum});
    tx.commit();
}

bool CitizenStore::exists(int autonum)
{
    return Store::instance().scalar("SELECT COUNT(*) FROM POLITES WHERE AUTONUM = ?", {autonum}).toInt() > 0;
}

QVariantMap CitizenStore::load(int autonum)
{
    QVariantMap out;
    QSqlQuery q = Store::instance().exec("SELECT * FROM POLITES WHERE AUTONUM = ?", {autonum});
    if (!q.next())
        return out;
    const QSqlRecord rec = q.record();
    for (int i = 0; i < rec.count(); ++i)
        out.insert(rec.fieldName(i), q.value(i));
    return out;
}

QList<CoCandidateVotes> CitizenStore::coCandidates()
{
    QList<CoCandidateVotes> out;
    QSqlQuery q = Store::instance().exec("SELECT Synypops FROM Synypops ORDER BY Synypops");
    while (q.next())
        out.append({q.value(0).toString(), QVariant()});
    return out;
}

QList<CoCandidateVotes> CitizenStore::loadVotes(int autonum)
{
    QList<CoCandidateVotes> out = coCandidates();
    QSqlQuery q = Store::instance().exec("SELECT SYNYPOPS, VOTES FROM POLITES_Synypops WHERE POLITESID = ?", {autonum});
    QHash<QString, QVariant> stored;
    while (q.next())
        stored.insert(q.value(0).toString(), q.value(1));
    for (CoCandidateVotes &v : out)
        if (stored.contains(v.name))
            v.votes = stored.value(v.name);
    return out;
}

std::optional<SpecialNoteTexts> CitizenStore::loadNotes(int autonum)
{
    QSqlQuery q = Store::instance().exec(
        "SELECT ESOK_ANT, AITHMATA, PLHROFORIES FROM SpecialNotes WHERE POLITES_ID = ?", {autonum});
    if (!q.next())
        return std::nullopt;
    return SpecialNoteTexts{q.value(0).toString(), q.value(1).toString(), q.value(2).toString()};
}

bool CitizenStore::saveNotes(int autonum, const SpecialNoteTexts &n)
{
    if (n.isBlank())
        return false;
    Store &s = Store::instance();
    Transaction tx(s);
    replaceNotes(s, autonum, n);
    tx.commit();
    return true;
}

bool CitizenStore::duplicateExists(const QString &epitheto, const QString &onoma, const QString &patr)
{
    const TableDef &t = politesDef();
    return Store::instance()
               .scalar("SELECT COUNT(*) FROM POLITES WHERE EPITHETO = ? AND ONOMA = ? AND PATR = ?",
                       {Schema::toStored(*t.field("EPITHETO"), epitheto), Schema::toStored(*t.field("ONOMA"), onoma),
                        Schema::toStored(*t.field("PATR"), patr)})
               .toInt()
        > 0;
}

QString CitizenStore::nameDay(const QString &firstName)
{
    const QString name = firstName.trimmed();
    if (name.isEmpty())
        return {};
    // The LIKE narrows the rows; the whole-name comparison decides.
    QString pattern = name;
    pattern.replace('\\', "\\\\").replace('%', "\\%").replace('_', "\\_");
    QSqlQuery q = Store::instance().exec("SELECT NAME, DDATE, MONTHSID FROM CELEBRITIES WHERE NAME LIKE ? ESCAPE '\\' "
                                         "AND DDATE IS NOT NULL AND MONTHSID IS NOT NULL ORDER BY MONTHSID, DDATE, NAME",
                                         {'%' + pattern + '%'});
    while (q.next()) {
        const QStringList names = q.value(0).toString().split(',');
        for (const QString &n : names) {
            if (n.trimmed() == name) {
                const auto two = [](const QVariant &v) {
                    const QString s = v.toString().trimmed();
                    return s.size() == 1 ? "0" + s : s;
                };
                return two(q.value(1)) + "/" + two(q.value(2));
            }
        }
    }
    return {};
}

QStringList CitizenStore::splitVocatives(const QString &text)
{
    QStringList out;
    int i = 0;
    const int n = int(text.size());
    while (i < n) {
        while (i < n && (text.at(i).isSpace() || text.at(i) == ','))
            ++i;
        if (i >= n)
            break;
        QString item;
        if (text.at(i) == '"') {
            ++i;
            while (i < n) {
                if (text.at(i) == '"') {
                    if (i + 1 < n && text.at(i + 1) == '"') {
                        item += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text.at(i++);
            }
        } else {
            while (i < n && !text.at(i).isSpace() && text.at(i) != ',')
                item += text.at(i++);
        }
        if (!item.isEmpty())
            out << item;
    }
    return out;
}

QStringList CitizenStore::vocatives(const QString &firstName, int sex)
{
    if (firstName.trimmed().isEmpty())
        return {};
    const QVariant v = Store::instance().scalar("SELECT KLHTIKH FROM KLHTIKH WHERE ONOMA = ? ORDER BY AUTONUM LIMIT 1",
                                                {firstName});
    if (!v.isNull())
        return splitVocatives(v.toString());
    const QString rule = vocative::suggested(firstName, sex);
    return rule.isEmpty() ? QStringList() : QStringList{rule};
}

int CitizenStore::neighbour(int autonum, bool forward)
{
    Store &s = Store::instance();
    QSqlQuery k = s.exec("SELECT EPITHETO, ONOMA, PATR FROM POLITES WHERE AUTONUM = ?", {autonum});
    if (!k.next())
        return 0;
    const QVariantList key = {k.value(0), k.value(1), k.value(2), autonum};
    k.finish();
    const QString sql = forward ? "SELECT AUTONUM FROM POLITES WHERE (EPITHETO, ONOMA, PATR, AUTONUM) > (?, ?, ?, ?) "
                                  "ORDER BY EPITHETO, ONOMA, PATR, AUTONUM LIMIT 1"
                                : "SELECT AUTONUM FROM POLITES WHERE (EPITHETO, ONOMA, PATR, AUTONUM) < (?, ?, ?, ?) "
                                  "ORDER BY EPITHETO DESC, ONOMA DESC, PATR DESC, AUTONUM DESC LIMIT 1";
    const QVariant n = s.scalar(sql, key);
    return n.isNull() ? autonum : n.toInt();
}

int CitizenStore::firstWithSurnamePrefix(const QString &prefix)
{
    if (prefix.isEmpty())
        return Store::instance()
            .scalar("SELECT AUTONUM FROM POLITES ORDER BY EPITHETO, ONOMA, PATR, AUTONUM LIMIT 1")
            .toInt();
    // A range over the surname's order finds the prefix through the key's index.
    const QVariant n = Store::instance().scalar(
        "SELECT AUTONUM FROM POLITES WHERE EPITHETO >= ? AND EPITHETO < ? "
        "ORDER BY EPITHETO, ONOMA, PATR, AUTONUM LIMIT 1",
        {prefix, prefix + QChar(0xFFFF)});
    return n.isNull() ? 0 : n.toInt();
}

namespace dates {

QString storedBirthday(const QString &maskText) { return storedFromMask(maskText, 10); }
QString storedNameDay(const QString &maskText) { return storedFromMask(maskText, 5); }

QString shownDate(const QString &stored)
{
    QString out = stored;
    out.replace('X', ' ');
    return out;
}

bool birthdayValid(const QString &stored) { return validStored(stored, true); }
bool nameDayValid(const QString &stored) { return validStored(stored, false); }

} // namespace dates

QUrl webAddress(const QString &typed)
{
    const QString t = typed.trimmed();
    if (t.isEmpty())
        return {};
    // A typed scheme must be http or https; without one the address is taken as http.
    static const QRegularExpression scheme("^([A-Za-z][A-Za-z0-9+.-]*):(?!\\d+(/|$))");
    const auto m = scheme.match(t);
    QString text = t;
    if (m.hasMatch()) {
        const QString s = m.captured(1).toLower();
        if (s != "http" && s != "https")
            return {};
    } else {
        text = "http://" + t;
    }
    const QUrl u(text, QUrl::TolerantMode);
    if (!u.isValid() || u.host().isEmpty())
        return {};
    return u;
}

QUrl mailAddress(const QString &typed)
{
    const QString t = typed.trimmed();
    if (t.isEmpty() || !t.contains('@'))
        return {};
    QUrl u;
    u.setScheme("mailto");
    u.setPath(t, QUrl::DecodedMode);
    u.setQuery("Subject=&Body=");
    return u.isValid() ? u : QUrl();
}

} // namespace dorvani
