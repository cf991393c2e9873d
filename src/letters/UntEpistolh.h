// The letter run: a template loaded, a salutation chosen, the citizens of a search marked,
// and one letter per marked citizen printed, previewed or written to one PDF file.
#pragma once

#include "letters/LetterMerge.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QTextEdit;
class QToolButton;

namespace dorvani {

class TDataMdl;
class DBGrid;
class TProgressDlg;
class TSelPrintTypeDlg;

class TEpistolhFrm : public QWidget {
    Q_OBJECT
public:
    explicit TEpistolhFrm(TDataMdl &dm, QWidget *parent = nullptr);
    ~TEpistolhFrm() override;

    QComboBox *CmbPR;
    QToolButton *SpeedButton1, *SpeedButton2;
    QTextEdit *RichEdit1;
    QLabel *Label1;
    QPushButton *BtnAll;
    DBGrid *DBGrid1;
    QPushButton *BitBtn2; // produce the letters
    QLabel *Label2;
    QPushButton *BtnFind, *BitBtn1, *CancelBtn;

    // The recipients grid emptied and the salutation blanked; the text is kept.
    void reset();
    void loadLetter();
    void newSalutation();
    void deleteSalutation();
    void markAll();
    void produce();
    // The recipients of the marked rows, in row order.
    QList<letters::Recipient> markedRecipients() const;
    // Found rows arrive here while this screen exists.
    bool takeResults(const QStringList &resultFields, const QString &description);

    static TSelPrintTypeDlg *printTypeDialog();
    static TProgressDlg *progressDialog();

private:
    void fillSalutations(const QString &choose = {});

    TDataMdl &m_dm;
    bool m_running = false;
};

} // namespace dorvani
