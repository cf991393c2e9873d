#include "search/SearchBuilder.h"

#include "data/Codes.h"
#include "data/GreekFolding.h"
#include "data/GreekText.h"
#include "data/NameDays.h"
#include "platform/AppContext.h"
#include "data/Store.h"
#include "data/Telephones.h"
#include "data/ValidText.h"

#include <QRegularExpression>
#include <QSet>

namespace dorvani {

QStringList BuiltSearch::sqlLines() const
{
    if (condition.isEmpty())
        return {"Select * From POLITES"};
    return {"Select * From POLITES Where ", condition};
}

QString SearchBuilder::typed(const QString &text)
{
    QString t = validUnicode(text); // no half of a character pair reaches a criterion
    t.remove(QChar(0));
    return t;
}

QString SearchBuilder::searched(const QString &text) { return greekStored(greekUpper(typed(text))); }

QString SearchBuilder::pattern(const QString &text)
{
    QString t = searched(text);
    t.replace('*', '%');
    return sqlQuote(t);
}

QString SearchBuilder::likePattern(const QString &text)
{
    const QString t = searched(text);
    const bool escape = t.contains('%') || t.contains('_');
    QString out;
    out.reserve(t.size() + 4);
    for (const QChar c : t) {
        if (c == '*')
            out += '%';
        else if (escape && (c == '%' || c == '_' || c == '\\'))
            out += QString(QChar('\\')) + c;
        else
            out += c;
    }
    QString literal = sqlQuote(out);
    if (escape)
        literal += " ESCAPE '\\'";
    return literal;
}

QString SearchBuilder::quotedName(const QString &text) { return sqlQuote(searched(text)); }

bool SearchBuilder::wholeNumber(const QString &text, QString *digits)
{
    static const QRegularExpression rx("^[0-9]+$");
    const QString t = typed(text).trimmed();
    if (!rx.match(t).hasMatch())
        return false;
    if (digits)
        *digits = t;
    return true;
}

QDate SearchBuilder::dayOf2003(const QString &shown)
{
    static const QRegularExpression rx("^([0-9]{1,2})/([0-9]{1,2})$");
    const QRegularExpressionMatch m = rx.match(shown.trimmed());
    if (!m.hasMatch())
        return {};
    return QDate(2003, m.captured(2).toInt(), m.captured(1).toInt());
}

QString SearchBuilder::dayList(const QString &field, const QDate &first, const QDate &last)
{
    return dayList(field, first, last, {}, {});
}

QString SearchBuilder::dayList(const QString &field, const QDate &first, const QDate &last,
                               const QStringList &dropped, const QStringList &added)
{
    QString out = "(";
    QSet<QString> listed;
    int tests = 0;
    auto test = [&](const QString &day) {
        out += (tests++ == 0 ? " " : " OR ") + field + " LIKE " + sqlQuote(day + '%');
    };
    for (QDate d = first; d.isValid() && d <= last && listed.size() < 366; d = d.addDays(1)) {
        const QString day = d.toString("dd/MM");
        if (listed.contains(day))
            continue;
        listed.insert(day);
        if (!dropped.contains(day))
            test(day);
    }
    for (const QString &day : added)
        if (!listed.contains(day) || dropped.contains(day))
            test(day);
    return out + ")";
}

QString SearchBuilder::nameDayCondition(const QDate &first, const QDate &last, int year)
{
    // The same days in the year of the search, to find where the moving feasts fall.
    const QDate from(year, first.month(), first.day());
    const QDate to = QDate(year, last.month(), last.day()).addYears(last.year() - first.year());
    const namedays::RangeChange change = namedays::rangeChange(from, to);
    if (change.isEmpty())
        return dayList("CelebrDay", first, last);
    const QString days = dayList("CelebrDay", first, last, change.droppedDays, change.addedDays);
    if (change.names.isEmpty())
        return days == "()" ? "(1=0)" : days; // every day of the range moved away
    QStringList quoted;
    for (const QString &n : change.names)
        quoted << sqlQuote(n);
    const QString byName = "ONOMA IN (" + quoted.join(',') + ")";
    return days == "()" ? "(" + byName + ")" : "(" + days + " OR " + byName + ")";
}

namespace {

class Builder {
public:
    BuiltSearch out;

