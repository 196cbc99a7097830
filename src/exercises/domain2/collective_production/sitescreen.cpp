#include "exercises/domain2/collective_production/sitescreen.h"

#include "exercises/domain2/collective_production/layout.h"
#include "pictures/fonts.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QLabel>
#include <QLineEdit>

using namespace CollectiveLayout;

SiteScreen::SiteScreen(ExerciseSession *session, const QString &name, QSize size, const QString &instruction,
                       const QString &secondLine)
    : ExerciseScreen(session, name, size)
{
    setLines(instruction, secondLine);
}

PictureBox *SiteScreen::screenshot(const QString &control, const QRect &rect)
{
    return new PictureBox(objectName() + QLatin1Char('/') + control, control, rect, this);
}

HotSpot *SiteScreen::hotSpot(const QString &control, const QRect &rect)
{
    // Transparent: the screenshot under it shows what it stands on.
    auto *spot = new HotSpot(control, rect, this);
    spot->setCursor(Qt::PointingHandCursor);
    return spot;
}

QLineEdit *SiteScreen::field(const QString &control, const QRect &rect)
{
    auto *edit = place(new QLineEdit(this), control, rect);
    edit->setFont(pixelFont(QStringLiteral("Verdana"), 12));
    return edit;
}

void SiteScreen::setLines(const QString &instruction, const QString &secondLine)
{
    if (!consigne3) {
        InstructionBubble *bubble = placeBubble(SiteMascot, SiteBubble);
        if (bubble->mascot())
            bubble->mascot()->setObjectName(QStringLiteral("consigne1"));
        bubble->shape()->setObjectName(QStringLiteral("consigne2"));
        consigne3 = bubble->addLabel(QStringLiteral("consigne3"), SiteLabel);
        Label1 = bubble->addLabel(QStringLiteral("Label1"), SiteSecondLabel);
        placeAbandon(QStringLiteral("BitBtn20"), AbandonButton);
    }
    consigne3->setText(InstructionBubble::displayText(instruction));
    Label1->setText(InstructionBubble::displayText(secondLine));
}
