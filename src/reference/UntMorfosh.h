// The levels of education; a level that citizens have is kept.
#pragma once

#include "reference/ListEditor.h"

namespace dorvani {

class TDataMdl;

class TMorfoshDlg : public TListEditorDlg {
public:
    explicit TMorfoshDlg(TDataMdl &dm, QWidget *parent = nullptr);
};

} // namespace dorvani
