#include "letters/UntKeimeno.h"

#include "letters/LetterMerge.h"
#include "letters/LetterPage.h"
#include "letters/Ruler.h"
#include "letters/UntPrnSettings.h"
#include "platform/AppContext.h"
#include "platform/Printing.h"
#include "platform/RtfCodec.h"
#include "widgets/Ui.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace dorvani {

namespace {
const QString Filter = "Αρχεία Εμπλουτισμένου Κειμένου (*.rtf);;Αρχεία Κειμένου (*.txt)";
QPointer<TPrnSettingsDlg> g_settings;

QToolButton *tool(const QString &text, const QString &name, const QString &hint, QWidget *parent, bool checkable)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(hint);
    b->setCheckable(checkable);
    return b;
}
} // namespace

TPrnSettingsDlg *TKeimenoFrm::settingsDialog()
{
    if (!g_settings)
        g_settings = new TPrnSettingsDlg();
    return g_settings;
}

TKeimenoFrm::TKeimenoFrm(QWidget *parent) : QWidget(parent)
{
    setObjectName("KeimenoFrm");
    setWindowTitle("ΚΕΙΜΕΝΟ ΠΟΛΙΤΙΚΗΣ ΕΠΙΣΤΟΛΗΣ");
    setAttribute(Qt::WA_DeleteOnClose);

    auto *bar = new QToolBar(this);
    BoldButton = tool("B", "BoldButton", "Bold", bar, true);
    ItalicButton = tool("I", "ItalicButton", "Italic", bar, true);
    UnderlineButton = tool("U", "UnderlineButton", "Underline", bar, true);
    FontButton = tool("Γραμματοσειρά", "FontButton", "Γραμματοσειρά", bar, false);
    ToolButton1 = tool("⇤", "ToolButton1", "Left Alignment", bar, false);
    ToolButton3 = tool("↔", "ToolButton3", "Center Alignment", bar, false);
    ToolButton5 = tool("⇥", "ToolButton5", "Right Alignment", bar, false);
    bar->addWidget(BoldButton);
    bar->addWidget(ItalicButton);
    bar->addWidget(UnderlineButton);
    bar->addSeparator();
    bar->addWidget(FontButton);
    bar->addSeparator();
    bar->addWidget(ToolButton1);
    bar->addWidget(ToolButton3);
    bar->addWidget(ToolButton5);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName("RichEdit1");
    RichEdit1->document()->setDefaultFont(letters::defaultFont());

    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    Label3 = new QLabel(this);
    Label3->setObjectName("Label3");
    BitBtn2 = new QPushButton("&ΦΟΡΤΩΜΑ", this);
    BitBtn2->setObjectName("BitBtn2");
    BtnSave = new QPushButton("&ΑΠΟΘΗΚΕΥΣΗ", this);
    BtnSave->setObjectName("BtnSave");
    BitBtn1 = new QPushButton("&ΕΚΤΥΠΩΣΗ ΔΟΚΙΜΑΣΤΙΚΗ", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setToolTip("ΡΥΘΜΙΣΕΙΣ ΚΑΙ &ΕΚΤΥΠΩΣΗ ΔΟΚΙΜΑΣΤΙΚΗ");
    CancelBtn = new QPushButton("&ΕΠΙΣΤΡΟΦΗ", this);
    CancelBtn->setObjectName("CancelBtn");

    auto *labels = new QVBoxLayout;
    labels->addWidget(Label2);
    labels->addWidget(Label3);
    auto *bottom = new QHBoxLayout;
    bottom->addLayout(labels, 1);
    bottom->addWidget(BitBtn2);
    bottom->addWidget(BtnSave);
    bottom->addWidget(BitBtn1);
    bottom->addWidget(CancelBtn);
    auto *lay = new QVBoxLayout(this);
    Ruler = new TRuler(RichEdit1, this);
    lay->addWidget(bar);
    lay->addWidget(Ruler);
    lay->addWidget(RichEdit1, 1);
    lay->addLayout(bottom);

    const auto toggle = [this](QToolButton *b, const std::function<void(QTextCharFormat &, bool)> &set) {
        connect(b, &QToolButton::toggled, this, [this, set](bool on) {
            if (m_showing)
                return;
            QTextCharFormat f;
            set(f, on);
            mergeFormat(f);
        });
    };
    toggle(BoldButton, [](QTextCharFormat &f, bool on) { f.setFontWeight(on ? QFont::Bold : QFont::Normal); });
    toggle(ItalicButton, [](QTextCharFormat &f, bool on) { f.setFontItalic(on); });
    toggle(UnderlineButton, [](QTextCharFormat &f, bool on) { f.setFontUnderline(on); });
    connect(FontButton, &QToolButton::clicked, this, [this] {
        if (const std::optional<QFont> chosen = ui().chooseFont(RichEdit1->currentCharFormat().font())) {
            QTextCharFormat f;
            f.setFont(*chosen);
            mergeFormat(f);
        }
        RichEdit1->setFocus();
    });
    connect(ToolButton1, &QToolButton::clicked, this, [this] { RichEdit1->setAlignment(Qt::AlignLeft); });
    connect(ToolButton3, &QToolButton::clicked, this, [this] { RichEdit1->setAlignment(Qt::AlignHCenter); });
    connect(ToolButton5, &QToolButton::clicked, this, [this] { RichEdit1->setAlignment(Qt::AlignRight); });
    connect(RichEdit1, &QTextEdit::currentCharFormatChanged, this, [this] { showFormat(); });
    connect(RichEdit1, &QTextEdit::cursorPositionChanged, this, [this] { showCaret(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded([this] { load(); }); });
    connect(BtnSave, &QPushButton::clicked, this, [this] { guarded([this] { save(); }); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded([this] { testPrint(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QWidget::close);
}

void TKeimenoFrm::mergeFormat(const QTextCharFormat &f)
{
    QTextCursor c = RichEdit1->textCursor();
    if (c.hasSelection())
        c.mergeCharFormat(f);
    RichEdit1->mergeCurrentCharFormat(f);
}

void TKeimenoFrm::showFormat()
{
    m_showing = true;
    const QTextCharFormat f = RichEdit1->currentCharFormat();
    BoldButton->setChecked(f.fontWeight() >= QFont::DemiBold);
    ItalicButton->setChecked(f.fontItalic());
    UnderlineButton->setChecked(f.fontUnderline());
    m_showing = false;
}

void TKeimenoFrm::showCaret()
{
    const QTextCursor c = RichEdit1->textCursor();
    Label3->setText(QStringLiteral("(ΣΤΗΛΗ,ΓΡΑΜΜΗ) :%1,%2").arg(c.positionInBlock() + 1).arg(c.blockNumber() + 1));
}

void TKeimenoFrm::load()
{
    QDir().mkpath(AppPaths::entypa());
    const QString path = ui().openFile("ΦΟΡΤΩΜΑ", AppPaths::entypa(), Filter);
    if (path.isEmpty())
        return; // cancelled: the text stays
    QTextDocument doc;
    if (!rtf::load(path, doc))
        return; // unreadable: ignored, the text stays
    RichEdit1->document()->setHtml(doc.toHtml());
    Label2->setText("Αρχείο : " + QDir::toNativeSeparators(path));
}

void TKeimenoFrm::save()
{
    QDir().mkpath(AppPaths::entypa());
    QString path = ui().saveFile("ΑΠΟΘΗΚΕΥΣΗ", AppPaths::entypa(), Filter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += ".rtf";
    const QString error = rtf::save(path, *RichEdit1->document());
    if (!error.isEmpty())
        ui().message(QStringLiteral("Το αρχείο %1 δεν αποθηκεύτηκε.\n%2").arg(QDir::toNativeSeparators(path), error));
}

void TKeimenoFrm::testPrint()
{
    TPrnSettingsDlg *dlg = settingsDialog();
    dlg->fill();
    if (ui().exec(dlg) != QDialog::Accepted)
        return;
    QString imageError;
    const LetterPage page = dlg->settings().page(&imageError);
    if (!imageError.isEmpty())
        ui().message(imageError);
    std::unique_ptr<QTextDocument> text(RichEdit1->document()->clone());
    letters::sizeDefaultFontInPoints(*text);
    ui().printPreview("Προεπισκόπηση Εκτύπωσης Αρχικής Σελίδας", [&](PageSink &s) { page.draw(s, *text); });
}

} // namespace dorvani
