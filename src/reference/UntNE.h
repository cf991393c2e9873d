// The prefectural committees (N.E.) of a prefectural organisation.
#pragma once

#include "reference/ListEditor.h"

namespace dorvani {

class TDataMdl;

class TNEDlg : public TListEditorDlg {
public:
    explicit TNEDlg(TDataMdl &dm, QWidget *parent = nullptr);
};

} // namespace dorvani
