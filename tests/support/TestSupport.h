// Shared test helpers: a scripted user-interaction seam, a temporary program and settings
// folder, and typing that works for Greek text.
#pragma once

#include "platform/Printing.h"
#include "widgets/Ui.h"

#include <QDialog>
#include <QHash>
#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <optional>

class QTableView;
class QWidget;

namespace dorvani::test {

// Answers the program's questions from a script and records what it showed.
class ScriptedUi : public Ui {
public:
    ScriptedUi();
    ~ScriptedUi() override;

    struct Shown {
        QString kind;    // "message", "question", "input", "exec", ...
        QString caption; // or the dialog's object name
        QString text;
    };
    QList<Shown> log;
    QStringList messages() const; // texts of the OK boxes, in order
    QStringList questions() const;
    QStringList dialogs() const; // object names of the dialogs shown with exec
    void clearLog() { log.clear(); }

    QQueue<bool> answers;                          // for question()
    QQueue<std::optional<QString>> inputs;         // for input()
    QQueue<QString> folders, openFiles, saveFiles; // empty text means cancelled
    // How a dialog of the program is handled while it is "modal": the handler drives its
    // widgets and returns the result. Without a handler the dialog is rejected.
    QHash<QString, std::function<int(QDialog *)>> onExec;
    // A handler used once, before onExec (for a second showing that differs).
    QHash<QString, QQueue<std::function<int(QDialog *)>>> onExecOnce;

    QStringList unexpected; // questions or inputs asked with no answer scripted

    // Printouts sent to the print preview, recorded page by page, with their titles.
    QList<RecordingSink> printouts;
    QStringList printoutTitles;
    // When set, every printout is also rendered as a real PDF file in this folder
    // (1.pdf, 2.pdf, ... in order); the files written are listed in pdfFiles.
    QString pdfFolder;
    QStringList pdfFiles;

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
    QList<PageOrientation> printoutOrientations;
    int exec(QDialog *dialog) override;
};

// A program folder and a settings folder of the test's own, removed afterwards.
class TestHome {
public:
    TestHome();
    ~TestHome();
    QString home() const;   // the program folder (--home)
    QString config() const; // XDG_CONFIG_HOME
    QString path(const QString &relative) const;

private:
    QTemporaryDir m_dir;
};

// Types text into a widget one character at a time (QTest::keyClicks rejects Greek).
void typeText(QWidget *w, const QString &text);
void pressKey(QWidget *w, Qt::Key key);
// Clicks the button of a dialog found by its object name.
void click(QWidget *parent, const QString &buttonName);
// Double-clicks a cell of a grid, scrolled into view: the click that starts a double click,
// then the double click itself.
void doubleClickCell(QTableView *v, int row, int column);

// Handlers for the dialogs every start-up shows.
int acceptDialog(QDialog *d);
int rejectDialog(QDialog *d);
// The login dialog answered with a key.
std::function<int(QDialog *)> loginWith(const QString &key);

} // namespace dorvani::test
