#include "exercises/domain1/file_properties/u4v3f.h"

#include "exercises/domain1/file_properties/layout.h"
#include "exercises/domain1/file_properties/u4v3g.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

#include <QLabel>

using namespace FilePropertiesLayout;

Texercice4v3f::Texercice4v3f(ExerciseSession *session)
    : FilePropertiesScreen(session, QStringLiteral("Texercice4v3f"), QStringLiteral("exercice4v3f"))
{
    Image1 = picture(QStringLiteral("Image1"), ExplorerRect);
    Image2 = picture(QStringLiteral("Image2"), W6Image2, false);
    Image4 = picture(QStringLiteral("Image4"), W6Image4, false);
    Image3 = picture(QStringLiteral("Image3"), W6Image3, false);
    Image5 = picture(QStringLiteral("Image5"), W6Image5, false);
    placeInstruction(W6Start);
    zs1 = wrongArea(QStringLiteral("zs1"), W6zs1);
    zs2 = hotSpot(QStringLiteral("zs2"), W6zs2);
    zs3 = wrongArea(QStringLiteral("zs3"), W6zs3, false);
    zs3b = hotSpot(QStringLiteral("zs3b"), W6zs3b, false);
    zs4 = wrongArea(QStringLiteral("zs4"), W6zs4, false);
    zs5 = hotSpot(QStringLiteral("zs5"), W6zs5, false);
    zs6 = hotSpot(QStringLiteral("zs6"), W6zs6);
    zs7 = hotSpot(QStringLiteral("zs7"), W6zs7);
    zs8 = wrongArea(QStringLiteral("zs8"), W6zs8, false);
    zs9 = hotSpot(QStringLiteral("zs9"), W6zs9, false);
    zs11 = wrongArea(QStringLiteral("zs11"), W6zs11, false);
    zs10 = hotSpot(QStringLiteral("zs10"), W6zs10, false);

    connect(zs2, &HotSpot::clicked, this, &Texercice4v3f::zs2Click);
    connect(zs3b, &HotSpot::clicked, this, &Texercice4v3f::zs3bClick);
    connect(zs5, &HotSpot::clicked, this, &Texercice4v3f::folderChosen);
    connect(zs6, &HotSpot::rightClicked, this, &Texercice4v3f::listRightClick);
    connect(zs7, &HotSpot::rightClicked, this, &Texercice4v3f::listRightClick);
    // A left click on the free part of the list does nothing: only its context menu leads on.
    connect(zs9, &HotSpot::clicked, this, &Texercice4v3f::zs9Click);
    connect(zs10, &HotSpot::clicked, this, &Texercice4v3f::folderChosen);
}

void Texercice4v3f::zs2Click()
{
    Image2->show();
    zs3->show();
    zs3b->show();
}

void Texercice4v3f::zs3bClick()
{
    Image4->show();
    zs4->show();
    zs5->show();
}

void Texercice4v3f::listRightClick()
{
    // A context menu closes the File menu the pupil may have left open.
    for (QWidget *w : {static_cast<QWidget *>(Image2), static_cast<QWidget *>(Image4), static_cast<QWidget *>(zs3),
                       static_cast<QWidget *>(zs3b), static_cast<QWidget *>(zs4), static_cast<QWidget *>(zs5),
                       static_cast<QWidget *>(zs2), static_cast<QWidget *>(zs6), static_cast<QWidget *>(zs7)})
        w->hide();
    Image3->show();
    zs8->show();
    zs9->show();
}

void Texercice4v3f::zs9Click()
{
    Image5->show();
    zs10->show();
    zs11->show();
}

void Texercice4v3f::folderChosen()
{
    moveOn<Texercice4v3g>();
}
