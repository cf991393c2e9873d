#include "widgets/Ui.h"

#include "platform/Keyboard.h"

#include "data/DbError.h"
#include "platform/Printing.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QHash>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QToolBar>
#include <QVBoxLayout>

namespace dorvani {

namespace {

QtUi g_qtUi;
Ui *g_ui = nullptr;

QWidget *activeParent() { return QApplication::activeWindow(); }

QString captionOr(const QString &caption) { return caption.isEmpty() ? QStringLiteral("DORVANI") : caption; }

} // namespace

Ui &ui() { return g_ui ? *g_ui : g_qtUi; }

void setUi(Ui *replacement) { g_ui = replacement; }

void QtUi::message(const QString &text, const QString &caption, Icon icon)
{
    QMessageBox box(activeParent());
    box.setWindowTitle(captionOr(caption));
    box.setText(text);
    switch (icon) {
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Error: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::None: break;
    }
    box.addButton("OK", QMessageBox::AcceptRole);
    box.exec();
}

bool QtUi::question(const QString &text, const QString &caption, bool defaultNo)
{
    QMessageBox box(activeParent());
    box.setWindowTitle(captionOr(caption));
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    QPushButton *yes = box.addButton("&Ναι", QMessageBox::YesRole);
    QPushButton *no = box.addButton("&Όχι", QMessageBox::NoRole);
    box.setDefaultButton(defaultNo ? no : yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

std::optional<QString> QtUi::input(const QString &caption, const QString &prompt, const QString &initial,
                                   bool password)
{
    QDialog dlg(activeParent());
    dlg.setWindowTitle(captionOr(caption));
    auto *label = new QLabel(prompt, &dlg);
    auto *edit = new QLineEdit(initial, &dlg);
    edit->setObjectName("InputEdit");
    if (password)
        edit->setEchoMode(QLineEdit::Password);
    auto *buttons = new QDialogButtonBox(&dlg);
    buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    buttons->addButton("Άκυρο", QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dlg);
    layout->addWidget(label);
    layout->addWidget(edit);
    layout->addWidget(buttons);
    dlg.setMinimumWidth(360);
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    return edit->text();
}

namespace {
void greekFileDialog(QFileDialog &d)
{
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setLabelText(QFileDialog::LookIn, "Φάκελος:");
    d.setLabelText(QFileDialog::FileName, "Όνομα:");
    d.setLabelText(QFileDialog::FileType, "Τύπος:");
    d.setLabelText(QFileDialog::Reject, "Άκυρο");
}
} // namespace

QString QtUi::openFile(const QString &caption, const QString &dir, const QString &filter)
{
    const LatinTyping latin;
    QFileDialog d(activeParent(), caption, dir, filter);
    greekFileDialog(d);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    d.setLabelText(QFileDialog::Accept, "Άνοιγμα");
    return d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty() ? d.selectedFiles().first() : QString();
}

QString QtUi::saveFile(const QString &caption, const QString &dir, const QString &filter)
{
    const LatinTyping latin;
    QFileDialog d(activeParent(), caption, dir, filter);
    greekFileDialog(d);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setLabelText(QFileDialog::Accept, "Αποθήκευση");
    return d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty() ? d.selectedFiles().first() : QString();
}

namespace {
// A folder typed that does not exist is created, after asking, instead of refused.
class FolderDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    // The dialog greys its button while the name typed is not an existing folder; keep it
    // usable, since such a name is created on acceptance.
    void allowNewNames()
    {
        auto *edit = findChild<QLineEdit *>("fileNameEdit");
        auto *box = findChild<QDialogButtonBox *>("buttonBox");
        if (!edit || !box)
            return;
        connect(edit, &QLineEdit::textChanged, this, [edit, box] {
            QMetaObject::invokeMethod(box, [edit, box] {
                if (QPushButton *b = box->button(QDialogButtonBox::Open))
                    if (!edit->text().trimmed().isEmpty())
                        b->setEnabled(true);
            }, Qt::QueuedConnection);
        });
    }

protected:
    void accept() override
    {
        const QStringList chosen = selectedFiles();
        if (!chosen.isEmpty() && !chosen.first().isEmpty() && !QFileInfo::exists(chosen.first())) {
            const QString folder = QDir::cleanPath(chosen.first());
            if (!g_qtUi.question(QString("Ο φάκελος «%1» δεν υπάρχει.\nΝα δημιουργηθεί;")
                                     .arg(QDir::toNativeSeparators(folder)),
                                 "ΕΠΙΒΕΒΑΙΩΣΗ", false))
                return;
            if (!QDir().mkpath(folder)) {
                g_qtUi.message(QString("Δεν ήταν δυνατό να δημιουργηθεί ο φάκελος «%1».")
                                   .arg(QDir::toNativeSeparators(folder)),
                               QString(), Ui::Icon::Error);
                return;
            }
            setDirectory(folder);
            selectFile(folder);
        }
        QFileDialog::accept();
    }
};
} // namespace

QString QtUi::chooseFolder(const QString &caption, const QString &start)
{
    const LatinTyping latin;
    FolderDialog d(activeParent(), caption, start);
    greekFileDialog(d);
    d.setFileMode(QFileDialog::Directory);
    d.setOption(QFileDialog::ShowDirsOnly);
    d.setLabelText(QFileDialog::Accept, "Επιλογή");
    d.allowNewNames();
    return d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty() ? d.selectedFiles().first() : QString();
}

std::optional<QFont> QtUi::chooseFont(const QFont &initial)
{
    const LatinTyping latin;
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, initial, activeParent(), "Γραμματοσειρά");
    if (!ok)
        return std::nullopt;
    return f;
}

bool QtUi::printDialog(QPrinter *printer, QWidget *parent)
{
    const LatinTyping latin;
    QPrintDialog d(printer, parent ? parent : activeParent());
    d.setWindowTitle("Εκτύπωση");
    return d.exec() == QDialog::Accepted;
}

namespace {

// Qt has no Greek texts of its own for the preview's toolbar.
void greekPreviewActions(QPrintPreviewDialog &dlg)
{
    static const QHash<QString, QString> texts = {
        {"Fit width", "Προσαρμογή στο πλάτος"},
        {"Fit page", "Προσαρμογή στη σελίδα"},
        {"Zoom in", "Μεγέθυνση"},
        {"Zoom out", "Σμίκρυνση"},
        {"Portrait", "Κατακόρυφος προσανατολισμός"},
        {"Landscape", "Οριζόντιος προσανατολισμός"},
        {"First page", "Πρώτη σελίδα"},
        {"Previous page", "Προηγούμενη σελίδα"},
        {"Next page", "Επόμενη σελίδα"},
        {"Last page", "Τελευταία σελίδα"},
        {"Show single page", "Μία σελίδα"},
        {"Show facing pages", "Αντικριστές σελίδες"},
        {"Show overview of all pages", "Όλες οι σελίδες"},
        {"Print", "Εκτύπωση"},
        {"Page setup", "Διαμόρφωση σελίδας"},
    };
    for (QAction *a : dlg.findChildren<QAction *>()) {
        const QString greek = texts.value(a->text());
        if (!greek.isEmpty()) {
            a->setText(greek);
            a->setToolTip(greek);
        }
    }
}

} // namespace

void QtUi::printPreview(const QString &title, const std::function<void(PageSink &)> &draw,
                        PageOrientation orientation)
{
    const LatinTyping latin;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    printer.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait);
    printer.setDocName(title);

