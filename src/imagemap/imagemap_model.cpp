#include "imagemap/imagemap_model.h"

#include "imagemap/html_parser.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace ImageMap {

namespace {

bool IsBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
}

qsizetype LineStart(const QString &text, qsizetype offset)
{
    qsizetype i = qMin(offset, text.size());
    while (i > 0 && !IsBreak(text[i - 1]))
        --i;
    return i;
}

qsizetype LineEnd(const QString &text, qsizetype offset)
{
    qsizetype i = qMax<qsizetype>(offset, 0);
    while (i < text.size() && !IsBreak(text[i]))
        ++i;
    return i;
}

// As the parser finds a tag's end: quoted runs are skipped whole.
qsizetype FindUnquoted(const QString &text, QChar ch, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == ch)
            return i;
        if (c == u'"' || c == u'\'') {
            qsizetype j = i + 1;
            while (j < text.size() && !(text[j] == c && text[j - 1] != u'\\'))
                ++j;
            if (j >= text.size())
                return -1;
            i = j;
        }
    }
    return -1;
}

struct TTagSpan {
    qsizetype lt = -1; // the "<"
    qsizetype gt = -1; // its ">"
};

// The tag around the caret: the character just left of the caret counts as
// inside, even when it is the closing ">"; a caret just before "<" is on it.
TTagSpan TagAtCaret(const QString &text, qsizetype caret)
{
    TTagSpan span;
    qsizetype k = caret - 1;
    if (k >= 0 && k < text.size() && text[k] == u'>')
        --k;
    for (qsizetype i = qMin(k, text.size() - 1); i >= 0; --i) {
        if (text[i] == u'>')
            break;
        if (text[i] == u'<') {
            span.lt = i;
            break;
        }
    }
    if (span.lt < 0 && caret >= 0 && caret < text.size() && text[caret] == u'<')
        span.lt = caret;
    if (span.lt < 0)
        return {};
    span.gt = FindUnquoted(text, u'>', span.lt + 1);
    if (span.gt < 0 || span.gt < caret - 1)
        return {};
    return span;
}

bool IsMapStartTag(const QString &text, const TTagSpan &span)
{
    if (span.lt < 0 || span.gt - span.lt < 4)
        return false;
    if (QStringView(text).mid(span.lt + 1, 3).compare(u"MAP", Qt::CaseInsensitive) != 0)
        return false;
    const QChar after = text[span.lt + 4];
    return after == u'>' || after.isSpace();
}

// The NAME of the MAP tag in span, read by the parser's own rules.
QString NameOfTag(const QString &text, const TTagSpan &span)
{
    const QByteArray bytes = text.mid(span.lt + 1, span.gt - span.lt - 1).toUtf8();
    THTMLTag tag(&bytes);
    tag.ParseTag(0, int(bytes.size()));
    for (const auto &param : tag.Params) {
        if (QString::fromLatin1(param->GetKey()).toUpper() == u"NAME"_s)
            return UnquoteAttribute(QString::fromUtf8(param->GetValue()));
    }
    return u""_s; // a MAP without a name is still a MAP
}

} // namespace

TImagemapinfo NewArea(int number)
{
    TImagemapinfo area;
    area.Alt = u"Oblast"_s + QString::number(number);
    return area;
}

QString RectangleCoords(const QRect &outline)
{
    const int x1 = outline.x();
    const int y1 = outline.y();
    return u"%1,%2,%3,%4"_s.arg(x1).arg(y1).arg(x1 + outline.width()).arg(y1 + outline.height());
}

QString CircleCoords(const QRect &outline)
{
    const int r = outline.height() / 2;
    return u"%1,%2,%3"_s.arg(outline.x() + r).arg(outline.y() + r).arg(r);
}

QRect DraggedOutline(const QPoint &origin, const QPoint &point, bool circle)
{
    int w = point.x() - origin.x();
    int h = point.y() - origin.y();
    if (circle) {
        const int side = qMax(std::abs(w), std::abs(h));
        w = w < 0 ? -side : side;
        h = h < 0 ? -side : side;
    }
    const int left = w < 0 ? origin.x() + w : origin.x();
    const int top = h < 0 ? origin.y() + h : origin.y();
    return QRect(left, top, std::abs(w), std::abs(h));
}

bool CoordNumbers(const QString &coords, QList<int> *numbers)
{
    numbers->clear();
    if (coords.trimmed().isEmpty())
        return false;
    for (const QStringView part : QStringView(coords).split(u',')) {
        bool ok = false;
        const int n = part.trimmed().toInt(&ok);
        if (!ok)
            return false;
        numbers->append(n);
    }
    return true;
}

