// The vocatives table brought up to date with the first names of the register.
#pragma once

namespace dorvani::letters {

// Adds to KLHTIKH, in one transaction, a row for every first name and sex of the citizens
// whose name the table lacks (by name alone; an empty table gets one row per name and
// sex), with the vocative the rules give as the form to correct. Blank names are never added;
// existing rows are never changed. Returns the number of rows added.
int addMissingVocatives();

} // namespace dorvani::letters
