// Pictures for the program's picture controls (GIF, PNG, JPEG, bitmap),
// decoded by Qt's image plugins at their own size.
#pragma once

#include <QImage>
#include <QString>

namespace PictureFile {

// The filter of the picture-open dialog, in the stored "desc|*.a;*.b" form.
QString OpenFilter();

// Decodes path. A null image and a Czech reason in *error when the file is
// no picture that can be read.
QImage Load(const QString &path, QString *error = nullptr);

} // namespace PictureFile
