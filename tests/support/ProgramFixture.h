// The real program started in a test's own folders, with scripted answers.
#pragma once

#include "app/Application.h"
#include "data/DataModule.h"
#include "TestSupport.h"
#include "shell/UntMain.h"

#include <QTest>

#include <memory>

namespace dorvani::test {

struct Program {
    std::unique_ptr<TestHome> ownHome;
    TestHome *home;
    ScriptedUi ui;
    std::unique_ptr<Application> app;
    // The starter calendar and vocatives of a first start; tests that look at them ask.
    bool starterData = false;

    explicit Program(TestHome *shared = nullptr)
        : ownHome(shared ? nullptr : std::make_unique<TestHome>()), home(shared ? shared : ownHome.get())
    {
        ui.onExec["TipsDlg"] = acceptDialog;
        ui.onExec["frmLogin"] = loginWith(QString());
    }
    ~Program() { stop(); }

    // Starts the program; returns once the first activation (tip, login) is over.
    bool start(bool splash = false)
    {
        app = std::make_unique<Application>();
        Application::Options o;
        o.home = home->home();
        o.splash = splash;
        o.starterData = starterData;
        if (!app->startUp(o))
            return false;
        QTest::qWait(0);
        QCoreApplication::processEvents();
        return QTest::qWaitFor([this] { return main()->loggedIn() || !main()->isVisible(); }, 5000);
    }
    void stop()
    {
        if (app)
            app->shutDown();
        app.reset();
    }
    TMainFrm *main() const { return app->mainFrm(); }
    TDataMdl &dm() const { return *app->dataMdl(); }
};

} // namespace dorvani::test
