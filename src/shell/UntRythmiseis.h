// The settings: election type, home prefecture, home prefectural organisation, the
// co-candidate who receives the votes, the modem's port, the telephone line and the
// telephone that calls are placed on.
#pragma once

#include "widgets/FormParts.h"

#include <QDialog>
#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace dorvani {

class DBLookupComboBox;
class TDataMdl;

// A group of radio buttons in columns of which none, or one, is chosen.

class TRythmiseisDlg : public QDialog {
    Q_OBJECT
public:
    explicit TRythmiseisDlg(TDataMdl &dm, QWidget *parent = nullptr);

    static const QStringList &electionTypes();

    QGroupBox *GroupBox1;
    QComboBox *ComboBox1;
    DBLookupComboBox *DBLookupComboBox1; // prefecture
    DBLookupComboBox *DBLookupComboBox3; // prefectural organisation
    DBLookupComboBox *DBLookupComboBox2; // co-candidate
    TRadioGroup *RadioGroup1;            // modem port
    TRadioGroup *RadioGroup2;            // telephone line
    TRadioGroup *RadioGroup3;            // calls through the desktop's tel: handler or the modem
    QPushButton *BtnDel;
    QPushButton *BitBtn1;
    QPushButton *CancelBtn;
    QPushButton *BitBtn5;

    void clearAll();
    void save();

    // A stored port ("1" to "4") as the position of its button, -1 for anything else.
    static int portIndex(const QString &stored);
    // A stored line type (0 or 1) as the position of its button; absent reads as 0,
    // anything else as none.
    static int lineIndex(bool present, const QString &stored);

protected:
    void showEvent(QShowEvent *e) override;
    void done(int r) override;

private:
    void load();
    static void choose(DBLookupComboBox *box, const QString &text);
    TDataMdl &m_dm;
};

} // namespace dorvani
