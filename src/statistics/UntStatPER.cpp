#include "statistics/UntStatPER.h"

#include "citizens/CitizenScreens.h"
#include "data/Dataset.h"
#include "statistics/StatTables.h"
#include "statistics/VoteChart.h"
#include "statistics/VoteStatistics.h"
#include "widgets/DbControls.h"
#include "widgets/FormParts.h"
#include "widgets/Ui.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QSplitter>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

namespace dorvani {

namespace {
const QList<DatasetModel::Column> &voterColumns()
{
    static const QList<DatasetModel::Column> c = {
        {"EPITHETO", "ΕΠΙΘΕΤΟ", 189}, {"ONOMA", "ΟΝΟΜΑ", 99}, {"POLH", "ΠΟΛΗ", 140}, {"VOTES", "ΨΗΦΟΙ", 0}};
    return c;
}
} // namespace

TStatPERDlg::TStatPERDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName("StatPERDlg");
    setWindowTitle("ΕΜΦΑΝΙΣΗ ΠΟΛΙΤΩΝ  ΠΟΥ ΑΠΟΔΙΔΟΥΝ ΨΗΦΟΥΣ");
    setModal(true);
    m_qry = new Query("QrySubDetails", VoteStatistics::townVotersSql(), this);
    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    BtnCsv = form::button("BtnCsv", "ΑΠΟΘΗΚΕΥΣΗ &CSV", Panel1);
    CancelBtn = form::button("CancelBtn", "&ΕΠΙΣΤΡΟΦΗ", Panel1);
    auto *top = new QHBoxLayout(Panel1);
    top->addWidget(BtnCsv);
    top->addStretch(1);
    top->addWidget(CancelBtn);
    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setDataset(m_qry, voterColumns());
    form::boldHeader(DBGrid1);
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(Panel1);
    v->addWidget(DBGrid1, 1);
    resize(560, 460);
    connect(BtnCsv, &QPushButton::clicked, this, [this] { guarded([this] { saveCsv(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(DBGrid1, &DBGrid::rowDoubleClicked, this, [this](int row) { guarded([&] { openRow(row); }); });
}

void TStatPERDlg::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    form::paint(Panel1, QColor(215, 207, 179));
}

void TStatPERDlg::openFor(const QString &town)
{
    m_town = town;
    m_qry->close();
    m_qry->setParam("POLH", town);
    m_qry->open();
}

void TStatPERDlg::openRow(int row)
{
    if (!m_qry->active() || row < 0)
        return;
    m_qry->moveTo(row);
    const int autonum = m_qry->integer("POLITESID");
    if (autonum <= 0)
        return;
    accept();
    CitizenScreens::edit(autonum, CitizenScreens::TownVoters);
}

void TStatPERDlg::saveCsv() { stattables::saveCsv(windowTitle(), stattables::rowsOf(m_qry, voterColumns())); }

TAnalPSHFOIDlg::TAnalPSHFOIDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName("AnalPSHFOIDlg");
    setWindowTitle("ΑΝΑΛΥΤΙΚΑ ΑΠΟΤΕΛΕΣΜΑΤΑ KATANOMΗΣ ΨΗΦΩΝ");
    setModal(true);
    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    BitBtn1 = form::button("BitBtn1", "Ε&ΚΤΥΠΩΣΗ", Panel1);
    BtnCsv = form::button("BtnCsv", "ΑΠΟΘΗΚΕΥΣΗ &CSV", Panel1);
    CancelBtn = form::button("CancelBtn", "&ΕΠΙΣΤΡΟΦΗ", Panel1);
    auto *top = new QHBoxLayout(Panel1);
    CmbChart = new QComboBox(Panel1);
    CmbChart->setObjectName("CmbChart");
    CmbChart->addItems({"ΨΗΦΟΙ ΑΝΑ ΔΗΜΟ", "ΨΗΦΟΙ ΑΝΑ ΕΠΑΡΧΙΑ"});
    top->addWidget(BitBtn1);
    top->addWidget(BtnCsv);
    top->addWidget(CmbChart);
    top->addStretch(1);
    top->addWidget(CancelBtn);
    SGrd = stattables::stringGrid("SGrd", this);
    SGrd->setMinimumWidth(340); // the three columns whole beside the chart
    Chart = new VoteChartPanel("Chart", this);
    auto *split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(SGrd);
    split->addWidget(Chart);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(Panel1);
    v->addWidget(split, 1);
    resize(1000, 600);
    connect(CmbChart, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] { showChart(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded([this] { print(); }); });
    connect(BtnCsv, &QPushButton::clicked, this, [this] { guarded([this] { saveCsv(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TAnalPSHFOIDlg::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    form::paint(Panel1, QColor(82, 194, 18));
    guarded([this] { compute(); });
}

void TAnalPSHFOIDlg::compute()
{
    const QStringList header{QString(), QString(), "ΨΗΦΟΙ"};
    stattables::fill(SGrd, header, {});
    SGrd->setColumnWidth(0, 100);
    SGrd->setColumnWidth(1, 130);
    const int nomos = VoteStatistics::homePrefecture();
    if (nomos <= 0) {
        showChart();
        ui().message(VoteStatistics::noHomeMessage());
        return;
    }
    stattables::fill(SGrd, header, VoteStatistics::detailedDistribution(nomos));
    showChart();
}

void TAnalPSHFOIDlg::showChart()
{
    QList<QStringList> rows = stattables::rowsOf(SGrd);
    rows.removeFirst();
    const bool byDhmos = CmbChart->currentIndex() == 0;
    Chart->setData(votechart::fromSection(rows, byDhmos ? "ΔΗΜΟΣ" : "ΕΠΑΡΧΙΑ", CmbChart->currentText()));
}

void TAnalPSHFOIDlg::print()
{
    stattables::printTable(windowTitle(), stattables::rowsOf(SGrd), stattables::widthsOf(SGrd), SGrd);
}

void TAnalPSHFOIDlg::saveCsv() { stattables::saveCsv(windowTitle(), stattables::rowsOf(SGrd)); }

} // namespace dorvani
