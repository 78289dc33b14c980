#include "preview/externalbrowsers.h"

TForm7::TForm7(QWidget *parent) : QDialog(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Externí Prohlížeče"));
    setAccessibleName(windowTitle());
}
