#include "TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

namespace dorvani::test {

ScriptedUi::ScriptedUi() { setUi(this); }
ScriptedUi::~ScriptedUi() { setUi(nullptr); }

QStringList ScriptedUi::messages() const
{
    QStringList out;
    for (const Shown &s : log)
        if (s.kind == "message")
            out << s.text;
    return out;
}

QStringList ScriptedUi::questions() const
{
    QStringList out;
    for (const Shown &s : log)
        if (s.kind == "question")
            out << s.text;
    return out;
}

QStringList ScriptedUi::dialogs() const
{
    QStringList out;
    for (const Shown &s : log)
        if (s.kind == "exec")
            out << s.caption;
    return out;
}

void ScriptedUi::message(const QString &text, const QString &caption, Icon)
{
    log << Shown{"message", caption, text};
}

bool ScriptedUi::question(const QString &text, const QString &caption, bool)
{
    log << Shown{"question", caption, text};
    if (answers.isEmpty()) {
        unexpected << "question: " + text;
        return false;
    }
    return answers.dequeue();
}

std::optional<QString> ScriptedUi::input(const QString &caption, const QString &prompt, const QString &, bool)
{
    log << Shown{"input", caption, prompt};
    if (inputs.isEmpty()) {
        unexpected << "input: " + prompt;
        return std::nullopt;
    }
    return inputs.dequeue();
}

QString ScriptedUi::openFile(const QString &caption, const QString &, const QString &)
{
    log << Shown{"openFile", caption, {}};
    return openFiles.isEmpty() ? QString() : openFiles.dequeue();
}

QString ScriptedUi::saveFile(const QString &caption, const QString &, const QString &)
{
    log << Shown{"saveFile", caption, {}};
    return saveFiles.isEmpty() ? QString() : saveFiles.dequeue();
}

QString ScriptedUi::chooseFolder(const QString &caption, const QString &start)
{
    log << Shown{"folder", caption, start};
    return folders.isEmpty() ? QString() : folders.dequeue();
}

std::optional<QFont> ScriptedUi::chooseFont(const QFont &)
{
    log << Shown{"font", {}, {}};
    return std::nullopt;
}

bool ScriptedUi::printDialog(QPrinter *, QWidget *)
{
    log << Shown{"print", {}, {}};
    return false;
}

void ScriptedUi::printPreview(const QString &title, const std::function<void(PageSink &)> &draw,
                              PageOrientation orientation)
{
    log << Shown{"printPreview", title, {}};
    RecordingSink sink;
    if (orientation == PageOrientation::Landscape)
        sink.size = sink.size.transposed();
    printoutOrientations << orientation;
    // As in the real preview, an error of the printout is shown and the program goes on.
    const bool drawn = guarded([&] { draw(sink); });
    printouts << sink;
    printoutTitles << title;
    if (drawn && !pdfFolder.isEmpty()) {
        QDir().mkpath(pdfFolder);
        const QString path = QDir(pdfFolder).filePath(QString::number(printouts.size()) + ".pdf");
        QString error;
        if (printToPdf(path, title, draw, &error, orientation))
            pdfFiles << path;
        else
            unexpected << "pdf: " + error;
    }
}

int ScriptedUi::exec(QDialog *dialog)
{
    const QString name = dialog->objectName();
    log << Shown{"exec", name, dialog->windowTitle()};
    std::function<int(QDialog *)> handler;
    if (onExecOnce.contains(name) && !onExecOnce[name].isEmpty())
        handler = onExecOnce[name].dequeue();
    else
        handler = onExec.value(name);
    // The dialog is shown without a modal loop of its own; the handler plays the user.
    dialog->setResult(0);
    dialog->show();
    QApplication::processEvents();
    int result = QDialog::Rejected;
    if (handler)
        result = handler(dialog);
    if (dialog->isVisible()) {
        if (!handler)
            dialog->reject();
        else
            dialog->done(result);
    } else {
        result = dialog->result();
    }
    return result;
}

TestHome::TestHome()
{
    QDir().mkpath(home());
    QDir().mkpath(config());
    qputenv("XDG_CONFIG_HOME", config().toLocal8Bit());
    const QString runtime = m_dir.filePath("runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
}

TestHome::~TestHome() = default;

QString TestHome::home() const { return m_dir.filePath("home"); }
QString TestHome::config() const { return m_dir.filePath("config"); }
QString TestHome::path(const QString &relative) const { return QDir(home()).filePath(relative); }

void typeText(QWidget *w, const QString &text)
{
    for (const QChar ch : text) {
        const Qt::Key key = ch.isLetterOrNumber() ? Qt::Key(ch.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, w, key, QString(ch), Qt::NoModifier);
    }
}

void pressKey(QWidget *w, Qt::Key key) { QTest::keyClick(w, key); }

void doubleClickCell(QTableView *v, int row, int column)
{
    const QModelIndex i = v->model()->index(row, column);
    v->scrollTo(i);
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(i).center());
    QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(i).center());
}

void click(QWidget *parent, const QString &buttonName)
{
    auto *b = parent->findChild<QAbstractButton *>(buttonName);
    if (!b)
        qFatal("no button %s", qPrintable(buttonName));
    b->click();
}

int acceptDialog(QDialog *d)
{
    d->accept();
    return QDialog::Accepted;
}

int rejectDialog(QDialog *d)
{
    d->reject();
    return QDialog::Rejected;
}

std::function<int(QDialog *)> loginWith(const QString &key)
{
    return [key](QDialog *d) {
        auto *field = d->findChild<QLineEdit *>("Password1");
        field->setText(key);
        click(d, "OKBtn");
        return d->result();
    };
}

} // namespace dorvani::test
