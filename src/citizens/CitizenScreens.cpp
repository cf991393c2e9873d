#include "citizens/CitizenScreens.h"

#include "data/DataModule.h"
#include "widgets/Screens.h"
#include "widgets/Ui.h"
#include "citizens/UntEditPers.h"
#include "citizens/UntIdiothta.h"
#include "citizens/UntLISTAPOL.h"
#include "widgets/MainWindow.h"
#include "citizens/UntNOTES.h"
#include "citizens/UntNewPers.h"
#include "citizens/UntPolitesInfo.h"
#include "citizens/UntSpecialNotes.h"

#include <QHash>
#include <QMdiSubWindow>
#include <QPointer>

namespace dorvani {

namespace {
QPointer<TIdiothtaDlg> g_idiothta;
QPointer<TNOTESDlg> g_notes;
QPointer<TSpecialNotesFrm> g_special;
QPointer<TPolitesInfoDlg> g_info;
QPointer<TLISTAPOLDlg> g_list;
QHash<int, std::function<void(int)>> &returns()
{
    static QHash<int, std::function<void(int)>> r;
    return r;
}
} // namespace

TIdiothtaDlg *CitizenScreens::idiothta() { return g_idiothta; }
TNOTESDlg *CitizenScreens::notes() { return g_notes; }
TSpecialNotesFrm *CitizenScreens::specialNotes() { return g_special; }
TPolitesInfoDlg *CitizenScreens::conversation() { return g_info; }
TLISTAPOLDlg *CitizenScreens::citizenList() { return g_list; }

void CitizenScreens::setReturn(int origin, std::function<void(int)> showAgain) { returns().insert(origin, std::move(showAgain)); }

void CitizenScreens::returnTo(int origin, int autonum)
{
    MainWindow *main = MainWindow::instance();
    const auto f = returns().value(origin);
    if (f && main && !main->shuttingDown())
        guarded([&] { f(autonum); });
}

void CitizenScreens::edit(int autonum, int origin)
{
    MainWindow *main = MainWindow::instance();
    if (!main)
        return;
    TDataMdl &dm = main->dataMdl();
    if (origin != CitizenList) {
        if (!dm.TblPOLEIS->active())
            dm.TblPOLEIS->open();
        if (!dm.TblPOLITES->active())
            dm.TblPOLITES->open();
        dm.TblPOLEIS->setFiltered(false);
    }
    QMdiSubWindow *sub = main->openChild("EditPersFrm", [&dm] { return new TEditPersFrm(dm); });
    auto *frm = qobject_cast<TEditPersFrm *>(sub->widget());
    sub->showMaximized();
    frm->openCitizen(autonum, origin);
}

void CitizenScreens::registerScreens(MainWindow &main, TDataMdl &dm)
{
    returns().clear();
    g_idiothta = new TIdiothtaDlg(main.widget());
    g_notes = new TNOTESDlg(main.widget());
    g_list = new TLISTAPOLDlg(dm, main.widget());
    g_special = new TSpecialNotesFrm(dm, main.widget());
    g_info = new TPolitesInfoDlg(main.widget());

    Screens::add("TNewPersFrm", [&main, &dm] {
        QMdiSubWindow *sub = main.openChild("NewPersFrm", [&dm] { return new TNewPersFrm(dm); });
        sub->showMaximized();
    });
    Screens::add("TLISTAPOLDlg", [&dm] {
        if (!dm.TblPOLEIS->active())
            dm.TblPOLEIS->open();
        if (!dm.TblPOLITES->active())
            dm.TblPOLITES->open();
        dm.TblPOLEIS->setFiltered(false);
        ui().exec(g_list);
    });
    setReturn(CitizenList, [&dm](int autonum) {
        if (!g_list)
            return;
        if (autonum > 0 && dm.TblPOLITES->active())
            dm.TblPOLITES->locate("AUTONUM", autonum);
        ui().exec(g_list);
    });
}

} // namespace dorvani
