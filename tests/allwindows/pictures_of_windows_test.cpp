#include "pictures/pictures.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "support/scriptedmessages.h"
#include "support/standinboard.h"
#include "support/tempdatafolder.h"
#include "widgets/picturebox.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

namespace {
// True when the image holds more than one colour and is not fully transparent.
bool drawsSomething(const QImage &image)
{
    if (image.isNull())
        return false;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb first = argb.pixel(0, 0);
    bool opaque = false;
    bool varied = false;
    for (int y = 0; y < argb.height() && !(opaque && varied); y += 2)
        for (int x = 0; x < argb.width(); x += 2) {
            const QRgb px = argb.pixel(x, y);
            opaque = opaque || qAlpha(px) > 0;
            varied = varied || px != first;
        }
    return opaque && varied;
}
}

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
