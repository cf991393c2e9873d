// The citizen register's screens: the single-instance dialogs created at start-up, the
// commands of the main window, and the way back from the editing screen to the list
// that opened it.
#pragma once

#include <functional>

namespace dorvani {

class TDataMdl;
class MainWindow;
class TIdiothtaDlg;
class TNOTESDlg;
class TSpecialNotesFrm;
class TPolitesInfoDlg;
class TLISTAPOLDlg;

class CitizenScreens {
public:
    static void registerScreens(MainWindow &main, TDataMdl &dm);

    static TIdiothtaDlg *idiothta();
    static TNOTESDlg *notes();
    static TSpecialNotesFrm *specialNotes();
    static TPolitesInfoDlg *conversation();
    static TLISTAPOLDlg *citizenList();

    // The list screens that open a citizen for editing, by origin code: 0 the citizen
    // list, 1 the search results, 2 the birthdays, 3 the celebrants, 4 the co-candidate
    // statistics, 5 the voters of a town. Each names how it is shown again.
    enum Origin { CitizenList = 0, SearchResults = 1, Birthdays = 2, Celebrants = 3, Statistics = 4, TownVoters = 5, TelBook = 6 };
    static void setReturn(int origin, std::function<void(int autonum)> showAgain);
    static void returnTo(int origin, int autonum);
    // Opens the editing screen on a citizen (one editing screen at a time).
    static void edit(int autonum, int origin);
};

} // namespace dorvani
