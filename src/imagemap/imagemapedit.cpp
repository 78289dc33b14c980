#include "imagemap/imagemapedit.h"

TFMapcreate::TFMapcreate(QWidget *parent) : QDialog(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("FMapcreate"));
    setWindowTitle(QStringLiteral("Editor Image Mapy"));
    setAccessibleName(windowTitle());
}
