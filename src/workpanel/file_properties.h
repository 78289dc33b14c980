// The program's own file-information sheet (name, folder, size, dates, access).
#pragma once

#include <QString>

class QWidget;

// Shows the sheet modally for path.
void ShowFileProperties(const QString &path, QWidget *parent);

// The rows of the sheet as (caption, value), for the sheet and its tests.
QList<QPair<QString, QString>> FilePropertyRows(const QString &path);