    QPrintPreviewDialog dlg(&printer, activeParent());
    dlg.setObjectName("PrintPreviewDlg");
    dlg.setWindowTitle("Προεπισκόπηση εκτύπωσης - " + title);
    QObject::connect(&dlg, &QPrintPreviewDialog::paintRequested, &dlg, [&draw](QPrinter *p) {
        guarded([&] {
            PainterSink sink(p);
            draw(sink);
        });
    });
    greekPreviewActions(dlg);

    auto *save = new QAction("Αποθήκευση ως PDF", &dlg);
    save->setObjectName("SavePdfAction");
    save->setToolTip("Αποθήκευση της εκτύπωσης σε αρχείο PDF");
    QObject::connect(save, &QAction::triggered, &dlg, [&title, &draw, &printer] {
        guarded([&] {
            QString name = title;
            name.replace(QRegularExpression(R"([\/:*?"<>|])"), "_");
            const QString suggested = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                                    .filePath(name.isEmpty() ? QStringLiteral("printout.pdf") : name + ".pdf");
            QString path = ui().saveFile("Αποθήκευση ως PDF", suggested, "Αρχεία PDF (*.pdf)");
            if (path.isEmpty())
                return;
            if (QFileInfo(path).suffix().isEmpty())
                path += ".pdf";
            QString error;
            const PageOrientation turned = printer.pageLayout().orientation() == QPageLayout::Landscape
                                               ? PageOrientation::Landscape
                                               : PageOrientation::Portrait;
            if (!printToPdf(path, title, draw, &error, turned))
                ui().message(error, QString(), Ui::Icon::Error);
        });
    });
    if (auto *bar = dlg.findChild<QToolBar *>()) {
        bar->addSeparator();
        bar->addAction(save);
    } else {
        dlg.addAction(save);
    }
    dlg.exec();
}

int QtUi::exec(QDialog *dialog) { return dialog->exec(); }

bool guarded(const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const DbError &e) {
        ui().message(e.message(), QString(), Ui::Icon::Error);
    } catch (const std::exception &e) {
        ui().message(QString::fromUtf8(e.what()), QString(), Ui::Icon::Error);
    }
    return false;
}

} // namespace dorvani
