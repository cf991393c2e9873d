#include "statistics/UntStat.h"

#include "citizens/CitizenScreens.h"
#include "data/DataModule.h"
#include "statistics/StatTables.h"
#include "statistics/UntStatAll.h"
#include "statistics/UntStatPER.h"
#include "statistics/UntStatTotPSHFOI.h"
#include "statistics/UntTotPSHFOI.h"
#include "citizens/UntEditPers.h"
#include "statistics/VoteStatistics.h"
#include "widgets/DbControls.h"
#include "widgets/FormParts.h"
#include "widgets/MainWindow.h"
#include "widgets/Screens.h"
#include "widgets/Ui.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace dorvani {

namespace {
QPointer<TStatFrm> g_stat;
QPointer<TTotPSHFOIDlg> g_tot;
QPointer<TStatAllDlg> g_all;

const QList<DatasetModel::Column> &columns()
{
    static const QList<DatasetModel::Column> c = {
        {"EPITHETO", "ΕΠΙΘΕΤΟ", 150},   {"ONOMA", "ΟΝΟΜΑ", 100},        {"PATR", "ΠΑΤΡ.", 80},
        {"TELO_1", "ΤΗΛ.ΟΙΚΙΑΣ", 90},   {"TELE_1", "ΤΗΛ.ΕΡΓΑΣΙΑΣ", 90}, {"MOBILE1", "ΚΙΝΗΤΟ", 80},
        {"VOTES", "ΨΗΦΟΙ", 0}};
    return c;
}

} // namespace

TStatFrm::TStatFrm(TDataMdl &dm, QWidget *parent) : QDialog(parent), m_dm(dm)
{
    setObjectName("StatFrm");
    setWindowTitle("ΣΤΑΤΙΣΤΙΚΑ");
    setModal(true);

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Label1 = new QLabel("Επιλέξτε Συνυποψήφιο", Panel1);
    Label1->setObjectName("Label1");
    DBLookupComboBox1 = new DBLookupComboBox(Panel1);
    DBLookupComboBox1->setObjectName("DBLookupComboBox1");
    DBLookupComboBox1->setListSource(dm.TblSynypops, "Synypops", "Synypops");
    DBLookupComboBox1->setMinimumWidth(260);
    BitBtn1 = form::button("BitBtn1", "&ΣΤΑΤΙΣΤΙΚΑ", Panel1);
    BBtnSumAll = form::button("BBtnSumAll", "ΣΥ&ΓΚΕΝΤΡΩΤΙΚΑ", Panel1);
    BBtnSumAll->setEnabled(Screens::has("TStatAllDlg"));
    BtnCsv = form::button("BtnCsv", "ΑΠΟΘΗΚΕΥΣΗ &CSV", Panel1);
    CancelBtn = form::button("CancelBtn", "&ΕΠΙΣΤΡΟΦΗ", Panel1);
    Label2 = new QLabel(Panel1);
    Label2->setObjectName("Label2");
    Label3 = new QLabel(Panel1);
    Label3->setObjectName("Label3");
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    bold.setUnderline(true);
    Label3->setFont(bold);

    auto *top = new QHBoxLayout;
    top->addWidget(Label1);
    top->addWidget(DBLookupComboBox1, 1);
    top->addWidget(BitBtn1);
    top->addWidget(BBtnSumAll);
    top->addWidget(BtnCsv);
    top->addWidget(CancelBtn);
    auto *panel = new QVBoxLayout(Panel1);
    panel->addLayout(top);
    panel->addWidget(Label2);
    panel->addWidget(Label3);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setToolTip("ΜΕ ΔΙΠΛΟ ΑΡΙΣΤΕΡΟ ΠΡΟΒΟΛΗ ΚΑΡΤΕΛΛΑΣ ΠΟΛΙΤΗ");
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setDataset(dm.SynypopsQry, columns());
    form::boldHeader(DBGrid1);

    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    v->addWidget(Panel1);
    v->addWidget(DBGrid1, 1);
    resize(820, 520);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded([this] { statistics(); }); });
    connect(BBtnSumAll, &QPushButton::clicked, this, [] { Screens::run("TStatAllDlg"); });
    connect(BtnCsv, &QPushButton::clicked, this, [this] {
        guarded([this] { stattables::saveCsv(windowTitle(), stattables::rowsOf(m_dm.SynypopsQry, columns())); });
    });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(DBGrid1, &DBGrid::rowDoubleClicked, this, [this](int row) { guarded([&] { openRow(row); }); });
}

