#include "conversion/fileconvertor.h"

TFFileConvertor::TFFileConvertor(QWidget *parent) : QDialog(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("FFileConvertor"));
    setWindowTitle(QStringLiteral("Konvertor Souborů"));
    setAccessibleName(windowTitle());
}
