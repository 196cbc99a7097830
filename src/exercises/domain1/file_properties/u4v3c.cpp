#include "exercises/domain1/file_properties/u4v3c.h"

#include "exercises/domain1/file_properties/layout.h"
#include "exercises/domain1/file_properties/u4v3d.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

#include <QLabel>

#include <QTimer>

using namespace FilePropertiesLayout;

Texercice4v3c::Texercice4v3c(ExerciseSession *session)
    : FilePropertiesScreen(session, QStringLiteral("Texercice4v3c"), QStringLiteral("execice4v4c"))
{
    Image2 = picture(QStringLiteral("Image2"), ExplorerRect);
    placeInstruction(W3Start);
    zs1 = wrongArea(QStringLiteral("zs1"), W3zs1, false);
    zs2 = hotSpot(QStringLiteral("zs2"), W3zs2);
    zs3 = hotSpot(QStringLiteral("zs3"), W3zs3);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(GuardMs);

    connect(Timer1, &QTimer::timeout, this, &Texercice4v3c::Timer1Timer);
    connect(zs2, &HotSpot::clicked, this, &Texercice4v3c::openFolder);
    connect(zs3, &HotSpot::clicked, this, &Texercice4v3c::openFolder);
}

void Texercice4v3c::FormShow()
{
    Timer1->start();
}

void Texercice4v3c::Timer1Timer()
{
    zs1->show();
}

void Texercice4v3c::openFolder()
{
    moveOn<Texercice4v3d>();
}
