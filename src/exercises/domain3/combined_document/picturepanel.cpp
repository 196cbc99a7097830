#include "exercises/domain3/combined_document/picturepanel.h"

#include "exercises/domain3/combined_document/layout.h"
#include "pictures/pictures.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

using namespace CombinedDocumentLayout;

PicturePanel::PicturePanel(const QString &name, const QString &pictureName, const QRect &rect, QWidget *parent)
    : QWidget(parent), m_pictureName(pictureName)
{
    setObjectName(name);
    setGeometry(rect);
    setMouseTracking(true);
}

PicturePanel::Action PicturePanel::actionAt(const QPoint &pos) const
{
    const bool right = pos.x() >= width() - BorderZone;
    const bool bottom = pos.y() > height() - BorderZone;
    if (right && bottom)
        return Action::Both;
    if (right)
        return Action::Width;
    if (bottom)
        return Action::Height;
    return Action::Move;
}

void PicturePanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), Pictures::get(m_pictureName));
}

void PicturePanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_action = actionAt(event->position().toPoint());
    m_grab = event->position().toPoint();
    raise();
}

void PicturePanel::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_action == Action::None) {
        static const Qt::CursorShape shapes[] = {Qt::ArrowCursor, Qt::SizeAllCursor, Qt::SizeHorCursor,
                                                 Qt::SizeVerCursor, Qt::SizeFDiagCursor};
        setCursor(shapes[int(actionAt(pos))]);
        return;
    }
    auto side = [](int v) { return std::clamp(v, MinimumSide, MaximumSide); };
    switch (m_action) {
    case Action::Move: {
        // A moved panel stays whole inside the page, where the pupil can take it again.
        const QPoint to = mapToParent(pos) - m_grab;
        const QSize room = parentWidget()->size();
        move(std::clamp(to.x(), 0, std::max(0, room.width() - width())),
             std::clamp(to.y(), 0, std::max(0, room.height() - height())));
        break;
    }
    case Action::Width:
        resize(side(pos.x()), height());
        break;
    case Action::Height:
        resize(width(), side(pos.y()));
        break;
    case Action::Both:
        resize(side(pos.x()), side(pos.y()));
        break;
    case Action::None:
        break;
    }
}

void PicturePanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_action == Action::None)
        return;
    m_action = Action::None;
    emit released();
}
