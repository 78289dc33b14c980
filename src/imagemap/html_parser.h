// A small, forgiving HTML scanner: cuts a byte buffer into a flat list of
// text runs, comments, server-script blocks and tags, and splits each tag
// into its name and parameters. Every result is a view (start, length) into
// the parser's buffer; bytes are copied only by GetText.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

// Message and context of a scanning problem.
using THTMLErrorEvent = std::function<void(const QString &message, const QString &context)>;

// The common root of everything the parser puts into its item list, so the
// list can be walked and its entries told apart by their exact class.
class THTMLEntry
{
public:
    virtual ~THTMLEntry() = default;
};

// One span of the source buffer.
class THTMLItem : public THTMLEntry
{
public:
    explicit THTMLItem(const QByteArray *source) : Source(source) {}

    qsizetype Start = -1; // unset until SetRange
    int Len = 0;          // 0 or less: empty

    void SetRange(qsizetype start, int len)
    {
        Start = start;
        Len = len;
    }
    // A copy of the Len bytes at Start; empty when unset or empty.
    QByteArray GetText() const;

private:
    const QByteArray *Source;
};

class THTMLText : public THTMLItem
{
public:
    using THTMLItem::THTMLItem;
};

class THTMLComment : public THTMLItem
{
public:
    using THTMLItem::THTMLItem;
};

class THTMLServerScript : public THTMLItem
{
public:
    using THTMLItem::THTMLItem;
};

// One parameter of a tag: its raw text, its key and its value.
class THTMLParam
{
public:
    explicit THTMLParam(const QByteArray *source) : Whole(source), Key(source), Value(source) {}

    THTMLItem Whole;
    THTMLItem Key;
    THTMLItem Value; // without one leading and one trailing quote

    QByteArray GetKey() const { return Key.GetText(); }
    QByteArray GetValue() const { return Value.GetText(); }
};

class THTMLTag : public THTMLEntry
{
public:
    explicit THTMLTag(const QByteArray *source) : Name(source), Whole(source), m_source(source) {}

    THTMLErrorEvent OnError;
    THTMLItem Name;  // as written, up to the first white space ("/MAP", "!DOCTYPE")
    THTMLItem Whole; // every byte between "<" and ">"
    std::vector<std::unique_ptr<THTMLParam>> Params;

    QByteArray GetName() const { return Name.GetText(); }
    // Fills the tag from the length bytes at start (the first byte after "<").
    void ParseTag(qsizetype start, int length);

private:
    const QByteArray *m_source;
};

// The scan routines over buf[0 .. len): each returns an index or -1, and a
// start at or past len gives -1. Quoted runs ("..." or '...') end at the
// next equal quote not preceded by a backslash; one that reaches the end of
// the buffer gives -1.
namespace HTMLScan {
qsizetype FindTextCI(const char *buf, qsizetype len, const QByteArray &pattern, qsizetype start);
qsizetype FindChar(const char *buf, qsizetype len, char byte, qsizetype start);
qsizetype FindCharUnquoted(const char *buf, qsizetype len, char byte, qsizetype start);
qsizetype FindSpaceUnquoted(const char *buf, qsizetype len, qsizetype start);
qsizetype SkipSpaceForward(const char *buf, qsizetype len, qsizetype start);
qsizetype SkipSpaceBackward(const char *buf, qsizetype len, qsizetype start);
} // namespace HTMLScan

class THTMLParser
{
public:
    THTMLParser() = default;
    ~THTMLParser();
    THTMLParser(const THTMLParser &) = delete;
    THTMLParser &operator=(const THTMLParser &) = delete;

    THTMLErrorEvent OnError;
    QString LastTagName;
    qsizetype SegStart = 0;
    qsizetype SegEnd = 0;
    qsizetype PrevEnd = -1;
    std::vector<std::unique_ptr<THTMLEntry>> ItemList;
    QByteArray Source; // filled by the caller

    // Fills ItemList from Source. Items are valid until Source changes or
    // the next Parse.
    void Parse();
    void ClearItems();
    void ResetState();
    // "<html", "<script" or "<body" occurs somewhere, in any case.
    bool LooksLikeHtml() const;

private:
    void EmitText();
    void EmitMarkup();
    void Report(const QString &message, qsizetype from);
};

// The one parser of the program, created at start.
inline THTMLParser *SharedParser = nullptr;
