// The splash shown while the windows are created, with its progress gauge.
#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

class TForm14 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm14(QWidget *parent = nullptr);

    QLabel *Image1 = nullptr; // the picture, stretched over the window
    QProgressBar *Gauge1 = nullptr;
    QLabel *Label1 = nullptr; // the product version
    QLabel *Label2 = nullptr; // the support address
};

// The product version as four numbers joined by dots, from the build.
QString ProductVersionString();
// The address users write to for support.
QString SupportAddress();
