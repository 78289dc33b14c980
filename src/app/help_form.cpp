#include "app/help_form.h"

TFHelpForm::TFHelpForm(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FHelpForm"));
    setWindowTitle(QStringLiteral("Nápověda"));
    setAccessibleName(windowTitle());
}
