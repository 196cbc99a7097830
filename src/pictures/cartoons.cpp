#include "pictures/cartoons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace Cartoons {
namespace {
const QColor Outline(52, 58, 74);

QPen outlinePen(qreal width) { return QPen(Outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void paintFace(QPainter &p, const QRectF &screen)
{
    const qreal w = screen.width();
    const qreal h = screen.height();
    // Eyes: white ovals with dark pupils looking slightly up and right.
    for (int side = 0; side < 2; ++side) {
        const QRectF eye(screen.left() + w * (side ? 0.56 : 0.22), screen.top() + h * 0.18, w * 0.22, h * 0.34);
        p.setPen(outlinePen(qMax(1.0, w * 0.02)));
        p.setBrush(Qt::white);
        p.drawEllipse(eye);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 36, 60));
        const QRectF pupil(eye.center().x() - eye.width() * 0.18 + eye.width() * 0.08,
                           eye.center().y() - eye.height() * 0.2, eye.width() * 0.38, eye.height() * 0.42);
        p.drawEllipse(pupil);
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(pupil.left() + pupil.width() * 0.2, pupil.top() + pupil.height() * 0.15,
                             pupil.width() * 0.3, pupil.height() * 0.3));
    }
    // Rosy cheeks.
    p.setBrush(QColor(255, 140, 150, 150));
    p.drawEllipse(QRectF(screen.left() + w * 0.1, screen.top() + h * 0.56, w * 0.16, h * 0.12));
    p.drawEllipse(QRectF(screen.left() + w * 0.74, screen.top() + h * 0.56, w * 0.16, h * 0.12));
    // Smile.
    QPainterPath smile;
    smile.moveTo(screen.left() + w * 0.3, screen.top() + h * 0.6);
    smile.quadTo(screen.center().x(), screen.top() + h * 0.98, screen.left() + w * 0.7, screen.top() + h * 0.6);
    smile.quadTo(screen.center().x(), screen.top() + h * 0.78, screen.left() + w * 0.3, screen.top() + h * 0.6);
    p.setPen(outlinePen(qMax(1.0, w * 0.025)));
    p.setBrush(QColor(200, 40, 60));
    p.drawPath(smile);
}

void paintMonitor(QPainter &p, const QRectF &body)
{
    const qreal w = body.width();
    QLinearGradient shell(body.topLeft(), body.bottomRight());
    shell.setColorAt(0, QColor(250, 246, 232));
    shell.setColorAt(1, QColor(204, 196, 176));
    p.setPen(outlinePen(qMax(1.2, w * 0.025)));
    p.setBrush(shell);
    p.drawRoundedRect(body, w * 0.12, w * 0.12);
    const QRectF screen = body.adjusted(w * 0.1, w * 0.1, -w * 0.1, -body.height() * 0.2);
    QLinearGradient glass(screen.topLeft(), screen.bottomLeft());
    glass.setColorAt(0, QColor(120, 200, 255));
    glass.setColorAt(1, QColor(40, 110, 210));
    p.setBrush(glass);
    p.setPen(outlinePen(qMax(1.0, w * 0.02)));
    p.drawRoundedRect(screen, w * 0.06, w * 0.06);
    // A gleam across the glass.
    QPainterPath gleam;
    gleam.moveTo(screen.left() + screen.width() * 0.06, screen.top() + screen.height() * 0.1);
    gleam.lineTo(screen.left() + screen.width() * 0.3, screen.top() + screen.height() * 0.1);
    gleam.lineTo(screen.left() + screen.width() * 0.12, screen.top() + screen.height() * 0.42);
    gleam.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawPath(gleam);
    paintFace(p, screen.adjusted(screen.width() * 0.08, screen.height() * 0.05, -screen.width() * 0.08, -screen.height() * 0.02));
    // Power light.
    p.setBrush(QColor(80, 220, 90));
    p.setPen(outlinePen(qMax(0.8, w * 0.012)));
    const qreal led = w * 0.06;
    p.drawEllipse(QRectF(body.right() - w * 0.18, body.bottom() - body.height() * 0.13, led, led));
}
}

