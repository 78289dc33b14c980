#include "app/startup_splash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>

QString ProductVersionString()
{
    // The build's version has up to four parts; missing ones count as 0.
    QStringList parts = QString::fromLatin1(VELLOMY_VERSION).split(u'.');
    while (parts.size() < 4)
        parts << QStringLiteral("0");
    return parts.mid(0, 4).join(u'.');
}

TForm14::TForm14(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("Startup"));
    setFixedSize(400, 250);

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

    Gauge1 = new QProgressBar(this);
    Gauge1->setGeometry(88, 200, 225, 17);
    Gauge1->setTextVisible(false);
    Gauge1->setRange(0, 15);
    Gauge1->setValue(0);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect r = screen->geometry();
        move(r.center() - QPoint(width() / 2, height() / 2));
    }
    show();
}

void TForm14::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0xF4, 0xF8, 0xFC));
    g.setColorAt(1, QColor(0xC8, 0xDC, 0xF0));
    p.fillRect(rect(), g);
    p.setPen(QColor(0x1F, 0x3A, 0x5F));
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(44);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(30, 40, 260, 70), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Vellomy"));
    QFont sub(QStringLiteral("Arial"));
    sub.setPixelSize(13);
    p.setFont(sub);
    p.drawText(QRect(32, 110, 340, 24), Qt::AlignLeft,
               QStringLiteral("Editor webových stránek"));
}
