#include "markup/insert_tag.h"

using namespace Qt::Literals::StringLiterals;

namespace {

bool IsAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool IsNameChar(QChar c)
{
    return IsAsciiLetter(c) || (c >= u'0' && c <= u'9') || c == u'-' || c == u':' || c == u'_';
}

// Index of the '>' that ends the tag opened at lt, outside quoted values; -1
// when the tag is not finished in text.
int TagEnd(const QString &text, int lt)
{
    QChar quote;
    for (int k = lt + 1; k < text.size(); ++k) {
        const QChar c = text[k];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'>') {
            return k;
        } else if (c == u'<') {
            return -1; // a second '<' before the end: this was no tag
        }
    }
    return -1;
}

// Whether rest holds the end tag of name ("</name>" or "</name ...").
bool HasEndTag(const QString &rest, const QString &name)
{
    const QString needle = u"</"_s + name;
    for (int i = rest.indexOf(needle, 0, Qt::CaseInsensitive); i >= 0;
         i = rest.indexOf(needle, i + 1, Qt::CaseInsensitive)) {
        const int after = i + needle.size();
        if (after >= rest.size() || rest[after] == u'>' || rest[after].isSpace())
            return true;
    }
    return false;
}

// Length of the named character reference starting at i ("&name;"), or 0.
int NamedReferenceLength(const QString &text, int i)
{
    if (text[i] != u'&' || i + 1 >= text.size() || !IsAsciiLetter(text[i + 1]))
        return 0;
    int k = i + 1;
    while (k < text.size() && (IsAsciiLetter(text[k]) || (text[k] >= u'0' && text[k] <= u'9')))
        ++k;
    return (k < text.size() && text[k] == u';') ? k - i + 1 : 0;
}

} // namespace

QString NormalizeLineBreaks(const QString &text)
{
    if (!text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString out;
    out.reserve(text.size() + 8);
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            out += u"\r\n"_s;
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else if (c == u'\n') {
            out += u"\r\n"_s;
        } else {
            out += c;
        }
    }
    return out;
}

QString LowerMarkupCase(const QString &text)
{
    QString out = text;
    for (int i = 0; i < out.size(); ++i) {
        if (const int ref = NamedReferenceLength(out, i)) {
            i += ref - 1;
            continue;
        }
        const QChar c = out[i];
        if (c >= u'A' && c <= u'Z')
            out[i] = QChar(c.unicode() + (u'a' - u'A'));
    }
    return out;
}

QString CloseEmptyTags(const QString &open, const QString &close)
{
    QString out;
    out.reserve(open.size() + 8);
    int i = 0;
    while (i < open.size()) {
        const int lt = open.indexOf(u'<', i);
        if (lt < 0) {
            out += QStringView(open).mid(i);
            break;
        }
        out += QStringView(open).mid(i, lt - i);
        int nameEnd = lt + 1;
        while (nameEnd < open.size() && IsNameChar(open[nameEnd]))
            ++nameEnd;
        const bool startTag = lt + 1 < open.size() && IsAsciiLetter(open[lt + 1]);
        const int gt = startTag ? TagEnd(open, lt) : -1;
        if (gt < 0) {
            out += u'<';
            i = lt + 1;
            continue;
        }
        const QString name = open.mid(lt + 1, nameEnd - lt - 1);
        QString body = open.mid(lt, gt - lt); // without the '>'
        while (body.endsWith(u' ') || body.endsWith(u'\t'))
            body.chop(1);
        if (body.endsWith(u'/') || HasEndTag(open.mid(gt + 1) + close, name))
            out += QStringView(open).mid(lt, gt - lt + 1);
        else
            out += body + u" />"_s;
        i = gt + 1;
    }
    return out;
}

TTagTexts RewriteTagTexts(const QString &open, const QString &close, int mode,
                          const TMarkupStyle &style)
{
    TTagTexts t{NormalizeLineBreaks(open), NormalizeLineBreaks(close)};
    if (mode != WrapSelection && style.slashEnd && t.open.contains(u'<'))
        t.open = CloseEmptyTags(t.open, t.close);
    if (style.useStrong && t.open.compare(u"<B>"_s, Qt::CaseInsensitive) == 0)
        t = {u"<STRONG>"_s, u"</STRONG>"_s};
    if (style.useEm && t.open.compare(u"<I>"_s, Qt::CaseInsensitive) == 0)
        t = {u"<EM>"_s, u"</EM>"_s};
    if (!style.upperCase) {
        t.open = LowerMarkupCase(t.open);
        t.close = LowerMarkupCase(t.close);
    }
    return t;
}

TInsertion PlanInsertion(const QString &open, const QString &close, int mode,
                         const TMarkupStyle &style, int selStart, int selLength,
                         const QString &selText)
{
    const TTagTexts t = RewriteTagTexts(open, close, mode, style);
    TInsertion p;
    p.open = t.open;
    p.close = t.close;
    selStart = std::max(0, selStart);
    selLength = std::max(0, selLength);
    if (mode == WrapSelection && selLength > 0) {
        p.start = selStart;
        p.replaced = selLength;
        p.text = t.open + NormalizeLineBreaks(selText) + t.close;
    } else {
        // At the caret, which is the selection's end; the selected text stays.
        p.start = selStart + selLength;
        p.text = t.open + t.close;
    }
    p.caret = p.start + t.open.size();
    return p;
}

QString ApplyInsertion(const QString &text, const TInsertion &insertion)
{
    const int start = std::clamp(insertion.start, 0, int(text.size()));
    const int replaced = std::clamp(insertion.replaced, 0, int(text.size()) - start);
    QString out = text;
    out.replace(start, replaced, insertion.text);
    return out;
}
