// The data-security exercise (competence 2.6): the network diagram and the log-on,
// then the picture saved on the server and the session closed, by the pupil robot.
#include "support/exercisefixture.h"

#include "exercises/domain2/data_security/layout.h"
#include "exercises/domain2/data_security/u12v3.h"
#include "exercises/domain2/data_security/u12v3b.h"
#include "pictures/desktop.h"
#include "pictures/imageeditor.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace DataSecurityLayout;
using MessageBox::Kind;

namespace {

const QString Wrong = QStringLiteral("Fausse route !");
const QString Password = QString::fromLatin1(Accounts[LogOnAccount].password);

class DataSecurityExercise : public ExerciseFixture
{
protected:
    DataSecurityExercise() : ExerciseFixture(Competence) {}

    void wrongClick(QPoint p)
    {
        boxes.expect(Kind::Error, Wrong);
        robot.click(p);
    }
    void findTheControls()
    {
        aim<Texercice12v3>();
        robot.click(zs1.center());
        robot.click(zs3.center());
        robot.click(zs4.center());
    }
    void logOn(const QString &user, const QString &password, const QString &server, bool untick)
    {
        auto *w = aim<Texercice12v3>();
        for (QLineEdit *e : {w->edit1, w->edit2, w->edit3})
            e->clear();
        robot.click(w->edit1);
        robot.type(user);
        robot.click(w->edit2);
        robot.type(password);
        robot.click(w->edit3);
        robot.type(server);
        if (untick && w->CheckBox1->isChecked())
            robot.click(w->CheckBox1);
        robot.click(zs5.center());
    }
    void saveOnServer()
    {
        aim<Texercice12v3b>();
        robot.doubleClick(W2zs1.center());
        robot.click(W2zs2.center());
        robot.click(W2zs3.center());
        robot.click(W2zs5.center());
        robot.click(W2zs6.center());
        robot.click(W2zs7.center());
        robot.click(W2zs8.center());
    }
};

TEST_F(DataSecurityExercise, PerfectRunRecordsTheCompetence)
{
    launch();
    auto *w1 = aim<Texercice12v3>();
    EXPECT_EQ(w1->size(), Window1Size);
    EXPECT_EQ(w1->consigne3->text(), FindWorkstations);
    EXPECT_FALSE(w1->Image2->isVisible());
    robot.click(zs1.center());
    EXPECT_EQ(w1->consigne3->text(), FindServer);
    robot.click(zs3.center());
    EXPECT_EQ(w1->consigne3->text(), FindFirewall);
    robot.click(zs4.center());
    EXPECT_EQ(w1->step(), 4);
    EXPECT_EQ(w1->consigne3->text().count(QLatin1Char('\n')), 2) << "three lines";
    EXPECT_TRUE(w1->CheckBox1->isChecked());
    EXPECT_EQ(w1->edit2->echoMode(), QLineEdit::Normal);
    logOn(QStringLiteral("eleve2"), Password, QStringLiteral("servpeda"), true);

    auto *w2 = aim<Texercice12v3b>();
    EXPECT_EQ(w2->size(), Window2Size);
    EXPECT_EQ(w2->consigne3->text(), OpenPicture);
    EXPECT_EQ(w2->consigne4->text(), FromDesktop);
    robot.doubleClick(W2zs1.center());
    EXPECT_EQ(w2->consigne3->text(), SaveOnServer);
    EXPECT_TRUE(w2->consigne4->text().isEmpty());
    robot.click(W2zs2.center());
    robot.click(W2zs3.center());
    EXPECT_TRUE(w2->Image4->isVisible());
    robot.click(W2zs5.center());
    EXPECT_TRUE(w2->Image5->isVisible());
    robot.click(W2zs6.center());
    EXPECT_EQ(w2->consigne3->text(), CloseEditor);
    robot.click(W2zs7.center());
    EXPECT_EQ(w2->consigne3->text(), FreeComputer);
    EXPECT_EQ(w2->consigne4->text(), ForNextPupil);
    robot.click(W2zs8.center());
    EXPECT_TRUE(w2->Image6->isVisible());
    boxes.expect(Kind::Information, QStringLiteral("Bravo exercice réussi !")).onNext([&](const MessageBox::Box &) {
        EXPECT_EQ(w2->consigne3->text(), QStringLiteral("Bravo, exercice réussi !"));
        EXPECT_TRUE(w2->consigne4->text().isEmpty());
    });
    robot.click(W2zs9.center());
    expectBoardBack();
    expectRecorded();
}

TEST_F(DataSecurityExercise, TheDiagramIsReadInOrderAndCountsNothingAfterTheFirewall)
{
    launch();
    auto *w = aim<Texercice12v3>();
    wrongClick(zs3.center());          // the server before the workstations
    wrongClick(zs4.center());          // the firewall before them
    wrongClick(QPoint(380, 340));      // the rest of the diagram
    robot.click(zs1.center());
    wrongClick(zs1.center());          // the workstations again
    robot.click(zs3.center());
    robot.click(zs4.center());
    EXPECT_EQ(errors(), 4);
    // From now on the diagram and the server count nothing.
    robot.click(zs3.center());
    robot.click(QPoint(380, 340));
    robot.click(zs1.center());
    EXPECT_EQ(errors(), 4);
    EXPECT_EQ(w->step(), 4);
}

TEST_F(DataSecurityExercise, TheAccountsShowOverTheServerOnly)
{
    launch();
    auto *w = aim<Texercice12v3>();
    EXPECT_FALSE(w->Memo1->isVisible());
    robot.hover(zs3.center());
    ASSERT_TRUE(w->Memo1->isVisible());
    const QStringList lines = w->Memo1->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], MemoHeader);
    EXPECT_TRUE(lines[1].isEmpty());
    EXPECT_TRUE(lines[LogOnAccount + 2].startsWith(LogOnUser));
    EXPECT_TRUE(lines[LogOnAccount + 2].endsWith(Password));
    for (const Account &a : Accounts) {
        const QString p = QString::fromLatin1(a.password);
        int capitals = 0, small = 0, digits = 0;
        for (QChar c : p) {
            capitals += c.isUpper();
            small += c.isLower();
            digits += c.isDigit();
        }
        EXPECT_EQ(std::make_tuple(int(p.size()), capitals, small, digits), std::make_tuple(7, 4, 1, 2)) << a.login;
    }
    robot.hover(QPoint(60, 340));
    EXPECT_FALSE(w->Memo1->isVisible());
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(DataSecurityExercise, TheLogOnWantsTheRightAccountAndTheBoxUnticked)
{
    launch();
    findTheControls();
    // Names in capitals pass, but the password box still ticked counts one error.
    boxes.expect(Kind::Error, Wrong);
    logOn(QStringLiteral("ELEVE2"), Password, QStringLiteral("SERVPEDA"), false);
    EXPECT_EQ(errors(), 1);
    // The password is compared exactly.
    boxes.expect(Kind::Error, Wrong);
    logOn(QStringLiteral("eleve2"), Password.toLower(), QStringLiteral("servpeda"), true);
    boxes.expect(Kind::Error, Wrong);
    logOn(QStringLiteral("eleve1"), QString::fromLatin1(Accounts[0].password), QStringLiteral("servpeda"), true);
    boxes.expect(Kind::Error, Wrong);
    logOn(QStringLiteral("eleve2"), Password, QStringLiteral("servpeda "), true);
    EXPECT_EQ(errors(), 4);
    aim<Texercice12v3>();
    logOn(QStringLiteral("Eleve2"), Password, QStringLiteral("ServPeda"), true);
    aim<Texercice12v3b>();
}

