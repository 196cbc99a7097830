// The storage-organisation exercise (competence 1.3), played by the pupil robot
// through its four windows: the editor, the copy saved on the desktop, reopened,
// and the icons arranged by type.
#include "support/exercisefixture.h"

#include "exercises/domain1/storage_organisation/layout.h"
#include "exercises/domain1/storage_organisation/u3v3.h"
#include "exercises/domain1/storage_organisation/u3v3b.h"
#include "exercises/domain1/storage_organisation/u3v3c.h"
#include "exercises/domain1/storage_organisation/u3v3e.h"
#include "pictures/desktop.h"
#include "pictures/imageeditor.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

using namespace StorageLayout;
using MessageBox::Kind;

namespace {

const QString Wrong = QStringLiteral("Fausse route ! Lisez bien...");

class StorageExercise : public ExerciseFixture
{
protected:
    StorageExercise() : ExerciseFixture(Competence) {}

    void wrongClick(QPoint p)
    {
        boxes.expect(Kind::Error, Wrong);
        robot.click(p);
    }

    void playWindow1()
    {
        aim<Texercice3v3>();
        robot.doubleClick(W1Image4.center());
        robot.click(W1Image10.center());
        robot.click(W1Image13.center());
        robot.click(W1Image15.center());
    }
    void playWindow2()
    {
        aim<Texercice3v3b>();
        robot.click(W2zs2.center());
        robot.click(W2zs3.center());
        robot.click(W2zs4.center());
        robot.click(W2zs11.center());
        robot.click(W2zs12.center());
    }
    void playWindow3()
    {
        aim<Texercice3v3c>();
        robot.doubleClick(W3zs.center());
        robot.click(W3zs3.center());
    }
    void arrange()
    {
        aim<Texercice3v3e>();
        robot.rightClick(QPoint(700, 500));
        robot.click(W4zs3.center());
        robot.click(W4zs4.center());
    }
    void playTo(int window)
    {
        if (window > 1) playWindow1();
        if (window > 2) playWindow2();
        if (window > 3) playWindow3();
    }
};

TEST_F(StorageExercise, PerfectRunRecordsTheCompetence)
{
    launch();
    auto *w1 = aim<Texercice3v3>();
    EXPECT_EQ(w1->size(), WindowSize);
    EXPECT_EQ(w1->windowTitle(), QStringLiteral("exercice3"));
    EXPECT_EQ(w1->Label1->text(), W1Start);
    robot.doubleClick(W1Image4.center());
    EXPECT_EQ(w1->Label1->text(), W1OpenRecent);
    robot.click(W1Image10.center());
    robot.click(W1Image13.center());
    EXPECT_TRUE(w1->Image14->isVisible());
    robot.click(W1Image15.center());
    auto *w2 = aim<Texercice3v3b>();
    EXPECT_EQ(w2->Label1->text(), W2Start);
    playWindow2();
    auto *w3 = aim<Texercice3v3c>();
    EXPECT_EQ(w3->Label1->text(), W3Start);
    robot.doubleClick(W3zs.center());
    EXPECT_EQ(w3->Label1->text(), W3Close);
    robot.click(W3zs3.center());
    auto *w4 = aim<Texercice3v3e>();
    EXPECT_EQ(w4->size(), LastWindowSize);
    EXPECT_EQ(w4->Label1->text(), W4Start);
    boxes.expect(Kind::Information, QStringLiteral("Bravo exercice réussi !")).onNext([&](const MessageBox::Box &) {
        EXPECT_EQ(w4->Label1->text(), QStringLiteral("Bravo, exercice réussi !"));
        EXPECT_TRUE(w4->Image4->isVisible());
        EXPECT_FALSE(w4->Image2->isVisible());
    });
    arrange();
    expectBoardBack();
    expectRecorded();
}

TEST_F(StorageExercise, SingleClicksOnTheTwoShortcutsDoNothingOtherIconsAreWrong)
{
    launch();
    auto *w1 = aim<Texercice3v3>();
    robot.click(W1Image4.center());
    EXPECT_EQ(w1->step(), Texercice3v3::Step::Desktop);
    EXPECT_EQ(boxes.count(), 0);
    wrongClick(Desktop::iconTile(0, 4).translated(DesktopRect.topLeft()).center());
    wrongClick(W1Image3.center());
    robot.doubleClick(W1Image4.center());
    ASSERT_EQ(w1->step(), Texercice3v3::Step::Editor);
    // The editor's empty working area and status bar do nothing.
    robot.click(QPoint(300, 500));
    robot.click(QPoint(300, 705));
    EXPECT_EQ(errors(), 2);
    EXPECT_EQ(boxes.count(), 2);
    robot.click(W1Image10.center());
    robot.click(W1Image13.center());
    robot.click(W1Image15.center());
    playWindow2();
    auto *w3 = aim<Texercice3v3c>();
    robot.click(W3zs.center());
    EXPECT_FALSE(w3->Image4->isVisible());
    EXPECT_EQ(errors(), 2);
}

TEST_F(StorageExercise, AfterTheSaveOnlyTheCloseBoxReacts)
{
    launch();
    playTo(2);
    auto *w = aim<Texercice3v3b>();
    // The place of "Enregistrer sous..." does nothing before the menu opens (the
    // menu bar's wrong area lies above it only at the title).
    robot.click(W2zs2.center());
    robot.click(W2zs3.center());
    // Before the desktop is chosen, the save button's place is the dialog's wrong area.
    wrongClick(W2zs11.center());
    robot.click(W2zs4.center());
    EXPECT_EQ(w->step(), Texercice3v3b::Step::DesktopChosen);
    // The second dialog covers the first one's hot spots.
    robot.click(W2zs6.center());
    EXPECT_EQ(errors(), 1);
    robot.click(W2zs11.center());
    ASSERT_EQ(w->step(), Texercice3v3b::Step::Saved);
    EXPECT_EQ(w->Label1->text(), W2Close);
    for (const QRect &r : {W2zs1, W2zs2, W2zs, W2zs10})
        robot.click(r.center());
    EXPECT_EQ(errors(), 1);
    EXPECT_EQ(aim<Texercice3v3b>(), w);
    robot.click(W2zs12.center());
    aim<Texercice3v3c>();
}

TEST_F(StorageExercise, OnlyARightClickOnTheFreeDesktopOpensItsMenu)
{
    launch();
    playTo(4);
    auto *w = aim<Texercice3v3e>();
    robot.click(QPoint(700, 500));
    EXPECT_FALSE(w->Image2->isVisible());
    // A right-click on an icon (a hot spot) does nothing either.
    robot.rightClick(W4zs.center());
    EXPECT_FALSE(w->Image2->isVisible());
    // Nor does one on the task bar, pulled up to the window's bottom edge.
    robot.rightClick(QPoint(400, LastWindowSize.height() - 10));
    EXPECT_FALSE(w->Image2->isVisible());
    EXPECT_EQ(boxes.count(), 0);
    // Wherever the free desktop is right-clicked, the menu opens at its place.
    robot.rightClick(QPoint(850, 200));
    ASSERT_TRUE(w->Image2->isVisible());
    EXPECT_EQ(w->Image2->geometry(), W4Image2);
    wrongClick(W4zs5.center() + QPoint(0, 60));
    robot.click(W4zs3.center());
    wrongClick(W4zs6.center() + QPoint(0, 60));
    EXPECT_EQ(errors(), 2);
    boxes.expect(Kind::Information, QStringLiteral("Bravo exercice réussi !"));
    robot.click(W4zs4.center());
    expectBoardBack();
    expectRecorded();
}

TEST_F(StorageExercise, ThreeErrorsOverTheChainEndInFailure)
{
    launch();
    aim<Texercice3v3>();
    wrongClick(W1Icone1.center());
    playWindow1();
    aim<Texercice3v3b>();
    wrongClick(W2zs1.center() + QPoint(100, 0));
    playWindow2();
    aim<Texercice3v3c>();
    wrongClick(W3zs2.center());
    playWindow3();
    EXPECT_EQ(errors(), 3);
    QString label;
    boxes.expect(Kind::Error, QStringLiteral("Exercice non maîtrisé !")).onNext([&](const MessageBox::Box &) {
        label = labelText(PupilRobot::topWindow(), QStringLiteral("Label1"));
    });
    arrange();
    EXPECT_EQ(label, QStringLiteral("Il faudra recommencer : 3 erreur(s)"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(StorageExercise, AbandonAndTheCloseCommandAtEveryWindowBringTheBoardBack)
{
    for (int window = 1; window <= 4; ++window) {
        for (int way = 0; way < 2; ++way) {
            launch();
            playTo(window);
            QWidget *w = PupilRobot::topWindow();
            ASSERT_TRUE(w);
            robot.setWindow(w);
            if (way == 0)
                robot.click(w->findChild<QWidget *>(QStringLiteral("BitBtn20")));
            else
                robot.closeWindow();
            expectBoardBack();
            expectNothingRecorded();
        }
    }
    // After an abandon in window 3 the next launch starts at window 1 with no error.
    launch();
    aim<Texercice3v3>();
    wrongClick(W1Icone1.center());
    playWindow1();
    playWindow2();
    aim<Texercice3v3c>()->findChild<QWidget *>(QStringLiteral("BitBtn20"));
    robot.closeWindow();
    expectBoardBack();
    launch();
    EXPECT_EQ(aim<Texercice3v3>()->step(), Texercice3v3::Step::Desktop);
    EXPECT_EQ(errors(), 0);
}

TEST(StoragePictures, TheDesktopAndMenusPutEachTargetUnderItsHotSpot)
{
    auto onDesktop = [](int column, int row) { return Desktop::iconTile(column, row).translated(DesktopRect.topLeft()); };
    EXPECT_TRUE(onDesktop(3, 2).contains(W1Image4.center())) << "the editor's shortcut";
    EXPECT_TRUE(onDesktop(1, 0).contains(W3zs.center())) << "the saved copy, second in the top row";
    const QList<Desktop::Icon> icons = Desktop::schoolIcons(true);
    const auto copy = std::find_if(icons.begin(), icons.end(),
                                   [](const Desktop::Icon &i) { return i.caption == SavedFile; });
    ASSERT_NE(copy, icons.end());
    EXPECT_EQ(copy->column, 1);
    EXPECT_EQ(copy->row, 0);
    const auto editor = std::find_if(icons.begin(), icons.end(),
                                     [](const Desktop::Icon &i) { return i.caption == ImageEditor::programName(); });
    ASSERT_NE(editor, icons.end());
    EXPECT_EQ(std::make_pair(editor->column, editor->row), std::make_pair(3, 2));
    EXPECT_EQ(RecentFiles[RecentIndex], QStringLiteral("3 - keyboard3v3.jpg"));
    // The arranged icons all lie inside the picture that shows them.
    const QRect part = inPicture(W4Image4, DesktopRect);
    for (const Desktop::Icon &i : Desktop::arrangedByType(icons, ArrangedFirstRow, ArrangedRows))
        EXPECT_TRUE(part.contains(Desktop::iconTile(i.column, i.row))) << i.caption.toStdString();
    // The start button under its hot spots.
    const QRect taskBar(0, DesktopSize.height() - Desktop::TaskBarHeight, DesktopSize.width(), Desktop::TaskBarHeight);
    EXPECT_TRUE(taskBar.translated(DesktopRect.topLeft()).contains(W1Image3.center()));
    // The editor's close box under the hot spots of windows 2 and 3.
    EXPECT_TRUE(ImageEditor::SmallCloseButton.translated(W2Image2.topLeft()).contains(W2zs12.center()));
    EXPECT_TRUE(ImageEditor::SmallCloseButton.translated(W3Image4.topLeft()).contains(W3zs3.center()));
    EXPECT_TRUE(ImageEditor::SmallFileMenuTitle.translated(W1Image7.topLeft()).contains(W1Image10.center()));
    // The desktop's menus: their first entry and "Type" under the hot spots.
    const QRect menu(QPoint(0, 0), W4Image2.size());
    const QRect arrange = Desktop::popupLayout(menu, Desktop::desktopContextMenu(inPicture(W4zs3, W4Image2).top() + 2))[0];
    EXPECT_TRUE(arrange.translated(W4Image2.topLeft()).contains(W4zs3.center()));
    const QRect submenu(QPoint(0, 0), W4Image3.size());
    const QRect type = Desktop::popupLayout(submenu, Desktop::arrangeIconsMenu(inPicture(W4zs4, W4Image3).top()))
                           [Desktop::ArrangeByTypeIndex];
    EXPECT_TRUE(type.translated(W4Image3.topLeft()).contains(W4zs4.center()));
    EXPECT_TRUE(submenu.contains(type));
}
}
