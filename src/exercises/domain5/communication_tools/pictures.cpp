// The four word-art headings of the communication tools quiz: bold letters filled
// with a gradient, outlined, bent along a gentle wave and with a soft shadow.
#include "exercises/domain5/communication_tools/layout.h"
#include "pictures/fonts.h"
#include "pictures/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

using namespace CommunicationToolsLayout;

namespace {
struct WordArtStyle
{
    QColor top, bottom, outline;
};

// Bends the path along a wave: points rise and fall with their horizontal position,
// and the letters grow a little towards the right.
QPainterPath bent(const QPainterPath &path, const QRectF &box)
{
    QPainterPath out;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const qreal t = (e.x - box.left()) / box.width();
        const qreal grow = 0.85 + 0.3 * t;
        const qreal y = box.center().y() + (e.y - box.center().y()) * grow - 6 * qSin(t * M_PI * 1.6);
        const QPointF p(e.x, y);
        if (e.isMoveTo())
            out.moveTo(p);
        else if (e.isLineTo())
            out.lineTo(p);
        else if (e.type == QPainterPath::CurveToElement) {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            auto map = [&](const QPainterPath::Element &el) {
                const qreal tt = (el.x - box.left()) / box.width();
                const qreal g = 0.85 + 0.3 * tt;
                return QPointF(el.x, box.center().y() + (el.y - box.center().y()) * g - 6 * qSin(tt * M_PI * 1.6));
            };
            out.cubicTo(p, map(c2), map(end));
            i += 2;
        }
    }
    out.setFillRule(Qt::WindingFill);
    return out;
}

void paintWordArt(QPainter &p, const QSize &size, const QString &word, const WordArtStyle &style)
{
    p.fillRect(QRect(QPoint(0, 0), size), Qt::transparent);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath text;
    text.addText(0, 0, pixelFont(QStringLiteral("Arial Black"), 60, true), word);
    const QRectF natural = text.boundingRect();
    const QRectF target(6, 8, size.width() - 14, size.height() - 20);
    const qreal scale = qMin(target.width() / natural.width(), target.height() / natural.height());
    QTransform fit;
    fit.translate(target.center().x(), target.center().y());
    fit.scale(scale, scale);
    fit.translate(-natural.center().x(), -natural.center().y());
    const QPainterPath fitted = fit.map(text);
    const QPainterPath art = bent(fitted, fitted.boundingRect());
    p.fillPath(art.translated(4, 5), QColor(0, 0, 0, 70));
    QLinearGradient fill(art.boundingRect().topLeft(), art.boundingRect().bottomLeft());
    fill.setColorAt(0, style.top);
    fill.setColorAt(0.55, style.bottom);
    fill.setColorAt(1, style.top.darker(130));
    p.fillPath(art, fill);
    p.setPen(QPen(style.outline, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(art);
}

Pictures::Entry wordArt(const QString &name, const QString &word, const WordArtStyle &style)
{
    return {name, HeadingSize, [word, style](QPainter &p, const QSize &s) { paintWordArt(p, s, word, style); }, {}};
}

const Pictures::Registrar services{wordArt(QStringLiteral("Texercice26v3/Image1"), Headings[0],
                                           {QColor(255, 214, 64), QColor(235, 96, 20), QColor(120, 40, 0)})};
const Pictures::Registrar blog{wordArt(QStringLiteral("Texercice26v3/Image2"), Headings[1],
                                       {QColor(120, 220, 255), QColor(20, 80, 200), QColor(10, 30, 90)})};
const Pictures::Registrar chat{wordArt(QStringLiteral("Texercice26v3b/Image1"), Headings[2],
                                       {QColor(170, 255, 140), QColor(30, 150, 40), QColor(10, 70, 20)})};
const Pictures::Registrar mail{wordArt(QStringLiteral("Texercice26v3b/Image2"), Headings[3],
                                       {QColor(255, 170, 230), QColor(170, 30, 140), QColor(80, 0, 60)})};
}
