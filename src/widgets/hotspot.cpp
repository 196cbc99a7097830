#include "widgets/hotspot.h"

#include <QMouseEvent>
#include <QPointer>

HotSpot::HotSpot(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
}

HotSpot::HotSpot(const QString &name, const QRect &rect, QWidget *parent)
    : HotSpot(parent)
{
    setObjectName(name);
    setGeometry(rect);
}

void HotSpot::setHint(const QString &text)
{
    QString hint = text;
    hint.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setToolTip(hint);
}

void HotSpot::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    m_pressed |= event->button();
    emit pressedAt(event->button(), event->position().toPoint());
    emit pressed();
}

void HotSpot::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const Qt::MouseButton button = event->button();
    const QPoint pos = event->position().toPoint();
    const bool secondOfDouble = m_afterDoubleClick;
    m_afterDoubleClick = false;
    const bool pressedHere = m_pressed.testFlag(button);
    m_pressed &= ~Qt::MouseButtons(button);
    QPointer<HotSpot> alive(this);
    emit released(button, pos);
    if (!alive || secondOfDouble || !pressedHere || !rect().contains(pos))
        return;
    if (button == Qt::LeftButton)
        emit clicked();
    else if (button == Qt::RightButton)
        emit rightClicked();
}

void HotSpot::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    m_pressed |= event->button();
    if (event->button() != Qt::LeftButton)
        return;
    m_afterDoubleClick = true;
    emit doubleClicked();
}

void HotSpot::mouseMoveEvent(QMouseEvent *event)
{
    emit moved(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void HotSpot::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    emit entered();
}

void HotSpot::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    emit left();
}

void HotSpot::paintEvent(QPaintEvent *)
{
    // Transparent: the picture under it shows through.
}

void HotSpot::hideEvent(QHideEvent *event)
{
    // A press whose release it will never see is forgotten.
    m_pressed = {};
    m_afterDoubleClick = false;
    QWidget::hideEvent(event);
}
