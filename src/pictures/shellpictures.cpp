// The pictures of the start-up, home, board and registration windows, and the two
// shared ones (the mascot and the Abandon glyph).
#include "pictures/cartoons.h"
#include "pictures/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
using Pictures::Entry;
using Pictures::Registrar;

QRectF whole(const QSize &size) { return QRectF(QPointF(0, 0), QSizeF(size)); }

void paintSplash(QPainter &p, const QSize &size)
{
    const QRectF r = whole(size);
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(60, 130, 220));
    sky.setColorAt(0.6, QColor(150, 205, 250));
    sky.setColorAt(1, QColor(240, 250, 255));
    p.fillRect(r, sky);
    // Soft hills.
    QPainterPath hills;
    hills.moveTo(0, r.height() * 0.82);
    hills.cubicTo(r.width() * 0.3, r.height() * 0.7, r.width() * 0.6, r.height() * 0.92, r.width(), r.height() * 0.78);
    hills.lineTo(r.width(), r.height());
    hills.lineTo(0, r.height());
    hills.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 200, 90));
    p.drawPath(hills);

    // Product name with a shadow, and the version in a yellow badge.
    QFont title(QStringLiteral("Comic Sans MS"));
    title.setBold(true);
    title.setPixelSize(86);
    p.setFont(title);
    const QRectF titleRect(190, 28, 300, 110);
    p.setPen(QColor(20, 50, 110, 160));
    p.drawText(titleRect.translated(4, 4), Qt::AlignCenter, QStringLiteral("Tavelo"));
    p.setPen(Qt::white);
    p.drawText(titleRect, Qt::AlignCenter, QStringLiteral("Tavelo"));
    const QRectF badge(380, 138, 84, 36);
    p.setBrush(QColor(255, 255, 128));
    p.setPen(QPen(QColor(40, 130, 40), 2));
    p.drawRoundedRect(badge, 10, 10);
    QFont version(QStringLiteral("Arial"));
    version.setBold(true);
    version.setPixelSize(22);
    p.setFont(version);
    p.setPen(QColor(40, 130, 40));
    p.drawText(badge, Qt::AlignCenter, QStringLiteral("V3.2"));

    Cartoons::paintMascot(p, QRectF(26, 60, 170, 210));

    // The welcome bubble and the loading message.
    const QRectF bubble(214, 190, 262, 86);
    QPainterPath speech;
    speech.addRoundedRect(bubble, 18, 18);
    QPainterPath tail;
    tail.moveTo(bubble.left() + 10, bubble.top() + 40);
    tail.lineTo(bubble.left() - 26, bubble.top() + 58);
    tail.lineTo(bubble.left() + 14, bubble.top() + 60);
    tail.closeSubpath();
    p.setPen(QPen(QColor(40, 60, 100), 2));
    p.setBrush(Qt::white);
    p.drawPath(speech.united(tail));
    QFont words(QStringLiteral("Comic Sans MS"));
    words.setBold(true);
    words.setPixelSize(22);
    p.setFont(words);
    p.setPen(QColor(30, 60, 140));
    p.drawText(bubble.adjusted(8, 6, -8, -40), Qt::AlignCenter, QStringLiteral("Bienvenue !"));
    words.setBold(false);
    words.setPixelSize(14);
    p.setFont(words);
    p.drawText(bubble.adjusted(10, 36, -10, -4), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Entraîne-toi aux compétences informatiques !"));
    QFont loading(QStringLiteral("Arial"));
    loading.setPixelSize(15);
    loading.setItalic(true);
    p.setFont(loading);
    p.setPen(QColor(20, 60, 20));
    p.drawText(QRectF(0, r.height() - 64, r.width(), 24), Qt::AlignCenter, QStringLiteral("Chargement en cours..."));
    // A progress strip.
    const QRectF strip(150, r.height() - 34, 200, 12);
    p.setPen(QPen(QColor(30, 80, 30), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(strip, 6, 6);
    QLinearGradient fill(strip.topLeft(), strip.bottomLeft());
    fill.setColorAt(0, QColor(120, 230, 120));
    fill.setColorAt(1, QColor(30, 150, 50));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(strip.left(), strip.top(), strip.width() * 0.65, strip.height()), 6, 6);
    p.setPen(QPen(QColor(30, 60, 120), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(1.5, 1.5, -1.5, -1.5));
}

const Registrar registrations[] = {
    Registrar{Entry{QStringLiteral("Commun/Mascotte"), {84, 100},
                    [](QPainter &p, const QSize &s) { Cartoons::paintMascot(p, whole(s)); }, {}}},
    Registrar{Entry{QStringLiteral("Commun/Abandon"), {20, 20},
                    [](QPainter &p, const QSize &s) { Cartoons::paintAbandonGlyph(p, whole(s)); }, {}}},
    Registrar{Entry{QStringLiteral("Tsplash/Image1"), {500, 400}, &paintSplash, {}}},
    Registrar{Entry{QStringLiteral("Tform1/button2"), {36, 36},
                    [](QPainter &p, const QSize &s) { Cartoons::paintMarble(p, whole(s)); }, {}}},
    Registrar{Entry{QStringLiteral("Tform1/fin"), {18, 18},
                    [](QPainter &p, const QSize &s) { Cartoons::paintRedDisc(p, whole(s)); }, {}}},
    Registrar{Entry{QStringLiteral("Tform1/SpeedButton1"), {49, 49},
                    [](QPainter &p, const QSize &s) { Cartoons::paintQuestionBubble(p, whole(s)); }, {}}},
    Registrar{Entry{QStringLiteral("Tform1/Image1"), {177, 200},
                    [](QPainter &p, const QSize &s) { Cartoons::paintLeaningComputer(p, whole(s)); }, {}}},
    Registrar{Entry{QStringLiteral("Tform1/sour2"), {41, 41},
                    [](QPainter &p, const QSize &s) { Cartoons::paintSphere(p, whole(s), QColor(70, 140, 230)); }, {}}},
    Registrar{Entry{QStringLiteral("Tidentification/Image1"), {120, 140},
                    [](QPainter &p, const QSize &s) { Cartoons::paintMascot(p, whole(s)); }, {}}},
    Registrar{Entry{QStringLiteral("Tidentification/Image2"), {200, 140},
                    [](QPainter &p, const QSize &s) { Cartoons::paintOfficeScene(p, whole(s)); }, {}}},
};
}
