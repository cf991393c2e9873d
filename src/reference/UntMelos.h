// The party membership categories of citizens.
#pragma once

#include "reference/ListEditor.h"

namespace dorvani {

class TDataMdl;

class TMelosDlg : public TListEditorDlg {
public:
    explicit TMelosDlg(TDataMdl &dm, QWidget *parent = nullptr);
};

} // namespace dorvani
