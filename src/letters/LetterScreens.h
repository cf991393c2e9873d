// The letters' screens: the template editor, the vocatives screen and the letter run.
#pragma once

namespace dorvani {

class TDataMdl;
class MainWindow;
class TKLHTIKHDlg;

// Registers TKLHTIKHDlg, TKeimenoFrm and TEpistolhFrm.
void registerLetterScreens(MainWindow &main, TDataMdl &dm);

namespace LetterScreens {
TKLHTIKHDlg *vocatives();
}

} // namespace dorvani
