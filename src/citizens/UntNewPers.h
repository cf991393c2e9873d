// The entry screen of a new citizen.
#pragma once

#include "citizens/CitizenPage.h"

namespace dorvani {

class TNewPersFrm : public TCitizenPage {
    Q_OBJECT
public:
    explicit TNewPersFrm(TDataMdl &dm, QWidget *parent = nullptr);

    // Validates and stores the page as a new citizen; false when refused or failed.
    bool save();
    void returnClicked();
    // The cleared page is a new citizen's: no notes yet, the cells of the organisation.
    void clearPage() override;
};

} // namespace dorvani
