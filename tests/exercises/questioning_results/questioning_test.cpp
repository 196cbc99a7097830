#include "exercises/domain2/questioning_results/answerlist.h"
#include "exercises/domain2/questioning_results/layout.h"
#include "exercises/domain2/questioning_results/u10v3.h"
#include "exercises/domain2/questioning_results/u10v3b.h"
#include "shell/exercise/exercisesession.h"
#include "support/exercisefixture.h"
#include "support/standinboard.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using MessageBox::Kind;
namespace L = QuestioningLayout;

namespace {
class QuestioningExercise : public ExerciseFixture
{
protected:
    QuestioningExercise() : ExerciseFixture(L::Competence) {}

    void start()
    {
        launch();
        first = qobject_cast<Texercice10v3 *>(PupilRobot::topWindow(QStringLiteral("Texercice10v3")));
        ASSERT_TRUE(first);
        robot.setWindow(first);
    }
    // The pupil scrolls the list to the item and double-clicks it.
    void doubleClickItem(AnswerList *list, int row)
    {
        QListWidgetItem *item = list->item(row);
        ASSERT_TRUE(item);
        list->scrollToItem(item);
        const QPoint at = list->viewport()->mapTo(robot.window(), list->visualItemRect(item).center());
        EXPECT_EQ(robot.widgetAt(at), list->viewport());
        robot.doubleClick(at);
    }
    // Window 1 up to the corrected formula, choosing the given source.
    void correctFirst(int source = 1)
    {
        robot.click(L::First::zs3.center());
        doubleClickItem(first->ListBox1, L::First::RightNature);
        doubleClickItem(first->ListBox2, source);
        robot.click(first->Edit1);
        first->Edit1->selectAll();   // the pupil replaces the whole formula
    }
    void reachSecond()
    {
        correctFirst();
        boxes.expect(Kind::Information, QStringLiteral("Bravo passe au 2ème exercice  !"));
        robot.type(QStringLiteral("=MOYENNE(B5:B9)"), first->Edit1);
        second = qobject_cast<Texercice10v3b *>(PupilRobot::topWindow(QStringLiteral("Texercice10v3b")));
        ASSERT_TRUE(second);
        robot.setWindow(second);
    }
    // Window 2 up to the blinking labels (a quick blink unless told otherwise).
    void reachBlinking(bool realTimer = false)
    {
        reachSecond();
        robot.click(L::Second::Button1.center());
        robot.click(L::Second::Button3.center());
        doubleClickItem(second->ListBox1, L::Second::RightNature);
        doubleClickItem(second->ListBox2, L::Second::RightSource);
        if (!realTimer)
            second->Timer1->stop();   // the test ticks it itself
    }
    void waitForLabels(bool shown)
    {
        QTRY_COMPARE_WITH_TIMEOUT(second->Image3->isVisible(), shown, 3000);
    }
    // One tick of the blink, without waiting for it.
    void tick() { QMetaObject::invokeMethod(second, "Timer1Timer"); }

    Texercice10v3 *first = nullptr;
    Texercice10v3b *second = nullptr;
};
}