void paintMascot(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = r.width();
    const qreal h = r.height();
    // Shadow on the ground.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawEllipse(QRectF(r.left() + w * 0.1, r.bottom() - h * 0.09, w * 0.8, h * 0.08));
    // Legs and shoes.
    p.setPen(outlinePen(qMax(1.5, w * 0.04)));
    const qreal legTop = r.top() + h * 0.7;
    p.drawLine(QPointF(r.left() + w * 0.38, legTop), QPointF(r.left() + w * 0.36, r.bottom() - h * 0.08));
    p.drawLine(QPointF(r.left() + w * 0.62, legTop), QPointF(r.left() + w * 0.64, r.bottom() - h * 0.08));
    p.setBrush(QColor(220, 60, 50));
    p.setPen(outlinePen(qMax(1.0, w * 0.02)));
    p.drawEllipse(QRectF(r.left() + w * 0.2, r.bottom() - h * 0.11, w * 0.22, h * 0.07));
    p.drawEllipse(QRectF(r.left() + w * 0.58, r.bottom() - h * 0.11, w * 0.22, h * 0.07));
    // Arms: one waving.
    p.setPen(outlinePen(qMax(1.5, w * 0.04)));
    QPainterPath wave;
    wave.moveTo(r.left() + w * 0.86, r.top() + h * 0.42);
    wave.quadTo(r.left() + w * 0.98, r.top() + h * 0.3, r.left() + w * 0.93, r.top() + h * 0.14);
    p.setBrush(Qt::NoBrush);
    p.drawPath(wave);
    QPainterPath rest;
    rest.moveTo(r.left() + w * 0.14, r.top() + h * 0.45);
    rest.quadTo(r.left() + w * 0.02, r.top() + h * 0.55, r.left() + w * 0.08, r.top() + h * 0.66);
    p.drawPath(rest);
    p.setBrush(Qt::white);
    p.setPen(outlinePen(qMax(1.0, w * 0.02)));
    p.drawEllipse(QRectF(r.left() + w * 0.86, r.top() + h * 0.06, w * 0.13, w * 0.13));
    p.drawEllipse(QRectF(r.left() + w * 0.01, r.top() + h * 0.63, w * 0.13, w * 0.13));
    // Stand, then the monitor itself.
    QLinearGradient standShade(r.topLeft(), r.topRight());
    standShade.setColorAt(0, QColor(190, 182, 160));
    standShade.setColorAt(1, QColor(150, 142, 122));
    p.setBrush(standShade);
    p.drawRoundedRect(QRectF(r.left() + w * 0.4, r.top() + h * 0.6, w * 0.2, h * 0.1), 2, 2);
    paintMonitor(p, QRectF(r.left() + w * 0.12, r.top() + h * 0.08, w * 0.76, h * 0.56));
    p.restore();
}

