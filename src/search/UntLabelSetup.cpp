#include "search/UntLabelSetup.h"

#include "data/DataModule.h"
#include "data/Dataset.h"
#include "platform/AppContext.h"
#include "platform/Registry.h"
#include "search/LabelTypes.h"
#include "search/UntPrint.h"
#include "search/UntSelectPrint.h"
#include "widgets/DbControls.h"
#include "widgets/Ui.h"
#include "widgets/UntProgress.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace dorvani {

namespace {
const QString Section = QStringLiteral("ToPrint");

QToolButton *tool(QWidget *parent, const char *name, const QString &text, const QString &hint)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(hint);
    return b;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}
} // namespace

TLabelSetupFrm::TLabelSetupFrm(TDataMdl &dm, TPrintFrm *printFrm, TSelectPrintDlg *selectPrint,
                               const QList<DatasetModel::Column> &columns, QWidget *parent)
    : QDialog(parent), m_dm(dm), m_ds(dm.SearchQry), m_printFrm(printFrm), m_selectPrint(selectPrint)
{
    setObjectName("LabelSetupFrm");
    setWindowTitle("ΦΟΡΜΑ ΔΙΑΧΕΙΡΙΣΗΣ ΕΤΙΚΕΤΩΝ");
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(1000, 680);
    auto *top = new QHBoxLayout(this);

    auto *left = new QVBoxLayout;
    left->addWidget(new QLabel("Τύπος Ετικέτας/Εκτυπωτή", this));
    DBLookupComboBox1 = new QComboBox(this);
    DBLookupComboBox1->setObjectName("DBLookupComboBox1");
    left->addWidget(DBLookupComboBox1);
    auto *group = new QGroupBox("ΕΠΙΛΟΓΗ ΠΕΔΙΩΝ ΠΡΟΣ ΕΚΤΥΠΩΣΗ", this);
    auto *gl = new QVBoxLayout(group);
    ChkLstPedia = new QListWidget(group);
    ChkLstPedia->setObjectName("ChkLstPedia");
    for (const labels::LabelField &f : labels::labelFields()) {
        auto *item = new QListWidgetItem(f.caption, ChkLstPedia);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    gl->addWidget(ChkLstPedia);
    gl->addWidget(new QLabel("Μορφή Κειμένου Ετικέτας", group));
    auto *tools = new QHBoxLayout;
    SBtnLoad = tool(group, "SBtnLoad", "Άνοιγμα", "Άνοιγμα ήδη υπάρχουσας μορφής Εκτύπωσης Ετικέτας");
    SBtnSave = tool(group, "SBtnSave", "Αποθήκευση", "Αποθήκευση Μορφής Εκτύπωσης Ετικέτας");
    SpeedButton2 = tool(group, "SpeedButton2", "Προβολή", "ΠΡΟΒΟΛΗ");
    SpeedButton1 = tool(group, "SpeedButton1", "Aa", "ΕΠΙΛΟΓΗ ΓΡΑΜΜΑΤΟΣΕΙΡΑΣ");
    for (QToolButton *b : {SBtnLoad, SBtnSave, SpeedButton2, SpeedButton1})
        tools->addWidget(b);
    gl->addLayout(tools);
    Memo1 = new QPlainTextEdit(group);
    Memo1->setObjectName("Memo1");
    Memo1->setFont(QFont("Courier", 10));
    gl->addWidget(Memo1);
    left->addWidget(group);
    auto *startRow = new QHBoxLayout;
    startRow->addWidget(new QLabel("Έναρξη από την ετικέτα", this));
    SpinStart = new QSpinBox(this);
    SpinStart->setObjectName("SpinStart");
    SpinStart->setRange(1, 1000);
    startRow->addWidget(SpinStart);
    left->addLayout(startRow);
    top->addLayout(left, 1);

    auto *right = new QVBoxLayout;
    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setDataset(m_ds, columns);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    right->addWidget(DBGrid1);
    auto *buttons = new QHBoxLayout;
    BtnAll = button(this, "BtnAll", "Επιλογή ό&λων");
    BtnNone = button(this, "BtnNone", "Καμία επιλογή");
    BitBtn3 = button(this, "BitBtn3", "Ε&κτύπωση");
    BtnCancel = button(this, "BtnCancel", "&Επιστροφή");
    BtnHelp = button(this, "BtnHelp", "&Βοήθεια");
    for (QPushButton *b : {BtnAll, BtnNone, BitBtn3, BtnCancel, BtnHelp})
        buttons->addWidget(b);
    right->addLayout(buttons);
    top->addLayout(right, 2);

    connect(ChkLstPedia, &QListWidget::itemChanged, this, [this] { rebuildText(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { rebuildText(); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] {
        if (auto f = ui().chooseFont(Memo1->font()))
            Memo1->setFont(*f);
    });
    connect(SBtnLoad, &QToolButton::clicked, this, [this] { loadTemplate(); });
    connect(SBtnSave, &QToolButton::clicked, this, [this] { saveTemplate(); });
    connect(BtnAll, &QPushButton::clicked, this, [this] { markAll(); });
    connect(BtnNone, &QPushButton::clicked, this, [this] { markNone(); });
    connect(DBGrid1, &QAbstractItemView::pressed, this, [this] { m_allMarked = false; });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { guarded([this] { print(); }); });
    connect(BtnCancel, &QPushButton::clicked, this, &TLabelSetupFrm::reject);

    // Opening: the types, the saved choice, the template or the saved checks, the text.
    refreshTypes();
    Registry reg(Registry::Labels);
    const QString saved = reg.readString(Section, "Printer");
    DBLookupComboBox1->setCurrentIndex(DBLookupComboBox1->findText(saved)); // -1 when gone
    const QString templ = reg.readString(Section, "Template");
    const QSignalBlocker block(ChkLstPedia);
    if (!templ.isEmpty() && QFileInfo::exists(templ)) {
        QStringList lines;
        QString error;
        if (labels::loadTemplate(templ, &lines, &error)) {
            Memo1->setPlainText(lines.join('\n'));
            const QList<int> named = labels::fieldsNamedIn(lines);
            for (int i = 0; i < ChkLstPedia->count(); ++i)
                ChkLstPedia->item(i)->setCheckState(named.contains(i) ? Qt::Checked : Qt::Unchecked);
        }
    }
    if (Memo1->toPlainText().isEmpty()) {
        const auto &fields = labels::labelFields();
        for (int i = 0; i < fields.size(); ++i)
            ChkLstPedia->item(i)->setCheckState(
                reg.readBool(Section, fields[i].settingName, fields[i].checkedByDefault) ? Qt::Checked : Qt::Unchecked);
    }
    rebuildText();
}

void TLabelSetupFrm::refreshTypes()
{
    const QString current = DBLookupComboBox1->currentText();
    DBLookupComboBox1->clear();
    DBLookupComboBox1->addItems(labeltypes::names());
    DBLookupComboBox1->setCurrentIndex(DBLookupComboBox1->findText(current));
}

void TLabelSetupFrm::rebuildText()
{
    QStringList lines;
    for (int i = 0; i < ChkLstPedia->count(); ++i)
        if (ChkLstPedia->item(i)->checkState() == Qt::Checked)
            lines << "#" + labels::labelFields()[i].caption + "#";
    Memo1->setPlainText(lines.join('\n'));
}

void TLabelSetupFrm::loadTemplate()
{
    QDir().mkpath(AppPaths::labelTemplates());
    const QString path = ui().openFile("Άνοιγμα", AppPaths::labelTemplates(), "*.ini");
    if (path.isEmpty())
        return;
    QStringList lines;
    QString error;
    if (!labels::loadTemplate(path, &lines, &error)) {
        ui().message(error);
        return;
    }
    m_templatePath = path;
    const QSignalBlocker block(ChkLstPedia);
    Memo1->setPlainText(lines.join('\n'));
    const QList<int> named = labels::fieldsNamedIn(lines);
    for (int i = 0; i < ChkLstPedia->count(); ++i)
        ChkLstPedia->item(i)->setCheckState(named.contains(i) ? Qt::Checked : Qt::Unchecked);
}

void TLabelSetupFrm::saveTemplate()
{
    QDir().mkpath(AppPaths::labelTemplates());
    QString path = ui().saveFile("Αποθήκευση", AppPaths::labelTemplates(), "*.ini");
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += ".ini";
    QString error;
    if (!labels::saveTemplate(path, Memo1->toPlainText().split('\n'), &error))
        ui().message(error);
}

void TLabelSetupFrm::markAll()
{
    m_allMarked = true;
    DBGrid1->selectAll();
}

void TLabelSetupFrm::markNone()
{
    m_allMarked = false;
    DBGrid1->clearSelection();
}

QList<QPair<int, int>> TLabelSetupFrm::markedRanges() const
{
    if (m_allMarked) {
        const int n = m_ds->recordCount();
        return n > 0 ? QList<QPair<int, int>>{{0, n - 1}} : QList<QPair<int, int>>{};
    }
    QList<QPair<int, int>> ranges;
    for (const QItemSelectionRange &r : DBGrid1->selectionModel()->selection())
        ranges.append({r.top(), r.bottom()});
    std::sort(ranges.begin(), ranges.end());
    QList<QPair<int, int>> merged;
    for (const auto &r : ranges) {
        if (!merged.isEmpty() && r.first <= merged.last().second + 1)
            merged.last().second = std::max(merged.last().second, r.second);
        else
            merged.append(r);
    }
    return merged;
}

int TLabelSetupFrm::markedCount() const
{
    int n = 0;
    for (const auto &r : markedRanges())
        n += r.second - r.first + 1;
    return n;
}

QStringList TLabelSetupFrm::currentLabel() const
{
    return labels::substitute(Memo1->toPlainText().split('\n'), [this](const QString &field) {
        return m_ds->hasField(field) ? m_ds->text(field) : QString();
    });
}

labels::RunResult TLabelSetupFrm::run(PageSink &sink, const labels::LabelType &t, int startAt, TProgressDlg *progress)
{
    const QList<QPair<int, int>> ranges = markedRanges();
    int total = 0;
    for (const auto &r : ranges)
        total += r.second - r.first + 1;
    progress->begin(total);
    sink.setFont(Memo1->font());
    qsizetype range = 0;
    int row = ranges.isEmpty() ? 0 : ranges[0].first;
    bool sequential = false;
    const labels::RunResult result = labels::drawLabels(
        sink, t, labels::LabelK, startAt,
        [&](QStringList *lines) {
            if (range >= ranges.size())
                return false;
            // Rows in order: moving to the next row reads the dataset a page at a time.
            if (sequential)
                m_ds->next();
            else
                m_ds->moveTo(row);
            if (m_ds->eof())
                return false;
            *lines = currentLabel();
            if (row < ranges[range].second) {
                ++row;
                sequential = true;
            } else if (++range < ranges.size()) {
                row = ranges[range].first;
                sequential = false;
            }
            return true;
        },
        [&] { return progress->step(); });
    progress->end();
    return result;
}

void TLabelSetupFrm::print()
{
    if (m_running)
        return;
    const std::optional<labels::LabelType> type = labeltypes::load(DBLookupComboBox1->currentText());
    if (!type) {
        ui().message("Δεν έχετε επιλέξει εκτυπωτή!");
        ui().exec(m_printFrm);
        refreshTypes();
        return;
    }
    if (const QString why = labels::refusal(*type); !why.isEmpty()) {
        ui().message(why);
        return;
    }
    const QList<QPair<int, int>> ranges = markedRanges();
    // The sample: the last marked row's label.
    QStringList sample;
    if (!ranges.isEmpty()) {
        m_ds->moveTo(ranges.last().second);
        sample = currentLabel();
    }
    m_selectPrint->sample = sample;
    m_selectPrint->typeName = type->name;
    m_printFrm->setLabelFont(Memo1->font());
    if (ui().exec(m_selectPrint) != QDialog::Accepted)
        return;
    if (ranges.isEmpty()) {
        ui().message("Δεν τυπώθηκε καμία ετικέτα: δεν έχετε επιλέξει πολίτες.");
        return;
    }
    const int startAt = std::min(SpinStart->value(), labels::labelsPerPage(*type)) - 1;
    // While the run prints only the progress window's cancel answers: the screen can be
    // neither closed nor started again.
    TProgressDlg progress(parentWidget());
    labels::RunResult last;
    m_running = true;
    setEnabled(false);
    try {
        ui().printPreview("ΕΤΙΚΕΤΕΣ", [&](PageSink &sink) { last = run(sink, *type, startAt, &progress); });
    } catch (...) {
        m_running = false;
        setEnabled(true);
        throw;
    }
    m_running = false;
    setEnabled(true);
    QString text = (last.labels == 1 ? QStringLiteral("Εκτυπώθηκε 1 ετικέτα") : QStringLiteral("Εκτυπώθηκαν %1 ετικέτες").arg(last.labels))
        + (last.pages == 1 ? QStringLiteral(" σε 1 σελίδα.") : QStringLiteral(" σε %1 σελίδες.").arg(last.pages));
    if (last.cancelled)
        text += QStringLiteral("\nΗ εκτύπωση διακόπηκε από το χρήστη.");
    ui().message(text, QString(), Ui::Icon::Information);
}

void TLabelSetupFrm::saveSettings()
{
    if (m_settingsSaved)
        return;
    m_settingsSaved = true;
    bool any = false;
    for (int i = 0; i < ChkLstPedia->count(); ++i)
        any = any || ChkLstPedia->item(i)->checkState() == Qt::Checked;
    if (!any)
        return;
    Registry reg(Registry::Labels);
    reg.writeString(Section, "Printer", DBLookupComboBox1->currentText());
    if (!m_templatePath.isEmpty())
        reg.writeString(Section, "Template", m_templatePath);
    const auto &fields = labels::labelFields();
    for (int i = 0; i < fields.size(); ++i)
        reg.writeBool(Section, fields[i].settingName, ChkLstPedia->item(i)->checkState() == Qt::Checked);
}

void TLabelSetupFrm::closeEvent(QCloseEvent *e)
{
    if (m_running) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

void TLabelSetupFrm::reject()
{
    if (m_running)
        return;
    QDialog::reject();
}

void TLabelSetupFrm::done(int r)
{
    if (m_running)
        return;
    saveSettings();
    QDialog::done(r);
}

} // namespace dorvani
