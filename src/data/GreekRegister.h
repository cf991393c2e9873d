// A register written before Greek texts were stored in their stored form (capitals without
// tonos, Greek words typed partly on a Latin keyboard in Greek letters) brought to it once.
#pragma once

#include "data/Schema.h"

namespace dorvani::greekregister {

// Whether a text field holds Greek text in its stored form; e-mail and web addresses,
// file names, entry keys and the label types keep their text as it was typed.
bool holdsGreekText(const TableDef &table, const FieldDef &field);

// The rows whose Greek texts are not in their stored form.
int rowsToChange();

// Writes every such row in its stored form, in one transaction. A row whose stored form
// would repeat a unique key of its table stays as it was (it is counted in kept). Returns
// the number of rows changed.
struct Result {
    int changed = 0;
    int kept = 0;
};
Result normalise();

} // namespace dorvani::greekregister
