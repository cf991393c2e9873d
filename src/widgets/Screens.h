// The screens the main window's commands open, by the screen's class name. Each
// subsystem registers the screens it has at start-up; a command whose screen is not
// registered stays disabled.
#pragma once

#include <QString>

#include <functional>

namespace dorvani {

class Screens {
public:
    using Action = std::function<void()>;

    static void add(const QString &key, Action action);
    static bool has(const QString &key);
    // Runs the action; an error it raises is shown and the program goes on.
    static void run(const QString &key);
    static void clear();
};

} // namespace dorvani
