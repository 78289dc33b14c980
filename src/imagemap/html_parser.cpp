#include "imagemap/html_parser.h"

#include "conversion/codec.h"

#include <exception>

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

// Index of the quote that closes the run opened at open, or -1.
qsizetype QuoteEnd(const char *buf, qsizetype len, qsizetype open)
{
    const char quote = buf[open];
    for (qsizetype i = open + 1; i < len; ++i) {
        if (buf[i] == quote && buf[i - 1] != '\\')
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

} // namespace

QByteArray THTMLItem::GetText() const
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
    for (qsizetype i = start; i < len; ++i) {
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
    using namespace HTMLScan;
    Params.clear();
    Whole.SetRange(start, length);
    if (!m_source || start < 0 || length <= 0 || start + length > m_source->size()) {
        Name.SetRange(start, 0);
        return;
    }
    const char *t = m_source->constData() + start;
    const qsizetype L = length;
    qsizetype p = FindSpaceUnquoted(t, L, 0);
    if (p < 0) {
        Name.SetRange(start, length);
        return;
    }
    Name.SetRange(start, int(p));
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
            auto param = std::make_unique<THTMLParam>(m_source);
            param->Key.SetRange(start + s, int(e - s + 1));
            param->Value.SetRange(start + s, 0);
            param->Whole.SetRange(start + p, int(L - p));
            Params.push_back(std::move(param));
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
            auto param = std::make_unique<THTMLParam>(m_source);
            param->Key.SetRange(start + s, int(e - s + 1));
            param->Value.SetRange(start + a, b >= a ? int(b - a + 1) : 0);
            param->Whole.SetRange(start + p, int(qMin(w, L - 1) - p + 1));
            Params.push_back(std::move(param));
        } else if (OnError) {
            OnError(QStringLiteral("key not defined in tag"),
                    QStringLiteral("<") + Codec::DecodeWin1250(Whole.GetText()) + QStringLiteral(">"));
        }
        p = w;
    }
}

THTMLParser::~THTMLParser()
{
    Source.clear();
    ClearItems();
}

void THTMLParser::ClearItems()
{
    // Freeing cannot fail here; the list is emptied in one step.
    ItemList.clear();
}

void THTMLParser::ResetState()
{
    ClearItems();
    SegStart = 0;
    SegEnd = 0;
    PrevEnd = -1;
    LastTagName.clear();
}

bool THTMLParser::LooksLikeHtml() const
{
    const char *buf = Source.constData();
    const qsizetype n = Source.size();
    return HTMLScan::FindTextCI(buf, n, QByteArrayLiteral("<html"), 0) >= 0
           || HTMLScan::FindTextCI(buf, n, QByteArrayLiteral("<script"), 0) >= 0
           || HTMLScan::FindTextCI(buf, n, QByteArrayLiteral("<body"), 0) >= 0;
}

void THTMLParser::Report(const QString &message, qsizetype from)
{
    if (OnError)
        OnError(message, Codec::DecodeWin1250(from < Source.size() ? Source.mid(from) : QByteArray()));
}

void THTMLParser::Parse()
{
    using namespace HTMLScan;
    ResetState();
    const qsizetype n = Source.size();
    if (n == 0)
        return;
    if (!LooksLikeHtml()) {
        SegStart = n;
        EmitText();
        return;
    }
    const char *buf = Source.constData();
    for (;;) {
        if (SegStart < n && buf[SegStart] == '<') {
            const qsizetype next = SegStart + 1;
            if (next < n && buf[next] == '%') {
                SegEnd = FindTextCI(buf, n, QByteArrayLiteral("%>"), SegStart + 2);
                if (SegEnd >= 0)
                    SegEnd += 1;
            } else if (StartsWithCI(buf, n, next, "!--")) {
                SegEnd = FindTextCI(buf, n, QByteArrayLiteral("-->"), SegStart + 2);
                if (SegEnd >= 0)
                    SegEnd += 2;
            } else {
                // A ">" inside a quoted value does not end the tag.
                SegEnd = FindCharUnquoted(buf, n, '>', SegStart + 1);
            }
            if (SegEnd < 0) {
                Report(QStringLiteral("> not found"), SegStart);
                return;
            }
            EmitMarkup();
            continue;
        }
        // Script and style bodies are raw text up to their end tag.
        if (LastTagName.compare(QStringLiteral("script"), Qt::CaseInsensitive) == 0) {
            SegStart = FindTextCI(buf, n, QByteArrayLiteral("</script"), SegEnd + 1);
            if (SegStart < 0) {
                Report(QStringLiteral("</script> not match"), SegEnd + 1);
                return;
            }
        } else if (LastTagName.compare(QStringLiteral("style"), Qt::CaseInsensitive) == 0) {
            SegStart = FindTextCI(buf, n, QByteArrayLiteral("</style"), SegEnd + 1);
            if (SegStart < 0) {
                Report(QStringLiteral("</style> not match"), SegEnd + 1);
                return;
            }
        } else {
            SegStart = FindChar(buf, n, '<', SegEnd + 1);
            if (SegStart < 0) {
                SegStart = n;
                EmitText();
                return;
            }
        }
        EmitText();
    }
}

void THTMLParser::EmitText()
{
    const qsizetype length = SegStart - PrevEnd - 1;
    if (length <= 0)
        return;
    try {
        auto text = std::make_unique<THTMLText>(&Source);
        text->SetRange(PrevEnd + 1, int(length));
        ItemList.push_back(std::move(text));
    } catch (const std::exception &) {
        // Costs only this item.
    }
}

void THTMLParser::EmitMarkup()
{
    const qsizetype m = SegEnd - SegStart - 1;
    if (m > 0) {
        const char *buf = Source.constData();
        try {
            if (buf[SegStart + 1] == '%') {
                auto script = std::make_unique<THTMLServerScript>(&Source);
                script->SetRange(SegStart + 2, int(m - 2));
                ItemList.push_back(std::move(script));
            } else if (StartsWithCI(buf, Source.size(), SegStart + 1, "!--")) {
                auto comment = std::make_unique<THTMLComment>(&Source);
                comment->SetRange(SegStart + 4, int(m - 5));
                ItemList.push_back(std::move(comment));
            } else {
                auto tag = std::make_unique<THTMLTag>(&Source);
                tag->OnError = OnError;
                tag->ParseTag(SegStart + 1, int(m));
                LastTagName = QString::fromLatin1(tag->GetName());
                ItemList.push_back(std::move(tag));
            }
        } catch (const std::exception &) {
            // A failure while building one item drops only that item.
        }
    }
    SegStart = SegEnd;
    PrevEnd = SegEnd;
}
