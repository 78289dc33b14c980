// The hand-off values between the palette window and the windows it writes
// into: which target "Vložit" serves, and the callbacks those windows set.
#pragma once

#include <QString>
#include <functional>

// "Rich", "Combo", "Pismo", "Pozadi" or "Odkaz".
inline QString PaletteTarget;
// The inspector row that the palette writes into ("Combo").
inline int PaletteRow = 0;
// Screen y at which the inspector re-opens that row's editor.
inline int PaletteReturnY = 0;

// Set by the tag inspector: writes a colour text into row PaletteRow and
// applies it to the tag under the caret.
inline std::function<void(const QString &colour)> ApplyPaletteColour;
// Set by the HTML Translator: gives a colour text to its background ("Pozadi"),
// text ("Pismo") or link ("Odkaz") colour list.
inline std::function<void(const QString &target, const QString &colour)> ApplyTranslatorColour;
