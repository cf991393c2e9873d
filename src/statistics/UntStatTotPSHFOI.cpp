#include "statistics/UntStatTotPSHFOI.h"

#include "citizens/CitizenLookups.h"
#include "data/DataModule.h"
#include "statistics/StatTables.h"
#include "statistics/UntStatPER.h"
#include "statistics/VoteStatistics.h"
#include "widgets/DbControls.h"
#include "widgets/FormParts.h"
#include "widgets/Ui.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace dorvani {

namespace {
QPointer<TStatPERDlg> g_voters;
QPointer<TAnalPSHFOIDlg> g_detailed;

const DatasetModel::Column TownColumn{"POLH", "ΠΟΛΗ", 148};
const DatasetModel::Column DhmosColumn{"DHMOSNAME", "ΔΗΜΟΣ", 148};
const DatasetModel::Column EparxiaColumn{"EPARXIANAME", "ΕΠΑΡΧΙΑ", 148};
const DatasetModel::Column VotesColumn{"SUM OF VOTES", "ΨΗΦΟΙ", 64};
} // namespace

void TStatTotPSHFOIFrm::setDialogs(TStatPERDlg *voters, TAnalPSHFOIDlg *detailed)
{
    g_voters = voters;
    g_detailed = detailed;
}

TStatTotPSHFOIFrm::TStatTotPSHFOIFrm(TDataMdl &dm, QWidget *parent) : QWidget(parent), m_dm(dm)
{
    setObjectName("StatTotPSHFOIFrm");
    setWindowTitle("ΣΤΑΤΙΣΤΙΚΑ KATANOMΗΣ ΣΥΝΟΛΙΚΩΝ ΨΗΦΩΝ");
    setAttribute(Qt::WA_DeleteOnClose);
    m_towns = new Query("Query1", {}, this);
    m_dhmoi = new Query("QryDhmoi", {}, this);
    m_eparxies = new Query("QryEparxies", {}, this);

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
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
    ChksEL = new QCheckBox("ΕΜΦΑΝΙΣΗ ΜΟΝΟ ΤΩΝ ΕΠΙΛΕΓΜΕΝΩΝ ΠΕΔΙΩΝ", Panel1);
    ChksEL->setObjectName("ChksEL");
    BitBtn1 = form::button("BitBtn1", "&ΣΤΑΤΙΣΤΙΚΑ", Panel1);
    BtnDel = form::button("BtnDel", "&ΚΑΘΑΡΙΣΜΟΣ", Panel1);
    BtnDel->setToolTip("ΚΑΘΑΡΙΣΜΟΣ ΟΛΩΝ ΤΩΝ ΒΑΣΙΚΩΝ");
    BitBtn2 = form::button("BitBtn2", "&ΑΝΑΛΥΤΙΚΑ", Panel1);
    BtnCsv = form::button("BtnCsv", "ΑΠΟΘΗΚΕΥΣΗ &CSV", Panel1);
    CancelBtn = form::button("CancelBtn", "&ΕΠΙΣΤΡΟΦΗ", Panel1);
    Label2 = new QLabel(Panel1);
    Label2->setObjectName("Label2");
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);

    auto *g = new QGridLayout(Panel1);
    auto label = [this](const QString &name, const QString &text) {
        auto *l = new QLabel(text, Panel1);
        l->setObjectName(name);
        return l;
    };
    g->addWidget(label("Label3", "ΠΟΛΗ"), 0, 0);
    g->addWidget(DBLookupComboBox1, 0, 1);
    g->addWidget(label("Label4", "ΔΗΜΟΣ"), 1, 0);
    g->addWidget(DBLookupComboBox2, 1, 1);
    g->addWidget(label("Label5", "ΕΠΑΡΧΙΑ"), 2, 0);
    g->addWidget(DBLookupComboBox3, 2, 1);
    g->addWidget(ChksEL, 3, 1);
    g->addWidget(BitBtn1, 0, 2);
    g->addWidget(BtnDel, 1, 2);
    g->addWidget(BitBtn2, 2, 2);
    g->addWidget(BtnCsv, 0, 3);
    g->addWidget(CancelBtn, 2, 3);
    g->addWidget(Label2, 4, 0, 1, 4);
    g->setColumnStretch(4, 1);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setToolTip("ΜΕ ΔΙΠΛΟ ΑΡΙΣΤΕΡΟ ΚΛΙΚ ΠΡΟΒΟΛΗ ΤΩΝ ΠΟΛΙΤΩΝ ΑΝΑ ΠΟΛΗ");
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setDataset(dm.QryStatTotPSHFOI, {TownColumn, DhmosColumn, EparxiaColumn, VotesColumn});
    form::boldHeader(DBGrid1);

    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    v->addWidget(Panel1);
    v->addWidget(DBGrid1, 1);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded([this] { statistics(); }); });
    connect(BtnDel, &QPushButton::clicked, this, [this] { clearChoices(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded([this] { detailed(); }); });
    connect(BtnCsv, &QPushButton::clicked, this, [this] { guarded([this] { saveCsv(); }); });
    connect(ChksEL, &QCheckBox::clicked, this, [this] { tickClicked(); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] {
        if (QWidget *w = parentWidget())
            w->close();
        else
            close();
    });
    connect(DBGrid1, &DBGrid::rowDoubleClicked, this, [this](int row) { guarded([&] { openRow(row); }); });
    // Errors of the database while following a choice to the other lists are ignored.
    lookups::onChosen(this, DBLookupComboBox1, &TStatTotPSHFOIFrm::townChosen);
    lookups::onChosen(this, DBLookupComboBox2, &TStatTotPSHFOIFrm::dhmosChosen);
    lookups::onChosen(this, DBLookupComboBox3, &TStatTotPSHFOIFrm::eparxiaChosen);
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
    form::paint(Panel1, QColor(82, 194, 18));
    clearChoices();
}

