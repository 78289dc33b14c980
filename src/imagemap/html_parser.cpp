#include "imagemap/html_parser.h"

#include "conversion/codec.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <mutex>
#include <exception>
#include <new>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

bool IsSpace(char c)
{
    return c == 9 || c == 10 || c == 13 || c == 32;
}

bool IsQuote(char c)
{
    return c == 34 || c == 39;
}

char FoldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c + 32) : c;
}

// Byte classes for the scans inside tags.
enum : unsigned char { kSpace = 1, kQuote = 2, kGreater = 4, kEquals = 8 };

struct TByteClasses {
    unsigned char of[256] = {};
    constexpr TByteClasses()
    {
        of[9] = of[10] = of[13] = of[32] = kSpace;
        of[34] = of[39] = kQuote;
        of[int('>')] = kGreater;
        of[int('=')] = kEquals;
    }
};
constexpr TByteClasses kBytes;

// The first index in [i, len) whose byte has one of the classes, or len.
qsizetype ScanTo(const char *buf, qsizetype i, qsizetype len, unsigned char classes)
{
    while (i < len && !(kBytes.of[static_cast<unsigned char>(buf[i])] & classes))
        ++i;
    return i;
}

// Index of the quote that closes the run opened at open, or -1.
qsizetype QuoteEnd(const char *buf, qsizetype len, qsizetype open)
{
    const char quote = buf[open];
    for (qsizetype i = open + 1; i < len; ++i) {
        const void *hit = memchr(buf + i, quote, size_t(len - i));
        if (!hit)
            return -1;
        i = static_cast<const char *>(hit) - buf;
        if (buf[i - 1] != '\\')
            return i;
    }
    return -1;
}

bool StartsWithCI(const char *buf, qsizetype len, qsizetype at, const char *pattern)
{
    for (qsizetype k = 0; pattern[k]; ++k) {
        if (at + k >= len || FoldAscii(buf[at + k]) != pattern[k])
            return false;
    }
    return true;
}

// The ">" that ends the tag whose first byte is at start, or -1, as
// FindCharUnquoted finds it; *nameEnd gets the first white space outside
// quotes before it (-1 if none), where FindSpaceUnquoted over the tag stops.
// Both are found in one pass over the tag's bytes: a state machine that sees
// only the bytes that matter, picked sixteen at a time where SSE2 is there.
qsizetype TagEnd(const char *buf, qsizetype len, qsizetype start, qsizetype *nameEnd)
{
    *nameEnd = -1;
    char quote = 0; // the quote of the open run, if any
    qsizetype i = start;
#ifdef __SSE2__
    const __m128i gt = _mm_set1_epi8('>');
    const __m128i dq = _mm_set1_epi8('"');
    const __m128i sq = _mm_set1_epi8('\'');
    for (; i + 16 <= len; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(buf + i));
        __m128i hit = _mm_or_si128(_mm_cmpeq_epi8(v, gt), _mm_or_si128(_mm_cmpeq_epi8(v, dq), _mm_cmpeq_epi8(v, sq)));
        if (*nameEnd < 0) {
            const __m128i sp = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(' ')),
                                                         _mm_cmpeq_epi8(v, _mm_set1_epi8('\t'))),
                                            _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\n')),
                                                         _mm_cmpeq_epi8(v, _mm_set1_epi8('\r'))));
            hit = _mm_or_si128(hit, sp);
        }
        for (unsigned bits = unsigned(_mm_movemask_epi8(hit)); bits; bits &= bits - 1) {
            const qsizetype k = i + __builtin_ctz(bits);
            const char c = buf[k];
            if (quote) {
                // buf[k - 1] is at or after the opening quote.
                if (c == quote && buf[k - 1] != '\\')
                    quote = 0;
            } else if (c == '>') {
                return k;
            } else if (IsQuote(c)) {
                quote = c;
            } else if (*nameEnd < 0) {
                *nameEnd = k;
            }
        }
    }
#endif
    for (; i < len; ++i) {
        const char c = buf[i];
        if (quote) {
            if (c == quote && buf[i - 1] != '\\')
                quote = 0;
        } else if (c == '>') {
            return i;
        } else if (IsQuote(c)) {
            quote = c;
        } else if (*nameEnd < 0 && IsSpace(c)) {
            *nameEnd = i;
        }
    }
    return -1;
}