void paintLeaningComputer(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = r.width();
    const qreal h = r.height();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(QRectF(r.left() + w * 0.05, r.bottom() - h * 0.07, w * 0.9, h * 0.06));
    // The tower case on the right.
    const QRectF tower(r.left() + w * 0.6, r.top() + h * 0.28, w * 0.34, h * 0.66);
    QLinearGradient caseShade(tower.topLeft(), tower.topRight());
    caseShade.setColorAt(0, QColor(246, 242, 228));
    caseShade.setColorAt(1, QColor(196, 188, 168));
    p.setPen(outlinePen(qMax(1.2, w * 0.012)));
    p.setBrush(caseShade);
    p.drawRoundedRect(tower, 6, 6);
    p.setBrush(QColor(120, 120, 130));
    for (int i = 0; i < 2; ++i)
        p.drawRoundedRect(QRectF(tower.left() + tower.width() * 0.15, tower.top() + tower.height() * (0.1 + 0.1 * i),
                                 tower.width() * 0.7, tower.height() * 0.06), 2, 2);
    p.setBrush(QColor(80, 220, 90));
    p.drawEllipse(QRectF(tower.center().x() - 4, tower.bottom() - tower.height() * 0.16, 8, 8));
    // The monitor leans on it, arm on its roof.
    p.save();
    p.translate(r.left() + w * 0.36, r.top() + h * 0.52);
    p.rotate(-9);
    const QRectF body(-w * 0.29, -h * 0.3, w * 0.56, h * 0.46);
    p.setPen(outlinePen(qMax(1.5, w * 0.02)));
    p.drawLine(QPointF(body.right() - w * 0.04, body.top() + h * 0.12), QPointF(body.right() + w * 0.16, body.top() + h * 0.02));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(body.right() + w * 0.12, body.top() - h * 0.02, w * 0.08, w * 0.08));
    paintMonitor(p, body);
    // Its foot.
    p.setBrush(QColor(170, 162, 140));
    p.drawRoundedRect(QRectF(body.center().x() - w * 0.12, body.bottom(), w * 0.24, h * 0.07), 3, 3);
    p.restore();
    // Legs crossed casually.
    p.setPen(outlinePen(qMax(1.5, w * 0.02)));
    p.drawLine(QPointF(r.left() + w * 0.28, r.top() + h * 0.77), QPointF(r.left() + w * 0.2, r.bottom() - h * 0.06));
    p.drawLine(QPointF(r.left() + w * 0.4, r.top() + h * 0.76), QPointF(r.left() + w * 0.46, r.bottom() - h * 0.06));
    p.setBrush(QColor(220, 60, 50));
    p.setPen(outlinePen(1.2));
    p.drawEllipse(QRectF(r.left() + w * 0.08, r.bottom() - h * 0.09, w * 0.17, h * 0.05));
    p.drawEllipse(QRectF(r.left() + w * 0.42, r.bottom() - h * 0.09, w * 0.17, h * 0.05));
    p.restore();
}

void paintSphere(QPainter &p, const QRectF &r, const QColor &base)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF ball = r.adjusted(1.5, 1.5, -1.5, -1.5);
    QRadialGradient shade(ball.left() + ball.width() * 0.35, ball.top() + ball.height() * 0.3, ball.width() * 0.75);
    shade.setColorAt(0, base.lighter(190));
    shade.setColorAt(0.45, base.lighter(125));
    shade.setColorAt(1, base.darker(170));
    p.setPen(QPen(base.darker(220), 1));
    p.setBrush(shade);
    p.drawEllipse(ball);
    p.setPen(Qt::NoPen);
    QRadialGradient gleam(ball.left() + ball.width() * 0.32, ball.top() + ball.height() * 0.22, ball.width() * 0.22);
    gleam.setColorAt(0, QColor(255, 255, 255, 200));
    gleam.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gleam);
    p.drawEllipse(ball);
    p.restore();
}

void paintMarble(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF ball = r.adjusted(1, 1, -1, -1);
    QRadialGradient glass(ball.center(), ball.width() / 2);
    glass.setColorAt(0, QColor(200, 240, 255));
    glass.setColorAt(1, QColor(60, 140, 200));
    p.setPen(QPen(QColor(30, 70, 110), 1));
    p.setBrush(glass);
    p.drawEllipse(ball);
    // Coloured swirls inside the glass.
    p.setClipRegion(QRegion(ball.toRect(), QRegion::Ellipse));
    const QColor swirls[] = {QColor(230, 60, 60, 210), QColor(250, 200, 40, 210), QColor(60, 190, 90, 210)};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(ball.center());
        p.rotate(120 * i + 20);
        QPainterPath s;
        s.moveTo(0, 0);
        s.cubicTo(ball.width() * 0.2, -ball.height() * 0.1, ball.width() * 0.3, ball.height() * 0.2, ball.width() * 0.5, ball.height() * 0.05);
        s.cubicTo(ball.width() * 0.3, ball.height() * 0.3, ball.width() * 0.1, ball.height() * 0.1, 0, 0);
        p.setPen(Qt::NoPen);
        p.setBrush(swirls[i]);
        p.drawPath(s);
        p.restore();
    }
    p.setClipping(false);
    QRadialGradient gleam(ball.left() + ball.width() * 0.33, ball.top() + ball.height() * 0.28, ball.width() * 0.3);
    gleam.setColorAt(0, QColor(255, 255, 255, 230));
    gleam.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gleam);
    p.drawEllipse(ball);
    p.restore();
}

