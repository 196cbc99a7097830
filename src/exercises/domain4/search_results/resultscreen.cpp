#include "exercises/domain4/search_results/resultscreen.h"

#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"

ResultScreen::ResultScreen(ExerciseSession *session, const QString &name, QSize size)
    : ExerciseScreen(session, name, size)
{
    Image1 = new PictureBox(name + QStringLiteral("/Image1"), QStringLiteral("Image1"), QRect(QPoint(0, 0), size), this);
}

HotSpot *ResultScreen::spot(const char *name, const QRect &rect)
{
    return new HotSpot(QString::fromLatin1(name), rect, this);
}

void ResultScreen::finishPage(const QRect &mascot, const QRect &shape, const QRect &label, const QString &instruction,
                              const QRect &abandon)
{
    InstructionBubble *bubble = placeBubble(mascot, shape, true);
    if (bubble->mascot())
        bubble->mascot()->setObjectName(QStringLiteral("consigne1"));
    bubble->shape()->setObjectName(QStringLiteral("consigne2"));
    bubble->addLabel(QStringLiteral("consigne3"), label, instruction);
    placeAbandon(QStringLiteral("BitBtn20"), abandon);
}

void ResultScreen::wrongRoute() { session()->wrong(CommonTexts::WrongWay); }
