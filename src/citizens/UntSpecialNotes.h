// The confidential notes of a citizen: the contact history (one dated row per contact)
// and three texts, intra-party rivalries, requests and information.
#pragma once

#include "citizens/CitizenStore.h"

#include <QDialog>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace dorvani {

class DBGrid;
class TDataMdl;

class TSpecialNotesFrm : public QDialog {
    Q_OBJECT
public:
    explicit TSpecialNotesFrm(TDataMdl &dm, QWidget *parent = nullptr);

    QLabel *LblEPAFES;
    QDateEdit *DateEpafes;
    QLineEdit *EdtThema;
    QPlainTextEdit *Memo1, *Memo2, *Memo3, *Memo4;
    QPushButton *BtnInsert, *BtnPrint, *BtnSave, *BtnReturn;
    DBGrid *DBGrid1;

    void setCitizen(int number, const QString &heading);
    int citizen() const { return m_citizen; }
    void setTexts(const SpecialNoteTexts &t);
    SpecialNoteTexts texts() const;

    void insertContact();
    void save();
    void print();
    // The printout's lines: the heading block, the contacts, the three texts.
    QStringList printLines();

protected:
    void showEvent(QShowEvent *e) override;

private:
    TDataMdl &m_dm;
    int m_citizen = 0;
};

} // namespace dorvani
