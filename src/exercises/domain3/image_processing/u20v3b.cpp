#include "exercises/domain3/image_processing/u20v3b.h"

#include "exercises/domain3/image_processing/layout.h"
#include "exercises/domain3/image_processing/u20v3c.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"

using namespace ImageProcessingLayout;

namespace {
template <class W>
W *hidden(W *widget)
{
    widget->hide();
    return widget;
}
}

Texercice20v3b::Texercice20v3b(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice20v3b"), WindowSize)
{
    setWindowTitle(QStringLiteral("exercice 20v3b"));
    Image1 = new PictureBox(QStringLiteral("Texercice20v3b/Image1"), QStringLiteral("Image1"), Editor, this);
    zs1 = new HotSpot(QStringLiteral("zs1"), zs1b, this);
    zs3 = new HotSpot(QStringLiteral("zs3"), zs3b, this);
    zs2 = new HotSpot(QStringLiteral("zs2"), zs2b, this);
    Image2 = hidden(new PictureBox(QStringLiteral("Texercice20v3b/Image2"), QStringLiteral("Image2"), Image2b, this));
    zs4 = hidden(new HotSpot(QStringLiteral("zs4"), zs4b, this));
    zs5 = hidden(new HotSpot(QStringLiteral("zs5"), zs5b, this));
    Image3 = hidden(new PictureBox(QStringLiteral("Texercice20v3b/Image3"), QStringLiteral("Image3"), Image3b, this));
    zs6 = hidden(new HotSpot(QStringLiteral("zs6"), zs6b, this));
    zs7 = hidden(new HotSpot(QStringLiteral("zs7"), zs7b, this));
    placeBubble(Mascot, Bubble);
    instructionLabel(QStringLiteral("Label1"), ImageProcessingLayout::Label1, OpenRecent);
    placeAbandon(QStringLiteral("BitBtn20"), ImageProcessingLayout::BitBtn20);

    connect(zs3, &HotSpot::clicked, this, &Texercice20v3b::zs3Click);
    connect(zs5, &HotSpot::clicked, this, &Texercice20v3b::zs5Click);
    connect(zs7, &HotSpot::clicked, this, &Texercice20v3b::zs7Click);
    for (HotSpot *wrong : {zs1, zs2, zs4, zs6})
        connect(wrong, &HotSpot::clicked, this, &Texercice20v3b::wrongWay);
}

void Texercice20v3b::zs3Click()
{
    Image2->show();
    zs3->hide();
    zs4->show();
    zs5->show();
}

void Texercice20v3b::zs5Click()
{
    Image3->show();
    zs5->hide();
    zs6->show();
    zs7->show();
}

void Texercice20v3b::zs7Click()
{
    session()->handOver(this, session()->window<Texercice20v3c>());
}

void Texercice20v3b::wrongWay()
{
    session()->wrong(CommonTexts::WrongWayReadCarefully);
}
