#include "editor/syntax_rules.h"

#include <QFileInfo>

namespace {

// The state word. Bits 0-3: mode; 4-6: where inside a tag; 7-8: what the
// tag's ">" enters; 9-12: where inside a script or style block (style adds
// bits 11-12: inside braces, after a colon); 16: inside PHP, 17-18 where in
// it. PHP keeps the outer bits, so a block resumes where it was broken off.
enum Mode { MText = 0, MTag = 1, MComment = 2, MScriptJs = 3, MScriptVbs = 4, MStyle = 5 };
enum TagSub { TAttr = 0, TValue = 1, TDq = 2, TSq = 3, TUnq = 4 };
enum Effect { ENone = 0, EJs = 1, EVbs = 2, EStyle = 3 };
enum ScriptSub { SNormal = 0, SBlockComment = 1, STemplate = 2, SLineComment = 3, SDq = 4, SSq = 5 };
enum CssSub { CNormal = 0, CComment = 1, CDq = 2, CSq = 3 };
enum PhpSub { PNormal = 0, PComment = 1, PDq = 2, PSq = 3 };

constexpr int kModeMask = 0xF;
constexpr int kTagShift = 4, kTagMask = 0x7 << kTagShift;
constexpr int kEffectShift = 7, kEffectMask = 0x3 << kEffectShift;
constexpr int kSubShift = 9, kSubMask = 0x3 << kSubShift;       // JS uses 3 bits
constexpr int kJsSubMask = 0x7 << kSubShift;
constexpr int kCssBraces = 1 << 11, kCssColon = 1 << 12;
constexpr int kPhp = 1 << 16;
constexpr int kPhpSubShift = 17, kPhpSubMask = 0x3 << kPhpSubShift;

constexpr QStringView kJsWords[] = {
    u"async", u"await", u"break", u"case", u"catch", u"class", u"const", u"continue",
    u"debugger", u"default", u"delete", u"do", u"else", u"export", u"extends", u"false",
    u"finally", u"for", u"function", u"if", u"import", u"in", u"instanceof", u"let", u"new",
    u"null", u"of", u"return", u"static", u"super", u"switch", u"this", u"throw", u"true",
    u"try", u"typeof", u"undefined", u"var", u"void", u"while", u"with", u"yield"};
constexpr QStringView kVbsWords[] = {
    u"And", u"As", u"Call", u"Case", u"Class", u"Const", u"Dim", u"Do", u"Each", u"Else",
    u"ElseIf", u"Empty", u"End", u"Erase", u"Error", u"Exit", u"Explicit", u"False", u"For",
    u"Function", u"Get", u"If", u"In", u"Is", u"Let", u"Loop", u"Me", u"Mod", u"New", u"Next",
    u"Not", u"Nothing", u"Null", u"On", u"Option", u"Or", u"Private", u"Property", u"Public",
    u"ReDim", u"Resume", u"Select", u"Set", u"Step", u"Sub", u"Then", u"To", u"True", u"Until",
    u"Wend", u"While", u"With", u"Xor"};
constexpr QStringView kPhpWords[] = {
    u"abstract", u"and", u"array", u"as", u"break", u"case", u"catch", u"class", u"clone",
    u"const", u"continue", u"declare", u"default", u"do", u"echo", u"else", u"elseif",
    u"empty", u"endfor", u"endforeach", u"endif", u"endswitch", u"endwhile", u"extends",
    u"false", u"final", u"finally", u"fn", u"for", u"foreach", u"function", u"global", u"if",
    u"implements", u"include", u"include_once", u"instanceof", u"interface", u"isset",
    u"list", u"match", u"namespace", u"new", u"null", u"or", u"print", u"private",
    u"protected", u"public", u"require", u"require_once", u"return", u"static", u"switch",
    u"throw", u"trait", u"true", u"try", u"unset", u"use", u"var", u"while", u"xor", u"yield"};

template<size_t N>
bool IsWord(QStringView w, const QStringView (&words)[N], Qt::CaseSensitivity cs)
{
    for (QStringView k : words)
        if (k.size() == w.size() && k.compare(w, cs) == 0)
            return true;
    return false;
}

bool IsAsciiLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool IsIdentStart(QChar c) { return IsAsciiLetter(c) || c == u'_' || c == u'$' || c.unicode() > 127; }
bool IsIdentChar(QChar c) { return IsIdentStart(c) || IsDigit(c); }
bool IsNameChar(QChar c) { return IsAsciiLetter(c) || IsDigit(c) || c == u'-' || c == u':' || c == u'_' || c == u'.'; }
bool IsSpace(QChar c) { return c == u' ' || c == u'\t' || c == u'\f' || c == u'\r' || c == u'\v'; }

bool At(QStringView line, qsizetype i, QStringView what, Qt::CaseSensitivity cs = Qt::CaseSensitive)
{
    return line.size() - i >= what.size() && line.mid(i, what.size()).compare(what, cs) == 0;
}

// "</script" or "</style" at i, not followed by more of a name.
bool AtClosing(QStringView line, qsizetype i, QStringView tag)
{
    if (!At(line, i, tag, Qt::CaseInsensitive))
        return false;
    const qsizetype j = i + tag.size();
    return j >= line.size() || !IsNameChar(line[j]);
}

int Mode(int s) { return s & kModeMask; }
int TagSubOf(int s) { return (s & kTagMask) >> kTagShift; }
int EffectOf(int s) { return (s & kEffectMask) >> kEffectShift; }
int JsSub(int s) { return (s & kJsSubMask) >> kSubShift; }
int CssSubOf(int s) { return (s & kSubMask) >> kSubShift; }
int PhpSubOf(int s) { return (s & kPhpSubMask) >> kPhpSubShift; }

int WithMode(int s, int m) { return (s & ~kModeMask) | m; }
int WithTagSub(int s, int t) { return (s & ~kTagMask) | (t << kTagShift); }
int WithEffect(int s, int e) { return (s & ~kEffectMask) | (e << kEffectShift); }
int WithJsSub(int s, int v) { return (s & ~kJsSubMask) | (v << kSubShift); }
int WithCssSub(int s, int v) { return (s & ~kSubMask) | (v << kSubShift); }
int WithPhpSub(int s, int v) { return (s & ~kPhpSubMask) | (v << kPhpSubShift); }

// A number as scripts write it: digits, a point, hex and exponent letters, units.
qsizetype NumberEnd(QStringView line, qsizetype i)
{
    while (i < line.size() && (IsIdentChar(line[i]) || line[i] == u'.') && line[i] != u'$')
        ++i;
    return i;
}

qsizetype IdentEnd(QStringView line, qsizetype i)
{
    while (i < line.size() && IsIdentChar(line[i]))
        ++i;
    return i;
}

struct TLineClassifier {
    QStringView line;
    TSyntaxKind kind;
    TSyntaxClass *out;
    int s;

