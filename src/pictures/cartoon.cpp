#include "pictures/cartoon.h"

#include "pictures/kit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace Cartoon {

QRectF drawMonitor(QPainter &painter, const QRectF &body)
{
    painter.save();
    const qreal unit = std::min(body.width(), body.height());
    const qreal radius = unit * 0.16;
    QLinearGradient shell(body.topLeft(), body.bottomRight());
    shell.setColorAt(0, QColor(246, 249, 253));
    shell.setColorAt(0.6, QColor(214, 224, 238));
    shell.setColorAt(1, QColor(170, 186, 210));
    painter.setPen(QPen(Outline, std::max(1.2, unit * 0.035)));
    painter.setBrush(shell);
    painter.drawRoundedRect(body, radius, radius);

    const qreal margin = unit * 0.11;
    const QRectF screen = body.adjusted(margin, margin, -margin, -margin * 1.5);
    QLinearGradient glass(screen.topLeft(), screen.bottomLeft());
    glass.setColorAt(0, QColor(120, 205, 255));
    glass.setColorAt(1, QColor(38, 118, 214));
    painter.setPen(QPen(Outline.lighter(130), std::max(0.8, unit * 0.02)));
    painter.setBrush(glass);
    painter.drawRoundedRect(screen, radius * 0.6, radius * 0.6);
    // The screen's reflection.
    QPainterPath shine;
    shine.moveTo(screen.left() + screen.width() * 0.05, screen.top() + screen.height() * 0.08);
    shine.lineTo(screen.left() + screen.width() * 0.42, screen.top() + screen.height() * 0.08);
    shine.lineTo(screen.left() + screen.width() * 0.18, screen.top() + screen.height() * 0.55);
    shine.lineTo(screen.left() + screen.width() * 0.05, screen.top() + screen.height() * 0.55);
    shine.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 45));
    painter.drawPath(shine);
    // A little power light under the screen.
    painter.setBrush(QColor(90, 210, 110));
    const qreal led = unit * 0.035;
    painter.drawEllipse(QPointF(body.right() - margin * 1.4, body.bottom() - margin * 0.75), led, led);
    painter.restore();
    return screen;
}

void drawFace(QPainter &painter, const QRectF &screen, Eyes eyes)
{
    painter.save();
    const qreal w = screen.width();
    const qreal h = screen.height();
    const qreal line = std::max(1.0, w * 0.035);
    auto at = [&](qreal fx, qreal fy) { return QPointF(screen.left() + fx * w, screen.top() + fy * h); };

    // Eyes.
    const qreal eyeW = w * 0.11;
    const qreal eyeH = h * 0.2;
    for (int side = 0; side < 2; ++side) {
        const QPointF c = at(side == 0 ? 0.33 : 0.67, 0.36);
        if (side == 1 && eyes == Eyes::Wink) {
            QPen pen(Outline, line * 1.1);
            pen.setCapStyle(Qt::RoundCap);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawArc(QRectF(c.x() - eyeW, c.y() - eyeH * 0.4, eyeW * 2, eyeH * 0.9), 20 * 16, 140 * 16);
            continue;
        }
        painter.setPen(QPen(Outline, line * 0.6));
        painter.setBrush(Qt::white);
        painter.drawEllipse(c, eyeW, eyeH);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Outline);
        painter.drawEllipse(QPointF(c.x() + eyeW * 0.2, c.y() + eyeH * 0.15), eyeW * 0.58, eyeH * 0.6);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(c.x() + eyeW * 0.38, c.y() - eyeH * 0.12), eyeW * 0.22, eyeW * 0.22);
    }
    // Cheeks.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 140, 160, 120));
    painter.drawEllipse(at(0.2, 0.64), w * 0.08, h * 0.07);
    painter.drawEllipse(at(0.8, 0.64), w * 0.08, h * 0.07);
    // A broad open smile with its tongue.
    QPainterPath mouth;
    mouth.moveTo(at(0.32, 0.6));
    mouth.cubicTo(at(0.38, 0.64), at(0.62, 0.64), at(0.68, 0.6));
    mouth.cubicTo(at(0.66, 0.92), at(0.34, 0.92), at(0.32, 0.6));
    painter.setPen(QPen(Outline, line * 0.8));
    painter.setBrush(QColor(150, 30, 50));
    painter.drawPath(mouth);
    painter.save();
    painter.setClipPath(mouth);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 120, 130));
    painter.drawEllipse(at(0.5, 0.86), w * 0.12, h * 0.1);
    painter.restore();
    painter.restore();
}

void drawStand(QPainter &painter, const QRectF &body, qreal height)
{
    painter.save();
    const qreal cx = body.center().x();
    const qreal neck = body.width() * 0.16;
    QLinearGradient metal(QPointF(cx - neck, 0), QPointF(cx + neck, 0));
    metal.setColorAt(0, QColor(150, 162, 182));
    metal.setColorAt(0.5, QColor(205, 214, 228));
    metal.setColorAt(1, QColor(140, 152, 172));
    painter.setPen(QPen(Cartoon::Outline, std::max(1.0, body.width() * 0.025)));
    painter.setBrush(metal);
    QPolygonF neckShape{{cx - neck * 0.6, body.bottom() - 1}, {cx + neck * 0.6, body.bottom() - 1},
                        {cx + neck, body.bottom() + height * 0.75}, {cx - neck, body.bottom() + height * 0.75}};
    painter.drawPolygon(neckShape);
    painter.drawRoundedRect(QRectF(cx - body.width() * 0.32, body.bottom() + height * 0.62, body.width() * 0.64,
                                   height * 0.38),
                            height * 0.18, height * 0.18);
    painter.restore();
}

