// The co-candidates of the office's list. Their names are copied into every citizen's vote
// rows, so a rename or a deletion reaches those rows too, in the same transaction.
#pragma once

#include "reference/ListEditor.h"

namespace dorvani {

class TDataMdl;

class TSynypopsDlg : public TListEditorDlg {
public:
    explicit TSynypopsDlg(TDataMdl &dm, QWidget *parent = nullptr);

protected:
    bool confirmCorrection(const QString &name) override;
    void correctName(const QString &name) override;
    QString deleteQuestion() const override;
    void removeCurrent() override;

private:
    TDataMdl &m_dm;
};

} // namespace dorvani
