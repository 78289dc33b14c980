#include "documents/project_file.h"

#include "conversion/text_file.h"
#include "errorreport/io_error.h"

#include <QDir>
#include <QFileInfo>

namespace ProjectFile {

namespace {

QString Normalised(QString path)
{
    path.replace(u'\\', u'/');
    return path;
}

bool IsAbsoluteStored(const QString &stored)
{
    if (stored.startsWith(u'/') || stored.startsWith(u'\\'))
        return true;
    // A drive letter: "C:\..." or "C:/...".
    return stored.size() >= 3 && stored[0].isLetter() && stored[1] == u':'
           && (stored[2] == u'\\' || stored[2] == u'/');
}

} // namespace

QString RelativePath(const QString &projectPath, const QString &document)
{
    const QString dir = QFileInfo(projectPath).absolutePath();
    const QString doc = QFileInfo(document).absoluteFilePath();
    const QStringList a = dir.split(u'/', Qt::SkipEmptyParts);
    const QStringList b = doc.split(u'/', Qt::SkipEmptyParts);
    qsizetype common = 0;
    while (common < a.size() && common < b.size() - 1 && a[common] == b[common])
        ++common;
    if (common == 0 && !a.isEmpty())
        return doc;
    return QDir(dir).relativeFilePath(doc);
}

QString ResolvePath(const QString &projectPath, const QString &stored)
{
    const QString s = Normalised(stored);
    if (IsAbsoluteStored(stored))
        return s;
    return QDir::cleanPath(QFileInfo(projectPath).absolutePath() + u'/' + s);
}

void Write(const QString &projectPath, const TProjectFile &project)
{
    QStringList lines;
    lines << QString::number(project.documents.size());
    for (const QString &d : project.documents)
        lines << RelativePath(projectPath, d);
    lines << project.notes;
    TextFile::Write(projectPath, lines, TextFile::OwnFileEncoding(lines));
}

bool Read(const QString &projectPath, TProjectFile *project, QString *error)
{
    TTextFileContent content;
    try {
        content = TextFile::Read(projectPath);
    } catch (const EInOutError &e) {
        *error = QStringLiteral("Projekt ") + projectPath + QStringLiteral(" nelze přečíst.\n") + e.systemMessage();
        return false;
    }
    const QStringList &lines = content.lines;
    bool ok = false;
    const int count = lines.isEmpty() ? 0 : lines[0].trimmed().toInt(&ok);
    if (!ok || count < 0 || count > lines.size() - 1) {
        *error = QStringLiteral("Soubor ") + projectPath + QStringLiteral(" není platný projekt: první řádek musí udávat počet souborů.");
        return false;
    }
    if (count == 0) {
        *error = QStringLiteral("Projekt ") + projectPath + QStringLiteral(" neobsahuje žádné soubory.");
        return false;
    }
    project->documents.clear();
    QStringList missing;
    for (int i = 1; i <= count; ++i) {
        const QString doc = ResolvePath(projectPath, lines[i]);
        if (!QFileInfo(doc).isFile())
            missing << doc;
        project->documents << doc;
    }
    if (!missing.isEmpty()) {
        *error = QStringLiteral("Projekt ") + projectPath + QStringLiteral(" nelze otevřít, tyto soubory v něm uvedené neexistují:\n")
                 + missing.join(u'\n');
        return false;
    }
    project->notes = lines.mid(count + 1);
    return true;
}

} // namespace ProjectFile
