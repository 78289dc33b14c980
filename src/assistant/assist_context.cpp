#include "assistant/assist_context.h"

#include <QHash>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Assist {

namespace {

using TKind = TCodeVocabulary::TKindWord;

int Clamp(const QString &line, int column)
{
    return std::clamp(column, 0, int(line.size()));
}

// The caret column as the tag and quote tests take it: 0 counts as 1.
int TestColumn(const QString &line, int column)
{
    return std::max(1, Clamp(line, column));
}

bool Blank(const QString &line)
{
    return line.trimmed().isEmpty();
}

int Balance(QStringView text)
{
    return int(text.count(u'<')) - int(text.count(u'>'));
}

} // namespace

QString TypedWord(const QString &line, int column)
{
    const int c = Clamp(line, column);
    for (int i = c - 1; i >= 0; --i) {
        const QChar ch = line[i];
        if (ch == u' ' || ch == u'>' || ch == u'.')
            return line.mid(i + 1, c - i - 1);
        if (ch == u'<')
            return line.mid(i, c - i);
    }
    return line.left(c);
}

QString PrefixText(const QString &line, int column)
{
    const int c = Clamp(line, column);
    for (int i = c - 1; i >= 0; --i) {
        if (line[i] == u' ' || line[i] == u'>')
            return line.mid(i + 1, c - i - 1);
    }
    return line.left(c);
}

bool InsideTag(const QString &line, int column)
{
    if (Blank(line))
        return false;
    const int c = TestColumn(line, column);
    const QStringView view(line);
    // Characters before the one just left of the caret, and right of the caret.
    const int left = Balance(view.left(c - 1));
    const int right = Balance(view.mid(std::min(c, int(line.size()))));
    return left > 0 && right < 0;
}

bool InsideQuotes(const QString &line, int column)
{
    if (Blank(line))
        return false;
    const int c = TestColumn(line, column);
    return QStringView(line).left(c - 1).count(u'"') % 2 == 1;
}

bool IsScriptFileName(const QString &fileName)
{
    return fileName.endsWith(u".js"_s, Qt::CaseInsensitive);
}

bool InScriptContext(const TContext &context)
{
    return context.scriptFile || InsideQuotes(context.line, context.column) || context.inScriptBlock;
}

QString VariableOfPrefix(const QString &prefix)
{
    const qsizetype dot = prefix.lastIndexOf(u'.');
    return dot < 0 ? QString() : prefix.left(dot);
}

QStringList FillCandidates(const TCodeVocabulary &vocabulary, const TContext &context,
                           const QString &typed)
{
    const QString prefix = PrefixText(context.line, context.column).toLower();
    const bool inTag = InsideTag(context.line, context.column);
    const bool inQuotes = InsideQuotes(context.line, context.column);
    const bool inScript = context.scriptFile || inQuotes || context.inScriptBlock;
    const bool dot = prefix.contains(u'.');
    const bool typedSomething = !typed.trimmed().isEmpty();
    const QString lowerTyped = typed.toLower();

    // Members of a variable made with "new": the variable and the member
    // part typed after its dot, looked up once per distinct type.
    const QString variable = VariableOfPrefix(prefix);
    const QString memberTyped = dot ? prefix.mid(prefix.lastIndexOf(u'.') + 1) : QString();
    QHash<QString, bool> createdAs;
    const auto created = [&](const QString &type) {
        if (!context.createdWithNew || variable.isEmpty())
            return false;
        auto it = createdAs.find(type);
        if (it == createdAs.end())
            it = createdAs.insert(type, context.createdWithNew(variable, type));
        return it.value();
    };

    QStringList candidates;
    for (const TCodeVocabulary::TEntry &e : vocabulary.Entries()) {
        const QString &w = e.LowerWord;
        if (typedSomething) {
            if (!w.startsWith(lowerTyped))
                continue;
        } else if (w.isEmpty()) {
            continue;
        }
        bool add = false;
        switch (e.KindWord) {
        case TKind::HtmlParam:
            if (!dot && inTag && !inQuotes) {
                // Once per row of the inspector that shows this attribute.
                for (const QString &name : context.inspectedAttributes) {
                    if (name.toLower() == w)
                        candidates.append(e.Record.Word);
                }
            }
            break;
        case TKind::HtmlTag:
            add = !dot && !inTag && !inQuotes;
            break;
        case TKind::UserDefined:
            add = !dot;
            break;
        case TKind::TScript:
            add = inScript && !inTag && (typedSomething ? !dot : prefix.isEmpty());
            break;
        case TKind::JavaScript:
            add = inScript && dot && (e.LowerQualifier + u'.' + w).startsWith(prefix);
            break;
        case TKind::TypeJavaScript:
            add = inScript && dot && w.startsWith(memberTyped) && created(e.LowerQualifier);
            break;
        case TKind::None:
            break;
        }
        if (add)
            candidates.append(e.Record.Word);
    }
    return candidates;
}

TInsertion PlanInsertion(const QString &line, int column, const TCodeVocabulary::TEntry &entry,
                         const TInsertStyle &style, bool isCheck)
{
    const int c = Clamp(line, column);
    QString typed = TypedWord(line, c);
    qsizetype lead = 0;
    while (lead < typed.size() && (typed[lead] == u' ' || typed[lead] == u'\t'))
        ++lead;
    typed = typed.mid(lead);

    TInsertion result;
    result.start = c - int(typed.size());
    // The rest of the word right of the caret goes too: up to a space or
    // "<", up to a ">" (a tag word takes the ">" along), through an "=".
    const bool tag = entry.KindWord == TKind::HtmlTag;
    int end = c;
    while (end < line.size()) {
        const QChar ch = line[end];
        if (ch == u' ' || ch == u'<')
            break;
        if (ch == u'>') {
            if (tag)
                ++end;
            break;
        }
        ++end;
        if (ch == u'=')
            break;
    }
    result.length = end - result.start;

    const QString &word = entry.Record.Word;
    const bool param = entry.KindWord == TKind::HtmlParam;
    const bool separator = param && style.paramSeparator && !isCheck;
    result.text = word + (separator ? u"=\"\""_s : QString());
    if (tag || param)
        result.text = style.upperCase ? result.text.toUpper() : result.text.toLower();
    if (tag && TCodeVocabulary::CountChar(word, u'<') > 1)
        result.caretBack = int(word.size()) / 2 + 1; // after the opening tag of a pair
    else if (separator)
        result.caretBack = 1; // between the quotes
    return result;
}

} // namespace Assist