    void add(const QString &condition, const QString &item)
    {
        if (!out.condition.isEmpty())
            out.condition += " AND ";
        out.condition += condition;
        if (!out.description.isEmpty())
            out.description += " - ";
        out.description += item;
    }
    static bool set(const QString &text) { return !SearchBuilder::typed(text).trimmed().isEmpty(); }
    static QString shown(const QString &text) { return SearchBuilder::typed(text); }
    static QString key(const ListChoice &c) { return QString::number(c.key.toLongLong()); }

    // (FIELD LIKE pattern) and the like, from a typed text.
    void like(const QString &text, const QString &before, const QString &after, const QString &caption)
    {
        if (set(text))
            add(before + SearchBuilder::likePattern(text) + after, caption + shown(text));
    }
    // A telephone: matched in the form numbers are stored in, however it was typed.
    void phone(const QString &text, const QString &before, const QString &after, const QString &caption)
    {
        if (set(text))
            add(before + SearchBuilder::likePattern(phones::normalised(SearchBuilder::typed(text))) + after,
                caption + shown(text));
    }
    void keyed(const ListChoice &c, const QString &before, const QString &after, const QString &caption)
    {
        if (c.isSet())
            add(before + key(c) + after, caption + shown(c.text));
    }
    void code(int position, const QStringList &items, const QString &before, const QString &after,
              const QString &caption)
    {
        if (position >= 0 && position < items.size())
            add(before + QString::number(position) + after, caption + items[position]);
    }
    void number(const QString &text, const QString &before, const QString &caption, const QString &field)
    {
        if (!set(text))
            return;
        QString digits;
        if (!SearchBuilder::wholeNumber(text, &digits)) {
            if (out.error.isEmpty())
                out.error = QString("Το πεδίο «%1» δέχεται μόνο ακέραιο αριθμό.").arg(field);
            return;
        }
        add(before + digits, caption + shown(text));
    }
    void days(const QString &from, const QString &to, const QString &field, const QString &caption,
              const QString &joining)
    {
        if (from.trimmed() == "XX/XX" && to.trimmed() == "XX/XX")
            return;
        const QDate first = SearchBuilder::dayOf2003(from);
        QDate last = SearchBuilder::dayOf2003(to);
        if (!first.isValid() || !last.isValid())
            return;
        // A period that runs over the new year (20/12 to 05/01) ends in the next year.
        if (last < first)
            last = last.addYears(1);
        if (field == "CelebrDay")
            add(SearchBuilder::nameDayCondition(first, last, Clock::today().year()), caption + from + joining + to);
        else
            add(SearchBuilder::dayList(field, first, last), caption + from + joining + to);
    }
};

} // namespace

BuiltSearch SearchBuilder::build(const SearchCriteria &c)
{
    Builder b;
    auto q = [](const QString &s) { return sqlQuote(s); };

    if (Builder::set(c.data1))
        b.add("DATA1 = " + pattern(c.data1), "ΕΙΔΙΚΟΣ ΕΚΛΟΓΙΚΟΣ ΑΡ.=" + Builder::shown(c.data1));
    b.like(c.epitheto, "(EPITHETO LIKE ", ")", "ΕΠΙΘΕΤΟ=");
    b.like(c.onoma, "(ONOMA LIKE ", ")", "ΟΝΟΜΑ=");
    b.like(c.patr, "(PATR LIKE ", ")", "ΠΑΤΡ/ΜΟ=");
    b.like(c.mhtr, "(MHTR LIKE ", ")", "ΜΗΤΡ.=");
    if (c.ethnikothta.isSet())
        b.add("(ETHNIKOTHTA = " + quotedName(c.ethnikothta.text) + ")", "ΕΘΝΙΚΟΤΗΤΑ=" + Builder::shown(c.ethnikothta.text));
    b.keyed(c.morfosh, "MORFOSH = ", "", "ΜΟΡΦΩΣΗ=");
    if (c.epagelma.isSet())
        b.add("EPAGELMA = " + quotedName(c.epagelma.text), "ΕΠΑΓΓΕΛΜΑ=" + Builder::shown(c.epagelma.text));
    b.like(c.address, "ADDRESS LIKE ", "", "ΔΙΕΥΘΥΝΣΗ=");
    if (Builder::set(c.tk))
        b.add("TK = " + pattern(c.tk), "ΤΚ=" + Builder::shown(c.tk));
    b.keyed(c.polh, "POLH = ", "", "ΠΟΛΗ=");
    b.keyed(c.dhmos, "DHMOS = ", "", "ΔΗΜΟΣ=");
    b.keyed(c.eparxia, "EPARXIA = ", "", "ΕΠΑΡΧΙΑ=");
    b.keyed(c.nomos, "NOMOS = ", "", "ΝΟΜΟΣ=");
    b.days(c.birthFrom, c.birthTo, "BirthDay", "ΓΕΝΕΘΛΙΑ ΑΠΟ ", " ΕΩΣ KAI ");
    b.days(c.celebrFrom, c.celebrTo, "CelebrDay", "ΕΟΡΤΑΖΕΙ ΑΠΟ ", " ΕΩΣ ΚΑΙ ");
    b.code(c.eterodhmoths, codes::yesNo(), "ETERODHMOTHS = ", "", "ΕΤΕΡΟΔΗΜΟΤΗΣ=");
    b.code(c.symaxia, codes::yesNo(), "SYMAXIA = ", "", "ΣΥΜΜΑΧΙΑ=");
    if (!c.capacities.trimmed().isEmpty()) {
        QStringList captions;
        for (int code : codes::listItems(c.capacities))
            captions << codes::text(codes::idiothta(), code);
        b.add("Idiothta Like " + q(greekUpper("%" + typed(c.capacities))), "(ΙΔΙΟΤΗΤΑ=" + captions.join(',') + ")");
    }
    b.code(c.sxesh, codes::sxesh(), "(SXESH = ", ")", "ΕΚΛΟΓΙΚΗ ΣΧΕΣΗ=");
    b.code(c.koma, codes::koma(), "(KOMA = ", ")", "ΚΟΜΜΑ=");
    b.keyed(c.askhsh, "(ASKHSH = ", ")", "ΤΟΠΟΣ ΑΣΚΗΣΗΣ=");
    b.keyed(c.melos, "MelosID = ", "", "ΜΕΛΟΣ=");
    b.keyed(c.pyrhnas, "PYRHNASID = ", "", "ΠΥΡΗΝΑΣ=");
    b.keyed(c.to, "TO_ID = ", "", "Τ.Ο.=");
    b.keyed(c.ne, "NE_ID = ", "", "Ν.Ε.=");
    b.keyed(c.no, "NO_ID = ", "", "Ν.Ο.=");
    b.code(c.fylo, codes::fylo(), "FYLO = ", "", "ΦΥΛΛΟ=");
    b.code(c.oikogkat, codes::oikogKat(), "OIKOGKAT = ", "", "ΟΙΚΟΓΕΝΕΙΑΚΗ ΚΑΤΑΣΤΑΣΗ=");
    b.number(c.melhoikog, "MELHOIKOG = ", "ΜΕΛΗ ΟΙΚΟΓΕΝΕΙΑΣ=", "ΜΕΛΗ ΟΙΚΟΓΕΝΕΙΑΣ");
    for (int i = 0; i < 5; ++i)
        b.phone(c.telo[i], QString("TELO_%1 LIKE ").arg(i + 1), "", QString("%1)ΤΗΛ.ΟΙΚΙΑΣ=").arg(i + 1));
    for (int i = 0; i < 5; ++i)
        b.phone(c.tele[i], QString("TELE_%1 LIKE ").arg(i + 1), "", QString("%1)ΤΗΛ.ΕΡΓΑΣΙΑΣ=").arg(i + 1));
    b.phone(c.mobile1, "MOBILE1 LIKE ", "", "1)ΚΙΝΗΤΟ ΤΗΛ.=");
    b.phone(c.mobile2, "MOBILE2 LIKE ", "", "2)ΚΙΝΗΤΟ ΤΗΛ.=");
    b.phone(c.fax, "FAX LIKE ", "", "FAX=");
    b.like(c.email, "EMAIL LIKE ", "", "E-MAIL=");
    b.like(c.web, "WEB LIKE ", "", "WEB=");
    b.keyed(c.aksiologhsh, "Aksiologhsh = ", "", "ΑΞΙΟΛΟΓΗΣΗ=");
    if (!c.contacts.isEmpty()) {
        QStringList positions, captions;
        for (int p : c.contacts) {
            positions << QString::number(p);
            captions << codes::text(codes::epafes(), p);
        }
        b.add("EPAFES LIKE " + q("%" + positions.join(',') + "%"), "ΕΠΑΦΕΣ=(" + captions.join(',') + ")");
    }
    if (!c.influences.isEmpty()) {
        QStringList ids, names;
        for (const auto &i : c.influences) {
            ids << QString::number(i.first);
            names << typed(i.second);
        }
        const QString l = ids.join(',');
        b.add("(EPIROH = (" + q(l) + ") OR EPIROH LIKE (" + q(l + ",%") + ") OR EPIROH LIKE (" + q("%," + l)
                  + ") OR EPIROH LIKE (" + q("%," + l + ",%") + ") )",
              "ΕΠΙΡΡΟΗ ΑΠΟ=(" + names.join(',') + ")");
    }
    b.number(c.avote, "AVOTE >= ", "ΑΤΟΜΙΚΟΙ ΨΗΦΟΙ=", "ΑΤΟΜΙΚΟΙ ΨΗΦΟΙ");
    b.number(c.pvote, "PVOTE >= ", "ΠΕΡΙΦΕΡΕΙΑΚΟΙ ΨΗΦΟΙ=", "ΠΕΡΙΦΕΡΕΙΑΚΟΙ ΨΗΦΟΙ");
    // A citizen without personal or regional votes counts them as none.
    b.number(c.totalVotes, "(COALESCE(AVOTE,0) + COALESCE(PVOTE,0))>= ", "ΣΥΝΟΛΟ ΨΗΦΩΝ=", "ΣΥΝΟΛΟ ΨΗΦΩΝ");
    b.number(c.pPshfoi, "P_PSHFOI >= ", "ΨΗΦΟΔΕΛΤΙΑ ΠΡΟΣ ΠΑΡΑΔΟΣΗ=", "ΨΗΦΟΔΕΛΤΙΑ ΠΡΟΣ ΠΑΡΑΔΟΣΗ");
    b.number(c.pshfoiP, "PSHFOI_P >= ", "ΨΗΦΟΔΕΛΤΙΑ ΠΟΥ ΠΑΡΑΔΟΘΗΚΑΝ=", "ΨΗΦΟΔΕΛΤΙΑ ΠΟΥ ΠΑΡΑΔΟΘΗΚΑΝ");
    // Remarks are stored as text, empty when there are none.
    if (c.notes)
        b.add("TRIM(NOTES) <> ''", "ΝΑ ΕΧΕΙ ΠΑΡΑΤΗΡΗΣΕΙΣ");
    return b.out;
}

} // namespace dorvani
