// A small, forgiving HTML scanner: cuts a byte buffer into a flat list of
// text runs, comments, server-script blocks and tags, and splits each tag
// into its name and parameters. Every result is a view (start, length) into
// the parser's buffer; bytes are copied only by GetText. A tag's parameters
// are split when its list is first read, unless the parser has an error
// handler (then at the parse, so the handler hears of them in order).
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <iterator>
#include <memory>
#include <cstdint>
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

// One span of the source buffer; parameters and tags hold these by value.
class THTMLSpan
{
public:
    explicit THTMLSpan(const QByteArray *source) : Source(source) {}

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
    friend class THTMLTag;
    const QByteArray *Source;
};

// A span that is an entry of the item list.
class THTMLItem : public THTMLEntry, public THTMLSpan
{
public:
    explicit THTMLItem(const QByteArray *source) : THTMLSpan(source) {}
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

    THTMLSpan Whole;
    THTMLSpan Key;
    THTMLSpan Value; // without one leading and one trailing quote

    QByteArray GetKey() const { return Key.GetText(); }
    QByteArray GetValue() const { return Value.GetText(); }
};

class THTMLTag;

// The parameters of one tag, side by side in memory the tag or its parser
// owns; walked like a list of pointers (param->GetKey()). Every read first
// splits the tag if that is still pending, so the list is logically const.
class THTMLParamList
{
public:
    THTMLParamList() = default;
    // Points back at its tag while the split is pending.
    THTMLParamList(const THTMLParamList &) = delete;
    THTMLParamList &operator=(const THTMLParamList &) = delete;

    class const_iterator
    {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = const THTMLParam *;
        using difference_type = std::ptrdiff_t;
        using pointer = const THTMLParam *const *;
        using reference = const THTMLParam *;

        const_iterator() = default;
        explicit const_iterator(const THTMLParam *at) : m_at(at) {}
        const THTMLParam *operator*() const { return m_at; }
        const_iterator &operator++()
        {
            ++m_at;
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator before = *this;
            ++m_at;
            return before;
        }
        bool operator==(const const_iterator &o) const { return m_at == o.m_at; }
        bool operator!=(const const_iterator &o) const { return m_at != o.m_at; }

    private:
        const THTMLParam *m_at = nullptr;
    };

    const_iterator begin() const
    {
        Resolve();
        return const_iterator(m_first);
    }
    const_iterator end() const
    {
        Resolve();
        return const_iterator(m_first + m_count);
    }
    size_t size() const
    {
        Resolve();
        return m_count;
    }
    bool empty() const { return size() == 0; }
    const THTMLParam *operator[](size_t i) const
    {
        Resolve();
        return m_first + i;
    }

private:
    friend class THTMLTag;
    friend class THTMLParser;
    void Resolve() const
    {
        if (m_pending)
            SplitPending();
    }
    void SplitPending() const;

    // Filled by the first read of a parsed tag; the program is single-threaded.
    mutable const THTMLParam *m_first = nullptr;
    mutable size_t m_count = 0;
    mutable const THTMLTag *m_pending = nullptr; // the tag whose split is still to come
};

class THTMLTag : public THTMLEntry
{
public:
    explicit THTMLTag(const QByteArray *source) : Name(source), Whole(source) {}
    // Params points into the tag's own storage.
    THTMLTag(const THTMLTag &) = delete;
    THTMLTag &operator=(const THTMLTag &) = delete;

    // The handler of the parser the tag came from (not a copy), or none.
    const THTMLErrorEvent *OnError = nullptr;
    THTMLSpan Name;  // as written, up to the first white space ("/MAP", "!DOCTYPE")
    THTMLSpan Whole; // every byte between "<" and ">"
    THTMLParamList Params;

    QByteArray GetName() const { return Name.GetText(); }
    // Fills the tag from the length bytes at start (the first byte after "<").
    void ParseTag(qsizetype start, int length);

private:
    friend class THTMLParser;
    friend class THTMLParamList;
    // Sets Name and Whole and appends the parameters to params.
    void Split(qsizetype start, int length, std::vector<THTMLParam> &params);
    // Appends the parameters after the name's end at p (an index into Whole);
    // onError, when given, hears of a parameter without a key.
    void SplitParams(qsizetype p, std::vector<THTMLParam> &params, const THTMLErrorEvent *onError) const;
    // The split a parser left for the first read, into m_own.
    void SplitPending() const;

    // The parameters of a tag parsed by ParseTag or split on its first read.
    mutable std::unique_ptr<std::vector<THTMLParam>> m_own;
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

// A bump allocator over fixed chunks. Released chunks go to a cache shared
// by all parsers (up to a bound), so parsing the next large page does not
// fault in fresh memory again.
class THTMLArena
{
public:
    THTMLArena() = default;
    ~THTMLArena() { Release(); }
    THTMLArena(const THTMLArena &) = delete;
    THTMLArena &operator=(const THTMLArena &) = delete;

    void *Allocate(size_t size, size_t align)
    {
        char *at = reinterpret_cast<char *>((reinterpret_cast<uintptr_t>(m_at) + (align - 1)) & ~uintptr_t(align - 1));
        if (!m_at || size > size_t(m_end - at))
            return AllocateSlow(size, align);
        m_at = at + size;
        return at;
    }
    // Frees everything allocated; nothing is destroyed.
    void Release();

    struct TChunk;

private:
    void *AllocateSlow(size_t size, size_t align);

    TChunk *m_chunks = nullptr;
    char *m_at = nullptr;
    char *m_end = nullptr;
};

// Items live in their parser's arena: deleting one only ends its lifetime.
struct THTMLArenaDelete {
    void operator()(THTMLEntry *entry) const { entry->~THTMLEntry(); }
};
using THTMLEntryPtr = std::unique_ptr<THTMLEntry, THTMLArenaDelete>;

class THTMLParser
{
public:
    THTMLParser();
    ~THTMLParser();
    THTMLParser(const THTMLParser &) = delete;
    THTMLParser &operator=(const THTMLParser &) = delete;

    THTMLErrorEvent OnError;
    QString LastTagName;
    qsizetype SegStart = 0;
    qsizetype SegEnd = 0;
    qsizetype PrevEnd = -1;
    std::vector<THTMLEntryPtr> ItemList;
    QByteArray Source; // filled by the caller

    // Fills ItemList from Source. Items are valid until Source changes or
    // the next Parse.
    void Parse();
    void ClearItems();
    void ResetState();
    // "<html", "<script" or "<body" occurs somewhere, in any case.
    bool LooksLikeHtml() const;

private:
    enum class TMarkup { Tag, Comment, ServerScript };
    template<class T>
    T *Make();
    void EmitText();
    // nameEnd: where the first unquoted white space of a tag is, or -1.
    void EmitMarkup(TMarkup kind, qsizetype nameEnd);
    void Report(const QString &message, qsizetype from);
    // LastTagName from the last tag's name span.
    void SyncLastTagName();

    // Every item and parameter array of the current parse; freed at ClearItems.
    THTMLArena m_arena;
    std::vector<THTMLParam> m_params; // the parameters of the tag being split
    THTMLErrorEvent m_tagError;       // OnError, with LastTagName brought up to date
    qsizetype m_lastTagStart = -1;    // the last tag's name, LastTagName in bytes
    int m_lastTagLen = 0;
    bool m_lastTagSynced = true;
};

// The one parser of the program, created at start.
inline THTMLParser *SharedParser = nullptr;
