#pragma once
#include <QSize>
#include <QString>
#include <functional>

class QPainter;

// The six films of the simulation exercise, each drawn frame by frame: 'phase' runs
// from 0 to 1 over the film and the picture at 1 is the picture at 0, so the film
// loops without a jump. No film carries a caption.
namespace Scenes {

using Paint = std::function<void(QPainter &painter, const QSizeF &size, double phase)>;

struct Film
{
    QString fileName;
    QSize frameSize;   // even sizes, in the proportions of the area that shows it
    Paint paint;
};

const QList<Film> &films();
}
