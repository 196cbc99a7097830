// The picture kit: web-page blocks.
#include "pictures/kit.h"
#include "pictures/kit_internal.h"

#include <algorithm>

namespace PictureKit {
using namespace detail;

// ---- web pages ---------------------------------------------------------------------

void paintWebBanner(QPainter &painter, const QRect &rect, const QString &title, const QString &subtitle,
                    const QColor &colour)
{
    Saved saved(painter);
    QLinearGradient band(rect.topLeft(), rect.topRight());
    band.setColorAt(0, colour.darker(125));
    band.setColorAt(1, colour.lighter(115));
    painter.fillRect(rect, band);
    // A few light circles for depth.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 22));
    painter.drawEllipse(QPoint(rect.right() - rect.height() / 2, rect.top()), rect.height(), rect.height());
    painter.drawEllipse(QPoint(rect.right() - rect.height() * 2, rect.bottom()), rect.height() / 2,
                        rect.height() / 2);

    const int emblem = std::min(rect.height() - 16, 56);
    const QRect emblemRect(rect.left() + 16, rect.top() + (rect.height() - emblem) / 2, emblem, emblem);
    painter.setBrush(Qt::white);
    painter.drawEllipse(emblemRect);
    painter.setBrush(colour);
    painter.drawEllipse(emblemRect.adjusted(4, 4, -4, -4));
    QString initials;
    for (const QString &word : title.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        if (word.size() > 2 && initials.size() < 2)
            initials += word.front().toUpper();
    painter.setPen(Qt::white);
    painter.setFont(uiFont(std::max(9, emblem / 3), true));
    painter.drawText(emblemRect, Qt::AlignCenter, initials);

    const int textLeft = emblemRect.right() + 14;
    const QRect textRect(textLeft, rect.top(), rect.right() - textLeft - 8, rect.height());
    painter.setFont(uiFont(std::clamp(rect.height() / 3, 12, 26), true));
    const int titleHeight = QFontMetrics(painter.font()).height();
    const QFont subFont = uiFont(std::clamp(rect.height() / 6, 10, 14));
    const int subHeight = subtitle.isEmpty() ? 0 : QFontMetrics(subFont).height();
    const int top = rect.top() + (rect.height() - titleHeight - subHeight) / 2;
    painter.drawText(QRect(textLeft, top, textRect.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter, title);
    if (!subtitle.isEmpty()) {
        painter.setFont(subFont);
        painter.setPen(QColor(255, 255, 255, 220));
        painter.drawText(QRect(textLeft, top + titleHeight, textRect.width(), subHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, subtitle);
    }
}

QList<QRect> paintWebNav(QPainter &painter, const QRect &rect, const QStringList &items, const QColor &colour,
                         int current)
{
    Saved saved(painter);
    painter.fillRect(rect, colour);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), colour.darker(130));
    painter.setFont(uiFont(13, true));
    QList<QRect> rects;
    int x = rect.left() + 12;
    for (int i = 0; i < items.size(); ++i) {
        const int w = textWidth(painter.font(), items[i]) + 24;
        const QRect r(x, rect.top(), w, rect.height());
        if (i == current)
            painter.fillRect(r, colour.lighter(130));
        painter.setPen(Qt::white);
        painter.drawText(r, Qt::AlignCenter, items[i]);
        rects << r;
        x += w;
    }
    return rects;
}

QRect paintWebHeading(QPainter &painter, const QPoint &topLeft, const QString &text, int level,
                      const QColor &colour)
{
    Saved saved(painter);
    const int pixels = level <= 1 ? 22 : level == 2 ? 17 : 14;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(colour);
    const QFontMetrics metrics(font);
    const QRect r(topLeft, QSize(metrics.horizontalAdvance(text) + 1, metrics.height()));
    painter.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, text);
    if (level <= 1) {
        painter.fillRect(QRect(r.left(), r.bottom() + 3, std::min(r.width(), 60), 3), colour.lighter(150));
        return r.adjusted(0, 0, 0, 6);
    }
    return r;
}

QRect paintWebParagraph(QPainter &painter, const QRect &rect, const QString &text, int pixels)
{
    Saved saved(painter);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    painter.setFont(font);
    painter.setPen(QColor(50, 50, 55));
    const QRect bounds = painter.boundingRect(QRect(rect.left(), rect.top(), rect.width(), 10000),
                                              Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    painter.drawText(QRect(rect.left(), rect.top(), rect.width(), bounds.height()),
                     Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    return QRect(rect.left(), rect.top(), rect.width(), bounds.height());
}

QRect paintWebLink(QPainter &painter, const QPoint &topLeft, const QString &text, int pixels)
{
    Saved saved(painter);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setUnderline(true);
    painter.setFont(font);
    painter.setPen(Colours::Link);
    const QFontMetrics metrics(font);
    const QRect r(topLeft, QSize(metrics.horizontalAdvance(text) + 1, metrics.height()));
    painter.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, text);
    return r;
}

void paintWebImage(QPainter &painter, const QRect &rect, WebImage kind)
{
    Saved saved(painter);
    painter.setClipRect(rect);
    const QRectF r(rect);
    const qreal w = r.width();
    const qreal h = r.height();
    auto at = [&](qreal fx, qreal fy) { return QPointF(r.left() + fx * w, r.top() + fy * h); };
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    painter.setPen(Qt::NoPen);
    switch (kind) {
    case WebImage::Landscape: {
        sky.setColorAt(0, QColor(120, 190, 240));
        sky.setColorAt(1, QColor(210, 235, 250));
        painter.fillRect(r, sky);
        painter.setBrush(QColor(255, 214, 90));
        painter.drawEllipse(at(0.78, 0.25), h * 0.1, h * 0.1);
        QPainterPath hills;
        hills.moveTo(at(0, 0.75));
        hills.cubicTo(at(0.25, 0.45), at(0.45, 0.5), at(0.6, 0.7));
        hills.cubicTo(at(0.75, 0.5), at(0.9, 0.55), at(1, 0.65));
        hills.lineTo(at(1, 1));
        hills.lineTo(at(0, 1));
        painter.setBrush(QColor(96, 170, 90));
        painter.drawPath(hills);
        painter.setBrush(QColor(70, 140, 70));
        painter.drawRect(QRectF(at(0, 0.85), at(1, 1)));
        break;
    }
    case WebImage::Building: {
        sky.setColorAt(0, QColor(170, 210, 240));
        sky.setColorAt(1, QColor(230, 242, 250));
        painter.fillRect(r, sky);
        painter.setBrush(QColor(236, 226, 205));
        painter.drawRect(QRectF(at(0.12, 0.35), at(0.88, 0.9)));
        painter.setBrush(QColor(180, 80, 60));
        painter.drawPolygon(QPolygonF{at(0.08, 0.37), at(0.5, 0.12), at(0.92, 0.37)});
        painter.setBrush(QColor(110, 150, 190));
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 4; ++col)
                if (!(row == 1 && (col == 1 || col == 2)))
                    painter.drawRect(QRectF(at(0.18 + col * 0.18, 0.45 + row * 0.22), QSizeF(w * 0.09, h * 0.12)));
        painter.setBrush(QColor(120, 80, 50));
        painter.drawRect(QRectF(at(0.43, 0.68), at(0.57, 0.9)));
        painter.setBrush(QColor(120, 175, 100));
        painter.drawRect(QRectF(at(0, 0.9), at(1, 1)));
        break;
    }
    case WebImage::People: {
        painter.fillRect(r, QColor(232, 240, 248));
        const QColor shirts[] = {QColor(61, 174, 233), QColor(233, 120, 61), QColor(110, 190, 90)};
        for (int i = 0; i < 3; ++i) {
            const qreal cx = 0.25 + 0.25 * i;
            painter.setBrush(shirts[i]);
            painter.drawEllipse(QRectF(at(cx - 0.13, 0.62), at(cx + 0.13, 1.25)));
            painter.setBrush(QColor(240, 200, 165));
            painter.drawEllipse(at(cx, 0.42), w * 0.07, w * 0.07);
            painter.setBrush(QColor(90, 60, 40));
            painter.drawChord(QRectF(at(cx - 0.075, 0.42 - 0.075 * w / h), QSizeF(w * 0.15, w * 0.12)), 0, 180 * 16);
        }
        break;
    }
    case WebImage::Chart: {
        painter.fillRect(r, Qt::white);
        painter.setPen(QColor(200, 200, 200));
        for (int i = 1; i < 5; ++i)
            painter.drawLine(at(0.1, 0.2 * i), at(0.95, 0.2 * i));
        painter.setPen(Qt::NoPen);
        const qreal values[] = {0.4, 0.65, 0.5, 0.8, 0.7};
        for (int i = 0; i < 5; ++i) {
            painter.setBrush(QColor::fromHsv(200 + i * 8, 170, 200));
            painter.drawRect(QRectF(at(0.15 + i * 0.16, 0.9 - values[i] * 0.8), at(0.27 + i * 0.16, 0.9)));
        }
        break;
    }
    case WebImage::Book: {
        painter.fillRect(r, QColor(245, 238, 225));
        painter.setBrush(QColor(160, 60, 60));
        painter.drawRoundedRect(QRectF(at(0.3, 0.15), at(0.7, 0.85)), 3, 3);
        painter.setBrush(QColor(250, 248, 240));
        painter.drawRect(QRectF(at(0.66, 0.18), at(0.69, 0.82)));
        painter.setBrush(QColor(230, 190, 90));
        painter.drawRect(QRectF(at(0.38, 0.3), at(0.6, 0.36)));
        break;
    }
    case WebImage::Computer: {
        painter.fillRect(r, QColor(230, 238, 245));
        painter.setBrush(QColor(60, 64, 70));
        painter.drawRoundedRect(QRectF(at(0.2, 0.15), at(0.8, 0.7)), 4, 4);
        QLinearGradient screen(at(0.23, 0.2), at(0.77, 0.65));
        screen.setColorAt(0, QColor(90, 170, 230));
        screen.setColorAt(1, QColor(40, 90, 170));
        painter.setBrush(screen);
        painter.drawRect(QRectF(at(0.23, 0.2), at(0.77, 0.65)));
        painter.setBrush(QColor(90, 94, 100));
        painter.drawRect(QRectF(at(0.45, 0.7), at(0.55, 0.8)));
        painter.drawRoundedRect(QRectF(at(0.3, 0.8), at(0.7, 0.85)), 2, 2);
        break;
    }
    }
    painter.setClipping(false);
    painter.setPen(QColor(0, 0, 0, 40));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

void paintWebFooter(QPainter &painter, const QRect &rect, const QString &text, const QColor &colour)
{
    Saved saved(painter);
    painter.fillRect(rect, colour);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 255, 225));
    painter.drawText(rect.adjusted(12, 0, -12, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, text);
}
}
