// The rights-on-documents exercise (competence 2.3), played by the pupil robot.
#include "support/exercisefixture.h"

#include "exercises/domain2/document_rights/layout.h"
#include "exercises/domain2/document_rights/u9v3.h"
#include "support/standinboard.h"
#include "widgets/disc.h"
#include "widgets/hotspot.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

using namespace DocumentRightsLayout;
using MessageBox::Kind;

namespace {

class DocumentRightsExercise : public ExerciseFixture
{
protected:
    DocumentRightsExercise() : ExerciseFixture(Competence) {}

    Texercice9v3 *start()
    {
        launch();
        auto *w = qobject_cast<Texercice9v3 *>(PupilRobot::topWindow(QStringLiteral("Texercice9v3")));
        EXPECT_TRUE(w);
        robot.setWindow(w);
        return w;
    }
    static QRect discOf(int answer) { return answer == Yes ? Shape1 : answer == Depends ? Shape2 : Shape3; }
    // A click on the caption in the middle of the disc, as a pupil would.
    void choose(int answer) { robot.click(discOf(answer).center()); }
    // The justification's pause runs out (without waiting four real seconds).
    static void elapse(Texercice9v3 *w)
    {
        ASSERT_TRUE(w->Timer1->isActive());
        EXPECT_EQ(w->Timer1->interval(), JustificationMs);
        EXPECT_TRUE(w->Timer1->isSingleShot());
        w->Timer1->stop();
        QMetaObject::invokeMethod(w->Timer1, "timeout");
    }
    void playRight(Texercice9v3 *w, int from, int to)
    {
        for (int k = from; k < to; ++k) {
            choose(Questions[k].right);
            if (Questions[k].right == Depends && k < to - 1)
                elapse(w);
        }
    }
};

}

TEST_F(DocumentRightsExercise, NineRightAnswersRecordTheCompetenceFourSecondsAfterTheLastClick)
{
    Texercice9v3 *w = start();
    EXPECT_EQ(w->consigne3->text(), InstructionText);
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(w->Memo1->text(), QStringLiteral("Question %1").arg(k + 1));
        EXPECT_EQ(w->Memo2->text(), Questions[k].statement);
        choose(Questions[k].right);
        EXPECT_EQ(w->bon[k]->colour(), Disc::rightColour()) << k;
        if (Questions[k].right == Depends) {
            EXPECT_TRUE(w->Label8->isVisible());
            EXPECT_TRUE(w->Shape5->isVisible());
            EXPECT_EQ(w->Label8->text(), Questions[k].justification);
            // The next statement waits for the pause.
            EXPECT_EQ(w->Memo1->text(), QStringLiteral("Question %1").arg(k + 1));
            elapse(w);
            EXPECT_FALSE(w->Label8->isVisible());
            EXPECT_FALSE(w->Shape5->isVisible());
        } else {
            EXPECT_FALSE(w->Timer1->isActive());
        }
    }
    // The last answer is a "ça dépend !": the verdict waits the real four seconds.
    choose(Depends);
    QElapsedTimer clock;
    clock.start();
    QString label;
    boxes.expect(Kind::Information, CommonTexts::SuccessBox).onNext([&](const MessageBox::Box &) {
        label = w->consigne3->text();
    });
    QTest::qWait(3500);
    EXPECT_EQ(boxes.count(), 0) << "the verdict came before the pause ended";
    QTRY_COMPARE_WITH_TIMEOUT(boxes.count(), 1, 2000);
    EXPECT_GE(clock.elapsed(), JustificationMs - 50);
    EXPECT_EQ(label, CommonTexts::SuccessLabel);
    expectBoardBack();
    expectRecorded();
}

TEST_F(DocumentRightsExercise, AWrongDependsShowsNoJustificationAndTheNextStatementFollowsAtOnce)
{
    Texercice9v3 *w = start();
    playRight(w, 0, 1);
    elapse(w);
    choose(Depends);   // question 2 is "Oui"
    EXPECT_EQ(w->bon[1]->colour(), Disc::wrongColour());
    EXPECT_FALSE(w->Timer1->isActive());
    EXPECT_FALSE(w->Label8->isVisible());
    EXPECT_EQ(w->Memo1->text(), QStringLiteral("Question 3"));
    EXPECT_EQ(boxes.count(), 0) << "no corrective message";
}

TEST_F(DocumentRightsExercise, AnswersDoNothingWhileAJustificationShows)
{
    Texercice9v3 *w = start();
    choose(Depends);
    ASSERT_TRUE(w->Timer1->isActive());
    for (int a : {Yes, Depends, No}) {
        EXPECT_FALSE(w->answers[a]->isEnabled());
        EXPECT_FALSE(w->captions[a]->isEnabled());
        choose(a);
    }
    EXPECT_EQ(w->quiz().current(), 1);
    EXPECT_EQ(w->bon[1]->colour(), QColor(Qt::white));
    elapse(w);
    for (int a : {Yes, Depends, No})
        EXPECT_TRUE(w->answers[a]->isEnabled());
    EXPECT_EQ(w->Memo1->text(), QStringLiteral("Question 2"));
}

TEST_F(DocumentRightsExercise, AWrongLastAnswerGivesTheVerdictAtOnceWithTheCount)
{
    Texercice9v3 *w = start();
    playRight(w, 0, 8);
    QString label;
    boxes.expect(Kind::Error, CommonTexts::FailureBox).onNext([&](const MessageBox::Box &) {
        label = w->consigne3->text();
    });
    choose(No);
    EXPECT_EQ(label, QStringLiteral("Il faudra recommencer : 1 erreur(s)"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(DocumentRightsExercise, TheCaptionAndTheDiscAroundItBothAnswer)
{
    Texercice9v3 *w = start();
    // Off the caption's text, still on the disc's transparent label.
    EXPECT_EQ(robot.widgetAt(Shape2.topLeft() + QPoint(84, 20)), w->answers[Depends]);
    robot.click(Shape2.topLeft() + QPoint(84, 20));
    EXPECT_TRUE(w->Timer1->isActive());
}

TEST_F(DocumentRightsExercise, AbandonAndCloseBringTheBoardBackAndTheTimerDiesWithTheWindow)
{
    for (int way = 0; way < 2; ++way) {
        Texercice9v3 *w = start();
        choose(Depends);
        QPointer<QTimer> timer = w->Timer1;
        ASSERT_TRUE(timer->isActive());
        if (way == 0)
            robot.click(Abandon.center());
        else
            robot.closeWindow();
        expectBoardBack();
        flushDeletes();
        EXPECT_TRUE(timer.isNull()) << way;
        expectNothingRecorded();
        EXPECT_EQ(boxes.count(), 0);
    }
}
