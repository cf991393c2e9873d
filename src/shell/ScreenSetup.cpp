#include "Application.h"
#include "CitizenScreens.h"
#include "Housekeeping.h"

namespace dorvani {

// Each subsystem adds its screens here as it comes; their commands are disabled until then.
void registerScreens(TMainFrm &main, TDataMdl &dm)
{
    CitizenScreens::registerScreens(main, dm);
    registerHousekeepingScreens(main, dm);
}

} // namespace dorvani
