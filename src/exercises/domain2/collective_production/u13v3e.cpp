#include "exercises/domain2/collective_production/u13v3e.h"

#include "exercises/domain2/collective_production/layout.h"
#include "exercises/domain2/collective_production/u13v3f.h"
#include "records/clock.h"
#include "widgets/hotspot.h"

#include <QLineEdit>

using namespace CollectiveLayout;

Texercice13v3e::Texercice13v3e(ExerciseSession *session)
    : SiteScreen(session, QStringLiteral("Texercice13v3e"), WindowSize, ArticleInstruction)
{
    screenshot(QStringLiteral("Image1"), TallScreenshot);
    Edit3 = field(QStringLiteral("Edit3"), CreationDate);
    Edit3->setText(Clock::todayText());
    Edit3->setReadOnly(true);
    Edit3->setFrame(false);
    Image2 = hotSpot(QStringLiteral("Image2"), PublishButton);
    connect(Image2, &HotSpot::clicked, this, &Texercice13v3e::Image2Click);
}

void Texercice13v3e::Image2Click()
{
    goTo<Texercice13v3f>();
}
