#pragma once
#include <QPointF>
#include <QRectF>

class QPainter;

// The program's glass marble (home screen buttons, the program's icon): blue
// glass, coloured swirls, a darker rim and reflections. Small drawings keep fewer
// details.
namespace Marble {
struct Look
{
    QPointF shadowOffset;        // of the drop shadow; none when null
    int shadowAlpha = 40;
    int orangeAlpha = 230;       // the broad swirl
    qreal minimumSwirl = 0;      // the broad swirl's narrowest pen, in pixels
    bool allSwirls = true;       // the yellow and red swirls beside the orange one
    int rimAlpha = 110;
    bool lowerReflection = true;
    bool outline = false;        // a hard edge that keeps a tiny marble round
};

void paint(QPainter &painter, const QRectF &r, const Look &look);
}
