#include "ReferenceScreens.h"

#include "Screens.h"
#include "Ui.h"
#include "UntAksiologhsh.h"
#include "UntDhmoi.h"
#include "UntEklogikaK.h"
#include "UntEparxies.h"
#include "UntEpagelma.h"
#include "UntEpirroh.h"
#include "UntEthnikothtes.h"
#include "UntKommata.h"
#include "UntKommatikes_Theseis.h"
#include "UntMain.h"
#include "UntMelos.h"
#include "UntMorfosh.h"
#include "UntNE.h"
#include "UntNO.h"
#include "UntNomoi.h"
#include "UntPYRHNAS.h"
#include "UntPersIdiothta.h"
#include "UntPoleis.h"
#include "UntSynypops.h"
#include "UntTO.h"

#include <QPointer>

namespace dorvani {

void registerReferenceScreens(TMainFrm &main, TDataMdl &dm)
{
    auto add = [](const QString &key, QDialog *dlg) {
        QPointer<QDialog> screen(dlg);
        Screens::add(key, [screen] {
            if (screen)
                ui().exec(screen);
        });
    };
    // In the order the program creates its screens.
    add("TEpagelmaDlg", new TEpagelmaDlg(dm, &main));
    add("TEthnikothtesDlg", new TEthnikothtesDlg(dm, &main));
    add("TNomoiDlg", new TNomoiDlg(dm, &main));
    add("TEparxiesDlg", new TEparxiesDlg(dm, &main));
    add("TDhmoiDlg", new TDhmoiDlg(dm, &main));
    add("TPoleisDlg", new TPoleisDlg(dm, &main));
    add("TSynypopsDlg", new TSynypopsDlg(dm, &main));
    add("TEpirohDlg", new TEpirohDlg(dm, &main));
    add("TNODlg", new TNODlg(dm, &main));
    add("TNEDlg", new TNEDlg(dm, &main));
    add("TTODlg", new TTODlg(dm, &main));
    add("TPYRHNASDlg", new TPYRHNASDlg(dm, &main));
    add("TMelosDlg", new TMelosDlg(dm, &main));
    add("TMorfoshDlg", new TMorfoshDlg(dm, &main));
    add("TAksiologhshDlg", new TAksiologhshDlg(dm, &main));
    add("TEklogikaKDlg", new TEklogikaKDlg(dm, &main));
    add("TKommataDlg", new TKommataDlg(dm, &main));
    add("TKommatikes_TheseisDlg", new TKommatikes_TheseisDlg(dm, &main));
    add("TPersIdiothtaDlg", new TPersIdiothtaDlg(dm, &main));
}

} // namespace dorvani
