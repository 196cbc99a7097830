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
}
