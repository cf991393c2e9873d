#include "search/UntSearchSpecialNotes.h"

#include "data/DataModule.h"
#include "data/DbError.h"
#include "search/ResultFields.h"
#include "search/SearchScreens.h"
#include "search/UntPedia.h"
#include "widgets/Ui.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dorvani {

TSearchSpecialNotesFrm::TSearchSpecialNotesFrm(TDataMdl &dm, QWidget *parent) : QWidget(parent), m_dm(dm)
{
    setObjectName("SearchSpecialNotesFrm");
    setWindowTitle("ΑΝΑΖΗΤΗΣΗ ΕΙΔΙΚΩΝ ΣΗΜΕΙΩΣΕΩΝ");
    setAttribute(Qt::WA_DeleteOnClose);
    auto *v = new QVBoxLayout(this);
    auto *contacts = new QGroupBox("ΕΠΑΦΕΣ", this);
    auto *cf = new QFormLayout(contacts);
    auto edit = [&](const QString &name, QWidget *p) {
        auto *e = new QLineEdit(p);
        e->setObjectName(name);
        return e;
    };
    MskFrom = edit("MskFrom", contacts);
    MskFrom->setInputMask("00/00/0000;_");
    MskTo = edit("MskTo", contacts);
    MskTo->setInputMask("00/00/0000;_");
    EdtThema = edit("EdtThema", contacts);
    auto memo = [&](const QString &name, QWidget *p) {
        auto *m = new QPlainTextEdit(p);
        m->setObjectName(name);
        m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        connect(m, &QPlainTextEdit::textChanged, m, [m] {
            if (m->toPlainText().size() > 249) {
                const QString t = m->toPlainText().left(249);
                m->setPlainText(t);
                m->moveCursor(QTextCursor::End);
            }
        });
        return m;
    };
    Memo1 = memo("Memo1", contacts);
    cf->addRow("ΑΠΟ ΗΜ/ΝΙΑ", MskFrom);
    cf->addRow("ΕΩΣ KAI", MskTo);
    cf->addRow("ΘΕΜΑ", EdtThema);
    cf->addRow("ΠΑΡΑΤΗΡΗΣΕΙΣ", Memo1);
    v->addWidget(contacts);
    auto *nf = new QFormLayout;
    Memo2 = memo("Memo2", this);
    Memo3 = memo("Memo3", this);
    Memo4 = memo("Memo4", this);
    nf->addRow("ΕΣΩΚΟΜΜΑΤΙΚΕΣ ΑΝΤΙΠΑΛΟΤΗΤΕΣ", Memo2);
    nf->addRow("ΑΙΤΗΜΑΤΑ", Memo3);
    nf->addRow("ΠΛΗΡΟΦΟΡΙΕΣ", Memo4);
    v->addLayout(nf);
    auto *h = new QHBoxLayout;
    BtnDel = new QPushButton("&ΚΑΘΑΡΙΣΜΟΣ", this);
    BtnDel->setObjectName("BtnDel");
    BtnDel->setToolTip("ΚΑΘΑΡΙΣΜΟΣ ΟΛΩΝ ΤΩΝ ΒΑΣΙΚΩΝ");
    BtnFind = new QPushButton("&ΑΝΑΖΗΤΗΣΗ", this);
    BtnFind->setObjectName("BtnFind");
    CancelBtn = new QPushButton("&ΕΠΙΣΤΡΟΦΗ", this);
    CancelBtn->setObjectName("CancelBtn");
    h->addWidget(BtnDel);
    h->addWidget(BtnFind);
    h->addWidget(CancelBtn);
    v->addLayout(h);
    connect(BtnDel, &QPushButton::clicked, this, &TSearchSpecialNotesFrm::clear);
    connect(BtnFind, &QPushButton::clicked, this, [this] { guarded([this] { find(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
            sub->close();
        else
            close();
    });
    clear();
}

void TSearchSpecialNotesFrm::clear()
{
    for (QPlainTextEdit *m : {Memo1, Memo2, Memo3, Memo4})
        m->clear();
    Memo1->setFocus();
}

SpecialNotesCriteria TSearchSpecialNotesFrm::criteria() const
{
    return {MskFrom->text(), MskTo->text(), EdtThema->text(), Memo1->toPlainText(), Memo2->toPlainText(),
            Memo3->toPlainText(), Memo4->toPlainText()};
}

void TSearchSpecialNotesFrm::find()
{
    TPediaDlg *pedia = SearchScreens::pedia();
    if (!pedia || ui().exec(pedia) != QDialog::Accepted)
        return;
    search();
}

bool TSearchSpecialNotesFrm::search()
{
    const BuiltSpecialNotesSearch built = SpecialNotesSearch::build(criteria());
    if (built.error == SpecialNotesSearch::noAccess())
        return false;
    if (!built.ok()) {
        ui().message(built.error);
        return false;
    }
    Query *q = m_dm.SearchQry;
    try {
        q->close();
        q->setSql(built.lines);
        for (auto it = built.params.begin(); it != built.params.end(); ++it)
            q->setParam(it.key(), it.value());
        q->open();
    } catch (const DbError &e) {
        ui().message(SpecialNotesSearch::searchError() + "\n" + e.message());
        return false;
    }
    if (q->isEmpty()) {
        ui().message("Δεν βρέθηκαν εγγραφές που να πληρούν αυτά τα κριτήρια " + built.description);
        return false;
    }
    SearchScreens::handOver(results::fields(), built.description);
    return true;
}

} // namespace dorvani
