#include "search/ResultFields.h"

namespace dorvani::results {

namespace {
struct Entry {
    const char *field;
    const char *caption;
};
const Entry entries[Count] = {
    {"DATA1", "ΕΙΔΙΚΟΣ ΕΚΛΟΓΙΚΟΣ ΑΡΙΘΜΟΣ"},
    {"EPITHETO", "ΕΠΙΘΕΤΟ"},
    {"ONOMA", "ΟΝΟΜΑ"},
    {"KLHTIKH", "ΚΛΗΤΙΚΗ"},
    {"PATR", "ΠΑΤΡ/ΜΟ"},
    {"MHTR", "ΜΗΤΡ."},
    {"ETHNIKOTHTA", "ΕΘΝΙΚΟΤΗΤΑ"},
    {"MORFOSHStr", "ΜΟΡΦΩΣΗ"},
    {"EPAGELMA", "ΕΠΑΓΓΕΛΜΑ"},
    {"ADDRESS", "ΔΙΕΥΘΥΝΣΗ"},
    {"TK", "Τ.Κ."},
    {"POLHNAME", "ΠΟΛΗ"},
    {"DHMOSNAME", "ΔΗΜΟΣ"},
    {"EPARXIANAME", "ΕΠΑΡΧΙΑ"},
    {"NOMOSNAME", "ΝΟΜΟΣ"},
    {"BIRTHDAY", "ΗΜ.ΓΕΝΝΗΣΗΣ"},
    {"CELEBRDAY", "ΗΜ. ΕΟΡΤΗΣ"},
    {"ETERODStr", "ΕΤΕΡΟΔΗΜΟΤΗΣ"},
    {"SYMAXIAStr", "ΣΥΜΜΑΧΙΑ"},
    {"IDIOTHTAStr", "ΙΔΙΟΤΗΤΑ"},
    {"SXESHStr", "ΕΚΛ.ΣΧΕΣΗ"},
    {"KOMAStr", "ΚΟΜΜΑ"},
    {"ASKHSHNAME", "ΤΟΠΟΣ ΑΣΚΗΣΗΣ"},
    {"MELOSNAME", "ΜΕΛΟΣ"},
    {"PYRHNASNAME", "ΠΥΡΗΝΑΣ"},
    {"TONAME", "Τ.Ο."},
    {"NENAME", "Ν.Ε."},
    {"NONAME", "Ν.Ο."},
    {"FYLOStr", "ΦΥΛΟ"},
    {"OIKOGStr", "ΟΙΚΟΓΕΝΕΙΑΚΗ ΚΑΤΑΣΤΑΣΗ"},
    {"MELHOIKOG", "ΜΕΛΗ ΟΙΚΟΓΕΝΕΙΑΣ"},
    {"TELO_1", "ΤΗΛ.ΟΙΚΙΑΣ 1"},
    {"TELO_2", "ΤΗΛ.ΟΙΚΙΑΣ 2"},
    {"TELO_3", "ΤΗΛ.ΟΙΚΙΑΣ 3"},
    {"TELO_4", "ΤΗΛ.ΟΙΚΙΑΣ 4"},
    {"TELO_5", "ΤΗΛ.ΟΙΚΙΑΣ 5"},
    {"TELE_1", "ΤΗΛ.ΕΡΓΑΣΙΑΣ 1"},
    {"TELE_2", "ΤΗΛ.ΕΡΓΑΣΙΑΣ 2"},
    {"TELE_3", "ΤΗΛ.ΕΡΓΑΣΙΑΣ 3"},
    {"TELE_4", "ΤΗΛ.ΕΡΓΑΣΙΑΣ 4"},
    {"TELE_5", "ΤΗΛ.ΕΡΓΑΣΙΑΣ 5"},
    {"MOBILE1", "ΚΙΝΗΤΟ 1"},
    {"MOBILE2", "ΚΙΝΗΤΟ 2"},
    {"FAX", "FAX"},
    {"EMAIL", "EMAIL"},
    {"WEB", "WEB"},
    {"AksiologhshStr", "ΚΡΙΤΗΡΙΟ ΑΞΙΟΛΟΓΗΣΗΣ"},
    {"EPAFHStr", "ΕΠΑΦΕΣ"},
    {"EPIROHStr", "ΕΠΙΡΡΟΗ ΑΠΟ"},
    {"AVOTE", "ΑΤΟΜΙΚΟΙ ΨΗΦΟΙ"},
    {"PVOTE", "ΠΕΡΙΦΕΡΕΙΑΚΟΙ ΨΗΦΟΙ"},
    {"TOT_PSHFOI", "ΣΥΝΟΛΟ ΨΗΦΩΝ"},
    {"P_PSHFOI", "ΨΗΦΟΔΕΛΤΙΑ ΠΡΟΣ ΠΑΡΑΔΟΣΗ"},
    {"PSHFOI_P", "ΨΗΦΟΔΕΛΤΙΑ ΠΟΥ ΠΑΡΑΔΟΘΗΚΑΝ"},
    {"NOTES", "ΠΑΡΑΤΗΡΗΣΕΙΣ"},
};
} // namespace

QStringList fields()
{
    QStringList out;
    for (const Entry &e : entries)
        out << QString::fromLatin1(e.field);
    return out;
}

QStringList captions()
{
    QStringList out;
    for (const Entry &e : entries)
        out << QString::fromUtf8(e.caption);
    return out;
}

bool isVoteSum(const QString &field)
{
    return field == "AVOTE" || field == "PVOTE" || field == "TOT_PSHFOI" || field == "P_PSHFOI" || field == "PSHFOI_P";
}

} // namespace dorvani::results
