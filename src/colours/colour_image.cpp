#include "colours/colour_image.h"

#include <QMouseEvent>
#include <QPixmap>

TColourImage::TColourImage(QSize size, QWidget *parent) : QLabel(parent)
{
    setFixedSize(size);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_image = QImage(size, QImage::Format_RGB32);
    m_image.fill(Qt::black);
    setPixmap(QPixmap::fromImage(m_image));
}

void TColourImage::SetImage(const QImage &image)
{
    m_image = image.convertToFormat(QImage::Format_RGB32);
    setPixmap(QPixmap::fromImage(m_image));
}

void TColourImage::Fill(TColor colour)
{
    m_image.fill(TColors::ToQColor(colour));
    setPixmap(QPixmap::fromImage(m_image));
}

bool TColourImage::PixelAt(const QPoint &point, TColor *colour) const
{
    if (!m_image.rect().contains(point))
        return false;
    const QRgb rgb = m_image.pixel(point);
    *colour = TColor(qRed(rgb)) | TColor(qGreen(rgb)) << 8 | TColor(qBlue(rgb)) << 16;
    return true;
}

void TColourImage::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT MouseDown(event->position().toPoint());
}

void TColourImage::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT MouseMove(event->position().toPoint());
}

void TColourImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT MouseUp(event->position().toPoint());
}
