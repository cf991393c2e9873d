#include "telephone/TelephoneScreens.h"

#include "citizens/CitizenScreens.h"
#include "citizens/UntEditPers.h"
#include "telephone/UntAlphabet.h"
#include "telephone/UntDial.h"
#include "telephone/UntTelBook.h"
#include "widgets/MainWindow.h"
#include "widgets/Screens.h"

#include <QPointer>

namespace dorvani {

namespace {
QPointer<TAlphabetDlg> g_finder;
QPointer<TTelBookFrm> g_directory;
} // namespace

TAlphabetDlg *TelephoneScreens::finder() { return g_finder; }
TTelBookFrm *TelephoneScreens::directory() { return g_directory; }

namespace {
// The finder, hidden until it is shown; closing it destroys it.
void createFinder()
{
    if (g_finder)
        return;
    MainWindow *main = MainWindow::instance();
    g_finder = new TAlphabetDlg(main ? main->widget() : nullptr);
    QObject::connect(g_finder, &TAlphabetDlg::letterChosen, g_finder,
                     [](const QString &letter) { TelephoneScreens::searchLetter(letter); });
}
} // namespace

void TelephoneScreens::showFinder()
{
    createFinder();
    g_finder->show();
    g_finder->raise();
    g_finder->activateWindow();
}

void TelephoneScreens::searchLetter(const QString &letter)
{
    if (!g_directory) {
        MainWindow *main = MainWindow::instance();
        g_directory = new TTelBookFrm(main ? main->widget() : nullptr);
        QObject::connect(g_directory, &TTelBookFrm::newSearch, g_directory, [] { showFinder(); });
        QObject::connect(g_directory, &TTelBookFrm::closed, g_directory, [] {
            if (g_finder)
                g_finder->close();
        });
    }
    g_directory->showMaximized();
    g_directory->search(letter);
}

void registerTelephoneScreens(MainWindow &, TDataMdl &)
{
    // The finder exists from the start until it is closed; the menu creates it again.
    delete g_finder;
    createFinder();
    Screens::add("TAlphabetDlg", [] { TelephoneScreens::showFinder(); });
    CitizenScreens::setReturn(CitizenScreens::TelBook, [](int autonum) {
        if (g_directory)
            g_directory->showAgain(autonum);
    });
    TEditPersFrm::setDialler([](const QString &number) { TDialDlg::dialNumber(number); });
}

} // namespace dorvani
