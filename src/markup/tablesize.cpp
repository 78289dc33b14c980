#include "markup/tablesize.h"

TForm6::TForm6(QWidget *parent) : QWidget(parent, Qt::Popup)
{
    setObjectName(QStringLiteral("Form6"));
}
