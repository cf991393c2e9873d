// The remarks of a citizen: one short text, kept in the citizen's NOTES field by the
// citizen screens, which fill and read this dialog.
#pragma once

#include <QDialog>

class QPushButton;
class QTextEdit;

namespace dorvani {

class TNOTESDlg : public QDialog {
    Q_OBJECT
public:
    explicit TNOTESDlg(QWidget *parent = nullptr);
    QTextEdit *RichEdit1;
    QPushButton *OKBtn;
};

} // namespace dorvani
