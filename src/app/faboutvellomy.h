// The about box. Created once at start; it grows its controls
// as its part of the program is built.
#pragma once

#include <QDialog>

class TAboutVellomy : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutVellomy(QWidget *parent = nullptr);
};