// The next "<" at or after start, or -1; text runs between tags are short,
// so the first sixteen bytes are looked at before memchr is called.
qsizetype NextLt(const char *buf, qsizetype len, qsizetype start)
{
    if (start < 0 || start >= len)
        return -1;
#ifdef __SSE2__
    if (start + 16 <= len) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(buf + start));
        if (const unsigned bits = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8('<')))))
            return start + __builtin_ctz(bits);
        start += 16;
    }
#endif
    return HTMLScan::FindChar(buf, len, '<', start);
}

} // namespace

QByteArray THTMLSpan::GetText() const
{
    if (Start < 0 || Len <= 0 || !Source || Start + Len > Source->size())
        return {};
    return Source->mid(Start, Len);
}

namespace HTMLScan {

qsizetype FindTextCI(const char *buf, qsizetype len, const QByteArray &pattern, qsizetype start)
{
    const qsizetype m = pattern.size();
    if (start < 0 || start >= len || m == 0)
        return -1;
    const char first = FoldAscii(pattern[0]);
    if (first < 'a' || first > 'z') {
        // Not a letter: only the byte itself matches, so memchr finds the candidates.
        for (qsizetype i = start; i + m <= len; ++i) {
            const void *hit = memchr(buf + i, first, size_t(len - m - i + 1));
            if (!hit)
                return -1;
            i = static_cast<const char *>(hit) - buf;
            qsizetype k = 1;
            while (k < m && FoldAscii(buf[i + k]) == FoldAscii(pattern[k]))
                ++k;
            if (k == m)
                return i;
        }
        return -1;
    }
    for (qsizetype i = start; i + m <= len; ++i) {
        if (FoldAscii(buf[i]) != first)
            continue;
        qsizetype k = 1;
        while (k < m && FoldAscii(buf[i + k]) == FoldAscii(pattern[k]))
            ++k;
        if (k == m)
            return i;
    }
    return -1;
}

qsizetype FindChar(const char *buf, qsizetype len, char byte, qsizetype start)
{
    if (start < 0 || start >= len)
        return -1;
    const void *hit = memchr(buf + start, byte, size_t(len - start));
    return hit ? static_cast<const char *>(hit) - buf : -1;
}

qsizetype FindCharUnquoted(const char *buf, qsizetype len, char byte, qsizetype start)
{
    if (start < 0 || start >= len)
        return -1;
    const unsigned char stops = byte == '>' ? (kGreater | kQuote) : byte == '=' ? (kEquals | kQuote) : 0;
    for (qsizetype i = start; i < len; ++i) {
        if (stops) {
            i = ScanTo(buf, i, len, stops);
            if (i >= len)
                return -1;
        }
        if (buf[i] == byte)
            return i;
        if (IsQuote(buf[i])) {
            i = QuoteEnd(buf, len, i);
            if (i < 0)
                return -1;
        }
    }
    return -1;
}

qsizetype FindSpaceUnquoted(const char *buf, qsizetype len, qsizetype start)
{
    if (start < 0 || start >= len)
        return -1;
    for (qsizetype i = start; i < len; ++i) {
        i = ScanTo(buf, i, len, kSpace | kQuote);
        if (i >= len)
            return -1;
        if (IsSpace(buf[i]))
            return i;
        if (IsQuote(buf[i])) {
            i = QuoteEnd(buf, len, i);
            if (i < 0)
                return -1;
        }
    }
    return -1;
}

qsizetype SkipSpaceForward(const char *buf, qsizetype len, qsizetype start)
{
    if (start < 0 || start >= len)
        return -1;
    for (qsizetype i = start; i < len; ++i) {
        if (!IsSpace(buf[i]))
            return i;
    }
    return -1;
}

qsizetype SkipSpaceBackward(const char *buf, qsizetype len, qsizetype start)
{
    if (start < 0 || start >= len)
        return -1;
    for (qsizetype i = start; i >= 0; --i) {
        if (!IsSpace(buf[i]))
            return i;
    }
    return -1;
}

} // namespace HTMLScan

void THTMLTag::ParseTag(qsizetype start, int length)
{
    if (!m_own)
        m_own = std::make_unique<std::vector<THTMLParam>>();
    m_own->clear();
    Params.m_pending = nullptr;
    Split(start, length, *m_own);
    Params.m_first = m_own->data();
    Params.m_count = m_own->size();
}

