#include "pictures/tray.h"

#include "pictures/classicbrowser.h"
#include "pictures/fonts.h"
#include "pictures/kit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace Tray {
namespace {
const QColor BarTop(45, 48, 56);   // the task bar of every desktop
const QColor BarBottom(35, 38, 45);
const QColor TrayTop(45, 48, 56);
const QColor TrayBottom(35, 38, 45);

void paintBar(QPainter &p, const QRect &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top.lighter(130));
    g.setColorAt(0.15, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

// Two screens joined by a cable; crossed in red when the cable is out.
void paintWired(QPainter &p, const QRectF &r, bool unplugged)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(200, 225, 255));
    p.drawRect(QRectF(r.left() + 1, r.top() + 2, 8, 6));
    p.drawRect(QRectF(r.left() + 7, r.top() + 8, 8, 6));
    if (unplugged) {
        p.setPen(QPen(QColor(220, 0, 0), 2));
        p.drawLine(QPointF(r.left() + 9, r.top() + 10), QPointF(r.left() + 15, r.top() + 16));
        p.drawLine(QPointF(r.left() + 15, r.top() + 10), QPointF(r.left() + 9, r.top() + 16));
    }
}

void paintSignalBars(QPainter &p, const QRectF &r, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int i = 0; i < 4; ++i) {
        const qreal h = 3 + 3 * i;
        p.drawRect(QRectF(r.left() + 1 + 4 * i, r.bottom() - h, 3, h));
    }
}

void paintIcon(QPainter &p, int n, const QRectF &r)
{
    const QRectF icon(r.center().x() - 8, r.center().y() - 8, 16, 16);
    switch (n) {
    case 1:   // wireless connection: a screen with waves
        paintSignalBars(p, icon, QColor(120, 255, 120));
        break;
    case 2: { // remote control: a framed eye
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(QColor(30, 30, 30));
        p.drawRoundedRect(icon.adjusted(1, 2, -1, -2), 2, 2);
        p.setPen(QPen(QColor(255, 200, 0), 2));
        p.drawLine(icon.topLeft() + QPointF(4, 6), icon.center() + QPointF(0, 3));
        p.drawLine(icon.center() + QPointF(0, 3), icon.topRight() + QPointF(-4, 6));
        break;
    }
    case 3: paintWired(p, icon, true); break;
    case 4: paintSignalBars(p, icon, QColor(255, 255, 255)); break;
    case 5: { // office quick start: a page with a blue corner
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRect(icon.adjusted(3, 1, -3, -1));
        p.setPen(QPen(QColor(30, 90, 200), 1));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(icon.left() + 5, icon.top() + 4 + 3 * i), QPointF(icon.right() - 5, icon.top() + 4 + 3 * i));
        break;
    }
    case 6: paintWired(p, icon, true); break;
    case 7: { // volume: a speaker and its waves
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        QPolygonF speaker;
        speaker << icon.topLeft() + QPointF(2, 6) << icon.topLeft() + QPointF(5, 6) << icon.topLeft() + QPointF(9, 2)
                << icon.topLeft() + QPointF(9, 14) << icon.topLeft() + QPointF(5, 10) << icon.topLeft() + QPointF(2, 10);
        p.drawPolygon(speaker);
        p.setPen(QPen(Qt::white, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(icon.left() + 6, icon.top() + 4, 6, 8), -60 * 16, 120 * 16);
        p.drawArc(QRectF(icon.left() + 6, icon.top() + 1, 10, 14), -60 * 16, 120 * 16);
        break;
    }
    case 8: { // safely remove hardware: a card and a green arrow
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(190, 190, 190));
        p.drawRect(QRectF(icon.left() + 2, icon.top() + 8, 12, 6));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 200, 40));
        QPolygonF arrow;
        arrow << icon.topLeft() + QPointF(8, 0) << icon.topLeft() + QPointF(13, 5) << icon.topLeft() + QPointF(3, 5);
        p.drawPolygon(arrow);
        break;
    }
    case 9: { // on mains power: a plug
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(230, 230, 230));
        p.drawRoundedRect(QRectF(icon.left() + 3, icon.top() + 5, 10, 7), 2, 2);
        p.setPen(QPen(QColor(230, 230, 230), 2));
        p.drawLine(QPointF(icon.left() + 6, icon.top() + 5), QPointF(icon.left() + 6, icon.top() + 1));
        p.drawLine(QPointF(icon.left() + 10, icon.top() + 5), QPointF(icon.left() + 10, icon.top() + 1));
        p.drawLine(QPointF(icon.center().x(), icon.top() + 12), QPointF(icon.center().x(), icon.bottom()));
        break;
    }
    case 10: paintAntivirusShield(p, icon.adjusted(0, -1, 0, 1)); break;
    case 11: { // the maker's quick settings: a gear-like square
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(QColor(0, 90, 170));
        p.drawRect(icon.adjusted(2, 2, -2, -2));
        p.setPen(Qt::white);
        p.setFont(pixelFont(QStringLiteral("Arial"), 9, true));
        p.drawText(icon, Qt::AlignCenter, QStringLiteral("Q"));
        break;
    }
    case 12: { // desktop search: a magnifier
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(QColor(120, 180, 255));
        p.drawEllipse(QRectF(icon.left() + 2, icon.top() + 2, 8, 8));
        p.drawLine(QPointF(icon.left() + 9, icon.top() + 9), QPointF(icon.right() - 2, icon.bottom() - 2));
        break;
    }
    case 13: { // touch pad: a pad with its two buttons
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(220, 220, 220));
        p.drawRoundedRect(icon.adjusted(2, 1, -2, -5), 2, 2);
        p.drawRect(QRectF(icon.left() + 2, icon.bottom() - 4, 5, 3));
        p.drawRect(QRectF(icon.right() - 7, icon.bottom() - 4, 5, 3));
        break;
    }
    case 14: { // media player: a blue disc with a play mark
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(QColor(40, 110, 220));
        p.drawEllipse(icon.adjusted(1, 1, -1, -1));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        QPolygonF play;
        play << icon.center() + QPointF(-2, -4) << icon.center() + QPointF(4, 0) << icon.center() + QPointF(-2, 4);
        p.drawPolygon(play);
        break;
    }
    default: break;
    }
}
}

