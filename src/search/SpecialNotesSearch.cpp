#include "search/SpecialNotesSearch.h"

#include "search/SearchBuilder.h"
#include "widgets/Access.h"

namespace dorvani {

bool SpecialNotesSearch::dateCounts(const QString &shown)
{
    for (const QChar c : shown)
        if (c.isDigit())
            return true;
    return false;
}

QDate SpecialNotesSearch::dateOf(const QString &shown)
{
    QString s = shown.trimmed();
    s.replace('_', ' ');
    const QStringList parts = s.split('/');
    if (parts.size() != 3)
        return QDate();
    bool okD = false, okM = false, okY = false;
    const int d = parts[0].trimmed().toInt(&okD), m = parts[1].trimmed().toInt(&okM),
              y = parts[2].trimmed().toInt(&okY);
    // Every place of the mask filled: a partly typed day, month or year is no date.
    if (!okD || !okM || !okY || parts[0].trimmed().size() != 2 || parts[1].trimmed().size() != 2
        || parts[2].trimmed().size() != 4)
        return QDate();
    return QDate(y, m, d);
}

BuiltSpecialNotesSearch SpecialNotesSearch::build(const SpecialNotesCriteria &c)
{
    BuiltSpecialNotesSearch b;
    if (!Access::require()) {
        b.error = noAccess();
        return b;
    }
    QStringList contact, note, words;
    auto counts = [](const QString &t) { return !SearchBuilder::typed(t).trimmed().isEmpty(); };
    if (dateCounts(c.dateFrom)) {
        const QDate d = dateOf(c.dateFrom);
        if (!d.isValid())
            b.error = searchError();
        contact << "EPAFES.EDate >= :DateFrom";
        b.params.insert("DateFrom", d.toString(Qt::ISODate));
        words << "ΑΠΟ ΗΜ/ΝΙΑ=" + c.dateFrom;
    }
    if (dateCounts(c.dateTo)) {
        const QDate d = dateOf(c.dateTo);
        if (!d.isValid())
            b.error = searchError();
        contact << "EPAFES.EDate <= :DateTo";
        b.params.insert("DateTo", d.toString(Qt::ISODate));
        words << "ΕΩΣ ΚΑΙ ΗΜ/ΝΙΑ=" + c.dateTo;
    }
    auto like = [&](QStringList &to, const QString &text, const QString &field, const QString &word, bool brackets) {
        if (!counts(text))
            return;
        const QString cond = field + " LIKE " + SearchBuilder::likePattern(text);
        to << (brackets ? "(" + cond + ")" : cond);
        words << word + SearchBuilder::typed(text);
    };
    like(contact, c.thema, "EPAFES.THEMA", "ΘΕΜΑ=", false);
    like(contact, c.remarks, "EPAFES.PARATHRHSEIS", "ΠΑΡΑΤΗΡΗΣΕΙΣ=", false);
    like(note, c.rivalries, "SpecialNotes.ESOK_ANT", "ΕΣΟΚΟΜΜΑΤΙΚΕΣ ΑΝΤΙΠΑΛΟΤΗΤΕΣ=", true);
    like(note, c.requests, "SpecialNotes.AITHMATA", "ΑΙΤΗΜΑΤΑ=", true);
    like(note, c.information, "SpecialNotes.PLHROFORIES", "ΠΛΗΡΟΦΟΡΙΕΣ=", true);
    b.description = words.join(" - ");
    // Each kind's conditions hold together in one row of its table.
    const QString contactSub = " AutoNum in (Select Polites_id from Epafes Where " + contact.join(" AND ") + ")";
    if (!note.isEmpty()) {
        b.lines << "Select Polites.* From Polites where Autonum in (Select Polites_id from SpecialNotes Where "
                << note.join(" AND ") + ")";
        if (!contact.isEmpty())
            b.lines << " AND " + contactSub;
    } else if (!contact.isEmpty()) {
        b.lines << "Select Polites.* from Polites Where " + contactSub;
    } else {
        b.lines << "Select * From POLITES";
    }
    return b;
}

} // namespace dorvani
