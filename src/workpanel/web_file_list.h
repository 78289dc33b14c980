// The names the file manager lists in a folder: its web files, mask by mask.
#pragma once

#include <QString>
#include <QStringList>

namespace WebFileList {

// "*.htm", "*.js", "*.html", "*.php*", "*.vbs", "*.vpq", in this order.
const QStringList &Masks();

// For each mask in order, the files of folder matching it (letter case
// ignored, hidden files too, by name within a mask), except names ending
// with "~" (working copies). A name two masks match is listed twice.
QStringList Names(const QString &folder);

} // namespace WebFileList
