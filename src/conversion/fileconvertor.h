// The file converter. Created once at start; it grows its controls
// as its part of the program is built.
#pragma once

#include <QDialog>

class TFFileConvertor : public QDialog
{
    Q_OBJECT

public:
    explicit TFFileConvertor(QWidget *parent = nullptr);
};
