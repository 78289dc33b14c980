#include "translator/body_code.h"

#include <QRegularExpression>

#include <array>

namespace {

bool IsQuote(QChar c)
{
    return c == u'"' || c == u'\'';
}

// Values end at a space; a tab or line break ends them just the same.
bool EndsValue(QChar c)
{
    return c == u' ' || c == u'>' || c == u'\t' || c == u'\r' || c == u'\n';
}

// Walks text keeping track of tags and quoted values. A quote opens a value
// only inside a tag; the value ends at the same kind of quote.
struct TTagScanner {
    bool inTag = false;
    QChar quote; // the quote of the open value, or null

    bool inValue() const { return !quote.isNull(); }

    void step(QChar c)
    {
        if (inValue()) {
            if (c == quote)
                quote = QChar();
            return;
        }
        if (c == u'<')
            inTag = true;
        else if (c == u'>')
            inTag = false;
        else if (inTag && IsQuote(c))
            quote = c;
    }
};

QString QuoteValues(QString text)
{
    TTagScanner scan;
    qsizetype p = 0;
    while (p < text.size()) {
        const QChar c = text[p];
        if (c == u'=' && scan.inTag && !scan.inValue() && p + 1 < text.size() && !IsQuote(text[p + 1])) {
            qsizetype e = p + 1;
            while (e < text.size() && !EndsValue(text[e]))
                ++e;
            if (e < text.size()) {
                text.insert(e, u'"');
                text.insert(p + 1, u'"');
                p = e + 2; // past the closing quote
                continue;
            }
        }
        scan.step(c);
        ++p;
    }
    return text;
}

QString CaseTags(QString text, bool upperCase)
{
    TTagScanner scan;
    for (qsizetype p = 0; p < text.size(); ++p) {
        const QChar c = text[p];
        const bool convert = scan.inTag && !scan.inValue();
        scan.step(c);
        if (!convert || c == u'<' || c == u'>' || IsQuote(c))
            continue;
        const char16_t u = c.unicode();
        if (upperCase && u >= 'a' && u <= 'z')
            text[p] = QChar(u - 32);
        else if (!upperCase && u >= 'A' && u <= 'Z')
            text[p] = QChar(u + 32);
    }
    return text;
}

} // namespace

QString VisualDocument(const QString &bgColour, const QString &linkColour, const QString &code)
{
    return QStringLiteral("<HTML><HEAD><META NAME=\"GENERATOR\" Content=\"Vellomy HTML Translator\">"
                          "<TITLE></TITLE></HEAD><BODY")
        + QStringLiteral(" BGCOLOR=\"") + bgColour + u'"' + QStringLiteral(" LINK=\"") + linkColour
        + QStringLiteral("\">") + code + QStringLiteral("</BODY></HTML>");
}

QString ExtractBody(const QString &html)
{
    QString text = html;
    const qsizetype body = text.indexOf(QStringLiteral("<BODY"));
    if (body >= 0) {
        const qsizetype end = text.indexOf(u'>', body);
        // A BODY tag without its ">" leaves the text whole rather than empty.
        if (end >= 0)
            text.remove(0, end + 1);
    }
    if (text.contains(QStringLiteral("</BODY"))) {
        const qsizetype close = text.indexOf(QStringLiteral("</BODY>"), 0, Qt::CaseInsensitive);
        if (close >= 0)
            text.truncate(close);
    }
    static const QString doctype =
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">");
    const qsizetype d = text.indexOf(doctype, 0, Qt::CaseInsensitive);
    if (d >= 0)
        text.remove(d, doctype.size());
    return text;
}

QString NormalizeMarkup(const QString &text, bool upperCase)
{
    return CaseTags(QuoteValues(text), upperCase);
}

QString ApplyEmphasisStyle(const QString &text, bool useStrong, bool useEm)
{
    // An opening tag with attributes changes too, or its end tag would no
    // longer match it.
    static const QRegularExpression strong(QStringLiteral("<STRONG(?=[\\s>])"));
    static const QRegularExpression em(QStringLiteral("<EM(?=[\\s>])"));
    QString t = text;
    if (!useStrong) {
        t.replace(strong, QStringLiteral("<B"));
        t.replace(QStringLiteral("</STRONG>"), QStringLiteral("</B>"));
    }
    if (!useEm) {
        t.replace(em, QStringLiteral("<I"));
        t.replace(QStringLiteral("</EM>"), QStringLiteral("</I>"));
    }
    return t;
}

QString BodyCodeFromDocument(const QString &html, bool useStrong, bool useEm, bool upperCase)
{
    QString text = NormalizeMarkup(ApplyEmphasisStyle(ExtractBody(html), useStrong, useEm), upperCase);
    // The code editor's first line: an empty one is dropped with its break.
    if (text.startsWith(QStringLiteral("\r\n")))
        text.remove(0, 2);
    else if (text.startsWith(u'\n') || text.startsWith(u'\r'))
        text.remove(0, 1);
    return text;
}

QString DisplayColourName(const QString &colour)
{
    struct TEntry { const char *hex; const char *name; };
    static constexpr std::array<TEntry, 16> table{{
        {"#000000", "Black"}, {"#00FFFF", "Aqua"},   {"#0000FF", "Blue"},   {"#FF00FF", "Fuchsia"},
        {"#808080", "Gray"},  {"#008000", "Green"},  {"#00FF00", "Lime"},   {"#000080", "Navy"},
        {"#808000", "Olive"}, {"#800080", "Purple"}, {"#800000", "Maroon"}, {"#FF0000", "Red"},
        {"#C0C0C0", "Silver"}, {"#008080", "Teal"},  {"#FFFFFF", "White"},  {"#FFFF00", "Yellow"},
    }};
    for (const TEntry &e : table)
        if (colour == QLatin1String(e.hex))
            return QString::fromLatin1(e.name);
    return colour;
}

QString WithBackgroundPicture(const QString &html, const QString &picture)
{
    const qsizetype body = html.indexOf(QStringLiteral("<BODY"));
    if (body < 0)
        return html;
    QString out = html;
    out.insert(body + 5, QStringLiteral(" BACKGROUND=\"") + picture + u'"');
    return out;
}