void THTMLTag::Split(qsizetype start, int length, std::vector<THTMLParam> &params)
{
    Whole.SetRange(start, length);
    const QByteArray *source = Whole.Source;
    if (!source || start < 0 || length <= 0 || start + length > source->size()) {
        Name.SetRange(start, 0);
        return;
    }
    const qsizetype p = HTMLScan::FindSpaceUnquoted(source->constData() + start, length, 0);
    if (p < 0) {
        Name.SetRange(start, length);
        return;
    }
    Name.SetRange(start, int(p));
    SplitParams(p, params, OnError);
}

void THTMLTag::SplitParams(qsizetype p, std::vector<THTMLParam> &params, const THTMLErrorEvent *onError) const
{
    using namespace HTMLScan;
    const QByteArray *source = Whole.Source;
    const qsizetype start = Whole.Start;
    const qsizetype L = Whole.Len;
    if (!source || start < 0 || L <= 0 || start + L > source->size())
        return;
    const char *t = source->constData() + start;
    for (;;) {
        ++p;
        const qsizetype s = SkipSpaceForward(t, L, p);
        if (s < 0)
            return;
        const qsizetype q = FindCharUnquoted(t, L, '=', s);
        if (q < 0) {
            // Everything that is left, inner spaces included, is one key.
            const qsizetype e = SkipSpaceBackward(t, L, L - 1);
            if (s > e)
                return;
            THTMLParam &param = params.emplace_back(source);
            param.Key.SetRange(start + s, int(e - s + 1));
            param.Value.SetRange(start + s, 0);
            param.Whole.SetRange(start + p, int(L - p));
            return;
        }
        qsizetype v = SkipSpaceForward(t, L, q + 1);
        if (v < 0)
            v = L;
        qsizetype w = FindSpaceUnquoted(t, L, v);
        if (w < 0)
            w = L;
        qsizetype a = v;
        if (a < L && IsQuote(t[a]))
            ++a;
        qsizetype b = w - 1;
        if (b >= v && b < L && IsQuote(t[b]))
            --b;
        const qsizetype e = SkipSpaceBackward(t, L, q - 1);
        if (e >= 0 && s <= e) {
            THTMLParam &param = params.emplace_back(source);
            param.Key.SetRange(start + s, int(e - s + 1));
            param.Value.SetRange(start + a, b >= a ? int(b - a + 1) : 0);
            param.Whole.SetRange(start + p, int(qMin(w, L - 1) - p + 1));
        } else if (onError && *onError) {
            (*onError)(QStringLiteral("key not defined in tag"),
                    QStringLiteral("<") + Codec::DecodeWin1250(Whole.GetText()) + QStringLiteral(">"));
        }
        p = w;
    }
}

void THTMLParamList::SplitPending() const
{
    m_pending->SplitPending();
}

void THTMLTag::SplitPending() const
{
    // Cleared first: a failed split leaves an empty list rather than a retry loop.
    Params.m_pending = nullptr;
    try {
        auto own = std::make_unique<std::vector<THTMLParam>>();
        // The parser left this split only where the name ends at white space.
        SplitParams(Name.Len, *own, nullptr);
        Params.m_first = own->data();
        Params.m_count = own->size();
        m_own = std::move(own);
    } catch (const std::exception &) {
        // As at the parse: a failure costs this tag its parameters, not the reader.
        Params.m_first = nullptr;
        Params.m_count = 0;
    }
}

namespace {

constexpr size_t kChunkSize = size_t(1) << 20;
// At most this many free chunks (16 MB) wait for the next parse: enough for
// the pages people edit; a bigger page's parse takes fresh memory again
// rather than the program keeping it for good.
constexpr int kCachedChunks = 16;

} // namespace

struct THTMLArena::TChunk {
    TChunk *next;
    size_t size;
};

namespace {

struct TChunkCache {
    std::mutex lock;
    THTMLArena::TChunk *first = nullptr;
    int count = 0;
};

TChunkCache &ChunkCache()
{
    static TChunkCache cache;
    return cache;
}

} // namespace

