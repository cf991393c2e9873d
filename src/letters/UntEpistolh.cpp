#include "letters/UntEpistolh.h"

#include "data/DataModule.h"
#include "data/Dataset.h"
#include "data/DbError.h"
#include "data/Store.h"
#include "letters/LetterMerge.h"
#include "letters/LetterPage.h"
#include "letters/LetterScreens.h"
#include "letters/UntPROSFRes.h"
#include "letters/UntSelPrintType.h"
#include "platform/AppContext.h"
#include "platform/Printing.h"
#include "platform/RtfCodec.h"
#include "search/SearchScreens.h"
#include "widgets/DbControls.h"
#include "widgets/Screens.h"
#include "widgets/Ui.h"
#include "widgets/UntProgress.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QSqlQuery>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace dorvani {

namespace {

const QString Filter = "Αρχεία Εμπλουτισμένου Κειμένου (*.rtf);;Αρχεία Κειμένου (*.txt)";
const QString Title = "ΕΠΙΣΤΟΛΕΣ";
// The letters one preview shows.
constexpr int PreviewBatch = 20;

QList<DatasetModel::Column> startColumns()
{
    return {{"EPITHETO", "ΕΠΙΘΕΤΟ", 110}, {"ONOMA", "ΟΝΟΜΑ", 90},       {"ADDRESS", "ΔΙΕΥΘΥΝΣΗ", 140},
            {"TK", "Τ.Κ.", 50},           {"POLHNAME", "ΠΟΛΗ", 100},     {"DHMOSNAME", "ΔΗΜΟΣ", 100},
            {"EPARXIANAME", "ΕΠΑΡΧΙΑ", 100}, {"NOMOSNAME", "ΝΟΜΟΣ", 100}};
}

QPointer<TSelPrintTypeDlg> g_printType;
QPointer<TProgressDlg> g_progress;

} // namespace

TSelPrintTypeDlg *TEpistolhFrm::printTypeDialog()
{
    if (!g_printType)
        g_printType = new TSelPrintTypeDlg();
    return g_printType;
}

TProgressDlg *TEpistolhFrm::progressDialog()
{
    if (!g_progress)
        g_progress = new TProgressDlg();
    return g_progress;
}

