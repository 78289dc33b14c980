// The toolkit colour value (0x00BBGGRR) and its identifiers such as "clWhite".
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

using TColor = quint32;

namespace TColors {

// The sixteen standard colours, in the order the colour boxes list them.
const QStringList &StandardIdentifiers();

// "clWhite" (any letter case) or a number (decimal, "$" or "0x" hex) -> colour.
bool StringToColor(const QString &text, TColor *colour);

// The identifier of a standard colour, or empty when colour is none of them.
QString ColorToIdentifier(TColor colour);

QColor ToQColor(TColor colour);

} // namespace TColors
