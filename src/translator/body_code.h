// The text side of the HTML Translator: the document given to the visual
// editor and the BODY code taken back from it. Pure text functions.
#pragma once

#include <QString>

// The whole document for the visual editor: a fixed head, a BODY tag with
// the background and link colours, the code, the closing tags.
QString VisualDocument(const QString &bgColour, const QString &linkColour, const QString &code);

// The content of the BODY element: the head up to the BODY tag's ">" and
// everything from "</BODY>" on removed, and the visual editor's DOCTYPE line.
QString ExtractBody(const QString &html);

// Unquoted attribute values get double quotes; tag text outside quoted
// values is put in upper or lower case (letters A to Z only).
QString NormalizeMarkup(const QString &text, bool upperCase);

// "<STRONG>" pairs become "<B>" pairs unless useStrong, "<EM>" pairs "<I>"
// pairs unless useEm (exact case: other spellings stay as they are; an
// opening tag with attributes changes with its end tag).
QString ApplyEmphasisStyle(const QString &text, bool useStrong, bool useEm);

// The whole pull: ExtractBody, the emphasis style, NormalizeMarkup, and an
// empty first line removed.
QString BodyCodeFromDocument(const QString &html, bool useStrong, bool useEm, bool upperCase);

// The name of one of the sixteen colours for its exact "#RRGGBB" text (upper
// case); any other text as it is.
QString DisplayColourName(const QString &colour);

// html with ' BACKGROUND="picture"' right after its first "<BODY"; unchanged
// without one.
QString WithBackgroundPicture(const QString &html, const QString &picture);
