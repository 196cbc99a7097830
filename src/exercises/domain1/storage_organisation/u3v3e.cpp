#include "exercises/domain1/storage_organisation/u3v3e.h"

#include "exercises/domain1/storage_organisation/layout.h"
#include "pictures/desktop.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

using namespace StorageLayout;

Texercice3v3e::Texercice3v3e(ExerciseSession *session)
    : StorageScreen(session, QStringLiteral("Texercice3v3e"), QStringLiteral("exercice3v3e"), LastWindowSize)
{
    Image1 = picture(QStringLiteral("Image1"), LastDesktopRect);
    zs = wrongArea(QStringLiteral("zs"), W4zs);
    zs1 = wrongArea(QStringLiteral("zs1"), W4zs1);
    zs2 = wrongArea(QStringLiteral("zs2"), W4zs2);
    Image4 = picture(QStringLiteral("Image4"), W4Image4, false);
    placeInstruction(W4Start, LastBitBtn20);
    Image2 = picture(QStringLiteral("Image2"), W4Image2, false);
    zs5 = wrongArea(QStringLiteral("zs5"), W4zs5, false);
    zs3 = hotSpot(QStringLiteral("zs3"), W4zs3, false);
    Image3 = picture(QStringLiteral("Image3"), W4Image3, false);
    zs6 = wrongArea(QStringLiteral("zs6"), W4zs6, false);
    zs4 = hotSpot(QStringLiteral("zs4"), W4zs4, false);

    // Only a right-click on the free desktop opens its menu; a left click there
    // does nothing, nor does any click on the task bar's lower rows.
    connect(Image1, &HotSpot::pressedAt, this, [this](Qt::MouseButton, const QPoint &at) { m_pressedAt = at; });
    connect(Image1, &HotSpot::rightClicked, this, &Texercice3v3e::Image1ContextPopup);
    connect(zs3, &HotSpot::clicked, this, &Texercice3v3e::zs3Click);
    connect(zs4, &HotSpot::clicked, this, &Texercice3v3e::zs4Click);
}

void Texercice3v3e::Image1ContextPopup()
{
    if (m_pressedAt.y() >= DesktopSize.height() - Desktop::TaskBarHeight)
        return;
    // The menu opens at its one place, wherever the desktop was right-clicked.
    Image2->show();
    zs5->show();
    zs3->show();
}

void Texercice3v3e::zs3Click()
{
    Image3->show();
    zs6->show();
    zs4->show();
}

void Texercice3v3e::zs4Click()
{
    Image4->show();
    Image2->hide();
    Image3->hide();
    for (QWidget *w : {zs3, zs4, zs5, zs6})
        w->hide();
    finalVerdict();
}
