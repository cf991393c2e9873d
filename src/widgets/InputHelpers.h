// Helpers around text entry: the Greek capitals of typed small letters, Enter and Esc
// moving between controls, digit-only fields (the keyboard layout and caps lock are in
// platform/Keyboard.h), and the quoting of a comma list for an SQL IN (...) clause.
#pragma once

#include <QObject>
#include <QString>

#include "platform/Keyboard.h"

class QLineEdit;
class QWidget;

namespace dorvani {

// "A,B" gives 'A','B'; each item is quoted with its inner quotes doubled; blanks are kept.
QString quoteList(const QString &s);

// A field with this property true (e-mail, web) keeps its text as typed.
inline constexpr const char *KeptAsTyped = "keptAsTyped";

// Turns each Greek letter typed into a text field into its capital without tonos (final ς
// becomes Σ, the diaeresis stays), and gives a one-line field's whole text its stored form
// (greekStored) whenever the user changes it, so that pasted small letters and Latin
// look-alikes in a Greek word are stored in Greek capitals. Installed on a field or,
// through installGreekCapitalsOnAll, on every text field of a screen.
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

} // namespace dorvani
