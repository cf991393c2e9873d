// The search subsystem's screens: the citizen search window (one at a time), the field
// chooser, the results screen and the print chooser created at start-up, and the
// hand-off of found rows to the screen that shows them.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace dorvani {

class TDataMdl;
class MainWindow;
class TPediaDlg;
class TPrnPEDIADlg;
class TSearchResDlg;

class SearchScreens {
public:
    static TPediaDlg *pedia();
    static TSearchResDlg *results();
    static TPrnPEDIADlg *printChooser();

    // A screen that takes found rows instead of the results screen (the letter recipients
    // while the letter screen is open) registers here; it returns true when it took them,
    // false to let the results screen show them.
    using ResultsTaker = std::function<bool(const QStringList &resultFields, const QString &description)>;
    static void setResultsTaker(ResultsTaker taker);

    // SearchQry holds at least one found row: the taker or the results screen is filled
    // with the result field list and the description and shown modally.
    static void handOver(const QStringList &resultFields, const QString &description);
};

// Registers the search screens (from the start-up registration of every subsystem).
void registerSearchScreens(MainWindow &main, TDataMdl &dm);

} // namespace dorvani