void *THTMLArena::AllocateSlow(size_t size, size_t align)
{
    const size_t header = (sizeof(TChunk) + alignof(std::max_align_t) - 1) & ~(alignof(std::max_align_t) - 1);
    const size_t need = header + size + align;
    TChunk *chunk = nullptr;
    if (need <= kChunkSize) {
        TChunkCache &cache = ChunkCache();
        std::lock_guard guard(cache.lock);
        if (cache.first) {
            chunk = cache.first;
            cache.first = chunk->next;
            --cache.count;
        }
    }
    if (!chunk) {
        const size_t bytes = std::max(need, kChunkSize);
        chunk = static_cast<TChunk *>(::operator new(bytes));
        chunk->size = bytes;
    }
    chunk->next = m_chunks;
    m_chunks = chunk;
    m_at = reinterpret_cast<char *>(chunk) + header;
    m_end = reinterpret_cast<char *>(chunk) + chunk->size;
    return Allocate(size, align);
}

void THTMLArena::Release()
{
    TChunkCache &cache = ChunkCache();
    while (m_chunks) {
        TChunk *chunk = m_chunks;
        m_chunks = chunk->next;
        if (chunk->size == kChunkSize) {
            std::lock_guard guard(cache.lock);
            if (cache.count < kCachedChunks) {
                chunk->next = cache.first;
                cache.first = chunk;
                ++cache.count;
                continue;
            }
        }
        ::operator delete(chunk);
    }
    m_at = nullptr;
    m_end = nullptr;
}

THTMLParser::THTMLParser() = default;

THTMLParser::~THTMLParser()
{
    Source.clear();
    // The items live in the arena, which goes before ItemList: empty the list first.
    ClearItems();
}

void THTMLParser::ClearItems()
{
    // Freeing cannot fail here; the list is emptied in one step.
    ItemList.clear();
    m_arena.Release();
}

void THTMLParser::ResetState()
{
    ClearItems();
    SegStart = 0;
    SegEnd = 0;
    PrevEnd = -1;
    LastTagName.clear();
    m_lastTagStart = -1;
    m_lastTagLen = 0;
    m_lastTagSynced = true;
}

bool THTMLParser::LooksLikeHtml() const
{
    const char *buf = Source.constData();
    const qsizetype n = Source.size();
    return HTMLScan::FindTextCI(buf, n, QByteArrayLiteral("<html"), 0) >= 0
           || HTMLScan::FindTextCI(buf, n, QByteArrayLiteral("<script"), 0) >= 0
           || HTMLScan::FindTextCI(buf, n, QByteArrayLiteral("<body"), 0) >= 0;
}

void THTMLParser::SyncLastTagName()
{
    if (m_lastTagSynced)
        return;
    m_lastTagSynced = true;
    LastTagName = QString::fromLatin1(m_lastTagLen > 0 ? QByteArrayView(Source.constData() + m_lastTagStart,
                                                                          m_lastTagLen)
                                                       : QByteArrayView());
}

void THTMLParser::Report(const QString &message, qsizetype from)
{
    SyncLastTagName();
    if (OnError)
        OnError(message, Codec::DecodeWin1250(from < Source.size() ? Source.mid(from) : QByteArray()));
}

template<class T>
T *THTMLParser::Make()
{
    return new (m_arena.Allocate(sizeof(T), alignof(T))) T(&Source);
}

// Inlined: they run once per item of the page, the greater part of a parse.
Q_ALWAYS_INLINE void THTMLParser::EmitText()
{
    const qsizetype length = SegStart - PrevEnd - 1;
    if (length <= 0)
        return;
    try {
        THTMLText *text = Make<THTMLText>();
        text->SetRange(PrevEnd + 1, int(length));
        ItemList.push_back(THTMLEntryPtr(text));
    } catch (const std::exception &) {
        // Costs only this item.
    }
}

