#include "scenes.h"

#include "exercises/domain3/simulation/layout.h"

#include <QLinearGradient>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace Scenes {
namespace {
constexpr double Tau = 2 * M_PI;

// 0 -> 1 -> 0 over the film, eased at both ends.
double swing(double phase)
{
    return 0.5 - 0.5 * qCos(phase * Tau);
}

void sky(QPainter &p, const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void cloud(QPainter &p, const QPointF &c, double s, int alpha = 230)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, alpha));
    p.drawEllipse(c, 28 * s, 14 * s);
    p.drawEllipse(c + QPointF(-22 * s, 4 * s), 18 * s, 11 * s);
    p.drawEllipse(c + QPointF(22 * s, 3 * s), 20 * s, 12 * s);
    p.drawEllipse(c + QPointF(4 * s, -9 * s), 17 * s, 12 * s);
}

// A canal lock seen from the side: the chamber between two gates fills from the
// upper reach and empties into the lower one, lifting and lowering a barge.
void lock(QPainter &p, const QSizeF &s, double phase)
{
    const double w = s.width(), h = s.height();
    const double u = h / 250;   // the scene's sizes grow with the frame
    sky(p, QRectF(0, 0, w, h), QColor(150, 200, 245), QColor(225, 240, 250));
    const double high = h * 0.42, low = h * 0.70, bottom = h * 0.86;
    const double level = high + (low - high) * (1 - swing(phase));
    const double gate1 = w * 0.30, gate2 = w * 0.72;
    const QColor water(40, 110, 190, 220), stone(140, 130, 120), ground(110, 150, 70);
    // Banks and the bed.
    p.fillRect(QRectF(0, bottom, w, h - bottom), stone.darker(120));
    p.fillRect(QRectF(0, high - 2 * u, gate1, bottom - high + 2 * u), water);   // upper reach
    p.fillRect(QRectF(gate2, low, w - gate2, bottom - low), water);     // lower reach
    p.fillRect(QRectF(gate1, level, gate2 - gate1, bottom - level), water);
    p.fillRect(QRectF(0, high - 8 * u, gate1 * 0.2, 8 * u), ground);
    p.fillRect(QRectF(gate2 + (w - gate2) * 0.85, low - 8 * u, (w - gate2) * 0.15, 8 * u), ground);
    // The walls of the chamber and the two gates.
    p.fillRect(QRectF(gate1 - 8 * u, high - 30 * u, 10 * u, bottom - high + 30 * u), stone);
    p.fillRect(QRectF(gate2 - 2 * u, high - 30 * u, 10 * u, bottom - high + 30 * u), stone);
    p.fillRect(QRectF(gate1 - 14 * u, high - 36 * u, 22 * u, 8 * u), stone.darker(130));
    p.fillRect(QRectF(gate2 - 8 * u, high - 36 * u, 22 * u, 8 * u), stone.darker(130));
    // Bubbles where the sluice lets water through: into the chamber while it fills,
    // out of it while it empties.
    const bool filling = phase < 0.5;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    for (int i = 0; i < 8; ++i) {
        const double t = std::fmod(phase * 8 + i / 8.0, 1.0);
        const double x = (filling ? gate1 + 4 * u : gate2 + 10 * u) + t * 40 * u;
        const double y = bottom - (8 + std::fmod(i * 7.0, 20.0) + t * 10) * u;
        p.drawEllipse(QPointF(x, y), 2.5 * u, 2.5 * u);
    }
    // The barge floats on the chamber's water.
    p.save();
    p.translate((gate1 + gate2) / 2, level);
    p.scale(u, u);
    QPainterPath hull;
    hull.moveTo(-70, -14);
    hull.lineTo(70, -14);
    hull.lineTo(58, 8);
    hull.lineTo(-62, 8);
    hull.closeSubpath();
    p.setBrush(QColor(150, 40, 40));
    p.drawPath(hull);
    p.setBrush(QColor(240, 240, 230));
    p.drawRect(QRectF(20, -34, 36, 20));
    p.setBrush(QColor(60, 90, 140));
    p.drawRect(QRectF(26, -30, 10, 8));
    p.drawRect(QRectF(40, -30, 10, 8));
    p.setBrush(QColor(200, 160, 60));
    p.drawRect(QRectF(-55, -26, 60, 12));
    p.restore();
}

