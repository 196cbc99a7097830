#include "shell/exercise/pointeroverlay.h"

#include <gtest/gtest.h>

// The guide asks the drawn pointer again and again for the target it is heading to:
// the glide under way goes on, and any glide starts where the arrow stands, so the
// pointer reaches its target instead of stepping back at every request.
TEST(PointerOverlay, GlidesFromWhereItStandsAndKeepsItsCourseWhenAskedAgain)
{
    PointerOverlay pointer;
    pointer.glide(QPoint(100, 100), QPoint(400, 300), 600);
    ASSERT_EQ(pointer.tip(), QPoint(100, 100));
    // The same destination asked from the window's corner: the arrow does not move back.
    pointer.glide(pointer.pos(), QPoint(400, 300), 600);
    EXPECT_EQ(pointer.tip(), QPoint(100, 100));
    // A new destination: the glide starts at the arrow, whatever start it is given.
    pointer.glide(QPoint(0, 0), QPoint(200, 200), 600);
    EXPECT_EQ(pointer.tip(), QPoint(100, 100));
}
