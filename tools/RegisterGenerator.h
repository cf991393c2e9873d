// A synthetic register for trying the program at the size of a large prefecture: Greek
// names with their fathers and mothers, name days and vocatives, a geography of several
// prefectures, electoral centres, the party organisation, co-candidates with the votes
// split over them, influences, capacities, contacts, birthdays, telephones, some
// confidential notes and contact history. The same seed gives the same register.
#pragma once

#include <QString>

#include <functional>

namespace dorvani::tools {

struct GeneratorOptions {
    int citizens = 1000;
    quint64 seed = 1;
    bool writeSettings = true; // the home prefecture, organisation and own candidate
};

// Fills the open store (which must hold no citizens yet) through the program's data layer.
// progress is called with the citizens written so far. Returns the citizens written.
int generateRegister(const GeneratorOptions &o, const std::function<void(int done, int total)> &progress = {});

} // namespace dorvani::tools
