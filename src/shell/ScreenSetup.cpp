#include "Application.h"
#include "Housekeeping.h"

namespace dorvani {

// Each subsystem adds its screens here as it comes; their commands are disabled until then.
void registerScreens(TMainFrm &main, TDataMdl &dm)
{
    Q_UNUSED(main);
    Q_UNUSED(dm);
    registerHousekeepingScreens(main, dm);
}

} // namespace dorvani