void TStatTotPSHFOIFrm::clearChoices()
{
    DBLookupComboBox1->clearChoice();
    DBLookupComboBox2->clearChoice();
    DBLookupComboBox3->clearChoice();
}

void TStatTotPSHFOIFrm::townChosen()
{
    // The list has moved to the chosen town.
    DBLookupComboBox2->showKey(m_towns->integer("DHMOS"));
    DBLookupComboBox3->showKey(m_towns->integer("EPARXIA"));
}

void TStatTotPSHFOIFrm::dhmosChosen()
{
    DBLookupComboBox1->clearChoice();
    DBLookupComboBox3->showKey(m_dhmoi->integer("EPARXIA"));
}

void TStatTotPSHFOIFrm::eparxiaChosen()
{
    DBLookupComboBox1->clearChoice();
    DBLookupComboBox2->clearChoice();
}

void TStatTotPSHFOIFrm::tickClicked()
{
    const bool none = DBLookupComboBox1->text().trimmed().isEmpty() && DBLookupComboBox2->text().trimmed().isEmpty()
                      && DBLookupComboBox3->text().trimmed().isEmpty();
    if (ChksEL->isChecked() && none)
        ChksEL->setChecked(false);
}

void TStatTotPSHFOIFrm::statistics()
{
    Query *q = m_dm.QryStatTotPSHFOI;
    m_nomos = VoteStatistics::homePrefecture();
    if (m_nomos <= 0) {
        q->close();
        Label2->setText("ΣΥΝΟΛΟ ΨΗΦΩΝ : 0");
        ui().message(VoteStatistics::noHomeMessage());
        return;
    }
    VoteStatistics::Place place;
    const bool town = !DBLookupComboBox1->text().trimmed().isEmpty();
    const bool dhmos = !DBLookupComboBox2->text().trimmed().isEmpty();
    const bool eparxia = !DBLookupComboBox3->text().trimmed().isEmpty();
    place.town = DBLookupComboBox1->text();
    place.dhmos = dhmos ? DBLookupComboBox2->keyValue().toInt() : 0;
    place.eparxia = eparxia ? DBLookupComboBox3->keyValue().toInt() : 0;
    QList<DatasetModel::Column> columns;
    QString sql;
    if (ChksEL->isChecked()) {
        if (town)
            columns << TownColumn;
        if (dhmos)
            columns << DhmosColumn;
        if (eparxia)
            columns << EparxiaColumn;
        sql = VoteStatistics::groupedDistributionSql(m_nomos, place);
    } else {
        columns = {TownColumn, DhmosColumn, EparxiaColumn};
        sql = VoteStatistics::distributionSql(m_nomos, place);
    }
    columns << VotesColumn;
    DBGrid1->setColumns(columns);
    q->close();
    if (sql.isEmpty()) {
        ui().message("Επιλέξτε πόλη, δήμο ή επαρχία για να εμφανιστούν μόνο τα επιλεγμένα πεδία.");
        return;
    }
    q->setSql(sql);
    q->open();
    // Every distribution row counted once, from the same pass over the rows.
    const qint64 total = q->rowsAvailable(1) > 0 ? q->valueAt(0, q->fieldIndex("ALL VOTES")).toLongLong() : 0;
    Label2->setText("ΣΥΝΟΛΟ ΨΗΦΩΝ : " + QString::number(total));
}

void TStatTotPSHFOIFrm::openRow(int row)
{
    const QList<DatasetModel::Column> columns = DBGrid1->datasetModel()->columns();
    Query *q = m_dm.QryStatTotPSHFOI;
    if (columns.isEmpty() || columns.first().field != "POLH" || !q->active() || row < 0 || !g_voters)
        return;
    const QString town = q->valueAt(row, q->fieldIndex("POLH")).toString();
    if (town.isEmpty())
        return;
    g_voters->openFor(town);
    ui().exec(g_voters);
}

void TStatTotPSHFOIFrm::detailed()
{
    if (g_detailed)
        ui().exec(g_detailed);
}

void TStatTotPSHFOIFrm::saveCsv()
{
    stattables::saveCsv(windowTitle(), stattables::rowsOf(m_dm.QryStatTotPSHFOI, DBGrid1->datasetModel()->columns()));
}

} // namespace dorvani
