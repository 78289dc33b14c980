#include "markup/case_conversion.h"

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

bool WordAt(const QString &s, qsizetype at, QLatin1StringView word)
{
    return at >= 0 && at + word.size() <= s.size()
           && QStringView(s).mid(at, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

} // namespace

QString ConvertTags(const QString &text, bool upper)
{
    QString s = text;
    const qsizetype n = s.size();
    bool inTag = true, inQuote = false, inEvent = false, inComment = false, inScript = false,
         inStyle = false;
    for (qsizetype j = 0; j < n; ++j) {
        const QChar c = s[j];
        if (c == u'<')
            inTag = true;
        if (c == u'>')
            inTag = false;
        if (j + 3 <= n - 1 && WordAt(s, j, QLatin1StringView("<!--")))
            inComment = true;
        // Every "on" inside a tag starts an event attribute name, word start or not.
        if (j + 1 <= n - 1 && inTag && !inQuote && (c == u'o' || c == u'O')
            && (s[j + 1] == u'n' || s[j + 1] == u'N'))
            inEvent = true;
        if (j + 1 <= n - 1 && inEvent && !inQuote && (c == u'=' || c == u' '))
            inEvent = false;
        if (j + 2 <= n - 1 && WordAt(s, j, QLatin1StringView("-->")))
            inComment = false;
        if (j + 6 <= n - 1 && c == u'<' && WordAt(s, j + 1, QLatin1StringView("script")))
            inScript = true;
        if (j >= 8 && s[j - 8] == u'<' && s[j - 7] == u'/' && WordAt(s, j - 6, QLatin1StringView("script")))
            inScript = false;
        if (j + 5 <= n - 1 && c == u'<' && WordAt(s, j + 1, QLatin1StringView("style")))
            inStyle = true;
        if (j >= 7 && s[j - 7] == u'<' && s[j - 6] == u'/' && WordAt(s, j - 5, QLatin1StringView("style")))
            inStyle = false;
        if (c == u'"' && inTag)
            inQuote = !inQuote;
        if (inTag && !inQuote && !inEvent && !inComment && !inScript && !inStyle)
            s[j] = ConvertLetter(c, upper);
    }
    return s;
}

QString ChangeLetters(const QString &text, bool upper)
{
    QString s = text;
    for (qsizetype j = 0; j < s.size(); ++j)
        s[j] = ConvertLetter(s[j], upper);
    return s;
}

} // namespace CaseConversion
