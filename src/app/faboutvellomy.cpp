#include "app/faboutvellomy.h"

TAboutVellomy::TAboutVellomy(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("AboutVellomy"));
    setWindowTitle(QStringLiteral("O Programu Vellomy"));
    setAccessibleName(windowTitle());
}
