#include "templates/template_file.h"

#include "colours/palette_file.h"
#include "conversion/text_file.h"
#include "errorreport/io_error.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace TemplateFile {

namespace {

const QString &Letters()
{
    static const QString letters = QStringLiteral("ajkpr");
    return letters;
}

QString ValueOf(QChar letter, const TTemplateFields &f)
{
    switch (letter.unicode()) {
    case u'a':
        return f.Author;
    case u'j':
        return f.Language;
    case u'k':
        return f.Keywords;
    case u'p':
        return f.Description;
    default:
        return f.Robots;
    }
}

// True when line holds one of the five placeholders at index i.
bool PlaceholderAt(const QString &line, qsizetype i)
{
    return i + 5 <= line.size() && line[i] == u'<' && line[i + 1] == u'*' && line[i + 3] == u'*'
        && line[i + 4] == u'>' && Letters().contains(line[i + 2]);
}

} // namespace

QString RobotsText(bool index, bool follow)
{
    return QString::fromLatin1(index ? "index," : "noindex,") + QString::fromLatin1(follow ? "follow" : "nofollow");
}

QSet<QChar> PlaceholdersIn(const QStringList &lines)
{
    QSet<QChar> found;
    for (const QString &line : lines)
        for (qsizetype i = 0; i + 5 <= line.size(); ++i)
            if (PlaceholderAt(line, i))
                found.insert(line[i + 2]);
    return found;
}

QString FillLine(const QString &line, const TTemplateFields &fields)
{
    for (qsizetype i = 0; i + 5 <= line.size(); ++i)
        if (PlaceholderAt(line, i))
            return line.left(i) + ValueOf(line[i + 2], fields) + line.mid(i + 5);
    return line;
}

QStringList Fill(const QStringList &templateLines, const TTemplateFields &fields)
{
    QStringList page;
    page.reserve(templateLines.size());
    for (const QString &line : templateLines)
        page << FillLine(line, fields);
    return page;
}

QList<TTemplateEntry> List(const QString &folder)
{
    QStringList files;
    for (const QFileInfo &info : QDir(folder).entryInfoList({QStringLiteral("*.vtq")}, QDir::Files))
        if (info.fileName().endsWith(QStringLiteral(".vtq"), Qt::CaseInsensitive))
            files << info.fileName();
    std::sort(files.begin(), files.end(), NaturalLess);
    QList<TTemplateEntry> entries;
    for (const QString &file : std::as_const(files)) {
        try {
            const TTextFileContent content = TextFile::Read(QDir(folder).filePath(file));
            entries << TTemplateEntry{file, content.lines.value(0)};
        } catch (const EInOutError &) {
            // An unreadable file is no template to offer.
        }
    }
    return entries;
}

QString NextTemplateName(const QString &folder)
{
    const QDir dir(folder);
    int n = int(dir.entryList({QStringLiteral("*.vtq")}, QDir::Files).size()) + 1;
    while (QFileInfo::exists(dir.filePath(QStringLiteral("Sablona%1.vtq").arg(n))))
        ++n;
    return QStringLiteral("Sablona%1.vtq").arg(n);
}

Codec::TextEncoding PageEncoding(const QStringList &templateLines, Codec::TextEncoding templateEncoding)
{
    if (templateEncoding != Codec::TextEncoding::Windows1250)
        return templateEncoding;
    static const QRegularExpression utf8(QStringLiteral("charset\\s*=\\s*[\"']?\\s*utf-8"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression xmlUtf8(QStringLiteral("<\\?xml[^>]*encoding\\s*=\\s*[\"']utf-8"),
                                            QRegularExpression::CaseInsensitiveOption);
    for (const QString &line : templateLines)
        if (line.contains(utf8) || line.contains(xmlUtf8))
            return Codec::TextEncoding::Utf8;
    return templateEncoding;
}

} // namespace TemplateFile
