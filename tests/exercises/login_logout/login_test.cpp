#include "exercises/domain1/login_logout/layout.h"
#include "exercises/domain1/login_logout/u1v3.h"
#include "records/recordstore.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "support/pupilrobot.h"
#include "support/scriptedmessages.h"
#include "support/standinboard.h"
#include "support/tempdatafolder.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

using MessageBox::Kind;

namespace {
// One launch of the exercise from a stand-in board, with a logged-in pupil.
struct LoginRun
{
    TempDataFolder data;
    StandInBoard board;
    ScriptedMessages boxes;
    PupilRobot robot;
    Texercice1v3 *window = nullptr;

    LoginRun()
    {
        login().pupilName = QStringLiteral("dupont");
        login().validatorName = QStringLiteral("Mme Okafor");
        login().todayText = QStringLiteral("09/12/2026");
        EXPECT_TRUE(ExerciseRegistry::launch(1, &board));
        window = qobject_cast<Texercice1v3 *>(PupilRobot::topWindow(QStringLiteral("Texercice1v3")));
        EXPECT_TRUE(window);
        robot.setWindow(window);
    }
    ~LoginRun() { flushDeletes(); }

    void fill(const QString &name, const QString &password)
    {
        window->Edit1->clear();
        window->Edit2->clear();
        robot.click(window->Edit1);
        robot.type(name, window->Edit1);
        robot.click(window->Edit2);
        robot.type(password, window->Edit2);
    }
    void send() { robot.click(LoginLayout::zs.center()); }
    bool ended() const { return board.isVisible() && !ExerciseSession::current(); }
};
}

TEST(LoginExercise, PerfectRunRecordsTheCompetence)
{
    LoginRun run;
    EXPECT_FALSE(run.board.isVisible());
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 0);
    // The fields lie over the picture's boxes and take the keys typed there.
    EXPECT_EQ(run.robot.widgetAt(LoginLayout::Edit1.center()), run.window->Edit1);
    EXPECT_EQ(run.robot.widgetAt(LoginLayout::Edit2.center()), run.window->Edit2);
    run.fill(QStringLiteral("durandmar"), QStringLiteral("Tr3s-secret"));
    EXPECT_EQ(run.window->Edit2->echoMode(), QLineEdit::Password);
    EXPECT_EQ(run.window->Edit2->displayText(), QStringLiteral("***********")) << "the site shows a star per character";
    run.send();

    ASSERT_EQ(run.window->screen(), Texercice1v3::Screen::LoggedIn);
    EXPECT_TRUE(run.window->Image2->isVisible());
    EXPECT_FALSE(run.window->Image1->isVisible());
    EXPECT_FALSE(run.window->Edit1->isVisible());
    EXPECT_EQ(run.window->Label3->text(), QStringLiteral("durandmar"));
    EXPECT_EQ(run.window->Label3->pos(), LoginLayout::Label3);
    EXPECT_FALSE(run.window->Label4->isVisible());
    EXPECT_EQ(run.window->Label1->text(), QStringLiteral("Bien, tu as réussi à t'authentifier sur ce site !"));
    EXPECT_EQ(run.window->Label2->text(), QStringLiteral("Maintenant , tu dois quitter proprement ce site\u00a0!"));

    run.boxes.expect(Kind::Information, QStringLiteral("Bravo exercice réussi !"));
    EXPECT_EQ(run.robot.widgetAt(LoginLayout::zs2.center()), run.window->zs2);
    run.robot.click(LoginLayout::zs2.center());
    EXPECT_TRUE(run.ended());
    const CompetenceResult &result = student().results[0];
    EXPECT_TRUE(result.acquired);
    EXPECT_EQ(result.date, QStringLiteral("09/12/2026"));
    EXPECT_EQ(result.validator, QStringLiteral("Mme Okafor"));
    EXPECT_FALSE(run.board.button(1)->isVisible());
    flushDeletes();
    EXPECT_EQ(PupilRobot::topWindow(QStringLiteral("Texercice1v3")), nullptr);
}

TEST(LoginExercise, TheNameShowsAsTypedAndTheBubbleKeepsItsFont)
{
    LoginRun run;
    const QString name = QStringLiteral("<u>dupont");
    run.fill(name, QStringLiteral("Tr3s-secret"));
    run.send();
    ASSERT_EQ(run.window->screen(), Texercice1v3::Screen::LoggedIn);
    QLabel *shown = run.window->Label3;
    EXPECT_EQ(shown->text(), name);
    // Drawn as plain text, the brackets take their room: no markup is obeyed.
    EXPECT_GE(shown->width(), QFontMetrics(shown->font()).horizontalAdvance(name));
    EXPECT_TRUE(run.window->Label1->font().bold());
    EXPECT_EQ(run.window->Label1->font().pixelSize(), 16);
}

