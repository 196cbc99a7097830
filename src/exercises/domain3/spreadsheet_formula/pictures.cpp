// The speech bubble and the arrow bullets of the spreadsheet formula exercise's
// instruction panel.
#include "exercises/domain3/spreadsheet_formula/layout.h"
#include "pictures/pictures.h"

#include <QPainter>
#include <QPainterPath>

using namespace SpreadsheetFormulaLayout;

namespace {
// A white rounded bubble whose tail points left, to the mascot.
void paintBubble(QPainter &p, const QSize &size)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(14.5, 1.5, size.width() - 16.0, size.height() - 3.0);
    QPainterPath path;
    path.addRoundedRect(body, 16, 16);
    QPainterPath tail;
    tail.moveTo(body.left() + 1, size.height() * 0.45);
    tail.lineTo(1.5, size.height() * 0.62);
    tail.lineTo(body.left() + 1, size.height() * 0.62);
    tail.closeSubpath();
    path = path.united(tail);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(Qt::white);
    p.drawPath(path);
}

// A small green arrow pointing right.
void paintArrow(QPainter &p, const QSize &size)
{
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    QPainterPath arrow;
    arrow.moveTo(0.5, h * 0.3);
    arrow.lineTo(w * 0.55, h * 0.3);
    arrow.lineTo(w * 0.55, 0.5);
    arrow.lineTo(w - 0.5, h / 2);
    arrow.lineTo(w * 0.55, h - 0.5);
    arrow.lineTo(w * 0.55, h * 0.7);
    arrow.lineTo(0.5, h * 0.7);
    arrow.closeSubpath();
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0, QColor(90, 190, 90));
    fill.setColorAt(1, QColor(20, 120, 30));
    p.setPen(QPen(QColor(10, 80, 20), 1));
    p.setBrush(fill);
    p.drawPath(arrow);
}

const Pictures::Registrar pictures[] = {
    Pictures::Registrar{{QStringLiteral("Texercice25/Shape1"), Bubble.size(), &paintBubble, {}}},
    Pictures::Registrar{{QStringLiteral("Texercice25/Fleche"), Arrow, &paintArrow, {}}},
};
}
