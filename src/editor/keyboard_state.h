// What the keyboard's lock indicators and layout say, where the platform tells.
#pragma once

#include <QString>
#include <optional>

namespace KeyboardState {

// On X11 the indicator lights; nothing elsewhere (the panels then stay raised).
std::optional<bool> CapsLock();
std::optional<bool> NumLock();

// A short code of the input language, such as "CZ".
QString LayoutLanguage();

} // namespace KeyboardState
