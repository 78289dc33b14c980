#include "app/startup_splash.h"

#include "app/about_values.h"

#include <algorithm>

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPainter>
#include <QScreen>

TGauge::TGauge(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGauge::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    m_value = std::clamp(m_value, m_minimum, m_maximum);
    update();
}

void TGauge::setValue(int value)
{
    const int v = std::clamp(value, m_minimum, m_maximum);
    if (v == m_value)
        return;
    m_value = v;
    update();
}

void TGauge::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, palette().color(QPalette::Base));
    const int span = m_maximum - m_minimum;
    const int inner = r.width() - 4;
    const int filled = span > 0 ? int(qint64(inner) * (m_value - m_minimum) / span) : 0;
    if (filled > 0)
        p.fillRect(QRect(2, 2, filled, r.height() - 4), palette().color(QPalette::Highlight));
    // The sunken edge: dark above and left, light below and right.
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

QString ProductVersionString()
{
    return VersionText(QString::fromLatin1(VELLOMY_VERSION));
}

QString SupportAddress()
{
    return QStringLiteral("podpora@vellomy.cz");
}

TForm14::TForm14(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("Startup"));
    setFixedSize(400, 250);
    setAutoFillBackground(true);
    QPalette light = palette();
    light.setColor(QPalette::Window, QColor(0xF4, 0xF8, 0xFC));
    setPalette(light);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 400, 250);
    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap(QStringLiteral(":/pictures/splash.png")));

    auto *verze = new QLabel(QStringLiteral("verze"), this);
    QFont small(QStringLiteral("Arial"));
    small.setPixelSize(11);
    small.setBold(true);
    verze->setFont(small);
    verze->move(300, 77);
    verze->adjustSize();

    Label1 = new QLabel(ProductVersionString(), this);
    QFont big(QStringLiteral("Arial"));
    big.setPixelSize(13);
    big.setBold(true);
    Label1->setFont(big);
    Label1->move(336, 75);
    Label1->adjustSize();

    // The picture keeps a dark strip at the bottom for the white address.
    Label2 = new QLabel(SupportAddress(), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont address(QStringLiteral("Arial"));
    address.setPixelSize(11);
    address.setBold(true);
    Label2->setFont(address);
    QPalette white = Label2->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    Label2->setPalette(white);
    Label2->move(12, 231);
    Label2->adjustSize();

    Gauge1 = new TGauge(this);
    Gauge1->setGeometry(88, 200, 225, 17);
    Gauge1->setRange(0, 15);
    Gauge1->setValue(0);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect r = screen->geometry();
        move(r.center() - QPoint(width() / 2, height() / 2));
    }
    show();
}
