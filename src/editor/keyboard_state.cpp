#include "editor/keyboard_state.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QLocale>

#include <X11/XKBlib.h>

namespace KeyboardState {

namespace {

std::optional<bool> Indicator(const char *name)
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None)
        return std::nullopt;
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
        return std::nullopt;
    return on == True;
}

} // namespace

std::optional<bool> CapsLock()
{
    return Indicator("Caps Lock");
}

std::optional<bool> NumLock()
{
    return Indicator("Num Lock");
}

QString LayoutLanguage()
{
    const QLocale locale = qGuiApp && qGuiApp->inputMethod() ? qGuiApp->inputMethod()->locale()
                                                              : QLocale::system();
    if (locale.language() == QLocale::C)
        return {}; // nothing known about the layout
    // The country part reads as users know it ("CZ"); the language when there is none.
    const QString name = locale.name();
    const qsizetype bar = name.indexOf(u'_');
    const QString code = bar >= 0 ? name.mid(bar + 1) : name;
    return code.left(2).toUpper();
}

} // namespace KeyboardState
