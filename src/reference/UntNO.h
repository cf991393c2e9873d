// The prefectural party organisations (N.O.) of a prefecture. The list is the chosen
// prefecture's organisations, by a filter removed when the editor closes.
#pragma once

#include "reference/ListEditor.h"

namespace dorvani {

class TDataMdl;

class TNODlg : public TListEditorDlg {
public:
    explicit TNODlg(TDataMdl &dm, QWidget *parent = nullptr);

protected:
    void parentsChanged(int level) override;
    void closing() override;

private:
    TDataMdl &m_dm;
};

} // namespace dorvani
