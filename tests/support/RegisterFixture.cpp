#include "RegisterFixture.h"

#include "platform/Registry.h"
#include "data/Store.h"

namespace dorvani::test {

namespace {
int ins(const QString &sql, const QVariantList &binds = {})
{
    return Store::instance().exec(sql, binds).lastInsertId().toInt();
}
} // namespace

RegisterFixture RegisterFixture::fill(bool home)
{
    RegisterFixture f;
    f.arkadia = ins("INSERT INTO NOMOI (NOMOS) VALUES ('ΑΡΚΑΔΙΑΣ')");
    f.achaia = ins("INSERT INTO NOMOI (NOMOS) VALUES ('ΑΧΑΪΑΣ')");
    f.mantineia = ins("INSERT INTO EPARXIES (NOMOS, EPARXIA) VALUES (?, 'ΜΑΝΤΙΝΕΙΑΣ')", {f.arkadia});
    f.gortynia = ins("INSERT INTO EPARXIES (NOMOS, EPARXIA) VALUES (?, 'ΓΟΡΤΥΝΙΑΣ')", {f.arkadia});
    f.patron = ins("INSERT INTO EPARXIES (NOMOS, EPARXIA) VALUES (?, 'ΠΑΤΡΩΝ')", {f.achaia});
    f.tripolis = ins("INSERT INTO DHMOI (NOMOS, EPARXIA, DHMOS) VALUES (?, ?, 'ΤΡΙΠΟΛΗΣ')", {f.arkadia, f.mantineia});
    f.dimitsana = ins("INSERT INTO DHMOI (NOMOS, EPARXIA, DHMOS) VALUES (?, ?, 'ΔΗΜΗΤΣΑΝΑΣ')", {f.arkadia, f.gortynia});
    f.patreon = ins("INSERT INTO DHMOI (NOMOS, EPARXIA, DHMOS) VALUES (?, ?, 'ΠΑΤΡΕΩΝ')", {f.achaia, f.patron});
    const QString town = "INSERT INTO POLEIS (NOMOS, EPARXIA, DHMOS, POLH, TK) VALUES (?, ?, ?, ?, ?)";
    f.tripoli = ins(town, {f.arkadia, f.mantineia, f.tripolis, "ΤΡΙΠΟΛΗ", "22100"});
    f.kapsas = ins(town, {f.arkadia, f.mantineia, f.tripolis, "ΚΑΨΑΣ", "22100"});
    f.dimitsanaTown = ins(town, {f.arkadia, f.gortynia, f.dimitsana, "ΔΗΜΗΤΣΑΝΑ", "22007"});
    f.patra = ins(town, {f.achaia, f.patron, f.patreon, "ΠΑΤΡΑ", "26221"});
    f.centre = ins("INSERT INTO EklogikaK (EKLOGIKOK, DHMOS, EPARXIA, NOMOS, ENORIA) VALUES "
                   "('1ο ΔΗΜΟΤΙΚΟ', ?, ?, ?, 'ΑΓΙΟΣ ΒΑΣΙΛΕΙΟΣ')",
                   {f.tripolis, f.mantineia, f.arkadia});
    f.no = ins("INSERT INTO \"NO\" (NOMOS, N_O) VALUES (?, 'Ν.Ο. ΑΡΚΑΔΙΑΣ')", {f.arkadia});
    f.noAchaia = ins("INSERT INTO \"NO\" (NOMOS, N_O) VALUES (?, 'Ν.Ο. ΑΧΑΪΑΣ')", {f.achaia});
    f.ne = ins("INSERT INTO NE (N_O, N_E) VALUES (?, 'Ν.Ε. ΚΕΝΤΡΟΥ')", {f.no});
    f.to = ins("INSERT INTO \"TO\" (N_O, N_E, T_O) VALUES (?, ?, 'Τ.Ο. ΤΡΙΠΟΛΗΣ')", {f.no, f.ne});
    f.cell = ins("INSERT INTO PYRHNAS (N_O, N_E, T_O, PYRHNAS) VALUES (?, ?, ?, 'ΠΛΑΤΕΙΑΣ')", {f.no, f.ne, f.to});
    f.melos = ins("INSERT INTO MELOS (MELOS) VALUES ('ΤΑΚΤΙΚΟ')");
    f.morfosh = ins("INSERT INTO Morfosh (Morfosh) VALUES ('ΑΝΩΤΑΤΗ')");
    f.aksiologhsh = ins("INSERT INTO Aksiologhsh (Aksiologhsh) VALUES ('ΑΞΙΟΠΙΣΤΟΣ')");
    f.influenceA = ins("INSERT INTO EPIROES (EPIROH) VALUES ('ΣΥΛΛΟΓΟΣ')");
    f.influenceB = ins("INSERT INTO EPIROES (EPIROH) VALUES ('ΕΝΟΡΙΑ')");
    for (const char *e : {"ΕΛΛΗΝΙΚΗ", "ΑΛΒΑΝΙΚΗ"})
        ins("INSERT INTO Ethinkothtes (ETHNIKOTHTA) VALUES (?)", {QString::fromUtf8(e)});
    for (const char *e : {"ΓΙΑΤΡΟΣ", "ΔΑΣΚΑΛΟΣ"})
        ins("INSERT INTO Epagelmata (Epagelma) VALUES (?)", {QString::fromUtf8(e)});
    for (const char *s : {"ΑΛΦΑ ΑΛΦΑΣ", "ΒΗΤΑ ΒΗΤΑΣ"})
        ins("INSERT INTO Synypops (Synypops) VALUES (?)", {QString::fromUtf8(s)});
    ins("INSERT INTO CELEBRITIES (NAME, DDATE, MONTHSID) VALUES ('ΑΝΔΡΟΝΙΚΟΣ,ΑΝΔΡΟΝΙΚΗ', 17, 5)");
    ins("INSERT INTO CELEBRITIES (NAME, DDATE, MONTHSID) VALUES ('ΝΙΚΟΛΑΟΣ,ΝΙΚΟΣ,ΝΙΚΗ', 6, 12)");
    ins("INSERT INTO CELEBRITIES (NAME, DDATE, MONTHSID) VALUES ('ΙΩΑΝΝΗΣ,ΓΙΑΝΝΗΣ', 7, 1)");
    ins("INSERT INTO KLHTIKH (ONOMA, KLHTIKH, FYLO) VALUES ('ΝΙΚΟΣ', 'ΝΙΚΟ,ΝΙΚΟΛΑ', 0)");
    ins("INSERT INTO KLHTIKH (ONOMA, KLHTIKH, FYLO) VALUES ('ΓΙΑΝΝΗΣ', 'ΓΙΑΝΝΗ \"ΑΓΙΕ ΓΙΑΝΝΗ\"', 0)");
    if (home) {
        Registry r(Registry::General);
        r.writeString("Settings", "Nomos", "ΑΡΚΑΔΙΑΣ");
        r.writeString("Settings", "NO", "Ν.Ο. ΑΡΚΑΔΙΑΣ");
        r.writeString("Settings", "Synypops", "ΑΛΦΑ ΑΛΦΑΣ");
    }
    return f;
}

} // namespace dorvani::test
