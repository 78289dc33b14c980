// The external browsers dialog. Created once at start; it grows its controls
// as its part of the program is built.
#pragma once

#include <QDialog>

class TForm7 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm7(QWidget *parent = nullptr);
};
