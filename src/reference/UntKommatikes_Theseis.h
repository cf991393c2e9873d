// The party positions; a position that a member of a body holds is kept.
#pragma once

#include "reference/ListEditor.h"

namespace dorvani {

class TDataMdl;

class TKommatikes_TheseisDlg : public TListEditorDlg {
public:
    explicit TKommatikes_TheseisDlg(TDataMdl &dm, QWidget *parent = nullptr);
};

} // namespace dorvani
