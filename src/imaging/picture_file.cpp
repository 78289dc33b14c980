#include "imaging/picture_file.h"

#include <QImageReader>

using namespace Qt::StringLiterals;

namespace PictureFile {

QString OpenFilter()
{
    return u"Obrázky (*.gif;*.png;*.jpg;*.jpeg;*.bmp)|*.gif;*.png;*.jpg;*.jpeg;*.bmp"
           u"|Všechny soubory(*.*)|*.*"_s;
}

QImage Load(const QString &path, QString *error)
{
    QImageReader reader(path);
    // Browsers show a picture upright by its orientation tag; the area
    // coordinates refer to that picture.
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull() && error)
        *error = u"Obrázek "_s + path + u" nelze načíst: "_s + reader.errorString();
    return image;
}

} // namespace PictureFile
