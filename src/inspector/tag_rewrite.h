// The tag inspector's text rules: finding the tag at the caret, finding an
// attribute in a tag's text, reading its value and rewriting it.
#pragma once

#include <QPair>
#include <QString>

// The characters before the first space or ">" (the whole text if it has
// neither). A "/" after the first character also ends the name, so "br/"
// names BR while "/p" stays the end tag it is.
QString TagNameOf(const QString &text);

// The 1-based position of the space before name in tag: " name " is tried
// first over the whole tag, then " name=", then " name>"; 0 when none occurs.
// Occurrences inside a double-quoted value do not count (an ALT text that
// holds the word "src" is no SRC attribute). Both arguments in lower case.
int FindAttribute(const QString &name, const QString &tag);

// The value of the attribute whose name ends just before index from
// (0-based) in tag: a quoted value without its quotes, an unquoted value up
// to the next space, empty for a bare attribute.
QString AttributeValueAfter(const QString &tag, int from);

// The value of attribute name (any case) in tag, as the inspector shows it;
// empty when absent.
QString AttributeValue(const QString &tag, const QString &name);

// The 1-based positions of the "<" and ">" around the 0-based caret column
// in line; both 0 when the caret is not inside a tag on that line.
QPair<int, int> FindTagAtCaret(const QString &line, int column);

struct TRewriteOptions {
    bool upperCase = false;     // attribute names written in capitals
    bool fullCheckForm = false; // an added check attribute as name="name"
};

// tag (the text between "<" and ">") with attribute name set to value.
// An ordinary attribute with an empty value is removed; a check attribute
// is present exactly when value is "Ano". A missing attribute is added at
// the end, before a closing "/". The whole old value goes, quoted or not.
QString ReplaceAttribute(const QString &tag, const QString &name, const QString &value,
                         bool isCheckAttribute, TRewriteOptions options);

// True when tag has no unterminated double-quoted value: a tag cut short by
// a ">" inside a value must not be rewritten.
bool QuotesBalanced(const QString &tag);
