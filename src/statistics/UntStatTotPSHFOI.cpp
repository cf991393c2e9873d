#include "statistics/UntStatTotPSHFOI.h"

#include "data/DataModule.h"
#include "statistics/VoteStatistics.h"
#include "widgets/DbControls.h"
#include "widgets/FormParts.h"
#include "widgets/Ui.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace dorvani {

namespace {
const QList<DatasetModel::Column> &columns()
{
    static const QList<DatasetModel::Column> c = {{"POLH", "ΠΟΛΗ", 148},
                                                  {"DHMOSNAME", "ΔΗΜΟΣ", 148},
                                                  {"EPARXIANAME", "ΕΠΑΡΧΙΑ", 148},
                                                  {"SUM OF VOTES", "ΨΗΦΟΙ", 64}};
    return c;
}

QString noHomePrefectureMessage() { return "Δεν έχει οριστεί νομός έδρας στις ρυθμίσεις του προγράμματος."; }
} // namespace

TStatTotPSHFOIFrm::TStatTotPSHFOIFrm(TDataMdl &dm, QWidget *parent) : QWidget(parent), m_dm(dm)
{
    setObjectName("StatTotPSHFOIFrm");
    setWindowTitle("ΣΤΑΤΙΣΤΙΚΑ KATANOMΗΣ ΨΗΦΩΝ");
    setAttribute(Qt::WA_DeleteOnClose);
    m_towns = new Query("Query1", {}, this);
    m_dhmoi = new Query("QryDhmoi", {}, this);
    m_eparxies = new Query("QryEparxies", {}, this);

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Panel1->setAutoFillBackground(true);
    QPalette pal = Panel1->palette();
    pal.setColor(QPalette::Window, QColor(82, 194, 18));
    Panel1->setPalette(pal);
    auto combo = [this](const QString &name, Query *list, const QString &field) {
        auto *c = new DBLookupComboBox(Panel1);
        c->setObjectName(name);
        c->setListSource(list, field, "AUTONUM");
        c->setMinimumWidth(220);
        return c;
    };
    DBLookupComboBox1 = combo("DBLookupComboBox1", m_towns, "POLH");
    DBLookupComboBox2 = combo("DBLookupComboBox2", m_dhmoi, "DHMOS");
    DBLookupComboBox3 = combo("DBLookupComboBox3", m_eparxies, "EPARXIA");
    BitBtn1 = form::button("BitBtn1", "&ΣΤΑΤΙΣΤΙΚΑ", Panel1);
    BtnDel = form::button("BtnDel", "&ΚΑΘΑΡΙΣΜΟΣ", Panel1);
    BtnDel->setToolTip("ΚΑΘΑΡΙΣΜΟΣ ΟΛΩΝ ΤΩΝ ΒΑΣΙΚΩΝ");
    CancelBtn = form::button("CancelBtn", "&ΕΠΙΣΤΡΟΦΗ", Panel1);
    Label2 = new QLabel(Panel1);
    Label2->setObjectName("Label2");
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);

    auto *g = new QGridLayout(Panel1);
    g->addWidget(new QLabel("ΠΟΛΗ", Panel1), 0, 0);
    g->addWidget(DBLookupComboBox1, 0, 1);
    g->addWidget(new QLabel("ΔΗΜΟΣ", Panel1), 1, 0);
    g->addWidget(DBLookupComboBox2, 1, 1);
    g->addWidget(new QLabel("ΕΠΑΡΧΙΑ", Panel1), 2, 0);
    g->addWidget(DBLookupComboBox3, 2, 1);
    g->addWidget(BitBtn1, 0, 2);
    g->addWidget(BtnDel, 1, 2);
    g->addWidget(CancelBtn, 2, 2);
    g->addWidget(Label2, 3, 0, 1, 3);
    g->setColumnStretch(3, 1);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setDataset(dm.QryStatTotPSHFOI, columns());
    form::boldHeader(DBGrid1);

    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    v->addWidget(Panel1);
    v->addWidget(DBGrid1, 1);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded([this] { statistics(); }); });
    connect(BtnDel, &QPushButton::clicked, this, [this] { clearChoices(); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] {
        if (QWidget *w = parentWidget())
            w->close();
        else
            close();
    });
}

void TStatTotPSHFOIFrm::prepare()
{
    Label2->clear();
    m_nomos = VoteStatistics::homePrefecture();
    if (m_nomos <= 0)
        return;
    const QString n = QString::number(m_nomos);
    m_towns->close();
    m_towns->setSql("SELECT * FROM POLEIS WHERE NOMOS = " + n + " ORDER BY POLH COLLATE GREEK");
    m_towns->open();
    m_dhmoi->close();
    m_dhmoi->setSql("SELECT * FROM DHMOI WHERE NOMOS = " + n + " ORDER BY DHMOS COLLATE GREEK");
    m_dhmoi->open();
    m_eparxies->close();
    m_eparxies->setSql("SELECT * FROM EPARXIES WHERE NOMOS = " + n + " ORDER BY EPARXIA COLLATE GREEK");
    m_eparxies->open();
}

void TStatTotPSHFOIFrm::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    clearChoices();
}

void TStatTotPSHFOIFrm::clearChoices()
{
    DBLookupComboBox1->clearChoice();
    DBLookupComboBox2->clearChoice();
    DBLookupComboBox3->clearChoice();
}

void TStatTotPSHFOIFrm::statistics()
{
    Query *q = m_dm.QryStatTotPSHFOI;
    m_nomos = VoteStatistics::homePrefecture();
    if (m_nomos <= 0) {
        q->close();
        Label2->setText("ΣΥΝΟΛΟ ΨΗΦΩΝ : 0");
        ui().message(noHomePrefectureMessage());
        return;
    }
    VoteStatistics::Place place;
    place.town = DBLookupComboBox1->text();
    place.dhmos = DBLookupComboBox2->text().trimmed().isEmpty() ? 0 : DBLookupComboBox2->keyValue().toInt();
    place.eparxia = DBLookupComboBox3->text().trimmed().isEmpty() ? 0 : DBLookupComboBox3->keyValue().toInt();
    q->close();
    q->setSql(VoteStatistics::distributionSql(m_nomos, place));
    q->open();
    // The total over the same rows, in one pass of the engine.
    const QVariantList sums = q->aggregate({"COALESCE(SUM(\"SUM OF VOTES\"), 0)"});
    Label2->setText("ΣΥΝΟΛΟ ΨΗΦΩΝ : " + QString::number(sums.value(0).toLongLong()));
}

} // namespace dorvani
