#pragma once
#include "exercises/domain1/file_properties/screen.h"

class HotSpot;
class PictureBox;

// Licence.txt dragged with the left button into the folder textes, in the list or
// in the tree; the drop gives the verdict.
class Texercice4v3h : public FilePropertiesScreen
{
    Q_OBJECT
public:
    explicit Texercice4v3h(ExerciseSession *session);

    bool dragging() const { return m_dragging; }

    PictureBox *Image1 = nullptr;
    HotSpot *zs1 = nullptr;
    PictureBox *Image2 = nullptr;
    PictureBox *Image3 = nullptr;

private slots:
    void zs1MouseDown(Qt::MouseButton button, const QPoint &pos);
    void zs1MouseMove(const QPoint &pos);
    void zs1MouseUp(Qt::MouseButton button, const QPoint &pos);

private:
    bool m_dragging = false;
    bool m_pressed = false;
};
