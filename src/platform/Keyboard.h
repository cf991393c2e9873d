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

// For as long as it lives, the US layout with caps lock off: file names, folders and
// printer settings are typed as they are, not in Greek capitals. Afterwards caps lock is
// restored and, when it was on (a data-entry screen), the Greek layout too.
class LatinTyping {
public:
    LatinTyping();
    ~LatinTyping();
    LatinTyping(const LatinTyping &) = delete;
    LatinTyping &operator=(const LatinTyping &) = delete;

private:
    int m_caps;
};

} // namespace dorvani
