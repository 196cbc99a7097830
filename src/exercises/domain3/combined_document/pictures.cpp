// The combined-document exercise's pictures: the word processor's tool bar and
// the two symmetry figures the pupil inserts into the sheet.
#include "exercises/domain3/combined_document/layout.h"
#include "pictures/kit.h"
#include "pictures/pictures.h"
#include "pictures/wordprocessor.h"

#include <QPainter>
#include <QPainterPath>

using namespace CombinedDocumentLayout;

namespace {
constexpr QSize AxialSize{260, 233};
constexpr QSize CentralSize{260, 120};

void paintToolBar(QPainter &p, const QSize &size)
{
    using WordProcessor::Tool;
    using Item = WordProcessor::ToolItem;
    QList<Item> items;
    int x = 4;
    auto button = [&](Tool tool) {
        items << Item{Item::Kind::Button, tool, QRect(x, 3, 24, 24)};
        x += 25;
    };
    auto line = [&] {
        items << Item{Item::Kind::Separator, Tool::New, QRect(x + 2, 4, 2, 22)};
        x += 8;
    };
    auto combo = [&](int width, const QString &text) {
        items << Item{Item::Kind::Combo, Tool::New, QRect(x, 4, width, 22), text};
        x += width + 4;
    };
    for (Tool t : {Tool::New, Tool::Open, Tool::Save, Tool::Print})
        button(t);
    line();
    for (Tool t : {Tool::Cut, Tool::Copy, Tool::Paste, Tool::Undo})
        button(t);
    line();
    combo(150, QStringLiteral("Times New Roman"));
    items << Item{Item::Kind::Combo, Tool::New, QRect(x, 4, 44, 22), QStringLiteral("0")};
    x += 48;
    line();
    for (Tool t : {Tool::Bold, Tool::Italic, Tool::Underline})
        button(t);
    line();
    for (Tool t : {Tool::AlignLeft, Tool::AlignCenter, Tool::AlignRight})
        button(t);
    line();
    button(Tool::Bullets);
    WordProcessor::paintToolBar(p, QRect(QPoint(0, 0), size), items);
}

void arrowHead(QPainter &p, const QPointF &at, const QPointF &from)
{
    const QLineF l(at, from);
    QLineF a = l;
    a.setLength(7);
    QLineF b = a;
    a.setAngle(l.angle() + 25);
    b.setAngle(l.angle() - 25);
    p.drawLine(a);
    p.drawLine(b);
}

void label(QPainter &p, const QPointF &at, const QString &text, const QColor &colour)
{
    p.setPen(colour);
    p.drawText(QRectF(at.x() - 12, at.y() - 9, 24, 18), Qt::AlignCenter, text);
}

// A triangle ABC and its mirror image A'B'C' across a vertical dashed axis, with
// the right-angle marks and equal ticks of a construction with a set square.
void paintAxial(QPainter &p, const QSize &s)
{
    p.fillRect(QRect(QPoint(0, 0), s), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = s.width(), h = s.height();
    const qreal axis = w / 2;
    p.setPen(QPen(QColor(40, 40, 40), 1.5, Qt::DashDotLine));
    p.drawLine(QPointF(axis, 6), QPointF(axis, h - 6));
    p.setFont(PictureKit::uiFont(13, true));
    label(p, QPointF(axis + 12, 14), QStringLiteral("(d)"), QColor(40, 40, 40));
    const QPointF a(axis - 95, h * 0.25), b(axis - 25, h * 0.42), c(axis - 70, h * 0.8);
    auto mirror = [axis](const QPointF &q) { return QPointF(2 * axis - q.x(), q.y()); };
    const QColor blue(30, 80, 200), red(200, 40, 40);
    p.setBrush(QColor(30, 80, 200, 50));
    p.setPen(QPen(blue, 2));
    p.drawPolygon(QPolygonF({a, b, c}));
    p.setBrush(QColor(200, 40, 40, 50));
    p.setPen(QPen(red, 2));
    p.drawPolygon(QPolygonF({mirror(a), mirror(b), mirror(c)}));
    // Construction lines from each point to its image, perpendicular to the axis.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DotLine));
    for (const QPointF &q : {a, b, c}) {
        p.drawLine(q, mirror(q));
        p.setPen(QPen(QColor(120, 120, 120), 1));
        p.drawRect(QRectF(axis, q.y() - 7, 7, 7));
        p.drawLine(QPointF((q.x() + axis) / 2, q.y() - 4), QPointF((q.x() + axis) / 2, q.y() + 4));
        p.drawLine(QPointF((mirror(q).x() + axis) / 2, q.y() - 4), QPointF((mirror(q).x() + axis) / 2, q.y() + 4));
        p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DotLine));
    }
    label(p, a + QPointF(-12, -6), QStringLiteral("A"), blue);
    label(p, b + QPointF(-4, -12), QStringLiteral("B"), blue);
    label(p, c + QPointF(-12, 8), QStringLiteral("C"), blue);
    label(p, mirror(a) + QPointF(12, -6), QStringLiteral("A'"), red);
    label(p, mirror(b) + QPointF(6, -12), QStringLiteral("B'"), red);
    label(p, mirror(c) + QPointF(12, 8), QStringLiteral("C'"), red);
}

