#include "inspector/tag_rewrite.h"

#include <QList>

using namespace Qt::StringLiterals;

namespace {

// Lower case character by character, so that positions in the result are
// positions in the original.
QString LowerKeepingPositions(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        c = c.toLower();
    return out;
}

// For each character: does it lie inside a quoted value (quotes included)?
// A double quote opens a value anywhere; an apostrophe only right after "=",
// so that "don't" in an unquoted word does not swallow the rest of the tag.
QList<bool> QuotedMask(const QString &tag)
{
    QList<bool> mask(tag.size(), false);
    QChar open;
    for (qsizetype i = 0; i < tag.size(); ++i) {
        const QChar c = tag[i];
        if (!open.isNull()) {
            mask[i] = true;
            if (c == open)
                open = QChar();
            continue;
        }
        if (c == u'"') {
            open = c;
            mask[i] = true;
        } else if (c == u'\'') {
            qsizetype j = i - 1;
            while (j >= 0 && tag[j] == u' ')
                --j;
            if (j >= 0 && tag[j] == u'=') {
                open = c;
                mask[i] = true;
            }
        }
    }
    return mask;
}

// The end (exclusive) of an unquoted value starting at i: the next space,
// leaving out the "/" of a self-closing tag that ends right there.
qsizetype UnquotedValueEnd(const QString &tag, qsizetype i)
{
    qsizetype j = i;
    while (j < tag.size() && tag[j] != u' ' && tag[j] != u'>')
        ++j;
    if (j - 1 > i && tag[j - 1] == u'/' && QStringView(tag).mid(j).trimmed().isEmpty())
        --j;
    return j;
}

// The end (exclusive, 0-based) of the attribute's old text whose name ends
// just before after: its "=", its value quoted or not; trailing spaces are
// left out so the attributes around it stay apart.
qsizetype AttributeSpanEnd(const QString &tag, qsizetype after)
{
    const qsizetype n = tag.size();
    qsizetype i = after;
    bool sawEquals = false;
    while (i < n && (tag[i] == u' ' || tag[i] == u'=')) {
        sawEquals = sawEquals || tag[i] == u'=';
        ++i;
    }
    qsizetype end;
    if (i >= n) {
        end = sawEquals ? n : after;
    } else if (tag[i] == u'"' || (tag[i] == u'\'' && sawEquals)) {
        const qsizetype close = tag.indexOf(tag[i], i + 1);
        end = close < 0 ? n : close + 1; // an unterminated value runs to the end
    } else if (sawEquals) {
        // Unquoted: up to the next space, keeping a self-closing "/" at the end.
        end = UnquotedValueEnd(tag, i);
    } else {
        end = i; // a bare attribute followed by the next one
    }
    while (end > after && tag[end - 1] == u' ')
        --end;
    return end;
}

QString Escaped(QString value)
{
    // A quote or bracket typed into a value would end the value or the tag.
    value.replace(u'"', u"&quot;"_s);
    value.replace(u'<', u"&lt;"_s);
    value.replace(u'>', u"&gt;"_s);
    return value;
}

} // namespace

QString TagNameOf(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u' ' || c == u'>' || (c == u'/' && i > 0))
            return text.left(i);
    }
    return text;
}

int FindAttribute(const QString &name, const QString &tag)
{
    if (name.isEmpty())
        return 0;
    const QList<bool> quoted = QuotedMask(tag);
    const QString patterns[] = {u' ' + name + u' ', u' ' + name + u'=', u' ' + name + u'>'};
    for (const QString &p : patterns) {
        for (qsizetype at = tag.indexOf(p); at >= 0; at = tag.indexOf(p, at + 1)) {
            if (!quoted[at])
                return int(at) + 1;
        }
    }
    return 0;
}

QString AttributeValueAfter(const QString &tag, int from)
{
    const qsizetype n = tag.size();
    qsizetype i = from;
    bool sawEquals = false;
    while (i < n && (tag[i] == u' ' || tag[i] == u'=')) {
        sawEquals = sawEquals || tag[i] == u'=';
        ++i;
    }
    if (i >= n)
        return {};
    const QChar c = tag[i];
    if (c == u'"' || (c == u'\'' && sawEquals)) {
        const qsizetype close = tag.indexOf(c, i + 1);
        return tag.mid(i + 1, (close < 0 ? n : close) - i - 1);
    }
    if (!sawEquals)
        return {}; // bare attribute
    return tag.mid(i, UnquotedValueEnd(tag, i) - i);
}

QString AttributeValue(const QString &tag, const QString &name)
{
    const QString key = LowerKeepingPositions(name);
    const QString text = tag + u' ';
    const int pos = FindAttribute(key, LowerKeepingPositions(text));
    if (pos == 0)
        return {};
    return AttributeValueAfter(text, pos + int(key.size()));
}

QPair<int, int> FindTagAtCaret(const QString &line, int column)
{
    const int length = int(line.size());
    if (length == 0)
        return {0, 0};
    const int c = std::min(column == 0 ? 1 : column, length);
    const auto at = [&line](int k) { return line[k - 1]; }; // 1-based
    int start = 0;
    for (int k = c; k >= 1; --k) {
        if (at(k) == u'>' && k != c)
            break;
        if (at(k) == u'<') {
            start = k;
            break;
        }
    }
    int end = 0;
    for (int k = c; k <= length; ++k) {
        if (at(k) == u'<' && k != c) {
            end = 0;
            break;
        }
        if (at(k) == u'>' && start != 0) {
            end = k;
            break;
        }
    }
    if (start == 0 || end == 0)
        return {0, 0};
    return {start, end};
}

QString ReplaceAttribute(const QString &tag, const QString &name, const QString &value,
                         bool isCheckAttribute, TRewriteOptions options)
{
    if (name.isEmpty())
        return tag;
    const QString key = LowerKeepingPositions(name);
    const QString written = options.upperCase ? key.toUpper() : key;
    const QString checkForm = options.fullCheckForm ? written + u"=\""_s + written + u'"' : written;
    const QString pair = written + u"=\""_s + Escaped(value) + u'"';

    const int pos = FindAttribute(key, LowerKeepingPositions(tag) + u' ');
    if (pos != 0) {
        const qsizetype start = pos - 1;
        const qsizetype end = AttributeSpanEnd(tag, pos + key.size());
        QString replacement;
        if (isCheckAttribute)
            replacement = value == u"Ano"_s ? u' ' + checkForm : QString();
        else if (!value.isEmpty())
            replacement = u' ' + pair;
        return tag.left(start) + replacement + tag.mid(end);
    }

    QString added;
    if (isCheckAttribute) {
        if (value != u"Ano"_s)
            return tag; // an absent check attribute is already off
        added = checkForm;
    } else {
        added = pair;
    }
    // Added before trailing spaces and a closing "/", so " />" stays last.
    qsizetype headEnd = tag.size();
    while (headEnd > 0 && tag[headEnd - 1] == u' ')
        --headEnd;
    if (headEnd > 1 && tag[headEnd - 1] == u'/') {
        --headEnd;
        while (headEnd > 0 && tag[headEnd - 1] == u' ')
            --headEnd;
    }
    return tag.left(headEnd) + u' ' + added + tag.mid(headEnd);
}

bool QuotesBalanced(const QString &tag)
{
    return tag.count(u'"') % 2 == 0;
}
