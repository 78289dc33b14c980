#include "editor/keyboard_state.h"

#include <QGuiApplication>
#include <QHash>
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
    // Atoms live as long as the X server: look each up once, not every tick.
    static QHash<QByteArray, Atom> atoms;
    auto it = atoms.find(name);
    if (it == atoms.end())
        it = atoms.insert(name, XInternAtom(display, name, True));
    const Atom atom = it.value();
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
