// The one seam through which the program talks to the user: message boxes, questions,
// input boxes, file, folder, font and print dialogs, and the modal dialogs of the
// program itself. Tests put a scripted implementation in its place.
#pragma once

#include <QFont>
#include <QString>

#include "platform/Printing.h"

#include <functional>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

namespace dorvani {

class PageSink;

class Ui {
public:
    enum class Icon { None, Information, Warning, Error, Question };

    virtual ~Ui() = default;

    // An OK box. Without a caption the program's title "DORVANI" is shown.
    virtual void message(const QString &text, const QString &caption = QString(), Icon icon = Icon::None) = 0;
    // A Yes/No box; true for Yes.
    virtual bool question(const QString &text, const QString &caption, bool defaultNo = false) = 0;
    // An input box; nothing when cancelled.
    virtual std::optional<QString> input(const QString &caption, const QString &prompt, const QString &initial = {},
                                         bool password = false) = 0;
    // File and folder choices; empty when cancelled.
    virtual QString openFile(const QString &caption, const QString &dir, const QString &filter) = 0;
    virtual QString saveFile(const QString &caption, const QString &dir, const QString &filter) = 0;
    virtual QString chooseFolder(const QString &caption, const QString &start) = 0;
    virtual std::optional<QFont> chooseFont(const QFont &initial) = 0;
    // The print dialog; true to print.
    virtual bool printDialog(QPrinter *printer, QWidget *parent = nullptr) = 0;
    // A printout in a print preview, from which it is printed or saved as a PDF file.
    virtual void printPreview(const QString &title, const std::function<void(PageSink &)> &draw,
                              PageOrientation orientation) = 0;
    void printPreview(const QString &title, const std::function<void(PageSink &)> &draw)
    {
        printPreview(title, draw, PageOrientation::Portrait);
    }
    // Shows a dialog of the program modally and returns its result.
    virtual int exec(QDialog *dialog) = 0;
};

Ui &ui();
// Replaces the seam (tests); passing null restores the real dialogs.
void setUi(Ui *replacement);

// The real dialogs, with Greek buttons.
class QtUi : public Ui {
public:
    void message(const QString &text, const QString &caption, Icon icon) override;
    bool question(const QString &text, const QString &caption, bool defaultNo) override;
    std::optional<QString> input(const QString &caption, const QString &prompt, const QString &initial,
                                 bool password) override;
    QString openFile(const QString &caption, const QString &dir, const QString &filter) override;
    QString saveFile(const QString &caption, const QString &dir, const QString &filter) override;
    QString chooseFolder(const QString &caption, const QString &start) override;
    std::optional<QFont> chooseFont(const QFont &initial) override;
    bool printDialog(QPrinter *printer, QWidget *parent) override;
    using Ui::printPreview;
    void printPreview(const QString &title, const std::function<void(PageSink &)> &draw,
                      PageOrientation orientation) override;
    int exec(QDialog *dialog) override;
};

// Runs a user action and shows any error it raises in a message box; the action stops
// and the program goes on. Returns false when an error was shown.
bool guarded(const std::function<void()> &action);

} // namespace dorvani
