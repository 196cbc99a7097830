#pragma once
#include <QColor>
#include <QRectF>

class QPainter;

// The pieces of the program's cartoon computers (mascot, splash, board, registration
// window). Every function draws in the painter's current coordinates.
namespace Cartoon {

inline const QColor Outline(43, 58, 85);

enum class Eyes { Open, Wink };

// A rounded monitor case with its blue screen; returns the screen rectangle.
QRectF drawMonitor(QPainter &painter, const QRectF &body);
// Eyes, cheeks and a broad smile filling the screen.
void drawFace(QPainter &painter, const QRectF &screen, Eyes eyes = Eyes::Open);
// The monitor's foot under 'body'.
void drawStand(QPainter &painter, const QRectF &body, qreal height);
// A tower case with its drive slots and power button.
void drawTower(QPainter &painter, const QRectF &body);
// A keyboard seen from the front, as a trapezoid with rows of keys.
void drawKeyboard(QPainter &painter, const QRectF &area);
// A white cartoon glove at 'centre' ('radius' large).
void drawGlove(QPainter &painter, const QPointF &centre, qreal radius);
// A cartoon arm: a thick outlined curve from 'from' to 'to' through 'via'.
void drawArm(QPainter &painter, const QPointF &from, const QPointF &via, const QPointF &to, qreal width);
}
