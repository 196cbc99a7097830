#include "exercises/domain2/charter/layout.h"
#include "exercises/domain2/privacy_risk/layout.h"
#include "exercises/domain3/find_replace/layout.h"
#include "records/helpswitch.h"
#include "records/recordstore.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisescreen.h"
#include "shell/exercise/exercisesession.h"
#include "shell/exercise/practice.h"
#include "shell/exercise/practicedriver.h"
#include "shell/exercise/walkthrough.h"
#include "shell/exercise/walkthroughplayer.h"
#include "support/pupilrobot.h"
#include "support/scriptedmessages.h"
#include "support/standinboard.h"
#include "support/tempdatafolder.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <gtest/gtest.h>

// Every registered walkthrough is played from the board, the pupil's way, without
// pauses: as the pupil would do it, shown by the mascot's demonstration, and done
// by the pupil while the mascot guides him. Filter one exercise with
// --gtest_filter='*/Competence12'.
namespace {
using Practice::Mode;

class Walkthroughs : public ::testing::TestWithParam<int>
{
protected:
    void SetUp() override
    {
        PracticeDriver::setInstantForTests(true);
        student().clearResults();
        login().pupilName = QStringLiteral("martinlea");
        login().validatorName = QStringLiteral("Mme Laurent");
        login().todayText = QStringLiteral("09/12/2026");
        login().acquiredCount = 0;
        QApplication::clipboard()->setText(QStringLiteral("copié par l'élève"));
    }
    void TearDown() override
    {
        PracticeDriver::setInstantForTests(false);
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w != &board && w->isVisible())
                w->close();
        flushDeletes();
    }

    // Launches the exercise and plays its walkthrough to the end (or its failure).
    void play(WalkthroughPlayer &player)
    {
        ASSERT_TRUE(ExerciseRegistry::launch(competence(), &board)) << "no exercise " << competence();
        playOn(player);
    }
    void playOn(WalkthroughPlayer &player)
    {
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

    // The pupil clicks the mascot of the window on screen and chooses in its menu.
    void askHelp(const QString &choice)
    {
        auto *screen = qobject_cast<ExerciseScreen *>(PupilRobot::topWindow());
        ASSERT_TRUE(screen && screen->mascot());
        PictureBox *mascot = screen->mascot();
        EXPECT_EQ(mascot->toolTip(), Practice::HelpHint);
        PupilRobot(screen).click(mascot);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu) << "the mascot opened no menu";
        QAction *action = nullptr;
        for (QAction *a : menu->actions())
            if (a->text() == choice)
                action = a;
        ASSERT_TRUE(action) << "no entry " << choice.toStdString();
        PupilRobot(menu).click(menu->actionGeometry(action).center());
        waitUntil([] { return ExerciseSession::current() && Practice::of(ExerciseSession::current()) != Mode::None; });
    }
    // Runs the event loop until the condition holds (or a minute has passed).
    static void waitUntil(const std::function<bool()> &condition)
    {
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (condition())
                loop.quit();
        });
        poll.start(5);
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        if (!condition())
            loop.exec();
    }
    // After a practice run: the exercise is back fresh, for the pupil, and nothing counted.
    void expectFreshAndNothingRecorded()
    {
        ExerciseSession *session = ExerciseSession::current();
        ASSERT_TRUE(session) << "the exercise did not start again";
        EXPECT_EQ(Practice::of(session), Mode::None);
        EXPECT_EQ(session->errorCount(), 0);
        EXPECT_FALSE(board.isVisible());
        EXPECT_FALSE(result().acquired);
        EXPECT_TRUE(board.button(competence())->isVisibleTo(&board));
        EXPECT_EQ(login().acquiredCount, 0);
        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("copié par l'élève")) << "the run left its copy";
        session->abandon();
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

TEST_P(Walkthroughs, TheDemonstrationPlaysToItsEndAndRecordsNothing)
{
    ASSERT_TRUE(ExerciseRegistry::launch(competence(), &board));
    askHelp(Practice::ShowMe);
    boxes.expect(MessageBox::Kind::Information, Practice::ShownEnd);
    // The box, or a demonstration that stopped and gave the exercise back at once.
    waitUntil([this] {
        return boxes.count() > 0 || (ExerciseSession::current() && Practice::of(ExerciseSession::current()) == Mode::None);
    });
    ASSERT_EQ(boxes.texts(), QStringList{Practice::ShownEnd});
    flushDeletes();
    expectFreshAndNothingRecorded();
}

