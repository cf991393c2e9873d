// The screens of the reference data: the list editors, the geography, the electoral
// centres and the party organisation, created once at start-up and shown modally from
// their commands.
#pragma once

namespace dorvani {

class TDataMdl;
class MainWindow;

void registerReferenceScreens(MainWindow &main, TDataMdl &dm);

} // namespace dorvani