    void Fill(qsizetype from, qsizetype to, TSyntaxClass c)
    {
        for (qsizetype k = from; k < to; ++k)
            out[k] = c;
    }

    // Each step classifies at least one character from i and returns where
    // the next step starts (or i itself after a mode change that re-reads it).
    qsizetype Php(qsizetype i)
    {
        const qsizetype n = line.size();
        const QChar c = line[i];
        switch (PhpSubOf(s)) {
        case PComment:
            if (At(line, i, u"*/")) {
                Fill(i, i + 2, TSyntaxClass::Comment);
                s = WithPhpSub(s, PNormal);
                return i + 2;
            }
            out[i] = TSyntaxClass::Comment;
            return i + 1;
        case PDq:
        case PSq: {
            out[i] = TSyntaxClass::String;
            if (c == u'\\' && i + 1 < n) {
                out[i + 1] = TSyntaxClass::String;
                return i + 2;
            }
            if (c == (PhpSubOf(s) == PDq ? u'"' : u'\''))
                s = WithPhpSub(s, PNormal);
            return i + 1;
        }
        default:
            break;
        }
        if (At(line, i, u"?>")) {
            Fill(i, i + 2, TSyntaxClass::Delimiter);
            s &= ~(kPhp | kPhpSubMask);
            return i + 2;
        }
        if (At(line, i, u"/*")) {
            Fill(i, i + 2, TSyntaxClass::Comment);
            s = WithPhpSub(s, PComment);
            return i + 2;
        }
        if (At(line, i, u"//") || c == u'#') {
            // A line comment ends at the line's end or at "?>".
            qsizetype j = i;
            while (j < n && !At(line, j, u"?>"))
                ++j;
            Fill(i, j, TSyntaxClass::Comment);
            return j;
        }
        if (c == u'"' || c == u'\'') {
            out[i] = TSyntaxClass::String;
            s = WithPhpSub(s, c == u'"' ? PDq : PSq);
            return i + 1;
        }
        if (c == u'$' && i + 1 < n && IsIdentStart(line[i + 1]) && line[i + 1] != u'$') {
            const qsizetype j = IdentEnd(line, i + 1);
            Fill(i, j, TSyntaxClass::Variable);
            return j;
        }
        if (IsDigit(c)) {
            const qsizetype j = NumberEnd(line, i);
            Fill(i, j, TSyntaxClass::Number);
            return j;
        }
        if (IsIdentStart(c) && c != u'$') {
            const qsizetype j = IdentEnd(line, i);
            Fill(i, j, IsWord(line.mid(i, j - i), kPhpWords, Qt::CaseInsensitive)
                           ? TSyntaxClass::Keyword : TSyntaxClass::Plain);
            return j;
        }
        out[i] = TSyntaxClass::Plain;
        return i + 1;
    }