TEST_P(Walkthroughs, TheGuidedPupilSucceedsWithHelpAndNothingCounts)
{
    ASSERT_TRUE(ExerciseRegistry::launch(competence(), &board));
    askHelp(Practice::GuideMe);
    ASSERT_EQ(Practice::of(ExerciseSession::current()), Mode::Guided);
    // The pupil makes a mistake, then follows the guide.
    const Walkthrough::Steps steps = Walkthrough::of(competence());
    WalkthroughPlayer pupil(steps, WalkthroughPlayer::Pace::Instant);
    int counted = 0;   // the guided run's errors, looked at before each step
    QObject::connect(&pupil, &WalkthroughPlayer::stepStarted, [&counted] {
        if (ExerciseSession *session = ExerciseSession::current())
            counted = std::max(counted, session->errorCount());
    });
    playOn(pupil);
    ASSERT_TRUE(pupil.failure().isEmpty()) << pupil.failure().toStdString();
    ASSERT_FALSE(pupil.boxes().isEmpty());
    EXPECT_EQ(pupil.boxes().last().text, Practice::GuidedEnd);
    int shown = 0;
    for (const Walkthrough::Step &s : steps)
        shown += !s.mistake && s.gesture != Walkthrough::Gesture::Answer;
    EXPECT_EQ(PracticeDriver::recognisedSteps(), shown) << "the guide lost track of the pupil";
    EXPECT_EQ(counted, 0) << "the guided pupil's mistake was counted";
    flushDeletes();
    expectFreshAndNothingRecorded();
}

INSTANTIATE_TEST_SUITE_P(Registered, Walkthroughs, ::testing::ValuesIn(Walkthrough::competences()),
                         [](const ::testing::TestParamInfo<int> &info) {
                             return "Competence" + std::to_string(info.param);
                         });

// What the guide must not take for the awaited step, and what it must pass over.
class GuideFaults : public Walkthroughs {};   // played with the quiz's competence

TEST_P(GuideFaults, TheGuideWaitsForTheTickAndPassesOverAQuestionAnsweredWrong)
{
    const auto playSteps = [this](const Walkthrough::Steps &steps) {
        WalkthroughPlayer pupil(steps, WalkthroughPlayer::Pace::Instant);
        playOn(pupil);
        EXPECT_TRUE(pupil.failure().isEmpty()) << pupil.failure().toStdString();
        return pupil.boxes();
    };
    const auto guide = [this](int competence) {
        ASSERT_TRUE(ExerciseRegistry::launch(competence, &board));
        askHelp(Practice::GuideMe);
    };

    // A click on a check box's empty width beyond its caption ticks nothing: the
    // guide still awaits the tick.
    guide(FindReplaceLayout::Competence);
    const Walkthrough::Steps replace = Walkthrough::withoutMistakes(Walkthrough::of(FindReplaceLayout::Competence));
    int tick = 0;
    while (!replace.at(tick).name.startsWith(QStringLiteral("Coche")))
        ++tick;
    {   // the pupil's steps up to the tick (the player would wait for a verdict after its last)
        WalkthroughPlayer pupil(replace.mid(0, tick + 1), WalkthroughPlayer::Pace::Instant);
        QEventLoop loop;
        QObject::connect(&pupil, &WalkthroughPlayer::stepStarted, &loop, [&](int index) {
            if (index == tick)
                loop.quit();
        });
        QObject::connect(&pupil, &WalkthroughPlayer::finished, &loop, &QEventLoop::quit);
        pupil.start();
        loop.exec();
        pupil.stop();
        ASSERT_TRUE(pupil.failure().isEmpty()) << pupil.failure().toStdString();
    }
    ASSERT_EQ(PracticeDriver::current()->guidedStep(), tick);
    QWidget *tool = PupilRobot::topWindow(QStringLiteral("TUrechercherv3"));
    auto *box = tool ? tool->findChild<QAbstractButton *>(QStringLiteral("CheckBox1")) : nullptr;
    ASSERT_TRUE(box && box->width() > box->sizeHint().width() + 20);
    PupilRobot(tool).click(box->mapTo(tool, QPoint(box->width() - 10, box->height() / 2)));
    flushDeletes();
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(PracticeDriver::current()->guidedStep(), tick) << "the guide took a click beside the box for its tick";
    ExerciseSession::current()->abandon();
    flushDeletes();

    // A quiz asks no question twice: the guide follows the pupil past a wrong answer,
    // which counts nothing, to the guided success.
    guide(PrivacyRiskLayout::Competence);
    using namespace PrivacyRiskLayout;
    Walkthrough::Steps quiz = Walkthrough::withoutMistakes(Walkthrough::of(Competence));
    quiz[0] = Walkthrough::click(QStringLiteral("Mauvais panneau"),
                                 Walkthrough::at(QStringLiteral("Texercice8v3"), Questions[0].right == Danger ? Image4 : Image3));
    const QList<MessageBox::Box> shown = playSteps(quiz);
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown.last().text.toStdString(), Practice::GuidedEnd.toStdString());
    flushDeletes();
    expectFreshAndNothingRecorded();
}
INSTANTIATE_TEST_SUITE_P(Quiz, GuideFaults, ::testing::Values(PrivacyRiskLayout::Competence));

