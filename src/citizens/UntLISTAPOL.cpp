#include "citizens/UntLISTAPOL.h"

#include "data/Codes.h"

#include "citizens/CitizenScreens.h"
#include "citizens/CitizenStore.h"
#include "data/DataModule.h"
#include "widgets/DbControls.h"
#include "widgets/FormParts.h"
#include "widgets/Ui.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dorvani {

namespace {
class EnterSearch : public QObject {
public:
    EnterSearch(TLISTAPOLDlg *d) : QObject(d), m_d(d) {}
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::KeyPress) {
            auto *k = static_cast<QKeyEvent *>(e);
            if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
                guarded([this] { m_d->searchSurname(); });
                return true;
            }
        }
        return QObject::eventFilter(o, e);
    }

private:
    TLISTAPOLDlg *m_d;
};
} // namespace

TLISTAPOLDlg::TLISTAPOLDlg(TDataMdl &dm, QWidget *parent) : QDialog(parent), m_dm(dm)
{
    setObjectName("LISTAPOLDlg");
    setWindowTitle("ΛΙΣΤΑ ΠΟΛΙΤΩΝ");
    setModal(true);
    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setToolTip("ΜΕ ΔΙΠΛΟ ΑΡΙΣΤΕΡΟ ΠΡΟΒΟΛΗ ΚΑΡΤΕΛΛΑΣ ΠΟΛΙΤΗ");
    DBGrid1->setDataset(dm.TblPOLITES, {{"EPITHETO", "ΕΠΙΘΕΤΟ", 107},
                                         {"ONOMA", "ONOMA", 84},
                                         {"PATR", "ΠΑΤΡ.", 75},
                                         {"PolhONOMA", "ΠΟΛΗ", 168},
                                         {"SXESHStr", "ΕΚΛ.ΣΧΕΣΗ", 113},
                                         {"TELO_1", "ΤΗΛ.ΟΙΚΙΑΣ", 0},
                                         {"TELE_1", "ΤΗΛ.ΕΡΓΑΣΙΑΣ", 0}});
    QFont bold = DBGrid1->horizontalHeader()->font();
    bold.setBold(true);
    DBGrid1->horizontalHeader()->setFont(bold);

    auto *bottom = new QWidget(this);
    bottom->setObjectName("Panel1");
    Label2 = new QLabel(bottom);
    Label2->setObjectName("Label2");
    Edit1 = new QLineEdit(bottom);
    Edit1->setObjectName("Edit1");
    Edit1->setToolTip("ΜΕ ENTER ΑΝΑΖΗΤΗΣΗ");
    Edit1->installEventFilter(new EnterSearch(this));
    BtnReturn = form::button("BtnReturn", "ΕΠΙΣΤΡΟΦΗ", bottom);
    auto *h = new QHBoxLayout(bottom);
    h->addWidget(Label2);
    h->addStretch();
    h->addWidget(new QLabel("ΑΝΑΖΗΤΗΣΗ ΕΠΙΘΕΤΟΥ", bottom));
    h->addWidget(Edit1);
    h->addStretch();
    h->addWidget(BtnReturn);
    auto *v = new QVBoxLayout(this);
    v->addWidget(DBGrid1, 1);
    v->addWidget(bottom);
    resize(900, 560);

    connect(BtnReturn, &QPushButton::clicked, this, &QDialog::reject);
    connect(DBGrid1, &DBGrid::rowDoubleClicked, this, [this](int row) { guarded([&] { openRow(row); }); });
}

void TLISTAPOLDlg::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // The list is in surname order, so its first rows do not show the longest names.
    QString relation;
    for (const QString &t : codes::sxesh())
        if (t.size() > relation.size())
            relation = t;
    form::fitColumns(DBGrid1, {107, 84, 75, 168, 113, 0, 0},
                     {"ΚΩΝΣΤΑΝΤΙΝΙΔΗΣ", "ΚΩΝΣΤΑΝΤΙΝΟΣ", "ΚΩΝΣΤΑΝΤΙΝΟΣ", "", relation, "2710 123456", "2710 123456"});
    Label2->setText("Βρέθηκαν " + QString::number(m_dm.TblPOLITES->recordCount()) + " εγγραφές");
}

void TLISTAPOLDlg::searchSurname()
{
    const int autonum = CitizenStore::firstWithSurnamePrefix(Edit1->text());
    if (autonum > 0)
        m_dm.TblPOLITES->locate("AUTONUM", autonum);
}

void TLISTAPOLDlg::openRow(int row)
{
    Table *t = m_dm.TblPOLITES;
    t->moveTo(row);
    const int autonum = t->integer("AUTONUM");
    accept();
    CitizenScreens::edit(autonum, CitizenScreens::CitizenList);
}

} // namespace dorvani