// A tidal wave running in from the open sea and breaking over a low coast.
void tidalWave(QPainter &p, const QSizeF &s, double phase)
{
    const double w = s.width(), h = s.height();
    const double u = h / 300;   // the scene's sizes grow with the frame
    sky(p, QRectF(0, 0, w, h), QColor(120, 140, 170), QColor(200, 210, 220));
    const double sea = h * 0.62;
    // The coast on the right: a beach, houses and a palm tree.
    QPainterPath land;
    land.moveTo(w * 0.62, h);
    land.lineTo(w * 0.70, sea + 6 * u);
    land.lineTo(w, sea - 10 * u);
    land.lineTo(w, h);
    land.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 200, 140));
    p.drawPath(land);
    for (int i = 0; i < 3; ++i) {
        const QRectF house(w * 0.76 + i * w * 0.075, sea - (30 + i * 3) * u, w * 0.06, 24 * u);
        p.setBrush(QColor(235, 225, 205));
        p.drawRect(house);
        QPainterPath roof;
        roof.moveTo(house.left() - 3 * u, house.top());
        roof.lineTo(house.center().x(), house.top() - 12 * u);
        roof.lineTo(house.right() + 3 * u, house.top());
        p.setBrush(QColor(170, 60, 40));
        p.drawPath(roof);
    }
    p.setPen(QPen(QColor(110, 80, 40), 3 * u));
    p.drawLine(QPointF(w * 0.72, sea), QPointF(w * 0.74, sea - 44 * u));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 130, 60));
    for (int k = 0; k < 5; ++k)
        p.drawEllipse(QPointF(w * 0.74 + 10 * u * qCos(k * 1.3), sea + (-46 + 4 * qSin(k * 1.3)) * u), 12 * u, 4 * u);
    // The wave: a swelling crest that moves from the left edge onto the shore and
    // sinks back into the sea as the next one forms.
    const double x = -0.2 * w + phase * 0.95 * w;
    const double height = h * 0.30 * qSin(phase * M_PI);
    QPainterPath water;
    water.moveTo(0, h);
    water.lineTo(0, sea);
    for (int i = 0; i <= 60; ++i) {
        const double xi = w * i / 60.0;
        // A long gentle back and a steep front.
        const double d = (xi - x) / (w * (xi < x ? 0.22 : 0.07));
        double y = sea + 2 * u * qSin(xi / u * 0.08 + phase * Tau * 3);
        y -= height * qExp(-d * d);
        if (xi > w * 0.68)   // the wave spends itself on the beach
            y = qMax(y, sea - 10 * u);
        water.lineTo(xi, y);
    }
    water.lineTo(w, h);
    water.closeSubpath();
    QLinearGradient g(0, sea - h * 0.3, 0, h);
    g.setColorAt(0, QColor(60, 140, 170));
    g.setColorAt(1, QColor(10, 50, 90));
    p.setBrush(g);
    p.drawPath(water);
    // Foam on the crest.
    p.setBrush(QColor(255, 255, 255, 200));
    for (int i = 0; i < 7; ++i)
        p.drawEllipse(QPointF(x + (6 + i * 5) * u, sea - height + (4 + i * 3) * u), (6 - i * 0.6) * u, 4 * u);
}