QString QuoteAttribute(const QString &value)
{
    QString v = value;
    return v.replace(u'"', u"&quot;"_s);
}

QString UnquoteAttribute(const QString &value)
{
    QString v = value;
    return v.replace(u"&quot;"_s, u"\""_s, Qt::CaseInsensitive);
}

TMapReading ReadMap(THTMLParser &parser, const QByteArray &bytes, const QString &mapName,
                    Codec::TextEncoding encoding)
{
    TMapReading reading;
    parser.Source = bytes;
    parser.Parse();
    const auto value = [encoding](const THTMLParam &param) {
        return UnquoteAttribute(Codec::Decode(param.GetValue(), encoding));
    };
    const QString usemap = u"#"_s + mapName.toLower();
    const QString upperName = mapName.toUpper();
    bool inside = false;
    for (const auto &entry : parser.ItemList) {
        const auto *tag = dynamic_cast<const THTMLTag *>(entry.get());
        if (!tag)
            continue;
        const QString name = QString::fromLatin1(tag->GetName()).toUpper();
        if (name == u"IMG"_s) {
            bool usesMap = false;
            QString src;
            for (const auto &param : tag->Params) {
                const QString key = QString::fromLatin1(param->GetKey()).toUpper();
                if (key == u"USEMAP"_s && value(*param).toLower() == usemap)
                    usesMap = true;
                else if (key == u"SRC"_s)
                    src = value(*param);
            }
            if (usesMap && !src.isEmpty())
                reading.pictures << src;
        } else if (name == u"MAP"_s) {
            for (const auto &param : tag->Params) {
                if (QString::fromLatin1(param->GetKey()).toUpper() == u"NAME"_s
                    && value(*param).toUpper() == upperName)
                    inside = true;
            }
        } else if (name == u"/MAP"_s) {
            inside = false;
        } else if (name == u"AREA"_s && inside) {
            TImagemapinfo area = NewArea(int(reading.areas.size()) + 1);
            for (const auto &param : tag->Params) {
                const QString key = QString::fromLatin1(param->GetKey()).toUpper();
                if (key == u"HREF"_s) {
                    area.Href = value(*param);
                } else if (key == u"COORDS"_s) {
                    area.Coords = value(*param);
                } else if (key == u"ALT"_s) {
                    area.Alt = value(*param);
                } else if (key == u"ACCESSKEY"_s) {
                    area.AccessKey = value(*param);
                } else if (key == u"TABINDEX"_s) {
                    area.TabIndex = value(*param);
                } else if (key == u"NOHREF"_s) {
                    area.NoHref = true;
                } else if (key == u"SHAPE"_s) {
                    // The HTML keywords "circ" and "polygon" are circles and
                    // polygons too; reading them as rectangles would turn
                    // them into rectangles at the next write.
                    const QString shape = value(*param).toUpper();
                    if (shape == u"CIRCLE"_s || shape == u"CIRC"_s)
                        area.Shape = Circle;
                    else if (shape == u"POLY"_s || shape == u"POLYGON"_s)
                        area.Shape = Poly;
                    else
                        area.Shape = Rectangle;
                }
            }
            reading.areas << area;
        }
    }
    return reading;
}

QString ResolvePicture(const QString &src, const QString &documentFolder)
{
    QString path = src;
    if (path.startsWith(u"file:"_s, Qt::CaseInsensitive))
        path = QUrl(path).toLocalFile();
    path.replace(u'\\', u'/');
    if (path.isEmpty())
        return {};
    // A relative reference means the document's folder, never the folder
    // the program happens to run in.
    if (QDir::isAbsolutePath(path))
        return QFileInfo(path).isFile() ? path : QString();
    if (documentFolder.isEmpty())
        return {};
    const QString beside = QDir(documentFolder).filePath(path);
    return QFileInfo(beside).isFile() ? beside : QString();
}

