#include "shell/marble.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace Marble {
namespace {
void swirl(QPainter &painter, const QPainterPath &path, const QColor &colour, qreal width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.drawPath(path);
}
}

void paint(QPainter &painter, const QRectF &r, const Look &look)
{
    const qreal w = r.width();
    const QPointF c = r.center();
    QPainterPath ball;
    ball.addEllipse(r);
    painter.setPen(Qt::NoPen);
    if (!look.shadowOffset.isNull()) {
        painter.setBrush(QColor(0, 0, 0, look.shadowAlpha));
        painter.drawEllipse(r.translated(look.shadowOffset));
    }
    QRadialGradient glass(c.x() - w * 0.1, c.y() - r.height() * 0.12, w * 0.65);
    glass.setColorAt(0, QColor(170, 240, 255));
    glass.setColorAt(0.55, QColor(40, 150, 230));
    glass.setColorAt(1, QColor(10, 50, 140));
    painter.setBrush(glass);
    painter.drawPath(ball);

    // The coloured swirls inside the glass.
    painter.save();
    painter.setClipPath(ball);
    auto at = [&](qreal fx, qreal fy) { return QPointF(r.left() + fx * w, r.top() + fy * w); };
    QPainterPath broad(at(0.05, 0.62));
    broad.cubicTo(at(0.3, 0.3), at(0.55, 0.85), at(0.95, 0.45));
    swirl(painter, broad, QColor(255, 140, 30, look.orangeAlpha), std::max(look.minimumSwirl, w * 0.16));
    if (look.allSwirls) {
        swirl(painter, broad.translated(0, -w * 0.03), QColor(255, 230, 80, 220), w * 0.07);
        QPainterPath second(at(0.2, 0.15));
        second.cubicTo(at(0.45, 0.35), at(0.35, 0.6), at(0.65, 0.95));
        swirl(painter, second, QColor(230, 40, 90, 170), w * 0.08);
    }
    painter.restore();

    // The darker rim and the reflections of the window.
    QRadialGradient rim(c, w / 2);
    rim.setColorAt(0.75, QColor(0, 0, 0, 0));
    rim.setColorAt(1, QColor(0, 20, 70, look.rimAlpha));
    painter.setPen(Qt::NoPen);
    painter.setBrush(rim);
    painter.drawPath(ball);
    QRadialGradient shine(r.left() + w * 0.36, r.top() + w * 0.26, w * 0.28);
    shine.setColorAt(0, QColor(255, 255, 255, 245));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setBrush(shine);
    painter.drawEllipse(QRectF(r.left() + w * 0.14, r.top() + w * 0.08, w * 0.46, w * 0.34));
    if (look.lowerReflection) {
        painter.setBrush(QColor(255, 255, 255, 90));
        painter.drawEllipse(QRectF(r.left() + w * 0.58, r.top() + w * 0.7, w * 0.2, w * 0.1));
    }
    if (look.outline) {
        painter.setPen(QPen(QColor(10, 40, 110), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(r);
    }
}
}