TEST_F(QuestioningExercise, PerfectRunThroughBothWindowsRecordsTheCompetence)
{
    start();
    EXPECT_EQ(first->Edit1->text(), QStringLiteral("=MOYENNE(B6:B9)"));
    EXPECT_FALSE(first->Edit1->isEnabled());
    EXPECT_EQ(robot.widgetAt(L::First::zs3.center()), first->zs3);
    robot.click(L::First::zs3.center());
    EXPECT_TRUE(first->GroupBox1->isVisible());
    EXPECT_EQ(first->ListBox1->currentRow(), 0);
    EXPECT_FALSE(first->zs2->isVisible());
    EXPECT_EQ(first->consigne3->text(), QStringLiteral("Double-clique sur la nature de l'erreur"));
    EXPECT_TRUE(first->consigne4->text().isEmpty());
    doubleClickItem(first->ListBox1, 3);
    EXPECT_FALSE(first->ListBox1->isEnabled());
    EXPECT_TRUE(first->GroupBox2->isVisible());
    EXPECT_EQ(first->consigne3->text(), QStringLiteral("Double-clique sur la source probable de l'erreur"));
    doubleClickItem(first->ListBox2, 1);
    EXPECT_TRUE(first->Edit1->isEnabled());
    EXPECT_EQ(first->consigne3->text(), QStringLiteral("Corrige cette erreur de formule"));
    QString labelDuringBox;
    boxes.expect(Kind::Information, QStringLiteral("Bravo passe au 2ème exercice  !"))
        .onNext([&](const MessageBox::Box &) { labelDuringBox = first->consigne3->text(); });
    robot.click(first->Edit1);
    first->Edit1->selectAll();
    robot.type(QStringLiteral("=MOYENNE(B5:B9)"), first->Edit1);
    EXPECT_EQ(labelDuringBox, QStringLiteral("Bravo, passe au 2ème exercice  !"));
    second = qobject_cast<Texercice10v3b *>(PupilRobot::topWindow(QStringLiteral("Texercice10v3b")));
    ASSERT_TRUE(second);
    flushDeletes();
    EXPECT_EQ(PupilRobot::topWindow(QStringLiteral("Texercice10v3")), nullptr);
    EXPECT_FALSE(form1->isVisible());
    robot.setWindow(second);

    EXPECT_EQ(second->Memo1->toPlainText().split(QLatin1Char('\n')), L::Second::MemoLines);
    EXPECT_EQ(second->consigne4->text(), QStringLiteral("2) Clique sur le bouton \"J'ai lu le cadre jaune\""));
    EXPECT_TRUE(second->consigne5->isHidden());
    robot.click(L::Second::Button1.center());
    EXPECT_EQ(second->consigne3->text(), QStringLiteral("le graphique correspond-il bien au texte du cadre jaune"));
    EXPECT_EQ(robot.widgetAt(L::Second::Button3.center()), second->Button3);
    robot.click(L::Second::Button3.center());
    EXPECT_TRUE(second->GroupBox1->isVisible());
    doubleClickItem(second->ListBox1, 3);
    EXPECT_EQ(second->consigne3->text(), QStringLiteral("Double-clique sur la source de l'erreur"));
    EXPECT_EQ(second->Timer1->interval(), 1000);
    doubleClickItem(second->ListBox2, 1);
    EXPECT_TRUE(second->Timer1->isActive());
    EXPECT_EQ(second->consigne3->text(), QStringLiteral("Regarde les cellules A8 et A9 , "));
    EXPECT_EQ(second->consigne5->text(),
              QStringLiteral("Clique sur la celulle A8 ou A9 lorsque les bonnes valeurs apparaissent !"));
    // The real one-second blink: both pictures together.
    waitForLabels(true);
    EXPECT_TRUE(second->Image4->isVisible());
    boxes.expect(Kind::Information, QStringLiteral("Bravo exercice réussi !"));
    EXPECT_EQ(robot.widgetAt(L::Second::zs2.center()), second->zs2);
    robot.click(L::Second::zs2.center());
    expectRecorded();
    expectBoardBack();
}

