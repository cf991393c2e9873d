#include "widgets/Screens.h"

#include "widgets/Ui.h"

#include <QHash>

namespace dorvani {

namespace {
QHash<QString, Screens::Action> &registry()
{
    static QHash<QString, Screens::Action> r;
    return r;
}
} // namespace

void Screens::add(const QString &key, Action action) { registry().insert(key, std::move(action)); }

bool Screens::has(const QString &key) { return registry().contains(key); }

void Screens::run(const QString &key)
{
    const auto it = registry().constFind(key);
    if (it == registry().constEnd())
        return;
    const Action a = *it; // the action may register or remove screens
    guarded(a);
}

void Screens::clear() { registry().clear(); }

} // namespace dorvani
