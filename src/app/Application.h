// Start-up and end of the program: the program folder, the store, the main window,
// the data module, the splash box and the screens of every subsystem.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace dorvani {

class Store;
class TDataMdl;
class TMainFrm;

class Application {
public:
    struct Options {
        QString home;          // --home DIR; empty for the default folder
        bool splash = true;    // the five-second splash box
        bool show = true;      // show the main window maximised
        bool starterData = true; // a register's empty calendar and vocatives get the starter rows
    };

    Application();
    ~Application();

    // Opens the store and builds the program. Returns false (after a Greek message)
    // when the data files cannot be used; nothing is written to them then.
    bool startUp(const Options &options);
    void shutDown();

    Store *store() const { return m_store.get(); }
    TDataMdl *dataMdl() const { return m_dm.get(); }
    TMainFrm *mainFrm() const { return m_main.get(); }

    // The program: options parsed from the command line, then the event loop.
    static int main(int argc, char **argv);

private:
    std::unique_ptr<Store> m_store;
    std::unique_ptr<TMainFrm> m_main;
    std::unique_ptr<TDataMdl> m_dm;
};

// The screens of every subsystem, registered in the order they are created at start-up.
void registerScreens(TMainFrm &main, TDataMdl &dm);

} // namespace dorvani