TEST_F(QuestioningExercise, OneWrongClickFailsAtTheCorrectedFormula)
{
    start();
    boxes.expect(Kind::Error, QStringLiteral("Fausse route ! Lisez bien..."));
    EXPECT_EQ(robot.widgetAt(L::First::zs1.center()), first->zs1);
    robot.click(L::First::zs1.center());
    correctFirst();
    QString labelDuringBox;
    boxes.expect(Kind::Error, QStringLiteral("Exercice non maîtrisé !"))
        .onNext([&](const MessageBox::Box &) { labelDuringBox = first->consigne3->text(); });
    robot.type(QStringLiteral("=moyenne(b5:b9)"), first->Edit1);
    EXPECT_EQ(labelDuringBox, QStringLiteral("Il faudra recommencer : 1 erreur(s)"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(QuestioningExercise, FirstWindowChoicesAndFormulasThatTriggerNothing)
{
    start();
    boxes.expect(Kind::Error, QStringLiteral("Fausse route ! Lisez bien..."));
    robot.click(QPoint(600, 450));   // elsewhere on the sheet
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 1);
    robot.click(L::First::zs3.center());
    boxes.expect(Kind::Error, QStringLiteral("Fausse route ! "));
    doubleClickItem(first->ListBox1, 0);
    EXPECT_FALSE(first->GroupBox2->isVisible());
    doubleClickItem(first->ListBox1, 3);
    boxes.expect(Kind::Error, QStringLiteral("Fausse route ! "));
    doubleClickItem(first->ListBox2, 0);
    EXPECT_FALSE(first->Edit1->isEnabled());
    // "Erreur de sélection" is as good as "Erreur de frappe".
    doubleClickItem(first->ListBox2, 2);
    EXPECT_TRUE(first->Edit1->isEnabled());
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 3);
    for (const char *silent : {"=moyenne(b5;b9)", "=moyenne (b5:b9)", "= moyenne(b5:b9)", "=moyenne(b5: b9)"}) {
        first->Edit1->clear();
        robot.type(QString::fromUtf8(silent), first->Edit1);
        EXPECT_EQ(first->step(), Texercice10v3::Step::Correct) << silent;
        EXPECT_TRUE(first->Image2->isHidden());
    }
    EXPECT_EQ(boxes.count(), 3);
}

TEST_F(QuestioningExercise, SecondWindowWrongActionsMakeTheFinalClickFail)
{
    start();
    reachSecond();
    robot.click(L::Second::Button1.center());
    boxes.expect(Kind::Error, QStringLiteral("Fausse route ! Lis bien le cadre jaune et regarde le graphique"));
    robot.click(L::Second::Button2.center());
    robot.click(L::Second::Button3.center());
    boxes.expect(Kind::Error, QStringLiteral("Fausse route ! "));
    doubleClickItem(second->ListBox1, 5);   // an empty item
    doubleClickItem(second->ListBox1, 3);
    boxes.expect(Kind::Error, QStringLiteral("Fausse route ! "));
    doubleClickItem(second->ListBox2, 2);
    doubleClickItem(second->ListBox2, 1);
    second->Timer1->stop();
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 3);
    EXPECT_TRUE(second->Image3->isHidden());
    boxes.expect(Kind::Error, QStringLiteral("Raté ! "));
    robot.click(L::Second::zs2.center());
    tick();
    EXPECT_TRUE(second->Image3->isVisible());
    EXPECT_TRUE(second->Image4->isVisible());
    QString labelDuringBox;
    boxes.expect(Kind::Error, QStringLiteral("Exercice non maîtrisé !"))
        .onNext([&](const MessageBox::Box &) { labelDuringBox = second->consigne3->text(); });
    robot.click(L::Second::zs2.center());
    EXPECT_EQ(labelDuringBox, QStringLiteral("Il faudra recommencer : 4 erreur(s)"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(QuestioningExercise, MissedClickAloneIsEnoughToFail)
{
    start();
    reachBlinking();
    tick();
    tick();
    EXPECT_TRUE(second->Image3->isHidden());
    EXPECT_TRUE(second->Image4->isHidden());
    boxes.expect(Kind::Error, QStringLiteral("Raté ! "));
    robot.click(L::Second::zs2.center());
    tick();
    boxes.expect(Kind::Error, QStringLiteral("Exercice non maîtrisé !"));
    robot.click(L::Second::zs2.center());
    expectNothingRecorded();
    expectBoardBack();
}

TEST_F(QuestioningExercise, AbandonAndTheCloseCommandAtEachWindowRecordNothing)
{
    for (int way = 0; way < 4; ++way) {
        start();
        QWidget *window = first;
        QPoint abandon = L::First::BitBtn20.center();
        QPointer<QTimer> timer;
        if (way >= 2) {
            reachBlinking();
            window = second;
            abandon = L::Second::BitBtn20.center();
            timer = second->Timer1;
        }
        if (way % 2 == 0) {
            EXPECT_EQ(robot.widgetAt(abandon)->objectName(), QStringLiteral("BitBtn20"));
            robot.click(abandon);
        } else {
            robot.closeWindow();
        }
        expectBoardBack();
        expectNothingRecorded();
        flushDeletes();
        EXPECT_TRUE(timer.isNull()) << "the blinking timer dies with its window";
        Q_UNUSED(window);
    }
}
