// The combined-document exercise (competence 3.3): two pictures inserted through the
// open dialog, moved and resized onto their frames.
#include "support/pupilmenus.h"
#include "support/boardrun.h"
#include "support/exercisefixture.h"
#include "support/imagechecks.h"

#include "dialogs/uouverture.h"
#include "exercises/domain3/combined_document/layout.h"
#include "exercises/domain3/combined_document/picturepanel.h"
#include "exercises/domain3/combined_document/u9.h"
#include "pictures/pictures.h"
#include "shell/exercise/exercisesession.h"

#include <QAction>
#include <QListWidget>
#include <QTest>

using namespace CombinedDocumentLayout;

namespace {
struct Pupil
{
    PupilRobot &robot;

    Texercice9 *window() const { return qobject_cast<Texercice9 *>(PupilRobot::topWindow(QStringLiteral("Texercice9"))); }
    QPoint at(QPoint clientPoint) const { return window()->client()->mapTo(window(), clientPoint); }

    // Fichier > insérer image > à partir d'un fichier, then the file from C:\images.
    void insert(const QString &file)
    {
        PupilMenus::choose(window(), window()->menuAction(Texercice9::InsertFromFile));
        Touverture *dialog = window()->openDialog();
        ASSERT_TRUE(dialog);
        PupilRobot inDialog(dialog);
        for (const QString &step : {QStringLiteral("Poste de travail"), QStringLiteral("C:\\"), QStringLiteral("images"), file})
            inDialog.doubleClick(dialog->entryCentre(step));
        flushDeletes();
    }
    // Drags the bottom-right corner so that the panel takes this size.
    void resize(PicturePanel *panel, QSize size)
    {
        const QRect g = panel->geometry();
        robot.press(at(g.bottomRight() - QPoint(1, 1)));
        robot.moveTo(at(g.topLeft() + QPoint(size.width() / 2, size.height() / 2)));
        robot.moveTo(at(g.topLeft() + QPoint(size.width(), size.height())));
        robot.release(at(g.topLeft() + QPoint(size.width(), size.height())));
    }
    void moveTo(PicturePanel *panel, QPoint topLeft)
    {
        const QRect g = panel->geometry();
        const QPoint grab = g.topLeft() + QPoint(g.width() / 3, g.height() / 3);
        robot.press(at(grab));
        robot.moveTo(at(grab + (topLeft - g.topLeft()) / 2));
        robot.moveTo(at(grab + topLeft - g.topLeft()));
        robot.release(at(grab + topLeft - g.topLeft()));
    }
    void placeFirst()
    {
        insert(AxialFile);
        resize(window()->Panel2, QSize(145, 136));
        moveTo(window()->Panel2, QPoint(256, 104));
    }
    void placeSecond()
    {
        insert(CentralFile);
        resize(window()->Panel1, QSize(185, 89));
        moveTo(window()->Panel1, QPoint(240, 280));
    }
};

class CombinedDocumentExercise : public ExerciseFixture
{
protected:
    CombinedDocumentExercise() : ExerciseFixture(Competence) {}
    void SetUp() override
    {
        ExerciseFixture::SetUp();
        launch();
        robot.setWindow(pupil.window());
    }
    Texercice9 *w() const { return pupil.window(); }
    Pupil pupil{robot};
};
}

