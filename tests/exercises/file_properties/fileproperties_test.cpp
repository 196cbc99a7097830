// The file-properties exercise (competence 1.4), played by the pupil robot through
// its eight windows, from the desktop to the drag of Licence.txt.
#include "support/exercisefixture.h"

#include "exercises/domain1/file_properties/layout.h"
#include "exercises/domain1/file_properties/u4v3.h"
#include "exercises/domain1/file_properties/u4v3b.h"
#include "exercises/domain1/file_properties/u4v3c.h"
#include "exercises/domain1/file_properties/u4v3d.h"
#include "exercises/domain1/file_properties/u4v3e.h"
#include "exercises/domain1/file_properties/u4v3f.h"
#include "exercises/domain1/file_properties/u4v3g.h"
#include "exercises/domain1/file_properties/u4v3h.h"
#include "pictures/explorer.h"
#include "pictures/desktop.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <iterator>

using namespace FilePropertiesLayout;
using MessageBox::Kind;

namespace {

const QString Wrong = QStringLiteral("Fausse route ! Lisez bien...");

class FilePropertiesExercise : public ExerciseFixture
{
protected:
    FilePropertiesExercise() : ExerciseFixture(Competence) {}

    // A click that must be a counted wrong action.
    void wrongClick(QPoint p)
    {
        boxes.expect(Kind::Error, Wrong);
        robot.click(p);
    }
    void expectSilent(int boxesBefore, int errorsBefore)
    {
        EXPECT_EQ(boxes.count(), boxesBefore);
        EXPECT_EQ(errors(), errorsBefore);
    }

