// The letter template editor: a formatting bar, the ruler, the text, and the band with the loaded
// file, the caret position, loading, saving and the test print on the letter page.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTextCharFormat;
class QTextEdit;
class QToolButton;

namespace dorvani {

class TPrnSettingsDlg;
class TRuler;

class TKeimenoFrm : public QWidget {
    Q_OBJECT
public:
    explicit TKeimenoFrm(QWidget *parent = nullptr);

    QToolButton *BoldButton, *ItalicButton, *UnderlineButton, *FontButton;
    QToolButton *ToolButton1, *ToolButton3, *ToolButton5; // left, centre, right
    TRuler *Ruler; // the markers FirstInd, LeftInd and RightInd
    QTextEdit *RichEdit1;
    QLabel *Label2, *Label3;
    QPushButton *BitBtn2, *BtnSave, *BitBtn1, *CancelBtn;

    void load();
    void save();
    void testPrint();

    static TPrnSettingsDlg *settingsDialog();

private:
    void showFormat();
    void showCaret();
    void mergeFormat(const QTextCharFormat &f);
    bool m_showing = false;
};

} // namespace dorvani
