// The areas of an image map, how they are read from a page and how the MAP
// block is written back. Pure text work: the editor window applies it.
#pragma once

#include "conversion/codec.h"

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class THTMLParser;

struct TImagemapinfo {
    QString Coords;
    QString Href;
    QString AccessKey;
    QString TabIndex;
    QString Shape = QStringLiteral("Rectangle"); // "Rectangle", "Circle" or "Poly"
    QString Alt;
    bool NoHref = false;

    bool operator==(const TImagemapinfo &) const = default;
};

// The areas the map editor works on, row i of its list being area i.
inline QList<TImagemapinfo> MapAreas;

namespace ImageMap {

inline const QString Rectangle = QStringLiteral("Rectangle");
inline const QString Circle = QStringLiteral("Circle");
inline const QString Poly = QStringLiteral("Poly");

// A new area as the editor adds it: label "Oblast" + its 1-based number.
TImagemapinfo NewArea(int number);

// "x1,y1,x2,y2" of a rectangle outline.
QString RectangleCoords(const QRect &outline);
// "cx,cy,r" of a circle drawn in the square outline: r is half its height.
QString CircleCoords(const QRect &outline);
// The outline of a rectangle or circle dragged from origin to point: the
// rectangle between them, for a circle the square of the larger side, laid
// from origin towards point, so dragging left or up stays a valid shape.
QRect DraggedOutline(const QPoint &origin, const QPoint &point, bool circle);

// The numbers of a coordinate text, or false when it holds anything but
// integers separated by ",".
bool CoordNumbers(const QString &coords, QList<int> *numbers);

// Attribute values are written inside double quotes: a quote in a value
// becomes "&quot;", and reading turns it back.
QString QuoteAttribute(const QString &value);
QString UnquoteAttribute(const QString &value);

struct TMapReading {
    QList<TImagemapinfo> areas;
    // The SRC of every IMG whose USEMAP names the map, in document order.
    QStringList pictures;
};

// Parses bytes (a page in encoding) with parser and collects the areas of
// the MAP named mapName and the pictures that use it. Names compare
// without case.
TMapReading ReadMap(THTMLParser &parser, const QByteArray &bytes, const QString &mapName,
                    Codec::TextEncoding encoding);

// The file a picture reference names: an absolute path as it stands, a
// relative one in documentFolder; either separator. Empty when no file.
QString ResolvePicture(const QString &src, const QString &documentFolder);

// One AREA line of the written block.
QString AreaLine(const TImagemapinfo &area, bool upper);

enum class TMapTarget {
    None,          // no MAP start tag found: nothing written
    CaretTag,      // the MAP start tag around the caret
    CaretLine,     // the first "<MAP" on the caret line
    Named,         // the first MAP of that name in the page
};

struct TMapWrite {
    TMapTarget target = TMapTarget::None;
    bool closed = false;   // the old block's "</MAP>" was found and replaced
    QString text;          // the whole new text
    int caretOffset = 0;   // start of the line where the block begins
};

// Replaces the MAP block at the caret of text (lines joined by CR LF,
// caretOffset counting a break as two) with areas: everything from the end
// of the MAP start tag through the next "</MAP>" becomes the area lines and
// a closing tag; the rest of the text stays as it was. Without a "</MAP>"
// after the start tag the block is inserted after it and nothing is removed.
TMapWrite WriteMap(const QString &text, int caretOffset, const QString &mapName,
                   const QList<TImagemapinfo> &areas, bool upper);

// The name of the MAP start tag around the caret, or a null string when the
// caret is not on one.
QString MapNameAtCaret(const QString &text, int caretOffset);

struct TNewMapInsert {
    QString text;
    int caretOffset = 0; // start of the new "<MAP" line
};

// The picture tag at the caret and a new empty MAP block on the next lines.
TNewMapInsert InsertNewMap(const QString &text, int caretOffset, const QString &mapName,
                           const QString &picture, bool upper);

} // namespace ImageMap
