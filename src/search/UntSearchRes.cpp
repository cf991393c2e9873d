#include "search/UntSearchRes.h"

#include "data/BackgroundAggregate.h"
#include "citizens/CitizenScreens.h"
#include "data/DataModule.h"
#include "widgets/DbControls.h"
#include "widgets/FormParts.h"
#include "widgets/GridPrintout.h"
#include "search/ResultFields.h"
#include "widgets/Screens.h"
#include "widgets/Ui.h"
#include "search/UntPedia.h"
#include "search/UntPrnPedia.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace dorvani {

namespace {

QLabel *boldLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

// How a column's natural width is changed for a position of the result field list.

} // namespace

FoundRowsFrame layFoundRows(QDialog *screen, TDataMdl &dm, const QString &secondButton)
{
    FoundRowsFrame f;
    auto *top = new QWidget(screen);
    top->setObjectName("Panel1");
    f.Label5 = boldLabel("Label5", "ΚΡΙΤΗΡΙΑ ΑΝΑΖΗΤΗΣΗΣ :", top);
    f.Label6 = new QLabel(top);
    f.Label6->setObjectName("Label6");
    f.Label6->setWordWrap(true);
    f.Label6->setMinimumSize(609, 41);
    f.Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    f.Label6->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *th = new QHBoxLayout(top);
    th->addWidget(f.Label5, 0, Qt::AlignTop);
    th->addWidget(f.Label6, 1);

    f.DBGrid1 = new DBGrid(screen);
    f.DBGrid1->setObjectName("DBGrid1");
    f.DBGrid1->setToolTip("ΜΕ ΔΙΠΛΟ ΑΡΙΣΤΕΡΟ ΠΡΟΒΟΛΗ ΚΑΡΤΕΛΛΑΣ ΠΟΛΙΤΗ");
    f.DBGrid1->setDataset(dm.SearchQry);
    f.DBGrid1->setColumns({});
    QFont bold = f.DBGrid1->horizontalHeader()->font();
    bold.setBold(true);
    f.DBGrid1->horizontalHeader()->setFont(bold);
    f.DBGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    f.DBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);

    auto *bottom = new QWidget(screen);
    bottom->setObjectName("Panel2");
    f.Label1 = boldLabel("Label1", "Βρέθηκαν :", bottom);
    f.Label2 = boldLabel("Label2", QString(), bottom);
    f.Label3 = boldLabel("Label3", QString(), bottom);
    f.Label4 = boldLabel("Label4", QString(), bottom);
    f.BitBtn2 = form::button("BitBtn2", secondButton, bottom);
    f.BitBtn1 = form::button("BitBtn1", "Ε&ΚΤΥΠΩΣΗ", bottom);
    f.CancelBtn = form::button("CancelBtn", "&ΕΠΙΣΤΡΟΦΗ", bottom);
    auto *bg = new QGridLayout(bottom);
    bg->addWidget(f.Label1, 0, 0, 1, 3);
    bg->addWidget(f.Label2, 1, 0);
    bg->addWidget(f.Label3, 1, 1);
    bg->addWidget(f.Label4, 1, 2);
    bg->setColumnStretch(3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(f.BitBtn2);
    buttons->addWidget(f.BitBtn1);
    buttons->addWidget(f.CancelBtn);
    bg->addLayout(buttons, 0, 4, 2, 1, Qt::AlignRight | Qt::AlignVCenter);

    auto *v = new QVBoxLayout(screen);
    v->addWidget(top);
    v->addWidget(f.DBGrid1, 1);
    v->addWidget(bottom);
    screen->resize(1000, 640);
    return f;
}

QList<DatasetModel::Column> shownColumns(const DBGrid *grid)
{
    QList<DatasetModel::Column> out = grid->datasetModel()->columns();
    for (int i = 0; i < out.size(); ++i)
        out[i].width = grid->columnWidth(i);
    return out;
}

void printFoundRows(QDialog *screen, TDataMdl &dm, const DBGrid *grid, const TPrnPEDIADlg *chooser,
                    const QString &criteria, const QString &count)
{
    const QList<DatasetModel::Column> cols = shownColumns(grid);
    QList<PrintColumn> printed;
    for (int i : chooser->checkedItems())
        if (i < cols.size())
            printed << PrintColumn{cols[i].field, chooser->ChkBox->item(i)->text(), cols[i].width};
    if (printed.isEmpty())
        return;
    const QString caption = screen->windowTitle();
    const QFont font = grid->font();
    Dataset *q = dm.SearchQry;
    screen->setEnabled(false);
    struct Enable {
        QWidget *w;
        ~Enable() { w->setEnabled(true); }
    } enableAgain{screen};
    ui().printPreview(
        caption, [=](PageSink &sink) { printDatasetGrid(sink, *q, printed, caption, criteria, count, font); },
        datasetGridOrientation(*q, printed));
}

void openFoundRow(QDialog *screen, TDataMdl &dm, int row)
{
    Dataset *q = dm.SearchQry;
    if (!q->active())
        return;
    q->moveTo(row);
    const int autonum = q->integer("AUTONUM");
    screen->accept();
    CitizenScreens::edit(autonum, CitizenScreens::SearchResults);
}

