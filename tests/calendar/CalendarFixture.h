// A name-day calendar and a register of citizens to test the calendar's screens against,
// on top of the small register of RegisterFixture (which already has 17/05 ΑΝΔΡΟΝΙΚΟΣ,
// ΑΝΔΡΟΝΙΚΗ, 06/12 ΝΙΚΟΛΑΟΣ,ΝΙΚΟΣ,ΝΙΚΗ and 07/01 ΙΩΑΝΝΗΣ,ΓΙΑΝΝΗΣ).
#pragma once

#include "citizens/CitizenStore.h"
#include "data/Store.h"

#include <QHash>
#include <QString>
#include <QVariant>

namespace dorvani::test {

struct CalendarFixture {
    // Citizens by a short name of the test's own.
    QHash<QString, int> id;

    // Calendar days added: 06/01 (three names), 31/01, 29/02, 01/03, 25/03 (written with a
    // blank after the comma), 23/04 (three names) and 31/04 (a day no year has).
    static void fillCalendar()
    {
        Store &s = Store::instance();
        const QList<std::tuple<int, int, const char *, const char *>> days = {
            {6, 1, "ΘΕΟΦΑΝΗΣ,ΦΩΤΙΟΣ,ΦΩΤΕΙΝΗ", "ΘΕΟΦΑΝΕΙΑ"},
            {31, 1, "ΚΥΡΟΣ", ""},
            {29, 2, "ΚΑΣΣΙΑΝΟΣ", "ΜΟΝΟ ΤΑ ΔΙΣΕΚΤΑ ΕΤΗ"},
            {1, 3, "ΕΥΔΟΚΙΑ", ""},
            {25, 3, "ΕΥΑΓΓΕΛΟΣ, ΕΥΑΓΓΕΛΙΑ", "ΕΥΑΓΓΕΛΙΣΜΟΣ"},
            {23, 4, "ΓΕΩΡΓΙΟΣ,ΓΙΩΡΓΟΣ,ΓΕΩΡΓΙΑ", ""},
            {31, 4, "ΑΝΥΠΑΡΚΤΟΣ", "ΛΑΘΟΣ ΗΜΕΡΟΜΗΝΙΑ"},
        };
        for (const auto &[d, m, names, comment] : days)
            s.exec("INSERT INTO CELEBRITIES (DDATE, MONTHSID, NAME, Sxolio) VALUES (?, ?, ?, ?)",
                   {d, m, QString::fromUtf8(names), QString::fromUtf8(comment)});
    }

    static int citizen(const QString &epitheto, const QString &onoma, const QString &birthday,
                       const QString &celebrday, const QVariant &polh = QVariant())
    {
        CitizenRecord r;
        r.fields = {{"EPITHETO", epitheto}, {"ONOMA", onoma},         {"PATR", QString("ΠΑΤΕΡΑΣ")},
                    {"BIRTHDAY", birthday}, {"CELEBRDAY", celebrday}, {"TELO_1", QString("2710111111")},
                    {"MOBILE1", QString("6970000000")}};
        if (polh.isValid())
            r.fields["POLH"] = polh;
        return CitizenStore::insert(r);
    }

    // The register: celebrants of 23/04 and of 25/03, and birthdays around 05/03, the end
    // of March and the turn of the year, with and without a year.
    static CalendarFixture fill(int town)
    {
        fillCalendar();
        CalendarFixture f;
        auto add = [&](const char *key, const char *e, const char *o, const char *b, const char *c,
                       const QVariant &polh = QVariant()) {
            f.id.insert(QString::fromUtf8(key),
                        citizen(QString::fromUtf8(e), QString::fromUtf8(o), QString::fromUtf8(b), QString::fromUtf8(c),
                                polh));
        };
        // 23/04
        add("georgios", "ΠΑΠΑΔΟΠΟΥΛΟΣ", "ΓΕΩΡΓΙΟΣ", "XX/XX/XXXX", "23/04", town);
        add("giorgos", "ΑΝΤΩΝΙΟΥ", "ΓΙΩΡΓΟΣ", "XX/XX/XXXX", "XX/XX");
        add("georgia", "ΓΕΩΡΓΙΟΥ", "ΓΕΩΡΓΙΑ", "XX/XX/XXXX", "XX/XX");
        add("byDay", "ΔΗΜΟΥ", "ΚΩΝΣΤΑΝΤΙΝΟΣ", "XX/XX/XXXX", "23/04");
        add("partial", "ΖΑΧΑΡΙΟΥ", "ΓΕΩΡΓ", "XX/XX/XXXX", "XX/XX");
        add("nikos", "ΝΙΚΟΛΑΟΥ", "ΝΙΚΟΣ", "XX/XX/XXXX", "06/12");
        // 25/03
        add("evangelos", "ΕΥΘΥΜΙΟΥ", "ΕΥΑΓΓΕΛΟΣ", "XX/XX/XXXX", "XX/XX");
        add("evangelia", "ΗΛΙΟΠΟΥΛΟΥ", "ΕΥΑΓΓΕΛΙΑ", "XX/XX/XXXX", "XX/XX");
        // Birthdays
        add("b0503", "ΑΛΕΞΙΟΥ", "ΜΑΡΙΑ", "05/03/1970", "XX/XX", town);
        add("b0503x", "ΒΑΣΙΛΕΙΟΥ", "ΕΛΕΝΗ", "05/03/XXXX", "XX/XX");
        add("b0603", "ΓΚΙΚΑΣ", "ΠΕΤΡΟΣ", "06/03/1980", "XX/XX");
        add("b3103", "ΘΕΟΔΩΡΟΥ", "ΑΝΝΑ", "31/03/1990", "XX/XX");
        add("b0104", "ΙΑΚΩΒΟΥ", "ΣΟΦΙΑ", "01/04/1985", "XX/XX");
        add("b2912", "ΚΑΛΟΓΕΡΟΥ", "ΜΑΡΚΟΣ", "29/12/1950", "XX/XX");
        add("b3012", "ΛΑΜΠΡΟΥ", "ΧΡΗΣΤΟΣ", "30/12/1960", "XX/XX");
        add("b3112", "ΜΑΝΩΛΑΚΗΣ", "ΣΤΕΛΙΟΣ", "31/12/1961", "XX/XX");
        add("b0101", "ΝΤΟΥΣΚΑΣ", "ΒΑΣΙΛΗΣ", "01/01/1962", "XX/XX");
        add("b0201x", "ΞΕΝΟΣ", "ΑΡΗΣ", "02/01/XXXX", "XX/XX");
        add("b0301", "ΟΙΚΟΝΟΜΟΥ", "ΘΑΝΟΣ", "03/01/1963", "XX/XX");
        add("b2902", "ΠΕΤΡΟΥ", "ΑΓΓΕΛΙΚΗ", "29/02/1976", "XX/XX");
        add("b1507", "ΡΑΠΤΗΣ", "ΑΛΕΚΟΣ", "15/07/1999", "XX/XX");
        return f;
    }
};

} // namespace dorvani::test
