// Byte <-> text conversion for documents and the program's own files.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Codec {

// How a document's bytes are read and written back.
enum class TextEncoding {
    Windows1250, // the program's 8-bit code page; every byte maps to one character
    Utf8,        // valid UTF-8 holding non-ASCII text, no byte-order mark
    Utf8Bom,     // UTF-8 that started with a byte-order mark (kept on writing)
};

// The 256-entry table: byte -> character. The five bytes that Windows-1250
// leaves unassigned map to the C1 controls of the same value, so any byte
// sequence survives a decode and encode unchanged.
char16_t Win1250ToUnicode(unsigned char byte);

// Character -> byte; returns false for a character the code page cannot hold.
bool UnicodeToWin1250(char16_t ch, unsigned char *byte);

QString DecodeWin1250(const QByteArray &bytes);

// Characters outside the code page are written as HTML numeric character
// references ("&#8364;" style), so a page keeps its meaning instead of
// losing the character to a question mark.
QByteArray EncodeWin1250(const QString &text);

// UTF-8 when the bytes start with its byte-order mark, or are valid UTF-8 and
// hold at least one non-ASCII byte; Windows-1250 otherwise.
TextEncoding DetectEncoding(const QByteArray &bytes);

QString Decode(const QByteArray &bytes, TextEncoding encoding);
QByteArray Encode(const QString &text, TextEncoding encoding);
// The editor's own text (U+2029 between lines) as a file's bytes: every
// line, the last one too, ends with CR LF; an empty text gives no bytes.
// Windows-1250 is written in one pass without an intermediate copy.
QByteArray EncodeEditorText(const QString &rawText, TextEncoding encoding);

// Splits text into lines the way a line list loads a file: CR LF, CR and LF
// each end a line; a break at the very end adds no empty line.
QStringList SplitLines(const QString &text);

// The same lines joined by LF in one string, as an editor loads them: every
// break becomes one LF and a break at the very end goes. Done in place, so a
// long page is not cut into a list of lines and joined again.
QString JoinedLines(QString text);

// Each line followed by CR LF.
QString JoinLinesCrLf(const QStringList &lines);

} // namespace Codec
