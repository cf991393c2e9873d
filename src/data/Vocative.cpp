#include "data/Vocative.h"

#include "data/GreekFolding.h"
#include "data/GreekText.h"
#include "data/Store.h"

#include <QHash>

namespace dorvani::vocative {

namespace {

const QString Vowels = QStringLiteral("ΑΕΗΙΟΥΩΪΫ");

bool isVowel(QChar c) { return Vowels.contains(c); }

// The syllables of a name in capitals without accents, as far as the letters tell: a
// digraph (ΑΙ, ΕΙ, ΟΙ, ΥΙ, ΟΥ, ΑΥ, ΕΥ, ΗΥ) is one vowel, and an Ι between a consonant and a
// vowel is no syllable of its own (ΓΙΩΡΓΟΣ has two).
int syllables(const QString &w)
{
    static const QStringList digraphs = {"ΑΙ", "ΕΙ", "ΟΙ", "ΥΙ", "ΟΥ", "ΑΥ", "ΕΥ", "ΗΥ"};
    int count = 0;
    const int n = int(w.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = w.at(i);
        if (!isVowel(c))
            continue;
        if (i + 1 < n && digraphs.contains(w.mid(i, 2))) {
            ++count;
            ++i;
            continue;
        }
        if (c == QChar(0x0399) && i + 1 < n && isVowel(w.at(i + 1)) && (i == 0 || !isVowel(w.at(i - 1))))
            continue; // ΓΙΑ, ΓΙΩ: the Ι is spoken with the next vowel
        ++count;
    }
    return count;
}

const QHash<QString, QString> &exceptionTable()
{
    static const QHash<QString, QString> table = [] {
        QHash<QString, QString> h;
        for (const Exception &e : exceptions())
            h.insert(QString::fromUtf8(e.name), QString::fromUtf8(e.vocative));
        return h;
    }();
    return table;
}

QString declined(const QString &w)
{
    if (const auto it = exceptionTable().constFind(w); it != exceptionTable().constEnd())
        return *it;
    if (w.size() < 3)
        return w;
    if (w.endsWith(QStringLiteral("ΙΟΣ")))
        return w.chopped(2) + QStringLiteral("Ε");
    if (w.endsWith(QStringLiteral("ΟΣ")) && !w.endsWith(QStringLiteral("ΟΥΣ")))
        return w.chopped(2) + (syllables(w) <= 2 ? QStringLiteral("Ο") : QStringLiteral("Ε"));
    for (const char *end : {"ΗΣ", "ΑΣ", "ΕΣ", "ΟΥΣ", "ΕΥΣ"})
        if (w.endsWith(QString::fromUtf8(end)))
            return w.chopped(1);
    return w;
}

} // namespace

QList<Exception> exceptions()
{
    return {
        // Names of three syllables or more in -ΟΣ, stressed before the last, that take -Ο.
        {"ΑΛΕΚΟΣ", "ΑΛΕΚΟ"},
        {"ΚΥΡΙΑΚΟΣ", "ΚΥΡΙΑΚΟ"},
        {"ΜΑΡΙΝΟΣ", "ΜΑΡΙΝΟ"},
        {"ΠΑΝΑΓΟΣ", "ΠΑΝΑΓΟ"},
        {"ΣΑΡΑΝΤΟΣ", "ΣΑΡΑΝΤΟ"},
        {"ΚΩΣΤΑΚΟΣ", "ΚΩΣΤΑΚΟ"},
        {"ΦΩΤΕΙΝΟΣ", "ΦΩΤΕΙΝΟ"},
        // Names in -ΙΟΣ of two syllables, which keep the Ο.
        {"ΣΤΕΛΙΟΣ", "ΣΤΕΛΙΟ"},
        {"ΗΛΙΟΣ", "ΗΛΙΟ"},
        // Names in -ΩΝ that take the -Α of speech.
        {"ΠΛΑΤΩΝ", "ΠΛΑΤΩΝΑ"},
        {"ΚΙΜΩΝ", "ΚΙΜΩΝΑ"},
    };
}

QString suggested(const QString &firstName, int sex)
{
    const QString name = greekStored(greekUpper(firstName.trimmed()));
    if (sex == 1)
        return name;
    QString out;
    out.reserve(name.size());
    const int n = int(name.size());
    int i = 0;
    while (i < n) {
        if (!name.at(i).isLetter()) {
            out += name.at(i++);
            continue;
        }
        int end = i;
        while (end < n && name.at(end).isLetter())
            ++end;
        out += declined(name.mid(i, end - i));
        i = end;
    }
    return out;
}

QString firstForm(const QString &forms)
{
    const QString t = forms.trimmed();
    if (t.startsWith('"')) {
        const int close = int(t.indexOf('"', 1));
        return (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
    }
    return t.section(',', 0, 0).trimmed();
}

QString storedForms(const QString &firstName)
{
    const QString name = firstName.trimmed();
    if (name.isEmpty())
        return {};
    const QVariant v =
        Store::instance().scalar("SELECT KLHTIKH FROM KLHTIKH WHERE ONOMA = ? ORDER BY AUTONUM LIMIT 1", {name});
    return v.isNull() ? QString() : v.toString();
}

QString preferred(const QString &firstName, int sex)
{
    if (firstName.trimmed().isEmpty())
        return {};
    const QString stored = firstForm(storedForms(firstName));
    return stored.isEmpty() ? suggested(firstName, sex) : stored;
}

QList<StarterName> starterNames()
{
    static const char *const men[] = {
        "ΑΒΡΑΑΜ", "ΑΓΑΘΟΚΛΗΣ", "ΑΓΓΕΛΟΣ", "ΑΓΗΣΙΛΑΟΣ", "ΑΔΑΜ", "ΑΔΑΜΑΝΤΙΟΣ", "ΑΘΑΝΑΣΙΟΣ", "ΑΙΜΙΛΙΟΣ",
        "ΑΚΗΣ", "ΑΛΕΚΟΣ", "ΑΛΕΞΑΝΔΡΟΣ", "ΑΛΕΞΗΣ", "ΑΛΚΙΒΙΑΔΗΣ", "ΑΜΒΡΟΣΙΟΣ", "ΑΝΑΓΝΩΣΤΗΣ", "ΑΝΑΣΤΑΣΙΟΣ",
        "ΑΝΔΡΕΑΣ", "ΑΝΔΡΟΝΙΚΟΣ", "ΑΝΕΣΤΗΣ", "ΑΝΘΙΜΟΣ", "ΑΝΤΩΝΗΣ", "ΑΝΤΩΝΙΟΣ", "ΑΠΟΣΤΟΛΟΣ", "ΑΡΓΥΡΗΣ",
        "ΑΡΓΥΡΙΟΣ", "ΑΡΗΣ", "ΑΡΙΣΤΕΙΔΗΣ", "ΑΡΙΣΤΟΤΕΛΗΣ", "ΑΡΣΕΝΙΟΣ", "ΑΡΤΕΜΙΟΣ", "ΑΧΙΛΛΕΑΣ", "ΒΑΓΓΕΛΗΣ",
        "ΒΑΡΘΟΛΟΜΑΙΟΣ", "ΒΑΣΙΛΕΙΟΣ", "ΒΑΣΙΛΗΣ", "ΒΙΚΤΩΡΑΣ", "ΒΛΑΣΗΣ", "ΓΑΒΡΙΗΛ", "ΓΕΡΑΣΙΜΟΣ", "ΓΕΩΡΓΙΟΣ",
        "ΓΙΑΝΝΗΣ", "ΓΙΩΡΓΟΣ", "ΓΡΗΓΟΡΗΣ", "ΓΡΗΓΟΡΙΟΣ", "ΔΑΜΙΑΝΟΣ", "ΔΑΝΙΗΛ", "ΔΗΜΗΤΡΗΣ", "ΔΗΜΗΤΡΙΟΣ",
        "ΔΗΜΟΚΡΙΤΟΣ", "ΔΗΜΟΣ", "ΔΗΜΟΣΘΕΝΗΣ", "ΔΙΟΝΥΣΗΣ", "ΔΙΟΝΥΣΙΟΣ", "ΕΛΕΥΘΕΡΙΟΣ", "ΕΜΜΑΝΟΥΗΛ",
        "ΕΠΑΜΕΙΝΩΝΔΑΣ", "ΕΡΜΗΣ", "ΕΡΜΟΛΑΟΣ", "ΕΥΑΓΓΕΛΟΣ", "ΕΥΓΕΝΙΟΣ", "ΕΥΘΥΜΙΟΣ", "ΕΥΚΛΕΙΔΗΣ", "ΕΥΡΙΠΙΔΗΣ",
        "ΕΥΣΤΑΘΙΟΣ", "ΕΥΣΤΡΑΤΙΟΣ", "ΖΑΧΑΡΙΑΣ", "ΗΛΙΑΣ", "ΗΡΑΚΛΗΣ", "ΘΑΛΗΣ", "ΘΑΝΑΣΗΣ", "ΘΕΜΙΣΤΟΚΛΗΣ",
        "ΘΕΟΔΩΡΟΣ", "ΘΕΟΦΑΝΗΣ", "ΘΕΟΦΙΛΟΣ", "ΘΕΟΧΑΡΗΣ", "ΘΟΔΩΡΗΣ", "ΘΩΜΑΣ", "ΙΑΚΩΒΟΣ", "ΙΑΣΟΝΑΣ",
        "ΙΓΝΑΤΙΟΣ", "ΙΟΡΔΑΝΗΣ", "ΙΠΠΟΚΡΑΤΗΣ", "ΙΣΙΔΩΡΟΣ", "ΙΩΑΝΝΗΣ", "ΙΩΣΗΦ", "ΚΑΡΟΛΟΣ", "ΚΛΕΑΝΘΗΣ",
        "ΚΟΣΜΑΣ", "ΚΥΡΙΑΚΟΣ", "ΚΥΡΙΛΛΟΣ", "ΚΩΝΣΤΑΝΤΙΝΟΣ", "ΚΩΣΤΑΣ", "ΚΩΣΤΗΣ", "ΛΑΖΑΡΟΣ", "ΛΑΜΠΡΟΣ",
        "ΛΕΥΤΕΡΗΣ", "ΛΕΩΝΙΔΑΣ", "ΛΟΥΚΑΣ", "ΜΑΝΘΟΣ", "ΜΑΝΩΛΗΣ", "ΜΑΞΙΜΟΣ", "ΜΑΡΙΝΟΣ", "ΜΑΡΚΟΣ", "ΜΑΤΘΑΙΟΣ",
        "ΜΕΛΕΤΙΟΣ", "ΜΕΝΕΛΑΟΣ", "ΜΗΝΑΣ", "ΜΙΛΤΙΑΔΗΣ", "ΜΙΧΑΗΛ", "ΜΙΧΑΛΗΣ", "ΜΠΑΜΠΗΣ", "ΝΕΚΤΑΡΙΟΣ",
        "ΝΕΣΤΟΡΑΣ", "ΝΙΚΗΤΑΣ", "ΝΙΚΗΦΟΡΟΣ", "ΝΙΚΟΔΗΜΟΣ", "ΝΙΚΟΛΑΟΣ", "ΝΙΚΟΣ", "ΞΕΝΟΦΩΝ", "ΟΔΥΣΣΕΑΣ",
        "ΟΡΕΣΤΗΣ", "ΠΑΙΣΙΟΣ", "ΠΑΝΑΓΙΩΤΗΣ", "ΠΑΝΑΓΟΣ", "ΠΑΝΟΣ", "ΠΑΝΤΕΛΕΗΜΩΝ", "ΠΑΝΤΕΛΗΣ", "ΠΑΡΑΣΚΕΥΑΣ",
        "ΠΑΥΛΟΣ", "ΠΕΡΙΚΛΗΣ", "ΠΕΤΡΟΣ", "ΠΟΛΥΧΡΟΝΗΣ", "ΠΟΡΦΥΡΙΟΣ", "ΠΡΑΞΙΤΕΛΗΣ", "ΠΡΟΔΡΟΜΟΣ",
        "ΠΡΟΚΟΠΗΣ", "ΠΡΟΚΟΠΙΟΣ", "ΡΑΦΑΗΛ", "ΡΗΓΑΣ", "ΣΑΒΒΑΣ", "ΣΑΚΗΣ", "ΣΑΡΑΝΤΟΣ", "ΣΕΡΑΦΕΙΜ", "ΣΙΛΟΥΑΝΟΣ",
        "ΣΙΜΟΣ", "ΣΙΜΩΝ", "ΣΠΥΡΙΔΩΝ", "ΣΠΥΡΟΣ", "ΣΤΑΘΗΣ", "ΣΤΑΜΑΤΗΣ", "ΣΤΑΜΑΤΙΟΣ", "ΣΤΑΥΡΟΣ", "ΣΤΕΛΙΟΣ",
        "ΣΤΕΦΑΝΟΣ", "ΣΤΥΛΙΑΝΟΣ", "ΣΩΚΡΑΤΗΣ", "ΣΩΤΗΡΗΣ", "ΣΩΤΗΡΙΟΣ", "ΤΑΚΗΣ", "ΤΑΞΙΑΡΧΗΣ", "ΤΑΣΟΣ",
        "ΤΙΜΟΘΕΟΣ", "ΤΡΙΑΝΤΑΦΥΛΛΟΣ", "ΤΡΥΦΩΝ", "ΦΑΝΗΣ", "ΦΙΛΙΠΠΟΣ", "ΦΩΤΗΣ", "ΦΩΤΙΟΣ", "ΧΑΡΑΛΑΜΠΟΣ",
        "ΧΑΡΗΣ", "ΧΡΗΣΤΟΣ", "ΧΡΙΣΤΟΔΟΥΛΟΣ", "ΧΡΙΣΤΟΦΟΡΟΣ", "ΧΡΥΣΟΣΤΟΜΟΣ",
    };
    static const char *const women[] = {
        "ΑΓΑΘΗ", "ΑΓΓΕΛΙΚΗ", "ΑΓΛΑΙΑ", "ΑΔΑΜΑΝΤΙΑ", "ΑΘΑΝΑΣΙΑ", "ΑΘΗΝΑ", "ΑΙΚΑΤΕΡΙΝΗ", "ΑΙΜΙΛΙΑ",
        "ΑΛΕΞΑΝΔΡΑ", "ΑΛΕΞΙΑ", "ΑΛΙΚΗ", "ΑΜΑΛΙΑ", "ΑΝΑΣΤΑΣΙΑ", "ΑΝΔΡΙΑΝΝΑ", "ΑΝΔΡΟΜΑΧΗ", "ΑΝΘΗ",
        "ΑΝΘΟΥΛΑ", "ΑΝΝΑ", "ΑΝΤΙΓΟΝΗ", "ΑΝΤΩΝΙΑ", "ΑΠΟΣΤΟΛΙΑ", "ΑΡΓΥΡΩ", "ΑΡΕΤΗ", "ΑΡΙΑΔΝΗ", "ΑΡΤΕΜΙΣ",
        "ΑΣΗΜΙΝΑ", "ΑΣΗΜΩ", "ΑΣΠΑΣΙΑ", "ΑΦΡΟΔΙΤΗ", "ΒΑΓΓΕΛΙΩ", "ΒΑΡΒΑΡΑ", "ΒΑΣΙΛΙΚΗ", "ΒΑΣΩ", "ΒΕΡΟΝΙΚΗ",
        "ΒΙΚΤΩΡΙΑ", "ΓΑΡΥΦΑΛΛΙΑ", "ΓΕΩΡΓΙΑ", "ΓΙΑΝΝΟΥΛΑ", "ΓΛΥΚΕΡΙΑ", "ΔΑΝΑΗ", "ΔΕΣΠΟΙΝΑ", "ΔΗΜΗΤΡΑ",
        "ΔΗΜΗΤΡΟΥΛΑ", "ΔΙΟΝΥΣΙΑ", "ΔΡΟΣΟΥΛΑ", "ΕΙΡΗΝΗ", "ΕΛΕΝΗ", "ΕΛΕΥΘΕΡΙΑ", "ΕΛΙΣΑΒΕΤ", "ΕΛΠΙΔΑ",
        "ΕΡΜΙΟΝΗ", "ΕΥΑΓΓΕΛΙΑ", "ΕΥΓΕΝΙΑ", "ΕΥΔΟΚΙΑ", "ΕΥΘΥΜΙΑ", "ΕΥΜΟΡΦΙΑ", "ΕΥΠΡΑΞΙΑ", "ΕΥΡΥΔΙΚΗ",
        "ΕΥΣΤΑΘΙΑ", "ΕΥΤΥΧΙΑ", "ΕΦΗ", "ΖΑΧΑΡΟΥΛΑ", "ΖΩΓΡΑΦΙΑ", "ΖΩΗ", "ΗΛΕΚΤΡΑ", "ΗΡΩ", "ΘΑΛΕΙΑ",
        "ΘΕΑΝΩ", "ΘΕΚΛΑ", "ΘΕΟΔΟΣΙΑ", "ΘΕΟΔΩΡΑ", "ΘΕΟΦΑΝΩ", "ΘΩΜΑΗ", "ΙΟΥΛΙΑ", "ΙΦΙΓΕΝΕΙΑ", "ΙΩΑΝΝΑ",
        "ΚΑΛΛΙΟΠΗ", "ΚΑΛΥΨΩ", "ΚΑΣΣΙΑΝΗ", "ΚΑΤΕΡΙΝΑ", "ΚΛΕΙΩ", "ΚΛΕΟΠΑΤΡΑ", "ΚΥΡΙΑΚΗ", "ΚΩΝΣΤΑΝΤΙΝΑ",
        "ΛΑΖΑΡΙΑ", "ΛΑΜΠΡΙΝΗ", "ΛΕΜΟΝΙΑ", "ΛΗΤΩ", "ΛΙΤΣΑ", "ΛΟΥΚΙΑ", "ΛΥΔΙΑ", "ΜΑΓΔΑΛΗΝΗ", "ΜΑΙΡΗ",
        "ΜΑΡΓΑΡΙΤΑ", "ΜΑΡΘΑ", "ΜΑΡΙΑ", "ΜΑΡΙΑΝΘΗ", "ΜΑΡΙΛΕΝΑ", "ΜΑΡΙΝΑ", "ΜΑΡΚΕΛΛΑ", "ΜΕΛΠΟΜΕΝΗ",
        "ΜΙΧΑΕΛΑ", "ΜΥΡΣΙΝΗ", "ΜΥΡΤΩ", "ΝΑΤΑΛΙΑ", "ΝΑΥΣΙΚΑ", "ΝΕΚΤΑΡΙΑ", "ΝΕΦΕΛΗ", "ΝΙΚΗ", "ΝΙΚΟΛΕΤΑ",
        "ΝΤΙΝΑ", "ΞΑΝΘΗ", "ΞΑΝΘΙΠΠΗ", "ΟΛΓΑ", "ΟΛΥΜΠΙΑ", "ΟΥΡΑΝΙΑ", "ΠΑΝΑΓΙΩΤΑ", "ΠΑΝΩΡΑΙΑ", "ΠΑΡΑΣΚΕΥΗ",
        "ΠΑΥΛΙΝΑ", "ΠΕΛΑΓΙΑ", "ΠΗΝΕΛΟΠΗ", "ΠΟΛΥΞΕΝΗ", "ΠΟΠΗ", "ΡΑΛΛΟΥ", "ΡΕΝΑ", "ΡΟΔΟΥΛΑ", "ΡΟΖΑ",
        "ΡΟΥΛΑ", "ΣΕΒΑΣΤΗ", "ΣΟΥΛΤΑΝΑ", "ΣΟΦΙΑ", "ΣΠΥΡΙΔΟΥΛΑ", "ΣΤΑΜΑΤΙΑ", "ΣΤΑΥΡΟΥΛΑ", "ΣΤΕΛΛΑ",
        "ΣΤΕΦΑΝΙΑ", "ΣΤΥΛΙΑΝΗ", "ΣΩΤΗΡΙΑ", "ΤΑΣΟΥΛΑ", "ΤΑΤΙΑΝΗ", "ΤΡΙΑΝΤΑΦΥΛΛΙΑ", "ΦΑΝΗ", "ΦΕΒΡΩΝΙΑ",
        "ΦΙΛΙΠΠΑ", "ΦΛΩΡΑ", "ΦΡΟΣΩ", "ΦΩΤΕΙΝΗ", "ΧΑΡΑ", "ΧΑΡΙΚΛΕΙΑ", "ΧΡΙΣΤΙΝΑ", "ΧΡΥΣΑ", "ΧΡΥΣΑΝΘΗ",
        "ΧΡΥΣΟΒΑΛΑΝΤΟΥ", "ΧΡΥΣΟΥΛΑ",
    };
    QList<StarterName> out;
    for (const char *n : men)
        out << StarterName{QString::fromUtf8(n), 0};
    for (const char *n : women)
        out << StarterName{QString::fromUtf8(n), 1};
    return out;
}

int addStarterNamesWhenEmpty()
{
    Store &store = Store::instance();
    if (store.scalar("SELECT COUNT(*) FROM KLHTIKH").toInt() > 0)
        return 0;
    Transaction tx(store);
    int added = 0;
    for (const StarterName &s : starterNames()) {
        store.run("INSERT INTO KLHTIKH (ONOMA, KLHTIKH, FYLO) VALUES (?, ?, ?)", {s.name, suggested(s.name, s.sex), s.sex});
        ++added;
    }
    tx.commit();
    return added;
}

} // namespace dorvani::vocative
