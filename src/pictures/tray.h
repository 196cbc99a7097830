#pragma once
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// A classic desktop with its task bar, and the notification area at the bar's right
// end with fifteen small icons (network, volume, the antivirus shield ...) and the
// clock. The icon zones are given in the tray picture's own coordinates so that a
// window lays its hot zones exactly over the icons.
namespace Tray {

constexpr QSize Size{305, 41};
constexpr int ZoneCount = 15;
constexpr int ZoneTop = 1;
constexpr int ZoneHeight = 26;
constexpr int FirstZoneLeft = 3;
constexpr int ZoneWidth = 18;
constexpr int ClockWidth = 40;
constexpr int TaskBarHeight = 30;
constexpr QSize StartButton{137, 25};

// Zone n (1 .. 15, left to right; 15 is the clock) in tray coordinates.
constexpr QRect zone(int n)
{
    return n < ZoneCount ? QRect(FirstZoneLeft + ZoneWidth * (n - 1), ZoneTop, ZoneWidth, ZoneHeight)
                         : QRect(FirstZoneLeft + ZoneWidth * (ZoneCount - 1) + 2, ZoneTop, ClockWidth, ZoneHeight);
}

// The notification area, its icons and the clock's time ("10:24").
void paintTray(QPainter &painter, const QSize &size, const QString &time);
// The whole desktop: wallpaper, a few icons, the task bar along the bottom with its
// start button at the left (StartButton large, two pixels above the bottom edge).
void paintDesktop(QPainter &painter, const QSize &size);
// The start button's rectangle on a desktop of that size.
QRect startButton(const QSize &desktop);
// The antivirus shield of the tray, also the antivirus window's emblem.
void paintAntivirusShield(QPainter &painter, const QRectF &rect);
}