    // Each window done right; 'window' is where the run stops (1 .. 8, 9 = the end).
    void playWindow1()
    {
        auto *w = aim<Texercice4v3>();
        robot.doubleClick(W1zs2.center());
        robot.rightClick(W1zs3.center());
        robot.click(W1zs4.center());
        EXPECT_EQ(w->Label1->text(), W1ClickOk);
        robot.click(W1zs7.center());
    }
    void playWindow2(bool fromTree)
    {
        aim<Texercice4v3b>();
        robot.click(W2zs2.center());
        if (fromTree)
            robot.doubleClick(W2zs3.center());
        else
            robot.click(W2zs4.center());
    }
    void playWindow3() { aim<Texercice4v3c>(); robot.click(W3zs3.center()); }
    void answer(Texercice4v3d *w, const QString &text)
    {
        w->Edit2->selectAll();
        robot.type(text, w->Edit2);
        robot.click(W4Button1.center());
    }
    void playWindow4()
    {
        auto *w = aim<Texercice4v3d>();
        for (const Question &q : Questions)
            answer(w, QString::fromUtf8(q.answer));
        robot.rightClick(W4zs2.center());
        robot.click(W4zs3.center());
    }
    void fillLargest(Texercice4v3e *w, const QString &name, const QString &size)
    {
        w->Edit1->clear();
        w->Edit2->clear();
        robot.type(name, w->Edit1);
        robot.type(size, w->Edit2);
        robot.click(W5Button1.center());
    }
    void playWindow5()
    {
        auto *w = aim<Texercice4v3e>();
        robot.click(W5zs2.center());
        fillLargest(w, QStringLiteral("PhotoFiltre.exe"), QStringLiteral("2657 Ko"));
    }
    void playWindow6(bool byFileMenu)
    {
        aim<Texercice4v3f>();
        if (byFileMenu) {
            robot.click(W6zs2.center());
            robot.click(W6zs3b.center());
            robot.click(W6zs5.center());
        } else {
            robot.rightClick(W6zs6.center());
            robot.click(W6zs9.center());
            robot.click(W6zs10.center());
        }
    }
    void name(const QString &text)
    {
        auto *w = aim<Texercice4v3g>();
        w->Edit1->selectAll();
        robot.type(text, w->Edit1);
        robot.key(Qt::Key_Return, Qt::NoModifier, w->Edit1);
    }
    // The drag in window 8, in coordinates relative to zs1.
    void dragLicence(QPoint to)
    {
        aim<Texercice4v3h>();
        robot.drag(W8zs1.topLeft() + LicencePress.center(), W8zs1.topLeft() + to);
    }
    void playTo(int window)
    {
        if (window > 1) playWindow1();
        if (window > 2) playWindow2(false);
        if (window > 3) playWindow3();
        if (window > 4) playWindow4();
        if (window > 5) playWindow5();
        if (window > 6) playWindow6(true);
        if (window > 7) name(NewFolderName);
    }
};

TEST_F(FilePropertiesExercise, PerfectRunThroughTheEightWindowsRecordsTheCompetence)
{
    launch();
    auto *w1 = aim<Texercice4v3>();
    EXPECT_EQ(w1->size(), WindowSize);
    EXPECT_EQ(w1->windowTitle(), QStringLiteral("exercice4v3"));
    EXPECT_EQ(w1->Label1->text(), W1Start);
    EXPECT_EQ(errors(), 0);
    playWindow1();
    EXPECT_EQ(aim<Texercice4v3b>()->windowTitle(), QStringLiteral("execice4v4b"));
    playWindow2(true);
    playWindow3();
    playWindow4();
    playWindow5();
    playWindow6(false);
    auto *w7 = aim<Texercice4v3g>();
    EXPECT_EQ(w7->Edit1->text(), NewFolderDefault);
    EXPECT_EQ(w7->Edit1->selectedText(), NewFolderDefault) << "the name box opens with its text selected";
    name(NewFolderName);
    auto *w8 = aim<Texercice4v3h>();
    EXPECT_EQ(w8->Label1->text(), W8Start);
    EXPECT_EQ(errors(), 0);
    boxes.expect(Kind::Information, QStringLiteral("Bravo exercice réussi !"))
        .onNext([&](const MessageBox::Box &) {
            EXPECT_EQ(w8->Label1->text(), QStringLiteral("Bravo, exercice réussi !"));
            EXPECT_TRUE(w8->Image3->isVisible());
        });
    dragLicence(TextesInList.center());
    expectBoardBack();
    expectRecorded();
}

TEST_F(FilePropertiesExercise, DoubleClickOnlyWhereTheWindowsSaySo)
{
    launch();
    auto *w1 = aim<Texercice4v3>();
    // A single click on the computer icon, then a left click on the drive row: nothing.
    robot.click(W1zs2.center());
    EXPECT_EQ(w1->step(), Texercice4v3::Step::Desktop);
    EXPECT_EQ(boxes.count(), 0);
    // Any other icon is a wrong click.
    wrongClick(Desktop::iconTile(0, 5).center() + W1Image1.topLeft());
    robot.doubleClick(W1zs2.center());
    ASSERT_EQ(w1->step(), Texercice4v3::Step::Computer);
    EXPECT_TRUE(w1->image2->isVisible());
    robot.click(W1zs3.center());
    EXPECT_EQ(w1->step(), Texercice4v3::Step::Computer);
    EXPECT_EQ(errors(), 1);
    robot.rightClick(W1zs3.center());
    robot.click(W1zs4.center());
    robot.click(W1zs7.center());

    auto *w2 = aim<Texercice4v3b>();
    robot.click(W2zs2.center());
    ASSERT_TRUE(w2->treeShown());
    // Drive C: in the tree wants a double click.
    robot.click(W2zs3.center());
    EXPECT_EQ(aim<Texercice4v3b>(), w2);
    EXPECT_EQ(errors(), 1);
}

TEST_F(FilePropertiesExercise, TheEndOfTheDoubleClickThatOpensTheDriveIsNotAClick)
{
    launch();
    playWindow1();
    auto *w2 = aim<Texercice4v3b>();
    robot.click(W2zs2.center());
    robot.doubleClick(W2zs3.center());
    auto *w3 = aim<Texercice4v3c>();
    ASSERT_NE(static_cast<QWidget *>(w3), static_cast<QWidget *>(w2));
    // During the guard the explorer's wrong area is not there yet.
    EXPECT_FALSE(w3->zs1->isVisibleTo(w3));
    EXPECT_TRUE(w3->Timer1->isActive());
    EXPECT_EQ(w3->Timer1->interval(), GuardMs);
    robot.click(QPoint(600, 650));
    EXPECT_EQ(boxes.count(), 0);
    // Even once it shows, a release whose press went to the previous window is no click.
    QTest::qWait(GuardMs + 100);
    ASSERT_TRUE(w3->zs1->isVisible());
    const QPoint p(600, 650);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(w3->zs1->mapFrom(w3, p)), QPointF(w3->mapToGlobal(p)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w3->zs1, &release);
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(errors(), 0);
    // A real click there now counts.
    wrongClick(p);
    EXPECT_EQ(errors(), 1);
}

TEST_F(FilePropertiesExercise, EachQuestionHasOneAttemptAndTheNextFollows)
{
    launch();
    playTo(4);
    auto *w = aim<Texercice4v3d>();
    EXPECT_EQ(w->Label1->text(), QString::fromUtf8(Questions[0].text));
    // Before the column menu opens, the place of its entry does nothing.
    robot.click(W4zs3.center());
    EXPECT_EQ(boxes.count(), 0);
    boxes.expect(Kind::Error, Wrong);
    answer(w, QStringLiteral(" 4"));
    EXPECT_EQ(errors(), 1);
    EXPECT_EQ(w->question(), 2);
    EXPECT_EQ(w->Label1->text(), QString::fromUtf8(Questions[1].text));
    EXPECT_EQ(w->Edit2->text(), QStringLiteral(" 4")) << "the field is not cleared";
    answer(w, QStringLiteral("2"));
    boxes.expect(Kind::Error, Wrong);
    answer(w, QStringLiteral("quatre"));
    answer(w, QStringLiteral("2"));
    EXPECT_EQ(errors(), 2);
    EXPECT_FALSE(w->Button1->isVisible());
    EXPECT_FALSE(w->Edit2->isVisible());
    EXPECT_EQ(w->Label1->text(), W4AddColumn);
    // The explorer is now the wrong area; the column menu still opens from the headers.
    wrongClick(QPoint(500, 600));
    robot.rightClick(W4zs2.center());
    EXPECT_TRUE(w->Image2->isVisible());
    wrongClick(W4zs4.center() + QPoint(0, 100));
    robot.click(W4zs3.center());
    aim<Texercice4v3e>();
    EXPECT_EQ(errors(), 4);
}

TEST_F(FilePropertiesExercise, TheColumnMenuOpensDuringTheQuestionsToo)
{
    launch();
    playTo(4);
    auto *w = aim<Texercice4v3d>();
    robot.rightClick(W4zs2.center());
    ASSERT_TRUE(w->Image2->isVisible());
    robot.click(W4zs3.center());
    aim<Texercice4v3e>();
    EXPECT_EQ(errors(), 0);
}

TEST_F(FilePropertiesExercise, TheLargestFileIsJudgedOnItsNameAndItsSizeWithoutASpace)
{
    launch();
    playTo(5);
    auto *w = aim<Texercice4v3e>();
    EXPECT_FALSE(w->Edit1->isVisible());
    robot.click(W5zs2.center());
    ASSERT_TRUE(w->sorted());
    EXPECT_TRUE(w->Image2->isVisible());
    EXPECT_EQ(w->Label1->text(), W5Largest);
    boxes.expect(Kind::Error, Wrong);
    fillLargest(w, QStringLiteral("PhotoFiltre.exe"), QStringLiteral("2 657 Ko"));
    boxes.expect(Kind::Error, Wrong);
    fillLargest(w, QStringLiteral("installer.exe"), QStringLiteral("2657"));
    EXPECT_EQ(errors(), 2);
    EXPECT_EQ(aim<Texercice4v3e>(), w);
    fillLargest(w, QStringLiteral("PHOTOFILTRE"), QStringLiteral("2657ko"));
    aim<Texercice4v3f>();
}

TEST_F(FilePropertiesExercise, TheNewFolderComesFromEitherMenu)
{
    launch();
    playTo(6);
    auto *w = aim<Texercice4v3f>();
    // Where the File menu's first entry will be, nothing opens before the menu.
    wrongClick(W6zs3b.center());
    EXPECT_FALSE(w->Image4->isVisible());
    robot.click(W6zs2.center());
    EXPECT_TRUE(w->Image2->isVisible());
    robot.click(W6zs3b.center());
    EXPECT_TRUE(w->Image4->isVisible());
    // Left clicks on the free part of the list do nothing and count nothing.
    robot.click(QPoint(700, 660));
    robot.click(QPoint(300, 660));
    expectSilent(1, 1);
    EXPECT_FALSE(w->Image3->isVisible());
    // The context menu closes the File menu and offers its own way.
    robot.rightClick(QPoint(700, 660));
    EXPECT_FALSE(w->Image2->isVisible());
    EXPECT_FALSE(w->Image4->isVisible());
    EXPECT_TRUE(w->Image3->isVisible());
    wrongClick(W6zs8.center());
    robot.click(W6zs9.center());
    ASSERT_TRUE(w->Image5->isVisible());
    wrongClick(W6zs11.center());
    robot.click(W6zs10.center());
    aim<Texercice4v3g>();
    EXPECT_EQ(errors(), 3);
}

TEST_F(FilePropertiesExercise, TheFolderNameIsComparedInLowerCaseAndWhole)
{
    for (const QString &typed : {QStringLiteral("Textes"), QStringLiteral("TEXTES")}) {
        launch();
        playTo(7);
        name(typed);
        aim<Texercice4v3h>();
        EXPECT_EQ(errors(), 0) << typed.toStdString();
        robot.closeWindow();
        expectBoardBack();
    }
    launch();
    playTo(7);
    boxes.expect(Kind::Error, Wrong);
    name(QStringLiteral("textes "));
    EXPECT_EQ(aim<Texercice4v3g>()->Edit1->text(), QStringLiteral("textes ")) << "the pupil may correct it";
    EXPECT_EQ(errors(), 1);
}

TEST_F(FilePropertiesExercise, TheDragIsJudgedWhereTheLeftButtonIsReleased)
{
    launch();
    playTo(8);
    auto *w = aim<Texercice4v3h>();
    // A press elsewhere then its release: a plain click, counted.
    wrongClick(W8zs1.topLeft() + QPoint(500, 400));
    // A plain click on Licence.txt: the release is not on textes.
    wrongClick(W8zs1.topLeft() + LicencePress.center());
    EXPECT_FALSE(w->dragging());
    // Another button on Licence.txt: a hint, nothing counted.
    boxes.expect(Kind::Information, LeftButtonOnly);
    robot.click(W8zs1.topLeft() + LicencePress.center(), Qt::RightButton);
    EXPECT_EQ(errors(), 2);
    // The dragged file follows the pointer, its top left at it.
    robot.press(W8zs1.topLeft() + LicencePress.center());
    EXPECT_TRUE(w->dragging());
    const QPoint over = W8zs1.topLeft() + QPoint(400, 300);
    robot.moveTo(over);
    EXPECT_TRUE(w->Image2->isVisible());
    EXPECT_EQ(w->Image2->pos(), over);
    // Dropped on textes in the tree: the verdict, two errors still pass.
    boxes.expect(Kind::Information, QStringLiteral("Bravo exercice réussi !"));
    robot.release(W8zs1.topLeft() + TextesInTree.center());
    expectBoardBack();
    expectRecorded();
}

TEST_F(FilePropertiesExercise, ThreeErrorsOverSeveralWindowsEndInFailure)
{
    launch();
    aim<Texercice4v3>();
    wrongClick(QPoint(40, 700));
    playWindow1();
    aim<Texercice4v3b>();
    wrongClick(QPoint(600, 600));
    playWindow2(false);
    playWindow3();
    playWindow4();
    playWindow5();
    playWindow6(true);
    name(NewFolderName);
    aim<Texercice4v3h>();
    // A drop outside textes: the third error.
    boxes.expect(Kind::Error, Wrong);
    dragLicence(QPoint(500, 450));
    EXPECT_EQ(errors(), 3);
    QString label;
    boxes.expect(Kind::Error, QStringLiteral("Exercice non maîtrisé !"))
        .onNext([&](const MessageBox::Box &) { label = labelText(PupilRobot::topWindow(), QStringLiteral("Label1")); });
    dragLicence(TextesInList.center());
    EXPECT_EQ(label, QStringLiteral("Il faudra recommencer : 3 erreur(s)"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(FilePropertiesExercise, AbandonAndTheCloseCommandAtEveryWindowBringTheBoardBack)
{
    for (int window = 1; window <= 8; ++window) {
        for (int way = 0; way < 2; ++way) {
            launch();
            playTo(window);
            QWidget *w = PupilRobot::topWindow();
            ASSERT_TRUE(w) << window;
            robot.setWindow(w);
            if (way == 0)
                robot.click(BitBtn20.center());
            else
                robot.closeWindow();
            expectBoardBack();
            expectNothingRecorded();
            EXPECT_EQ(boxes.count(), 0) << window << "/" << way;
        }
    }
    // A new launch starts at the first window with no error.
    launch();
    aim<Texercice4v3>();
    EXPECT_EQ(errors(), 0);
}

// ---- what the pupil reads, and where the pictures put it --------------------------

TEST(FilePropertiesPictures, TheFolderHoldsWhatTheQuestionsExpect)
{
    int folders = 0, programs = 0, images = 0, pages = 0;
    const FileEntry *largest = nullptr;
    for (const FileEntry &e : TestFolder) {
        const QString name = QString::fromUtf8(e.name);
        folders += e.sizeKo == 0;
        programs += name.endsWith(QLatin1String(".exe"));
        images += name.endsWith(QLatin1String(".gif"));
        pages += name.endsWith(QLatin1String(".htm"));
        if (!largest || e.sizeKo > largest->sizeKo)
            largest = &e;
    }
    EXPECT_EQ(QString::number(folders), QString::fromUtf8(Questions[0].answer));
    EXPECT_EQ(QString::number(programs), QString::fromUtf8(Questions[1].answer));
    EXPECT_EQ(QString::number(images), QString::fromUtf8(Questions[2].answer));
    EXPECT_EQ(QString::number(pages), QString::fromUtf8(Questions[3].answer));
    ASSERT_TRUE(largest);
    EXPECT_EQ(QString::fromUtf8(largest->name), QStringLiteral("PhotoFiltre.exe"));
    EXPECT_EQ(largest->sizeKo, 2657);
    EXPECT_EQ(std::size(TestFolder), 14u);
}

TEST(FilePropertiesPictures, TheExplorerDrawsEachTargetUnderItsHotSpot)
{
    Explorer::View withTree;
    withTree.tree = true;
    Explorer::View withoutTree;
    const int width = ExplorerSize.width();
    auto contains = [](const QRect &drawn, const QRect &spot) { return drawn.contains(spot.center()); };
    EXPECT_TRUE(contains(fromExplorer(Explorer::tileRect(withoutTree, 1, 0)), W1zs3)) << "drive C: without tree";
    EXPECT_TRUE(contains(fromExplorer(Explorer::tileRect(withTree, 1, 0)), W2zs4)) << "drive C: with the tree";
    EXPECT_TRUE(contains(fromExplorer(Explorer::FoldersButton), W2zs2));
    EXPECT_TRUE(contains(fromExplorer(Explorer::treeCell(3, 1)), W2zs3)) << "drive C: in the tree";
    EXPECT_TRUE(contains(fromExplorer(Explorer::treeCell(TestFolderTreeIndex, 2)), W3zs2));
    EXPECT_TRUE(contains(fromExplorer(Explorer::nameCell(withTree, TestFolderRowInDrive)), W3zs3));
    EXPECT_TRUE(contains(fromExplorer(Explorer::headerBar(withTree, width)), W4zs2));
    EXPECT_TRUE(contains(fromExplorer(Explorer::FileMenuTitle), W6zs2));
    Explorer::View listed = withTree;
    listed.columns = {{QStringLiteral("Nom"), 130}, {QStringLiteral("Taille"), 73}};
    EXPECT_EQ(fromExplorer(Explorer::headerSection(listed, 1)).left(), W5zs2.left()) << "the size header";
    EXPECT_TRUE(contains(fromExplorer(Explorer::headerSection(listed, 1)), W5zs2));
    const QRect edit = fromExplorer(Explorer::nameEditBox(listed, NewFolderRow));
    EXPECT_EQ(edit, W7Edit1) << "the name box lies under the edit field";
    const QRect licence = LicencePress.translated(W8zs1.topLeft());
    EXPECT_TRUE(contains(fromExplorer(Explorer::nameCell(listed, LicenceRow)), licence));
    EXPECT_TRUE(contains(fromExplorer(Explorer::nameCell(listed, NewFolderRow)), TextesInList.translated(W8zs1.topLeft())));
    EXPECT_TRUE(contains(fromExplorer(Explorer::treeCell(TextesTreeIndex, 3)), TextesInTree.translated(W8zs1.topLeft())));
    // The desktop's computer icon.
    EXPECT_TRUE(contains(Desktop::iconTile(2, 3).translated(W1Image1.topLeft()), W1zs2));
}
}
