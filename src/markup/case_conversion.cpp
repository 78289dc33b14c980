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

// The scanner's state as bits; text is converted in exactly the state kInTag.
enum : unsigned { kInTag = 1, kInQuote = 2, kInEvent = 4, kInComment = 8, kInScript = 16, kInStyle = 32 };
constexpr unsigned kStates = 64;

// Characters that can change the state, by the state they matter in.
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

// The classes that stop a run in each state.
struct TActiveTable {
    unsigned char of[kStates] = {};
    constexpr TActiveTable()
    {
        for (unsigned st = 0; st < kStates; ++st) {
            unsigned char active = kLt;
            if (st & kInTag)
                active |= kGt | kQuote;
            if (st & kInComment)
                active |= kDash;
            if ((st & kInTag) && !(st & (kInQuote | kInEvent)))
                active |= kO;
            if ((st & kInEvent) && !(st & kInQuote))
                active |= kEqSpace;
            of[st] = active;
        }
    }
};
constexpr TActiveTable kActive;

#ifdef __SSE2__
// The characters of a state's classes as vectors, for the eight-at-a-time runs.
struct TStopSets {
    __m128i set[kStates][8];
    int count[kStates];
    TStopSets()
    {
        for (unsigned st = 0; st < kStates; ++st) {
            const unsigned char active = kActive.of[st];
            int n = 0;
            set[st][n++] = _mm_set1_epi16('<');
            if (active & kGt)
                set[st][n++] = _mm_set1_epi16('>');
            if (active & kQuote)
                set[st][n++] = _mm_set1_epi16('"');
            if (active & kDash)
                set[st][n++] = _mm_set1_epi16('-');
            if (active & kO) {
                set[st][n++] = _mm_set1_epi16('o');
                set[st][n++] = _mm_set1_epi16('O');
            }
            if (active & kEqSpace) {
                set[st][n++] = _mm_set1_epi16('=');
                set[st][n++] = _mm_set1_epi16(' ');
            }
            count[st] = n;
            // The unused places repeat "<", so a fixed number of compares may run.
            while (n < 8)
                set[st][n++] = _mm_set1_epi16('<');
        }
    }
};

const TStopSets &StopSets()
{
    static const TStopSets sets;
    return sets;
}
#endif

} // namespace

// One pass over the text. Between the characters that can change the state
// (and the one right after "</script" or "</style") nothing but the letter
// case happens, so those runs are copied or converted eight characters at a
// time, and each other character goes through the rules that can apply to
// it, in the order the rules have always been applied.
QString ConvertTags(const QString &text, bool upper)
{
    const qsizetype n = text.size();
    if (n == 0)
        return text;
    QString out(n, Qt::Uninitialized);
    const char16_t *s = reinterpret_cast<const char16_t *>(text.constData());
    char16_t *d = reinterpret_cast<char16_t *>(out.data());
    unsigned state = kInTag;
    const char16_t first = upper ? u'a' : u'A';
    const int delta = upper ? -32 : 32;
    qsizetype endAt = -1; // where a script or style block may end
    qsizetype j = 0;
#ifdef __SSE2__
    const TStopSets &stops = StopSets();
    const __m128i below = _mm_set1_epi16(short(first - 1));
    const __m128i above = _mm_set1_epi16(short(first + 26));
    const __m128i shiftBy = _mm_set1_epi16(short(delta));
#endif
    for (;;) {
        const unsigned char active = kActive.of[state];
        const int shift = state == kInTag ? delta : 0;
        const qsizetype limit = endAt > j ? endAt : n;
#ifdef __SSE2__
        // The run up to the next character that matters, eight at a time;
        // characters past a hit are written again in order below.
        if (j + 8 <= limit) {
            const __m128i *set = stops.set[state];
            const int count = stops.count[state];
            for (; j + 8 <= limit; j += 8) {
                const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s + j));
                __m128i hit = _mm_cmpeq_epi16(v, set[0]);
                if (count > 1) {
                    hit = _mm_or_si128(hit, _mm_or_si128(_mm_cmpeq_epi16(v, set[1]), _mm_cmpeq_epi16(v, set[2])));
                    hit = _mm_or_si128(hit, _mm_or_si128(_mm_cmpeq_epi16(v, set[3]), _mm_cmpeq_epi16(v, set[4])));
                    if (count > 5) {
                        hit = _mm_or_si128(hit, _mm_or_si128(_mm_cmpeq_epi16(v, set[5]), _mm_cmpeq_epi16(v, set[6])));
                        hit = _mm_or_si128(hit, _mm_cmpeq_epi16(v, set[7]));
                    }
                }
                __m128i w = v;
                if (shift) {
                    // Signed compares: characters from U+8000 up are below, not letters.
                    const __m128i letter = _mm_and_si128(_mm_cmpgt_epi16(v, below), _mm_cmplt_epi16(v, above));
                    w = _mm_add_epi16(v, _mm_and_si128(letter, shiftBy));
                }
                _mm_storeu_si128(reinterpret_cast<__m128i *>(d + j), w);
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

        // The rules for character j. A block's end can only be where a
        // "</script" or "</style" seen at its "<" put endAt.
        const char16_t c = s[j];
        const bool atEnd = j == endAt;
        const bool hasNext = j + 1 <= n - 1;
        // The words below start with "s" (folded: "s", "S" or a long s).
        const auto maybeS = [s](qsizetype at) { return s[at] == u's' || s[at] == u'S' || s[at] >= 128; };
        switch (c) {
        case u'<':
            state |= kInTag;
            if (hasNext && s[j + 1] == u'/' && j + 2 <= n - 1 && maybeS(j + 2)) {
                if (j + 8 <= n - 1 && WordAt(s, n, j + 2, "script"))
                    endAt = j + 8;
                else if (j + 7 <= n - 1 && WordAt(s, n, j + 2, "style"))
                    endAt = j + 7;
            }
            if (j + 3 <= n - 1 && s[j + 1] == u'!' && WordAt(s, n, j, "<!--"))
                state |= kInComment;
            break;
        case u'>':
            state &= ~kInTag;
            break;
        case u'o':
        case u'O':
            // Every "on" inside a tag starts an event attribute name, word start or not.
            if (hasNext && (state & kInTag) && !(state & kInQuote) && (s[j + 1] == u'n' || s[j + 1] == u'N'))
                state |= kInEvent;
            break;
        case u'=':
        case u' ':
            if (hasNext && (state & kInEvent) && !(state & kInQuote))
                state &= ~kInEvent;
            break;
        case u'-':
            if (j + 2 <= n - 1 && WordAt(s, n, j, "-->"))
                state &= ~kInComment;
            break;
        default:
            break;
        }
        const bool nameMaybeS = c == u'<' && hasNext && maybeS(j + 1);
        if (nameMaybeS && j + 6 <= n - 1 && WordAt(s, n, j + 1, "script"))
            state |= kInScript;
        if (atEnd && j >= 8 && s[j - 8] == u'<' && s[j - 7] == u'/' && WordAt(s, n, j - 6, "script"))
            state &= ~kInScript;
        if (nameMaybeS && j + 5 <= n - 1 && WordAt(s, n, j + 1, "style"))
            state |= kInStyle;
        if (atEnd && j >= 7 && s[j - 7] == u'<' && s[j - 6] == u'/' && WordAt(s, n, j - 5, "style"))
            state &= ~kInStyle;
        if (c == u'"' && (state & kInTag))
            state ^= kInQuote;
        d[j] = char16_t(c + (state == kInTag && char16_t(c - first) < 26 ? delta : 0));
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
