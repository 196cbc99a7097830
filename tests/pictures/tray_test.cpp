// The notification area: fifteen zones side by side, each over a drawn icon.
#include "pictures/tray.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

TEST(Tray, ZonesLieSideBySideInsideThePicture)
{
    const QRect picture(QPoint(0, 0), Tray::Size);
    for (int n = 1; n <= Tray::ZoneCount; ++n) {
        const QRect zone = Tray::zone(n);
        EXPECT_TRUE(picture.contains(zone)) << n;
        EXPECT_GE(zone.width(), 18) << n;
        EXPECT_LE(zone.width(), 40) << n;
        EXPECT_EQ(zone.height(), 26) << n;
        if (n > 1) {
            EXPECT_FALSE(zone.intersects(Tray::zone(n - 1))) << n;
            EXPECT_GT(zone.left(), Tray::zone(n - 1).left()) << n;
        }
    }
    EXPECT_EQ(Tray::zone(Tray::ZoneCount).width(), Tray::ClockWidth);
}

TEST(Tray, EveryZoneShowsSomethingToPointAt)
{
    QImage image(Tray::Size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    Tray::paintTray(p, Tray::Size, QStringLiteral("10:24"));
    p.end();
    // The bar is shaded from top to bottom only: a pixel unlike its row's ground is ink.
    for (int n = 1; n <= Tray::ZoneCount; ++n) {
        const QRect zone = Tray::zone(n);
        int ink = 0;
        for (int y = zone.top(); y <= zone.bottom(); ++y)
            for (int x = zone.left(); x <= zone.right(); ++x)
                ink += image.pixel(x, y) != image.pixel(2, y);
        EXPECT_GT(ink, 25) << "zone " << n << " looks empty";
    }
}
