#include "exercises/domain1/storage_organisation/u3v3c.h"

#include "exercises/domain1/storage_organisation/layout.h"
#include "exercises/domain1/storage_organisation/u3v3e.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

#include <QLabel>

using namespace StorageLayout;

Texercice3v3c::Texercice3v3c(ExerciseSession *session)
    : StorageScreen(session, QStringLiteral("Texercice3v3c"), QStringLiteral("exercice3v3c"), WindowSize)
{
    Image1 = picture(QStringLiteral("Image1"), DesktopRect);
    zs1 = wrongArea(QStringLiteral("zs1"), W3zs1);
    zs2 = wrongArea(QStringLiteral("zs2"), W3zs2);
    zs = hotSpot(QStringLiteral("zs"), W3zs);
    Image4 = picture(QStringLiteral("Image4"), W3Image4, false);
    placeInstruction(W3Start, BitBtn20);
    zs3 = hotSpot(QStringLiteral("zs3"), W3zs3, false);

    connect(zs, &HotSpot::doubleClicked, this, &Texercice3v3c::zsDblClick);
    connect(zs3, &HotSpot::clicked, this, &Texercice3v3c::zs3Click);
}

void Texercice3v3c::zsDblClick()
{
    Label1->setText(W3Close);
    Image4->show();
    zs3->show();
}

void Texercice3v3c::zs3Click()
{
    moveOn<Texercice3v3e>();
}
