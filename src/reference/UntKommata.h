// The parties. Each party is kept three times under one number: in KOMMATA (for the
// registries of bodies), KOMMATASTRUCT (for the members of bodies) and SYMMAXIES (the
// alliances); the editor keeps the three in step.
#pragma once

#include "reference/ListEditor.h"

namespace dorvani {

class TDataMdl;

class TKommataDlg : public TListEditorDlg {
public:
    explicit TKommataDlg(TDataMdl &dm, QWidget *parent = nullptr);

protected:
    void beforeShow() override;
    bool insertName(const QString &name) override;
    void correctName(const QString &name) override;
    void removeCurrent() override;

private:
    TDataMdl &m_dm;
};

} // namespace dorvani
