#include "records/recordstore.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "shell/exercise/walkthrough.h"
#include "shell/exercise/walkthroughplayer.h"
#include "support/pupilrobot.h"
#include "support/scriptedmessages.h"
#include "support/standinboard.h"
#include "support/tempdatafolder.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

// Every registered walkthrough is played from the board, the pupil's way, without
// pauses. Filter one exercise with --gtest_filter='*/Competence12'.
namespace {
class Walkthroughs : public ::testing::TestWithParam<int>
{
protected:
    void SetUp() override
    {
        student().clearResults();
        login().pupilName = QStringLiteral("martinlea");
        login().validatorName = QStringLiteral("Mme Laurent");
        login().todayText = QStringLiteral("09/12/2026");
        login().acquiredCount = 0;
    }
    void TearDown() override
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w != &board && w->isVisible())
                w->close();
        flushDeletes();
    }

    // Launches the exercise and plays its walkthrough to the end (or its failure).
    void play(WalkthroughPlayer &player)
    {
        ASSERT_TRUE(ExerciseRegistry::launch(competence(), &board)) << "no exercise " << competence();
        QEventLoop loop;
        QObject::connect(&player, &WalkthroughPlayer::finished, &loop, &QEventLoop::quit);
        QTimer stuck;   // a walkthrough waits only on the exercise's own short timers
        stuck.setSingleShot(true);
        QObject::connect(&stuck, &QTimer::timeout, &loop, &QEventLoop::quit);
        stuck.start(60000);
        player.start();
        loop.exec();
        EXPECT_TRUE(stuck.isActive()) << "the walkthrough never finished, at step " << player.stepIndex() + 1;
        player.stop();
        flushDeletes();
    }

    int competence() const { return GetParam(); }
    const CompetenceResult &result() const { return student().results[competence() - 1]; }
    bool exerciseShowing() const { return PupilRobot::topWindow() != nullptr; }

    TempDataFolder data;
    StandInBoard board;
    ScriptedMessages boxes;   // any box after the play fails the test
};
}

TEST_P(Walkthroughs, ThePerfectRunEndsInSuccessAndRecordsTheCompetence)
{
    WalkthroughPlayer player(Walkthrough::withoutMistakes(Walkthrough::of(competence())), WalkthroughPlayer::Pace::Instant);
    play(player);
    ASSERT_TRUE(player.failure().isEmpty()) << player.failure().toStdString();
    EXPECT_TRUE(result().acquired) << "the walkthrough ended without the success verdict";
    EXPECT_EQ(result().date, QStringLiteral("09/12/2026"));
    EXPECT_FALSE(board.button(competence())->isVisibleTo(&board));
    EXPECT_TRUE(board.isVisible());
    EXPECT_FALSE(exerciseShowing());
    EXPECT_EQ(boxes.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Registered, Walkthroughs, ::testing::ValuesIn(Walkthrough::competences()),
                         [](const ::testing::TestParamInfo<int> &info) {
                             return "Competence" + std::to_string(info.param);
                         });