void paintRedDisc(QPainter &p, const QRectF &r)
{
    paintSphere(p, r, QColor(215, 30, 30));
}

void paintQuestionBubble(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = r.width();
    const qreal h = r.height();
    QPainterPath bubble;
    const QRectF body(r.left() + w * 0.05, r.top() + h * 0.05, w * 0.9, h * 0.7);
    bubble.addRoundedRect(body, w * 0.22, w * 0.22);
    QPainterPath tail;
    tail.moveTo(r.left() + w * 0.28, body.bottom() - 2);
    tail.lineTo(r.left() + w * 0.18, r.bottom() - h * 0.04);
    tail.lineTo(r.left() + w * 0.48, body.bottom() - 2);
    tail.closeSubpath();
    bubble = bubble.united(tail);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, Qt::white);
    fill.setColorAt(1, QColor(220, 234, 255));
    p.setPen(QPen(QColor(30, 80, 170), qMax(1.5, w * 0.045)));
    p.setBrush(fill);
    p.drawPath(bubble);
    QFont f(QStringLiteral("Comic Sans MS"));
    f.setBold(true);
    f.setPixelSize(int(h * 0.55));
    p.setFont(f);
    p.setPen(QColor(30, 80, 170));
    p.drawText(body, Qt::AlignCenter, QStringLiteral("?"));
    p.restore();
}

