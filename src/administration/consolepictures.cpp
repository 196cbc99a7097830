// The console's own small pictures: the yellow arrow between the class and pupil
// lists, and the arrows of the two page buttons of the results panel.
#include "pictures/pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {
// A fat arrow pointing right (or left), filled and outlined, in the given size.
void paintArrow(QPainter &painter, const QSize &size, const QColor &fill, bool pointsLeft)
{
    const qreal w = size.width(), h = size.height();
    QPainterPath arrow;
    arrow.moveTo(1, h * 0.3);
    arrow.lineTo(w * 0.55, h * 0.3);
    arrow.lineTo(w * 0.55, 1);
    arrow.lineTo(w - 1, h / 2);
    arrow.lineTo(w * 0.55, h - 1);
    arrow.lineTo(w * 0.55, h * 0.7);
    arrow.lineTo(1, h * 0.7);
    arrow.closeSubpath();
    painter.setRenderHint(QPainter::Antialiasing);
    if (pointsLeft) {
        painter.translate(w, 0);
        painter.scale(-1, 1);
    }
    QLinearGradient shade(0, 0, 0, h);
    shade.setColorAt(0, fill.lighter(135));
    shade.setColorAt(1, fill.darker(115));
    painter.setBrush(shade);
    painter.setPen(QPen(fill.darker(170), 1));
    painter.drawPath(arrow);
}

const QColor Yellow(0xF8, 0xD8, 0x20);
const QColor Blue(0x30, 0x60, 0xC0);

const Pictures::Registrar listArrow{{QStringLiteral("Tadmin/Image1"), {25, 18},
    [](QPainter &p, const QSize &s) { paintArrow(p, s, Yellow, false); }, {}}};
const Pictures::Registrar nextArrow{{QStringLiteral("Tadmin/Button10"), {20, 14},
    [](QPainter &p, const QSize &s) { paintArrow(p, s, Blue, false); }, {}}};
const Pictures::Registrar previousArrow{{QStringLiteral("Tadmin/Button11"), {20, 14},
    [](QPainter &p, const QSize &s) { paintArrow(p, s, Blue, true); }, {}}};
}
