// The workspace exercise (competence 1.2), played by the pupil robot.
#include "support/exercisefixture.h"

#include "exercises/domain1/workspace/layout.h"
#include "exercises/domain1/workspace/u2v3.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/instructionbubble.h"

#include <QFrame>

using namespace WorkspaceLayout;
using BoxKind = MessageBox::Kind;
using Phase = Texercice2v3::Phase;

namespace {

class WorkspaceExercise : public ExerciseFixture
{
protected:
    WorkspaceExercise() : ExerciseFixture(Competence) {}

    Texercice2v3 *window() const { return qobject_cast<Texercice2v3 *>(PupilRobot::topWindow()); }
    QWidget *control(const QString &name) const { return window() ? window()->findChild<QWidget *>(name) : nullptr; }
    bool shows(const char *name) const
    {
        QWidget *w = control(QLatin1String(name));
        return w && w->isVisible();
    }
    QString label(const char *name) const { return labelText(window(), QLatin1String(name)); }
    static QString shown(const QString &text) { return InstructionBubble::displayText(text); }
    QColor circle(int k) const { return control(QStringLiteral("c%1").arg(k))->property("colour").value<QColor>(); }

    void start()
    {
        launch();
        ASSERT_TRUE(window());
        robot.setWindow(window());
    }
    // The pupil's way to the spreadsheet, hovering on the way as a mouse does.
    void openSpreadsheet()
    {
        robot.press(Shape1.center());
        robot.release(Shape1.center());
        ASSERT_TRUE(shows("Image2"));
        robot.hover(Shape3.center());
        robot.press(Shape2.center());
        robot.release(Shape2.center());
        ASSERT_TRUE(shows("Image3"));
        robot.hover(Shape6.center());
        robot.press(Shape6.center());
        robot.release(Shape6.center());
        ASSERT_TRUE(shows("Image4"));
        robot.hover(Shape7.center());
        robot.press(Shape7.center());
        robot.release(Shape7.center());
        ASSERT_EQ(window()->phase(), Phase::Spreadsheet);
    }
    void closeSpreadsheet()
    {
        // The close box drawn in the window's title bar, under its hot spot.
        robot.click(QPoint(Image6.right() - 16, Image6.top() + 16));
        ASSERT_EQ(window()->phase(), Phase::Questions);
    }
    void answerWith(int icon) { robot.doubleClick(iconRect(icon).center()); }
    // Question k (1 .. 7) answered rightly by the first icon that fits.
    void answerRight(int k)
    {
        for (int i = 0; i < 21; ++i)
            if (Icons[i].answers == k) {
                answerWith(i);
                return;
            }
        FAIL() << "no icon answers question " << k;
    }
};

TEST_F(WorkspaceExercise, SevenRightAnswersRecordTheCompetence)
{
    start();
    EXPECT_EQ(label("Label1"), shown(StartInstruction));
    EXPECT_FALSE(shows("Label2"));
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(circle(k), QColor(Qt::white));
    openSpreadsheet();
    EXPECT_TRUE(shows("Image6"));
    EXPECT_FALSE(shows("Image2") || shows("Image3") || shows("Image4"));
    EXPECT_EQ(label("Label1"), shown(CloseInstruction));
    closeSpreadsheet();
    EXPECT_FALSE(shows("Image6"));
    EXPECT_EQ(label("Label1"), shown(QuestionsInstruction));
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(label("Label2"), Questions[k - 1]);
        answerRight(k);
        EXPECT_EQ(circle(k), QColor(Qt::green)) << k;
    }
    QString labelDuringBox;
    boxes.expect(BoxKind::Information, QStringLiteral("Bravo ! Exercice réussi !"))
        .onNext([&](const MessageBox::Box &) { labelDuringBox = label("Label1"); });
    answerRight(7);
    EXPECT_EQ(labelDuringBox, QStringLiteral("Exercice réussi : bravo !"));
    expectBoardBack();
    expectRecorded();
}

