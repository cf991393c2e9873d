// The search over the contact history and the confidential notes; only full access opens it.
#pragma once

#include "search/SpecialNotesSearch.h"

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace dorvani {

class TDataMdl;

class TSearchSpecialNotesFrm : public QWidget {
    Q_OBJECT
public:
    explicit TSearchSpecialNotesFrm(TDataMdl &dm, QWidget *parent = nullptr);

    QLineEdit *MskFrom, *MskTo, *EdtThema;
    QPlainTextEdit *Memo1, *Memo2, *Memo3, *Memo4;
    QPushButton *BtnDel, *BtnFind, *CancelBtn;

    void clear();
    SpecialNotesCriteria criteria() const;
    // The field chooser, then the search.
    void find();
    bool search();

private:
    TDataMdl &m_dm;
};

} // namespace dorvani