    qsizetype EndTag(qsizetype i)
    {
        out[i] = TSyntaxClass::Tag;
        int m = MText;
        switch (EffectOf(s)) {
        case EJs: m = MScriptJs; break;
        case EVbs: m = MScriptVbs; break;
        case EStyle: m = MStyle; break;
        default: break;
        }
        s = m; // a fresh block: no tag, script or style leftovers
        return i + 1;
    }

    qsizetype Text(qsizetype i)
    {
        const qsizetype n = line.size();
        const QChar c = line[i];
        if (c == u'<') {
            if (At(line, i, u"<!--")) {
                Fill(i, i + 4, TSyntaxClass::Comment);
                s = WithMode(s, MComment);
                return i + 4;
            }
            const bool closing = i + 1 < n && line[i + 1] == u'/';
            const qsizetype nameStart = i + 1 + (closing ? 1 : 0);
            const bool bang = !closing && nameStart < n && line[nameStart] == u'!';
            if (nameStart < n && (IsAsciiLetter(line[nameStart]) || bang)) {
                qsizetype j = nameStart + (bang ? 1 : 0);
                while (j < n && IsNameChar(line[j]))
                    ++j;
                Fill(i, j, TSyntaxClass::Tag);
                const QStringView name = line.mid(nameStart, j - nameStart);
                int effect = ENone;
                if (!closing && name.compare(u"script", Qt::CaseInsensitive) == 0)
                    effect = EJs;
                else if (!closing && name.compare(u"style", Qt::CaseInsensitive) == 0)
                    effect = EStyle;
                s = WithEffect(WithTagSub(WithMode(s, MTag), TAttr), effect);
                return j;
            }
        } else if (c == u'&') {
            qsizetype j = i + 1;
            while (j < n && j - i <= 32 && (IsAsciiLetter(line[j]) || IsDigit(line[j]) || line[j] == u'#'))
                ++j;
            if (j > i + 1 && j < n && line[j] == u';') {
                Fill(i, j + 1, TSyntaxClass::Entity);
                return j + 1;
            }
        }
        out[i] = TSyntaxClass::Plain;
        return i + 1;
    }

    // Inside a script tag's value: a VBScript language or type turns the block to VBScript.
    void NoteValue(qsizetype i)
    {
        if (EffectOf(s) == EJs && At(line, i, u"vbs", Qt::CaseInsensitive))
            s = WithEffect(s, EVbs);
    }