void paintAbandonGlyph(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = r.width();
    const qreal h = r.height();
    // Door frame and the open door leaf.
    p.setPen(QPen(QColor(70, 50, 30), qMax(1.0, w * 0.06)));
    p.setBrush(QColor(250, 240, 210));
    const QRectF frame(r.left() + w * 0.08, r.top() + h * 0.06, w * 0.5, h * 0.88);
    p.drawRect(frame);
    QPolygonF leaf;
    leaf << frame.topLeft() << QPointF(frame.left() + frame.width() * 0.62, frame.top() + h * 0.1)
         << QPointF(frame.left() + frame.width() * 0.62, frame.bottom() + h * 0.0) << frame.bottomLeft();
    p.setBrush(QColor(170, 110, 60));
    p.drawPolygon(leaf);
    // The way out.
    p.setPen(QPen(QColor(20, 150, 50), qMax(1.5, w * 0.12), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal y = r.top() + h * 0.5;
    p.drawLine(QPointF(r.left() + w * 0.45, y), QPointF(r.right() - w * 0.08, y));
    p.drawLine(QPointF(r.right() - w * 0.08, y), QPointF(r.right() - w * 0.3, y - h * 0.2));
    p.drawLine(QPointF(r.right() - w * 0.08, y), QPointF(r.right() - w * 0.3, y + h * 0.2));
    p.restore();
}

void paintOfficeScene(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = r.width();
    const qreal h = r.height();
    // Wall and floor.
    QLinearGradient wall(r.topLeft(), r.bottomLeft());
    wall.setColorAt(0, QColor(255, 244, 214));
    wall.setColorAt(1, QColor(245, 226, 186));
    p.fillRect(r, wall);
    p.fillRect(QRectF(r.left(), r.top() + h * 0.78, w, h * 0.22), QColor(196, 150, 100));
    p.setPen(outlinePen(1.2));
    p.drawLine(QPointF(r.left(), r.top() + h * 0.78), QPointF(r.right(), r.top() + h * 0.78));
    // Window with sky and a cloud.
    const QRectF window(r.left() + w * 0.06, r.top() + h * 0.08, w * 0.3, h * 0.36);
    QLinearGradient sky(window.topLeft(), window.bottomLeft());
    sky.setColorAt(0, QColor(110, 180, 255));
    sky.setColorAt(1, QColor(200, 232, 255));
    p.setBrush(sky);
    p.drawRect(window);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(window.left() + window.width() * 0.15, window.top() + window.height() * 0.3, window.width() * 0.35, window.height() * 0.25));
    p.drawEllipse(QRectF(window.left() + window.width() * 0.35, window.top() + window.height() * 0.22, window.width() * 0.35, window.height() * 0.3));
    p.setPen(outlinePen(1.5));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(window.center().x(), window.top()), QPointF(window.center().x(), window.bottom()));
    p.drawLine(QPointF(window.left(), window.center().y()), QPointF(window.right(), window.center().y()));
    // Desk.
    const QRectF top(r.left() + w * 0.3, r.top() + h * 0.55, w * 0.62, h * 0.06);
    p.setBrush(QColor(150, 95, 50));
    p.drawRect(top);
    p.drawRect(QRectF(top.left() + w * 0.02, top.bottom(), w * 0.04, h * 0.3));
    p.drawRect(QRectF(top.right() - w * 0.06, top.bottom(), w * 0.04, h * 0.3));
    p.setBrush(QColor(170, 115, 65));
    p.drawRect(QRectF(top.right() - w * 0.24, top.bottom(), w * 0.17, h * 0.16));
    p.drawLine(QPointF(top.right() - w * 0.24, top.bottom() + h * 0.08), QPointF(top.right() - w * 0.07, top.bottom() + h * 0.08));
    // Screen on the desk, with a page of text.
    const QRectF screen(r.left() + w * 0.46, r.top() + h * 0.24, w * 0.3, h * 0.26);
    p.setBrush(QColor(60, 64, 72));
    p.drawRoundedRect(screen, 3, 3);
    const QRectF glass = screen.adjusted(w * 0.015, h * 0.025, -w * 0.015, -h * 0.025);
    p.setBrush(QColor(235, 245, 255));
    p.drawRect(glass);
    p.setPen(QPen(QColor(90, 130, 200), 1.2));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(glass.left() + 4, glass.top() + 6 + i * glass.height() / 5),
                   QPointF(glass.right() - 4 - (i % 2) * 10, glass.top() + 6 + i * glass.height() / 5));
    p.setPen(outlinePen(1.2));
    p.setBrush(QColor(60, 64, 72));
    p.drawRect(QRectF(screen.center().x() - w * 0.02, screen.bottom(), w * 0.04, h * 0.05));
    // Keyboard.
    p.setBrush(QColor(230, 230, 235));
    p.drawRoundedRect(QRectF(screen.left() + w * 0.02, top.top() - h * 0.025, w * 0.22, h * 0.03), 2, 2);
    // Chair.
    p.setBrush(QColor(40, 110, 190));
    p.drawRoundedRect(QRectF(r.left() + w * 0.12, r.top() + h * 0.5, w * 0.14, h * 0.2), 4, 4);
    p.drawRoundedRect(QRectF(r.left() + w * 0.1, r.top() + h * 0.68, w * 0.22, h * 0.05), 3, 3);
    p.drawLine(QPointF(r.left() + w * 0.21, r.top() + h * 0.73), QPointF(r.left() + w * 0.21, r.top() + h * 0.86));
    p.drawLine(QPointF(r.left() + w * 0.14, r.top() + h * 0.9), QPointF(r.left() + w * 0.28, r.top() + h * 0.9));
    // Plant.
    p.setBrush(QColor(200, 90, 50));
    p.drawRect(QRectF(r.right() - w * 0.1, r.top() + h * 0.64, w * 0.07, h * 0.12));
    p.setBrush(QColor(60, 170, 70));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QRectF(r.right() - w * 0.13 + i * w * 0.03, r.top() + h * (0.46 + (i % 2) * 0.06), w * 0.06, h * 0.16));
    p.restore();
}
}
