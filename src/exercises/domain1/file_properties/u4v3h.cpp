#include "exercises/domain1/file_properties/u4v3h.h"

#include "exercises/domain1/file_properties/layout.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/messagebox.h"
#include "widgets/picturebox.h"

using namespace FilePropertiesLayout;

Texercice4v3h::Texercice4v3h(ExerciseSession *session)
    : FilePropertiesScreen(session, QStringLiteral("Texercice4v3h"), QStringLiteral("exercice4v3h"))
{
    Image1 = picture(QStringLiteral("Image1"), ExplorerRect);
    Image3 = picture(QStringLiteral("Image3"), ExplorerRect, false);
    placeInstruction(W8Start);
    zs1 = hotSpot(QStringLiteral("zs1"), W8zs1);
    Image2 = picture(QStringLiteral("Image2"), QRect(W8zs1.topLeft(), DraggedFileSize), false);
    Image2->setAttribute(Qt::WA_TransparentForMouseEvents);

    connect(zs1, &HotSpot::pressedAt, this, &Texercice4v3h::zs1MouseDown);
    connect(zs1, &HotSpot::moved, this, &Texercice4v3h::zs1MouseMove);
    connect(zs1, &HotSpot::released, this, &Texercice4v3h::zs1MouseUp);
}

void Texercice4v3h::zs1MouseDown(Qt::MouseButton button, const QPoint &pos)
{
    m_pressed = true;
    if (!LicencePress.contains(pos))
        return;
    if (button == Qt::LeftButton)
        m_dragging = true;
    else
        session()->wrong(LeftButtonOnly, MessageBox::Kind::Information, false);
}

void Texercice4v3h::zs1MouseMove(const QPoint &pos)
{
    if (!m_dragging)
        return;
    Image2->move(zs1->pos() + pos);
    Image2->show();
    Image2->raise();
}

void Texercice4v3h::zs1MouseUp(Qt::MouseButton button, const QPoint &pos)
{
    // Only the release of a press made here counts; the other buttons were
    // answered at the press.
    const bool pressedHere = m_pressed;
    m_pressed = false;
    Image2->hide();
    if (!pressedHere || button != Qt::LeftButton)
        return;
    if (m_dragging && (TextesInList.contains(pos) || TextesInTree.contains(pos))) {
        m_dragging = false;
        Image3->show();
        finalVerdict();
        return;
    }
    m_dragging = false;
    wrongAction();
}
