// The votes a citizen brings in each town of the home prefecture, typed town by town.
#pragma once

#include <QDialog>

class QPushButton;

namespace dorvani {

class DBGrid;
class TDataMdl;

class TTotPSHFOIDlg : public QDialog {
    Q_OBJECT
public:
    explicit TTotPSHFOIDlg(TDataMdl &dm, QWidget *parent = nullptr);

    DBGrid *DBGrid1;
    QPushButton *CancelBtn;

    // Shows only the rows of this citizen, adding first a row for every town of the home
    // prefecture the citizen has none for. The town names cannot be edited and no row is added
    // in the grid; every vote typed is stored as it is left.
    void openFor(int autonum);
    // Shows every row again.
    void release();

protected:
    void done(int r) override;

private:
    TDataMdl &m_dm;
};

} // namespace dorvani
