#include "pictures/photos.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace Photos {

namespace {
void paintCloud(QPainter &p, const QPointF &centre, qreal w, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const qreal h = w * 0.16;
    p.drawEllipse(QPointF(centre.x(), centre.y()), w * 0.5, h * 0.5);
    p.drawEllipse(QPointF(centre.x() - w * 0.18, centre.y() - h * 0.35), w * 0.22, h * 0.5);
    p.drawEllipse(QPointF(centre.x() + w * 0.12, centre.y() - h * 0.45), w * 0.26, h * 0.6);
}
}

void paintSunset(QPainter &p, const QRect &rect)
{
    p.save();
    p.setClipRect(rect);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal x = rect.left(), y = rect.top(), w = rect.width(), h = rect.height();
    const qreal horizon = y + h * 0.58;

    QLinearGradient sky(0, y, 0, horizon);
    sky.setColorAt(0.0, QColor(38, 52, 120));
    sky.setColorAt(0.45, QColor(196, 86, 110));
    sky.setColorAt(0.8, QColor(246, 150, 70));
    sky.setColorAt(1.0, QColor(253, 206, 110));
    p.fillRect(QRectF(x, y, w, horizon - y), sky);

    const QPointF sun(x + w * 0.6, horizon - h * 0.02);
    const qreal sunRadius = h * 0.1;
    QRadialGradient glow(sun, sunRadius * 3.2);
    glow.setColorAt(0.0, QColor(255, 240, 180, 200));
    glow.setColorAt(1.0, QColor(255, 200, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sun, sunRadius * 3.2, sunRadius * 3.2);
    p.setBrush(QColor(255, 236, 160));
    p.drawEllipse(sun, sunRadius, sunRadius);

    paintCloud(p, QPointF(x + w * 0.22, y + h * 0.16), w * 0.3, QColor(150, 80, 120, 200));
    paintCloud(p, QPointF(x + w * 0.78, y + h * 0.26), w * 0.24, QColor(232, 120, 100, 190));
    paintCloud(p, QPointF(x + w * 0.42, y + h * 0.36), w * 0.2, QColor(250, 170, 110, 170));

    QLinearGradient sea(0, horizon, 0, y + h);
    sea.setColorAt(0.0, QColor(200, 110, 80));
    sea.setColorAt(0.3, QColor(70, 60, 110));
    sea.setColorAt(1.0, QColor(20, 30, 70));
    p.fillRect(QRectF(x, horizon, w, y + h - horizon), sea);

    // The sun's reflection: short bright strokes, wider towards the shore.
    p.setBrush(QColor(255, 214, 140, 210));
    for (int i = 0; i < 14; ++i) {
        const qreal t = i / 13.0;
        const qreal ry = horizon + 4 + t * (h * 0.4);
        const qreal half = sunRadius * (0.5 + t * 1.4) * (i % 2 ? 0.7 : 1.0);
        p.drawRoundedRect(QRectF(sun.x() - half, ry, half * 2, 2.5 + t * 3), 2, 2);
    }
    // Small waves across the sea.
    p.setPen(QPen(QColor(255, 190, 150, 90), std::max(1.0, h / 300)));
    for (int i = 0; i < 18; ++i) {
        const qreal wx = x + std::fmod(i * w * 0.37, w);
        const qreal wy = horizon + 10 + (i * 13 % 40) / 40.0 * h * 0.38;
        p.drawLine(QPointF(wx, wy), QPointF(wx + w * 0.05, wy));
    }

    // A dark headland on the left with a lighthouse.
    QPainterPath land;
    land.moveTo(x, horizon - h * 0.12);
    land.cubicTo(x + w * 0.12, horizon - h * 0.14, x + w * 0.2, horizon - h * 0.04, x + w * 0.32, horizon + h * 0.02);
    land.lineTo(x + w * 0.32, horizon + h * 0.06);
    land.lineTo(x, horizon + h * 0.1);
    land.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 26, 40));
    p.drawPath(land);
    const QRectF tower(x + w * 0.08, horizon - h * 0.25, w * 0.025, h * 0.12);
    p.drawRect(tower);
    p.setBrush(QColor(255, 230, 150));
    p.drawEllipse(QPointF(tower.center().x(), tower.top() - h * 0.01), w * 0.01, w * 0.01);
    p.restore();
}

QImage sunset(const QSize &size, int brightnessLevel)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter p(&image);
        paintSunset(p, QRect(QPoint(0, 0), size));
    }
    const int level = std::clamp(brightnessLevel, BrightestLevel, DarkestLevel);
    // Each level one step of the brightness buttons: a gain and a shift together,
    // so that even the white sun moves between levels.
    const int step = 3 - level;   // +2 .. -2
    const double gain = 1.0 + 0.14 * step;
    const int shift = 22 * step;
    for (int row = 0; row < image.height(); ++row) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(row));
        for (int col = 0; col < image.width(); ++col) {
            const QRgb c = line[col];
            auto channel = [&](int v) { return std::clamp(int(v * gain) + shift, 0, 255); };
            line[col] = qRgb(channel(qRed(c)), channel(qGreen(c)), channel(qBlue(c)));
        }
    }
    return image;
}
}
