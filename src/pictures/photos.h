#pragma once
#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;

// Photographs the simulated software shows, drawn by the program.
namespace Photos {

// A sunset over the sea: a warm sky gradient, the sun low on the horizon, a few
// clouds, the sea with the sun's reflection and a dark headland. Fills 'rect' and
// reads at any size.
void paintSunset(QPainter &painter, const QRect &rect);

// The editor's brightness levels: 1 is the brightest, 5 the darkest, 3 the
// photograph as taken. Each level is strictly darker than the one before.
constexpr int BrightestLevel = 1;
constexpr int DarkestLevel = 5;
QImage sunset(const QSize &size, int brightnessLevel);
}
