// Letter-case changes of markup and of selected text.
#pragma once

#include <QString>

namespace CaseConversion {

// Tag names, attribute names and unquoted values to upper or lower case;
// text between tags, double-quoted values, event attribute names, comments
// and script and style blocks stay as they are. Only A-Z and a-z change.
QString ConvertTags(const QString &text, bool upper);

// Every letter A-Z / a-z of text to upper or lower case; other characters stay.
QString ChangeLetters(const QString &text, bool upper);

} // namespace CaseConversion

// The commands: on the editor of the shown tab, around undo snapshots.
void ConvertTagCase(bool upper);
void ChangeTextCase(bool upper);
