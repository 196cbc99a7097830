#include "widgets/disc.h"

#include <QPainter>

Disc::Disc(QWidget *parent, const QColor &colour) : QWidget(parent), m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

Disc::Disc(const QString &name, const QRect &rect, const QColor &colour, QWidget *parent) : Disc(parent, colour)
{
    setObjectName(name);
    setGeometry(rect);
}

void Disc::setColour(const QColor &colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void Disc::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(m_colour);
    p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}