void paintAntivirusShield(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shield;
    shield.moveTo(r.center().x(), r.top());
    shield.lineTo(r.right(), r.top() + r.height() * 0.2);
    shield.quadTo(r.right(), r.bottom() - r.height() * 0.25, r.center().x(), r.bottom());
    shield.quadTo(r.left(), r.bottom() - r.height() * 0.25, r.left(), r.top() + r.height() * 0.2);
    shield.closeSubpath();
    p.setPen(QPen(Qt::white, std::max(1.0, r.width() / 16)));
    p.setBrush(QColor(0, 140, 80));
    p.drawPath(shield);
    // A white tick: the protection is on.
    p.setPen(QPen(Qt::white, std::max(1.5, r.width() / 8), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath tick;
    tick.moveTo(r.left() + r.width() * 0.28, r.top() + r.height() * 0.5);
    tick.lineTo(r.left() + r.width() * 0.45, r.top() + r.height() * 0.68);
    tick.lineTo(r.left() + r.width() * 0.74, r.top() + r.height() * 0.32);
    p.drawPath(tick);
    p.restore();
}

void paintTray(QPainter &p, const QSize &size, const QString &time)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRect r(QPoint(0, 0), size);
    paintBar(p, QRect(0, 0, size.width(), TaskBarHeight), TrayTop, TrayBottom);
    p.fillRect(QRect(0, TaskBarHeight, size.width(), size.height() - TaskBarHeight), TrayBottom);
    p.setPen(QColor(8, 60, 140));
    p.drawLine(0, 0, 0, TaskBarHeight);
    for (int n = 1; n < ZoneCount; ++n)
        paintIcon(p, n, zone(n));
    p.setPen(Qt::white);
    p.setFont(pixelFont(QStringLiteral("Tahoma"), 11));
    p.drawText(zone(ZoneCount), Qt::AlignCenter, time);
}

QRect startButton(const QSize &desktop)
{
    return {QPoint(0, desktop.height() - TaskBarHeight + 3), StartButton};
}

void paintDesktop(QPainter &p, const QSize &size)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRect bar(0, size.height() - TaskBarHeight, size.width(), TaskBarHeight);
    PictureKit::paintWallpaper(p, QRect(0, 0, size.width(), bar.top()));
    const struct { const char *icon; const char *caption; } icons[] = {
        {"computer", "Poste de travail"}, {"folder-documents", "Mes documents"},
        {"network-workgroup", "Favoris réseau"}, {"user-trash", "Corbeille"}, {"internet-web-browser", "Internet"}};
    int y = 12;
    for (const auto &icon : icons) {
        PictureKit::paintDesktopIcon(p, QPoint(12, y), QString::fromLatin1(icon.icon), QString::fromUtf8(icon.caption));
        y += PictureKit::DesktopIconSize.height() + 6;
    }
    paintBar(p, bar, BarTop, BarBottom);
    PictureKit::paintStartButton(p, startButton(size));
}
}
