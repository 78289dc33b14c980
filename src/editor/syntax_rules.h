// Syntax colouring rules: the classification of one line of a page or
// script, given the state the previous line ended in. No widgets here; the
// highlighter only maps the classes to formats.
#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

// What a character is, for colouring.
enum class TSyntaxClass : std::uint8_t {
    Plain,          // text, or code that is none of the below
    Tag,            // "<", the tag name, "/", ">"
    AttributeName,
    AttributeValue, // with its quotes
    Entity,         // "&amp;", "&#160;", "&#xA0;"
    Comment,        // HTML, script and style comments
    Keyword,        // JavaScript, VBScript and PHP keywords
    String,         // script and style strings
    Number,
    Variable,       // PHP "$name"
    Selector,       // CSS selectors (outside braces)
    Property,       // CSS property names (inside braces, before ":")
    Delimiter,      // "<?", "<?php", "<?=", "?>"
    Count
};

// How a whole document is read: a page (HTML with its script and style
// blocks and PHP), or a document that is all script or all style.
enum class TSyntaxKind { Html, JavaScript, Css, Php };

// The kind for a document path by its extension (.js, .css, .php, .php3-5,
// .phtml; any other is a page). Letter case does not matter.
TSyntaxKind SyntaxKindForPath(const QString &path);

// The state before the first line of a document of kind.
int InitialSyntaxState(TSyntaxKind kind);

// Classifies every character of line (no line break in it) into out, which
// has room for line.size() entries, starting in state (an earlier return
// value, or InitialSyntaxState). Returns the state at the end of the line.
// Linear in the line's length and allocation-free.
int ClassifyLine(QStringView line, int state, TSyntaxKind kind, TSyntaxClass *out);
