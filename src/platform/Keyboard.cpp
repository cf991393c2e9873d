// The keyboard of the platform: XKB groups and the caps-lock modifier on X11.
#include "platform/Keyboard.h"

#include <QGuiApplication>
#include <QString>

#ifdef DORVANI_HAVE_X11
#include <QtGui/qguiapplication_platform.h>
#include <X11/XKBlib.h>
#endif

namespace dorvani {


namespace {

class NullKeyboard : public KeyboardBackend {
public:
    int capsEntry() override { return m_caps; }
    void setCapsEntry(int v) override { m_caps = v; }
    void activateLayout(const QString &) override {}

private:
    int m_caps = 0;
};

#ifdef DORVANI_HAVE_X11
class X11Keyboard : public KeyboardBackend {
public:
    Display *display()
    {
        auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        return x11 ? x11->display() : nullptr;
    }
    int capsEntry() override
    {
        Display *d = display();
        if (!d)
            return m_fallback.capsEntry();
        XkbStateRec st;
        if (XkbGetState(d, XkbUseCoreKbd, &st) != Success)
            return 0;
        return (st.locked_mods & LockMask) ? 1 : 0;
    }
    void setCapsEntry(int v) override
    {
        Display *d = display();
        if (!d) {
            m_fallback.setCapsEntry(v);
            return;
        }
        XkbLockModifiers(d, XkbUseCoreKbd, LockMask, v == 1 ? LockMask : 0);
        XFlush(d);
    }
    void activateLayout(const QString &layoutId) override
    {
        Display *d = display();
        if (!d)
            return;
        const bool greek = layoutId.endsWith("0408");
        XkbDescPtr desc = XkbAllocKeyboard();
        if (!desc)
            return;
        if (XkbGetNames(d, XkbGroupNamesMask, desc) == Success && desc->names) {
            for (int g = 0; g < XkbNumKbdGroups; ++g) {
                const Atom a = desc->names->groups[g];
                if (!a)
                    continue;
                char *name = XGetAtomName(d, a);
                const QString n = QString::fromUtf8(name ? name : "");
                if (name)
                    XFree(name);
                const bool match = greek ? n.contains("Greek", Qt::CaseInsensitive)
                                         : (n.contains("English (US)", Qt::CaseInsensitive) || n == "English"
                                            || n.compare("us", Qt::CaseInsensitive) == 0);
                if (match) {
                    XkbLockGroup(d, XkbUseCoreKbd, unsigned(g));
                    XFlush(d);
                    break;
                }
            }
        }
        XkbFreeKeyboard(desc, 0, True);
    }

private:
    NullKeyboard m_fallback;
};
#endif

KeyboardBackend *g_keyboard = nullptr;

} // namespace

KeyboardBackend &Keyboard::backend()
{
    if (g_keyboard)
        return *g_keyboard;
#ifdef DORVANI_HAVE_X11
    static X11Keyboard platform;
#else
    static NullKeyboard platform;
#endif
    return platform;
}

void Keyboard::setBackend(KeyboardBackend *b) { g_keyboard = b; }

void Keyboard::switchToGreek() { backend().activateLayout(layoutId(1032)); }

void Keyboard::switchToUs() { backend().activateLayout(layoutId(1033)); }

QString Keyboard::layoutId(int languageId) { return QString("%1").arg(languageId, 8, 16, QChar('0')).toUpper(); }

void Keyboard::setCapsLock(bool on)
{
    KeyboardBackend &k = backend();
    const int entry = k.capsEntry();
    if (entry == 0) {
        if (on)
            k.setCapsEntry(1);
    } else if (entry == 1) {
        k.setCapsEntry(on ? 1 : 0);
    }
    // any other entry (the key held down) is left as it is
}

LatinTyping::LatinTyping() : m_caps(Keyboard::backend().capsEntry())
{
    Keyboard::switchToUs();
    Keyboard::setCapsLock(false);
}

LatinTyping::~LatinTyping()
{
    // Caps lock on is the state of the data-entry screens, which type Greek.
    if (m_caps == 1) {
        Keyboard::switchToGreek();
        Keyboard::setCapsLock(true);
    }
}

} // namespace dorvani