// A delta-winged fighter jet cruising above the clouds, banking gently.
void jet(QPainter &p, const QSizeF &s, double phase)
{
    const double w = s.width(), h = s.height();
    const double k = w / 230.0;   // the scene's sizes grow with the frame
    sky(p, QRectF(0, 0, w, h), QColor(40, 100, 190), QColor(160, 200, 240));
    // Clouds stream past below, one lap of their track per film.
    for (int i = 0; i < 5; ++i) {
        const double x = std::fmod(w * 1.5 * (1 - phase) + i * w * 0.3, w * 1.5) - w * 0.25;
        cloud(p, QPointF(x, h * (0.62 + 0.07 * (i % 3))), k * (1.0 + 0.3 * (i % 2)), 200);
    }
    p.save();
    p.translate(w * 0.48, h * 0.40 + 8 * k * qSin(phase * Tau));
    p.rotate(-4 + 4 * qSin(phase * Tau));
    p.scale(k, k);
    const QColor grey(150, 158, 168), dark(90, 96, 106);
    p.setPen(QPen(dark, 0.8));
    // The delta wing, the fuselage, the canopy, the canards and the fin.
    QPainterPath wing;
    wing.moveTo(-10, 0);
    wing.lineTo(-52, 22);
    wing.lineTo(-62, 22);
    wing.lineTo(-50, 0);
    wing.closeSubpath();
    p.setBrush(dark);
    p.drawPath(wing);
    QPainterPath body;
    body.moveTo(78, 0);
    body.cubicTo(60, -8, 20, -9, -40, -7);
    body.lineTo(-62, -5);
    body.lineTo(-62, 5);
    body.lineTo(-40, 7);
    body.cubicTo(20, 8, 60, 6, 78, 0);
    p.setBrush(grey);
    p.drawPath(body);
    QPainterPath fin;
    fin.moveTo(-30, -6);
    fin.lineTo(-58, -34);
    fin.lineTo(-64, -34);
    fin.lineTo(-58, -5);
    fin.closeSubpath();
    p.drawPath(fin);
    QPainterPath near;
    near.moveTo(0, 2);
    near.lineTo(-46, 14);
    near.lineTo(-58, 14);
    near.lineTo(-50, 3);
    near.closeSubpath();
    p.setBrush(grey.lighter(110));
    p.drawPath(near);
    p.setBrush(QColor(40, 60, 80));
    p.drawEllipse(QRectF(30, -11, 22, 8));
    p.setBrush(grey);
    QPainterPath canard;
    canard.moveTo(22, -2);
    canard.lineTo(10, -10);
    canard.lineTo(6, -10);
    canard.lineTo(12, -2);
    p.drawPath(canard);
    // The exhaust's glow flickers.
    QRadialGradient flame(QPointF(-66, 0), 14);
    flame.setColorAt(0, QColor(255, 240, 180, 230));
    flame.setColorAt(1, QColor(255, 120, 30, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(flame);
    p.drawEllipse(QPointF(-68, 0), 12 + 2 * qSin(phase * Tau * 12), 5);
    p.restore();
}

// The sun and four planets on their orbits; inner planets go round several times
// for one turn of the outermost, so the film loops.
void solarSystem(QPainter &p, const QSizeF &s, double phase)
{
    const double w = s.width(), h = s.height();
    const double u = h / 200;   // the sun, the planets and the stars grow with the frame
    p.fillRect(QRectF(0, 0, w, h), QColor(5, 8, 25));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 80; ++i) {
        const double x = w * std::fmod(i * 0.618034, 1.0), y = h * std::fmod(i * 0.414214, 1.0);
        p.setBrush(QColor(255, 255, 255, 90 + (i * 37) % 150));
        p.drawEllipse(QPointF(x, y), 0.8 * u, 0.8 * u);
    }
    const QPointF c(w / 2, h / 2);
    QRadialGradient sun(c, 26 * u);
    sun.setColorAt(0, QColor(255, 250, 200));
    sun.setColorAt(0.6, QColor(255, 200, 40));
    sun.setColorAt(1, QColor(255, 120, 0, 0));
    p.setBrush(sun);
    p.drawEllipse(c, 26 * u, 26 * u);
    struct Planet { double a, b; int turns; double r; QColor colour; };
    const Planet planets[] = {{0.16, 0.11, 4, 3.5, QColor(190, 160, 130)},
                              {0.25, 0.17, 3, 5, QColor(230, 200, 120)},
                              {0.34, 0.24, 2, 5.5, QColor(70, 140, 230)},
                              {0.45, 0.33, 1, 4.5, QColor(220, 90, 50)}};
    for (const Planet &pl : planets) {
        const double rx = pl.a * w, ry = pl.b * h * 1.3;
        p.setPen(QPen(QColor(255, 255, 255, 50), u));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, rx, ry);
        const double angle = phase * Tau * pl.turns + pl.a * 10;
        const QPointF at(c.x() + rx * qCos(angle), c.y() + ry * qSin(angle));
        const double r = pl.r * u;
        QRadialGradient ball(at - QPointF(r / 3, r / 3), r * 1.4);
        ball.setColorAt(0, pl.colour.lighter(150));
        ball.setColorAt(1, pl.colour.darker(160));
        p.setPen(Qt::NoPen);
        p.setBrush(ball);
        p.drawEllipse(at, r, r);
    }
}

