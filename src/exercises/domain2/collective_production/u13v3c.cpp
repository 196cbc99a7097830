#include "exercises/domain2/collective_production/u13v3c.h"

#include "exercises/domain2/collective_production/layout.h"
#include "exercises/domain2/collective_production/u13v3d.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

using namespace CollectiveLayout;

Texercice13v3c::Texercice13v3c(ExerciseSession *session)
    : SiteScreen(session, QStringLiteral("Texercice13v3c"), TallWindowSize, RubricInstruction)
{
    Image1 = screenshot(QStringLiteral("Image1"), TallScreenshot);
    Image2 = screenshot(QStringLiteral("Image2"), TallScreenshot);
    Image2->hide();
    Image3 = hotSpot(QStringLiteral("Image3"), RubricLink);
    Image4 = hotSpot(QStringLiteral("Image4"), NewArticleButton);
    Image4->hide();
    connect(Image3, &HotSpot::clicked, this, &Texercice13v3c::Image3Click);
    connect(Image4, &HotSpot::clicked, this, &Texercice13v3c::Image4Click);
}

void Texercice13v3c::Image3Click()
{
    Image1->hide();
    Image3->hide();
    Image2->show();
    Image4->show();
}

void Texercice13v3c::Image4Click()
{
    goTo<Texercice13v3d>();
}
