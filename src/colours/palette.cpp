#include "colours/palette.h"

TForm9::TForm9(QWidget *parent) : QDialog(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Palety Barev"));
    setAccessibleName(windowTitle());
}