TSearchResDlg::TSearchResDlg(TDataMdl &dm, TPediaDlg *pedia, TPrnPEDIADlg *printChooser, QWidget *parent)
    : QDialog(parent), m_dm(dm), m_pedia(pedia), m_printChooser(printChooser)
{
    setObjectName("SearchResDlg");
    setWindowTitle("ΑΠΟΤΕΛΕΣΜΑΤΑ ΑΝΑΖΗΤΗΣΗΣ");
    setModal(true);

    static_cast<FoundRowsFrame &>(*this) = layFoundRows(this, dm, "&ΔΙΕΥΘΥΝΣΙΟΓΡΑΦΟΣ");


    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded([this] { print(); }); });
    // The labels screen takes its columns from this grid and its rows from SearchQry.
    connect(BitBtn2, &QPushButton::clicked, this, [] { Screens::run("TLabelSetupFrm"); });
    connect(DBGrid1, &DBGrid::rowDoubleClicked, this, [this](int row) { guarded([&] { openRow(row); }); });
}

void TSearchResDlg::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    BitBtn2->setEnabled(Screens::has("TLabelSetupFrm"));
}

int TSearchResDlg::naturalWidth(const Dataset *ds, const QString &field, const QString &title, const QFont &gridFont,
                                const QFont &titleFont)
{
    const int index = ds->fieldIndex(field);
    int chars = index >= 0 ? ds->fieldWidth(index) : 0;
    if (chars <= 0)
        chars = 10; // numbers
    const int needed = QFontMetrics(gridFont).horizontalAdvance('0') * chars + 4;
    const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(title) + 10;
    return std::max(needed, titleWidth);
}

TSearchResDlg::~TSearchResDlg() = default;

void TSearchResDlg::fill(const QStringList &resultFields, const QString &description)
{
    Label2->clear();
    Label3->clear();
    Label4->clear();
    m_captions.clear();

    Dataset *q = m_dm.SearchQry;
    const QStringList captions = results::captions();
    QList<DatasetModel::Column> cols;
    QStringList wanted;
    for (int n = 0; n < results::Count && n < resultFields.size(); ++n) {
        if (!m_pedia->isChecked(n))
            continue;
        const QString field = resultFields[n];
        cols << DatasetModel::Column{field, captions[n], 0};
        m_captions << captions[n];
        if (results::isVoteSum(field))
            wanted << field;
    }
    // The count and each wanted sum over every found row, by SQL over the search's own
    // statement, off the screen's thread: a large result shows at once and its totals follow.
    static const QHash<QString, QString> expression = {
        {"AVOTE", "COALESCE(SUM(AVOTE),0)"},
        {"PVOTE", "COALESCE(SUM(PVOTE),0)"},
        {"TOT_PSHFOI", "COALESCE(SUM(COALESCE(AVOTE,0) + COALESCE(PVOTE,0)),0)"},
        {"P_PSHFOI", "COALESCE(SUM(P_PSHFOI),0)"},
        {"PSHFOI_P", "COALESCE(SUM(PSHFOI_P),0)"},
    };
    static const QStringList order = {"AVOTE", "PVOTE", "TOT_PSHFOI", "P_PSHFOI", "PSHFOI_P"};
    QStringList exprs, names;
    for (const QString &f : order)
        if (wanted.contains(f)) {
            exprs << expression.value(f);
            names << f;
        }
    DBGrid1->setColumns(cols);
    // Each column as wide as its title and the values of the first rows: a name shows whole,
    // and a wide field with short values does not push the others out of view.
    form::fitColumns(DBGrid1);
    Label1->setText("Καταμέτρηση των εγγραφών...");
    m_totals = std::make_unique<BackgroundAggregate>(q, exprs);
    connect(m_totals.get(), &BackgroundAggregate::finished, this, [this, names](const QVariantList &values) {
        Label1->setText("Βρέθηκαν " + QString::number(values.value(0).toInt()) + " εγγραφές");
        for (int i = 0; i < names.size() && i + 1 < values.size(); ++i) {
            const QString n = QString::number(values[i + 1].toLongLong());
            const QString &f = names[i];
            if (f == "AVOTE")
                Label2->setText("Σύνολο Ατομικών ψήφων :" + n);
            else if (f == "PVOTE")
                Label3->setText("Σύνολο Περιφερειακών ψήφων :" + n);
            else if (f == "TOT_PSHFOI")
                Label4->setText("Συνολικοί ψήφοι :" + n);
            else if (f == "P_PSHFOI")
                Label3->setText("Σύνολο Ψηφοδελτίων προς παράδοση :" + n);
            else if (f == "PSHFOI_P")
                Label4->setText("Σύνολο Ψηφοδελτίων που παραδόθηκαν :" + n);
        }
    });
    connect(m_totals.get(), &BackgroundAggregate::failed, this, [this](const QString &error) {
        Label1->setText("Βρέθηκαν " + QString::number(m_dm.SearchQry->recordCount()) + " εγγραφές");
        Q_UNUSED(error);
    });
    m_totals->wait(20); // a small result has its totals before the screen shows
    m_description = description;
    Label6->setText(description);
    m_printChooser->setItems(m_captions);
}

QList<DatasetModel::Column> TSearchResDlg::columns() const
{
    return shownColumns(DBGrid1);
}

void TSearchResDlg::print()
{
    if (ui().exec(m_printChooser) != QDialog::Accepted)
        return;
    if (m_totals)
        m_totals->wait(); // the printout names the count
    printFoundRows(this, m_dm, DBGrid1, m_printChooser, m_description, Label1->text());
}

void TSearchResDlg::openRow(int row) { openFoundRow(this, m_dm, row); }

} // namespace dorvani
