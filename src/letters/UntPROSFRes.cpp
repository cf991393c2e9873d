#include "letters/UntPROSFRes.h"

#include "citizens/CitizenScreens.h"
#include "data/BackgroundAggregate.h"
#include "data/DataModule.h"
#include "search/ResultFields.h"
#include "search/SearchScreens.h"
#include "search/UntPedia.h"
#include "search/UntPrnPedia.h"
#include "search/UntSearchRes.h"
#include "widgets/DbControls.h"
#include "widgets/FormParts.h"
#include "widgets/GridPrintout.h"
#include "widgets/MainWindow.h"
#include "widgets/Ui.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

namespace dorvani {

namespace {


const QString Caption = QStringLiteral("ΑΠΟΤΕΛΕΣΜΑΤΑ ΑΝΑΖΗΤΗΣΗΣ - ΕΠΙΣΤΟΛΟΓΡΑΦΟΣ");

} // namespace

double TPROSFRESDlg::widthFactor(int position)
{
    switch (position) {
    case 0:
    case 4:
    case 6:
    case 7: return 0.5;
    case 23: return 1.7;
    default: return 1.0;
    }
}

TPROSFRESDlg::TPROSFRESDlg(TDataMdl &dm, QWidget *parent) : QDialog(parent), m_dm(dm)
{
    setObjectName("PROSFRESDlg");
    setWindowTitle(Caption);
    setModal(true);

    // The results screen's frame, with "&OK" in place of the labels button.
    static_cast<FoundRowsFrame &>(*this) = layFoundRows(this, dm, "&OK");


    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded([this] { takeOver(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded([this] { print(); }); });
    connect(DBGrid1, &DBGrid::rowDoubleClicked, this, [this](int row) { guarded([&] { openRow(row); }); });
}

TPROSFRESDlg::~TPROSFRESDlg() = default;

void TPROSFRESDlg::fill(const QStringList &resultFields, const QString &description)
{
    Label2->clear();
    Label3->clear();
    Label4->clear();
    m_captions.clear();
    m_taken = false;

    Dataset *q = m_dm.SearchQry;
    TPediaDlg *pedia = SearchScreens::pedia();
    const QStringList captions = results::captions();
    QList<DatasetModel::Column> cols;
    QStringList wanted;
    for (int n = 0; n < results::Count && n < resultFields.size(); ++n) {
        if (!pedia || !pedia->isChecked(n))
            continue;
        const QString field = resultFields[n];
        const int natural = TSearchResDlg::naturalWidth(q, field, captions[n], DBGrid1->font(),
                                                        DBGrid1->horizontalHeader()->font());
        cols << DatasetModel::Column{field, captions[n], int(natural * widthFactor(n))};
        m_captions << captions[n];
        if (field == "AVOTE" || field == "PVOTE" || field == "TOT_PSHFOI")
            wanted << field;
    }
    // The count and the three sums over every found row, by SQL over the search's statement.
    static const QList<QPair<QString, QString>> sums = {
        {"AVOTE", "COALESCE(SUM(AVOTE),0)"},
        {"PVOTE", "COALESCE(SUM(PVOTE),0)"},
        {"TOT_PSHFOI", "COALESCE(SUM(COALESCE(AVOTE,0) + COALESCE(PVOTE,0)),0)"},
    };
    QStringList exprs, names;
    for (const auto &[f, e] : sums)
        if (wanted.contains(f)) {
            exprs << e;
            names << f;
        }
    DBGrid1->clearSelection();
    DBGrid1->setColumns(cols);
    Label1->setText("Καταμέτρηση των εγγραφών...");
    m_totals = std::make_unique<BackgroundAggregate>(q, exprs);
    connect(m_totals.get(), &BackgroundAggregate::finished, this, [this, names](const QVariantList &values) {
        Label1->setText("Βρέθηκαν " + QString::number(values.value(0).toInt()) + " εγγραφές");
        for (int i = 0; i < names.size() && i + 1 < values.size(); ++i) {
            const QString n = QString::number(values[i + 1].toLongLong());
            if (names[i] == "AVOTE")
                Label2->setText("Σύνολο Ατομικών ψήφων :" + n);
            else if (names[i] == "PVOTE")
                Label3->setText("Σύνολο Περιφερειακών ψήφων :" + n);
            else
                Label4->setText("Συνολικοί ψήφοι :" + n);
        }
    });
    connect(m_totals.get(), &BackgroundAggregate::failed, this, [this](const QString &) {
        Label1->setText("Βρέθηκαν " + QString::number(m_dm.SearchQry->recordCount()) + " εγγραφές");
    });
    m_totals->wait(20); // a small result has its totals before the screen shows
    m_description = description;
    Label6->setText(description);
    if (TPrnPEDIADlg *chooser = SearchScreens::printChooser())
        chooser->setItems(m_captions);
}

QList<DatasetModel::Column> TPROSFRESDlg::columns() const
{
    return shownColumns(DBGrid1);
}

QString TPROSFRESDlg::countText()
{
    if (m_totals)
        m_totals->wait();
    return Label1->text();
}

void TPROSFRESDlg::takeOver()
{
    if (MainWindow *main = MainWindow::instance())
        for (QWidget *w : main->openChildren())
            if (w->objectName() == "FindPersFrm") {
                if (auto *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget()))
                    sub->close();
                else
                    w->close();
            }
    countText();
    m_taken = true;
    accept();
}

void TPROSFRESDlg::print()
{
    TPrnPEDIADlg *chooser = SearchScreens::printChooser();
    if (!chooser || ui().exec(chooser) != QDialog::Accepted)
        return;
    const QString count = countText();
    printFoundRows(this, m_dm, DBGrid1, chooser, m_description, count);
}

void TPROSFRESDlg::openRow(int row) { openFoundRow(this, m_dm, row); }

} // namespace dorvani
