// The local party organisations (T.O.) of a prefectural committee.
#pragma once

#include "reference/ListEditor.h"

namespace dorvani {

class TDataMdl;

class TTODlg : public TListEditorDlg {
public:
    explicit TTODlg(TDataMdl &dm, QWidget *parent = nullptr);

protected:
    QString saveErrorText(const DbError &e) const override;
};

} // namespace dorvani
