#include "shell/programicon.h"

#include "pictures/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace {
// The home screen's yellow, lit from above.
const QColor TileTop(255, 246, 150);
const QColor TileBottom(0xD0, 0xC6, 0x3E);
const QColor TileEdge(128, 116, 20);
const QColor TickGreen(20, 150, 40);

// Small icons put their edges on whole pixels; large ones on half pixels so that
// a one-pixel outline stays crisp.
qreal snap(qreal v, qreal s) { return s <= 32 ? std::round(v) : std::round(v) + 0.5; }

void paintTile(QPainter &painter, qreal s)
{
    const qreal margin = s <= 24 ? 0.5 : std::round(s / 32.0) + 0.5;
    const QRectF tile(margin, margin, s - 2 * margin, s - 2 * margin);
    const qreal radius = std::max(2.5, s * 0.18);
    if (s > 24) {   // a soft shadow under the tile
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 40));
        painter.drawRoundedRect(tile.translated(0, s / 64.0 + 0.5), radius, radius);
    }
    QLinearGradient light(tile.topLeft(), tile.bottomLeft());
    light.setColorAt(0, TileTop);
    light.setColorAt(1, TileBottom);
    painter.setPen(QPen(TileEdge, s <= 48 ? 1.0 : s / 48.0));
    painter.setBrush(light);
    painter.drawRoundedRect(tile, radius, radius);
    if (s >= 48) {   // a gloss along the top
        QLinearGradient gloss(tile.topLeft(), QPointF(tile.left(), tile.top() + tile.height() * 0.45));
        gloss.setColorAt(0, QColor(255, 255, 255, 120));
        gloss.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(gloss);
        painter.drawRoundedRect(tile.adjusted(s / 32, s / 32, -s / 32, -tile.height() * 0.55), radius * 0.8, radius * 0.8);
    }
}

void paintMarble(QPainter &painter, const QRectF &r, qreal s)
{
    const qreal w = r.width();
    const QPointF c = r.center();
    QPainterPath ball;
    ball.addEllipse(r);
    painter.setPen(Qt::NoPen);
    if (s > 24) {
        painter.setBrush(QColor(0, 0, 0, 50));
        painter.drawEllipse(r.translated(w * 0.03, w * 0.05));
    }
    QRadialGradient glass(c.x() - w * 0.1, c.y() - w * 0.12, w * 0.65);
    glass.setColorAt(0, QColor(170, 240, 255));
    glass.setColorAt(0.55, QColor(40, 150, 230));
    glass.setColorAt(1, QColor(10, 50, 140));
    painter.setBrush(glass);
    painter.drawPath(ball);

    // The swirls inside the glass: one at the smallest sizes, three above.
    painter.save();
    painter.setClipPath(ball);
    auto at = [&](qreal fx, qreal fy) { return QPointF(r.left() + fx * w, r.top() + fy * w); };
    QPainterPath swirl(at(0.05, 0.62));
    swirl.cubicTo(at(0.3, 0.3), at(0.55, 0.85), at(0.95, 0.45));
    QPen orange(QColor(255, 140, 30, 235), std::max(1.5, w * 0.16));
    orange.setCapStyle(Qt::RoundCap);
    painter.setPen(orange);
    painter.drawPath(swirl);
    if (s >= 32) {
        QPen yellow(QColor(255, 230, 80, 220), w * 0.07);
        yellow.setCapStyle(Qt::RoundCap);
        painter.setPen(yellow);
        painter.drawPath(swirl.translated(0, -w * 0.03));
        QPainterPath second(at(0.2, 0.15));
        second.cubicTo(at(0.45, 0.35), at(0.35, 0.6), at(0.65, 0.95));
        QPen red(QColor(230, 40, 90, 170), w * 0.08);
        red.setCapStyle(Qt::RoundCap);
        painter.setPen(red);
        painter.drawPath(second);
    }
    painter.restore();

    // A darker rim and the reflection of the window.
    QRadialGradient rim(c, w / 2);
    rim.setColorAt(0.75, QColor(0, 0, 0, 0));
    rim.setColorAt(1, QColor(0, 20, 70, s <= 24 ? 170 : 120));
    painter.setPen(Qt::NoPen);
    painter.setBrush(rim);
    painter.drawPath(ball);
    QRadialGradient shine(r.left() + w * 0.36, r.top() + w * 0.26, w * 0.28);
    shine.setColorAt(0, QColor(255, 255, 255, 245));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setBrush(shine);
    painter.drawEllipse(QRectF(r.left() + w * 0.14, r.top() + w * 0.08, w * 0.46, w * 0.34));
    if (s >= 48) {
        painter.setBrush(QColor(255, 255, 255, 90));
        painter.drawEllipse(QRectF(r.left() + w * 0.58, r.top() + w * 0.7, w * 0.2, w * 0.1));
    }
    if (s <= 24) {   // a hard outline keeps the marble round against the tile
        painter.setPen(QPen(QColor(10, 40, 110), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(r);
    }
}

void paintTick(QPainter &painter, qreal s)
{
    // A check mark over the marble's lower right, white-edged so that it reads on
    // glass and tile alike.
    const QPointF a(snap(s * 0.45, s), snap(s * 0.65, s));
    const QPointF b(snap(s * 0.60, s), snap(s * 0.80, s));
    const QPointF d(snap(s * 0.86, s), snap(s * 0.42, s));
    QPainterPath tick(a);
    tick.lineTo(b);
    tick.lineTo(d);
    const qreal width = std::max(2.0, s * 0.09);
    QPen edge(Qt::white, width + std::max(2.0, s * 0.05));
    edge.setCapStyle(Qt::RoundCap);
    edge.setJoinStyle(Qt::RoundJoin);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(edge);
    painter.drawPath(tick);
    QPen green(TickGreen, width);
    green.setCapStyle(Qt::RoundCap);
    green.setJoinStyle(Qt::RoundJoin);
    painter.setPen(green);
    painter.drawPath(tick);
}

void paintIcon(QPainter &painter, const QSize &size)
{
    const qreal s = std::min(size.width(), size.height());
    paintTile(painter, s);
    const qreal diameter = s <= 24 ? std::round(s * 0.66) : s * 0.64;
    const qreal left = s <= 24 ? std::round(s * 0.12) : s * 0.12;
    const qreal top = s <= 24 ? std::round(s * 0.09) : s * 0.09;
    paintMarble(painter, QRectF(left, top, diameter, diameter), s);
    paintTick(painter, s);
}

const Pictures::Registrar registration{{QStringLiteral("Tavelo/icone"), {256, 256}, &paintIcon, {}}};
}

namespace ProgramIcon {
QList<int> sizes() { return {16, 22, 24, 32, 48, 64, 128, 256}; }

QImage image(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintIcon(painter, image.size());
    painter.end();
    return image;
}

QIcon icon()
{
    QIcon icon;
    for (int pixels : sizes())
        icon.addPixmap(QPixmap::fromImage(image(pixels)));
    return icon;
}
}
