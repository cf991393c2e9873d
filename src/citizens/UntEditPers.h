// The editing screen of a stored citizen: the page of the entry screen with stepping,
// deletion, printing, e-mail and web, opened from a list screen and returning to it.
#pragma once

#include "citizens/CitizenPage.h"

#include <functional>

namespace dorvani {

class TEditPersFrm : public TCitizenPage {
    Q_OBJECT
public:
    explicit TEditPersFrm(TDataMdl &dm, QWidget *parent = nullptr);
    ~TEditPersFrm() override;

    int origin() const { return m_origin; }

    // What the call buttons beside the telephones do with their number; without it they
    // stay disabled.
    static void setDialler(std::function<void(const QString &number)> dial);

    // Opening for editing: the lists prepared, the page cleared and the citizen loaded.
    void openCitizen(int autonum, int origin);
    // Loads a citizen; false (page cleared) when there is none.
    bool load(int autonum);
    bool save();
    void step(bool forward);
    void deleteCitizen();
    void returnClicked();
    void print();
    void writeMail();
    void openWeb();

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void closeScreen();
    int m_origin = 0;
};

} // namespace dorvani