// The player stops at a step a pupil could not do, and names it.
TEST(WalkthroughPlayer, AnUnreachableTargetFailsWithTheStepsName)
{
    TempDataFolder data;
    StandInBoard board;
    ScriptedMessages boxes;
    ASSERT_TRUE(ExerciseRegistry::launch(1, &board));
    const QString window = QStringLiteral("Texercice1v3");
    const Walkthrough::Steps cases[] = {
        {Walkthrough::click(QStringLiteral("Se déconnecter trop tôt"), Walkthrough::on(window, QStringLiteral("zs2")))},
        {Walkthrough::click(QStringLiteral("Ouvrir une fenêtre absente"), Walkthrough::on(QStringLiteral("Tabsente"), QString()))},
        {Walkthrough::click(QStringLiteral("Cliquer sous le champ"), Walkthrough::at(window, QRect(604, 385, 2, 2)))},
    };
    const char *reasons[] = {"is hidden", "is not showing", nullptr};
    for (int i = 0; i < 3; ++i) {
        WalkthroughPlayer player(cases[i], WalkthroughPlayer::Pace::Instant);
        QEventLoop loop;
        QObject::connect(&player, &WalkthroughPlayer::finished, &loop, &QEventLoop::quit);
        player.start();
        loop.exec();
        if (!reasons[i]) {   // a point of the window where a field lies: fine, the field takes it
            EXPECT_TRUE(player.failure().isEmpty()) << player.failure().toStdString();
            continue;
        }
        EXPECT_TRUE(player.failure().startsWith(QStringLiteral("step 1 \"") + cases[i].first().name + QLatin1Char('"')))
            << player.failure().toStdString();
        EXPECT_TRUE(player.failure().contains(QLatin1String(reasons[i]))) << player.failure().toStdString();
    }
    ExerciseSession::current()->abandon();
    flushDeletes();
}

