// The help window. Created once at start; it grows its controls
// as its part of the program is built.
#pragma once

#include <QDialog>

class TFHelpForm : public QDialog
{
    Q_OBJECT

public:
    explicit TFHelpForm(QWidget *parent = nullptr);
};
