#include "colours/edit_palette.h"

TForm10::TForm10(QWidget *parent) : QDialog(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Editovat Paletu"));
    setAccessibleName(windowTitle());
}
