#include "statistics/UntStatAll.h"

#include "citizens/CitizenLookups.h"
#include "data/DataModule.h"
#include "data/Store.h"
#include "statistics/StatTables.h"
#include "statistics/VoteChart.h"
#include "statistics/VoteStatistics.h"
#include "widgets/DbControls.h"
#include "widgets/FormParts.h"
#include "widgets/Ui.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <functional>

namespace dorvani {

namespace {
const QColor Green(82, 194, 18);

QString nameOf(const QString &table, const QString &field, int autonum)
{
    if (autonum <= 0)
        return QString();
    return Store::instance().scalar("SELECT " + field + " FROM " + table + " WHERE AUTONUM = ?", {autonum}).toString();
}
} // namespace

// ---- the detailed results

TAnalDlg::TAnalDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName("AnalDlg");
    setWindowTitle("ΑΝΑΛΥΤΙΚΑ ΑΠΟΤΕΛΕΣΜΑΤΑ ΨΗΦΩΝ");
    setModal(true);
    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    BitBtn1 = form::button("BitBtn1", "Ε&ΚΤΥΠΩΣΗ", Panel1);
    BtnCsv = form::button("BtnCsv", "ΑΠΟΘΗΚΕΥΣΗ &CSV", Panel1);
    CancelBtn = form::button("CancelBtn", "&ΕΠΙΣΤΡΟΦΗ", Panel1);
    auto *top = new QHBoxLayout(Panel1);
    top->addWidget(BitBtn1);
    top->addWidget(BtnCsv);
    top->addStretch(1);
    top->addWidget(CancelBtn);
    SGrd = stattables::stringGrid("SGrd", this);
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(Panel1);
    v->addWidget(SGrd, 1);
    resize(900, 560);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded([this] { print(); }); });
    connect(BtnCsv, &QPushButton::clicked, this, [this] { guarded([this] { saveCsv(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TAnalDlg::setChoice(const QStringList &columns, const QStringList &names)
{
    m_columns = columns;
    m_names = names;
}

void TAnalDlg::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    form::paint(Panel1, Green);
    guarded([this] { compute(); });
}

void TAnalDlg::compute()
{
    stattables::fill(SGrd, QStringList{QString(), QString()} + m_columns, {});
    SGrd->setColumnWidth(0, 120);
    SGrd->setColumnWidth(1, 280);
    for (int c = 2; c < SGrd->columnCount(); ++c)
        SGrd->setColumnWidth(c, 120);
    const QList<QStringList> rows =
        VoteStatistics::detailedResults(m_columns, m_names, VoteStatistics::homePrefectureName());
    stattables::fill(SGrd, QStringList{QString(), QString()} + m_columns, rows);
}

void TAnalDlg::print()
{
    stattables::printTable(windowTitle(), stattables::rowsOf(SGrd), stattables::widthsOf(SGrd), SGrd);
}

void TAnalDlg::saveCsv() { stattables::saveCsv(windowTitle(), stattables::rowsOf(SGrd)); }

// ---- the summary

TStatAllDlg::TStatAllDlg(TDataMdl &dm, QWidget *parent) : QDialog(parent), m_dm(dm)
{
    setObjectName("StatAllDlg");
    setWindowTitle("ΣΥΓΚΕΝΤΡΩΤΙΚΑ");
    setModal(true);
    m_centres = new Query("QryCentres", {}, this);
    m_dhmoi = new Query("QryDhmoi", {}, this);
    m_eparxies = new Query("QryEparxies", {}, this);

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Label1 = new QLabel("Επιλέξτε Συνυποψήφιους", Panel1);
    Label1->setObjectName("Label1");
    ChkS = new QListWidget(Panel1);
    ChkS->setObjectName("ChkS");
    ChkS->setMinimumWidth(240);
    auto combo = [this](const QString &name, Query *list, const QString &field) {
        auto *c = new DBLookupComboBox(Panel1);
        c->setObjectName(name);
        c->setListSource(list, field, "AUTONUM");
        c->setMinimumWidth(260);
        return c;
    };
    DBLookupComboBox1 = combo("DBLookupComboBox1", m_centres, "AllStr");
    DBLookupComboBox2 = combo("DBLookupComboBox2", m_dhmoi, "DHMOS");
    DBLookupComboBox3 = combo("DBLookupComboBox3", m_eparxies, "EPARXIA");
    BitBtn1 = form::button("BitBtn1", "&ΣΤΑΤΙΣΤΙΚΑ", Panel1);
    BtnDel = form::button("BtnDel", "&ΚΑΘΑΡΙΣΜΟΣ", Panel1);
    BtnDel->setToolTip("ΚΑΘΑΡΙΣΜΟΣ ΟΛΩΝ ΤΩΝ ΒΑΣΙΚΩΝ");
    BitBtn2 = form::button("BitBtn2", "&ΑΝΑΛΥΤΙΚΑ", Panel1);
    BtnCsv = form::button("BtnCsv", "ΑΠΟΘΗΚΕΥΣΗ &CSV", Panel1);
    CancelBtn = form::button("CancelBtn", "&ΕΠΙΣΤΡΟΦΗ", Panel1);

    auto *g = new QGridLayout(Panel1);
    g->addWidget(Label1, 0, 0);
    g->addWidget(ChkS, 1, 0, 4, 1);
    auto label = [this](const QString &name, const QString &text) {
        auto *l = new QLabel(text, Panel1);
        l->setObjectName(name);
        return l;
    };
    g->addWidget(label("Label3", "ΤΟΠΟΣ ΑΣΚΗΣΗΣ"), 1, 1);
    g->addWidget(DBLookupComboBox1, 1, 2);
    g->addWidget(label("Label4", "ΔΗΜΟΣ"), 2, 1);
    g->addWidget(DBLookupComboBox2, 2, 2);
    g->addWidget(label("Label5", "ΕΠΑΡΧΙΑ"), 3, 1);
    g->addWidget(DBLookupComboBox3, 3, 2);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {BitBtn1, BtnDel, BitBtn2, BtnCsv, CancelBtn})
        buttons->addWidget(b);
    buttons->addStretch(1);
    g->addLayout(buttons, 0, 3, 5, 1);
    g->setColumnStretch(2, 1);

    SGrd = stattables::stringGrid("SGrd", this);
    SGrd->horizontalHeader()->setDefaultSectionSize(70);
    Chart = new VoteChartPanel("Chart", this);
    AnalDlg = new TAnalDlg(this);
    auto *split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(SGrd);
    split->addWidget(Chart);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);

    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    v->addWidget(Panel1);
    v->addWidget(split, 1);
    resize(1100, 640);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded([this] { statistics(); }); });
    connect(BtnDel, &QPushButton::clicked, this, [this] { clearChoices(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded([this] { detailed(); }); });
    connect(BtnCsv, &QPushButton::clicked, this, [this] { guarded([this] { saveCsv(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    // Errors of the database while following a choice to the other lists are ignored.
    lookups::onChosen(this, DBLookupComboBox1, &TStatAllDlg::centreChosen);
    lookups::onChosen(this, DBLookupComboBox2, &TStatAllDlg::dhmosChosen);
    lookups::onChosen(this, DBLookupComboBox3, &TStatAllDlg::eparxiaChosen);
}

void TStatAllDlg::reset()
{
    ChkS->clear();
    Table *t = m_dm.TblSynypops;
    if (!t->active())
        t->open();
    const int n = t->recordCount();
    for (int r = 0; r < n; ++r) {
        auto *item = new QListWidgetItem(t->valueAt(r, t->fieldIndex("Synypops")).toString(), ChkS);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    m_centres->close();
    m_centres->setSql("SELECT E.AUTONUM, COALESCE(N.NOMOS, '') || '  ' || COALESCE(D.DHMOS, '') || ' / ' || "
                      "E.EKLOGIKOK || '  ' || E.ENORIA AS AllStr, E.NOMOS, E.EPARXIA, E.DHMOS FROM EKLOGIKAK E "
                      "LEFT JOIN NOMOI N ON N.AUTONUM = E.NOMOS LEFT JOIN DHMOI D ON D.AUTONUM = E.DHMOS "
                      "ORDER BY E.EKLOGIKOK COLLATE GREEK, E.AUTONUM");
    m_centres->open();
    listPlaces(VoteStatistics::homePrefecture());
}

void TStatAllDlg::listPlaces(int nomos)
{
    m_nomos = nomos;
    const QString where = m_nomos > 0 ? " WHERE NOMOS = " + QString::number(m_nomos) : QString();
    m_eparxies->close();
    m_eparxies->setSql("SELECT AUTONUM, EPARXIA FROM EPARXIES" + where + " ORDER BY EPARXIA COLLATE GREEK");
    m_eparxies->open();
    listDhmoi(0);
}

void TStatAllDlg::listDhmoi(int eparxia)
{
    QString where;
    if (eparxia > 0)
        where = " WHERE EPARXIA = " + QString::number(eparxia);
    else if (m_nomos > 0)
        where = " WHERE NOMOS = " + QString::number(m_nomos);
    m_dhmoi->close();
    m_dhmoi->setSql("SELECT AUTONUM, DHMOS, EPARXIA FROM DHMOI" + where + " ORDER BY DHMOS COLLATE GREEK");
    m_dhmoi->open();
}

void TStatAllDlg::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    form::paint(Panel1, Green);
    clearChoices();
    emptyGrid();
}

void TStatAllDlg::emptyGrid()
{
    stattables::fill(SGrd, {QString(), QString()}, {});
    Chart->setData({});
}

void TStatAllDlg::clearChoices()
{
    DBLookupComboBox1->clearChoice();
    DBLookupComboBox2->clearChoice();
    DBLookupComboBox3->clearChoice();
}

void TStatAllDlg::centreChosen()
{
    // The centre's prefecture becomes the current one, so that its province and municipality
    // are in the lists (a centre of another prefecture must not keep a province of this one).
    const int centre = DBLookupComboBox1->keyValue().toInt();
    const int nomos = Store::instance().scalar("SELECT NOMOS FROM EKLOGIKAK WHERE AUTONUM = ?", {centre}).toInt();
    const int eparxia = Store::instance().scalar("SELECT EPARXIA FROM EKLOGIKAK WHERE AUTONUM = ?", {centre}).toInt();
    const int dhmos = Store::instance().scalar("SELECT DHMOS FROM EKLOGIKAK WHERE AUTONUM = ?", {centre}).toInt();
    DBLookupComboBox2->clearChoice();
    DBLookupComboBox3->clearChoice();
    if (nomos > 0 && nomos != m_nomos)
        listPlaces(nomos);
    DBLookupComboBox3->showKey(eparxia);
    listDhmoi(eparxia);
    DBLookupComboBox2->showKey(dhmos);
}

void TStatAllDlg::dhmosChosen()
{
    const int dhmos = DBLookupComboBox2->keyValue().toInt();
    DBLookupComboBox1->clearChoice();
    DBLookupComboBox3->showKey(Store::instance().scalar("SELECT EPARXIA FROM DHMOI WHERE AUTONUM = ?", {dhmos}).toInt());
}

void TStatAllDlg::eparxiaChosen()
{
    DBLookupComboBox1->clearChoice();
    DBLookupComboBox2->clearChoice();
    listDhmoi(DBLookupComboBox3->keyValue().toInt());
}

QStringList TStatAllDlg::ticked() const
{
    QStringList names;
    for (int i = 0; i < ChkS->count(); ++i)
        if (ChkS->item(i)->checkState() == Qt::Checked)
            names << ChkS->item(i)->text();
    return names;
}

QStringList TStatAllDlg::nameList() const
{
    const QStringList t = ticked();
    return t.size() == ChkS->count() ? QStringList() : t;
}

void TStatAllDlg::statistics()
{
    emptyGrid();
    VoteStatistics::SummaryChoice c;
    c.names = nameList();
    QStringList header{"ΣΥΝΥΠΟΨΗΦΙΟΣ", "ΨΗΦΟI"};
    QList<int> widths{200, 70};
    if (!DBLookupComboBox1->text().trimmed().isEmpty()) {
        c.byCentre = true;
        c.centre = DBLookupComboBox1->keyValue().toInt();
        header << "ΤΟΠΟΣ ΑΣΚΗΣΗΣ";
        widths << 100;
    }
    if (!DBLookupComboBox2->text().trimmed().isEmpty()) {
        c.byDhmos = true;
        c.dhmos = DBLookupComboBox2->keyValue().toInt();
        header << "ΔΗΜΟΣ";
        widths << 200;
    }
    if (!DBLookupComboBox3->text().trimmed().isEmpty()) {
        c.byEparxia = true;
        c.eparxia = DBLookupComboBox3->keyValue().toInt();
        header << "ΕΠΑΡΧΙΑ";
        widths << 200;
    }
    QList<QStringList> rows;
    VoteChartData chart;
    chart.title = "ΨΗΦΟΙ ΑΝΑ ΣΥΝΥΠΟΨΗΦΙΟ";
    for (const VoteStatistics::SummaryRow &r : VoteStatistics::summary(c)) {
        chart.labels << r.name;
        chart.values << r.votes;
        QStringList cells{r.name, QString::number(r.votes)};
        if (c.byCentre)
            cells << Store::instance()
                         .scalar("SELECT COALESCE(N.NOMOS, '') || '  ' || COALESCE(D.DHMOS, '') || ' / ' || "
                                 "E.EKLOGIKOK || '  ' || E.ENORIA FROM EKLOGIKAK E LEFT JOIN NOMOI N ON "
                                 "N.AUTONUM = E.NOMOS LEFT JOIN DHMOI D ON D.AUTONUM = E.DHMOS WHERE E.AUTONUM = ?",
                                 {r.centre})
                         .toString();
        if (c.byDhmos)
            cells << nameOf("DHMOI", "DHMOS", r.dhmos);
        if (c.byEparxia)
            cells << nameOf("EPARXIES", "EPARXIA", r.eparxia);
        rows << cells;
    }
    stattables::fill(SGrd, header, rows);
    for (int i = 0; i < widths.size(); ++i)
        SGrd->setColumnWidth(i, widths[i]);
    Chart->setData(chart);
}

void TStatAllDlg::detailed()
{
    AnalDlg->setChoice(ticked(), nameList());
    ui().exec(AnalDlg);
}

void TStatAllDlg::saveCsv() { stattables::saveCsv(windowTitle(), stattables::rowsOf(SGrd)); }

} // namespace dorvani
