#include "exercises/domain5/received_attachment/u27v3b.h"

#include "exercises/domain5/received_attachment/layout.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"

#include <QLabel>

using namespace ReceivedAttachmentLayout;

Texercice27v3b::Texercice27v3b(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice27v3b"), Window2Size)
{
    setWindowTitle(QStringLiteral("exercice 27v3b"));
    const QString prefix = QStringLiteral("Texercice27v3b/");
    zs7 = new PictureBox(prefix + QStringLiteral("zs7"), QStringLiteral("zs7"), zs7b, this);
    Image4 = new PictureBox(prefix + QStringLiteral("Image4"), QStringLiteral("Image4"),
                            ReceivedAttachmentLayout::Image4, this);
    zs9 = new PictureBox(prefix + QStringLiteral("zs9"), QStringLiteral("zs9"), ReceivedAttachmentLayout::zs9, this);
    zs10 = new HotSpot(QStringLiteral("zs10"), ReceivedAttachmentLayout::zs10, this);
    Image5 = new PictureBox(prefix + QStringLiteral("Image5"), QStringLiteral("Image5"),
                            ReceivedAttachmentLayout::Image5, this);
    Image5->hide();

    InstructionBubble *bubble = placeBubble(Mascot, Bubble);
    consigne3 = bubble->addLabel(QStringLiteral("consigne3"), ReceivedAttachmentLayout::consigne3, OpenAttachment);
    consigne4 = bubble->addLabel(QStringLiteral("consigne4"), ReceivedAttachmentLayout::consigne4);
    placeAbandon(QStringLiteral("BitBtn20"), ReceivedAttachmentLayout::BitBtn20);

    connect(zs7, &HotSpot::clicked, this, &Texercice27v3b::zs7Click);
    AttachmentMenu::install(zs10, [this](AttachmentMenu::Choice choice) { attachmentChosen(choice); });
}

void Texercice27v3b::zs7Click()
{
    session()->wrong(CommonTexts::WrongWay);
}

void Texercice27v3b::attachmentChosen(AttachmentMenu::Choice choice)
{
    if (choice != AttachmentMenu::Choice::Open) {
        session()->wrong(CommonTexts::WrongWay);
        return;
    }
    Image5->show();
    session()->verdict(0, CommonTexts::SuccessBox, consigne3);
}
