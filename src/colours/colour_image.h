// A picture control for the palette windows: shows an image at its own size
// and reports the mouse with the pixel's colour under it.
#pragma once

#include "colours/tcolor.h"

#include <QImage>
#include <QLabel>

class TColourImage : public QLabel
{
    Q_OBJECT

public:
    explicit TColourImage(QSize size, QWidget *parent = nullptr);

    void SetImage(const QImage &image);
    const QImage &Image() const { return m_image; }
    // Fills the whole picture with one colour (the swatches).
    void Fill(TColor colour);
    // The colour of pixel (x, y); false for a point outside the picture.
    bool PixelAt(const QPoint &point, TColor *colour) const;

Q_SIGNALS:
    void MouseDown(const QPoint &point);
    void MouseMove(const QPoint &point);
    void MouseUp(const QPoint &point);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_image;
};
