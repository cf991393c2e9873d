// The evaluation criteria; a criterion that citizens have is kept.
#pragma once

#include "reference/ListEditor.h"

namespace dorvani {

class TDataMdl;

class TAksiologhshDlg : public TListEditorDlg {
public:
    explicit TAksiologhshDlg(TDataMdl &dm, QWidget *parent = nullptr);
};

} // namespace dorvani
