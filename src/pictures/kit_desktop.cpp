// The picture kit: the desktop and the illustrations.
#include "pictures/drawinglog.h"
#include "pictures/kit.h"
#include "pictures/kit_internal.h"

#include <algorithm>

namespace PictureKit {
using namespace detail;

// ---- desktop -----------------------------------------------------------------------

void paintWallpaper(QPainter &painter, const QRect &rect)
{
    Saved saved(painter);
    QLinearGradient sky(rect.topLeft(), rect.bottomRight());
    sky.setColorAt(0, QColor(30, 87, 153));
    sky.setColorAt(0.55, QColor(41, 137, 216));
    sky.setColorAt(1, QColor(125, 185, 232));
    painter.fillRect(rect, sky);
    // Soft waves across the wallpaper.
    painter.setPen(Qt::NoPen);
    const QRectF r(rect);
    for (int i = 0; i < 3; ++i) {
        QPainterPath wave;
        const qreal base = r.top() + r.height() * (0.55 + 0.12 * i);
        wave.moveTo(r.left(), base);
        wave.cubicTo(r.left() + r.width() * 0.3, base - r.height() * 0.18, r.left() + r.width() * 0.6,
                     base + r.height() * 0.15, r.right(), base - r.height() * 0.05);
        wave.lineTo(r.bottomRight());
        wave.lineTo(r.bottomLeft());
        painter.setBrush(QColor(255, 255, 255, 18 + 8 * i));
        painter.drawPath(wave);
    }
}

QRect paintDesktopIcon(QPainter &painter, const QPoint &topLeft, const QString &icon, const QString &caption,
                       bool selected)
{
    Saved saved(painter);
    const QRect tile(topLeft, DesktopIconSize);
    if (selected) {
        painter.setPen(QColor(255, 255, 255, 140));
        painter.setBrush(QColor(61, 174, 233, 110));
        painter.drawRoundedRect(QRectF(tile).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    }
    paintIcon(painter, QRect(tile.left() + (tile.width() - 48) / 2, tile.top() + 4, 48, 48), icon);
    const QFont font = uiFont(11);
    painter.setFont(font);
    // The caption wraps on two lines at most, like a file manager's.
    const QRect textRect(tile.left() + 2, tile.top() + 54, tile.width() - 4, tile.height() - 56);
    const QFontMetrics metrics(font);
    QString shown = caption;
    if (metrics.boundingRect(textRect, Qt::TextWordWrap | Qt::AlignHCenter, caption).height() > textRect.height()) {
        const int cut = int(caption.indexOf(QLatin1Char(' ')));
        shown = cut > 0 ? caption.left(cut) + QLatin1Char('\n')
                              + DrawingLog::fitted(metrics, caption.mid(cut + 1), textRect.width())
                        : DrawingLog::fitted(metrics, caption, textRect.width());
    }
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    painter.setPen(QColor(0, 0, 0, 160));
    painter.drawText(textRect.translated(1, 1), flags, shown);
    painter.setPen(Qt::white);
    painter.drawText(textRect, flags, shown);
    return tile;
}

TaskBarGeometry paintTaskBar(QPainter &painter, const QRect &rect, const QStringList &tasks, int active,
                             const QString &clock)
{
    Saved saved(painter);
    TaskBarGeometry g;
    painter.fillRect(rect, Colours::TaskBar);
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), QColor(255, 255, 255, 40));

    g.startButton = QRect(rect.left() + 2, rect.top() + 3, StartButtonWidth, rect.height() - 6);
    paintStartButton(painter, g.startButton);

