// The vocatives screen: the first names of the register with their vocative forms, which
// the user corrects in place.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace dorvani {

class TDataMdl;
class DBGrid;

class TKLHTIKHDlg : public QDialog {
    Q_OBJECT
public:
    explicit TKLHTIKHDlg(TDataMdl &dm, QWidget *parent = nullptr);

    QLabel *Label2;
    QPushButton *CancelBtn;
    DBGrid *DBGrid1;

    // Adds the register's first names that lack a vocative and shows the count.
    void prepare();

protected:
    void done(int r) override;

private:
    TDataMdl &m_dm;
};

} // namespace dorvani
