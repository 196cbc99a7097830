#include "records/recordstore.h"
#include "shell/exercise/exercisescreen.h"
#include "shell/exercise/exercisesession.h"
#include "support/pupilrobot.h"
#include "support/scriptedmessages.h"
#include "support/standinboard.h"
#include "support/tempdatafolder.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using MessageBox::Kind;

namespace {
// Two windows of a chain; the second is created hidden at launch, as some exercises do.
class FirstWindow : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit FirstWindow(ExerciseSession *s) : ExerciseScreen(s, QStringLiteral("FirstWindow"), QSize(900, 750))
    {
        label = instructionLabel(QStringLiteral("Label1"), QStringLiteral("Fais ceci"));
    }
    QLabel *label;
    int shows = 0;

protected:
    void FormShow() override { ++shows; }
};

class SecondWindow : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit SecondWindow(ExerciseSession *s) : ExerciseScreen(s, QStringLiteral("SecondWindow"), QSize(800, 600))
    {
        timer = new QTimer(this);
        timer->start(6000);
        placeAbandon(QStringLiteral("BitBtn1"), QRect(700, 560, 89, 25));
    }
    QPointer<QTimer> timer;
};

struct SessionRun
{
    TempDataFolder data;
    StandInBoard board;
    ScriptedMessages boxes;
    ExerciseSession *session;
    QPointer<FirstWindow> first;
    QPointer<SecondWindow> second;

    SessionRun()
    {
        login().validatorName = QStringLiteral("M. Besson");
        login().todayText = QStringLiteral("09/12/2026");
        session = new ExerciseSession(7, &board);
        first = new FirstWindow(session);
        second = new SecondWindow(session);
        session->start(first);
    }
    ~SessionRun() { flushDeletes(); }
    bool allGone() { flushDeletes(); return !first && !second && !ExerciseSession::current(); }
};
}

TEST(ExerciseSession, LaunchShowsTheFirstWindowHidesTheBoardAndStartsAtZero)
{
    SessionRun run;
    EXPECT_TRUE(run.first->isVisible());
    EXPECT_FALSE(run.second->isVisible());
    EXPECT_FALSE(run.board.isVisible());
    EXPECT_EQ(run.first->shows, 1);
    EXPECT_EQ(ExerciseSession::current(), run.session);
    EXPECT_EQ(run.session->window<SecondWindow>(), run.second);
    // Every window carries an Abandon button, named as its window wants.
    EXPECT_EQ(run.first->abandonButton()->objectName(), QStringLiteral("BitBtn20"));
    EXPECT_EQ(run.second->abandonButton()->objectName(), QStringLiteral("BitBtn1"));
}

TEST(ExerciseSession, HandOverMovesOnWithoutEnding)
{
    SessionRun run;
    run.boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    run.session->wrong(QStringLiteral("Fausse route !"));
    run.session->handOver(run.first, run.second);
    flushDeletes();
    EXPECT_FALSE(run.first);
    ASSERT_TRUE(run.second);
    EXPECT_TRUE(run.second->isVisible());
    EXPECT_FALSE(run.board.isVisible());
    EXPECT_EQ(run.session->errorCount(), 1) << "the count carries over";
    EXPECT_EQ(run.boxes.last().caption, QStringLiteral("Erreur"));
}

TEST(ExerciseSession, AnyCloseThatIsNotAHandOverAbandons)
{
    for (int way = 0; way < 3; ++way) {
        SessionRun run;
        run.session->handOver(run.first, run.second);
        switch (way) {
        case 0: PupilRobot(run.second).click(QStringLiteral("BitBtn1")); break;   // Abandon
        case 1: PupilRobot(run.second).closeWindow(); break;                      // Alt+F4, close box
        case 2: run.session->abandon(); run.session->abandon(); break;            // twice: ends once
        }
        EXPECT_TRUE(run.board.isVisible()) << way;
        EXPECT_TRUE(run.allGone()) << way << ": no window, timer or session survives";
        EXPECT_FALSE(student().results[6].acquired);
    }
}

TEST(ExerciseSession, SuccessWritesTheLabelShowsTheBoxAndRecords)
{
    SessionRun run;
    student().clearResults();
    login().acquiredCount = 3;
    QString labelDuringBox;
    run.boxes.expect(Kind::Information, QStringLiteral("Bravo exercice réussi !"))
        .onNext([&](const MessageBox::Box &) { labelDuringBox = run.first->label->text(); });
    EXPECT_TRUE(run.session->verdict(0));
    EXPECT_EQ(labelDuringBox, QStringLiteral("Bravo, exercice réussi !"));
    const CompetenceResult &r = student().results[6];
    EXPECT_TRUE(r.acquired);
    EXPECT_EQ(r.date, QStringLiteral("09/12/2026"));
    EXPECT_EQ(r.validator, QStringLiteral("M. Besson"));
    EXPECT_EQ(login().acquiredCount, 4);
    EXPECT_FALSE(run.board.button(7)->isVisibleTo(&run.board));
    EXPECT_TRUE(run.board.isVisible());
    EXPECT_TRUE(run.allGone());
}

TEST(ExerciseSession, FailureAboveTheThresholdRecordsNothing)
{
    SessionRun run;
    student().clearResults();
    student().results[6] = CompetenceResult{7, true, QStringLiteral("02/02/2026"), QStringLiteral("Mme Laurent")};
    run.session->countError(3);
    QString labelDuringBox;
    run.boxes.expect(Kind::Error, QStringLiteral("Exercice non maîtrisé !"))
        .onNext([&](const MessageBox::Box &) { labelDuringBox = run.first->label->text(); });
    EXPECT_FALSE(run.session->verdict(2));
    EXPECT_EQ(labelDuringBox, QStringLiteral("Il faudra recommencer : 3 erreur(s)"));
    EXPECT_EQ(student().results[6].date, QStringLiteral("02/02/2026")) << "an earlier success stays";
    EXPECT_TRUE(run.allGone());
    // Texts are the exercise's own.
    SessionRun other;
    other.session->countError(2);
    FailureTexts texts;
    texts.labelFormat = QStringLiteral("Il faudra recommencer : %1 faute(s)");
    texts.box = QStringLiteral("Raté");
    texts.kind = Kind::Information;
    other.boxes.expect(Kind::Information, QStringLiteral("Raté"));
    other.session->fail(other.first->label, texts);
    EXPECT_EQ(other.boxes.count(), 1);
}

TEST(ExerciseSession, ANewLaunchEndsWhateverWasStillRunning)
{
    SessionRun run;
    auto *next = new ExerciseSession(8, &run.board);
    EXPECT_TRUE(run.allGone() || ExerciseSession::current() == next);
    EXPECT_FALSE(run.first);
    next->start(new FirstWindow(next));
    EXPECT_EQ(next->errorCount(), 0);
    next->abandon();
}

#include "session_test.moc"
