#include "reference/ReferenceData.h"

#include "data/DataModule.h"
#include "data/GreekText.h"
#include "platform/Registry.h"
#include "data/Schema.h"
#include "data/Store.h"

namespace dorvani::refdata {

QString storedName(const QString &typed, int width, QString *error)
{
    const QString name = greekUpper(typed.trimmed());
    QString why;
    if (name.isEmpty())
        why = "Δεν δόθηκε όνομα. Πληκτρολογήστε ένα όνομα.";
    else if (width > 0 && name.size() > width)
        why = QString("Το όνομα είναι πολύ μεγάλο: επιτρέπονται έως %1 χαρακτήρες.").arg(width);
    if (error)
        *error = why;
    return why.isEmpty() ? name : QString();
}

bool insertRow(Table *t, const QStringList &fields, const QVariantList &values, const QHash<QString, QVariant> &alsoSet)
{
    if (t->locate(fields, values))
        return false;
    t->insert();
    try {
        for (int i = 0; i < fields.size(); ++i)
            t->fieldByName(fields[i]).setValue(values.value(i));
        for (auto it = alsoSet.cbegin(); it != alsoSet.cend(); ++it)
            t->fieldByName(it.key()).setValue(it.value());
        t->post();
    } catch (...) {
        t->cancel();
        throw;
    }
    return true;
}

void renameRow(Table *t, const QString &field, const QString &name)
{
    t->edit();
    try {
        t->fieldByName(field).setValue(name);
        t->post();
    } catch (...) {
        t->cancel();
        throw;
    }
}

bool anyRow(const QString &sqlEndingWithEquals, const QVariant &number)
{
    QSqlQuery q = Store::instance().exec(sqlEndingWithEquals + "?", {number});
    return q.next();
}

bool morfoshInUse(const QVariant &number) { return anyRow("Select MORFOSH From Polites where MORFOSH=", number); }

bool aksiologhshInUse(const QVariant &number)
{
    return anyRow("Select Aksiologhsh From Polites where Aksiologhsh=", number);
}

bool partyInUse(const QVariant &number) { return anyRow("Select KOMMAID From NOMARXIES where KOMMAID=", number); }

bool partyPositionInUse(const QVariant &number)
{
    const QStringList lines = {
        "Select KOMMATIKH_THESH_ID From NOMARXIES_STRUCT where KOMMATIKH_THESH_ID=?",
        "UNION ALL Select KOMMATIKH_THESH_ID From DHMARXIES_STRUCT where KOMMATIKH_THESH_ID=?",
        "UNION ALL Select KOMMATIKH_THESH_ID From NOMARXIAKES_O_STRUCT where KOMMATIKH_THESH_ID=?",
        "UNION ALL Select KOMMATIKH_THESH_ID From TOPIKES_O_STRUCT where KOMMATIKH_THESH_ID=?",
    };
    QSqlQuery q = Store::instance().exec(lines.join('\n'), {number, number, number, number});
    return q.next();
}

bool memberRoleInUse(const QVariant &number)
{
    return anyRow("Select Pers_Idiothta_ID From Nomarxies_STRUCT where Pers_Idiothta_ID=", number);
}

bool townInUse(const QVariant &number) { return anyRow("Select POLH From Polites where POLH=", number); }

bool centreInUse(const QVariant &number) { return anyRow("Select ASKHSH From Polites where Askhsh=", number); }

bool partyCellInUse(const QVariant &number) { return anyRow("Select PYRHNASID From Polites where PYRHNASID=", number); }

bool insertParty(TDataMdl &dm, const QString &name)
{
    Store &s = Store::instance();
    Transaction tx(s);
    if (!insertRow(dm.TblKommata, {"KOMMA"}, {name}))
        return false;
    const QVariant number = dm.TblKommata->value("AUTONUM");
    s.exec("INSERT INTO KOMMATASTRUCT (KOMMA, AUTONUM) VALUES (?, ?)", {name, number});
    s.exec("INSERT INTO SYMMAXIES (KOMMA, AUTONUM) VALUES (?, ?)", {name, number});
    tx.commit();
    return true;
}

void renameParty(TDataMdl &dm, const QString &name)
{
    Store &s = Store::instance();
    Transaction tx(s);
    const QVariant number = dm.TblKommata->value("AUTONUM");
    renameRow(dm.TblKommata, "KOMMA", name);
    // A copy that is missing is skipped.
    s.exec("UPDATE KOMMATASTRUCT SET KOMMA = ? WHERE AUTONUM = ?", {name, number});
    s.exec("UPDATE SYMMAXIES SET KOMMA = ? WHERE AUTONUM = ?", {name, number});
    tx.commit();
}

void deleteParty(TDataMdl &dm)
{
    Store &s = Store::instance();
    Transaction tx(s);
    const QVariant number = dm.TblKommata->value("AUTONUM");
    s.exec("Delete from KommataStruct Where Autonum=?", {number});
    s.exec("Delete from Symmaxies Where Autonum=?", {number});
    dm.TblKommata->remove();
    tx.commit();
}

void renameCoCandidate(TDataMdl &dm, const QString &name)
{
    Store &s = Store::instance();
    Transaction tx(s);
    const QString old = dm.TblSynypops->text("Synypops");
    // The list row first: a name that exists already fails here, before any vote row changed.
    renameRow(dm.TblSynypops, "Synypops", name);
    if (old != name)
        s.exec("Update POLITES_SYNYPOPS SET SYNYPOPS = ? WHERE SYNYPOPS = ?", {name, old});
    tx.commit();
}

void deleteCoCandidate(TDataMdl &dm)
{
    Store &s = Store::instance();
    Transaction tx(s);
    const QString old = dm.TblSynypops->text("Synypops");
    s.exec("Delete From POLITES_SYNYPOPS WHERE SYNYPOPS = ?", {old});
    dm.TblSynypops->remove();
    tx.commit();
}

void renameTown(TDataMdl &dm, const QString &name, const QVariant &homePrefecture)
{
    Store &s = Store::instance();
    Table *t = dm.TblPOLEIS;
    const int width = Schema::table("TOT_PSHFOI").field("POLH")->width;
    const QString oldKey = t->text("POLH").left(width);
    const QString newKey = name.left(width);
    const QVariant nomos = t->value("NOMOS");
    Transaction tx(s);
    renameRow(t, "POLH", name);
    if (oldKey != newKey) {
        const bool inHome = homePrefecture.isNull() || homePrefecture.toLongLong() == nomos.toLongLong();
        const bool alone = s.scalar("SELECT COUNT(*) FROM POLEIS WHERE NOMOS IS ? AND substr(POLH, 1, ?) = ?",
                                    {nomos, width, oldKey})
                               .toInt()
            == 0;
        if (inHome && alone)
            s.exec("UPDATE TOT_PSHFOI SET POLH = ? WHERE POLH = ?", {newKey, oldKey});
    }
    tx.commit();
}

QVariant homePrefecture()
{
    const QString name = Registry(Registry::General).readString("Settings", "Nomos");
    if (name.isEmpty())
        return {};
    return Store::instance().scalar("SELECT AUTONUM FROM NOMOI WHERE NOMOS = ?", {name});
}

QString centreFilter(const QVariant &nomos, const QVariant &eparxia, const QVariant &dhmos)
{
    auto num = [](const QVariant &v) { return QString::number(v.toLongLong()); };
    if (nomos.isNull())
        return "Nomos=0"; // no centre has prefecture 0
    if (eparxia.isNull())
        return "Nomos=" + num(nomos) + " AND Eparxia=0";
    QString f = "Nomos=" + num(nomos) + " AND Eparxia=" + num(eparxia);
    if (!dhmos.isNull())
        f += " AND Dhmos=" + num(dhmos);
    return f;
}

} // namespace dorvani::refdata
