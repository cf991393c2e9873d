// The professions that citizens' records copy their profession from.
#pragma once

#include "reference/ListEditor.h"

namespace dorvani {

class TDataMdl;

class TEpagelmaDlg : public TListEditorDlg {
public:
    explicit TEpagelmaDlg(TDataMdl &dm, QWidget *parent = nullptr);
};

} // namespace dorvani
