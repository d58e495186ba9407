#include "lock_key_state.h"

#include <QGuiApplication>

// Xlib's macros clash with Qt's names, so it comes last and alone.
#ifdef HMPROG_HAVE_XKB
#include <X11/XKBlib.h>
#endif

namespace {

#ifdef HMPROG_HAVE_XKB
bool NamedIndicator(Display* display, const char* name)
{
    const Atom atom = XInternAtom(display, name, False);
    Bool on = False;
    if (atom == None || !XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
        return false;
    return on;
}
#endif

} // namespace

std::optional<LockKeys> QueryLockKeys()
{
#ifdef HMPROG_HAVE_XKB
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (Display* display = x11 ? x11->display() : nullptr)
        return LockKeys{NamedIndicator(display, "Caps Lock"), NamedIndicator(display, "Num Lock"),
                        NamedIndicator(display, "Scroll Lock")};
#endif
    return std::nullopt;
}
