#include "exercises/domain4/library_catalogue/u21v3.h"

#include "exercises/domain4/library_catalogue/layout.h"
#include "exercises/domain4/library_catalogue/u21v3a.h"
#include "exercises/domain4/library_catalogue/u21v3b.h"
#include "exercises/domain4/library_catalogue/u21v3c.h"
#include "exercises/domain4/library_catalogue/u21v3d.h"
#include "exercises/domain4/library_catalogue/u21v3e.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"

using namespace LibraryCatalogueLayout;

Texercice21v3::Texercice21v3(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice21v3"), DesktopSize)
{
    Image1 = new PictureBox(QStringLiteral("Texercice21v3/Image1"), QStringLiteral("Image1"),
                            QRect(QPoint(0, 0), DesktopSize), this);
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);
    zs1 = new HotSpot(QStringLiteral("zs1"), DesktopIcon, this);
    // Only a double click starts the catalogue, as on a real desktop.
    connect(zs1, &HotSpot::doubleClicked, this, &Texercice21v3::zs1DblClick);
    placeBubble(DesktopMascot, DesktopBubble);
    instructionLabel(QStringLiteral("Label1"), DesktopLabel, DesktopInstruction);
    placeAbandon(QStringLiteral("BitBtn20"), DesktopAbandon);
}

void Texercice21v3::zs1DblClick()
{
    session()->handOver(this, session()->window<Texercice21v3a>());
}

// The six windows are created together at launch, in the catalogue's order; they
// show and hide each other.
static const ExerciseRegistry::Registrar registrar(
    Competence, ExerciseSession::launcher<Texercice21v3, Texercice21v3a, Texercice21v3b, Texercice21v3c,
                                          Texercice21v3d, Texercice21v3e>(Competence));