    qsizetype Tag(qsizetype i)
    {
        const qsizetype n = line.size();
        const QChar c = line[i];
        switch (TagSubOf(s)) {
        case TDq:
        case TSq:
            out[i] = TSyntaxClass::AttributeValue;
            NoteValue(i);
            if (c == (TagSubOf(s) == TDq ? u'"' : u'\''))
                s = WithTagSub(s, TAttr);
            return i + 1;
        case TUnq:
            if (IsSpace(c)) {
                s = WithTagSub(s, TAttr);
                out[i] = TSyntaxClass::Plain;
                return i + 1;
            }
            if (c == u'>')
                return EndTag(i);
            out[i] = TSyntaxClass::AttributeValue;
            NoteValue(i);
            return i + 1;
        case TValue:
            if (IsSpace(c)) {
                out[i] = TSyntaxClass::Plain;
                return i + 1;
            }
            if (c == u'>')
                return EndTag(i);
            out[i] = TSyntaxClass::AttributeValue;
            s = WithTagSub(s, c == u'"' ? TDq : c == u'\'' ? TSq : TUnq);
            if (c != u'"' && c != u'\'')
                NoteValue(i);
            return i + 1;
        default:
            break;
        }
        if (c == u'>')
            return EndTag(i);
        if (c == u'/' || c == u'?') {
            out[i] = TSyntaxClass::Tag;
            if (i + 1 < n && line[i + 1] == u'>')
                s = WithEffect(s, ENone); // "<script ... />" opens no block
            return i + 1;
        }
        if (c == u'=') {
            out[i] = TSyntaxClass::Plain;
            s = WithTagSub(s, TValue);
            return i + 1;
        }
        if (c == u'"' || c == u'\'') {
            // A quoted text without a name, as in <!DOCTYPE ... "...">.
            out[i] = TSyntaxClass::AttributeValue;
            s = WithTagSub(s, c == u'"' ? TDq : TSq);
            return i + 1;
        }
        out[i] = IsSpace(c) ? TSyntaxClass::Plain : TSyntaxClass::AttributeName;
        return i + 1;
    }

    qsizetype Comment(qsizetype i)
    {
        if (At(line, i, u"-->")) {
            Fill(i, i + 3, TSyntaxClass::Comment);
            s = WithMode(s, MText);
            return i + 3;
        }
        out[i] = TSyntaxClass::Comment;
        return i + 1;
    }

    qsizetype Js(qsizetype i)
    {
        const qsizetype n = line.size();
        const QChar c = line[i];
        switch (JsSub(s)) {
        case SBlockComment:
            if (At(line, i, u"*/")) {
                Fill(i, i + 2, TSyntaxClass::Comment);
                s = WithJsSub(s, SNormal);
                return i + 2;
            }
            out[i] = TSyntaxClass::Comment;
            return i + 1;
        case SLineComment:
            out[i] = TSyntaxClass::Comment;
            return i + 1;
        case STemplate:
        case SDq:
        case SSq: {
            out[i] = TSyntaxClass::String;
            if (c == u'\\' && i + 1 < n) {
                out[i + 1] = TSyntaxClass::String;
                return i + 2;
            }
            const int sub = JsSub(s);
            if (c == (sub == STemplate ? u'`' : sub == SDq ? u'"' : u'\''))
                s = WithJsSub(s, SNormal);
            return i + 1;
        }
        default:
            break;
        }
        if (At(line, i, u"/*")) {
            Fill(i, i + 2, TSyntaxClass::Comment);
            s = WithJsSub(s, SBlockComment);
            return i + 2;
        }
        if (At(line, i, u"//")) {
            Fill(i, i + 2, TSyntaxClass::Comment);
            s = WithJsSub(s, SLineComment);
            return i + 2;
        }
        if (c == u'"' || c == u'\'' || c == u'`') {
            out[i] = TSyntaxClass::String;
            s = WithJsSub(s, c == u'"' ? SDq : c == u'\'' ? SSq : STemplate);
            return i + 1;
        }
        if (IsDigit(c)) {
            const qsizetype j = NumberEnd(line, i);
            Fill(i, j, TSyntaxClass::Number);
            return j;
        }
        if (IsIdentStart(c)) {
            const qsizetype j = IdentEnd(line, i);
            Fill(i, j, IsWord(line.mid(i, j - i), kJsWords, Qt::CaseSensitive)
                           ? TSyntaxClass::Keyword : TSyntaxClass::Plain);
            return j;
        }
        out[i] = TSyntaxClass::Plain;
        return i + 1;
    }

