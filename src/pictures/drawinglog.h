#pragma once
#include <QList>
#include <QPair>
#include <QSet>
#include <QRect>
#include <QString>
#include <QStringList>

class QFontMetrics;
class QPainter;

// What the drawings did that a check may want to see: the rows of the menus they
// drew (in the picture's own pixels) and the texts they had to shorten to fit. It
// records only between start() and take(); drawing normally costs nothing more.
namespace DrawingLog {

struct Record
{
    QList<QRect> menuRows;
    QStringList shortenedTexts;
    QStringList clippedTexts;                 // menu entries wider than their room
    QSet<QPair<QString, QString>> programs;   // program, the family that drew it
};

void start();
Record take();

// A menu row drawn at 'row' in the painter's current coordinates.
void menuRow(const QPainter &painter, const QRect &row);
// A menu entry's 'text' about to be drawn in 'room' with the painter's font; a text
// wider than its room, which the menu's edge would cut, is recorded.
void menuText(const QPainter &painter, const QRect &room, const QString &text);
// A family drew the look of a program (its window, logo or task bar).
void program(const QString &name, const char *family);
// 'text' elided on the right to 'width' pixels; a shortened text is recorded.
QString fitted(const QFontMetrics &metrics, const QString &text, int width);
}
