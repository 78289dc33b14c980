// Colours as HTML text: the sixteen names and "#RRGGBB". Every place where a
// colour becomes text, or text a colour, goes through these two.
#pragma once

#include "colours/tcolor.h"

#include <QString>
#include <QStringList>

// The sixteen names in the table's order ("Black", "Maroon", ... "White").
const QStringList &HtmlColourNames();
// The same names in alphabetical order, as the colour lists offer them.
const QStringList &HtmlColourNamesSorted();

// The name when the colour (top byte ignored) is one of the sixteen, else
// "#" and six upper-case hex digits, red first.
QString ColorToHtml(TColor colour);

// True when HtmlToColor accepts text: "#" and six hex digits, or one of the
// sixteen names in any letter case.
bool IsHtmlColour(const QString &text);

// The colour of an accepted text (see IsHtmlColour); 0 (black) for any other.
TColor HtmlToColor(const QString &text);

// TColor <-> QColor (TColor holds red in its low byte).
TColor ToTColor(const QColor &colour);
