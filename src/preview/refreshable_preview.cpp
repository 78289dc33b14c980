#include "preview/refreshable_preview.h"

TForm8::TForm8(QWidget *parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Obnovovaný Náhled"));
    setAccessibleName(windowTitle());
}
