#pragma once
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QPointer>

class HotSpot;
class QLabel;
class QWidget;

// Drag and drop between pictures, done with the window's own mouse handling: the
// pupil presses on a source (a hot spot or picture), a ghost of it follows the
// pointer while the button is held, and the drop is judged where the button is
// released, in window coordinates. No platform drag loop is involved, so a test
// drives it with plain press, move and release events.
class PictureDrag : public QObject
{
    Q_OBJECT
public:
    explicit PictureDrag(QWidget *window);

    // ghost: what follows the pointer (empty = a translucent grab of the source).
    void addSource(HotSpot *source, const QPixmap &ghost = QPixmap());
    bool isDragging() const { return m_source != nullptr; }

signals:
    // The pointer moved with the left button held (for drag-over feedback), in window
    // coordinates.
    void dragMoved(HotSpot *source, const QPoint &windowPoint);
    // The left button was released: where, in window coordinates.
    void dropped(HotSpot *source, const QPoint &windowPoint);
    // A drag begun with another button than the left one.
    void wrongButton(HotSpot *source);

private:
    void start(HotSpot *source, Qt::MouseButton button, const QPoint &local);
    void move(HotSpot *source, const QPoint &local);
    void finish(HotSpot *source, Qt::MouseButton button, const QPoint &local);

    QWidget *m_window;
    QPointer<HotSpot> m_source;
    QLabel *m_ghost = nullptr;
    QPoint m_grabOffset;
};