TEpistolhFrm::TEpistolhFrm(TDataMdl &dm, QWidget *parent) : QWidget(parent), m_dm(dm)
{
    setObjectName("EpistolhFrm");
    setWindowTitle("ΔΗΜΙΟΥΡΓΙΑ - ΕΚΤΥΠΩΣΗ ΕΠΙΣΤΟΛΗΣ");
    setAttribute(Qt::WA_DeleteOnClose);

    auto *salutationLabel = new QLabel("ΠΡΟΣΦΩΝΗΣΗ", this);
    CmbPR = new QComboBox(this);
    CmbPR->setObjectName("CmbPR");
    CmbPR->setMinimumWidth(220);
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setText("+");
    SpeedButton1->setToolTip("ΝΕΑ ΠΡΟΣΦΩΝΗΣΗ");
    SpeedButton2 = new QToolButton(this);
    SpeedButton2->setObjectName("SpeedButton2");
    SpeedButton2->setText("−");
    SpeedButton2->setToolTip("ΔΙΑΓΡΑΦΗ ΠΡΟΣΦΩΝΗΣΗΣ");
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName("RichEdit1");
    RichEdit1->setAcceptRichText(true);
    RichEdit1->document()->setDefaultFont(letters::defaultFont());

    Label1 = new QLabel("Βρέθηκαν :", this);
    Label1->setObjectName("Label1");
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    BtnAll = new QPushButton("Επιλογή ό&λων", this);
    BtnAll->setObjectName("BtnAll");
    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    DBGrid1->horizontalHeader()->setFont(bold);
    DBGrid1->setDataset(m_dm.SearchQry, startColumns());

    BitBtn2 = new QPushButton("&ΕΚΤΥΠΩΣΗ ΕΠΙΣΤΟΛΩΝ", this);
    BitBtn2->setObjectName("BitBtn2");
    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    BtnFind = new QPushButton("&ΑΝΑΖΗΤΗΣΗ", this);
    BtnFind->setObjectName("BtnFind");
    BitBtn1 = new QPushButton("ΦΟΡΤΩΜΑ ΕΠΙΣΤΟΛΗΣ", this);
    BitBtn1->setObjectName("BitBtn1");
    CancelBtn = new QPushButton("&ΕΠΙΣΤΡΟΦΗ", this);
    CancelBtn->setObjectName("CancelBtn");

    auto *top = new QHBoxLayout;
    top->addWidget(salutationLabel);
    top->addWidget(CmbPR);
    top->addWidget(SpeedButton1);
    top->addWidget(SpeedButton2);
    top->addStretch(1);
    auto *middle = new QHBoxLayout;
    middle->addWidget(Label1, 1);
    middle->addWidget(BtnAll);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(BitBtn2);
    bottom->addWidget(Label2, 1);
    bottom->addWidget(BtnFind);
    bottom->addWidget(BitBtn1);
    bottom->addWidget(CancelBtn);
    auto *lay = new QVBoxLayout(this);
    lay->addLayout(top);
    lay->addWidget(RichEdit1, 3);
    lay->addLayout(middle);
    lay->addWidget(DBGrid1, 2);
    lay->addLayout(bottom);

    connect(SpeedButton1, &QToolButton::clicked, this, [this] { guarded([this] { newSalutation(); }); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { guarded([this] { deleteSalutation(); }); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded([this] { loadLetter(); }); });
    connect(BtnAll, &QPushButton::clicked, this, [this] { markAll(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded([this] { produce(); }); });
    connect(BtnFind, &QPushButton::clicked, this, [] { Screens::run("TFindPersFrm"); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] {
        if (!m_running)
            close();
    });

    SearchScreens::setResultsTaker(
        [this](const QStringList &fields, const QString &description) { return takeResults(fields, description); });
    fillSalutations();
}

TEpistolhFrm::~TEpistolhFrm()
{
    SearchScreens::setResultsTaker(nullptr);
}

void TEpistolhFrm::fillSalutations(const QString &choose)
{
    CmbPR->clear();
    QSqlQuery q(Store::instance().database());
    q.exec("SELECT PROSFONISI FROM PROSFONISI ORDER BY PROSFONISI COLLATE GREEK");
    while (q.next())
        CmbPR->addItem(q.value(0).toString());
    CmbPR->setCurrentIndex(choose.isEmpty() ? -1 : CmbPR->findText(choose));
}

void TEpistolhFrm::reset()
{
    m_dm.SearchQry->close();
    DBGrid1->clearSelection();
    fillSalutations();
}

void TEpistolhFrm::loadLetter()
{
    QDir().mkpath(AppPaths::entypa());
    const QString path = ui().openFile("ΦΟΡΤΩΜΑ ΕΠΙΣΤΟΛΗΣ", AppPaths::entypa(), Filter);
    if (path.isEmpty())
        return; // cancelled: the text stays
    QTextDocument doc;
    if (!rtf::load(path, doc))
        return;
    RichEdit1->document()->setHtml(doc.toHtml());
    Label2->setText("Αρχείο : " + QDir::toNativeSeparators(path));
}

void TEpistolhFrm::newSalutation()
{
    const std::optional<QString> text = ui().input("ΠΡΟΣΦΩΝΗΣΗ", "Δώστε νέα Προσφώνηση");
    if (!text || text->trimmed().isEmpty())
        return;
    if (Store::instance().scalar("SELECT COUNT(*) FROM PROSFONISI WHERE PROSFONISI = " + sqlQuote(*text)).toInt() > 0)
        return;
    try {
        Store::instance().run("INSERT INTO PROSFONISI (PROSFONISI) VALUES (?)", {*text});
    } catch (const DbError &) {
        return; // refused by the table: abandoned
    }
    fillSalutations(*text);
}

void TEpistolhFrm::deleteSalutation()
{
    if (CmbPR->currentIndex() < 0)
        return;
    Store::instance().run("DELETE FROM PROSFONISI WHERE PROSFONISI = ?", {CmbPR->currentText()});
    fillSalutations();
}

void TEpistolhFrm::markAll()
{
    DBGrid1->clearSelection();
    DBGrid1->selectAll();
}

QList<letters::Recipient> TEpistolhFrm::markedRecipients() const
{
    QList<letters::Recipient> out;
    Query *q = m_dm.SearchQry;
    if (!q->active())
        return out;
    for (const int row : DBGrid1->markedRows()) {
        q->moveTo(row);
        out << letters::Recipient{q->text("ONOMA"), q->text("KLHTIKH"), q->integer("FYLO")};
    }
    return out;
}

bool TEpistolhFrm::takeResults(const QStringList &resultFields, const QString &description)
{
    DBGrid1->clearSelection();
    TPROSFRESDlg *recipients = LetterScreens::recipients();
    if (!recipients)
        return false;
    recipients->fill(resultFields, description);
    const QPointer<TEpistolhFrm> self(this);
    ui().exec(recipients);
    // "&OK" takes the columns and the count over; otherwise the grid shows the found rows
    // in its own columns.
    if (self && recipients->takenOver()) {
        DBGrid1->setColumns(recipients->columns());
        Label1->setText(recipients->countText());
    }
    return true;
}

void TEpistolhFrm::produce()
{
    if (m_running)
        return;
    const QString salutation = CmbPR->currentText();
    if (salutation.trimmed().isEmpty()) {
        ui().message("Παρακαλώ επιλέξτε Προσφώνηση!");
        return;
    }
    if (letters::salutationLine(*RichEdit1->document()) < 0) {
        ui().message("Δεν έχετε προσδιορίσει την αντικατάσταση της κλητικής στο κείμενο της επιστολής\n"
                     "Παρακαλώ δηλώστε με # το σημείο που θα γράφεται η προσφώνηση με την κλητική.");
        return;
    }
    const int choice = ui().exec(printTypeDialog());
    const QList<letters::Recipient> people = markedRecipients();
    if (people.isEmpty()) {
        ui().message("Παρακαλώ επιλέξτε τα πρόσωπα που θέλετε να στείλετε επιστολή ,\n"
                     "για πολλαπλή επιλογή κρατήστε πατημένο το Ctrl.");
        return;
    }
    // The signature and photograph as the settings place them; an image named but
    // unreadable is told before the run, and the letters go without it.
    QString imageError;
    const LetterPage page = LetterPageSettings::load().page(&imageError);
    if (!imageError.isEmpty())
        ui().message(imageError);

    QString pdfPath;
    if (choice == TSelPrintTypeDlg::Pdf) {
        QDir().mkpath(AppPaths::entypa());
        pdfPath = ui().saveFile("ΑΡΧΕΙΟ PDF", AppPaths::entypa(), "Αρχεία PDF (*.pdf)");
        if (pdfPath.isEmpty())
            return;
        if (!pdfPath.endsWith(".pdf", Qt::CaseInsensitive))
            pdfPath += ".pdf";
    }

    // The template is copied for the run; the text area itself is never changed.
    std::unique_ptr<QTextDocument> templ(RichEdit1->document()->clone());
    m_running = true;
    setEnabled(false);
    TProgressDlg *progress = progressDialog();
    progress->begin(int(people.size()));
    const auto step = [progress](int) { return progress->step(); };
    struct Finish {
        TEpistolhFrm *self;
        TProgressDlg *progress;
        ~Finish()
        {
            progress->end();
            self->m_running = false;
            self->setEnabled(true);
        }
    } finish{this, progress};

    const auto draw = [&](PageSink &sink) { letters::drawLetters(sink, *templ, salutation, people, page, step); };
    if (choice == TSelPrintTypeDlg::Print) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        printer.setDocName(Title);
        if (!ui().printDialog(&printer, this))
            return;
        PainterSink sink(&printer);
        if (!sink.isActive()) {
            ui().message("Δεν ήταν δυνατή η εκτύπωση των επιστολών.");
            return;
        }
        draw(sink);
    } else if (choice == TSelPrintTypeDlg::Pdf) {
        QString error;
        if (!printToPdf(pdfPath, Title, draw, &error))
            ui().message(error);
    } else {
        // A long run is previewed a few letters at a time, so that the first letters show at
        // once; closing a preview asks whether to go on with the next letters.
        const int count = int(people.size());
        for (int from = 0; from < count; from += PreviewBatch) {
            const QList<letters::Recipient> part = people.mid(from, PreviewBatch);
            const int to = from + int(part.size());
            const QString title =
                count <= PreviewBatch ? Title : QStringLiteral("%1 %2 - %3 από %4").arg(Title).arg(from + 1).arg(to).arg(count);
            // The preview may draw more than once: each drawing starts the count afresh.
            ui().printPreview(title, [&](PageSink &sink) {
                progress->begin(int(part.size()));
                letters::drawLetters(sink, *templ, salutation, part, page, step);
            });
            if (progress->cancelled() || to >= count)
                break;
            if (!ui().question(QStringLiteral("Να εμφανιστούν οι επόμενες επιστολές (%1 - %2 από %3);")
                                   .arg(to + 1)
                                   .arg(std::min(to + PreviewBatch, count))
                                   .arg(count),
                               "ΕΠΙΒΕΒΑΙΩΣΗ"))
                break;
        }
    }
}

} // namespace dorvani
