// Helpers around text entry: the Greek capitals of typed small letters, Enter and Esc
// moving between controls, digit-only fields, the keyboard layout and caps lock, and
// the quoting of a comma list for an SQL IN (...) clause.
#pragma once

#include <QObject>
#include <QString>

class QLineEdit;
class QWidget;

namespace dorvani {

// "A,B" gives 'A','B'; each item is quoted with its inner quotes doubled; blanks are kept.
QString quoteList(const QString &s);

// Turns each small unaccented Greek letter typed into a text field into its capital
// (final ς becomes Σ). Installed on a field or, through installGreekCapitals, on every
// text field of a screen.
class GreekCapitalsFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    static GreekCapitalsFilter *instance();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
void installGreekCapitals(QWidget *field);
void installGreekCapitalsOnAll(QWidget *screen);

// Enter moves to the next control and Esc to the previous one; the key is consumed.
class EntryKeysFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    static EntryKeysFilter *instance();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
void installEntryKeys(QWidget *control);

// The field accepts only digits (Backspace, Enter and Esc still work).
void setDigitsOnly(QLineEdit *field);

// Keyboard layout and caps lock. On X11 the Greek and US layouts are chosen among the
// layouts the user has configured and caps lock is set through XKB; elsewhere nothing
// happens, and typed Greek is still turned into capitals by the screens.
class KeyboardBackend {
public:
    virtual ~KeyboardBackend() = default;
    // The caps-lock entry of the keyboard state: 0 off, 1 on, other values (a key held
    // down) are left alone.
    virtual int capsEntry() = 0;
    virtual void setCapsEntry(int value) = 0;
    // Loads and activates a layout given as eight hexadecimal digits ("00000408").
    virtual void activateLayout(const QString &layoutId) = 0;
};

class Keyboard {
public:
    static void switchToGreek();
    static void switchToUs();
    static void setCapsLock(bool on);
    static QString layoutId(int languageId); // 1032 gives "00000408"

    static KeyboardBackend &backend();
    static void setBackend(KeyboardBackend *b); // tests; null restores the platform's
};

} // namespace dorvani
