// The vocative of a Greek first name: the form the office stored in KLHTIKH when it has
// one, otherwise the form the rules of Modern Greek declension give, with a table of the
// names whose form the rules cannot tell.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace dorvani::vocative {

// The vocative by rule of a first name (any case; accents do not matter) and the sex code
// (0 man, 1 woman, anything else unknown), in capitals without accents. Women's names and
// names the rules do not decline stay as they are; -ΙΟΣ takes -ΙΕ, -ΟΣ takes -Ο in names of
// two syllables and -Ε in longer ones, -ΗΣ, -ΑΣ, -ΕΣ, -ΟΥΣ drop the Σ; the exceptions win
// over the rules. Every word of a name of several words is declined on its own.
QString suggested(const QString &firstName, int sex);

// The names whose vocative the rules do not give, with their vocative.
struct Exception {
    const char *name;
    const char *vocative;
};
QList<Exception> exceptions();

// The first of the forms of a KLHTIKH text ("ΓΙΩΡΓΟ,ΓΙΩΡΓΗ" gives ΓΙΩΡΓΟ); a form in
// double quotes is taken whole.
QString firstForm(const QString &forms);

// The vocative forms kept for a first name in KLHTIKH (the first row of that name),
// as stored; empty when the table has no row for it.
QString storedForms(const QString &firstName);

// The vocative a letter or a screen proposes for a first name: the first form the office
// stored in KLHTIKH, otherwise the suggestion by rule. Empty for a blank name.
QString preferred(const QString &firstName, int sex);

// The starter table of first names: common Greek names of men and women.
struct StarterName {
    QString name;
    int sex = 0;
};
QList<StarterName> starterNames();
// Fills KLHTIKH with the starter names and their vocatives by rule, in one transaction,
// when it has no row at all. Returns the number of rows written.
int addStarterNamesWhenEmpty();

} // namespace dorvani::vocative
