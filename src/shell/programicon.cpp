#include "shell/programicon.h"

#include "pictures/pictures.h"
#include "shell/marble.h"

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

// The home screen's marble, with fewer details as the icon gets small.
void paintMarble(QPainter &painter, const QRectF &r, qreal s)
{
    Marble::Look look;
    if (s > 24)
        look.shadowOffset = QPointF(r.width() * 0.03, r.width() * 0.05);
    look.shadowAlpha = 50;
    look.orangeAlpha = 235;
    look.minimumSwirl = 1.5;
    look.allSwirls = s >= 32;
    look.rimAlpha = s <= 24 ? 170 : 120;
    look.lowerReflection = s >= 48;
    look.outline = s <= 24;
    Marble::paint(painter, r, look);
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
