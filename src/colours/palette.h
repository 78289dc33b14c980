// The colour palettes window. Created once at start; it grows its controls
// as its part of the program is built.
#pragma once

#include <QDialog>

class TForm9 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm9(QWidget *parent = nullptr);
};