void drawTower(QPainter &painter, const QRectF &body)
{
    painter.save();
    const qreal w = body.width();
    QLinearGradient shell(body.topLeft(), body.topRight());
    shell.setColorAt(0, QColor(236, 241, 248));
    shell.setColorAt(0.7, QColor(205, 216, 232));
    shell.setColorAt(1, QColor(165, 180, 204));
    painter.setPen(QPen(Outline, std::max(1.2, w * 0.04)));
    painter.setBrush(shell);
    painter.drawRoundedRect(body, w * 0.14, w * 0.14);
    painter.setPen(QPen(Outline.lighter(140), std::max(0.8, w * 0.025)));
    painter.setBrush(QColor(120, 134, 158));
    for (int i = 0; i < 2; ++i)
        painter.drawRoundedRect(QRectF(body.left() + w * 0.15, body.top() + body.height() * (0.1 + 0.09 * i),
                                       w * 0.7, body.height() * 0.05),
                                2, 2);
    // Power button.
    painter.setBrush(QColor(90, 210, 110));
    const QPointF c(body.center().x(), body.top() + body.height() * 0.42);
    painter.drawEllipse(c, w * 0.11, w * 0.11);
    // Vents.
    painter.setPen(QPen(Outline.lighter(160), std::max(0.8, w * 0.025)));
    for (int i = 0; i < 4; ++i) {
        const qreal y = body.top() + body.height() * (0.7 + 0.05 * i);
        painter.drawLine(QPointF(body.left() + w * 0.25, y), QPointF(body.right() - w * 0.25, y));
    }
    painter.restore();
}

void drawKeyboard(QPainter &painter, const QRectF &area)
{
    painter.save();
    const qreal slant = area.width() * 0.07;
    QPolygonF shape{{area.left() + slant, area.top()}, {area.right() - slant, area.top()}, area.bottomRight(),
                    area.bottomLeft()};
    QLinearGradient shell(area.topLeft(), area.bottomLeft());
    shell.setColorAt(0, QColor(230, 236, 245));
    shell.setColorAt(1, QColor(170, 184, 206));
    painter.setPen(QPen(Outline, std::max(1.0, area.height() * 0.07)));
    painter.setBrush(shell);
    painter.drawPolygon(shape);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 220));
    const int rows = 3;
    for (int row = 0; row < rows; ++row) {
        const qreal fy = (row + 0.5) / (rows + 0.4);
        const qreal y = area.top() + area.height() * (0.12 + fy * 0.8);
        const qreal inset = slant * (1 - (fy + 0.1));
        const qreal left = area.left() + inset + area.width() * 0.05;
        const qreal right = area.right() - inset - area.width() * 0.05;
        const int keys = 9;
        const qreal pitch = (right - left) / keys;
        for (int k = 0; k < keys; ++k)
            painter.drawRoundedRect(QRectF(left + k * pitch + pitch * 0.1, y - area.height() * 0.1, pitch * 0.8,
                                           area.height() * 0.18),
                                    1, 1);
    }
    painter.restore();
}

void drawGlove(QPainter &painter, const QPointF &centre, qreal radius)
{
    painter.save();
    painter.setPen(QPen(Outline, std::max(1.0, radius * 0.22)));
    painter.setBrush(Qt::white);
    // Three fingers and a thumb around the palm.
    for (int i = -1; i <= 1; ++i)
        painter.drawEllipse(QPointF(centre.x() + i * radius * 0.55, centre.y() - radius * 0.85), radius * 0.32,
                            radius * 0.5);
    painter.drawEllipse(QPointF(centre.x() - radius * 0.95, centre.y() - radius * 0.1), radius * 0.45, radius * 0.3);
    painter.drawEllipse(centre, radius, radius * 0.85);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(centre.x(), centre.y() - radius * 0.3), radius * 0.9, radius * 0.55);
    painter.restore();
}

void drawArm(QPainter &painter, const QPointF &from, const QPointF &via, const QPointF &to, qreal width)
{
    painter.save();
    QPainterPath arm(from);
    arm.quadTo(via, to);
    QPen outline(Outline, width + std::max(1.5, width * 0.5));
    outline.setCapStyle(Qt::RoundCap);
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arm);
    QPen inside(QColor(200, 212, 230), width);
    inside.setCapStyle(Qt::RoundCap);
    painter.setPen(inside);
    painter.drawPath(arm);
    painter.restore();
}
}

namespace PictureKit {

void paintMascot(QPainter &painter, const QRect &rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Designed on an 84 x 100 grid, scaled to fit and centred.
    const qreal scale = std::min(rect.width() / 84.0, rect.height() / 100.0);
    painter.translate(rect.left() + (rect.width() - 84 * scale) / 2, rect.top() + (rect.height() - 100 * scale) / 2);
    painter.scale(scale, scale);

    // The waving arm behind the monitor, then the resting one.
    Cartoon::drawArm(painter, QPointF(14, 40), QPointF(2, 34), QPointF(8, 16), 3.2);
    Cartoon::drawGlove(painter, QPointF(8, 12), 5.5);
    Cartoon::drawArm(painter, QPointF(72, 46), QPointF(82, 58), QPointF(74, 76), 3.2);

    const QRectF body(12, 8, 62, 54);
    Cartoon::drawStand(painter, body, 14);
    const QRectF screen = Cartoon::drawMonitor(painter, body);
    Cartoon::drawFace(painter, screen);
    Cartoon::drawKeyboard(painter, QRectF(6, 80, 72, 16));
    Cartoon::drawGlove(painter, QPointF(73, 79), 5);
    painter.restore();
}
}
