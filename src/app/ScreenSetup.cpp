#include "app/Application.h"
#include "bodies/BodyRegistry.h"
#include "shell/UntMain.h"
#include "calendar/CalendarScreens.h"
#include "citizens/CitizenScreens.h"
#include "shell/Housekeeping.h"
#include "reference/ReferenceScreens.h"
#include "search/SearchScreens.h"
#include "letters/LetterScreens.h"
#include "telephone/TelephoneScreens.h"
#include "statistics/UntStat.h"

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
    registerBodyScreens(main, dm);
    registerLetterScreens(main, dm);
    registerTelephoneScreens(main, dm);
    registerStatisticsScreens(main, dm);
}

} // namespace dorvani
