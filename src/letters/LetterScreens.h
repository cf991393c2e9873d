// The letters' screens: the template editor, the vocatives screen and the letter run.
#pragma once

namespace dorvani {

class TDataMdl;
class MainWindow;
class TKLHTIKHDlg;
class TPROSFRESDlg;

// Registers TKLHTIKHDlg, TKeimenoFrm and TEpistolhFrm, and creates the letter recipients screen.
void registerLetterScreens(MainWindow &main, TDataMdl &dm);

namespace LetterScreens {
TKLHTIKHDlg *vocatives();
// The letter recipients screen, created at start.
TPROSFRESDlg *recipients();
}

} // namespace dorvani
