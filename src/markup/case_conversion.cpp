#include "markup/case_conversion.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace CaseConversion {

namespace {

QChar ConvertLetter(QChar c, bool upper)
{
    const char16_t u = c.unicode();
    if (upper && u >= u'a' && u <= u'z')
        return QChar(char16_t(u - 32));
    if (!upper && u >= u'A' && u <= u'Z')
        return QChar(char16_t(u + 32));
    return c;
}

// The same folding as QStringView::compare(..., Qt::CaseInsensitive): a long
// s or a Kelvin sign still spells "script" or "k".
char16_t Fold(char16_t c)
{
    if (c < 128)
        return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
    return QChar::toCaseFolded(c);
}

// word is lower-case ASCII.
template<qsizetype M>
bool WordAt(const char16_t *s, qsizetype n, qsizetype at, const char (&word)[M])
{
    constexpr qsizetype m = M - 1;
    if (at < 0 || at + m > n)
        return false;
    for (qsizetype k = 0; k < m; ++k) {
        if (Fold(s[at + k]) != char16_t(word[k]))
            return false;
    }
    return true;
}

// Characters that can change the scanner's state, by the state they matter in.
enum : unsigned char { kLt = 1, kGt = 2, kDash = 4, kO = 8, kEqSpace = 16, kQuote = 32 };

struct TClassTable {
    unsigned char c[128] = {};
    constexpr TClassTable()
    {
        c['<'] = kLt;
        c['>'] = kGt;
        c['-'] = kDash;
        c['o'] = kO;
        c['O'] = kO;
        c['='] = kEqSpace;
        c[' '] = kEqSpace;
        c['"'] = kQuote;
    }
};
constexpr TClassTable kClass;

} // namespace

// One pass over the text. Between the characters that can change the state
// (and the one right after "</script" or "</style") nothing but the letter
// case happens, so those runs are copied or converted in a tight loop and
// every other character goes through the full rules.
QString ConvertTags(const QString &text, bool upper)
{
    const qsizetype n = text.size();
    if (n == 0)
        return text;
    QString out(n, Qt::Uninitialized);
    const char16_t *s = reinterpret_cast<const char16_t *>(text.constData());
    char16_t *d = reinterpret_cast<char16_t *>(out.data());
    bool inTag = true, inQuote = false, inEvent = false, inComment = false, inScript = false,
         inStyle = false;
    const char16_t first = upper ? u'a' : u'A';
    const int delta = upper ? -32 : 32;
    qsizetype endAt = -1; // where a script or style block may end
    qsizetype j = 0;
    for (;;) {
        const bool convert = inTag && !inQuote && !inEvent && !inComment && !inScript && !inStyle;
        unsigned char active = kLt;
        if (inTag)
            active |= kGt | kQuote;
        if (inComment)
            active |= kDash;
        if (inTag && !inQuote && !inEvent)
            active |= kO;
        if (inEvent && !inQuote)
            active |= kEqSpace;
        const int shift = convert ? delta : 0;
        const qsizetype limit = endAt > j ? endAt : n;
#ifdef __SSE2__
        // Text that stays as it is, eight characters at a time up to the next
        // character that matters.
        if (shift == 0 && j + 8 <= limit) {
            __m128i set[8];
            int count = 0;
            set[count++] = _mm_set1_epi16('<');
            if (active & kGt)
                set[count++] = _mm_set1_epi16('>');
            if (active & kQuote)
                set[count++] = _mm_set1_epi16('"');
            if (active & kDash)
                set[count++] = _mm_set1_epi16('-');
            if (active & kO) {
                set[count++] = _mm_set1_epi16('o');
                set[count++] = _mm_set1_epi16('O');
            }
            if (active & kEqSpace) {
                set[count++] = _mm_set1_epi16('=');
                set[count++] = _mm_set1_epi16(' ');
            }
            for (; j + 8 <= limit; j += 8) {
                const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s + j));
                __m128i hit = _mm_cmpeq_epi16(v, set[0]);
                for (int k = 1; k < count; ++k)
                    hit = _mm_or_si128(hit, _mm_cmpeq_epi16(v, set[k]));
                // Characters past a hit are written again in order below.
                _mm_storeu_si128(reinterpret_cast<__m128i *>(d + j), v);
                if (const int bits = _mm_movemask_epi8(hit)) {
                    j += __builtin_ctz(unsigned(bits)) / 2;
                    break;
                }
            }
        }
#endif
        for (; j < limit; ++j) {
            const char16_t c = s[j];
            if (c < 128 && (kClass.c[c] & active))
                break;
            d[j] = char16_t(c + (char16_t(c - first) < 26 ? shift : 0));
        }
        if (j >= n)
            break;

        // The full rules for character j.
        const char16_t c = s[j];
        if (c == u'<') {
            inTag = true;
            if (j + 1 < n && s[j + 1] == u'/') {
                if (j + 8 <= n - 1 && WordAt(s, n, j + 2, "script"))
                    endAt = j + 8;
                else if (j + 7 <= n - 1 && WordAt(s, n, j + 2, "style"))
                    endAt = j + 7;
            }
        }
        if (c == u'>')
            inTag = false;
        if (j + 3 <= n - 1 && c == u'<' && WordAt(s, n, j, "<!--"))
            inComment = true;
        // Every "on" inside a tag starts an event attribute name, word start or not.
        if (j + 1 <= n - 1 && inTag && !inQuote && (c == u'o' || c == u'O')
            && (s[j + 1] == u'n' || s[j + 1] == u'N'))
            inEvent = true;
        if (j + 1 <= n - 1 && inEvent && !inQuote && (c == u'=' || c == u' '))
            inEvent = false;
        if (j + 2 <= n - 1 && c == u'-' && WordAt(s, n, j, "-->"))
            inComment = false;
        if (j + 6 <= n - 1 && c == u'<' && WordAt(s, n, j + 1, "script"))
            inScript = true;
        if (j >= 8 && s[j - 8] == u'<' && s[j - 7] == u'/' && WordAt(s, n, j - 6, "script"))
            inScript = false;
        if (j + 5 <= n - 1 && c == u'<' && WordAt(s, n, j + 1, "style"))
            inStyle = true;
        if (j >= 7 && s[j - 7] == u'<' && s[j - 6] == u'/' && WordAt(s, n, j - 5, "style"))
            inStyle = false;
        if (c == u'"' && inTag)
            inQuote = !inQuote;
        if (inTag && !inQuote && !inEvent && !inComment && !inScript && !inStyle)
            d[j] = ConvertLetter(QChar(c), upper).unicode();
        else
            d[j] = c;
        ++j;
    }
    return out;
}

QString ChangeLetters(const QString &text, bool upper)
{
    QString s = text;
    for (qsizetype j = 0; j < s.size(); ++j)
        s[j] = ConvertLetter(s[j], upper);
    return s;
}

} // namespace CaseConversion
