#include "shell/tsplash.h"

#include "pictures/pictures.h"
#include "widgets/windowplacement.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QTimer>

Tsplash::Tsplash()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("splash"));
    setFixedSize(500, 398);
    centreOnScreen(this);
}

void Tsplash::showFor(int ms)
{
    show();
    raise();
    repaint();
    QEventLoop wait;
    QTimer::singleShot(ms, &wait, &QEventLoop::quit);
    wait.exec();
}

void Tsplash::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, Pictures::get(QStringLiteral("Tsplash/Image1")));
}