TEST_F(WorkspaceExercise, OneWrongIconAmongSevenFailsWithOneFault)
{
    start();
    openSpreadsheet();
    closeSpreadsheet();
    answerRight(1);
    // The computer answers nothing: a red circle, no box, the next question at once.
    answerWith(11);
    EXPECT_EQ(circle(2), QColor(Qt::red));
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(label("Label2"), Questions[2]);
    for (int k = 3; k <= 6; ++k)
        answerRight(k);
    QString labelDuringBox;
    boxes.expect(BoxKind::Error, QStringLiteral("Exercice non maîtrisé !"))
        .onNext([&](const MessageBox::Box &) { labelDuringBox = label("Label1"); });
    answerRight(7);
    EXPECT_EQ(labelDuringBox, QStringLiteral("Il faudra recommencer : 1 faute(s)"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(WorkspaceExercise, SevenWrongAnswersCountSeven)
{
    start();
    openSpreadsheet();
    closeSpreadsheet();
    QString labelDuringBox;
    boxes.expect(BoxKind::Error, QStringLiteral("Exercice non maîtrisé !"))
        .onNext([&](const MessageBox::Box &) { labelDuringBox = label("Label1"); });
    // Internet without its arrow is no shortcut and answers nothing.
    for (int k = 1; k <= 7; ++k)
        answerWith(18);
    EXPECT_EQ(labelDuringBox, QStringLiteral("Il faudra recommencer : 7 faute(s)"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(WorkspaceExercise, EveryShortcutAnswersTheShortcutQuestionAndEitherZipTheCompressedOne)
{
    int shortcuts = 0;
    for (const DesktopIcon &icon : Icons) {
        EXPECT_EQ(icon.answers == 4, DesktopIcons::isShortcut(icon.kind)) << icon.caption;
        shortcuts += icon.answers == 4;
    }
    EXPECT_EQ(shortcuts, 12);
    // A run answering with the second zip, the last shortcut and the other icons passes.
    start();
    openSpreadsheet();
    closeSpreadsheet();
    for (int icon : {12, 17, 7, 19, 13, 20})
        answerWith(icon);
    boxes.expect(BoxKind::Information, QStringLiteral("Bravo ! Exercice réussi !"));
    answerWith(14);
    expectRecorded();
}

TEST_F(WorkspaceExercise, OnlyDoubleClicksAnswerAndOnlyDuringTheQuestions)
{
    start();
    // Before the questions the icons are part of the desktop picture: nothing answers.
    robot.doubleClick(iconRect(13).center());
    EXPECT_EQ(window()->questionNumber(), 0);
    openSpreadsheet();
    closeSpreadsheet();
    robot.click(iconRect(12).center());
    EXPECT_EQ(window()->questionNumber(), 1);
    EXPECT_EQ(circle(1), QColor(Qt::white));
    answerWith(12);
    EXPECT_EQ(window()->questionNumber(), 2);
    EXPECT_EQ(window()->rightAnswers(), 1);
}

TEST_F(WorkspaceExercise, WanderingThroughTheMenusCostsNothing)
{
    start();
    robot.press(Shape1.center());
    robot.press(Shape2.center());
    robot.press(Shape6.center());
    EXPECT_TRUE(shows("Image4"));
    // Down the programs list: the submenu closes; back on the folder it opens again.
    robot.hover(Shape9.center());
    EXPECT_FALSE(shows("Image4"));
    EXPECT_FALSE(shows("Shape7"));
    robot.press(Shape6.center());
    EXPECT_TRUE(shows("Image4"));
    // Back over the start menu's column: programs and submenu close.
    robot.hover(Shape3.center());
    EXPECT_TRUE(shows("Image2"));
    EXPECT_FALSE(shows("Image3") || shows("Image4"));
    // Over the task bar too (left of the programs list, which covers the rest of it).
    robot.press(Shape2.center());
    robot.hover(QPoint(Shape4.left() + 10, Shape4.center().y()));
    EXPECT_FALSE(shows("Image3"));
    // The start button a second time closes everything it opened.
    robot.press(Shape2.center());
    robot.press(Shape6.center());
    robot.press(Shape1.center());
    EXPECT_FALSE(shows("Image2") || shows("Image3") || shows("Image4"));
    EXPECT_FALSE(shows("Shape2") || shows("Shape6") || shows("Shape7"));
    // A press on the free desktop closes everything too.
    robot.press(Shape1.center());
    robot.press(Shape2.center());
    robot.press(QPoint(700, 100));
    EXPECT_EQ(window()->phase(), Phase::Closed);
    EXPECT_FALSE(shows("Image2") || shows("Image3"));
    // Any button presses: the right one opens the start menu too.
    robot.press(Shape1.center(), Qt::RightButton);
    robot.release(Shape1.center(), Qt::RightButton);
    EXPECT_TRUE(shows("Image2"));
    robot.press(Shape1.center(), Qt::RightButton);
    robot.release(Shape1.center(), Qt::RightButton);
    EXPECT_FALSE(shows("Image2"));
    openSpreadsheet();
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(window()->session()->errorCount(), 0);
}

TEST_F(WorkspaceExercise, OnceTheSpreadsheetRunsTheDesktopIsLocked)
{
    start();
    openSpreadsheet();
    EXPECT_TRUE(window()->desktopLocked());
    robot.press(QPoint(20, 100));
    robot.press(Shape1.center());   // the start button is inert now
    EXPECT_TRUE(shows("Image6"));
    EXPECT_FALSE(shows("Image2"));
    closeSpreadsheet();
    robot.press(QPoint(700, 600));
    EXPECT_EQ(window()->phase(), Phase::Questions);
    EXPECT_TRUE(shows("icone21"));
}

TEST_F(WorkspaceExercise, TheIconsSitOnTheirGrid)
{
    EXPECT_EQ(iconRect(0), QRect(8, 248, 73, 65));
    EXPECT_EQ(iconRect(1), QRect(8, 320, 73, 65));
    EXPECT_EQ(iconRect(20), QRect(264, 632, 81, 73));
    // Neighbours touch by a pixel at most: each icon's middle belongs to it alone.
    for (int i = 0; i < 21; ++i)
        for (int j = 0; j < 21; ++j)
            if (i != j)
                EXPECT_FALSE(iconRect(j).contains(iconRect(i).center())) << i << " " << j;
}

TEST_F(WorkspaceExercise, AbandonAndCloseAtEveryPhaseBringTheBoardBack)
{
    start();
    robot.click(QStringLiteral("BitBtn20"));
    expectBoardBack();
    start();
    openSpreadsheet();
    robot.click(QStringLiteral("BitBtn20"));
    expectBoardBack();
    start();
    openSpreadsheet();
    closeSpreadsheet();
    answerRight(1);
    robot.click(QStringLiteral("BitBtn20"));
    expectBoardBack();
    start();
    openSpreadsheet();
    closeSpreadsheet();
    robot.closeWindow();
    expectBoardBack();
    expectNothingRecorded();
    // A new launch starts again from the desktop with white circles.
    start();
    EXPECT_EQ(window()->phase(), Phase::Closed);
    EXPECT_EQ(circle(1), QColor(Qt::white));
    EXPECT_EQ(label("Label1"), shown(StartInstruction));
}
}
