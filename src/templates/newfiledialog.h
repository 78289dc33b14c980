// The new-file dialog. Created once at start; it grows its controls
// as its part of the program is built.
#pragma once

#include <QDialog>

class TForm4 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm4(QWidget *parent = nullptr);
};
