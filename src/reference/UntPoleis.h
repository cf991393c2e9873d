// The towns and villages of a municipality with their postal codes, typed into the grid.
// A town where citizens live is kept; a renamed town takes its vote rows along.
#pragma once

#include "reference/ListEditor.h"

class QPushButton;

namespace dorvani {

class TDataMdl;

class TPoleisDlg : public TListEditorDlg {
public:
    explicit TPoleisDlg(TDataMdl &dm, QWidget *parent = nullptr);

    QPushButton *BitBtn1; // updates the citizens' file; never enabled

protected:
    void correctName(const QString &name) override;
    void afterChange() override;

private:
    TDataMdl &m_dm;
};

} // namespace dorvani