TEST_F(DataSecurityExercise, SavingBeforeChoosingTheServerAndShuttingDownAreWrong)
{
    launch();
    findTheControls();
    logOn(QStringLiteral("eleve2"), Password, QStringLiteral("servpeda"), true);
    auto *w = aim<Texercice12v3b>();
    // A single click on the picture's icon does nothing.
    robot.click(W2zs1.center());
    EXPECT_FALSE(w->Image2->isVisible());
    robot.doubleClick(W2zs1.center());
    robot.click(W2zs2.center());
    robot.click(W2zs3.center());
    wrongClick(W2zs6.center());                       // saving on the computer's drives
    wrongClick(W2zs5.center() + QPoint(0, 60));       // another drive
    robot.click(W2zs5.center());
    robot.click(W2zs6.center());
    robot.click(W2zs7.center());
    robot.click(W2zs8.center());
    wrongClick(W2zs10.center());                      // shutting down
    EXPECT_EQ(errors(), 3);
    QString label;
    boxes.expect(Kind::Error, QStringLiteral("Exercice non maîtrisé !")).onNext([&](const MessageBox::Box &) {
        label = w->consigne3->text();
    });
    robot.click(W2zs9.center());
    EXPECT_EQ(label, QStringLiteral("Il faudra recommencer : 3 erreur(s)"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(DataSecurityExercise, AbandonAndTheCloseCommandInBothWindowsBringTheBoardBack)
{
    for (int window = 1; window <= 2; ++window) {
        for (int way = 0; way < 2; ++way) {
            launch();
            if (window == 2) {
                findTheControls();
                logOn(QStringLiteral("eleve2"), Password, QStringLiteral("servpeda"), true);
            }
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
    // Every launch starts at step 1 with empty fields and the box ticked.
    launch();
    auto *w = aim<Texercice12v3>();
    EXPECT_EQ(w->step(), 1);
    EXPECT_TRUE(w->edit1->text().isEmpty());
    EXPECT_TRUE(w->CheckBox1->isChecked());
    EXPECT_EQ(errors(), 0);
}

TEST(DataSecurityPictures, TheDesktopPutsThePictureFileUnderItsHotSpot)
{
    EXPECT_TRUE(Desktop::iconTile(1, 0).translated(W2Image1.topLeft()).contains(W2zs1.center()));
    const QRect taskBar(0, DesktopSize.height() - Desktop::TaskBarHeight, Desktop::StartButtonWidth,
                        Desktop::TaskBarHeight);
    EXPECT_TRUE(taskBar.translated(W2Image1.topLeft()).contains(W2zs8.center()));
    EXPECT_TRUE(ImageEditor::SmallCloseButton.translated(W2Image2.topLeft()).contains(W2zs7.center()));
    EXPECT_TRUE(ImageEditor::SmallFileMenuTitle.translated(W2Image2.topLeft()).contains(W2zs2.center()));
}
}
