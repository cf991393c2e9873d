#include "reference/ReferenceScreens.h"

#include "widgets/Screens.h"
#include "widgets/Ui.h"
#include "reference/UntAksiologhsh.h"
#include "reference/UntDhmoi.h"
#include "reference/UntEklogikaK.h"
#include "reference/UntEparxies.h"
#include "reference/UntEpagelma.h"
#include "reference/UntEpirroh.h"
#include "reference/UntEthnikothtes.h"
#include "reference/UntKommata.h"
#include "reference/UntKommatikes_Theseis.h"
#include "widgets/MainWindow.h"
#include "reference/UntMelos.h"
#include "reference/UntMorfosh.h"
#include "reference/UntNE.h"
#include "reference/UntNO.h"
#include "reference/UntNomoi.h"
#include "reference/UntPYRHNAS.h"
#include "reference/UntPersIdiothta.h"
#include "reference/UntPoleis.h"
#include "reference/UntSynypops.h"
#include "reference/UntTO.h"

#include <QPointer>

namespace dorvani {

void registerReferenceScreens(MainWindow &main, TDataMdl &dm)
{
    auto add = [](const QString &key, QDialog *dlg) {
        QPointer<QDialog> screen(dlg);
        Screens::add(key, [screen] {
            if (screen)
                ui().exec(screen);
        });
    };
    // In the order the program creates its screens.
    add("TEpagelmaDlg", new TEpagelmaDlg(dm, main.widget()));
    add("TEthnikothtesDlg", new TEthnikothtesDlg(dm, main.widget()));
    add("TNomoiDlg", new TNomoiDlg(dm, main.widget()));
    add("TEparxiesDlg", new TEparxiesDlg(dm, main.widget()));
    add("TDhmoiDlg", new TDhmoiDlg(dm, main.widget()));
    add("TPoleisDlg", new TPoleisDlg(dm, main.widget()));
    add("TSynypopsDlg", new TSynypopsDlg(dm, main.widget()));
    add("TEpirohDlg", new TEpirohDlg(dm, main.widget()));
    add("TNODlg", new TNODlg(dm, main.widget()));
    add("TNEDlg", new TNEDlg(dm, main.widget()));
    add("TTODlg", new TTODlg(dm, main.widget()));
    add("TPYRHNASDlg", new TPYRHNASDlg(dm, main.widget()));
    add("TMelosDlg", new TMelosDlg(dm, main.widget()));
    add("TMorfoshDlg", new TMorfoshDlg(dm, main.widget()));
    add("TAksiologhshDlg", new TAksiologhshDlg(dm, main.widget()));
    add("TEklogikaKDlg", new TEklogikaKDlg(dm, main.widget()));
    add("TKommataDlg", new TKommataDlg(dm, main.widget()));
    add("TKommatikes_TheseisDlg", new TKommatikes_TheseisDlg(dm, main.widget()));
    add("TPersIdiothtaDlg", new TPersIdiothtaDlg(dm, main.widget()));
}

} // namespace dorvani
