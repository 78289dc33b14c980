// What the code assistant reads from the caret's line and the document: the
// word being typed, the context tests, the candidates and how a chosen word
// replaces the typed one. Pure functions over the line and a few facts.
#pragma once

#include "assistant/code_vocabulary.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace Assist {

// Columns count characters from 0; column is the caret's.

// Left of the caret up to the nearest space, ">" or "." (not included) or
// from the nearest "<" (included); the whole line up to the caret without any.
QString TypedWord(const QString &line, int column);
// Left of the caret up to the nearest space or ">" (not included).
QString PrefixText(const QString &line, int column);
// Inside an open "<" on the left and a closing ">" on the right; the
// character just left of the caret counts on neither side.
bool InsideTag(const QString &line, int column);
// An odd number of double quotes before the character just left of the caret.
bool InsideQuotes(const QString &line, int column);
// A document name ending in ".js", in any case.
bool IsScriptFileName(const QString &fileName);

// The facts about the caret that FillCandidates needs besides its line.
struct TContext {
    QString line;
    int column = 0;
    // The caret lies inside a "<SCRIPT" … "</SCRIPT>" block of the text.
    bool inScriptBlock = false;
    // The document's name ends in ".js".
    bool scriptFile = false;
    // The attribute names of the inspector's rows, in row order.
    QStringList inspectedAttributes;
    // Whether the text creates a variable (lower-cased name) with "new" and
    // a type (lower-cased); null means no variable is known.
    std::function<bool(const QString &name, const QString &type)> createdWithNew;
};

bool InScriptContext(const TContext &context);

// The words of vocabulary offered for typed at the caret, in vocabulary
// order (repeats possible); empty when nothing fits.
QStringList FillCandidates(const TCodeVocabulary &vocabulary, const TContext &context,
                           const QString &typed);

// How a chosen word lands on the caret's line: the span [start, start +
// length) of the line is replaced by text, and the caret ends caretBack
// characters before the end of text.
struct TInsertion {
    int start = 0;
    int length = 0;
    QString text;
    int caretBack = 0;
};

struct TInsertStyle {
    bool upperCase = true;      // tags and attributes in capitals
    bool paramSeparator = true; // attributes get ="" with the caret inside
};

// The replacement of the word typed left of column by entry. isCheck tells
// whether an attribute is a check attribute (written bare).
TInsertion PlanInsertion(const QString &line, int column, const TCodeVocabulary::TEntry &entry,
                         const TInsertStyle &style, bool isCheck);

// The variable of a member prefix such as "img.wi": the part before its last ".".
QString VariableOfPrefix(const QString &prefix);

} // namespace Assist
