// The six films the build draws: each shows something moving, and its last frame
// leads back to its first without a jump, so the film loops smoothly; each is drawn
// at the size it is shown, every part of it in proportion to the frame.
#include "exercises/domain3/simulation/layout.h"
#include "scenes.h"

#include <QImage>
#include <QPainter>
#include <QSet>
#include <gtest/gtest.h>

namespace {
QImage frame(const Scenes::Film &film, double phase, QSize size = {})
{
    if (size.isEmpty())
        size = film.frameSize;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    film.paint(p, QSizeF(size), phase);
    return image;
}

// The mean difference of the colour channels, 0 .. 255.
double difference(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb pa = a.pixel(x, y), pb = b.pixel(x, y);
            sum += std::abs(qRed(pa) - qRed(pb)) + std::abs(qGreen(pa) - qGreen(pb)) + std::abs(qBlue(pa) - qBlue(pb));
        }
    return sum / (3.0 * a.width() * a.height());
}

TEST(SimulationFilms, EachFilmMovesAndLoopsWithoutAJump)
{
    const QStringList expected = {"ecluse3.avi", "tsunami3.avi", "rafale.avi", "systeme solaire.avi", "engrenage.avi",
                                  "usinage.avi"};
    ASSERT_EQ(Scenes::films().size(), 6);
    for (int i = 0; i < 6; ++i) {
        const Scenes::Film &film = Scenes::films()[i];
        EXPECT_EQ(film.fileName, expected[i]);
        EXPECT_EQ(film.frameSize.width() % 2, 0) << "encoders need even sizes";
        EXPECT_EQ(film.frameSize.height() % 2, 0);
        const QImage start = frame(film, 0.0);
        EXPECT_LT(difference(start, frame(film, 1.0)), 0.5) << qPrintable(film.fileName) << " jumps when it loops";
        EXPECT_GT(difference(start, frame(film, 0.37)), 0.5) << qPrintable(film.fileName) << " does not move";
        // A picture, not a plain colour.
        QSet<QRgb> colours;
        for (int y = 0; y < start.height(); y += 4)
            for (int x = 0; x < start.width(); x += 4)
                colours.insert(start.pixel(x, y));
        EXPECT_GT(colours.size(), 20) << qPrintable(film.fileName);
    }
}

TEST(SimulationFilms, EachFilmIsDrawnAtTheSizeItIsShownAndInProportionToItsFrame)
{
    using namespace SimulationLayout;
    for (int i = 0; i < 6; ++i) {
        const Scenes::Film &film = Scenes::films()[i];
        SCOPED_TRACE(film.fileName.toStdString());
        // The player stretches a film to its surface: at most the pixel an even size loses.
        const QSize shown = filmSurface(Films[i].area, ControlBar).size();
        EXPECT_TRUE(shown.width() - film.frameSize.width() == 0 || shown.width() - film.frameSize.width() == 1);
        EXPECT_TRUE(shown.height() - film.frameSize.height() == 0 || shown.height() - film.frameSize.height() == 1);
        // Drawn at half the size, a film is its full picture scaled down: nothing in
        // it keeps a fixed number of pixels.
        const QImage small = frame(film, 0.3, film.frameSize / 2);
        const QImage large = frame(film, 0.3).scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(difference(small, large), 1.0);
    }
}
}
