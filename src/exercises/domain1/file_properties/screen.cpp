#include "exercises/domain1/file_properties/screen.h"

#include "exercises/domain1/file_properties/layout.h"
#include "shell/exercise/commontexts.h"
#include "widgets/instructionbubble.h"

#include <QLabel>

using namespace FilePropertiesLayout;

FilePropertiesScreen::FilePropertiesScreen(ExerciseSession *session, const QString &name, const QString &caption)
    : ChainScreen(session, name, caption, WindowSize,
                  Style{QColor(118, 124, 152), CommonTexts::WrongWayReadCarefully, ErrorThreshold})
{
}

void FilePropertiesScreen::placeInstruction(const QString &text)
{
    InstructionBubble *bubble = placeBubble(Mascot, Shape);
    Label1 = bubble->addLabel(QStringLiteral("Label1"), FilePropertiesLayout::Label1, text);
    placeAbandon(QStringLiteral("BitBtn20"), FilePropertiesLayout::BitBtn20);
}
