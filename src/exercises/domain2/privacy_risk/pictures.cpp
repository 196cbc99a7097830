// The two signs of the privacy risk exercise, drawn like road signs on a transparent
// ground so that the coloured disc behind each shows round it.
#include "exercises/domain2/privacy_risk/layout.h"
#include "pictures/fonts.h"
#include "pictures/pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {
using namespace PrivacyRiskLayout;

const QColor SignRed(200, 16, 32);

// A warning triangle, point up, with rounded corners; returns its inner white area.
QPainterPath warningTriangle(QPainter &p, const QRectF &r)
{
    QPainterPath outer;
    outer.moveTo(r.center().x(), r.top());
    outer.lineTo(r.right(), r.bottom());
    outer.lineTo(r.left(), r.bottom());
    outer.closeSubpath();
    p.setPen(QPen(SignRed, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(SignRed);
    p.drawPath(outer);
    const qreal inset = r.width() * 0.14;
    QPainterPath inner;
    inner.moveTo(r.center().x(), r.top() + inset * 1.7);
    inner.lineTo(r.right() - inset, r.bottom() - inset * 0.8);
    inner.lineTo(r.left() + inset, r.bottom() - inset * 0.8);
    inner.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(inner);
    return inner;
}

// The black exclamation mark inside a triangle's white area.
void exclamationMark(QPainter &p, const QRectF &inner)
{
    const qreal cx = inner.center().x();
    QPainterPath stroke;
    const qreal top = inner.top() + inner.height() * 0.30;
    const qreal bottom = inner.bottom() - inner.height() * 0.28;
    stroke.moveTo(cx - 5, top);
    stroke.lineTo(cx + 5, top);
    stroke.lineTo(cx + 2, bottom);
    stroke.lineTo(cx - 2, bottom);
    stroke.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(stroke);
    p.drawEllipse(QPointF(cx, inner.bottom() - inner.height() * 0.14), 4, 4);
}

// The sign for "no risk": the warning triangle crossed out, the word on a plate under it.
void paintNoRiskSign(QPainter &p, const QSize &size)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(size.width() * 0.14, 5, size.width() * 0.72, size.height() * 0.66);
    const QRectF inner = warningTriangle(p, r).boundingRect();
    exclamationMark(p, inner);
    const QRectF plate(2, r.bottom() + 6, size.width() - 4, size.height() - r.bottom() - 8);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(plate, 4, 4);
    p.setPen(Qt::black);
    p.setFont(pixelFont(QStringLiteral("Arial"), 18, true));
    p.drawText(plate, Qt::AlignCenter, RiskWord);
    // The bar that strikes the triangle out, with a white edge to stand out from the red.
    const QLineF bar(QPointF(6, r.bottom() + 1), QPointF(size.width() - 6, 3));
    p.setPen(QPen(Qt::white, 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(bar);
    p.setPen(QPen(QColor(20, 20, 20), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(bar);
}

// The danger sign: the warning triangle with an exclamation mark, the word under it.
void paintDangerSign(QPainter &p, const QSize &size)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(size.width() * 0.12, 5, size.width() * 0.76, size.height() * 0.70);
    const QRectF inner = warningTriangle(p, r).boundingRect();
    exclamationMark(p, inner);
    // The word on a yellow plate.
    const QRectF plate(2, r.bottom() + 6, size.width() - 4, size.height() - r.bottom() - 8);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(255, 214, 0));
    p.drawRoundedRect(plate, 4, 4);
    p.setPen(Qt::black);
    p.setFont(pixelFont(QStringLiteral("Arial"), 20, true));
    p.drawText(plate, Qt::AlignCenter, DangerWord);
}

const Pictures::Registrar noRisk{{QStringLiteral("Texercice8v3/Image4"), Image4.size(), &paintNoRiskSign, {}}};
const Pictures::Registrar danger{{QStringLiteral("Texercice8v3/Image3"), Image3.size(), &paintDangerSign, {}}};
}
