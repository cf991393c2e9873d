// The information box: the program's name and version.
#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;

namespace dorvani {

class TVerInfoRes;

class TAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit TAboutDlg(QWidget *parent = nullptr);
    ~TAboutDlg() override;

    QLabel *ProgramIcon;
    QLabel *ProductName;
    QLabel *Version;
    QPushButton *OKButton;

protected:
    void showEvent(QShowEvent *e) override;
    void done(int r) override;

private:
    // Made each time the box is shown, released when it closes.
    std::unique_ptr<TVerInfoRes> m_verInfo;
};

} // namespace dorvani
