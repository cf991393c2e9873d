// The nationalities that citizens' records copy their nationality from.
#pragma once

#include "reference/ListEditor.h"

namespace dorvani {

class TDataMdl;

class TEthnikothtesDlg : public TListEditorDlg {
public:
    explicit TEthnikothtesDlg(TDataMdl &dm, QWidget *parent = nullptr);
};

} // namespace dorvani
