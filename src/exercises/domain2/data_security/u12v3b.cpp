#include "exercises/domain2/data_security/u12v3b.h"

#include "exercises/domain2/data_security/layout.h"
#include "shell/exercise/commontexts.h"
#include "widgets/hotspot.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"

#include <QLabel>

using namespace DataSecurityLayout;

Texercice12v3b::Texercice12v3b(ExerciseSession *session)
    : ChainScreen(session, QStringLiteral("Texercice12v3b"), QStringLiteral("exercice12v3b"), Window2Size,
                  Style{QColor(118, 124, 152), CommonTexts::WrongWay, ErrorThreshold})
{
    Image1 = picture(QStringLiteral("Image1"), W2Image1);
    InstructionBubble *bubble = placeBubble(W2Mascot, W2Shape);
    consigne3 = bubble->addLabel(QStringLiteral("consigne3"), W2consigne3, OpenPicture);
    consigne4 = bubble->addLabel(QStringLiteral("consigne4"), W2consigne4, FromDesktop);
    zs1 = hotSpot(QStringLiteral("zs1"), W2zs1);
    Image2 = picture(QStringLiteral("Image2"), W2Image2, false);
    zs2 = hotSpot(QStringLiteral("zs2"), W2zs2, false);
    Image3 = picture(QStringLiteral("Image3"), W2Image3, false);
    zs3 = hotSpot(QStringLiteral("zs3"), W2zs3, false);
    Image4 = picture(QStringLiteral("Image4"), W2Image4, false);
    zs5 = hotSpot(QStringLiteral("zs5"), W2zs5, false);
    Image5 = picture(QStringLiteral("Image5"), W2Image5, false);
    zs6 = hotSpot(QStringLiteral("zs6"), W2zs6, false);
    zs7 = hotSpot(QStringLiteral("zs7"), W2zs7, false);
    zs8 = hotSpot(QStringLiteral("zs8"), W2zs8, false);
    Image6 = picture(QStringLiteral("Image6"), W2Image6, false);
    zs9 = hotSpot(QStringLiteral("zs9"), W2zs9, false);
    zs10 = hotSpot(QStringLiteral("zs10"), W2zs10, false);
    placeAbandon(QStringLiteral("BitBtn20"), W2BitBtn20);

    connect(zs1, &HotSpot::doubleClicked, this, &Texercice12v3b::zs1DblClick);
    connect(zs2, &HotSpot::clicked, this, &Texercice12v3b::zs2Click);
    connect(zs3, &HotSpot::clicked, this, &Texercice12v3b::zs3Click);
    connect(zs5, &HotSpot::clicked, this, &Texercice12v3b::zs5Click);
    connect(zs6, &HotSpot::clicked, this, &Texercice12v3b::zs6Click);
    connect(zs7, &HotSpot::clicked, this, &Texercice12v3b::zs7Click);
    connect(zs8, &HotSpot::clicked, this, &Texercice12v3b::zs8Click);
    connect(zs9, &HotSpot::clicked, this, &Texercice12v3b::zs9Click);
    // The dialog's other places and the shut-down button are wrong routes.
    connect(Image4, &HotSpot::clicked, this, &Texercice12v3b::wrongAction);
    connect(Image5, &HotSpot::clicked, this, &Texercice12v3b::wrongAction);
    connect(zs10, &HotSpot::clicked, this, &Texercice12v3b::wrongAction);
}

void Texercice12v3b::setLines(const QString &first, const QString &second)
{
    consigne3->setText(first);
    consigne4->setText(second);
}

void Texercice12v3b::zs1DblClick()
{
    Image2->show();
    zs2->show();
    zs1->hide();
    setLines(SaveOnServer);
}

void Texercice12v3b::zs2Click()
{
    Image3->show();
    zs3->show();
    zs2->hide();
}

void Texercice12v3b::zs3Click()
{
    Image3->hide();
    zs3->hide();
    Image4->show();
    zs5->show();
    zs6->show();
}

void Texercice12v3b::zs5Click()
{
    Image5->show();
    zs5->hide();
}

void Texercice12v3b::zs6Click()
{
    // Saving on the computer's own drives list is not saving on the server.
    if (!Image5->isVisible()) {
        wrongAction();
        return;
    }
    Image4->hide();
    Image5->hide();
    zs6->hide();
    zs7->show();
    setLines(CloseEditor);
}

void Texercice12v3b::zs7Click()
{
    Image2->hide();
    zs7->hide();
    zs8->show();
    setLines(FreeComputer, ForNextPupil);
}

void Texercice12v3b::zs8Click()
{
    Image6->show();
    zs9->show();
    zs10->show();
    zs8->hide();
}

void Texercice12v3b::zs9Click()
{
    consigne4->clear();
    finalVerdict(consigne3);
}
