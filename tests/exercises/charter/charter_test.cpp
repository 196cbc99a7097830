// The charter true-or-false exercise (competence 2.1), played by the pupil robot.
#include "support/exercisefixture.h"

#include "exercises/domain2/charter/layout.h"
#include "exercises/domain2/charter/u7v3.h"
#include "support/standinboard.h"

#include <QPushButton>

using namespace CharterLayout;
using MessageBox::Kind;

namespace {

class CharterExercise : public ExerciseFixture
{
protected:
    CharterExercise() : ExerciseFixture(Competence) {}

    Texercice7v3 *start()
    {
        launch();
        auto *w = qobject_cast<Texercice7v3 *>(PupilRobot::topWindow(QStringLiteral("Texercice7v3")));
        EXPECT_TRUE(w);
        robot.setWindow(w);
        return w;
    }
    // Clicks the row's button where the pupil sees it.
    void answer(int row, bool saidTrue)
    {
        const QRect r = saidTrue ? trueRect(Rows[row]) : falseRect(Rows[row]);
        QWidget *under = robot.widgetAt(r.center());
        ASSERT_TRUE(under) << "row " << row;
        EXPECT_EQ(under->objectName(), QString::fromLatin1(saidTrue ? Rows[row].trueName : Rows[row].falseName));
        robot.click(r.center());
    }
    static QColor pixel(QWidget *w, QPoint p) { return w->grab().toImage().pixelColor(p); }
};

}

TEST_F(CharterExercise, TenRightAnswersRecordTheCompetence)
{
    Texercice7v3 *w = start();
    EXPECT_EQ(labelText(w, QStringLiteral("Label1")), InstructionText);
    EXPECT_FALSE(w->Label2->isVisible());
    // Only the first statement and its buttons show at first.
    EXPECT_TRUE(w->rows[0].statement->isVisible());
    EXPECT_FALSE(w->rows[0].explanation->isVisible());
    for (int k = 1; k < 10; ++k)
        EXPECT_FALSE(w->rows[k].statement->isVisible() || w->rows[k].trueButton->isVisible() ||
                     w->rows[k].explanation->isVisible())
            << k;

    for (int k = 0; k < 9; ++k) {
        answer(k, Rows[k].answerIsTrue);
        const auto &c = w->rows[k];
        QPushButton *pressed = Rows[k].answerIsTrue ? c.trueButton : c.falseButton;
        QPushButton *other = Rows[k].answerIsTrue ? c.falseButton : c.trueButton;
        EXPECT_FALSE(pressed->isEnabled());
        EXPECT_TRUE(pressed->isVisible());
        EXPECT_FALSE(other->isVisible());
        EXPECT_TRUE(c.explanation->isVisible());
        EXPECT_TRUE(w->rows[k + 1].statement->isVisible());
        EXPECT_TRUE(w->rows[k + 1].falseButton->isVisible());
        EXPECT_EQ(w->quiz().rightAnswers(), k + 1);
    }
    QString resultDuringBox;
    boxes.expect(Kind::Information, CommonTexts::SuccessBox).onNext([&](const MessageBox::Box &) {
        resultDuringBox = w->Label2->isVisible() ? w->Label2->text() : QString();
    });
    answer(9, false);
    EXPECT_EQ(resultDuringBox, ResultSuccess);
    expectBoardBack();
    expectRecorded();
}

TEST_F(CharterExercise, OneWrongAnswerAnywhereFailsWithOneFault)
{
    for (int wrongRow : {0, 5, 9}) {
        Texercice7v3 *w = start();
        for (int k = 0; k < 9; ++k)
            answer(k, Rows[k].answerIsTrue != (k == wrongRow));
        // A wrong answer does not end the quiz early: the next row opens as usual.
        EXPECT_TRUE(w->rows[9].statement->isVisible()) << wrongRow;
        QString resultDuringBox;
        boxes.expect(Kind::Error, CommonTexts::FailureBox).onNext([&](const MessageBox::Box &) {
            resultDuringBox = w->Label2->text();
        });
        // "vrai" to the last statement is as wrong as any other.
        answer(9, wrongRow == 9);
        EXPECT_EQ(resultDuringBox, QStringLiteral("1 fautes : il faudra recommencer.")) << wrongRow;
        expectBoardBack();
        expectNothingRecorded();
        flushDeletes();
    }
}

TEST_F(CharterExercise, EveryAnswerWrongCountsTenFaults)
{
    Texercice7v3 *w = start();
    for (int k = 0; k < 9; ++k)
        answer(k, !Rows[k].answerIsTrue);
    QString resultDuringBox;
    boxes.expect(Kind::Error, CommonTexts::FailureBox).onNext([&](const MessageBox::Box &) {
        resultDuringBox = w->Label2->text();
    });
    answer(9, true);
    EXPECT_EQ(resultDuringBox, QStringLiteral("10 fautes : il faudra recommencer."));
    expectNothingRecorded();
}

TEST_F(CharterExercise, FramesSurroundThePressedButtonsAndSurviveARepaint)
{
    Texercice7v3 *w = start();
    answer(0, true);    // right: green
    answer(1, false);   // wrong: red
    const QRect right = trueRect(Rows[0]);
    const QRect wrong = falseRect(Rows[1]);
    const QPoint rightEdge(right.center().x(), right.top() - 2);
    const QPoint wrongEdge(wrong.left() - 2, wrong.center().y());
    auto isGreen = [](QColor c) { return c.green() > 120 && c.red() < 80 && c.blue() < 80; };
    auto isRed = [](QColor c) { return c.red() > 180 && c.green() < 80 && c.blue() < 80; };
    EXPECT_TRUE(isGreen(pixel(w, rightEdge))) << pixel(w, rightEdge).name().toStdString();
    EXPECT_TRUE(isRed(pixel(w, wrongEdge))) << pixel(w, wrongEdge).name().toStdString();
    // The pupil's window covered and uncovered: it repaints whole, frames included.
    w->hide();
    w->show();
    w->repaint();
    EXPECT_TRUE(isGreen(pixel(w, rightEdge)));
    EXPECT_TRUE(isRed(pixel(w, wrongEdge)));
    EXPECT_TRUE(w->rows[0].explanation->isVisible());
    // No frame round a button not pressed.
    const QColor untouched = pixel(w, QPoint(falseRect(Rows[0]).center().x(), falseRect(Rows[0]).top() - 2));
    EXPECT_FALSE(isGreen(untouched) || isRed(untouched));
}

TEST_F(CharterExercise, AnsweredAndUnopenedRowsCannotBeAnswered)
{
    Texercice7v3 *w = start();
    // A later row's buttons are not there yet.
    EXPECT_NE(robot.widgetAt(trueRect(Rows[3]).center()), w->rows[3].trueButton);
    answer(0, true);
    // The answered button is disabled, the other one gone: pressing again changes nothing.
    robot.click(trueRect(Rows[0]).center());
    robot.click(falseRect(Rows[0]).center());
    EXPECT_EQ(w->quiz().current(), 1);
    EXPECT_EQ(w->frames().size(), 1);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(CharterExercise, AbandonAndCloseBringTheBoardBackUnchanged)
{
    for (int way = 0; way < 2; ++way)
        for (int answered : {0, 6}) {
            start();
            for (int k = 0; k < answered; ++k)
                answer(k, Rows[k].answerIsTrue);
            if (way == 0)
                robot.click(Abandon.center());
            else
                robot.closeWindow();
            expectBoardBack();
            expectNothingRecorded();
            EXPECT_EQ(boxes.count(), 0);
            flushDeletes();
        }
}
