// The palette editor. Created once at start; it grows its controls
// as its part of the program is built.
#pragma once

#include <QDialog>

class TForm10 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm10(QWidget *parent = nullptr);
};
