#include "widgets/picturedrag.h"

#include "widgets/hotspot.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>

PictureDrag::PictureDrag(QWidget *window)
    : QObject(window), m_window(window)
{
    m_ghost = new QLabel(window);
    m_ghost->setObjectName(QStringLiteral("dragGhost"));
    m_ghost->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *opacity = new QGraphicsOpacityEffect(m_ghost);
    opacity->setOpacity(0.7);
    m_ghost->setGraphicsEffect(opacity);
    m_ghost->hide();
}

void PictureDrag::addSource(HotSpot *source, const QPixmap &ghost)
{
    source->setProperty("dragGhost", ghost);
    connect(source, &HotSpot::pressedAt, this, [this, source](Qt::MouseButton b, const QPoint &p) { start(source, b, p); });
    connect(source, &HotSpot::moved, this, [this, source](const QPoint &p) { move(source, p); });
    connect(source, &HotSpot::released, this, [this, source](Qt::MouseButton b, const QPoint &p) { finish(source, b, p); });
}

void PictureDrag::start(HotSpot *source, Qt::MouseButton button, const QPoint &local)
{
    if (button != Qt::LeftButton) {
        emit wrongButton(source);
        return;
    }
    m_source = source;
    QPixmap ghost = source->property("dragGhost").value<QPixmap>();
    if (ghost.isNull())
        ghost = source->grab();
    m_ghost->setPixmap(ghost);
    m_ghost->resize(ghost.deviceIndependentSize().toSize());
    m_grabOffset = local;
    m_ghost->move(source->mapTo(m_window, QPoint(0, 0)));
    m_ghost->raise();
    m_ghost->show();
}

void PictureDrag::move(HotSpot *source, const QPoint &local)
{
    if (source != m_source)
        return;
    m_ghost->move(source->mapTo(m_window, local) - m_grabOffset);
    emit dragMoved(source, source->mapTo(m_window, local));
}

void PictureDrag::finish(HotSpot *source, Qt::MouseButton button, const QPoint &local)
{
    if (source != m_source || button != Qt::LeftButton)
        return;
    m_ghost->hide();
    m_source = nullptr;
    emit dropped(source, source->mapTo(m_window, local));
}
