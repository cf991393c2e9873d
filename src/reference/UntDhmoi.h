// The municipalities of a province.
#pragma once

#include "reference/ListEditor.h"

namespace dorvani {

class TDataMdl;

class TDhmoiDlg : public TListEditorDlg {
public:
    explicit TDhmoiDlg(TDataMdl &dm, QWidget *parent = nullptr);
};

} // namespace dorvani
