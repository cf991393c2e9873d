#include "letters/LetterScreens.h"

#include "letters/UntEpistolh.h"
#include "letters/UntKeimeno.h"
#include "letters/UntKlhtikh.h"
#include "letters/UntPROSFRes.h"
#include "widgets/MainWindow.h"
#include "widgets/Screens.h"
#include "widgets/Ui.h"

#include <QMdiSubWindow>
#include <QPointer>

namespace dorvani {

namespace {
QPointer<TKLHTIKHDlg> g_vocatives;
QPointer<TPROSFRESDlg> g_recipients;
} // namespace

TPROSFRESDlg *LetterScreens::recipients()
{
    return g_recipients;
}

TKLHTIKHDlg *LetterScreens::vocatives()
{
    return g_vocatives;
}

void registerLetterScreens(MainWindow &main, TDataMdl &dm)
{
    delete g_vocatives;
    g_vocatives = new TKLHTIKHDlg(dm, main.widget());
    delete g_recipients;
    g_recipients = new TPROSFRESDlg(dm, main.widget());
    Screens::add("TKLHTIKHDlg", [] {
        if (!g_vocatives)
            return;
        g_vocatives->prepare();
        ui().exec(g_vocatives);
    });
    Screens::add("TKeimenoFrm", [&main] { main.openChild("TKeimenoFrm", [] { return new TKeimenoFrm(); }); });
    Screens::add("TEpistolhFrm", [&main, &dm] {
        QMdiSubWindow *w = main.openChild("TEpistolhFrm", [&dm] { return new TEpistolhFrm(dm); });
        if (auto *letters = w ? qobject_cast<TEpistolhFrm *>(w->widget()) : nullptr)
            letters->reset();
    });
}

} // namespace dorvani