// What each step brings up is read at a child's pace, a box's text too: a quiz
// waits on every statement it opens, a long box stays up longer than a short one.
TEST(WalkthroughPlayer, EachNewTextIsGivenItsReadingTime)
{
    const WalkthroughPlayer::Timing t = WalkthroughPlayer::timing();
    const auto words = [](int n) { return QStringLiteral("mot ").repeated(n); };
    EXPECT_EQ(WalkthroughPlayer::readingMsecs(QStringLiteral(" ... ")), 0);
    EXPECT_EQ(WalkthroughPlayer::readingMsecs(QStringLiteral("Bravo !")), t.readMinimum);
    EXPECT_EQ(WalkthroughPlayer::readingMsecs(QStringLiteral("<b>Clique</b> sur l'icône qui permet d'actualiser la page")),
              8 * t.readPerWord);
    EXPECT_EQ(WalkthroughPlayer::readingMsecs(words(100)), t.readMaximum);
    EXPECT_EQ(WalkthroughPlayer::boxMsecs(QStringLiteral("Bravo !")), t.box);
    EXPECT_EQ(WalkthroughPlayer::boxMsecs(words(12)), 12 * t.readPerWord);

    TempDataFolder data;
    StandInBoard board;
    ScriptedMessages boxes;
    ASSERT_TRUE(ExerciseRegistry::launch(CharterLayout::Competence, &board));
    WalkthroughPlayer player(Walkthrough::withoutMistakes(Walkthrough::of(CharterLayout::Competence)),
                             WalkthroughPlayer::Pace::Instant);
    QEventLoop loop;
    QObject::connect(&player, &WalkthroughPlayer::finished, &loop, &QEventLoop::quit);
    player.start();
    loop.exec();
    EXPECT_TRUE(player.failure().isEmpty()) << player.failure().toStdString();
    qint64 statements = 0;
    for (const CharterLayout::Row &row : CharterLayout::Rows)
        statements += WalkthroughPlayer::readingMsecs(row.statement.join(QLatin1Char('\n')));
    EXPECT_GE(player.plannedMsecs(), statements);
    if (ExerciseSession *session = ExerciseSession::current())
        session->abandon();
    flushDeletes();

    // A text the exercise brings up on its own timer, while the pointer waits for
    // its target, is read before the pointer moves.
    ASSERT_TRUE(ExerciseRegistry::launch(1, &board));
    auto *screen = qobject_cast<ExerciseScreen *>(PupilRobot::topWindow(QStringLiteral("Texercice1v3")));
    ASSERT_TRUE(screen);
    const QString later = words(30);
    // Stands for the exercise's own timer: no pupil path shows the button this early.
    QTimer::singleShot(50, screen, [screen, later] {
        screen->findChild<QLabel *>(QStringLiteral("Label1"))->setText(later);
        screen->findChild<QWidget *>(QStringLiteral("zs2"))->show();
    });
    WalkthroughPlayer waiting({Walkthrough::hover(QStringLiteral("Attendre le bouton"),
                                                  Walkthrough::on(QStringLiteral("Texercice1v3"), QStringLiteral("zs2")))
                                   .waitingUpTo(5000)},
                              WalkthroughPlayer::Pace::Instant);
    qint64 beforeGlide = -1;
    QEventLoop untilGlide;
    QObject::connect(&waiting, &WalkthroughPlayer::pointerGlides, &untilGlide, [&] {
        beforeGlide = waiting.plannedMsecs();
        untilGlide.quit();
    });
    QObject::connect(&waiting, &WalkthroughPlayer::finished, &untilGlide, &QEventLoop::quit);
    waiting.start();
    const qint64 firstReading = waiting.plannedMsecs();
    untilGlide.exec();
    waiting.stop();
    EXPECT_TRUE(waiting.failure().isEmpty()) << waiting.failure().toStdString();
    EXPECT_GE(beforeGlide - firstReading, WalkthroughPlayer::readingMsecs(later));
    ExerciseSession::current()->abandon();
    flushDeletes();
}

// With the teacher's box unticked the mascot is a picture again.
TEST(WalkthroughHelp, ForbiddenHelpLeavesTheMascotAPicture)
{
    TempDataFolder data;
    StandInBoard board;
    ScriptedMessages boxes;
    EXPECT_TRUE(HelpSwitch::allowed()) << "a new installation allows the help";
    ASSERT_TRUE(HelpSwitch::allow(false).ok());
    ASSERT_TRUE(ExerciseRegistry::launch(1, &board));
    auto *screen = qobject_cast<ExerciseScreen *>(PupilRobot::topWindow());
    ASSERT_TRUE(screen);
    PictureBox *mascot = screen->mascot();
    EXPECT_TRUE(mascot->toolTip().isEmpty());
    PupilRobot(screen).click(mascot);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(Practice::of(ExerciseSession::current()), Mode::None);
    ExerciseSession::current()->abandon();
    flushDeletes();
    ASSERT_TRUE(HelpSwitch::allow(true).ok());
    EXPECT_TRUE(HelpSwitch::allowed());
}

// Escape stops a demonstration and gives the pupil the exercise fresh.
TEST(WalkthroughHelp, EscapeStopsTheDemonstration)
{
    TempDataFolder data;
    StandInBoard board;
    ScriptedMessages boxes;
    PracticeDriver::setInstantForTests(true);
    ASSERT_TRUE(ExerciseRegistry::launch(1, &board));
    Practice::relaunch(1, &board, Mode::Demonstration);   // what the mascot's menu does, tested above
    auto *window = qobject_cast<ExerciseScreen *>(PupilRobot::topWindow(QStringLiteral("Texercice1v3")));
    ASSERT_TRUE(window);
    PupilRobot(window).key(Qt::Key_Escape, Qt::NoModifier, window);
    flushDeletes();
    ASSERT_TRUE(ExerciseSession::current());
    EXPECT_EQ(Practice::of(ExerciseSession::current()), Mode::None);
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_FALSE(student().results[0].acquired);
    ExerciseSession::current()->abandon();
    flushDeletes();
    PracticeDriver::setInstantForTests(false);
}
