// The new image map dialog. Created once at start; it grows its controls
// as its part of the program is built.
#pragma once

#include <QDialog>

class TFNewMap : public QDialog
{
    Q_OBJECT

public:
    explicit TFNewMap(QWidget *parent = nullptr);
};
