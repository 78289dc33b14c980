#include "documents/file_filter.h"

#include "documents/working_copy.h"

namespace FileFilterText {

QList<QPair<QString, QString>> Pairs(const QString &filter)
{
    QList<QPair<QString, QString>> pairs;
    const QStringList parts = filter.split(u'|');
    if (filter.isEmpty())
        return pairs;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        pairs.append({parts[i], i + 1 < parts.size() ? parts[i + 1] : QString()});
    return pairs;
}

QStringList ToQtFilters(const QString &filter)
{
    QStringList out;
    for (const auto &[desc, patterns] : Pairs(filter)) {
        QStringList globs = patterns.split(u';', Qt::SkipEmptyParts);
        for (QString &g : globs) {
            g = g.trimmed();
            if (g == QStringLiteral("*.*"))
                g = QStringLiteral("*");
        }
        if (globs.isEmpty())
            globs << QStringLiteral("*");
        // Qt reads the patterns from the last parenthesised group; the dialog
        // hides that group, so the user sees the description as written.
        out << desc + QStringLiteral(" (") + globs.join(u' ') + QStringLiteral(")");
    }
    if (out.isEmpty())
        out << QStringLiteral("* (*)");
    return out;
}

} // namespace FileFilterText

QString AddExtensionFromFilter(const QString &fileName, const QString &filter, int filterIndex,
                               const QString &defaultExtension)
{
    if (ExtractFileName(fileName).contains(u'.'))
        return fileName;
    if (!filter.contains(u'|'))
        return fileName + QStringLiteral(".") + defaultExtension;
    const int wanted = 2 * (filterIndex - 1) + 1;
    int count = 0;
    QString ext;
    for (qsizetype i = 0; i < filter.size(); ++i) {
        if (filter[i] != u'|')
            continue;
        if (++count != wanted)
            continue;
        // Skip the "|" and the "*" of the first pattern; collect up to ";" or "|".
        for (qsizetype j = i + 2; j < filter.size(); ++j) {
            if (filter[j] == u';' || filter[j] == u'|')
                break;
            ext.append(filter[j]);
        }
        break;
    }
    if (ext.contains(u'*') || ext.size() > 5)
        ext = QStringLiteral(".") + defaultExtension;
    return fileName + ext;
}
