// The provinces of a prefecture.
#pragma once

#include "reference/ListEditor.h"

namespace dorvani {

class TDataMdl;

class TEparxiesDlg : public TListEditorDlg {
public:
    explicit TEparxiesDlg(TDataMdl &dm, QWidget *parent = nullptr);
};

} // namespace dorvani
