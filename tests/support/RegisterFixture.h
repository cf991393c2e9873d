// A small register to test against: two prefectures with provinces, municipalities and
// towns, electoral centres, the party organisation chain, co-candidates, influences and the
// other lists, a name-day calendar and vocatives. Every number is kept for the tests.
#pragma once

#include <QHash>
#include <QString>

namespace dorvani::test {

struct RegisterFixture {
    // Geography: ΑΡΚΑΔΙΑΣ > ΜΑΝΤΙΝΕΙΑΣ > ΤΡΙΠΟΛΗΣ > ΤΡΙΠΟΛΗ, ΚΑΨΑΣ; ΓΟΡΤΥΝΙΑΣ > ΔΗΜΗΤΣΑΝΑΣ > ΔΗΜΗΤΣΑΝΑ,
    // and ΑΧΑΪΑΣ > ΠΑΤΡΩΝ > ΠΑΤΡΕΩΝ > ΠΑΤΡΑ.
    int arkadia, achaia;
    int mantineia, gortynia, patron;
    int tripolis, dimitsana, patreon;
    int tripoli, kapsas, dimitsanaTown, patra;
    int centre;                       // 1ο ΔΗΜΟΤΙΚΟ of ΤΡΙΠΟΛΗΣ
    int no, ne, to, cell;             // Ν.Ο. ΑΡΚΑΔΙΑΣ > Ν.Ε. ΚΕΝΤΡΟΥ > Τ.Ο. ΤΡΙΠΟΛΗΣ > ΠΛΑΤΕΙΑΣ
    int noAchaia;                     // Ν.Ο. ΑΧΑΪΑΣ
    int melos, morfosh, aksiologhsh;  // ΤΑΚΤΙΚΟ, ΑΝΩΤΑΤΗ, ΑΞΙΟΠΙΣΤΟΣ
    int influenceA, influenceB;       // ΣΥΛΛΟΓΟΣ, ΕΝΟΡΙΑ
    // Co-candidates: ΑΛΦΑ ΑΛΦΑΣ (the office's own), ΒΗΤΑ ΒΗΤΑΣ.

    // Fills the open store; with home, also the settings of a home prefecture,
    // organisation and own candidate.
    static RegisterFixture fill(bool home = true);
};

} // namespace dorvani::test
