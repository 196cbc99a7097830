#include "exercises/domain2/collective_production/u13v3d.h"

#include "exercises/domain2/collective_production/layout.h"
#include "exercises/domain2/collective_production/u13v3e.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

#include <QLineEdit>

using namespace CollectiveLayout;

Texercice13v3d::Texercice13v3d(ExerciseSession *session)
    : SiteScreen(session, QStringLiteral("Texercice13v3d"), WindowSize, EditorInstruction, EditorSecondLine)
{
    screenshot(QStringLiteral("Image1"), TallScreenshot);
    Edit1 = field(QStringLiteral("Edit1"), TitleField);
    Edit3 = field(QStringLiteral("Edit3"), SubtitleField);
    Edit2 = field(QStringLiteral("Edit2"), TextField);   // one line in a tall box
    Edit2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image4 = hotSpot(QStringLiteral("Image4"), SaveButton);
    connect(Image4, &HotSpot::clicked, this, &Texercice13v3d::Image4Click);
}

void Texercice13v3d::Image4Click()
{
    // The subtitle is free; title and text exactly as asked.
    if (Edit1->text() != ArticleTitle || Edit2->text() != ArticleText) {
        session()->wrong(CommonTexts::WrongWay);
        return;
    }
    goTo<Texercice13v3e>();
}
