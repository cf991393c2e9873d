#include "widgets/InputHelpers.h"

#include "data/GreekFolding.h"
#include "data/GreekText.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QTextEdit>
#include <QWidget>


namespace dorvani {

QString quoteList(const QString &s)
{
    auto quote = [](const QString &item) { return '\'' + QString(item).replace('\'', "''") + '\''; };
    if (!s.contains(','))
        return quote(s);
    QStringList items = s.split(',');
    if (items.last().isEmpty())
        items.removeLast(); // nothing after the last comma adds no item
    QString out;
    for (int i = 0; i < items.size(); ++i)
        out += (i == 0 ? QString() : QString(",")) + quote(items[i]);
    return out;
}

// ---------------------------------------------------------------- Greek capitals

GreekCapitalsFilter *GreekCapitalsFilter::instance()
{
    static auto *f = new GreekCapitalsFilter(QCoreApplication::instance());
    return f;
}

bool GreekCapitalsFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched->property(KeptAsTyped).toBool())
        return false;
    if (event->type() == QEvent::KeyPress) {
        auto *ke = static_cast<QKeyEvent *>(event);
        const QString text = ke->text();
        if (text.size() == 1) {
            const QChar cap = greekStoredLetter(text.at(0));
            if (cap != text.at(0)) {
                QKeyEvent upper(QEvent::KeyPress, ke->key(), ke->modifiers(), QString(cap), ke->isAutoRepeat(),
                                ushort(ke->count()));
                QCoreApplication::sendEvent(watched, &upper);
                return true;
            }
        }
    } else if (event->type() == QEvent::InputMethod) {
        auto *im = static_cast<QInputMethodEvent *>(event);
        const QString commit = im->commitString();
        QString upper = commit;
        for (QChar &c : upper)
            c = greekStoredLetter(c);
        if (upper != commit) {
            QInputMethodEvent changed(im->preeditString(), im->attributes());
            changed.setCommitString(upper, im->replacementStart(), im->replacementLength());
            QCoreApplication::sendEvent(watched, &changed);
            return true;
        }
    }
    return false;
}

void installGreekCapitals(QWidget *field)
{
    field->installEventFilter(GreekCapitalsFilter::instance());
    auto *edit = qobject_cast<QLineEdit *>(field);
    if (!edit || edit->property("greekStored").toBool())
        return;
    edit->setProperty("greekStored", true);
    // Whatever the user puts in the field (typed, pasted, dropped) takes its stored form.
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &text) {
        if (edit->property(KeptAsTyped).toBool() || !edit->inputMask().isEmpty())
            return;
        const QString stored = greekStored(text);
        if (stored == text)
            return;
        const int cursor = edit->cursorPosition() - int(text.size() - stored.size());
        edit->setText(stored);
        edit->setCursorPosition(qMax(0, cursor));
    });
}

void installGreekCapitalsOnAll(QWidget *screen)
{
    for (QWidget *w : screen->findChildren<QWidget *>()) {
        if (qobject_cast<QLineEdit *>(w) || qobject_cast<QTextEdit *>(w) || qobject_cast<QPlainTextEdit *>(w))
            installGreekCapitals(w);
        else if (auto *cb = qobject_cast<QComboBox *>(w); cb && cb->isEditable() && cb->lineEdit())
            installGreekCapitals(cb->lineEdit());
    }
}

// ---------------------------------------------------------------- Enter and Esc

EntryKeysFilter *EntryKeysFilter::instance()
{
    static auto *f = new EntryKeysFilter(QCoreApplication::instance());
    return f;
}

namespace {
// The next (or previous) control of the window that takes focus by Tab.
void moveFocus(QWidget *from, bool forward)
{
    QWidget *w = from;
    for (int guard = 0; guard < 10000; ++guard) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == from)
            return;
        if (w->window() == from->window() && w->isVisibleTo(from->window()) && w->isEnabled()
            && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy()) {
            w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}
} // namespace

bool EntryKeysFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *ke = static_cast<QKeyEvent *>(event);
    auto *w = qobject_cast<QWidget *>(watched);
    if (!w || (ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) {
        moveFocus(w, true);
        return true;
    }
    if (ke->key() == Qt::Key_Escape) {
        moveFocus(w, false);
        return true;
    }
    return false;
}

void installEntryKeys(QWidget *control) { control->installEventFilter(EntryKeysFilter::instance()); }

void setDigitsOnly(QLineEdit *field)
{
    static const QRegularExpression digits("[0-9]*");
    field->setValidator(new QRegularExpressionValidator(digits, field));
}

} // namespace dorvani
