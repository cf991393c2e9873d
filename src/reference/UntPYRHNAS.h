// The party cells of a local organisation. A cell in which citizens are placed is kept.
#pragma once

#include "reference/ListEditor.h"

namespace dorvani {

class TDataMdl;

class TPYRHNASDlg : public TListEditorDlg {
public:
    explicit TPYRHNASDlg(TDataMdl &dm, QWidget *parent = nullptr);

protected:
    void afterChange() override;

private:
    TDataMdl &m_dm;
};

} // namespace dorvani
