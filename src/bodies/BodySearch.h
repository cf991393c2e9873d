// The search over the members of bodies: a record of criteria turned into the statement
// over the composition table of one kind of body, joined with the body and the lookup
// lists, and into the Greek description of the criteria.
#pragma once

#include "search/SearchBuilder.h"

#include <QString>
#include <QStringList>

namespace dorvani {

struct BodySearchCriteria {
    int kind = 0; // 0 prefecture offices, 1 municipality offices, 2 prefectural, 3 local organisations
    ListChoice komma, symmaxia;          // the body's party and alliance
    QString onomasia;                    // the body's name
    ListChoice idiothta, kommatikhThesh, kommaStruct, epaggelma, nomos;
    QString epitheto, onoma, address, polh, tk, tel1, mobile, parat;
    int isInPolites = -1;                // -1 no condition, 0 ΟΧΙ, 1 ΝΑΙ
    QString celebrFrom = "XX/XX", celebrTo = "XX/XX";
};

struct BuiltBodySearch {
    QString table;       // the body table, e.g. "DHMARXIES"
    QString condition;   // joined with " AND "; empty for every member
    QString description; // joined with " - "
    QStringList sqlLines() const;
    QString sql() const { return sqlLines().join('\n'); }
};

class BodySearchBuilder {
public:
    static QString bodyTable(int kind);
    static QString kindText(int kind); // as the kind list shows it
    static BuiltBodySearch build(const BodySearchCriteria &c);
    // The result fields, positions 0 to 16, and the field chooser's captions for them.
    static QStringList resultFields();
    static QStringList resultCaptions();
    // Width factor of a result column at a position (surname and first name wider, the
    // looked-up texts narrower than their natural width).
    static double widthFactor(int position);
};

} // namespace dorvani
