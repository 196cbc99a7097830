#include "pictures/pictures.h"
#include "support/imagechecks.h"
#include "support/tempdatafolder.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <gtest/gtest.h>

namespace {


QRgb centrePixel(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage();
    return image.pixel(image.width() / 2, image.height() / 2);
}

// A picture the tests own: green, with a red mark where its hot spot lies.
void paintProbe(QPainter &painter, const QSize &size)
{
    painter.fillRect(QRect(QPoint(), size), Qt::green);
    painter.fillRect(QRect(5, 5, 4, 4), Qt::red);
}

const Pictures::Registrar probe{{QStringLiteral("Essai/Sonde"), {30, 20}, &paintProbe,
                                 {{QStringLiteral("zs"), QRect(5, 5, 10, 10)}}}};

// Writes a one-colour picture into the data folder's pictures/ folder.
void writeOverride(const TempDataFolder &data, const QString &relative, const QColor &colour, const char *format)
{
    const QString path = data.path() + QStringLiteral("pictures/") + relative;
    QDir().mkpath(QFileInfo(path).path());
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(path, format));
}

class RegistryTest : public ::testing::Test
{
protected:
    void SetUp() override { Pictures::clearCache(); }
    void TearDown() override { Pictures::clearCache(); }
    TempDataFolder data;
};
}

// The pictures other windows ask for by name: their names and sizes are a contract.
TEST_F(RegistryTest, SharedPicturesAreRegisteredAtTheirSizes)
{
    const struct
    {
        const char *name;
        QSize size;
    } shared[] = {
        {"Commun/Mascotte", {84, 100}},         {"Commun/Abandon", {20, 20}},
        {"Tsplash/Image1", {500, 400}},         {"Tform1/button2", {36, 36}},
        {"Tform1/fin", {18, 18}},               {"Tform1/SpeedButton1", {49, 49}},
        {"Tform1/Image1", {177, 200}},          {"Tform1/sour2", {41, 41}},
        {"Tidentification/Image1", {120, 140}}, {"Tidentification/Image2", {200, 140}},
    };
    for (const auto &picture : shared) {
        SCOPED_TRACE(picture.name);
        ASSERT_TRUE(Pictures::has(QString::fromLatin1(picture.name)));
        EXPECT_EQ(Pictures::entry(QString::fromLatin1(picture.name)).size, picture.size);
    }
}

TEST_F(RegistryTest, EveryRegisteredPictureDrawsAtItsSizeWithItsHotSpotsInside)
{
    ASSERT_FALSE(Pictures::names().isEmpty());
    for (const QString &name : Pictures::names()) {
        SCOPED_TRACE(name.toStdString());
        const Pictures::Entry entry = Pictures::entry(name);
        const QImage image = Pictures::render(name);
        EXPECT_EQ(image.size(), entry.size);
        EXPECT_TRUE(drawsSomething(image));
        for (const Pictures::HotSpotOutline &spot : entry.hotSpots)
            EXPECT_TRUE(QRect(QPoint(), entry.size).contains(spot.rect)) << spot.name.toStdString();
    }
}

TEST_F(RegistryTest, PicturesWithTransparentSurroundingsStayTransparentAtTheCorners)
{
    // These lie on coloured buttons and windows: a square background would show.
    for (const char *name : {"Commun/Abandon", "Tform1/button2", "Tform1/fin", "Tform1/sour2", "Tform1/Image1",
                             "Commun/Mascotte"}) {
        SCOPED_TRACE(name);
        const QImage image = Pictures::render(QString::fromLatin1(name)).convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, 0)), 0);
    }
}

TEST_F(RegistryTest, RenderDrawsAtTheAskedDensityAndKeepsTheLogicalSize)
{
    const QImage sharp = Pictures::render(QStringLiteral("Tform1/sour2"), 2.0);
    EXPECT_EQ(sharp.size(), QSize(82, 82));
    EXPECT_DOUBLE_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(sharp.deviceIndependentSize().toSize(), QSize(41, 41));
    EXPECT_TRUE(Pictures::render(QStringLiteral("Essai/Inconnue")).isNull());
}

