#include "exercises/domain1/file_properties/u4v3b.h"

#include "exercises/domain1/file_properties/layout.h"
#include "exercises/domain1/file_properties/u4v3c.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

#include <QLabel>

using namespace FilePropertiesLayout;

Texercice4v3b::Texercice4v3b(ExerciseSession *session)
    : FilePropertiesScreen(session, QStringLiteral("Texercice4v3b"), QStringLiteral("execice4v4b"))
{
    image1 = picture(QStringLiteral("image1"), ExplorerRect);
    Image2 = picture(QStringLiteral("Image2"), ExplorerRect, false);
    placeInstruction(W2Start);
    zs1 = wrongArea(QStringLiteral("zs1"), W2zs1);
    zs2 = hotSpot(QStringLiteral("zs2"), W2zs2);
    zs5 = wrongArea(QStringLiteral("zs5"), W2zs5, false);
    zs4 = hotSpot(QStringLiteral("zs4"), W2zs4, false);
    zs3 = hotSpot(QStringLiteral("zs3"), W2zs3, false);

    connect(zs2, &HotSpot::clicked, this, &Texercice4v3b::zs2Click);
    connect(zs4, &HotSpot::clicked, this, &Texercice4v3b::openDrive);
    connect(zs3, &HotSpot::doubleClicked, this, &Texercice4v3b::openDrive);
}

bool Texercice4v3b::treeShown() const { return Image2->isVisibleTo(this); }

void Texercice4v3b::zs2Click()
{
    Label1->setText(W2OpenFolder);
    Image2->show();
    zs1->hide();
    zs2->hide();
    zs3->show();
    zs4->show();
    zs5->show();
}

void Texercice4v3b::openDrive()
{
    moveOn<Texercice4v3c>();
}
