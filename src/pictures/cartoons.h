#pragma once
#include <QColor>
#include <QRectF>

class QPainter;

// The program's own illustrations, drawn with paths and gradients at any size.
namespace Cartoons {
// The mascot: a friendly cartoon computer with a smiling face on its screen.
void paintMascot(QPainter &p, const QRectF &r);
// A smiling computer screen leaning on its tower case.
void paintLeaningComputer(QPainter &p, const QRectF &r);
// A shaded sphere of the given hue (the board's "not yet acquired" mark).
void paintSphere(QPainter &p, const QRectF &r, const QColor &base);
// A coloured glass marble.
void paintMarble(QPainter &p, const QRectF &r);
// A glossy red disc.
void paintRedDisc(QPainter &p, const QRectF &r);
// A speech bubble holding a question mark.
void paintQuestionBubble(QPainter &p, const QRectF &r);
// The glyph of the "Abandon" buttons: an open door with an arrow going out.
void paintAbandonGlyph(QPainter &p, const QRectF &r);
// A small office: window, desk, screen, chair and plant.
void paintOfficeScene(QPainter &p, const QRectF &r);
}
