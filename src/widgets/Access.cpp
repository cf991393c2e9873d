#include "widgets/Access.h"

#include "widgets/Ui.h"

namespace dorvani {

namespace {
bool g_full = false;
}

bool Access::full() { return g_full; }
void Access::setFull(bool on) { g_full = on; }

bool Access::require()
{
    if (g_full)
        return true;
    ui().message("Η πρόσβαση δεν επιτρέπεται!");
    return false;
}

} // namespace dorvani
