#include "exercises/domain1/storage_organisation/u3v3.h"

#include "exercises/domain1/storage_organisation/layout.h"
#include "exercises/domain1/storage_organisation/u3v3b.h"
#include "exercises/domain1/storage_organisation/u3v3c.h"
#include "exercises/domain1/storage_organisation/u3v3e.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

#include <QLabel>

using namespace StorageLayout;

Texercice3v3::Texercice3v3(ExerciseSession *session)
    : StorageScreen(session, QStringLiteral("Texercice3v3"), QStringLiteral("exercice3"), WindowSize)
{
    // The desktop and its hot spots, then the editor's pictures over them (a click
    // on the editor's empty parts does nothing), then the editor's hot spots.
    Image1 = picture(QStringLiteral("Image1"), DesktopRect);
    Icone1 = wrongArea(QStringLiteral("Icone1"), W1Icone1);
    Image4 = hotSpot(QStringLiteral("Image4"), W1Image4);
    Image3 = wrongArea(QStringLiteral("Image3"), W1Image3);
    Image7 = picture(QStringLiteral("Image7"), W1Image7, false);
    Image11 = picture(QStringLiteral("Image11"), W1Image11, false);
    Image14 = picture(QStringLiteral("Image14"), W1Image14, false);
    placeInstruction(W1Start, BitBtn20);
    Image10 = hotSpot(QStringLiteral("Image10"), W1Image10, false);
    Image9 = wrongArea(QStringLiteral("Image9"), W1Image9, false);
    Image8 = wrongArea(QStringLiteral("Image8"), W1Image8, false);
    Image12 = wrongArea(QStringLiteral("Image12"), W1Image12, false);
    Image13 = hotSpot(QStringLiteral("Image13"), W1Image13, false);
    Image16 = wrongArea(QStringLiteral("Image16"), W1Image16, false);
    Image15 = hotSpot(QStringLiteral("Image15"), W1Image15, false);

    connect(Image4, &HotSpot::doubleClicked, this, &Texercice3v3::Image4DblClick);
    connect(Image10, &HotSpot::clicked, this, &Texercice3v3::Image10Click);
    connect(Image13, &HotSpot::clicked, this, &Texercice3v3::Image13Click);
    connect(Image15, &HotSpot::clicked, this, &Texercice3v3::Image15Click);
}

void Texercice3v3::Image4DblClick()
{
    Image7->show();
    Image8->show();
    Image9->show();
    Image10->show();
    Label1->setText(W1OpenRecent);
    m_step = Step::Editor;
}

void Texercice3v3::Image10Click()
{
    Image11->show();
    Image12->show();
    Image13->show();
    m_step = Step::FileMenu;
}

void Texercice3v3::Image13Click()
{
    Image14->show();
    Image16->show();
    Image15->show();
    m_step = Step::RecentFiles;
}

void Texercice3v3::Image15Click()
{
    moveOn<Texercice3v3b>();
}

static const ExerciseRegistry::Registrar registrar(Competence, ExerciseSession::launcher<Texercice3v3, Texercice3v3b, Texercice3v3c, Texercice3v3e>(Competence));
