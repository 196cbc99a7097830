#include "exercises/domain1/file_properties/screen.h"

#include "exercises/domain1/file_properties/layout.h"
#include "shell/exercise/commontexts.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QLabel>

using namespace FilePropertiesLayout;

FilePropertiesScreen::FilePropertiesScreen(ExerciseSession *session, const QString &name, const QString &caption)
    : ExerciseScreen(session, name, WindowSize)
{
    setWindowTitle(caption);
    setStyleSheet(QStringLiteral("%1 { background: rgb(118, 124, 152); }").arg(name));
}

void FilePropertiesScreen::placeInstruction(const QString &text)
{
    InstructionBubble *bubble = placeBubble(Mascot, Shape);
    Label1 = bubble->addLabel(QStringLiteral("Label1"), FilePropertiesLayout::Label1, text);
    placeAbandon(QStringLiteral("BitBtn20"), FilePropertiesLayout::BitBtn20);
}

PictureBox *FilePropertiesScreen::picture(const QString &control, const QRect &rect, bool visible)
{
    auto *box = new PictureBox(objectName() + QLatin1Char('/') + control, control, rect, this);
    box->setVisible(visible);
    return box;
}

HotSpot *FilePropertiesScreen::hotSpot(const QString &control, const QRect &rect, bool visible)
{
    auto *spot = new HotSpot(control, rect, this);
    spot->setVisible(visible);
    return spot;
}

HotSpot *FilePropertiesScreen::wrongArea(const QString &control, const QRect &rect, bool visible)
{
    HotSpot *spot = hotSpot(control, rect, visible);
    connect(spot, &HotSpot::clicked, this, &FilePropertiesScreen::wrongAction);
    return spot;
}

void FilePropertiesScreen::wrongAction()
{
    session()->wrong(CommonTexts::WrongWayReadCarefully);
}

void FilePropertiesScreen::handOverTo(ExerciseScreen *next)
{
    session()->handOver(this, next);
}

void FilePropertiesScreen::finalVerdict()
{
    session()->verdict(ErrorThreshold, CommonTexts::SuccessBox, Label1);
}
