#include "Application.h"
#include "ReferenceScreens.h"

namespace dorvani {

// Each subsystem adds its screens here as it comes; their commands are disabled until then.
void registerScreens(TMainFrm &main, TDataMdl &dm)
{
    registerReferenceScreens(main, dm);
}

} // namespace dorvani