    qsizetype Vbs(qsizetype i)
    {
        const qsizetype n = line.size();
        const QChar c = line[i];
        switch (JsSub(s)) {
        case SLineComment:
            out[i] = TSyntaxClass::Comment;
            return i + 1;
        case SDq:
            out[i] = TSyntaxClass::String;
            if (c == u'"') {
                if (i + 1 < n && line[i + 1] == u'"') { // "" is a quote inside the string
                    out[i + 1] = TSyntaxClass::String;
                    return i + 2;
                }
                s = WithJsSub(s, SNormal);
            }
            return i + 1;
        default:
            break;
        }
        if (c == u'\'') {
            out[i] = TSyntaxClass::Comment;
            s = WithJsSub(s, SLineComment);
            return i + 1;
        }
        if (c == u'"') {
            out[i] = TSyntaxClass::String;
            s = WithJsSub(s, SDq);
            return i + 1;
        }
        if (IsDigit(c)) {
            const qsizetype j = NumberEnd(line, i);
            Fill(i, j, TSyntaxClass::Number);
            return j;
        }
        if (IsIdentStart(c) && c != u'$') {
            const qsizetype j = IdentEnd(line, i);
            const QStringView w = line.mid(i, j - i);
            if (w.compare(u"rem", Qt::CaseInsensitive) == 0) {
                Fill(i, j, TSyntaxClass::Comment);
                s = WithJsSub(s, SLineComment);
            } else {
                Fill(i, j, IsWord(w, kVbsWords, Qt::CaseInsensitive) ? TSyntaxClass::Keyword
                                                                      : TSyntaxClass::Plain);
            }
            return j;
        }
        out[i] = TSyntaxClass::Plain;
        return i + 1;
    }

    qsizetype Css(qsizetype i)
    {
        const qsizetype n = line.size();
        const QChar c = line[i];
        switch (CssSubOf(s)) {
        case CComment:
            if (At(line, i, u"*/")) {
                Fill(i, i + 2, TSyntaxClass::Comment);
                s = WithCssSub(s, CNormal);
                return i + 2;
            }
            out[i] = TSyntaxClass::Comment;
            return i + 1;
        case CDq:
        case CSq:
            out[i] = TSyntaxClass::String;
            if (c == u'\\' && i + 1 < n) {
                out[i + 1] = TSyntaxClass::String;
                return i + 2;
            }
            if (c == (CssSubOf(s) == CDq ? u'"' : u'\''))
                s = WithCssSub(s, CNormal);
            return i + 1;
        default:
            break;
        }
        if (At(line, i, u"/*")) {
            Fill(i, i + 2, TSyntaxClass::Comment);
            s = WithCssSub(s, CComment);
            return i + 2;
        }
        if (c == u'"' || c == u'\'') {
            out[i] = TSyntaxClass::String;
            s = WithCssSub(s, c == u'"' ? CDq : CSq);
            return i + 1;
        }
        out[i] = TSyntaxClass::Plain;
        if (c == u'{') {
            s = (s | kCssBraces) & ~kCssColon;
            return i + 1;
        }
        if (c == u'}') {
            s &= ~(kCssBraces | kCssColon);
            return i + 1;
        }
        if (IsSpace(c))
            return i + 1;
        if (!(s & kCssBraces)) {
            if (c == u'@') {
                const qsizetype j = IdentEnd(line, i + 1);
                Fill(i, j, TSyntaxClass::Keyword);
                return j;
            }
            out[i] = c == u',' ? TSyntaxClass::Plain : TSyntaxClass::Selector;
            return i + 1;
        }
        if (!(s & kCssColon)) {
            if (c == u':')
                s |= kCssColon;
            else if (c != u';')
                out[i] = TSyntaxClass::Property;
            return i + 1;
        }
        if (c == u';') {
            s &= ~kCssColon;
            return i + 1;
        }
        const bool numberStart = IsDigit(c) || ((c == u'.' || c == u'-' || c == u'#') && i + 1 < n
                                                && (IsDigit(line[i + 1]) || (c == u'#' && IsIdentChar(line[i + 1]))));
        if (numberStart) {
            qsizetype j = i + 1;
            while (j < n && (IsIdentChar(line[j]) || line[j] == u'.' || line[j] == u'%') && line[j] != u'$')
                ++j;
            Fill(i, j, TSyntaxClass::Number);
            return j;
        }
        if (c == u'!') {
            const qsizetype j = IdentEnd(line, i + 1);
            Fill(i, j, TSyntaxClass::Keyword);
            return j;
        }
        if (IsIdentStart(c)) { // a word such as "red" or "bold"
            const qsizetype j = IdentEnd(line, i);
            Fill(i, j, TSyntaxClass::Plain);
            return j;
        }
        return i + 1;
    }
};

} // namespace

