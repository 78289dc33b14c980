#include "conversion/text_file.h"

#include "documents/durable_file.h"
#include "errorreport/io_error.h"

#include <QFile>

namespace TextFile {

namespace {

QByteArray ReadBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw EInOutError(path, f.errorString());
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw EInOutError(path, f.errorString());
    return bytes;
}

} // namespace

TTextFileText ReadJoined(const QString &path, std::optional<Codec::TextEncoding> encoding)
{
    const QByteArray bytes = ReadBytes(path);
    TTextFileText content;
    content.encoding = encoding ? *encoding : Codec::DetectEncoding(bytes);
    content.text = Codec::JoinedLines(Codec::Decode(bytes, content.encoding));
    return content;
}

TTextFileContent Read(const QString &path, std::optional<Codec::TextEncoding> encoding)
{
    const QByteArray bytes = ReadBytes(path);
    TTextFileContent content;
    content.encoding = encoding ? *encoding : Codec::DetectEncoding(bytes);
    content.lines = Codec::SplitLines(Codec::Decode(bytes, content.encoding));
    return content;
}

void Write(const QString &path, const QStringList &lines, Codec::TextEncoding encoding)
{
    DurableFile::Write(path, Codec::Encode(Codec::JoinLinesCrLf(lines), encoding));
}

Codec::TextEncoding OwnFileEncoding(const QStringList &lines)
{
    for (const QString &line : lines) {
        for (QChar c : line) {
            unsigned char b;
            if (!Codec::UnicodeToWin1250(c.unicode(), &b))
                return Codec::TextEncoding::Utf8Bom;
        }
    }
    return Codec::TextEncoding::Windows1250;
}

bool LooksBinary(const QByteArray &bytes)
{
    return bytes.left(64 * 1024).contains('\0');
}

} // namespace TextFile
