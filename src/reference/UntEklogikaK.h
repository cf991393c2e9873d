// The electoral centres of a municipality, each with the district it serves (typed into
// the grid). The list follows the chosen prefecture, province and municipality through a
// filter on the centres' own fields, removed when the editor closes.
#pragma once

#include "reference/ListEditor.h"

class QPushButton;

namespace dorvani {

class TDataMdl;

class TEklogikaKDlg : public TListEditorDlg {
public:
    explicit TEklogikaKDlg(TDataMdl &dm, QWidget *parent = nullptr);

    QPushButton *BitBtn1; // updates the citizens' file; never enabled

protected:
    void parentsChanged(int level) override;
    void closing() override;
    void afterChange() override;

private:
    TDataMdl &m_dm;
};

} // namespace dorvani