QPainterPath gearPath(int teeth, double radius, double depth)
{
    QPainterPath path;
    const int points = teeth * 4;
    for (int i = 0; i <= points; ++i) {
        const double a = Tau * i / points;
        const double r = (i % 4 == 1 || i % 4 == 2) ? radius + depth : radius - depth * 0.2;
        const QPointF pt(r * qCos(a), r * qSin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.addEllipse(QPointF(0, 0), radius * 0.25, radius * 0.25);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

void gear(QPainter &p, const QPointF &c, int teeth, double radius, double angle, const QColor &colour, int spokes = 4)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    QRadialGradient metal(QPointF(-radius / 3, -radius / 3), radius * 1.6);
    metal.setColorAt(0, colour.lighter(140));
    metal.setColorAt(1, colour.darker(150));
    // The light stays where it is while the gear turns.
    QBrush lit(metal);
    lit.setTransform(QTransform().rotate(-angle));
    p.setPen(QPen(colour.darker(200), radius / 40));
    p.setBrush(lit);
    p.drawPath(gearPath(teeth, radius, radius * 0.12));
    for (int k = 0; k < spokes; ++k) {
        p.rotate(360.0 / spokes);
        p.setBrush(colour.darker(130));
        p.drawRect(QRectF(radius * 0.3, -radius * 0.06, radius * 0.45, radius * 0.12));
    }
    p.restore();
}

// Three meshing gears; each turns by whole teeth and whole spoke spacings over the
// film, so it loops.
void gears(QPainter &p, const QSizeF &s, double phase)
{
    const double w = s.width(), h = s.height();
    QLinearGradient bg(0, 0, 0, h);
    bg.setColorAt(0, QColor(60, 64, 72));
    bg.setColorAt(1, QColor(30, 32, 38));
    p.fillRect(QRectF(0, 0, w, h), bg);
    const double unit = h / 12.0;      // radius per 6 teeth
    const double rA = unit * 4, rB = unit * 2, rC = unit * 3;   // 24, 12 and 18 teeth
    const QPointF a(w * 0.36, h * 0.52);
    const QPointF b = a + QPointF(rA + rB + unit * 0.45, -unit * 0.2);
    const QPointF c = a + QPointF(-(rA + rC + unit * 0.45) * 0.55, (rA + rC + unit * 0.45) * 0.83);
    const double turnA = phase * 90;   // 6 teeth of 24
    gear(p, a, 24, rA, turnA, QColor(190, 150, 60));
    gear(p, b, 12, rB, -turnA * 2 + 15, QColor(160, 170, 180));
    // 120 degrees a film: whole teeth, and its three spokes come back to their places.
    gear(p, c, 18, rC, -turnA * 24.0 / 18.0 + 10, QColor(170, 110, 70), 3);
}

// A milling cutter passing back and forth along a groove in a metal block, throwing chips.
void machining(QPainter &p, const QSizeF &s, double phase)
{
    const double w = s.width(), h = s.height();
    QLinearGradient bg(0, 0, 0, h);
    bg.setColorAt(0, QColor(200, 205, 210));
    bg.setColorAt(1, QColor(150, 155, 160));
    p.fillRect(QRectF(0, 0, w, h), bg);
    const double u = h / 220;   // the scene's sizes grow with the frame
    // The machine's table and the block clamped on it.
    p.fillRect(QRectF(0, h * 0.78, w, h * 0.22), QColor(70, 80, 95));
    for (int i = 0; i < 6; ++i)
        p.fillRect(QRectF(0, h * 0.80 + i * 6 * u, w, 2 * u), QColor(50, 58, 70));
    const QRectF block(w * 0.15, h * 0.55, w * 0.70, h * 0.23);
    QLinearGradient steel(block.topLeft(), block.bottomLeft());
    steel.setColorAt(0, QColor(215, 220, 228));
    steel.setColorAt(1, QColor(140, 148, 160));
    p.fillRect(block, steel);
    const double x = block.left() + block.width() * (0.1 + 0.8 * swing(phase));
    // The groove already cut, bright where it is freshly machined.
    const QRectF groove(block.left(), block.top(), block.width(), h * 0.05);
    p.fillRect(groove, QColor(110, 116, 126));
    p.fillRect(QRectF(block.left(), groove.bottom() - 2 * u, block.width(), 2 * u), QColor(240, 240, 245));
    // The spindle and the cutter turning.
    const double cw = w * 0.07;
    p.fillRect(QRectF(x - cw * 0.9, 0, cw * 1.8, h * 0.22), QColor(60, 66, 80));
    p.fillRect(QRectF(x - cw * 0.45, h * 0.22, cw * 0.9, h * 0.12), QColor(120, 126, 136));
    const QRectF cutter(x - cw / 2, h * 0.34, cw, groove.bottom() - h * 0.34);
    p.fillRect(cutter, QColor(180, 150, 60));
    p.save();
    p.setClipRect(cutter);
    p.setPen(QPen(QColor(110, 80, 30), 2 * u));
    const double spin = std::fmod(phase * 24, 1.0);
    for (int i = -4; i < 8; ++i) {
        const double y = cutter.top() + (i + spin) * cutter.width() * 0.5;
        p.drawLine(QPointF(cutter.left(), y), QPointF(cutter.right(), y + cutter.width() * 0.5));
    }
    p.restore();
    // Chips fly from the cutting edge.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 10; ++i) {
        const double t = std::fmod(phase * 12 + i / 10.0, 1.0);
        const double dir = i % 2 ? 1 : -1;
        const QPointF at(x + dir * (cw / 2 + t * w * 0.12), groove.bottom() - t * h * 0.25 + t * t * h * 0.3);
        p.setBrush(QColor(230, 170, 60, int(255 * (1 - t))));
        p.drawEllipse(at, 2.5 * u, 1.5 * u);
    }
}

// A film in the order the exercise plays them, drawn at the size of the surface it
// plays on in the first window (even, as the encoder wants), so nothing stretches it.
Film film(int index, const Paint &paint)
{
    using namespace SimulationLayout;
    const QSize shown = filmSurface(Films[index].area, ControlBar).size();
    return {QString::fromUtf8(Films[index].file), QSize(shown.width() & ~1, shown.height() & ~1), paint};
}
}

const QList<Film> &films()
{
    static const QList<Film> all = {film(0, &lock),        film(1, &tidalWave), film(2, &jet),
                                    film(3, &solarSystem), film(4, &gears),     film(5, &machining)};
    return all;
}
}
