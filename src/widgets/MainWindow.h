// What the subsystems' screens may ask of the main window: a parent for their dialogs,
// a child window opened or brought to the front, the celebrants label, and whether the
// program is shutting down. The main window implements it; no subsystem knows more of it.
#pragma once

#include <QList>
#include <QString>

#include <functional>

class QMdiSubWindow;
class QWidget;

namespace dorvani {

class TDataMdl;

class MainWindow {
public:
    virtual ~MainWindow() = default;

    // The main window of this run, or null before it exists and after it is gone.
    static MainWindow *instance();

    // The window itself, the parent of the single-instance dialogs.
    virtual QWidget *widget() = 0;
    virtual TDataMdl &dataMdl() const = 0;

    // Opens a child window, or brings the open one of that name to the front.
    virtual QMdiSubWindow *openChild(const QString &name, const std::function<QWidget *()> &create) = 0;
    // The working windows open now (closed ones waiting for deletion are not counted).
    virtual QList<QWidget *> openChildren() const = 0;

    // The text of the celebrants label, and today's celebrants as the celebrants
    // computation leaves them (name list, day, month).
    virtual void setCelebrantsLabel(const QString &text) = 0;
    virtual void setCelebrants(const QString &names, const QString &day, const QString &month) = 0;
    virtual QString celebrantNames() const = 0;
    virtual QString celebrantDay() const = 0;
    virtual QString celebrantMonth() const = 0;

    // The window is closing for good: child windows close without going anywhere.
    virtual bool shuttingDown() const = 0;

protected:
    static void setInstance(MainWindow *w);
};

} // namespace dorvani