TEST(LoginExercise, ShortFieldsAreRefusedWithoutCountingAnError)
{
    LoginRun run;
    const struct { const char *name; const char *password; } refused[] = {
        {"abcd", "abcdef"}, {"abcde", "abcde"}, {"", ""}, {"abcdef", ""}};
    for (const auto &c : refused) {
        run.fill(QString::fromUtf8(c.name), QString::fromUtf8(c.password));
        run.boxes.expect(Kind::Error, QStringLiteral("Relis les consignes !"));
        run.send();
        EXPECT_EQ(run.window->screen(), Texercice1v3::Screen::LogIn) << c.name << "/" << c.password;
        EXPECT_EQ(run.window->Edit1->text(), QString::fromUtf8(c.name)) << "the fields keep their text";
    }
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 0);
    // Exactly 5 and 6 characters pass, spaces included.
    run.fill(QStringLiteral("     "), QStringLiteral("abcdef"));
    run.send();
    EXPECT_EQ(run.window->screen(), Texercice1v3::Screen::LoggedIn);
}

TEST(LoginExercise, LogOutPlaceDoesNothingBeforeLogIn)
{
    LoginRun run;
    QWidget *under = run.robot.click(LoginLayout::zs2.center());
    EXPECT_NE(under, run.window->zs2);
    EXPECT_EQ(run.window->screen(), Texercice1v3::Screen::LogIn);
    EXPECT_EQ(run.boxes.count(), 0);
    EXPECT_FALSE(run.ended());
}

TEST(LoginExercise, ClickingTheSendButtonAfterLogInFailsWithOneError)
{
    LoginRun run;
    student().results[0] = CompetenceResult{1, true, QStringLiteral("01/10/2026"), QStringLiteral("M. Besson")};
    run.fill(QStringLiteral("martin"), QStringLiteral("secret1"));
    run.send();
    QString labelDuringBox;
    run.boxes.expect(Kind::Error, QStringLiteral("Cette compétence n'est pas acquise !"))
        .onNext([&](const MessageBox::Box &) { labelDuringBox = run.window->Label1->text(); });
    EXPECT_EQ(run.robot.widgetAt(LoginLayout::DecoySend.center()), run.window->Image2);
    run.robot.click(LoginLayout::DecoySend.center());
    EXPECT_EQ(labelDuringBox, QStringLiteral("Il faudra recommencer : 1 erreur(s)"));
    EXPECT_TRUE(run.ended());
    // An earlier success stays as it was.
    EXPECT_TRUE(student().results[0].acquired);
    EXPECT_EQ(student().results[0].validator, QStringLiteral("M. Besson"));
    EXPECT_TRUE(run.board.button(1)->isVisibleTo(&run.board));
}

TEST(LoginExercise, AbandonAndAltF4BringTheBoardBackUnchanged)
{
    for (int way = 0; way < 2; ++way) {
        LoginRun run;
        run.fill(QStringLiteral("martin"), QStringLiteral("secret1"));
        run.send();
        if (way == 0) {
            EXPECT_EQ(run.robot.widgetAt(LoginLayout::BitBtn1.center())->objectName(), QStringLiteral("BitBtn1"));
            run.robot.click(LoginLayout::BitBtn1.center());
        } else
            run.robot.closeWindow();
        EXPECT_TRUE(run.ended()) << way;
        EXPECT_FALSE(student().results[0].acquired) << way;
        EXPECT_EQ(run.boxes.count(), 0);
    }
}

TEST(LoginExercise, EachLaunchStartsAfreshWithNoError)
{
    {
        LoginRun run;
        run.fill(QStringLiteral("martin"), QStringLiteral("secret1"));
        run.send();
        run.boxes.answer(0);
        run.robot.click(LoginLayout::DecoySend.center());
    }
    LoginRun again;
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 0);
    EXPECT_EQ(again.window->screen(), Texercice1v3::Screen::LogIn);
    EXPECT_TRUE(again.window->Edit1->text().isEmpty());
    EXPECT_TRUE(again.window->Edit1->isVisible());
}
