// The screenshots of both exercises: each window's pictures are registered at the
// size the window gives them, are not blank, and every hot spot the picture tool
// outlines is the control of that name, at the same place in the window.
#include "support/exercisefixture.h"

#include "exercises/domain4/information_origin/u24v3.h"
#include "exercises/domain4/web_browser/u22v3.h"
#include "exercises/domain4/web_browser/u22v3b.h"
#include "exercises/domain4/web_browser/u22v3c.h"
#include "exercises/domain4/web_browser/u22v3d.h"
#include "pictures/pictures.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/picturebox.h"

#include <QImage>
#include <QSet>

namespace {

bool isBlank(const QImage &image)
{
    if (image.isNull())
        return true;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            if (image.pixel(x, y) != first)
                return false;
    return true;
}

// Checks the pictures of one window and returns how many it shows or may show.
int checkWindow(QWidget *window)
{
    int checked = 0;
    const QList<PictureBox *> boxes = window->findChildren<PictureBox *>();
    for (PictureBox *box : boxes) {
        const QString name = box->pictureName();
        if (name.startsWith(QLatin1String("Commun/")))
            continue;   // the shared mascot and glyphs are the picture kit's
        SCOPED_TRACE(name.toStdString());
        ++checked;
        EXPECT_TRUE(name.startsWith(window->objectName() + QLatin1Char('/')));
        EXPECT_TRUE(Pictures::has(name));
        if (!Pictures::has(name))
            continue;
        const Pictures::Entry entry = Pictures::entry(name);
        EXPECT_EQ(entry.size, box->size()) << "drawn at another size than the window shows it";
        EXPECT_FALSE(isBlank(Pictures::render(name)));
        for (const Pictures::HotSpotOutline &spot : entry.hotSpots) {
            // The outlined control exists, and where the picture puts the element.
            QWidget *control = box->parentWidget()->findChild<QWidget *>(spot.name);
            EXPECT_TRUE(control) << "no control " << spot.name.toStdString();
            if (!control)
                continue;
            const QRect inParent(control->mapTo(box->parentWidget(), QPoint(0, 0)), control->size());
            EXPECT_EQ(spot.rect.translated(box->pos()), inParent) << spot.name.toStdString();
        }
    }
    return checked;
}

TEST(BrowserPictures, EveryWindowPictureIsDrawnAtItsSizeWithItsHotSpotsInPlace)
{
    QWidget main;
    main.setObjectName(QStringLiteral("form1"));
    auto *session = new ExerciseSession(22, &main);
    QList<QWidget *> windows = {new Texercice22v3(session), new Texercice22v3b(session), new Texercice22v3c(session),
                                new Texercice22v3d(session)};
    int pictures = 0;
    for (QWidget *w : windows)
        pictures += checkWindow(w);
    EXPECT_EQ(pictures, 3 + 4 + 7 + 4);
    session->end();
    QApplication::processEvents();

    auto *origin = new ExerciseSession(24, &main);
    pictures = checkWindow(new Texercice24v3(origin));
    EXPECT_EQ(pictures, 2);
    origin->end();
    QApplication::processEvents();
}

}
