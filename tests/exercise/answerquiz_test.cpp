// The answer-scoring quiz the true-or-false and sign exercises stand on.
#include "records/recordstore.h"
#include "shell/exercise/answerquiz.h"
#include "shell/exercise/exercisescreen.h"
#include "support/scriptedmessages.h"
#include "support/standinboard.h"
#include "support/tempdatafolder.h"

#include <QLabel>
#include <gtest/gtest.h>

using MessageBox::Kind;

namespace {
struct QuizRun
{
    TempDataFolder data;
    StandInBoard board;
    ScriptedMessages boxes;
    ExerciseSession *session;
    ExerciseScreen *window;
    QLabel *label;

    QuizRun()
    {
        login().validatorName = QStringLiteral("M. Besson");
        login().todayText = QStringLiteral("09/12/2026");
        student().results[7] = CompetenceResult{8, false, QString(), QString()};
        session = new ExerciseSession(8, &board);
        window = new ExerciseScreen(session, QStringLiteral("Quiz"), QSize(400, 300));
        label = new QLabel(window);
        session->start(window);
    }
    ~QuizRun() { flushDeletes(); }
};
}

TEST(AnswerQuiz, CountsEachWrongAnswerAsOneErrorAndStopsAtTheLastQuestion)
{
    QuizRun run;
    AnswerQuiz quiz(run.session, {1, 0, 2});
    EXPECT_TRUE(quiz.answer(1));
    EXPECT_FALSE(quiz.answer(2));
    EXPECT_EQ(run.session->errorCount(), 1);
    EXPECT_FALSE(quiz.finished());
    quiz.verdict(run.label);   // too early: nothing happens
    EXPECT_EQ(run.boxes.count(), 0);
    EXPECT_TRUE(quiz.answer(2));
    EXPECT_TRUE(quiz.finished());
    // A click after the last answer changes nothing.
    EXPECT_FALSE(quiz.answer(2));
    EXPECT_EQ(quiz.current(), 3);
    EXPECT_EQ(quiz.rightAnswers(), 2);
    EXPECT_EQ(quiz.wrongAnswers(), 1);
    EXPECT_EQ(run.session->errorCount(), 1);

    QString shown;
    run.boxes.expect(Kind::Error, QStringLiteral("Exercice non maîtrisé !"))
        .onNext([&](const MessageBox::Box &) { shown = run.label->text(); });
    quiz.verdict(run.label);
    EXPECT_EQ(shown, QStringLiteral("Il faudra recommencer : 1 erreur(s)"));
    EXPECT_FALSE(student().results[7].acquired);
    EXPECT_TRUE(run.board.isVisible());
}

TEST(AnswerQuiz, EveryAnswerRightRecordsWithTheGivenTexts)
{
    QuizRun run;
    AnswerQuiz quiz(run.session, {0, 0});
    quiz.answer(0);
    quiz.answer(0);
    QString shown;
    run.boxes.expect(Kind::Information, QStringLiteral("Bravo exercice réussi !"))
        .onNext([&](const MessageBox::Box &) { shown = run.label->text(); });
    quiz.verdict(run.label, FailureTexts(), QStringLiteral("Exercice réussi : bravo !"));
    EXPECT_EQ(shown, QStringLiteral("Exercice réussi : bravo !"));
    EXPECT_TRUE(student().results[7].acquired);
    EXPECT_EQ(student().results[7].validator, QStringLiteral("M. Besson"));
}
