// The pictures of the program's own windows (splash, home screen, board, registration).
#include "pictures/cartoon.h"
#include "pictures/fonts.h"
#include "pictures/kit.h"
#include "pictures/pictures.h"
#include "shell/marble.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace {

QFont friendlyFont(int pixels, bool bold = true)
{
    return pixelFont(QStringLiteral("Comic Sans MS"), pixels, bold);
}



// ---- splash ------------------------------------------------------------------------

void paintSplash(QPainter &painter, const QSize &size)
{
    const QRectF all(QPointF(), size);
    QLinearGradient sky(all.topLeft(), all.bottomRight());
    sky.setColorAt(0, QColor(22, 56, 128));
    sky.setColorAt(0.6, QColor(30, 110, 190));
    sky.setColorAt(1, QColor(40, 170, 200));
    painter.fillRect(all, sky);

    // Soft light discs and a wave for depth.
    painter.setPen(Qt::NoPen);
    const struct { qreal x, y, r; int alpha; } discs[] = {
        {430, 60, 90, 20}, {470, 120, 40, 25}, {70, 60, 30, 18}, {250, 20, 16, 22}, {140, 350, 60, 14}};
    for (const auto &d : discs) {
        painter.setBrush(QColor(255, 255, 255, d.alpha));
        painter.drawEllipse(QPointF(d.x, d.y), d.r, d.r);
    }
    QPainterPath wave;
    wave.moveTo(0, 300);
    wave.cubicTo(140, 250, 320, 350, 500, 280);
    wave.lineTo(500, 400);
    wave.lineTo(0, 400);
    wave.closeSubpath();
    painter.setBrush(QColor(255, 255, 255, 28));
    painter.drawPath(wave);

    // The mascot on a soft halo.
    QRadialGradient halo(QPointF(135, 200), 120);
    halo.setColorAt(0, QColor(255, 255, 255, 90));
    halo.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setBrush(halo);
    painter.drawEllipse(QPointF(135, 200), 120, 120);
    PictureKit::paintMascot(painter, QRect(45, 95, 180, 214));

    // Product name with its shadow, and the version badge.
    QFont title = friendlyFont(72);
    painter.setFont(title);
    const QRect titleRect(230, 70, 260, 96);
    painter.setPen(QColor(10, 30, 70, 120));
    painter.drawText(titleRect.translated(3, 4), Qt::AlignCenter, QStringLiteral("Tavelo"));
    QLinearGradient gold(titleRect.topLeft(), titleRect.bottomLeft());
    gold.setColorAt(0, QColor(255, 250, 200));
    gold.setColorAt(1, QColor(255, 200, 60));
    painter.setPen(QPen(QBrush(gold), 1));
    painter.drawText(titleRect, Qt::AlignCenter, QStringLiteral("Tavelo"));

    const QRectF badge(322, 170, 76, 28);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawRoundedRect(badge, 14, 14);
    painter.setFont(friendlyFont(17));
    painter.setPen(QColor(22, 56, 128));
    painter.drawText(badge, Qt::AlignCenter, QStringLiteral("V3.2"));

    painter.setFont(friendlyFont(14, false));
    painter.setPen(QColor(255, 255, 255, 230));
    painter.drawText(QRect(230, 208, 260, 40), Qt::AlignCenter | Qt::TextWordWrap,
                     QStringLiteral("Entraîne-toi aux compétences numériques"));

    painter.setFont(friendlyFont(30));
    painter.setPen(QColor(10, 30, 70, 110));
    painter.drawText(QRect(232, 258, 260, 44), Qt::AlignCenter, QStringLiteral("Bienvenue !"));
    painter.setPen(Qt::white);
    painter.drawText(QRect(230, 255, 260, 44), Qt::AlignCenter, QStringLiteral("Bienvenue !"));

    // Loading message and bar along the bottom.
    painter.setFont(friendlyFont(14, false));
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 330, 500, 22), Qt::AlignCenter, QStringLiteral("Chargement en cours..."));
    const QRectF track(125, 357, 250, 12);
    painter.setPen(QPen(QColor(255, 255, 255, 160), 1));
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawRoundedRect(track, 6, 6);
    QLinearGradient fill(track.topLeft(), track.topRight());
    fill.setColorAt(0, QColor(120, 230, 140));
    fill.setColorAt(1, QColor(255, 220, 80));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(track.adjusted(2, 2, -2 - track.width() * 0.38, -2), 4, 4);
}

