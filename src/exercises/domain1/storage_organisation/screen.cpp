#include "exercises/domain1/storage_organisation/screen.h"

#include "exercises/domain1/storage_organisation/layout.h"
#include "shell/exercise/commontexts.h"
#include "widgets/instructionbubble.h"

#include <QLabel>

using namespace StorageLayout;

StorageScreen::StorageScreen(ExerciseSession *session, const QString &name, const QString &caption, QSize size)
    : ChainScreen(session, name, caption, size,
                  Style{QColor(118, 124, 152), CommonTexts::WrongWayReadCarefully, ErrorThreshold})
{
}

void StorageScreen::placeInstruction(const QString &text, const QRect &abandon)
{
    InstructionBubble *bubble = placeBubble(Mascot, Shape);
    Label1 = bubble->addLabel(QStringLiteral("Label1"), StorageLayout::Label1, text);
    placeAbandon(QStringLiteral("BitBtn20"), abandon);
}
