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

    // ---- the editing screen's own buttons
    QToolButton *SpeedButton16, *SpeedButton17, *SpeedButton18, *SpeedButton14, *SpeedButton15;
    QToolButton *DialButtons[12]; // SpeedButton2..SpeedButton13
    QPushButton *BitBtn3, *BBtnPrint;

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

    // Only what the page shows is written: an empty drop-down keeps the stored number, and
    // an untouched stored name that is no longer in its list stays.
    CitizenRecord record() const override;

protected:
    void closeEvent(QCloseEvent *e) override;

    QList<DBLookupComboBox *> partyRows() const override;
    QList<DBLookupComboBox *> partyTabOrder() const override;
    void besidePhone(QGridLayout *g, int row, int column, int index) override;
    void besideContact(QGridLayout *g) override;
    QWidget *votesTotal(QLabel *total) override;
    QString influenceCaption() const override { return "ΕΠΙΡΡΟΗ ΑΠΟ"; }
    QString ownVotesCaption() const override { return "ΑΤΟΜΙΚΟΙ ΨΗΦΟΙ"; }
    QList<QWidget *> buttonOrder() const override;
    // The town box lists the towns of the chosen municipality, and a town chooses the
    // places above it; the vocatives follow the first name as it is typed.
    Dataset *townList() const override;
    void prefectureChosen() override;
    void townChosen() override;
    void committeeChosen() override;
    void nameLeft() override;

private:
    int m_origin = 0;
};

} // namespace dorvani