TEST(CombinedDocumentFromTheBoard, TheSecondPlacedPictureRecordsAndQuitterBringsTheBoardBack)
{
    BoardRun board;
    ASSERT_TRUE(board.launch(Competence, QStringLiteral("Texercice9")));
    Pupil pupil{board.robot};
    pupil.robot.setWindow(pupil.window());
    auto *w = pupil.window();
    EXPECT_EQ(w->Label1->text(), InsertAxial);
    EXPECT_FALSE(w->Panel2->isVisible());
    pupil.insert(AxialFile);
    EXPECT_TRUE(w->Panel2->isVisible());
    EXPECT_EQ(w->Label1->text(), PlaceAxial);
    pupil.resize(w->Panel2, QSize(145, 136));
    EXPECT_EQ(w->Panel2->size(), QSize(145, 136));
    pupil.moveTo(w->Panel2, QPoint(256, 104));
    EXPECT_EQ(w->Panel2->geometry(), QRect(256, 104, 145, 136));
    EXPECT_EQ(w->Label1->text(), InsertCentral);
    EXPECT_FALSE(w->Panel2->isEnabled());
    pupil.placeSecond();
    EXPECT_EQ(w->Label1->text(), WonText);
    EXPECT_TRUE(w->fin->isVisible());
    EXPECT_FALSE(w->abandonButton()->isVisible());
    EXPECT_FALSE(w->Panel1->isEnabled());
    EXPECT_FALSE(board.form.isVisible()) << "the window stays open until quitter";
    EXPECT_EQ(board.boxes.count(), 0) << "the exercise shows no box";
    pupil.robot.click(w->fin);
    flushDeletes();
    EXPECT_TRUE(board.form.isVisible());
    EXPECT_EQ(board.resultText(Competence), QStringLiteral("réussi le 09/12/2026\n(Mme Okafor)"));
    EXPECT_EQ(board.score(), QStringLiteral("score : 1 / 29"));
    EXPECT_FALSE(board.buttonShown(Competence));
    board.backToMenu();
    EXPECT_TRUE(board.record().contains(board.acquiredGroup(Competence)));
}

TEST_F(CombinedDocumentExercise, TheCentralPictureFirstOrAnyOtherFileDoesNothing)
{
    pupil.insert(CentralFile);
    EXPECT_EQ(w()->openDialog(), nullptr) << "the dialog closes anyway";
    EXPECT_FALSE(w()->Panel1->isVisible());
    pupil.insert(QStringLiteral("affiche.jpg"));
    EXPECT_FALSE(w()->Panel2->isVisible());
    EXPECT_EQ(w()->Label1->text(), InsertAxial);
    pupil.insert(AxialFile);
    pupil.insert(CentralFile);
    EXPECT_FALSE(w()->Panel1->isVisible()) << "the first picture is not placed yet";
    EXPECT_EQ(w()->state(), Texercice9::FirstShown);
}

TEST_F(CombinedDocumentExercise, PlacementRangesAreInclusiveAndTheFirstFrameStopsOnePixelAboveItsBottom)
{
    pupil.insert(AxialFile);
    pupil.resize(w()->Panel2, QSize(145, 137));
    pupil.moveTo(w()->Panel2, QPoint(256, 104));
    EXPECT_EQ(w()->Panel2->geometry(), QRect(256, 104, 145, 137));
    EXPECT_EQ(w()->state(), Texercice9::FirstShown) << "bottom 241, on the frame, is outside the range";
    EXPECT_TRUE(w()->Panel2->isEnabled());
    pupil.resize(w()->Panel2, QSize(145, 136));
    EXPECT_EQ(w()->state(), Texercice9::FirstPlaced) << "the check follows a resize too";
    // Inserting the first picture again leaves it where it is, and asks again to place it.
    pupil.insert(AxialFile);
    EXPECT_EQ(w()->Panel2->geometry(), QRect(256, 104, 145, 136));
    EXPECT_EQ(w()->Label1->text(), PlaceAxial);
    EXPECT_EQ(w()->state(), Texercice9::FirstPlaced);
    pupil.moveTo(w()->Panel2, QPoint(0, 0));
    EXPECT_EQ(w()->Panel2->geometry(), QRect(256, 104, 145, 136)) << "a placed picture no longer moves";
    // The second picture exactly on its frame: 240, 280, 425, 369.
    pupil.placeSecond();
    EXPECT_EQ(w()->Panel1->geometry(), QRect(240, 280, 185, 89));
    EXPECT_EQ(w()->state(), Texercice9::Won);
    expectRecorded();
    EXPECT_TRUE(w()) << "recorded, still open";
    robot.click(w()->fin);
    flushDeletes();
    expectBoardBack();
    EXPECT_EQ(login().acquiredCount, 1) << "quitter records nothing more";
}

