#include "templates/newfiledialog.h"

TForm4::TForm4(QWidget *parent) : QDialog(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Vytvořit Nový Soubor"));
    setAccessibleName(windowTitle());
}
