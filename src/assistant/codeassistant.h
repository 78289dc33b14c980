// The code assistant's completion popup. Created once at start; it grows its controls
// as its part of the program is built.
#pragma once

#include <QWidget>

class TCodeassistant : public QWidget
{
    Q_OBJECT

public:
    explicit TCodeassistant(QWidget *parent = nullptr);
};
