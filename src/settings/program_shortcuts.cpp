#include "settings/program_shortcuts.h"

#include "conversion/text_file.h"

#include <QDir>
#include <QFileInfo>

namespace ProgramShortcuts {

QString None()
{
    return QStringLiteral("none");
}

QString DefaultFirstLine()
{
    return QStringLiteral("Vellomy - zástupci programů");
}

QStringList ReadLines(const QString &path)
{
    QStringList lines;
    if (QFileInfo::exists(path))
        lines = TextFile::Read(path).lines;
    if (lines.isEmpty())
        lines << DefaultFirstLine();
    while (lines.size() < ButtonCount + 1)
        lines << None();
    return lines;
}

QString Assignment(const QStringList &lines, int n)
{
    if (n < 1 || n > ButtonCount || n >= lines.size())
        return None();
    return lines.at(n);
}

void Assign(const QString &path, int n, const QString &value)
{
    if (n < 1 || n > ButtonCount)
        return;
    QStringList lines = ReadLines(path);
    lines[n] = value;
    QDir().mkpath(QFileInfo(path).absolutePath());
    TextFile::Write(path, lines, TextFile::OwnFileEncoding(lines));
}

} // namespace ProgramShortcuts
