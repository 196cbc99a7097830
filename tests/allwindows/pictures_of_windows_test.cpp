#include "pictures/pictures.h"
#include "support/imagechecks.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "support/scriptedmessages.h"
#include "support/standinboard.h"
#include "support/tempdatafolder.h"
#include "widgets/picturebox.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

// Launches every registered exercise and checks each picture box of each of its
// windows (the hidden ones too) against the registry: a painter exists, at the size
// the window gives the box, and it draws something.
TEST(AllWindows, EveryPictureAWindowShowsIsRegisteredAtItsSizeAndNotBlank)
{
    TempDataFolder data;
    StandInBoard board;
    ScriptedMessages boxes;
    boxes.allowUnexpected();
    int launched = 0;
    int checked = 0;
    for (int n = 1; n <= 29; ++n) {
        if (!ExerciseRegistry::launch(n, &board))
            continue;
        ++launched;
        ASSERT_TRUE(ExerciseSession::current()) << n;
        for (QWidget *window : ExerciseSession::current()->windows()) {
            for (PictureBox *box : window->findChildren<PictureBox *>()) {
                const QString name = box->pictureName();
                SCOPED_TRACE(QStringLiteral("competence %1, %2").arg(n).arg(name).toStdString());
                ASSERT_TRUE(Pictures::has(name)) << "no painter";
                EXPECT_EQ(Pictures::entry(name).size, box->size()) << "the window gives another size";
                EXPECT_TRUE(drawsSomething(Pictures::render(name)));
                // An outlined hot spot frames something of its picture (a few
                // overhang its edge by design).
                const QRect picture(QPoint(0, 0), Pictures::entry(name).size);
                for (const Pictures::HotSpotOutline &spot : Pictures::entry(name).hotSpots) {
                    const QRect inside = picture.intersected(spot.rect);
                    EXPECT_GE(inside.width() * inside.height() * 2, spot.rect.width() * spot.rect.height())
                        << spot.name.toStdString();
                }
                ++checked;
            }
        }
        ExerciseSession::current()->abandon();
        flushDeletes();
        EXPECT_TRUE(board.isVisible()) << n;
    }
    EXPECT_GE(launched, 1);
    EXPECT_GT(checked, 0);
}

TEST(AllWindows, EveryRegisteredPictureDrawsSomething)
{
    for (const QString &name : Pictures::names()) {
        const Pictures::Entry entry = Pictures::entry(name);
        EXPECT_TRUE(entry.size.isValid()) << name.toStdString();
        EXPECT_TRUE(drawsSomething(Pictures::render(name))) << name.toStdString();
    }
}
