// The refreshable preview window. Created once at start; it grows its controls
// as its part of the program is built.
#pragma once

#include <QWidget>

class TForm8 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm8(QWidget *parent = nullptr);
};
