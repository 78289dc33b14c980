// The splash shown while the windows are created, with its progress gauge.
#pragma once

#include <QWidget>

class QLabel;

// The splash's progress bar: a sunken frame filled from the left. Drawn by
// itself, so each step of the start repaints a few hundred pixels only.
class TGauge : public QWidget
{
public:
    explicit TGauge(QWidget *parent = nullptr);
    void setRange(int minimum, int maximum);
    void setValue(int value);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int value() const { return m_value; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_minimum = 0;
    int m_maximum = 100;
    int m_value = 0;
};

class TForm14 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm14(QWidget *parent = nullptr);

    QLabel *Image1 = nullptr; // the picture, stretched over the window
    TGauge *Gauge1 = nullptr;
    QLabel *Label1 = nullptr; // the product version
    QLabel *Label2 = nullptr; // the support address
};

// The product version as four numbers joined by dots, from the build.
QString ProductVersionString();
// The address users write to for support.
QString SupportAddress();
