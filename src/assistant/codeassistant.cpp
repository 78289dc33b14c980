#include "assistant/codeassistant.h"

TCodeassistant::TCodeassistant(QWidget *parent) : QWidget(parent, Qt::ToolTip)
{
    setObjectName(QStringLiteral("Codeassistant"));
}
