// Label types kept in Printers: read by name, saved, listed, and a starter set of common A4
// sheets for a new office.
#pragma once

#include "search/Labels.h"

#include <optional>

namespace dorvani::labeltypes {

QStringList names();
std::optional<labels::LabelType> load(const QString &name);
bool exists(const QString &name);
// Adds or overwrites the type of that exact name; throws DbError on failure.
void save(const labels::LabelType &t);
// The starter sheets, written when Printers holds no type at all.
QList<labels::LabelType> starterTypes();
void addStarterTypesWhenEmpty();

} // namespace dorvani::labeltypes
