#include "pictures/classicbrowser.h"

#include <QFontMetrics>
#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QWidget>

namespace ClassicBrowser {

namespace {
// A big toolbar arrow, in the rounded style of the classic browser.
void paintArrow(QPainter &p, const QRect &r, bool left, bool enabled)
{
    const QPointF c = QRectF(r).center();
    const qreal rad = r.width() / 2.0;
    QRadialGradient g(c - QPointF(rad / 3, rad / 3), rad * 1.4);
    g.setColorAt(0, enabled ? QColor(0x9c, 0xd4, 0x6a) : QColor(0xe0, 0xe0, 0xe0));
    g.setColorAt(1, enabled ? QColor(0x3c, 0x8a, 0x22) : QColor(0xa8, 0xa8, 0xa8));
    p.setPen(QPen(enabled ? QColor(0x2b, 0x66, 0x18) : QColor(0x99, 0x99, 0x99), 1));
    p.setBrush(g);
    p.drawEllipse(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
    const qreal s = left ? -1 : 1;
    QPainterPath arrow;
    arrow.moveTo(c.x() + s * rad * 0.55, c.y());
    arrow.lineTo(c.x() + s * rad * 0.02, c.y() - rad * 0.5);
    arrow.lineTo(c.x() + s * rad * 0.02, c.y() - rad * 0.2);
    arrow.lineTo(c.x() - s * rad * 0.5, c.y() - rad * 0.2);
    arrow.lineTo(c.x() - s * rad * 0.5, c.y() + rad * 0.2);
    arrow.lineTo(c.x() + s * rad * 0.02, c.y() + rad * 0.2);
    arrow.lineTo(c.x() + s * rad * 0.02, c.y() + rad * 0.5);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(arrow);
}

void paintReload(QPainter &p, const QRect &r)
{
    const QRectF box = QRectF(r).adjusted(3, 3, -3, -3);
    p.setPen(QPen(QColor(0x2f, 0x6f, 0xc0), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(box, 60 * 16, 290 * 16);
    const QPointF tip(box.center().x() + box.width() / 2 * 0.5, box.top() + 1);
    QPainterPath head;
    head.moveTo(tip + QPointF(5, -4));
    head.lineTo(tip + QPointF(6, 5));
    head.lineTo(tip + QPointF(-3, 3));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2f, 0x6f, 0xc0));
    p.drawPath(head);
}

void paintStop(QPainter &p, const QRect &r)
{
    const QRectF box = QRectF(r).adjusted(1, 1, -1, -1);
    QPolygonF oct;
    for (int i = 0; i < 8; ++i) {
        const qreal a = (22.5 + 45 * i) * M_PI / 180;
        oct << box.center() + QPointF(std::cos(a), std::sin(a)) * box.width() / 2;
    }
    p.setPen(QPen(QColor(0x8a, 0x10, 0x10), 1));
    p.setBrush(QColor(0xd8, 0x2a, 0x20));
    p.drawPolygon(oct);
    p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
    const qreal d = box.width() * 0.2;
    p.drawLine(box.center() + QPointF(-d, -d), box.center() + QPointF(d, d));
    p.drawLine(box.center() + QPointF(d, -d), box.center() + QPointF(-d, d));
}

void paintHome(QPainter &p, const QRect &r)
{
    const QRectF b = QRectF(r).adjusted(1, 1, -1, -1);
    QPainterPath roof;
    roof.moveTo(b.left(), b.top() + b.height() * 0.48);
    roof.lineTo(b.center().x(), b.top());
    roof.lineTo(b.right(), b.top() + b.height() * 0.48);
    p.setPen(QPen(QColor(0x7a, 0x22, 0x10), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QRectF wall(b.left() + b.width() * 0.17, b.top() + b.height() * 0.42, b.width() * 0.66, b.height() * 0.58);
    p.fillRect(wall, QColor(0xf2, 0xe2, 0xb8));
    p.setPen(QPen(QColor(0x6a, 0x55, 0x30), 1));
    p.drawRect(wall);
    p.fillRect(QRectF(wall.center().x() - 2.5, wall.bottom() - 8, 5, 8), QColor(0x8a, 0x50, 0x20));
    p.setPen(QPen(QColor(0xb0, 0x2a, 0x12), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(roof);
}
}

QPixmap themeIcon(const QString &name, int size)
{
    return QIcon::fromTheme(name).pixmap(size, size);
}

void paintIconOrFallback(QPainter &p, const QRect &r, const QString &name, const QColor &fallback)
{
    const QPixmap pm = themeIcon(name, r.width());
    if (!pm.isNull()) {
        p.drawPixmap(r, pm);
        return;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fallback);
    p.drawEllipse(r.adjusted(2, 2, -2, -2));
}

QFont uiFont(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

void paintToolbarBackground(QPainter &p, const QRect &r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, ChromeLight);
    g.setColorAt(1, ChromeDark);
    p.fillRect(r, g);
    p.setPen(ChromeLine);
    p.drawLine(r.bottomLeft(), r.bottomRight());
}

void paintNavigationButton(QPainter &p, const QRect &r, const QString &icon, const QString &, bool enabled)
{
    const int size = 26;
    const QRect box(r.center().x() - size / 2 + 1, r.center().y() - size / 2 + 1, size, size);
    if (icon == QLatin1String("back"))
        paintArrow(p, box, true, enabled);
    else if (icon == QLatin1String("forward"))
        paintArrow(p, box, false, enabled);
    else if (icon == QLatin1String("reload"))
        paintReload(p, box);
    else if (icon == QLatin1String("stop"))
        paintStop(p, box.adjusted(2, 2, -2, -2));
    else if (icon == QLatin1String("home"))
        paintHome(p, box.adjusted(1, 1, -1, -1));
}

void paintField(QPainter &p, const QRect &frame, const QString &text, const QFont &font, const QColor &textColour)
{
    p.setPen(QColor(0x7f, 0x9d, 0xb9));
    p.setBrush(Qt::white);
    p.drawRect(frame.adjusted(0, 0, -1, -1));
    p.setFont(font);
    p.setPen(textColour);
    p.drawText(frame.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
}

void paintTitleBar(QPainter &p, const QRect &r, const QString &caption, bool withMinMax)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0x3a, 0x6e, 0xc8));
    g.setColorAt(0.5, QColor(0x25, 0x58, 0xb4));
    g.setColorAt(1, QColor(0x1c, 0x48, 0x9a));
    p.fillRect(r, g);
    p.setPen(Qt::white);
    p.setFont(uiFont(12, true));
    p.drawText(r.adjusted(8, 0, -80, 0), Qt::AlignVCenter | Qt::AlignLeft, caption);
    const int s = r.height() - 4;
    QRect button(r.right() - s - 2, r.top() + 2, s, s);
    auto box = [&](const QRect &b, const QColor &fill) {
        p.setPen(QColor(0xff, 0xff, 0xff, 200));
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(b).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    };
    box(button, QColor(0xd0, 0x44, 0x2c));
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(button.adjusted(5, 5, -5, -5).topLeft(), button.adjusted(5, 5, -5, -5).bottomRight());
    p.drawLine(button.adjusted(5, 5, -5, -5).topRight(), button.adjusted(5, 5, -5, -5).bottomLeft());
    if (!withMinMax)
        return;
    button.translate(-s - 2, 0);
    box(button, QColor(0x3c, 0x74, 0xd8));
    p.setPen(QPen(Qt::white, 2));
    p.drawRect(button.adjusted(5, 5, -5, -5));
    button.translate(-s - 2, 0);
    box(button, QColor(0x3c, 0x74, 0xd8));
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(button.left() + 5, button.bottom() - 5, button.right() - 5, button.bottom() - 5);
}

void paintMenuStrip(QPainter &p, const QRect &r, const QStringList &titles)
{
    p.fillRect(r, ChromeLight);
    p.setFont(uiFont(12));
    p.setPen(Qt::black);
    int x = r.left() + 6;
    for (const QString &t : titles) {
        const int w = p.fontMetrics().horizontalAdvance(t);
        p.drawText(QRect(x, r.top(), w + 2, r.height()), Qt::AlignVCenter, t);
        x += w + 16;
    }
}

void paintVerticalScrollBar(QPainter &p, const QRect &r)
{
    p.fillRect(r, QColor(0xee, 0xed, 0xe9));
    p.setPen(QColor(0xc8, 0xc6, 0xc0));
    p.drawLine(r.topLeft(), r.bottomLeft());
    const QRect up(r.left() + 1, r.top() + 1, r.width() - 2, 15);
    const QRect down(r.left() + 1, r.bottom() - 15, r.width() - 2, 15);
    const QRect thumb(r.left() + 2, r.top() + 18, r.width() - 4, r.height() / 3);
    for (const QRect &b : {up, down, thumb}) {
        QLinearGradient g(b.topLeft(), b.topRight());
        g.setColorAt(0, QColor(0xfa, 0xfa, 0xf8));
        g.setColorAt(1, QColor(0xd6, 0xd3, 0xcb));
        p.setPen(QColor(0xa0, 0x9d, 0x95));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(b).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x50, 0x50, 0x50));
    const QPoint cu = up.center(), cd = down.center();
    p.drawPolygon(QPolygon({cu + QPoint(-4, 2), cu + QPoint(4, 2), cu + QPoint(0, -2)}));
    p.drawPolygon(QPolygon({cd + QPoint(-4, -2), cd + QPoint(4, -2), cd + QPoint(0, 2)}));
}

void paintFavicon(QPainter &p, const QRect &r, const QColor &colour, QChar letter)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    QFont f = uiFont(r.height() - 4, true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, QString(letter));
}

void paintGo(QPainter &p, const QRect &r)
{
    const QRect icon(r.left() + 3, r.top() + 4, 17, 17);
    paintArrow(p, icon, false, true);
    p.setPen(Qt::black);
    p.setFont(uiFont(12));
    p.drawText(QRect(icon.right() + 3, r.top(), r.width() - 22, r.height()), Qt::AlignVCenter, QStringLiteral("OK"));
}

void paintWidgets(QPainter &p, const QRect &target, const std::function<void(QWidget *root)> &builder)
{
    QWidget root;
    root.setAttribute(Qt::WA_DontShowOnScreen);
    root.resize(target.size());
    root.setAutoFillBackground(true);
    builder(&root);
    root.ensurePolished();
    for (QWidget *w : root.findChildren<QWidget *>())
        w->ensurePolished();
    root.render(&p, target.topLeft(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
}
}
