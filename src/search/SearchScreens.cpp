#include "search/SearchScreens.h"
#include "search/UntSearchSpecialNotes.h"
#include "widgets/Access.h"

#include "citizens/CitizenScreens.h"
#include "data/DataModule.h"
#include "widgets/Screens.h"
#include "widgets/Ui.h"
#include "search/LabelTypes.h"
#include "search/UntFindPers.h"
#include "search/UntLabelSetup.h"
#include "widgets/MainWindow.h"
#include "search/UntPedia.h"
#include "search/UntPrint.h"
#include "search/UntPrnPedia.h"
#include "search/UntSelectPrint.h"
#include "search/UntSearchRes.h"

#include <QMdiSubWindow>
#include <QPointer>

namespace dorvani {

namespace {
QPointer<TPediaDlg> g_pedia;
QPointer<TSearchResDlg> g_results;
QPointer<TPrnPEDIADlg> g_printChooser;
QPointer<TPrintFrm> g_printFrm;
QPointer<TSelectPrintDlg> g_selectPrint;
SearchScreens::ResultsTaker g_taker;
} // namespace

TPediaDlg *SearchScreens::pedia() { return g_pedia; }
TSearchResDlg *SearchScreens::results() { return g_results; }
TPrnPEDIADlg *SearchScreens::printChooser() { return g_printChooser; }

void SearchScreens::setResultsTaker(ResultsTaker taker) { g_taker = std::move(taker); }

void SearchScreens::handOver(const QStringList &resultFields, const QString &description)
{
    if (g_taker && g_taker(resultFields, description))
        return;
    if (!g_results)
        return;
    g_results->fill(resultFields, description);
    ui().exec(g_results);
}

void registerSearchScreens(MainWindow &main, TDataMdl &dm)
{
    g_taker = nullptr;
    g_pedia = new TPediaDlg(main.widget());
    g_printChooser = new TPrnPEDIADlg(main.widget());
    g_results = new TSearchResDlg(dm, g_pedia, g_printChooser, main.widget());

    Screens::add("TFindPersFrm", [&main, &dm] {
        bool created = false;
        QMdiSubWindow *sub = main.openChild("FindPersFrm", [&] {
            created = true;
            return new TFindPersFrm(dm);
        });
        sub->showMaximized();
        // A second command brings the open screen to the front as it is.
        if (created)
            if (auto *frm = qobject_cast<TFindPersFrm *>(sub->widget()))
                frm->prepare();
    });
    // Labels: the label type screen and the print choice live as long as the program; the
    // label screen is built afresh each time over the results' columns.
    guarded([] { labeltypes::addStarterTypesWhenEmpty(); });
    g_printFrm = new TPrintFrm(main.widget());
    g_selectPrint = new TSelectPrintDlg(g_printFrm, main.widget());
    Screens::add("TLabelSetupFrm", [&dm] {
        if (!g_results)
            return;
        TLabelSetupFrm frm(dm, g_printFrm, g_selectPrint, g_results->columns(), g_results);
        ui().exec(&frm);
    });
    Screens::add("TSearchSpecialNotesFrm", [&main, &dm] {
        if (!Access::require())
            return;
        main.openChild("SearchSpecialNotesFrm", [&] { return new TSearchSpecialNotesFrm(dm); })->show();
    });
    // The editing screen opened from the results shows them again, unchanged, when it closes.
    CitizenScreens::setReturn(CitizenScreens::SearchResults, [](int) {
        if (g_results)
            ui().exec(g_results);
    });
}

} // namespace dorvani
