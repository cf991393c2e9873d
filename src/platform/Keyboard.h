// The keyboard of the platform: the Greek and US layouts and caps lock.
#pragma once

#include <QString>

namespace dorvani {

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
