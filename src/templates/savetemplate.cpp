#include "templates/savetemplate.h"

TForm5::TForm5(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Uložit Šablonu"));
    setAccessibleName(windowTitle());
}
