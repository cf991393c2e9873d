#include "CitizenScreens.h"

#include "DataModule.h"
#include "Screens.h"
#include "Ui.h"
#include "UntEditPers.h"
#include "UntIdiothta.h"
#include "UntLISTAPOL.h"
#include "UntMain.h"
#include "UntNOTES.h"
#include "UntNewPers.h"
#include "UntPolitesInfo.h"
#include "UntSpecialNotes.h"

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
    TMainFrm *main = TMainFrm::instance();
    const auto f = returns().value(origin);
    if (f && main && !main->shuttingDown())
        guarded([&] { f(autonum); });
}

void CitizenScreens::edit(int autonum, int origin)
{
    TMainFrm *main = TMainFrm::instance();
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

void CitizenScreens::registerScreens(TMainFrm &main, TDataMdl &dm)
{
    returns().clear();
    g_idiothta = new TIdiothtaDlg(&main);
    g_notes = new TNOTESDlg(&main);
    g_list = new TLISTAPOLDlg(dm, &main);
    g_special = new TSpecialNotesFrm(dm, &main);
    g_info = new TPolitesInfoDlg(&main);

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