QString AreaLine(const TImagemapinfo &area, bool upper)
{
    const auto attr = [upper](const char *upperName, const QString &v) {
        const QString name = QString::fromLatin1(upperName);
        return u" "_s + (upper ? name : name.toLower()) + u"=\""_s + QuoteAttribute(v) + u"\""_s;
    };
    QString line = upper ? u"     <AREA"_s : u"     <area"_s;
    line += attr("SHAPE", area.Shape) + attr("ALT", area.Alt) + attr("COORDS", area.Coords);
    if (!area.Href.isEmpty())
        line += attr("HREF", area.Href);
    if (!area.AccessKey.isEmpty())
        line += attr("ACCESSKEY", area.AccessKey);
    if (!area.TabIndex.isEmpty())
        line += attr("TABINDEX", area.TabIndex);
    if (area.NoHref)
        line += upper ? u" NOHREF"_s : u" nohref"_s;
    return line + u">"_s;
}

TMapWrite WriteMap(const QString &text, int caretOffset, const QString &mapName,
                   const QList<TImagemapinfo> &areas, bool upper)
{
    TMapWrite result;
    result.text = text;
    result.caretOffset = caretOffset;
    const qsizetype caret = qBound(qsizetype(0), qsizetype(caretOffset), text.size());

    qsizetype headStart = -1;
    qsizetype headEnd = -1;
    const TTagSpan atCaret = TagAtCaret(text, caret);
    if (IsMapStartTag(text, atCaret)) {
        result.target = TMapTarget::CaretTag;
        headStart = LineStart(text, atCaret.lt);
        headEnd = atCaret.gt;
    } else {
        const qsizetype ls = LineStart(text, caret);
        const qsizetype le = LineEnd(text, caret);
        const qsizetype open = text.indexOf(u"<MAP"_s, ls, Qt::CaseInsensitive);
        const qsizetype gt = open >= 0 && open < le ? text.indexOf(u'>', open) : -1;
        if (gt >= 0 && gt < le) {
            result.target = TMapTarget::CaretLine;
            headStart = ls;
            headEnd = gt;
        }
    }
    if (headEnd < 0 && !mapName.isEmpty()) {
        // Neither the caret nor its line is on the map: find it by its name.
        for (qsizetype i = text.indexOf(u"<MAP"_s, 0, Qt::CaseInsensitive); i >= 0;
             i = text.indexOf(u"<MAP"_s, i + 1, Qt::CaseInsensitive)) {
            TTagSpan span{i, FindUnquoted(text, u'>', i + 1)};
            if (span.gt < 0)
                break;
            if (IsMapStartTag(text, span)
                && NameOfTag(text, span).toUpper() == mapName.toUpper()) {
                result.target = TMapTarget::Named;
                headStart = LineStart(text, i);
                headEnd = span.gt;
                break;
            }
        }
    }
    if (headEnd < 0)
        return result;

    QString block;
    for (const TImagemapinfo &area : areas)
        block += u"\r\n"_s + AreaLine(area, upper);
    block += upper ? u"\r\n</MAP>"_s : u"\r\n</map>"_s;

    const qsizetype close = text.indexOf(u"</MAP>"_s, headEnd + 1, Qt::CaseInsensitive);
    result.closed = close >= 0;
    const qsizetype tail = result.closed ? close + 6 : headEnd + 1;
    result.text = text.left(headEnd + 1) + block + text.mid(tail);
    result.caretOffset = int(headStart);
    return result;
}

QString MapNameAtCaret(const QString &text, int caretOffset)
{
    const TTagSpan span = TagAtCaret(text, qBound(0, caretOffset, int(text.size())));
    if (!IsMapStartTag(text, span))
        return {};
    return NameOfTag(text, span);
}

TNewMapInsert InsertNewMap(const QString &text, int caretOffset, const QString &mapName,
                           const QString &picture, bool upper)
{
    const qsizetype caret = qBound(qsizetype(0), qsizetype(caretOffset), text.size());
    const qsizetype le = LineEnd(text, caret);
    const QString name = QuoteAttribute(mapName);
    const QString img = upper ? u"<IMG SRC=\""_s + QuoteAttribute(picture) + u"\" USEMAP=\"#"_s + name
                                    + u"\" ISMAP>"_s
                              : u"<img src=\""_s + QuoteAttribute(picture) + u"\" usemap=\"#"_s + name
                                    + u"\" ismap>"_s;
    const QString open = (upper ? u"<MAP NAME=\""_s : u"<map name=\""_s) + name + u"\">"_s;
    const QString close = upper ? u"</MAP>"_s : u"</map>"_s;
    TNewMapInsert result;
    result.text = text.left(caret) + img + text.mid(caret, le - caret) + u"\r\n"_s + open
                  + u"\r\n"_s + close + text.mid(le);
    result.caretOffset = int(le + img.size() + 2);
    return result;
}

} // namespace ImageMap
