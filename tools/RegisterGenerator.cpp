#include "RegisterGenerator.h"

#include "citizens/CitizenStore.h"
#include "platform/Registry.h"
#include "data/Store.h"

#include <QDate>
#include <QStringList>
#include <QVector>

#include <random>

namespace dorvani::tools {

namespace {

const QStringList surnames = {
    "ΠΑΠΑΔΟΠΟΥΛΟΣ", "ΠΑΠΑΓΕΩΡΓΙΟΥ", "ΝΙΚΟΛΑΟΥ",   "ΓΕΩΡΓΙΟΥ",    "ΙΩΑΝΝΟΥ",     "ΒΑΣΙΛΕΙΟΥ",   "ΚΩΝΣΤΑΝΤΙΝΟΥ",
    "ΔΗΜΗΤΡΙΟΥ",    "ΑΝΤΩΝΙΟΥ",     "ΑΛΕΞΙΟΥ",    "ΜΙΧΑΗΛΙΔΗΣ",  "ΘΕΟΔΩΡΟΠΟΥΛΟΣ", "ΚΑΡΑΓΙΑΝΝΗΣ", "ΟΙΚΟΝΟΜΟΥ",
    "ΜΑΚΡΗΣ",       "ΣΤΑΥΡΟΠΟΥΛΟΣ", "ΑΘΑΝΑΣΙΟΥ",  "ΠΑΝΑΓΙΩΤΟΠΟΥΛΟΣ", "ΧΑΤΖΗΣ",   "ΚΟΥΤΣΟΣ",     "ΜΠΑΚΑΣ",
    "ΛΑΜΠΡΟΠΟΥΛΟΣ", "ΣΠΥΡΟΠΟΥΛΟΣ",  "ΑΝΑΣΤΑΣΙΟΥ", "ΧΡΙΣΤΟΔΟΥΛΟΥ", "ΜΑΝΩΛΑΚΗΣ",  "ΚΑΡΑΛΗΣ",     "ΤΣΑΚΙΡΗΣ",
    "ΡΑΠΤΗΣ",       "ΦΩΤΟΠΟΥΛΟΣ",   "ΚΟΝΤΟΣ",     "ΠΑΠΠΑΣ",      "ΒΛΑΧΟΣ",      "ΑΡΒΑΝΙΤΗΣ",   "ΜΠΟΥΡΑΣ",
    "ΓΚΙΚΑΣ",       "ΔΡΑΚΟΠΟΥΛΟΣ",  "ΖΑΦΕΙΡΗΣ",   "ΘΕΟΧΑΡΗΣ",    "ΚΑΛΟΓΕΡΟΠΟΥΛΟΣ", "ΛΙΑΚΟΣ",   "ΜΑΡΚΟΠΟΥΛΟΣ",
    "ΝΤΟΥΣΚΑΣ",     "ΞΥΔΑΚΗΣ",      "ΠΕΤΡΟΠΟΥΛΟΣ", "ΡΟΥΣΣΟΣ",    "ΣΑΡΑΝΤΟΠΟΥΛΟΣ", "ΤΖΑΝΕΤΟΣ",  "ΦΡΑΓΚΟΣ",
    "ΧΡΥΣΙΚΟΠΟΥΛΟΣ", "ΨΑΡΡΑΣ",      "ΑΓΓΕΛΟΠΟΥΛΟΣ", "ΒΑΡΕΛΑΣ",   "ΓΙΑΝΝΑΚΟΠΟΥΛΟΣ", "ΔΙΑΜΑΝΤΗΣ", "ΕΥΑΓΓΕΛΟΥ",
    "ΖΑΧΑΡΙΟΥ",     "ΗΛΙΟΠΟΥΛΟΣ",   "ΚΑΤΣΑΡΟΣ",   "ΛΕΒΕΝΤΗΣ",    "ΜΑΥΡΙΔΗΣ",    "ΝΑΣΟΠΟΥΛΟΣ",  "ΠΑΠΑΝΙΚΟΛΑΟΥ",
    "ΣΤΕΦΑΝΟΥ",     "ΤΡΙΑΝΤΑΦΥΛΛΟΥ", "ΦΛΩΡΟΣ",    "ΧΑΡΑΛΑΜΠΟΥΣ", "ΚΥΡΙΑΚΟΥ",    "ΜΠΕΚΙΑΡΗΣ",   "ΣΑΚΕΛΛΑΡΙΟΥ",
};

// First names with their vocative; some are in the name-day calendar below.
struct Name {
    const char *name;
    const char *vocative;
};
const QVector<Name> maleNames = {
    {"ΓΕΩΡΓΙΟΣ", "ΓΕΩΡΓΙΕ,ΓΙΩΡΓΟ"},   {"ΙΩΑΝΝΗΣ", "ΙΩΑΝΝΗ,ΓΙΑΝΝΗ"},      {"ΚΩΝΣΤΑΝΤΙΝΟΣ", "ΚΩΝΣΤΑΝΤΙΝΕ,ΚΩΣΤΑ"},
    {"ΔΗΜΗΤΡΙΟΣ", "ΔΗΜΗΤΡΙΕ,ΔΗΜΗΤΡΗ"}, {"ΝΙΚΟΛΑΟΣ", "ΝΙΚΟΛΑΕ,ΝΙΚΟ"},      {"ΠΑΝΑΓΙΩΤΗΣ", "ΠΑΝΑΓΙΩΤΗ,ΠΑΝΟ"},
    {"ΒΑΣΙΛΕΙΟΣ", "ΒΑΣΙΛΕΙΕ,ΒΑΣΙΛΗ"}, {"ΧΡΗΣΤΟΣ", "ΧΡΗΣΤΟ"},            {"ΑΘΑΝΑΣΙΟΣ", "ΑΘΑΝΑΣΙΕ,ΘΑΝΑΣΗ"},
    {"ΜΙΧΑΗΛ", "ΜΙΧΑΗΛ,ΜΙΧΑΛΗ"},      {"ΕΥΑΓΓΕΛΟΣ", "ΕΥΑΓΓΕΛΕ,ΒΑΓΓΕΛΗ"}, {"ΣΠΥΡΙΔΩΝ", "ΣΠΥΡΙΔΩΝ,ΣΠΥΡΟ"},
    {"ΑΝΤΩΝΙΟΣ", "ΑΝΤΩΝΙΕ,ΑΝΤΩΝΗ"},   {"ΑΝΑΣΤΑΣΙΟΣ", "ΑΝΑΣΤΑΣΙΕ,ΤΑΣΟ"},  {"ΘΕΟΔΩΡΟΣ", "ΘΕΟΔΩΡΕ,ΘΟΔΩΡΗ"},
    {"ΑΝΔΡΕΑΣ", "ΑΝΔΡΕΑ"},            {"ΧΑΡΑΛΑΜΠΟΣ", "ΧΑΡΑΛΑΜΠΕ,ΜΠΑΜΠΗ"}, {"ΣΤΑΥΡΟΣ", "ΣΤΑΥΡΟ"},
    {"ΗΛΙΑΣ", "ΗΛΙΑ"},                {"ΣΤΕΦΑΝΟΣ", "ΣΤΕΦΑΝΕ"},            {"ΑΛΕΞΑΝΔΡΟΣ", "ΑΛΕΞΑΝΔΡΕ,ΑΛΕΚΟ"},
    {"ΠΕΤΡΟΣ", "ΠΕΤΡΟ"},              {"ΕΜΜΑΝΟΥΗΛ", "ΕΜΜΑΝΟΥΗΛ,ΜΑΝΩΛΗ"},  {"ΣΩΤΗΡΙΟΣ", "ΣΩΤΗΡΙΕ,ΣΩΤΗΡΗ"},
    {"ΑΡΙΣΤΕΙΔΗΣ", "ΑΡΙΣΤΕΙΔΗ"},      {"ΛΕΩΝΙΔΑΣ", "ΛΕΩΝΙΔΑ"},            {"ΦΩΤΙΟΣ", "ΦΩΤΙΕ,ΦΩΤΗ"},
};
const QVector<Name> femaleNames = {
    {"ΜΑΡΙΑ", "ΜΑΡΙΑ"},         {"ΕΛΕΝΗ", "ΕΛΕΝΗ"},         {"ΑΙΚΑΤΕΡΙΝΗ", "ΑΙΚΑΤΕΡΙΝΗ,ΚΑΤΕΡΙΝΑ"},
    {"ΒΑΣΙΛΙΚΗ", "ΒΑΣΙΛΙΚΗ,ΒΑΣΩ"}, {"ΣΟΦΙΑ", "ΣΟΦΙΑ"},        {"ΑΓΓΕΛΙΚΗ", "ΑΓΓΕΛΙΚΗ"},
    {"ΓΕΩΡΓΙΑ", "ΓΕΩΡΓΙΑ"},     {"ΔΗΜΗΤΡΑ", "ΔΗΜΗΤΡΑ"},     {"ΚΩΝΣΤΑΝΤΙΝΑ", "ΚΩΝΣΤΑΝΤΙΝΑ,ΝΤΙΝΑ"},
    {"ΙΩΑΝΝΑ", "ΙΩΑΝΝΑ,ΓΙΑΝΝΑ"}, {"ΠΑΡΑΣΚΕΥΗ", "ΠΑΡΑΣΚΕΥΗ,ΒΟΥΛΑ"}, {"ΕΥΑΓΓΕΛΙΑ", "ΕΥΑΓΓΕΛΙΑ,ΒΑΓΓΕΛΙΩ"},
    {"ΧΡΙΣΤΙΝΑ", "ΧΡΙΣΤΙΝΑ"},   {"ΑΝΑΣΤΑΣΙΑ", "ΑΝΑΣΤΑΣΙΑ,ΤΑΣΟΥΛΑ"}, {"ΕΙΡΗΝΗ", "ΕΙΡΗΝΗ"},
    {"ΘΕΟΔΩΡΑ", "ΘΕΟΔΩΡΑ,ΔΩΡΑ"}, {"ΑΝΝΑ", "ΑΝΝΑ"},          {"ΔΕΣΠΟΙΝΑ", "ΔΕΣΠΟΙΝΑ"},
    {"ΚΥΡΙΑΚΗ", "ΚΥΡΙΑΚΗ,ΚΟΥΛΑ"}, {"ΣΤΑΥΡΟΥΛΑ", "ΣΤΑΥΡΟΥΛΑ"}, {"ΑΡΓΥΡΩ", "ΑΡΓΥΡΩ"},
    {"ΠΑΝΑΓΙΩΤΑ", "ΠΑΝΑΓΙΩΤΑ,ΓΙΩΤΑ"}, {"ΝΙΚΟΛΕΤΑ", "ΝΙΚΟΛΕΤΑ"}, {"ΧΡΥΣΟΥΛΑ", "ΧΡΥΣΟΥΛΑ"},
};
// Name days: the names of a day, day and month.
struct Celebration {
    const char *names;
    int day, month;
};
const QVector<Celebration> calendar = {
    {"ΒΑΣΙΛΕΙΟΣ,ΒΑΣΙΛΙΚΗ", 1, 1},       {"ΙΩΑΝΝΗΣ,ΙΩΑΝΝΑ", 7, 1},           {"ΑΘΑΝΑΣΙΟΣ", 18, 1},
    {"ΧΑΡΑΛΑΜΠΟΣ", 10, 2},              {"ΘΕΟΔΩΡΟΣ,ΘΕΟΔΩΡΑ", 17, 2},        {"ΕΥΑΓΓΕΛΟΣ,ΕΥΑΓΓΕΛΙΑ", 25, 3},
    {"ΓΕΩΡΓΙΟΣ,ΓΕΩΡΓΙΑ", 23, 4},        {"ΕΙΡΗΝΗ", 5, 5},                   {"ΚΩΝΣΤΑΝΤΙΝΟΣ,ΚΩΝΣΤΑΝΤΙΝΑ,ΕΛΕΝΗ", 21, 5},
    {"ΠΕΤΡΟΣ", 29, 6},                  {"ΚΥΡΙΑΚΗ", 7, 7},                  {"ΠΑΡΑΣΚΕΥΗ", 26, 7},
    {"ΣΩΤΗΡΙΟΣ", 6, 8},                 {"ΜΑΡΙΑ,ΠΑΝΑΓΙΩΤΗΣ,ΠΑΝΑΓΙΩΤΑ,ΔΕΣΠΟΙΝΑ", 15, 8},
    {"ΣΟΦΙΑ", 17, 9},                   {"ΔΗΜΗΤΡΙΟΣ,ΔΗΜΗΤΡΑ", 26, 10},      {"ΜΙΧΑΗΛ,ΑΓΓΕΛΙΚΗ", 8, 11},
    {"ΑΙΚΑΤΕΡΙΝΗ", 25, 11},             {"ΑΝΔΡΕΑΣ", 30, 11},                {"ΝΙΚΟΛΑΟΣ,ΝΙΚΟΛΕΤΑ", 6, 12},
    {"ΣΠΥΡΙΔΩΝ", 12, 12},               {"ΣΤΕΦΑΝΟΣ", 27, 12},               {"ΑΝΑΣΤΑΣΙΑ", 22, 12},
    {"ΗΛΙΑΣ", 20, 7},                   {"ΑΝΤΩΝΙΟΣ", 17, 1},                {"ΑΝΝΑ", 25, 7},
    {"ΧΡΙΣΤΙΝΑ", 24, 7},                {"ΣΤΑΥΡΟΣ,ΣΤΑΥΡΟΥΛΑ", 14, 9},       {"ΕΜΜΑΝΟΥΗΛ", 26, 3},
    {"ΦΩΤΙΟΣ", 6, 2},                   {"ΛΕΩΝΙΔΑΣ", 15, 4},                {"ΑΡΓΥΡΩ", 30, 4},
    {"ΧΡΗΣΤΟΣ,ΧΡΙΣΤΙΝΑ", 25, 12},       {"ΑΛΕΞΑΝΔΡΟΣ", 30, 8},              {"ΑΡΙΣΤΕΙΔΗΣ", 13, 9},
};
const QStringList streets = {"ΕΛΕΥΘΕΡΙΟΥ ΒΕΝΙΖΕΛΟΥ", "ΑΓΙΟΥ ΝΙΚΟΛΑΟΥ", "28ΗΣ ΟΚΤΩΒΡΙΟΥ", "ΚΟΛΟΚΟΤΡΩΝΗ",
                             "ΑΘΗΝΑΣ", "ΕΘΝΙΚΗΣ ΑΝΤΙΣΤΑΣΕΩΣ", "ΠΑΠΑΦΛΕΣΣΑ", "ΜΑΚΕΔΟΝΙΑΣ",
                             "ΚΑΡΑΙΣΚΑΚΗ", "ΜΙΑΟΥΛΗ", "ΚΑΝΑΡΗ", "ΤΣΑΚΑΛΩΦ", "ΠΛΑΤΕΙΑ ΑΓΟΡΑΣ"};

struct Prefecture {
    const char *name;
    const char *code; // first three digits of its postal codes
    QStringList provinces;
};
const QVector<Prefecture> prefectures = {
    {"ΑΡΚΑΔΙΑΣ", "221", {"ΜΑΝΤΙΝΕΙΑΣ", "ΓΟΡΤΥΝΙΑΣ", "ΚΥΝΟΥΡΙΑΣ", "ΜΕΓΑΛΟΠΟΛΕΩΣ"}},
    {"ΑΧΑΪΑΣ", "261", {"ΠΑΤΡΩΝ", "ΑΙΓΙΑΛΕΙΑΣ", "ΚΑΛΑΒΡΥΤΩΝ"}},
    {"ΜΕΣΣΗΝΙΑΣ", "241", {"ΚΑΛΑΜΩΝ", "ΠΥΛΙΑΣ", "ΤΡΙΦΥΛΙΑΣ"}},
    {"ΛΑΚΩΝΙΑΣ", "231", {"ΛΑΚΕΔΑΙΜΟΝΟΣ", "ΕΠΙΔΑΥΡΟΥ ΛΙΜΗΡΑΣ"}},
    {"ΑΡΓΟΛΙΔΑΣ", "212", {"ΑΡΓΟΥΣ", "ΝΑΥΠΛΙΑΣ", "ΕΡΜΙΟΝΙΔΟΣ"}},
};
const QStringList placeRoots = {"ΑΓΙΟΣ ΠΕΤΡΟΣ", "ΚΑΣΤΡΙ", "ΛΕΒΙΔΙ", "ΒΥΤΙΝΑ", "ΚΑΡΥΕΣ", "ΜΗΛΙΑ", "ΠΛΑΤΑΝΟΣ",
                                "ΝΕΟΧΩΡΙ", "ΠΑΛΑΙΟΧΩΡΙ", "ΚΕΡΑΣΙΑ", "ΑΜΠΕΛΑΚΙΑ", "ΣΤΕΜΝΙΤΣΑ", "ΚΑΛΛΙΘΕΑ",
                                "ΡΙΖΑ", "ΠΥΡΓΟΣ", "ΚΑΜΠΟΣ", "ΒΡΥΣΕΣ", "ΣΚΟΤΕΙΝΗ", "ΔΑΦΝΗ", "ΛΙΜΝΗ"};

const QStringList professions = {"ΓΙΑΤΡΟΣ", "ΔΙΚΗΓΟΡΟΣ", "ΕΚΠΑΙΔΕΥΤΙΚΟΣ", "ΓΕΩΡΓΟΣ", "ΚΤΗΝΟΤΡΟΦΟΣ",
                                 "ΕΜΠΟΡΟΣ", "ΙΔΙΩΤΙΚΟΣ ΥΠΑΛΛΗΛΟΣ", "ΔΗΜΟΣΙΟΣ ΥΠΑΛΛΗΛΟΣ", "ΣΥΝΤΑΞΙΟΥΧΟΣ",
                                 "ΦΟΙΤΗΤΗΣ", "ΜΗΧΑΝΙΚΟΣ", "ΛΟΓΙΣΤΗΣ", "ΟΙΚΙΑΚΑ", "ΟΔΗΓΟΣ", "ΗΛΕΚΤΡΟΛΟΓΟΣ",
                                 "ΥΔΡΑΥΛΙΚΟΣ", "ΕΣΤΙΑΤΟΡΑΣ", "ΦΑΡΜΑΚΟΠΟΙΟΣ", "ΝΟΣΗΛΕΥΤΗΣ", "ΑΣΤΥΝΟΜΙΚΟΣ"};
const QStringList nationalities = {"ΕΛΛΗΝΙΚΗ", "ΑΛΒΑΝΙΚΗ", "ΒΟΥΛΓΑΡΙΚΗ", "ΚΥΠΡΙΑΚΗ", "ΡΟΥΜΑΝΙΚΗ"};
const QStringList education = {"ΔΗΜΟΤΙΚΟ", "ΓΥΜΝΑΣΙΟ", "ΛΥΚΕΙΟ", "ΤΕΧΝΙΚΗ ΣΧΟΛΗ", "ΑΝΩΤΑΤΗ", "ΜΕΤΑΠΤΥΧΙΑΚΟ"};
const QStringList evaluation = {"ΑΞΙΟΠΙΣΤΟΣ", "ΕΝΕΡΓΟΣ", "ΠΕΡΙΣΤΑΣΙΑΚΟΣ", "ΑΜΦΙΒΟΛΟΣ"};
const QStringList members = {"ΤΑΚΤΙΚΟ", "ΔΟΚΙΜΟ", "ΦΙΛΟΣ", "ΣΤΕΛΕΧΟΣ"};
const QStringList influences = {"ΣΥΛΛΟΓΟΣ", "ΕΝΟΡΙΑ", "ΣΩΜΑΤΕΙΟ", "ΚΑΦΕΝΕΙΟ", "ΣΥΝΕΤΑΙΡΙΣΜΟΣ",
                                "ΑΘΛΗΤΙΚΟΣ ΣΥΛΛΟΓΟΣ", "ΣΧΟΛΕΙΟ", "ΕΠΑΓΓΕΛΜΑΤΙΚΟΣ ΧΩΡΟΣ", "ΓΕΙΤΟΝΙΑ", "ΣΥΓΓΕΝΕΙΣ"};
const QStringList coCandidates = {"ΑΛΕΞΙΟΥ ΓΕΩΡΓΙΟΣ", "ΒΑΣΙΛΕΙΟΥ ΜΑΡΙΑ", "ΓΕΩΡΓΙΟΥ ΝΙΚΟΛΑΟΣ",
                                  "ΔΗΜΗΤΡΙΟΥ ΕΛΕΝΗ", "ΚΩΝΣΤΑΝΤΙΝΟΥ ΠΕΤΡΟΣ"};
const QStringList subjects = {"ΜΕΤΑΘΕΣΗ", "ΔΙΟΡΙΣΜΟΣ", "ΣΥΝΤΑΞΗ", "ΑΔΕΙΑ ΟΙΚΟΔΟΜΗΣ", "ΕΠΙΔΟΤΗΣΗ", "ΥΓΕΙΑ"};

QString feminine(const QString &surname)
{
    if (surname.endsWith("ΟΣ"))
        return surname.left(surname.size() - 2) + "ΟΥ";
    if (surname.endsWith("ΗΣ") || surname.endsWith("ΑΣ"))
        return surname.left(surname.size() - 1);
    return surname;
}

class Random {
public:
    explicit Random(quint64 seed) : m_gen(seed) {}
    int below(int n) { return n <= 0 ? 0 : int(std::uniform_int_distribution<int>(0, n - 1)(m_gen)); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(m_gen) < p; }
    template <class C> const auto &pick(const C &c) { return c[below(int(c.size()))]; }
    QString digits(int n)
    {
        QString s;
        for (int i = 0; i < n; ++i)
            s += QChar('0' + below(10));
        return s;
    }

private:
    std::mt19937_64 m_gen;
};

int ins(const QString &sql, const QVariantList &binds = {})
{
    return Store::instance().exec(sql, binds).lastInsertId().toInt();
}

struct Town {
    int nomos, eparxia, dhmos, autonum;
    QString tk;
    int centre;
};

} // namespace

int generateRegister(const GeneratorOptions &o, const std::function<void(int, int)> &progress)
{
    Store &s = Store::instance();
    if (s.scalar("SELECT COUNT(*) FROM POLITES").toInt() > 0)
        throw DbError("Το μητρώο δεν είναι κενό: η δημιουργία γίνεται μόνο σε κενό φάκελο δεδομένων.");
    Random r(o.seed);

    // ---- reference lists
    QVector<Town> towns;
    QVector<int> homeTowns;
    QVector<int> cells, cellTo, cellNe, cellNo;
    QVector<int> influenceIds, educationIds, evaluationIds, memberIds;
    {
        Transaction tx(s);
        for (const QString &p : professions)
            ins("INSERT INTO Epagelmata (Epagelma) VALUES (?)", {p});
        for (const QString &n : nationalities)
            ins("INSERT INTO Ethinkothtes (ETHNIKOTHTA) VALUES (?)", {n});
        for (const QString &e : education)
            educationIds << ins("INSERT INTO Morfosh (Morfosh) VALUES (?)", {e});
        for (const QString &e : evaluation)
            evaluationIds << ins("INSERT INTO Aksiologhsh (Aksiologhsh) VALUES (?)", {e});
        for (const QString &m : members)
            memberIds << ins("INSERT INTO MELOS (MELOS) VALUES (?)", {m});
        for (const QString &i : influences)
            influenceIds << ins("INSERT INTO EPIROES (EPIROH) VALUES (?)", {i});
        for (const QString &c : coCandidates)
            ins("INSERT INTO Synypops (Synypops) VALUES (?)", {c});
        for (const Celebration &c : calendar)
            ins("INSERT INTO CELEBRITIES (NAME, DDATE, MONTHSID) VALUES (?, ?, ?)",
                {QString::fromUtf8(c.names), c.day, c.month});
        for (const auto *names : {&maleNames, &femaleNames})
            for (const Name &n : *names)
                ins("INSERT INTO KLHTIKH (ONOMA, KLHTIKH, FYLO) VALUES (?, ?, ?)",
                    {QString::fromUtf8(n.name), QString::fromUtf8(n.vocative), names == &maleNames ? 0 : 1});

        for (int pi = 0; pi < prefectures.size(); ++pi) {
            const Prefecture &p = prefectures[pi];
            const int nomos = ins("INSERT INTO NOMOI (NOMOS) VALUES (?)", {QString::fromUtf8(p.name)});
            const int no = ins("INSERT INTO \"NO\" (NOMOS, N_O) VALUES (?, ?)", {nomos, QString("Ν.Ο. ") + p.name});
            for (int ei = 0; ei < p.provinces.size(); ++ei) {
                const int eparxia = ins("INSERT INTO EPARXIES (NOMOS, EPARXIA) VALUES (?, ?)", {nomos, p.provinces[ei]});
                const int ne = ins("INSERT INTO NE (N_O, N_E) VALUES (?, ?)", {no, "Ν.Ε. " + p.provinces[ei]});
                const int municipalities = 3 + r.below(4);
                for (int di = 0; di < municipalities; ++di) {
                    const QString dname = placeRoots[(pi * 7 + ei * 5 + di * 3) % placeRoots.size()]
                                          + QString(" %1%2").arg(QChar(0x0391 + ei)).arg(di + 1);
                    const int dhmos = ins("INSERT INTO DHMOI (NOMOS, EPARXIA, DHMOS) VALUES (?, ?, ?)",
                                          {nomos, eparxia, "ΔΗΜΟΣ " + dname});
                    const int to = ins("INSERT INTO \"TO\" (N_O, N_E, T_O) VALUES (?, ?, ?)", {no, ne, "Τ.Ο. " + dname});
                    for (int ci = 0; ci < 2 + r.below(3); ++ci) {
                        const int cell = ins("INSERT INTO PYRHNAS (N_O, N_E, T_O, PYRHNAS) VALUES (?, ?, ?, ?)",
                                             {no, ne, to, QString("ΠΥΡΗΝΑΣ %1 %2").arg(dname).arg(ci + 1)});
                        cells << cell;
                        cellTo << to;
                        cellNe << ne;
                        cellNo << no;
                    }
                    QVector<int> centres;
                    for (int k = 0; k < 1 + r.below(3); ++k)
                        centres << ins("INSERT INTO EklogikaK (EKLOGIKOK, DHMOS, EPARXIA, NOMOS, ENORIA) VALUES "
                                       "(?, ?, ?, ?, ?)",
                                       {QString("%1ο ΔΗΜΟΤΙΚΟ ΣΧΟΛΕΙΟ").arg(k + 1), dhmos, eparxia, nomos,
                                        placeRoots[r.below(int(placeRoots.size()))]});
                    const QString tk = QString::fromLatin1(p.code) + QString::number(ei) + QString::number(di);
                    const int count = 3 + r.below(8);
                    for (int ti = 0; ti < count; ++ti) {
                        const QString tname = ti == 0 ? dname : placeRoots[r.below(int(placeRoots.size()))] + " "
                                                                    + QString::number(ti);
                        const int town = ins("INSERT INTO POLEIS (NOMOS, EPARXIA, DHMOS, POLH, TK) VALUES (?, ?, ?, ?, ?)",
                                             {nomos, eparxia, dhmos, tname, tk});
                        towns.append({nomos, eparxia, dhmos, town, tk, r.pick(centres)});
                        if (pi == 0)
                            homeTowns << int(towns.size()) - 1;
                    }
                }
            }
        }
        tx.commit();
    }
    if (o.writeSettings) {
        Registry reg(Registry::General);
        reg.writeString("Settings", "Nomos", QString::fromUtf8(prefectures[0].name));
        reg.writeString("Settings", "NO", QString("Ν.Ο. ") + prefectures[0].name);
        reg.writeString("Settings", "Synypops", coCandidates[0]);
    }

    // ---- citizens, written by the register's own saving in batches
    const QList<CoCandidateVotes> candidates = CitizenStore::coCandidates();
    const int batch = 2000;
    int done = 0;
    while (done < o.citizens) {
        if (done > 0)
            Store::crashPoint("generator-citizens");
        Transaction tx(s);
        const int end = qMin(o.citizens, done + batch);
        for (; done < end; ++done) {
            const bool woman = r.chance(0.5);
            const Name &first = woman ? r.pick(femaleNames) : r.pick(maleNames);
            const QString surname = r.pick(surnames);
            const Town &t = towns[r.chance(0.85) ? homeTowns[r.below(int(homeTowns.size()))] : r.below(int(towns.size()))];
            CitizenRecord c;
            QVariantMap &f = c.fields;
            f["EPITHETO"] = woman ? feminine(surname) : surname;
            f["ONOMA"] = QString::fromUtf8(first.name);
            f["PATR"] = QString::fromUtf8(r.pick(maleNames).name);
            f["MHTR"] = QString::fromUtf8(r.pick(femaleNames).name);
            f["ETHNIKOTHTA"] = r.chance(0.95) ? nationalities[0] : r.pick(nationalities);
            f["MORFOSH"] = r.chance(0.7) ? QVariant(r.pick(educationIds)) : QVariant();
            f["EPAGELMA"] = r.chance(0.8) ? r.pick(professions) : QString();
            f["ADDRESS"] = r.pick(streets) + " " + QString::number(1 + r.below(120));
            f["TK"] = t.tk;
            f["POLH"] = t.autonum;
            f["DHMOS"] = t.dhmos;
            f["EPARXIA"] = t.eparxia;
            f["NOMOS"] = t.nomos;
            const int year = 1930 + r.below(77), month = 1 + r.below(12), day = 1 + r.below(28);
            const int birthKind = r.below(20);
            f["BIRTHDAY"] = birthKind == 0   ? QString("XX/XX/XXXX")
                            : birthKind < 3 ? QString("%1/%2/XXXX").arg(day, 2, 10, QChar('0')).arg(month, 2, 10, QChar('0'))
                                            : QString("%1/%2/%3")
                                                  .arg(day, 2, 10, QChar('0'))
                                                  .arg(month, 2, 10, QChar('0'))
                                                  .arg(year);
            QString celebr = "XX/XX";
            for (const Celebration &cel : calendar)
                if (QString::fromUtf8(cel.names).split(',').contains(QString::fromUtf8(first.name))) {
                    celebr = QString("%1/%2").arg(cel.day, 2, 10, QChar('0')).arg(cel.month, 2, 10, QChar('0'));
                    break;
                }
            f["CELEBRDAY"] = celebr;
            f["ETERODHMOTHS"] = r.chance(0.1) ? 0 : 1;
            f["SYMAXIA"] = r.chance(0.2) ? 0 : 1;
            f["SXESH"] = r.below(6) - 1;
            f["KOMA"] = r.below(15) - 1;
            f["ASKHSH"] = t.centre;
            f["FYLO"] = woman ? 1 : 0;
            f["OIKOGKAT"] = r.chance(0.8) ? QVariant(r.below(4)) : QVariant();
            f["MELHOIKOG"] = r.chance(0.6) ? QVariant(1 + r.below(7)) : QVariant();
            f["TELO_1"] = r.chance(0.8) ? "27" + r.digits(8) : QString();
            f["TELE_1"] = r.chance(0.3) ? "27" + r.digits(8) : QString();
            f["MOBILE1"] = r.chance(0.7) ? "69" + r.digits(8) : QString();
            f["EMAIL"] = r.chance(0.1) ? QString("user%1@example.gr").arg(done) : QString();
            QStringList contacts;
            for (int k = 0; k < 6; ++k)
                if (r.chance(0.2))
                    contacts << QString::number(k);
            f["EPAFES"] = contacts.join(',');
            QStringList influenceList;
            for (int id : influenceIds)
                if (r.chance(0.12))
                    influenceList << QString::number(id);
            f["EPIROH"] = influenceList.join(',');
            f["IDIOTHTA"] = r.chance(0.05) ? QString::number(r.below(27)) : QString();
            const int avote = r.chance(0.6) ? r.below(11) : -1, pvote = r.chance(0.4) ? r.below(21) : -1;
            f["AVOTE"] = avote >= 0 ? QVariant(avote) : QVariant();
            f["PVOTE"] = pvote >= 0 ? QVariant(pvote) : QVariant();
            f["P_PSHFOI"] = r.chance(0.1) ? QVariant(r.below(50)) : QVariant();
            f["PSHFOI_P"] = r.chance(0.1) ? QVariant(r.below(50)) : QVariant();
            if (r.chance(0.3)) {
                const int cell = r.below(int(cells.size()));
                f["PYRHNASID"] = cells[cell];
                f["TO_ID"] = cellTo[cell];
                f["NE_ID"] = cellNe[cell];
                f["NO_ID"] = cellNo[cell];
                f["MelosID"] = r.pick(memberIds);
            }
            f["AKSIOLOGHSH"] = r.chance(0.3) ? QVariant(r.pick(evaluationIds)) : QVariant();
            QStringList voc = QString::fromUtf8(first.vocative).split(',');
            f["KLHTIKH"] = voc.last();
            f["NOTES"] = r.chance(0.05) ? QString("ΣΥΝΑΝΤΗΣΗ ΣΤΟ ΓΡΑΦΕΙΟ") : QString();

            // The votes go to the office's own candidate, a few to another.
            c.votes = candidates;
            if (avote >= 0 && pvote >= 0)
                c.votes[0].votes = avote + pvote;
            if (r.chance(0.2))
                c.votes[1 + r.below(int(c.votes.size()) - 1)].votes = 1 + r.below(5);
            if (r.chance(0.02))
                c.notes = {r.chance(0.5) ? QString("ΑΝΤΙΠΑΛΟΤΗΤΑ ΜΕ ΤΟΠΙΚΟ ΣΤΕΛΕΧΟΣ") : QString(),
                           r.pick(subjects), QString()};
            const int id = CitizenStore::insert(c);
            if (r.chance(0.05)) {
                const int contactsCount = 1 + r.below(3);
                for (int k = 0; k < contactsCount; ++k)
                    s.exec("INSERT INTO EPAFES (EDate, POLITES_ID, THEMA, PARATHRHSEIS) VALUES (?, ?, ?, ?)",
                           {QDate(2020 + r.below(7), 1 + r.below(12), 1 + r.below(28)).toString(Qt::ISODate), id,
                            r.pick(subjects), QString("ΕΠΑΦΗ %1").arg(k + 1)});
            }
        }
        tx.commit();
        if (progress)
            progress(done, o.citizens);
    }
    return done;
}

} // namespace dorvani::tools
