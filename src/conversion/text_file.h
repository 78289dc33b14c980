// Reading and writing whole text files as lines, in a detected encoding.
#pragma once

#include "conversion/codec.h"

#include <QString>
#include <QStringList>
#include <optional>

struct TTextFileContent {
    QStringList lines;
    Codec::TextEncoding encoding = Codec::TextEncoding::Windows1250;
};

// A whole file as the editor takes it: lines joined by LF.
struct TTextFileText {
    QString text;
    Codec::TextEncoding encoding = Codec::TextEncoding::Windows1250;
};

namespace TextFile {

// Larger documents are refused: the editor would become unusable long before.
constexpr qint64 kMaxDocumentBytes = 64 * 1024 * 1024;

// Reads and decodes path, in the given encoding or the one its bytes show.
// Throws EInOutError when it cannot be read.
TTextFileContent Read(const QString &path,
                      std::optional<Codec::TextEncoding> encoding = std::nullopt);

// Read's lines as one text (Codec::JoinedLines), without a list of lines.
TTextFileText ReadJoined(const QString &path, std::optional<Codec::TextEncoding> encoding = std::nullopt);

// Writes each line followed by CR LF through a temporary file that replaces
// path only once it is complete. Throws EInOutError on failure, leaving path
// as it was.
void Write(const QString &path, const QStringList &lines, Codec::TextEncoding encoding);

// The program's own files are Windows-1250; a path or note holding a
// character the code page lacks is written as UTF-8 with its byte-order
// mark instead, so it reads back unchanged.
Codec::TextEncoding OwnFileEncoding(const QStringList &lines);

// Bytes that hold a NUL in their first 64 KiB are taken for a binary file.
bool LooksBinary(const QByteArray &bytes);

} // namespace TextFile
