// The image map editor. Created once at start; it grows its controls
// as its part of the program is built.
#pragma once

#include <QDialog>

class TFMapcreate : public QDialog
{
    Q_OBJECT

public:
    explicit TFMapcreate(QWidget *parent = nullptr);
};
