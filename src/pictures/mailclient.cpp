// The e-mail client family: an unbranded desktop mail program drawn with the kit.
// What its windows share; each window is drawn in its own file.
#include "pictures/mailclient.h"
#include "pictures/mailclient_internal.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace PictureKit;

namespace MailClient::detail {


QRect paintTitleBar(QPainter &p, const QRect &bar, const QString &caption, const QString &icon, bool buttons)
{
    Saved s(p);
    QLinearGradient g(bar.topLeft(), bar.bottomLeft());
    g.setColorAt(0, TitleTop);
    g.setColorAt(1, TitleBottom);
    p.fillRect(bar, g);
    paintIcon(p, QRect(bar.left() + 4, bar.top() + 3, 16, 16), icon);
    p.setPen(Qt::white);
    p.setFont(font(12, true));
    p.drawText(bar.adjusted(24, 0, -80, 0), Qt::AlignVCenter | Qt::AlignLeft, caption);
    const QRect close(bar.right() - 21, bar.top() + 2, 19, bar.height() - 4);
    QList<QRect> boxes{close};
    if (buttons)
        boxes << close.translated(-21, 0) << close.translated(-40, 0);
    for (int i = 0; i < boxes.size(); ++i) {
        const QRect &b = boxes[i];
        p.setPen(QColor(0x1b, 0x2c, 0x48));
        p.setBrush(i == 0 ? QColor(0xc8, 0x4b, 0x3c) : QColor(0x4f, 0x6f, 0xa0));
        p.drawRoundedRect(QRectF(b).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        p.setPen(QPen(Qt::white, 1.6));
        const QPointF c = QRectF(b).center();
        if (i == 0) {
            p.drawLine(c + QPointF(-4, -4), c + QPointF(4, 4));
            p.drawLine(c + QPointF(4, -4), c + QPointF(-4, 4));
        } else if (i == 1) {
            p.drawRect(QRectF(c.x() - 4, c.y() - 4, 8, 8));
        } else {
            p.drawLine(c + QPointF(-4, 4), c + QPointF(4, 4));
        }
    }
    return close;
}

// A large tool button: its icon above its caption.
void paintToolButton(QPainter &p, const QRect &r, const QString &icon, const QString &text, bool enabled)
{
    Saved s(p);
    paintIcon(p, QRect(r.center().x() - 12, r.top() + 4, 24, 24), icon);
    if (!enabled)
        p.fillRect(QRect(r.center().x() - 12, r.top() + 4, 24, 24), QColor(239, 240, 241, 150));
    p.setPen(enabled ? Colours::Text : Colours::Disabled);
    // The caption shrinks rather than run into its neighbours.
    int pixels = 10;
    while (pixels > 8 && QFontMetrics(font(pixels)).horizontalAdvance(text) > r.width() - 2)
        --pixels;
    p.setFont(font(pixels));
    p.drawText(QRect(r.left() - 1, r.top() + 30, r.width() + 2, 16), Qt::AlignCenter, text);
}

void paintToolBackground(QPainter &p, const QRect &r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0xf8, 0xf9, 0xfa));
    g.setColorAt(1, QColor(0xe4, 0xe7, 0xea));
    p.fillRect(r, g);
    p.setPen(Line);
    p.drawLine(r.bottomLeft(), r.bottomRight());
}

void paintPaperClip(QPainter &p, const QRect &r)
{
    Saved s(p);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x55, 0x5b, 0x63), 1.4));
    p.setBrush(Qt::NoBrush);
    const qreal x = r.center().x() - 3, y = r.top() + 3, h = r.height() - 6;
    QPainterPath clip;
    clip.moveTo(x + 6, y + h * 0.35);
    clip.lineTo(x + 6, y + h - 3);
    clip.arcTo(QRectF(x, y + h - 6, 6, 6), 0, -180);
    clip.lineTo(x, y + 3);
    clip.arcTo(QRectF(x, y, 4.5, 4.5), 180, -180);
    clip.lineTo(x + 4.5, y + h - 4);
    p.drawPath(clip);
}

void paintSearchField(QPainter &p, const QRect &r, const QString &placeholder)
{
    Saved s(p);
    p.setPen(Line);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    paintIcon(p, QRect(r.left() + 4, r.center().y() - 7, 14, 14), QStringLiteral("edit-find"));
    p.setPen(QColor(0x90, 0x94, 0x99));
    p.setFont(font(11));
    p.drawText(r.adjusted(22, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, placeholder);
}
}