Q_ALWAYS_INLINE void THTMLParser::EmitMarkup(TMarkup kind, qsizetype nameEnd)
{
    const qsizetype m = SegEnd - SegStart - 1;
    if (m > 0) {
        try {
            if (kind == TMarkup::ServerScript) {
                THTMLServerScript *script = Make<THTMLServerScript>();
                script->SetRange(SegStart + 2, int(m - 2));
                ItemList.push_back(THTMLEntryPtr(script));
            } else if (kind == TMarkup::Comment) {
                THTMLComment *comment = Make<THTMLComment>();
                comment->SetRange(SegStart + 4, int(m - 5));
                ItemList.push_back(THTMLEntryPtr(comment));
            } else {
                THTMLEntryPtr entry(Make<THTMLTag>());
                auto *tag = static_cast<THTMLTag *>(entry.get());
                if (m_tagError) {
                    // The handler hears of keyless parameters in document order.
                    tag->OnError = &m_tagError;
                    m_params.clear();
                    tag->Split(SegStart + 1, int(m), m_params);
                    if (!m_params.empty()) {
                        void *at = m_arena.Allocate(m_params.size() * sizeof(THTMLParam), alignof(THTMLParam));
                        tag->Params.m_first = std::uninitialized_copy(m_params.cbegin(), m_params.cend(),
                                                                      static_cast<THTMLParam *>(at))
                                              - m_params.size();
                        tag->Params.m_count = m_params.size();
                    }
                } else {
                    tag->Whole.SetRange(SegStart + 1, int(m));
                    if (nameEnd < 0) {
                        tag->Name.SetRange(SegStart + 1, int(m));
                    } else {
                        tag->Name.SetRange(SegStart + 1, int(nameEnd - SegStart - 1));
                        tag->Params.m_pending = tag;
                    }
                }
                m_lastTagStart = tag->Name.Start;
                m_lastTagLen = tag->Name.Len;
                m_lastTagSynced = false;
                ItemList.push_back(std::move(entry));
            }
        } catch (const std::exception &) {
            // A failure while building one item drops only that item.
        }
    }
    SegStart = SegEnd;
    PrevEnd = SegEnd;
}

void THTMLParser::Parse()
{
    using namespace HTMLScan;
    ResetState();
    const qsizetype n = Source.size();
    if (n == 0)
        return;
    // A handler that sees LastTagName as it would be had it been set at every tag.
    if (OnError)
        m_tagError = [this](const QString &message, const QString &context) {
            SyncLastTagName();
            OnError(message, context);
        };
    else
        m_tagError = nullptr;
    // Untouched capacity costs no memory; this is enough for dense markup.
    ItemList.reserve(size_t(n / 8 + 16));
    if (!LooksLikeHtml()) {
        SegStart = n;
        EmitText();
        return;
    }
    const char *buf = Source.constData();
    for (;;) {
        if (SegStart < n && buf[SegStart] == '<') {
            const qsizetype next = SegStart + 1;
            TMarkup kind = TMarkup::Tag;
            qsizetype nameEnd = -1;
            if (next < n && buf[next] == '%') {
                kind = TMarkup::ServerScript;
                SegEnd = FindTextCI(buf, n, QByteArrayLiteral("%>"), SegStart + 2);
                if (SegEnd >= 0)
                    SegEnd += 1;
            } else if (next < n && buf[next] == '!' && StartsWithCI(buf, n, next, "!--")) {
                kind = TMarkup::Comment;
                SegEnd = FindTextCI(buf, n, QByteArrayLiteral("-->"), SegStart + 2);
                if (SegEnd >= 0)
                    SegEnd += 2;
            } else {
                // A ">" inside a quoted value does not end the tag; the name
                // ends at the first white space outside quotes.
                SegEnd = TagEnd(buf, n, next, &nameEnd);
            }
            if (SegEnd < 0) {
                Report(QStringLiteral("> not found"), SegStart);
                break;
            }
            EmitMarkup(kind, nameEnd);
            continue;
        }
        // Script and style bodies are raw text up to their end tag.
        const char *name = buf + m_lastTagStart;
        if (m_lastTagLen == 6 && StartsWithCI(name, 6, 0, "script")) {
            SegStart = FindTextCI(buf, n, QByteArrayLiteral("</script"), SegEnd + 1);
            if (SegStart < 0) {
                Report(QStringLiteral("</script> not match"), SegEnd + 1);
                break;
            }
        } else if (m_lastTagLen == 5 && StartsWithCI(name, 5, 0, "style")) {
            SegStart = FindTextCI(buf, n, QByteArrayLiteral("</style"), SegEnd + 1);
            if (SegStart < 0) {
                Report(QStringLiteral("</style> not match"), SegEnd + 1);
                break;
            }
        } else {
            SegStart = NextLt(buf, n, SegEnd + 1);
            if (SegStart < 0) {
                SegStart = n;
                EmitText();
                break;
            }
        }
        EmitText();
    }
    SyncLastTagName();
}

