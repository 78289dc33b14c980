// Palette files (Data/Palety/<name>.vpq): the number of colours on the first
// line, then one colour per line as "red green blue" in decimal.
#pragma once

#include "colours/tcolor.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

struct TPalette {
    // The count from the first line: colours beyond those present read as black.
    int Count = 0;
    QList<TColor> Colours; // as many as the file holds, at most Count

    // Colour number index from 0; black past the colours present.
    TColor ColourAt(int index) const;
    // All Count colours, missing ones black.
    QList<TColor> AllColours() const;
};

namespace PaletteFile {

// More colours than this in one palette is taken for a damaged file.
constexpr int kMaxColours = 1000000;

// Reads the numbers as white-space-separated integers, keeping the low 8 bits
// of each colour number. Returns false (and leaves *palette empty) when the
// text holds something other than numbers or a count out of range.
bool Parse(const QByteArray &bytes, TPalette *palette);

// The file's bytes: the count, then one "r g b" line per colour, CR LF.
QByteArray Format(const QList<TColor> &colours);

// The file of palette name in folder.
QString PathOf(const QString &folder, const QString &name);

// The palettes of folder: file names ending in ".vpq" without it, in the
// order a person sorts them (letter case ignored, numbers by value).
QStringList Names(const QString &folder);

// A name the user may give a palette or template file: not empty, no folder
// separators, no characters that file systems refuse.
bool IsUsableFileName(const QString &name);

} // namespace PaletteFile

// The palette grids: cells of 10 by 10 pixels, outlined in black, filled
// column by column. One drawing pass also fills a 31st column beyond the
// right edge, so a pass consumes 31 columns of colours.
namespace PaletteGrid {

constexpr int kCell = 10;
constexpr int kVisibleColumns = 30;
constexpr int kPassColumns = 31;

// The colours one pass draws, starting at colour number first (from 0):
// rows × 31 of them in drawing order (down each column), black past the end.
QList<TColor> PassColours(const TPalette &palette, int first, int rows);

// The grid picture of rows rows and 30 visible columns.
QImage Draw(const TPalette &palette, int first, int rows);

// The cell under the pixel (x, y), counted from 1 column by column, as the
// editor numbers its selection: (x div 10) × rows + (y div 10) + 1.
int CellAt(int x, int y, int rows);

} // namespace PaletteGrid

// The palette editor's spectrum, 47 by 93: the hue from top to bottom (red,
// yellow, green, cyan, blue, magenta, red), each row from black through the
// full hue in the middle to white; the top row and left column grey 127.
QImage SpectrumImage();

// Natural order for file lists: letter case ignored, digit runs by value
// ("Sablona2" before "Sablona10").
bool NaturalLess(const QString &a, const QString &b);
