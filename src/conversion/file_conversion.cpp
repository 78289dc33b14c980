#include "conversion/file_conversion.h"

#include "conversion/codec.h"
#include "conversion/gp_text_file.h"
#include "conversion/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace FileConversion {

QString NoFilesLine()
{
    return QStringLiteral("Žádné");
}

QString ListLine(const QString &path, bool unicode)
{
    return (unicode ? QStringLiteral("Unicode - ") : QStringLiteral("Ascii   - ")) + path;
}

QString PathOfListLine(const QString &line)
{
    return line.mid(9).trimmed();
}

bool IsUnicodeFile(const QString &path)
{
    TGpTextFile file(path);
    file.OpenForReading();
    const bool unicode = file.UnicodeFile();
    file.Close();
    return unicode;
}

QString TargetPath(const QString &outputDir, const QString &input)
{
    QString dir = outputDir;
    if (!dir.isEmpty() && !dir.endsWith(u'/') && !dir.endsWith(u'\\'))
        dir += u'/';
    return dir + QFileInfo(input).fileName();
}

bool SameFile(const QString &input, const QString &target)
{
    const QFileInfo in(input);
    const QFileInfo out(target);
    if (QDir::cleanPath(in.absoluteFilePath()) == QDir::cleanPath(out.absoluteFilePath()))
        return true;
    // A link or another spelling of the same folder reaches the same file.
    return out.exists() && in.canonicalFilePath() == out.canonicalFilePath();
}

namespace {

// Only to tell valid UTF-8 from 8-bit text; what cannot be read here fails
// properly in OpenForReading. Very large files stay 8-bit text.
bool LooksUtf8WithoutMark(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() > TextFile::kMaxDocumentBytes)
        return false;
    return Codec::DetectEncoding(f.readAll()) == Codec::TextEncoding::Utf8;
}

} // namespace

void ConvertFile(const QString &input, const QString &target)
{
    // A byte-order mark decides over the code page asked for here.
    TGpTextFile in(input, LooksUtf8WithoutMark(input) ? GpCodePage::Utf8 : 0);
    in.OpenForReading();
    TGpTextFile out(target);
    out.CreateForWriting(!in.UnicodeFile());
    do
        out.WriteLine(in.ReadLine());
    while (!in.AtEnd());
    in.Close();
    out.Close();
}

} // namespace FileConversion
