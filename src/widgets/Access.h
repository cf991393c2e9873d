// Full access: a program-wide flag, set by a login with the special user's key, that
// opens the confidential notes and the deletion of citizens.
#pragma once

namespace dorvani {

class Access {
public:
    static bool full();
    static void setFull(bool on);
    // Shows "Η πρόσβαση δεν επιτρέπεται!" and returns false without full access.
    static bool require();
};

} // namespace dorvani
