#include "exercises/domain1/file_properties/u4v3.h"

#include "exercises/domain1/file_properties/layout.h"
#include "exercises/domain1/file_properties/u4v3b.h"
#include "exercises/domain1/file_properties/u4v3c.h"
#include "exercises/domain1/file_properties/u4v3d.h"
#include "exercises/domain1/file_properties/u4v3e.h"
#include "exercises/domain1/file_properties/u4v3f.h"
#include "exercises/domain1/file_properties/u4v3g.h"
#include "exercises/domain1/file_properties/u4v3h.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

#include <QLabel>

using namespace FilePropertiesLayout;

Texercice4v3::Texercice4v3(ExerciseSession *session)
    : FilePropertiesScreen(session, QStringLiteral("Texercice4v3"), QStringLiteral("exercice4v3"))
{
    Image1 = picture(QStringLiteral("Image1"), W1Image1);
    Image4 = picture(QStringLiteral("Image4"), W1Image4);
    image2 = picture(QStringLiteral("image2"), W1image2, false);
    Image6 = picture(QStringLiteral("Image6"), W1Image6, false);
    Image3 = picture(QStringLiteral("Image3"), W1Image3, false);
    placeInstruction(W1Start);
    zs1 = wrongArea(QStringLiteral("zs1"), W1zs1);
    zs2 = hotSpot(QStringLiteral("zs2"), W1zs2);
    zs5 = wrongArea(QStringLiteral("zs5"), W1zs5, false);
    zs3 = hotSpot(QStringLiteral("zs3"), W1zs3, false);
    zs6 = wrongArea(QStringLiteral("zs6"), W1zs6, false);
    zs4 = hotSpot(QStringLiteral("zs4"), W1zs4, false);
    zs7 = hotSpot(QStringLiteral("zs7"), W1zs7, false);

    connect(zs2, &HotSpot::doubleClicked, this, &Texercice4v3::zs2DblClick);
    connect(zs3, &HotSpot::rightClicked, this, &Texercice4v3::zs3RightClick);
    connect(zs4, &HotSpot::clicked, this, &Texercice4v3::zs4Click);
    connect(zs7, &HotSpot::clicked, this, &Texercice4v3::zs7Click);
}

void Texercice4v3::zs2DblClick()
{
    image2->show();
    zs3->show();
    zs5->show();
    zs1->hide();
    zs2->hide();
    m_step = Step::Computer;
}

void Texercice4v3::zs3RightClick()
{
    Image6->show();
    zs3->hide();
    zs4->show();
    zs6->show();
    m_step = Step::DriveMenu;
}

void Texercice4v3::zs4Click()
{
    Image6->hide();
    Image3->show();
    zs4->hide();
    zs5->hide();
    zs6->hide();
    zs7->show();
    Label1->setText(W1ClickOk);
    m_step = Step::Properties;
}

void Texercice4v3::zs7Click()
{
    Image3->hide();
    moveOn<Texercice4v3b>();
}

static const ExerciseRegistry::Registrar registrar(Competence, ExerciseSession::launcher<Texercice4v3, Texercice4v3b, Texercice4v3c, Texercice4v3d,
                                                                    Texercice4v3e, Texercice4v3f, Texercice4v3g,
                                                                    Texercice4v3h>(Competence));
