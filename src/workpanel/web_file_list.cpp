#include "workpanel/web_file_list.h"

#include <QDir>

namespace WebFileList {

const QStringList &Masks()
{
    static const QStringList masks = {
        QStringLiteral("*.htm"), QStringLiteral("*.js"),  QStringLiteral("*.html"),
        QStringLiteral("*.php*"), QStringLiteral("*.vbs"), QStringLiteral("*.vpq"),
    };
    return masks;
}

QStringList Names(const QString &folder)
{
    QStringList names;
    const QDir dir(folder);
    for (const QString &mask : Masks()) {
        // Files only: a folder called "x.htm" is no page to open.
        const QStringList found = dir.entryList({mask}, QDir::Files | QDir::Hidden | QDir::System,
                                                QDir::Name | QDir::IgnoreCase);
        for (const QString &name : found) {
            if (!name.endsWith(u'~'))
                names << name;
        }
    }
    return names;
}

} // namespace WebFileList
