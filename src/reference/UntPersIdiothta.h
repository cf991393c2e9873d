// The roles of members of bodies. A role belongs to a kind of body (TAKO); choosing a kind
// lists its roles only, and a new role needs a kind.
#pragma once

#include "reference/ListEditor.h"

class QComboBox;

namespace dorvani {

class TDataMdl;

class TPersIdiothtaDlg : public TListEditorDlg {
public:
    explicit TPersIdiothtaDlg(TDataMdl &dm, QWidget *parent = nullptr);

    QComboBox *CmbTAKO;

protected:
    void beforeShow() override;
    void closing() override;
    bool mayInsert() override;
    QHash<QString, QVariant> insertExtras() const override;

private:
    void kindChosen(int code);
    TDataMdl &m_dm;
};

} // namespace dorvani