// A flag-like figure and its image turned half a turn around the centre O, the
// segments through O marked with equal ticks.
void paintCentral(QPainter &p, const QSize &s)
{
    p.fillRect(QRect(QPoint(0, 0), s), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = s.width(), h = s.height();
    const QPointF o(w / 2, h / 2);
    auto image = [o](const QPointF &q) { return 2 * o - q; };
    const QPointF a(w * 0.12, h * 0.2), b(w * 0.36, h * 0.14), c(w * 0.3, h * 0.45);
    const QColor blue(30, 80, 200), red(200, 40, 40);
    p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DotLine));
    for (const QPointF &q : {a, b, c})
        p.drawLine(q, image(q));
    p.setBrush(QColor(30, 80, 200, 50));
    p.setPen(QPen(blue, 2));
    p.drawPolygon(QPolygonF({a, b, c}));
    p.setBrush(QColor(200, 40, 40, 50));
    p.setPen(QPen(red, 2));
    p.drawPolygon(QPolygonF({image(a), image(b), image(c)}));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(o, 3, 3);
    p.setFont(PictureKit::uiFont(12, true));
    label(p, o + QPointF(10, -9), QStringLiteral("O"), Qt::black);
    label(p, a + QPointF(-10, -4), QStringLiteral("A"), blue);
    label(p, b + QPointF(6, -8), QStringLiteral("B"), blue);
    label(p, c + QPointF(-8, 9), QStringLiteral("C"), blue);
    label(p, image(a) + QPointF(12, 4), QStringLiteral("A'"), red);
    label(p, image(b) + QPointF(-6, 9), QStringLiteral("B'"), red);
    label(p, image(c) + QPointF(10, -8), QStringLiteral("C'"), red);
    // The half-turn arrow around O.
    p.setPen(QPen(QColor(60, 60, 60), 1.3));
    p.setBrush(Qt::NoBrush);
    const QRectF arc(o.x() - 16, o.y() - 16, 32, 32);
    p.drawArc(arc, 200 * 16, 160 * 16);
    arrowHead(p, QPointF(o.x() + 15, o.y() - 5), QPointF(o.x() + 14, o.y() + 6));
}

const Pictures::Registrar toolBar{{QStringLiteral("Texercice9/Image1"), ToolBar.size(), &paintToolBar, {}}};
const Pictures::Registrar axial{{QStringLiteral("Texercice9/Panel2"), AxialSize, &paintAxial, {}}};
const Pictures::Registrar central{{QStringLiteral("Texercice9/Panel1"), CentralSize, &paintCentral, {}}};
}
