#include "exercises/domain3/simulation/films.h"

#include "records/datafolder.h"
#include "widgets/placement.h"

#include <QWidget>

namespace SimulationFilms {
QString path(const char *fileName)
{
    return DataFolder::path() + QString::fromUtf8(fileName);
}

namespace {
void fill(QWidget *w, const QColor &colour)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
}
}

void paintWindowBlue(QWidget *window)
{
    fill(window, QColor(30, 60, 150));
}

QWidget *displayArea(QWidget *window, const QRect &rect)
{
    auto *area = place(new QWidget(window), "Panel1", rect);
    fill(area, Qt::black);
    return area;
}
}
