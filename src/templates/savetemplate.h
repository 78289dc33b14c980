// The name prompt, first used to save a page as a template. Created once at start; it grows its controls
// as its part of the program is built.
#pragma once

#include <QDialog>

class TForm5 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm5(QWidget *parent = nullptr);
};
