#include "statistics/UntTotPSHFOI.h"

#include "data/DataModule.h"
#include "data/Store.h"
#include "statistics/VoteStatistics.h"
#include "widgets/DbControls.h"
#include "widgets/FormParts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace dorvani {

namespace {
// The town names are shown, never edited.
class NoEditor : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return nullptr;
    }
};

// Votes are whole numbers; an emptied cell is no vote.
class VotesEditor : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *e = new QLineEdit(parent);
        e->setValidator(new QIntValidator(0, 999999, e));
        return e;
    }
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        const QString t = static_cast<QLineEdit *>(editor)->text().trimmed();
        model->setData(index, t.isEmpty() ? QVariant(QMetaType::fromType<int>()) : QVariant(t.toInt()));
    }
};
} // namespace

TTotPSHFOIDlg::TTotPSHFOIDlg(TDataMdl &dm, QWidget *parent) : QDialog(parent), m_dm(dm)
{
    setObjectName("TotPSHFOIDlg");
    setWindowTitle("ΣΥΝΟΛΟ ΨΗΦΩΝ - ΠΡΟΟΡΙΣΜΟΣ");
    setModal(true);
    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setDataset(dm.TblTotPSHFOI, {{"POLH", "ΠΟΛΗ", 181}, {"VOTES", "ΨΗΦΟΙ", 0}});
    DBGrid1->datasetModel()->setEditable(true);
    DBGrid1->setItemDelegateForColumn(0, new NoEditor(DBGrid1));
    DBGrid1->setItemDelegateForColumn(1, new VotesEditor(DBGrid1));
    CancelBtn = form::button("CancelBtn", "&ΕΠΙΣΤΡΟΦΗ", this);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(CancelBtn);
    auto *v = new QVBoxLayout(this);
    v->addWidget(DBGrid1, 1);
    v->addLayout(bottom);
    resize(340, 420);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TTotPSHFOIDlg::openFor(int autonum)
{
    const int home = VoteStatistics::homePrefecture();
    if (home > 0 && autonum > 0) {
        Store &s = Store::instance();
        Transaction tx(s);
        s.run("INSERT INTO TOT_PSHFOI (POLITESID, POLH) "
              "SELECT DISTINCT ?, substr(POLH, 1, 35) FROM POLEIS WHERE NOMOS = ? AND substr(POLH, 1, 35) NOT IN "
              "(SELECT POLH FROM TOT_PSHFOI WHERE POLITESID = ?) AND EXISTS (SELECT 1 FROM POLITES WHERE AUTONUM = ?)",
              {autonum, home, autonum, autonum});
        tx.commit();
    }
    Table *t = m_dm.TblTotPSHFOI;
    if (!t->active())
        t->open();
    t->setFilter("POLITESID=" + QString::number(autonum));
    t->setFiltered(true);
}

void TTotPSHFOIDlg::release()
{
    Table *t = m_dm.TblTotPSHFOI;
    // A vote still being typed is stored before the other rows come back.
    if (QWidget *f = focusWidget())
        f->clearFocus();
    t->setFilter(QString());
    t->setFiltered(false);
}

void TTotPSHFOIDlg::done(int r)
{
    release();
    QDialog::done(r);
}

} // namespace dorvani
