#include "imagemap/imagemapcreate.h"

TFNewMap::TFNewMap(QWidget *parent) : QDialog(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("FNewMap"));
    setWindowTitle(QStringLiteral("Vytvořit Image Mapu"));
    setAccessibleName(windowTitle());
}