// ---- home screen buttons -----------------------------------------------------------

void paintMarble(QPainter &painter, const QSize &size)
{
    Marble::Look look;
    look.shadowOffset = QPointF(0.8, 1.2);
    Marble::paint(painter, QRectF(QPointF(), size).adjusted(1.5, 1.5, -1.5, -1.5), look);
}

void paintRedDisc(QPainter &painter, const QSize &size)
{
    PictureKit::paintBall(painter, QRectF(QPointF(), size).adjusted(1, 1, -1, -1), QColor(215, 30, 30));
}

void paintHelpBubble(QPainter &painter, const QSize &size)
{
    const qreal w = size.width();
    const qreal h = size.height();
    QPainterPath bubble;
    const QRectF body(2, 3, w - 4, h * 0.72);
    bubble.addRoundedRect(body, body.height() * 0.45, body.height() * 0.45);
    QPainterPath tail;
    tail.moveTo(w * 0.24, body.bottom() - 4);
    tail.lineTo(w * 0.16, h - 2);
    tail.lineTo(w * 0.46, body.bottom() - 3);
    tail.closeSubpath();
    bubble = bubble.united(tail);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 45));
    painter.drawPath(bubble.translated(1.2, 1.6));
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, QColor(255, 255, 255));
    fill.setColorAt(1, QColor(200, 228, 255));
    painter.setPen(QPen(QColor(30, 90, 180), 2));
    painter.setBrush(fill);
    painter.drawPath(bubble);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(int(body.height() * 0.8));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(30, 90, 180));
    painter.drawText(body.translated(0, 1), Qt::AlignCenter, QStringLiteral("?"));
}

// ---- board -------------------------------------------------------------------------

void paintBoardComputer(QPainter &painter, const QSize &size)
{
    // Designed on a 177 x 200 grid.
    painter.scale(size.width() / 177.0, size.height() / 200.0);
    // Floor shadow.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 45));
    painter.drawEllipse(QRectF(8, 178, 164, 18));

    const QRectF tower(108, 46, 58, 142);
    Cartoon::drawTower(painter, tower);

    // The monitor leans on the tower, its top right against the case.
    painter.save();
    painter.translate(62, 112);
    painter.rotate(-11);
    const QRectF body(-56, -52, 112, 92);
    Cartoon::drawStand(painter, body, 24);
    const QRectF screen = Cartoon::drawMonitor(painter, body);
    Cartoon::drawFace(painter, screen);
    painter.restore();

    // An arm resting on the tower's roof and a glove giving a thumbs-up.
    Cartoon::drawArm(painter, QPointF(104, 84), QPointF(118, 44), QPointF(134, 36), 5);
    Cartoon::drawGlove(painter, QPointF(138, 32), 8);
    Cartoon::drawArm(painter, QPointF(14, 120), QPointF(2, 150), QPointF(16, 166), 5);
    Cartoon::drawGlove(painter, QPointF(18, 170), 8);
}

// ---- registration ------------------------------------------------------------------

