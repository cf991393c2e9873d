// The prefectures, the top of the office's geography.
#pragma once

#include "reference/ListEditor.h"

namespace dorvani {

class TDataMdl;

class TNomoiDlg : public TListEditorDlg {
public:
    explicit TNomoiDlg(TDataMdl &dm, QWidget *parent = nullptr);
};

} // namespace dorvani
