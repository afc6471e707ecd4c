#include "KeyboardLocks.h"

#include <QGuiApplication>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(ORBEK_HAVE_X11)
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#endif

#if defined(ORBEK_HAVE_X11)
namespace {

bool IndicatorOn(Display* display, const char* name)
{
    Bool on = False;
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None || !XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
        return false;
    return on != False;
}

} // namespace
#endif

std::optional<KeyboardLocks> KeyboardLocks::Query()
{
#if defined(Q_OS_WIN)
    return KeyboardLocks{(GetKeyState(VK_CAPITAL) & 1) != 0, (GetKeyState(VK_NUMLOCK) & 1) != 0,
        (GetKeyState(VK_SCROLL) & 1) != 0};
#elif defined(ORBEK_HAVE_X11)
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    return KeyboardLocks{IndicatorOn(display, "Caps Lock"), IndicatorOn(display, "Num Lock"),
        IndicatorOn(display, "Scroll Lock")};
#else
    return std::nullopt;
#endif
}
