// The sources of influence listed in a citizen's record.
#pragma once

#include "reference/ListEditor.h"

namespace dorvani {

class TDataMdl;

class TEpirohDlg : public TListEditorDlg {
public:
    explicit TEpirohDlg(TDataMdl &dm, QWidget *parent = nullptr);
};

} // namespace dorvani
