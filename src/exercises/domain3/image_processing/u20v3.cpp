#include "exercises/domain3/image_processing/u20v3.h"

#include "exercises/domain3/image_processing/layout.h"
#include "exercises/domain3/image_processing/u20v3b.h"
#include "exercises/domain3/image_processing/u20v3c.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"

using namespace ImageProcessingLayout;

Texercice20v3::Texercice20v3(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice20v3"), WindowSize)
{
    setWindowTitle(QStringLiteral("exercice 20v3"));
    Image1 = new PictureBox(QStringLiteral("Texercice20v3/Image1"), QStringLiteral("Image1"),
                            QRect(QPoint(0, 0), WindowSize), this);
    zs1 = new HotSpot(QStringLiteral("zs1"), zs1Desktop, this);
    zs = new HotSpot(QStringLiteral("zs"), ImageProcessingLayout::zs, this);
    placeBubble(Mascot, Bubble);
    instructionLabel(QStringLiteral("Label1"), ImageProcessingLayout::Label1, StartEditor);
    placeAbandon(QStringLiteral("BitBtn20"), ImageProcessingLayout::BitBtn20);

    connect(zs, &HotSpot::doubleClicked, this, &Texercice20v3::zsDblClick);
    // A double click on another shortcut is one wrong action: its second click
    // brings no second "clicked".
    connect(zs1, &HotSpot::clicked, this, &Texercice20v3::zs1Click);
}

void Texercice20v3::zsDblClick()
{
    session()->handOver(this, session()->window<Texercice20v3b>());
}

void Texercice20v3::zs1Click()
{
    session()->wrong(CommonTexts::WrongWayReadCarefully);
}

static const ExerciseRegistry::Registrar registrar(
    Competence, ExerciseSession::launcher<Texercice20v3, Texercice20v3b, Texercice20v3c>(Competence));