void TStatFrm::reset()
{
    DBLookupComboBox1->clearChoice();
    Label2->clear();
    Label3->clear();
    m_dm.SynypopsQry->close();
}

void TStatFrm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    form::paint(Panel1, QColor(82, 194, 18));
    if (!m_dm.TblSynypops->active())
        m_dm.TblSynypops->open();
}

void TStatFrm::statistics()
{
    const QString name = DBLookupComboBox1->text().trimmed();
    if (name.isEmpty()) {
        ui().message("Παρακαλώ επιλέξτε έναν Συνυποψήφιο");
        return;
    }
    const VoteStatistics::Totals t = VoteStatistics::coCandidate(name);
    Label2->setText("Βρέθηκαν " + QString::number(t.count) + " έγγραφες");
    Label3->setText("Ο(η) " + name + " μαζεύει " + QString::number(t.votes) + " ψήφους");
    Query *q = m_dm.SynypopsQry;
    q->close();
    q->setSql(VoteStatistics::citizensSql(name));
    q->open();
}

void TStatFrm::openRow(int row)
{
    Query *q = m_dm.SynypopsQry;
    if (!q->active() || row < 0)
        return;
    q->moveTo(row);
    const int autonum = q->integer("AUTONUM");
    if (autonum <= 0)
        return;
    accept();
    CitizenScreens::edit(autonum, CitizenScreens::Statistics);
}

void TStatFrm::showAgain(int autonum)
{
    Query *q = m_dm.SynypopsQry;
    if (q->active() && autonum > 0)
        q->locate("AUTONUM", autonum);
    ui().exec(this);
}

void registerStatisticsScreens(MainWindow &main, TDataMdl &dm)
{
    g_all = new TStatAllDlg(dm, main.widget());
    Screens::add("TStatAllDlg", [] {
        if (!g_all)
            return;
        g_all->reset();
        ui().exec(g_all);
    });
    g_stat = new TStatFrm(dm, main.widget());
    Screens::add("TStatFrm", [] {
        if (!g_stat)
            return;
        g_stat->reset();
        ui().exec(g_stat);
    });
    g_tot = new TTotPSHFOIDlg(dm, main.widget());
    // The vote distribution of the citizen on the editing screen.
    Screens::add("TTotPSHFOIDlg", [&main] {
        int autonum = 0;
        for (QWidget *w : main.openChildren())
            if (auto *e = qobject_cast<TEditPersFrm *>(w))
                autonum = e->citizenNumber();
        if (!g_tot || autonum <= 0)
            return;
        g_tot->openFor(autonum);
        ui().exec(g_tot);
    });
    auto *voters = new TStatPERDlg(main.widget());
    auto *detailed = new TAnalPSHFOIDlg(main.widget());
    TStatTotPSHFOIFrm::setDialogs(voters, detailed);
    CitizenScreens::setReturn(CitizenScreens::TownVoters, [voters](int autonum) {
        if (voters->town().isEmpty())
            return;
        voters->openFor(voters->town());
        if (autonum > 0)
            voters->DBGrid1->dataset()->locate("POLITESID", autonum);
        ui().exec(voters);
    });
    Screens::add("TStatTotPSHFOIFrm", [&main, &dm] {
        QMdiSubWindow *sub = main.openChild("StatTotPSHFOIFrm", [&dm] { return new TStatTotPSHFOIFrm(dm); });
        sub->showMaximized();
        // The town list is prepared again each time, even for a window already open.
        if (auto *frm = qobject_cast<TStatTotPSHFOIFrm *>(sub->widget()))
            frm->prepare();
    });
    CitizenScreens::setReturn(CitizenScreens::Statistics, [](int autonum) {
        if (g_stat)
            g_stat->showAgain(autonum);
    });
}

} // namespace dorvani