TEST_F(RegistryTest, GetDrawsAtTheScreenDensityAndCaches)
{
    const QPixmap first = Pictures::get(QStringLiteral("Essai/Sonde"));
    ASSERT_FALSE(first.isNull());
    const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    EXPECT_DOUBLE_EQ(first.devicePixelRatio(), ratio);
    EXPECT_EQ(first.deviceIndependentSize().toSize(), QSize(30, 20));
    EXPECT_EQ(QColor(centrePixel(first)), QColor(Qt::green));
    // The same pixmap again, not a new drawing.
    EXPECT_EQ(Pictures::get(QStringLiteral("Essai/Sonde")).cacheKey(), first.cacheKey());
}

TEST_F(RegistryTest, SchoolPictureBesideTheProgramReplacesTheDrawingAtTheRegisteredSize)
{
    writeOverride(data, QStringLiteral("Essai/Sonde.png"), Qt::blue, "PNG");
    const QPixmap pixmap = Pictures::get(QStringLiteral("Essai/Sonde"));
    EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), QSize(30, 20));
    EXPECT_EQ(QColor(centrePixel(pixmap)), QColor(Qt::blue));
}

TEST_F(RegistryTest, JpegPictureReplacesTheDrawingToo)
{
    writeOverride(data, QStringLiteral("Essai/Sonde.jpg"), Qt::red, "JPG");
    const QColor centre(centrePixel(Pictures::get(QStringLiteral("Essai/Sonde"))));
    EXPECT_GT(centre.red(), 200);
    EXPECT_LT(centre.green(), 60);
}

TEST_F(RegistryTest, UnreadablePictureFileFallsBackToTheDrawing)
{
    QDir().mkpath(data.path() + QStringLiteral("pictures/Essai"));
    data.writeBytes(QStringLiteral("pictures/Essai/Sonde.png"), QByteArray("not a picture"));
    const QPixmap pixmap = Pictures::get(QStringLiteral("Essai/Sonde"));
    ASSERT_FALSE(pixmap.isNull());
    EXPECT_EQ(QColor(centrePixel(pixmap)), QColor(Qt::green));
}

TEST_F(RegistryTest, UnknownNameGivesNothingButIsRemembered)
{
    EXPECT_TRUE(Pictures::get(QStringLiteral("Essai/Absente")).isNull());
    Pictures::get(QStringLiteral("Essai/Absente"));
    Pictures::get(QStringLiteral("Essai/Sonde"));
    const QStringList asked = Pictures::requested();
    EXPECT_EQ(asked.count(QStringLiteral("Essai/Absente")), 1);
    EXPECT_TRUE(asked.contains(QStringLiteral("Essai/Sonde")));
    EXPECT_FALSE(Pictures::has(QStringLiteral("Essai/Absente")));
}

TEST_F(RegistryTest, ReRegisteringANameReplacesItsCachedDrawing)
{
    const qint64 before = Pictures::get(QStringLiteral("Essai/Remplacee")).cacheKey();
    Pictures::add({QStringLiteral("Essai/Remplacee"), {4, 4}, [](QPainter &p, const QSize &s) {
                       p.fillRect(QRect(QPoint(), s), Qt::yellow);
                       p.fillRect(QRect(0, 0, 1, 1), Qt::black);
                   }, {}});
    const QPixmap after = Pictures::get(QStringLiteral("Essai/Remplacee"));
    EXPECT_NE(after.cacheKey(), before);
    EXPECT_EQ(QColor(centrePixel(after)), QColor(Qt::yellow));
}

TEST_F(RegistryTest, BoardSphereKeepsALightCentreForTheNavyCodeDrawnOverIt)
{
    const QImage sphere = Pictures::render(QStringLiteral("Tform1/sour2")).convertToFormat(QImage::Format_ARGB32);
    const QColor centre(sphere.pixel(20, 20));
    const QColor rim(sphere.pixel(20, 38));
    EXPECT_EQ(centre.alpha(), 255);
    EXPECT_GT(qGray(centre.rgb()), 140);   // navy (0, 0, 128) reads on it
    EXPECT_GT(centre.blue(), centre.red());
    EXPECT_LT(qGray(rim.rgb()), qGray(centre.rgb()));
}

TEST_F(RegistryTest, SplashIsOpaqueEdgeToEdge)
{
    // The borderless splash window shows nothing but this picture.
    const QImage splash = Pictures::render(QStringLiteral("Tsplash/Image1")).convertToFormat(QImage::Format_ARGB32);
    for (const QPoint corner : {QPoint(0, 0), QPoint(499, 0), QPoint(0, 399), QPoint(499, 399), QPoint(250, 397)})
        EXPECT_EQ(qAlpha(splash.pixel(corner)), 255);
}