void paintRegistrationComputer(QPainter &painter, const QSize &size)
{
    // Designed on a 120 x 140 grid: a monitor on its tower, keyboard in front, winking.
    painter.scale(size.width() / 120.0, size.height() / 140.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawEllipse(QRectF(8, 126, 104, 12));

    QRectF tower(14, 86, 92, 30);
    {
        // A desktop case lying flat under the monitor.
        QLinearGradient shell(tower.topLeft(), tower.bottomLeft());
        shell.setColorAt(0, QColor(236, 241, 248));
        shell.setColorAt(1, QColor(170, 186, 210));
        painter.setPen(QPen(Cartoon::Outline, 2));
        painter.setBrush(shell);
        painter.drawRoundedRect(tower, 6, 6);
        painter.setBrush(QColor(120, 134, 158));
        painter.setPen(QPen(Cartoon::Outline.lighter(140), 1));
        painter.drawRoundedRect(QRectF(24, 96, 34, 5), 2, 2);
        painter.drawRoundedRect(QRectF(24, 104, 34, 5), 2, 2);
        painter.setBrush(QColor(90, 210, 110));
        painter.drawEllipse(QPointF(92, 101), 5, 5);
    }
    const QRectF body(16, 8, 88, 70);
    Cartoon::drawStand(painter, body, 9);
    const QRectF screen = Cartoon::drawMonitor(painter, body);
    Cartoon::drawFace(painter, screen, Cartoon::Eyes::Wink);
    Cartoon::drawKeyboard(painter, QRectF(6, 118, 108, 16));
}

void paintOfficeScene(QPainter &painter, const QSize &size)
{
    // Designed on a 200 x 140 grid.
    painter.scale(size.width() / 200.0, size.height() / 140.0);
    const QColor outline = Cartoon::Outline;
    // Wall and floor.
    QLinearGradient wall(0, 0, 0, 100);
    wall.setColorAt(0, QColor(255, 244, 214));
    wall.setColorAt(1, QColor(250, 228, 180));
    painter.fillRect(QRectF(0, 0, 200, 100), wall);
    QLinearGradient floor(0, 100, 0, 140);
    floor.setColorAt(0, QColor(196, 150, 104));
    floor.setColorAt(1, QColor(160, 112, 70));
    painter.fillRect(QRectF(0, 100, 200, 40), floor);
    painter.setPen(QPen(QColor(140, 96, 60), 1));
    for (int x = -40; x < 200; x += 28)
        painter.drawLine(QPointF(x + 40, 100), QPointF(x, 140));

    // Window with sky and a cloud.
    painter.setPen(QPen(outline, 1.5));
    QLinearGradient sky(0, 10, 0, 60);
    sky.setColorAt(0, QColor(120, 195, 250));
    sky.setColorAt(1, QColor(200, 235, 255));
    painter.setBrush(sky);
    painter.drawRect(QRectF(14, 12, 56, 46));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(24, 24, 18, 9));
    painter.drawEllipse(QRectF(32, 20, 16, 11));
    painter.setBrush(QColor(255, 214, 90));
    painter.drawEllipse(QPointF(60, 22), 6, 6);
    painter.setPen(QPen(QColor(250, 250, 250), 2.5));
    painter.drawLine(QPointF(42, 12), QPointF(42, 58));
    painter.drawLine(QPointF(14, 35), QPointF(70, 35));
    painter.setPen(QPen(outline, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(14, 12, 56, 46));

    // Shelf with books.
    painter.setPen(QPen(outline, 1.2));
    painter.setBrush(QColor(170, 120, 80));
    painter.drawRect(QRectF(120, 30, 66, 4));
    const QColor books[] = {QColor(220, 70, 60), QColor(60, 130, 210), QColor(250, 190, 50), QColor(90, 170, 90),
                            QColor(150, 90, 180)};
    qreal bx = 124;
    for (int i = 0; i < 5; ++i) {
        painter.setBrush(books[i]);
        const qreal bh = 14 + (i % 3) * 2;
        painter.drawRect(QRectF(bx, 30 - bh, 6, bh));
        bx += 7;
    }

    // Desk.
    painter.setBrush(QColor(186, 130, 84));
    painter.drawRect(QRectF(36, 78, 130, 8));
    painter.setBrush(QColor(160, 108, 66));
    painter.drawRect(QRectF(42, 86, 8, 34));
    painter.drawRect(QRectF(128, 86, 32, 34));
    painter.setBrush(QColor(200, 150, 100));
    painter.drawRect(QRectF(131, 92, 26, 10));
    painter.drawRect(QRectF(131, 106, 26, 10));

    // Screen on the desk, with a document on it.
    const QRectF body(76, 38, 56, 38);
    Cartoon::drawStand(painter, body, 6);
    const QRectF screen = Cartoon::drawMonitor(painter, body);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(screen.adjusted(8, 4, -8, -2));
    painter.setBrush(QColor(150, 160, 180));
    for (int i = 0; i < 4; ++i)
        painter.drawRect(QRectF(screen.left() + 11, screen.top() + 7 + i * 4, screen.width() - 22 - (i == 3) * 8, 1.6));
    Cartoon::drawKeyboard(painter, QRectF(84, 72, 40, 6));

    // Chair in front of the desk.
    painter.setPen(QPen(outline, 1.5));
    painter.setBrush(QColor(50, 120, 200));
    painter.drawRoundedRect(QRectF(88, 84, 30, 26), 6, 6);
    painter.setBrush(QColor(40, 100, 170));
    painter.drawRoundedRect(QRectF(84, 106, 38, 8), 4, 4);
    painter.setBrush(QColor(90, 96, 108));
    painter.drawRect(QRectF(101, 114, 4, 12));
    painter.drawLine(QPointF(88, 130), QPointF(118, 130));
    painter.drawEllipse(QPointF(88, 131), 2.5, 2.5);
    painter.drawEllipse(QPointF(118, 131), 2.5, 2.5);
    painter.drawEllipse(QPointF(103, 132), 2.5, 2.5);

    // Plant in its pot.
    painter.setBrush(QColor(90, 170, 80));
    const QPointF leaves[] = {{176, 74}, {184, 80}, {168, 82}, {178, 88}, {188, 92}, {166, 92}};
    for (const QPointF &leaf : leaves)
        painter.drawEllipse(leaf, 6, 10);
    painter.setBrush(QColor(200, 100, 60));
    painter.drawPolygon(QPolygonF{{166, 98}, {190, 98}, {186, 124}, {170, 124}});

    // Desk lamp.
    painter.setBrush(QColor(250, 200, 50));
    painter.drawLine(QPointF(48, 78), QPointF(54, 58));
    painter.drawLine(QPointF(54, 58), QPointF(64, 64));
    painter.drawPolygon(QPolygonF{{60, 60}, {70, 60}, {72, 70}, {58, 70}});
    painter.setBrush(QColor(120, 126, 138));
    painter.drawRoundedRect(QRectF(42, 75, 14, 4), 2, 2);
}

// ---- the board's sphere ------------------------------------------------------------

void paintSphere(QPainter &painter, const QSize &size)
{
    const QRectF r = QRectF(QPointF(), size).adjusted(1.5, 1.5, -1.5, -1.5);
    const QPointF c = r.center();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 35));
    painter.drawEllipse(r.translated(0.8, 1.2));
    // Light in the middle, so that the navy code drawn over it stays readable.
    QRadialGradient body(c.x() - r.width() * 0.08, c.y() - r.height() * 0.1, r.width() * 0.62);
    body.setColorAt(0, QColor(214, 236, 255));
    body.setColorAt(0.45, QColor(136, 190, 245));
    body.setColorAt(0.85, QColor(52, 120, 215));
    body.setColorAt(1, QColor(28, 78, 170));
    painter.setBrush(body);
    painter.drawEllipse(r);
    QRadialGradient shine(r.left() + r.width() * 0.34, r.top() + r.height() * 0.22, r.width() * 0.22);
    shine.setColorAt(0, QColor(255, 255, 255, 220));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setBrush(shine);
    painter.drawEllipse(QRectF(r.left() + r.width() * 0.14, r.top() + r.height() * 0.06, r.width() * 0.42,
                               r.height() * 0.3));
}

const Pictures::Registrar registrations[] = {
    Pictures::Registrar{{QStringLiteral("Tsplash/Image1"), {500, 400}, &paintSplash, {}}},
    Pictures::Registrar{{QStringLiteral("Tform1/button2"), {36, 36}, &paintMarble, {}}},
    Pictures::Registrar{{QStringLiteral("Tform1/fin"), {18, 18}, &paintRedDisc, {}}},
    Pictures::Registrar{{QStringLiteral("Tform1/SpeedButton1"), {49, 49}, &paintHelpBubble, {}}},
    Pictures::Registrar{{QStringLiteral("Tform1/Image1"), {177, 200}, &paintBoardComputer, {}}},
    Pictures::Registrar{{QStringLiteral("Tform1/sour2"), {41, 41}, &paintSphere, {}}},
    Pictures::Registrar{{QStringLiteral("Tidentification/Image1"), {120, 140}, &paintRegistrationComputer, {}}},
    Pictures::Registrar{{QStringLiteral("Tidentification/Image2"), {200, 140}, &paintOfficeScene, {}}},
};
}
