#include "shell/EntryKeys.h"

#include "data/DataModule.h"
#include "widgets/Ui.h"

namespace dorvani {

namespace {
QString latinUpper(const QString &s)
{
    QString out = s;
    for (QChar &c : out)
        if (c >= 'a' && c <= 'z')
            c = QChar(c.unicode() - 32);
    return out;
}
} // namespace

namespace keys {

bool isAdminCode(const QString &typed) { return latinUpper(typed.trimmed()) == QLatin1String(adminCode); }

bool ordinaryKeyBlank(TDataMdl &dm)
{
    Q_UNUSED(dm);
    const QVariant v = Store::instance().scalar("SELECT Password FROM PASSWORDS WHERE IsForAll = 0", {}, Store::Pass);
    return v.isNull() || v.toString().trimmed().isEmpty();
}

Check login(TDataMdl &dm, const QString &typed)
{
    Check r;
    Access::setFull(false);
    Table *t = dm.TblPasswords;
    try {
        if (!t->active())
            t->open();
        t->first();
        t->setFilter("Password=" + sqlQuote(typed));
        t->setFiltered(true);
        const bool found = !t->isEmpty();
        const QString stored = found ? t->text("Password").trimmed() : QString();
        const QString key = typed.trimmed();
        if (key.isEmpty())
            r.ok = ordinaryKeyBlank(dm) && stored.isEmpty();
        else
            r.ok = found && stored == key;
        if (r.ok && found && t->integer("IsForAll") == 1) {
            r.full = true;
            Access::setFull(true);
        }
        t->close();
    } catch (const DbError &e) {
        r = Check();
        r.error = e.message();
        t->close();
    }
    return r;
}

Check verifyOld(TDataMdl &dm, const QString &oldKey, bool special)
{
    Check r;
    Table *t = dm.TblPasswords;
    try {
        if (!t->active())
            t->open();
        t->setFilter("Password=" + sqlQuote(oldKey) + "and IsForAll=" + QString::number(special ? 1 : 0));
        t->setFiltered(true);
        const bool found = !t->isEmpty();
        const QString stored = found ? t->text("Password").trimmed() : QString();
        const QString key = oldKey.trimmed();
        if (found)
            r.ok = stored == key;
        else
            // No row for that user yet: only an empty old key matches, and the save creates the row.
            r.ok = key.isEmpty()
                && Store::instance()
                       .scalar("SELECT COUNT(*) FROM PASSWORDS WHERE IsForAll = ?", {special ? 1 : 0}, Store::Pass)
                           .toInt()
                       == 0;
        r.full = found ? t->integer("IsForAll") == 1 : special;
    } catch (const DbError &e) {
        r = Check();
        r.error = e.message();
    }
    return r;
}

void save(TDataMdl &dm, const QString &newKey, bool special)
{
    Table *t = dm.TblPasswords;
    if (!t->active())
        t->open();
    try {
        if (t->isEmpty()) {
            t->insert();
        } else {
            t->edit();
        }
        t->fieldByName("Password").setValue(newKey);
        t->fieldByName("IsForAll").setValue(special ? 1 : 0);
        t->post();
    } catch (...) {
        t->cancel();
        throw;
    }
}

} // namespace keys

} // namespace dorvani
