#include "pictures/kit.h"
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <functional>
using namespace PictureKit;
static void one(const char *name, std::function<void(QPainter&)> f)
{
    QImage img(300, 300, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(118, 124, 152));
    QPainter p(&img);
    f(p);
    p.end();
    img.save(QString("/tmp/kd_%1.png").arg(name));
}
TEST(Demo, Each)
{
    one("tabs", [](QPainter &p) { paintTabs(p, QRect(20, 20, 250, 26), {"Général", "Sécurité"}, 0); });
    one("tabw", [](QPainter &p) { paintTabWidget(p, QRect(20, 20, 250, 150), {"Général", "Sécurité"}, 0); });
    one("scroll", [](QPainter &p) { paintScrollBar(p, QRect(100, 20, 16, 200), Qt::Vertical, 0.3, 0.4); });
    one("spin", [](QPainter &p) { paintSpinBox(p, QRect(20, 20, 80, 26), "2"); });
}
