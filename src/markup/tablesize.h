// The table-size picker popup. Created once at start; it grows its controls
// as its part of the program is built.
#pragma once

#include <QWidget>

class TForm6 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm6(QWidget *parent = nullptr);
};
