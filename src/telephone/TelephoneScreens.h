// The telephone's screens: the initial-letter finder (the main window's command
// TAlphabetDlg), the directory it fills, and the dial dialog the citizen screen uses too.
#pragma once

#include <QString>

namespace dorvani {

class MainWindow;
class TDataMdl;
class TAlphabetDlg;
class TTelBookFrm;

void registerTelephoneScreens(MainWindow &main, TDataMdl &dm);

namespace TelephoneScreens {
TAlphabetDlg *finder();
TTelBookFrm *directory();
// Shows the finder, creating it when it was closed.
void showFinder();
// Shows the directory with the citizens of a letter, creating it when needed.
void searchLetter(const QString &letter);
} // namespace TelephoneScreens

} // namespace dorvani