    painter.setFont(uiFont(12));
    int x = g.startButton.right() + 10;
    for (int i = 0; i < tasks.size(); ++i) {
        const QRect r(x, rect.top() + 4, 160, rect.height() - 8);
        painter.setPen(Qt::NoPen);
        painter.setBrush(i == active ? QColor(255, 255, 255, 55) : QColor(255, 255, 255, 20));
        painter.drawRoundedRect(r, 4, 4);
        if (i == active)
            painter.fillRect(QRect(r.left() + 8, r.bottom() - 1, r.width() - 16, 2), QColor(61, 174, 233));
        painter.setPen(Qt::white);
        painter.drawText(r.adjusted(10, 0, -6, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         QFontMetrics(painter.font()).elidedText(tasks[i], Qt::ElideRight, r.width() - 16));
        g.tasks << r;
        x += r.width() + 4;
    }
    g.clock = QRect(rect.right() - 70, rect.top(), 66, rect.height());
    painter.setPen(Qt::white);
    painter.drawText(g.clock, Qt::AlignCenter, clock);
    return g;
}

void paintStartButton(QPainter &painter, const QRect &rect)
{
    DrawingLog::program(QStringLiteral("démarrer"), "PictureKit");
    Saved saved(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient green(rect.topLeft(), rect.bottomLeft());
    green.setColorAt(0, QColor(98, 186, 96));
    green.setColorAt(0.5, QColor(56, 142, 60));
    green.setColorAt(1, QColor(38, 110, 44));
    painter.setPen(QColor(28, 80, 32));
    painter.setBrush(green);
    const qreal radius = std::min(12.0, rect.height() / 2.5);
    painter.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    // An emblem of four coloured panes, then the word.
    const qreal pane = std::max(5.0, rect.height() / 3.6);
    const QPointF c(rect.left() + 8 + pane, rect.center().y() + 0.5);
    const QColor panes[] = {QColor(235, 80, 60), QColor(120, 200, 80), QColor(60, 140, 230), QColor(250, 200, 50)};
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        painter.setBrush(panes[i]);
        painter.drawRoundedRect(QRectF(c.x() - pane - 0.5 + (i % 2) * (pane + 1), c.y() - pane - 0.5 + (i / 2) * (pane + 1),
                                       pane, pane),
                                1.5, 1.5);
    }
    const QRect word = rect.adjusted(int(2 * pane) + 16, 0, -6, 0);
    QFont font = uiFont(std::max(12, rect.height() * 3 / 5), true);
    font.setItalic(true);
    // As large as the button is high, no larger than its width holds.
    while (font.pixelSize() > 9 && QFontMetrics(font).horizontalAdvance(QStringLiteral("démarrer")) > word.width())
        font.setPixelSize(font.pixelSize() - 1);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0, 90));
    painter.drawText(word.translated(1, 1), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("démarrer"));
    painter.setPen(Qt::white);
    painter.drawText(word, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("démarrer"));
}

QList<QRect> paintStartMenu(QPainter &painter, const QPoint &bottomLeft, const QList<MenuItem> &items,
                            int highlighted)
{
    Saved saved(painter);
    const QSize inner = menuSize(items, 220);
    const int header = 34;
    const QRect outline(bottomLeft.x(), bottomLeft.y() - inner.height() - header, inner.width(),
                        inner.height() + header);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawRoundedRect(outline.translated(2, 2), 6, 6);
    painter.setBrush(QColor(250, 250, 251));
    painter.setPen(QColor(160, 162, 166));
    painter.drawRoundedRect(QRectF(outline).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    const QRect head(outline.left() + 1, outline.top() + 1, outline.width() - 2, header - 2);
    QLinearGradient band(head.topLeft(), head.topRight());
    band.setColorAt(0, QColor(30, 87, 153));
    band.setColorAt(1, QColor(61, 174, 233));
    painter.setPen(Qt::NoPen);
    painter.setBrush(band);
    painter.drawRoundedRect(head, 5, 5);
    painter.setPen(Qt::white);
    painter.setFont(uiFont(13, true));
    painter.drawText(head.adjusted(12, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Élève"));
    painter.setPen(Qt::NoPen);
    // The items, drawn without the pop-up's own frame.
    const QPoint itemsTop(outline.left(), outline.top() + header - 4);
    const QList<QRect> rects = menuLayout(itemsTop, items, 220);
    {
        // The items come from the menu drawing; its own frame falls outside the clip.
        Saved clipped(painter);
        painter.setClipRect(outline.adjusted(1, header, -1, -1));
        paintMenu(painter, itemsTop, items, highlighted, 220);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QColor(160, 162, 166));
    painter.drawRoundedRect(QRectF(outline).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    return rects;
}

// ---- illustrations -----------------------------------------------------------------

void paintBall(QPainter &painter, const QRectF &rect, const QColor &colour)
{
    Saved saved(painter);
    painter.setPen(Qt::NoPen);
    QRadialGradient body(rect.left() + rect.width() * 0.38, rect.top() + rect.height() * 0.35, rect.width() * 0.7);
    body.setColorAt(0, colour.lighter(165));
    body.setColorAt(0.45, colour);
    body.setColorAt(1, colour.darker(190));
    painter.setBrush(body);
    painter.drawEllipse(rect);
    QRadialGradient shine(rect.left() + rect.width() * 0.38, rect.top() + rect.height() * 0.27, rect.width() * 0.3);
    shine.setColorAt(0, QColor(255, 255, 255, 230));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setBrush(shine);
    painter.drawEllipse(QRectF(rect.left() + rect.width() * 0.16, rect.top() + rect.height() * 0.08,
                               rect.width() * 0.46, rect.height() * 0.36));
}

void paintAbandonGlyph(QPainter &painter, const QRect &rect)
{
    Saved saved(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect).adjusted(1, 1, -1, -1);
    paintBall(painter, r, QColor(214, 40, 40));
    QPen pen(Qt::white, std::max(1.6, r.width() / 7.5));
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    const QPointF c = r.center();
    const qreal d = r.width() * 0.2;
    painter.drawLine(QPointF(c.x() - d, c.y() - d), QPointF(c.x() + d, c.y() + d));
    painter.drawLine(QPointF(c.x() + d, c.y() - d), QPointF(c.x() - d, c.y() + d));
}
}