TSyntaxKind SyntaxKindForPath(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"js")
        return TSyntaxKind::JavaScript;
    if (suffix == u"css")
        return TSyntaxKind::Css;
    if (suffix == u"php" || suffix == u"php3" || suffix == u"php4" || suffix == u"php5"
        || suffix == u"phtml")
        return TSyntaxKind::Php;
    return TSyntaxKind::Html;
}

int InitialSyntaxState(TSyntaxKind kind)
{
    switch (kind) {
    case TSyntaxKind::JavaScript: return MScriptJs;
    case TSyntaxKind::Css: return MStyle;
    default: return MText;
    }
}

int ClassifyLine(QStringView line, int state, TSyntaxKind kind, TSyntaxClass *out)
{
    TLineClassifier c{line, kind, out, state < 0 ? InitialSyntaxState(kind) : state};
    const bool page = kind == TSyntaxKind::Html || kind == TSyntaxKind::Php;
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (i < n) {
        if (c.s & kPhp) {
            i = c.Php(i);
            continue;
        }
        if (page && At(line, i, u"<?")) {
            qsizetype j = i + 2;
            if (At(line, j, u"php", Qt::CaseInsensitive))
                j += 3;
            else if (At(line, j, u"="))
                j += 1;
            c.Fill(i, j, TSyntaxClass::Delimiter);
            c.s = (c.s | kPhp) & ~kPhpSubMask;
            i = j;
            continue;
        }
        switch (Mode(c.s)) {
        case MTag: i = c.Tag(i); break;
        case MComment: i = c.Comment(i); break;
        case MScriptJs:
        case MScriptVbs:
            // The block ends at "</script" wherever it stands, even in a string.
            if (page && line[i] == u'<' && AtClosing(line, i, u"</script")) {
                c.s = MText;
                break;
            }
            i = Mode(c.s) == MScriptJs ? c.Js(i) : c.Vbs(i);
            break;
        case MStyle:
            if (page && line[i] == u'<' && AtClosing(line, i, u"</style")) {
                c.s = MText;
                break;
            }
            i = c.Css(i);
            break;
        default: i = c.Text(i); break;
        }
    }
    // What a line break ends: unquoted values, line comments, one-line strings.
    int s = c.s;
    if (Mode(s) == MTag && TagSubOf(s) == TUnq)
        s = WithTagSub(s, TAttr);
    if (Mode(s) == MScriptJs || Mode(s) == MScriptVbs) {
        const int sub = JsSub(s);
        if (sub == SLineComment || sub == SDq || sub == SSq)
            s = WithJsSub(s, SNormal);
    }
    if (Mode(s) == MStyle && (CssSubOf(s) == CDq || CssSubOf(s) == CSq))
        s = WithCssSub(s, CNormal);
    return s;
}
