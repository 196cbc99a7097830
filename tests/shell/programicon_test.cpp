#include "pictures/pictures.h"
#include "shell/programicon.h"

#include <QColor>
#include <QIcon>
#include <gtest/gtest.h>

namespace {
QRgb at(const QImage &image, qreal fx, qreal fy)
{
    return image.pixel(int(fx * (image.width() - 1)), int(fy * (image.height() - 1)));
}

bool yellowish(QRgb px) { return qAlpha(px) == 255 && qRed(px) > 180 && qGreen(px) > 160 && qBlue(px) < qRed(px) - 60; }
bool blueish(QRgb px) { return qAlpha(px) == 255 && qBlue(px) > qRed(px) + 40; }
bool greenish(QRgb px) { return qAlpha(px) == 255 && qGreen(px) > qRed(px) + 60 && qGreen(px) > qBlue(px) + 60; }
}

// Each size is drawn for itself: the tile fills that size (a painter working in
// fixed coordinates would leave a large icon mostly empty or crop a small one),
// its rounded corners stay transparent, and the marble, the yellow and the green
// tick can all be found in it.
TEST(ProgramIcon, EverySizeShowsTileMarbleAndTick)
{
    const QList<int> expected{16, 22, 24, 32, 48, 64, 128, 256};
    ASSERT_EQ(ProgramIcon::sizes(), expected);
    for (int pixels : ProgramIcon::sizes()) {
        SCOPED_TRACE(pixels);
        const QImage image = ProgramIcon::image(pixels).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(pixels, pixels));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(pixels - 1, 0)), 0);
        EXPECT_LT(qAlpha(image.pixel(pixels - 1, pixels - 1)), 128);
        // The tile reaches every edge's middle and is yellow beside the marble.
        EXPECT_GT(qAlpha(at(image, 0.5, 0.06)), 0);
        EXPECT_GT(qAlpha(at(image, 0.06, 0.5)), 0);
        EXPECT_GT(qAlpha(at(image, 0.94, 0.5)), 0);
        EXPECT_TRUE(yellowish(at(image, 0.90, 0.12))) << std::hex << at(image, 0.90, 0.12);
        EXPECT_TRUE(blueish(at(image, 0.31, 0.63))) << std::hex << at(image, 0.31, 0.63);
        bool tick = false;
        for (int y = pixels / 2; y < pixels && !tick; ++y)
            for (int x = pixels / 2; x < pixels && !tick; ++x)
                tick = greenish(image.pixel(x, y));
        EXPECT_TRUE(tick);
    }
}

// The windows' icon offers every size drawn, and the picture of the same name
// (which a school may replace like any other) is the largest one.
TEST(ProgramIcon, WindowIconHoldsEverySizeAndPictureMatches)
{
    const QIcon icon = ProgramIcon::icon();
    for (int pixels : ProgramIcon::sizes())
        EXPECT_TRUE(icon.availableSizes().contains(QSize(pixels, pixels))) << pixels;
    const QImage small = icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(small, ProgramIcon::image(16).convertToFormat(QImage::Format_ARGB32));

    ASSERT_TRUE(Pictures::has(QStringLiteral("Tavelo/icone")));
    const QImage picture = Pictures::render(QStringLiteral("Tavelo/icone")).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(picture, ProgramIcon::image(256).convertToFormat(QImage::Format_ARGB32));
}
