#include "conversion/text_file.h"

#include "errorreport/io_error.h"

#include <QFile>
#include <QSaveFile>

namespace TextFile {

TTextFileContent Read(const QString &path, std::optional<Codec::TextEncoding> encoding)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw EInOutError(path, f.errorString());
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw EInOutError(path, f.errorString());
    TTextFileContent content;
    content.encoding = encoding ? *encoding : Codec::DetectEncoding(bytes);
    content.lines = Codec::SplitLines(Codec::Decode(bytes, content.encoding));
    return content;
}

void Write(const QString &path, const QStringList &lines, Codec::TextEncoding encoding)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        throw EInOutError(path, f.errorString());
    const QByteArray bytes = Codec::Encode(Codec::JoinLinesCrLf(lines), encoding);
    if (f.write(bytes) != bytes.size()) {
        const QString msg = f.errorString();
        f.cancelWriting();
        throw EInOutError(path, msg);
    }
    if (!f.commit())
        throw EInOutError(path, f.errorString());
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
