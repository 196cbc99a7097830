#pragma once
#include <QRect>
#include <QString>

// Where the simulation films lie: beside the program, in its data folder.
class QWidget;

namespace SimulationFilms {
QString path(const char *fileName);
// The windows' blue, and the black display area a film plays in.
void paintWindowBlue(QWidget *window);
QWidget *displayArea(QWidget *window, const QRect &rect);
// Where the film is drawn inside its area (area coordinates): the whole area, but
// above the control bar where the bar lies over it (a film plays in a native
// surface that no sibling can cover).
QRect filmSurface(const QRect &area, const QRect &bar);
}
