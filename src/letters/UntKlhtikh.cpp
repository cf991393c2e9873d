#include "letters/UntKlhtikh.h"

#include "data/DataModule.h"
#include "data/Dataset.h"
#include "letters/Vocatives.h"
#include "widgets/DbControls.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace dorvani {

namespace {
class ReadOnlyColumn : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return nullptr;
    }
};
} // namespace

TKLHTIKHDlg::TKLHTIKHDlg(TDataMdl &dm, QWidget *parent) : QDialog(parent), m_dm(dm)
{
    setObjectName("KLHTIKHDlg");
    setWindowTitle("ΕΙΣΑΓΩΓΗ ΚΛΗΤΙΚΗΣ ΟΝΟΜΑΤΩΝ");
    setModal(true);
    resize(560, 480);

    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    CancelBtn = new QPushButton("&ΕΠΙΣΤΡΟΦΗ", this);
    CancelBtn->setObjectName("CancelBtn");
    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName("DBGrid1");
    QFont bold = DBGrid1->horizontalHeader()->font();
    bold.setBold(true);
    DBGrid1->horizontalHeader()->setFont(bold);
    DBGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);

    auto *top = new QHBoxLayout;
    top->addWidget(Label2, 1);
    top->addWidget(CancelBtn);
    auto *lay = new QVBoxLayout(this);
    lay->addLayout(top);
    lay->addWidget(DBGrid1, 1);

    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TKLHTIKHDlg::prepare()
{
    Table *t = m_dm.TblKLHTIKH;
    letters::addMissingVocatives();
    if (!t->active())
        t->open();
    if (!DBGrid1->dataset()) {
        DBGrid1->setDataset(t, {{"ONOMA", "ΟΝΟΜΑ", 140}, {"KLHTIKH", "ΚΛΗΤΙΚΗ", 260}, {"FYLONAME", "ΦΥΛΟ", 90}});
        DBGrid1->datasetModel()->setEditable(true);
        DBGrid1->setItemDelegateForColumn(0, new ReadOnlyColumn(DBGrid1)); // the name stays as it is
    }
    t->first();
    Label2->setText(QStringLiteral("ΣΥΝΟΛΟ ΕΓΓΡΑΦΩΝ : %1").arg(t->recordCount()));
}

void TKLHTIKHDlg::done(int r)
{
    // A vocative being edited is kept when the screen closes: leaving the cell commits it.
    QWidget *focus = focusWidget();
    if (focus && focus != DBGrid1 && DBGrid1->isAncestorOf(focus))
        DBGrid1->setCurrentIndex(QModelIndex());
    QDialog::done(r);
}

} // namespace dorvani
