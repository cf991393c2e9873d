#include "Application.h"
#include "CalendarScreens.h"
#include "CitizenScreens.h"
#include "Housekeeping.h"
#include "ReferenceScreens.h"
#include "SearchScreens.h"

namespace dorvani {

// Each subsystem adds its screens here as it comes, in the order they are created at
// start-up; their commands are disabled until then.
void registerScreens(TMainFrm &main, TDataMdl &dm)
{
    registerReferenceScreens(main, dm);
    CitizenScreens::registerScreens(main, dm);
    registerCalendarScreens(main, dm);
    registerHousekeepingScreens(main, dm);
    registerSearchScreens(main, dm);
}

} // namespace dorvani