TEST_F(CombinedDocumentExercise, PicturesStayBetweenTwentyAndFourHundredPixelsAndTheBordersChooseTheAction)
{
    pupil.insert(AxialFile);
    PicturePanel *panel = w()->Panel2;
    EXPECT_EQ(panel->actionAt(QPoint(10, 10)), PicturePanel::Action::Move);
    EXPECT_EQ(panel->actionAt(QPoint(panel->width() - 6, 10)), PicturePanel::Action::Width);
    EXPECT_EQ(panel->actionAt(QPoint(panel->width() - 7, 10)), PicturePanel::Action::Move);
    EXPECT_EQ(panel->actionAt(QPoint(10, panel->height() - 5)), PicturePanel::Action::Height);
    EXPECT_EQ(panel->actionAt(QPoint(10, panel->height() - 6)), PicturePanel::Action::Move);
    EXPECT_EQ(panel->actionAt(QPoint(panel->width() - 1, panel->height() - 1)), PicturePanel::Action::Both);
    pupil.resize(panel, QSize(5, -30));
    EXPECT_EQ(panel->size(), QSize(20, 20));
    pupil.moveTo(panel, QPoint(20, 40));
    const QRect g = panel->geometry();
    robot.press(pupil.at(g.bottomRight()));
    robot.moveTo(pupil.at(g.topLeft() + QPoint(700, 450)));
    robot.release(pupil.at(g.topLeft() + QPoint(700, 450)));
    EXPECT_EQ(panel->size(), QSize(400, 400));
    // Only the width, by the right border.
    robot.press(pupil.at(panel->geometry().topLeft() + QPoint(398, 100)));
    robot.moveTo(pupil.at(panel->geometry().topLeft() + QPoint(150, 300)));
    robot.release(pupil.at(panel->geometry().topLeft() + QPoint(150, 300)));
    EXPECT_EQ(panel->size(), QSize(150, 400));
    // Dragged far past the window's edges, it stays whole inside the page.
    const QSize page = w()->client()->size();
    pupil.moveTo(panel, QPoint(page.width() + 300, page.height() + 200));
    EXPECT_EQ(panel->geometry(), QRect(QPoint(page.width() - 150, page.height() - 400), QSize(150, 400)));
    pupil.moveTo(panel, QPoint(-500, -300));
    EXPECT_EQ(panel->pos(), QPoint(0, 0));
}

TEST_F(CombinedDocumentExercise, AbandonAndAltF4InEveryStateBeforeTheWinBringTheBoardBackUnchanged)
{
    for (int place = 0; place < 6; ++place) {
        if (place > 0) {
            launch();
            robot.setWindow(w());
        }
        SCOPED_TRACE(place);
        const int stage = place / 2;
        if (stage == 1) {
            PupilMenus::choose(w(), w()->menuAction(Texercice9::InsertFromFile));   // the dialog open
            ASSERT_TRUE(QTest::qWaitForWindowActive(w()->openDialog()));
        }
        if (stage == 2) {
            pupil.placeFirst();
            pupil.insert(CentralFile);
        }
        if (place % 2 == 0) {
            // With the tool window active over it, the robot's press cannot stand
            // for the window manager's activating click (the focus goes back to the
            // dialog before the release): the button is clicked as a button.
            if (stage == 1)
                w()->abandonButton()->click();
            else
                robot.click(w()->abandonButton());
        } else {
            robot.closeWindow();
        }
        flushDeletes();
        expectBoardBack();
        expectNothingRecorded();
        for (QWidget *top : QApplication::topLevelWidgets())
            EXPECT_FALSE(qobject_cast<Touverture *>(top) && top->isVisible()) << "the dialog outlived its window";
    }
}

TEST(CombinedDocumentPictures, TheFramesSitInsideTheirPlacementRangesAndTheFiguresAreDrawn)
{
    // A picture exactly on its frame is placed, except the first one's bottom.
    EXPECT_TRUE(Panel1Place.holds(Shape2));
    EXPECT_FALSE(Panel2Place.holds(Shape1));
    EXPECT_TRUE(Panel2Place.holds(Shape1.adjusted(0, 0, 0, -1)));
    EXPECT_FALSE(Panel1Place.holds(Panel1Start));
    EXPECT_FALSE(Panel2Place.holds(Panel2Start));
    for (const char *name : {"Texercice9/Panel1", "Texercice9/Panel2", "Texercice9/Image1"})
        EXPECT_TRUE(drawsSomething(Pictures::render(QString::fromLatin1(name)))) << name;
}
