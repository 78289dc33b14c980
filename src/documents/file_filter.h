// The file-dialog filter text: "desc|*.a;*.b|desc|*.*" pairs.
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace FileFilterText {

inline const QString &Default()
{
    static const QString text = QStringLiteral(
        "Soubor HTML(*.htm;*.html)|*.htm;*.html|Skriptové Soubory(*.php;*.js;*.vbs)|*.php;*.js;*.vbs|"
        "Všechny Soubory(*.*)|*.*");
    return text;
}

// (description, pattern list) pairs, as the settings table shows them. A
// trailing description without patterns still forms a pair.
QList<QPair<QString, QString>> Pairs(const QString &filter);

// The Qt form for QFileDialog: "desc (*.a *.b);;desc (*)", one entry per
// pair, in the same order so entry indexes match.
QStringList ToQtFilters(const QString &filter);

} // namespace FileFilterText

// fileName with the extension of the chosen filter entry (index from 1) when
// it has none; "." + defaultExtension when the entry's pattern is a wildcard
// or the filter holds no "|".
QString AddExtensionFromFilter(const QString &fileName, const QString &filter, int filterIndex,
                               const QString &defaultExtension);
