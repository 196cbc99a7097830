#include "widgets/picturebox.h"

#include "pictures/pictures.h"

#include <QPainter>

PictureBox::PictureBox(const QString &pictureName, QWidget *parent)
    : HotSpot(parent), m_pictureName(pictureName)
{
}

PictureBox::PictureBox(const QString &pictureName, const QString &controlName, const QRect &rect, QWidget *parent)
    : PictureBox(pictureName, parent)
{
    setObjectName(controlName);
    setGeometry(rect);
}

void PictureBox::setPictureName(const QString &pictureName)
{
    m_pictureName = pictureName;
    update();
}

QSize PictureBox::sizeHint() const
{
    const QPixmap pixmap = Pictures::get(m_pictureName);
    return pixmap.isNull() ? QSize() : pixmap.deviceIndependentSize().toSize();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    const QPixmap pixmap = Pictures::get(m_pictureName);
    if (pixmap.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmap);
}
