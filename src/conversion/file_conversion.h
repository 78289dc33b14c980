// The converter's rules without its window: the list lines, the check for a
// byte-order mark and the copy of one file into the other encoding.
#pragma once

#include <QString>

namespace FileConversion {

// The list's line for an empty list.
QString NoFilesLine();

// "Unicode - " + path for a file with a byte-order mark, "Ascii   - " + path
// for any other; both prefixes are ten characters long.
QString ListLine(const QString &path, bool unicode);
// The path of a list line: the text from its tenth character on, trimmed.
QString PathOfListLine(const QString &line);

// True when the file starts with a byte-order mark (UTF-16 or UTF-8).
// Throws EGpTextFile when it cannot be opened.
bool IsUnicodeFile(const QString &path);

// outputDir followed by the file name of input, with a separator added when
// the folder lacks one.
QString TargetPath(const QString &outputDir, const QString &input);

// Whether writing target would overwrite input: the same absolute path, or
// the same file reached another way.
bool SameFile(const QString &input, const QString &target);

// Copies input line by line into target in the other encoding: 8-bit files
// become UTF-16 with FF FE, files with a mark become 8-bit text. At least one
// line is written. A file without a mark whose bytes are valid UTF-8 with
// non-ASCII text is read as UTF-8, not as 8-bit text. Throws EGpTextFile;
// target is then left as it was.
void ConvertFile(const QString &input, const QString &target);

} // namespace FileConversion
