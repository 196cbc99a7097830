// The communication tools quiz (competence 5.1), played by the pupil robot.
#include "support/exercisefixture.h"

#include "exercises/domain5/communication_tools/layout.h"
#include "exercises/domain5/communication_tools/quiz.h"
#include "exercises/domain5/communication_tools/u26v3.h"
#include "exercises/domain5/communication_tools/u26v3b.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/choicecombo.h"

#include <QAbstractItemView>
#include <QFrame>
#include <QTest>
#include <QTextEdit>

using namespace CommunicationToolsLayout;
using CommunicationQuiz::Question;
using MessageBox::Kind;

namespace {

class CommunicationToolsExercise : public ExerciseFixture
{
protected:
    CommunicationToolsExercise() : ExerciseFixture(Competence) {}

    QuizPage *page() const { return qobject_cast<QuizPage *>(PupilRobot::topWindow()); }
    template <typename T = QWidget>
    T *control(const QString &name) const
    {
        return page() ? page()->findChild<T *>(name) : nullptr;
    }
    QString instruction() const { return labelText(page(), QStringLiteral("consigne3")); }

    void start()
    {
        launch();
        ASSERT_TRUE(qobject_cast<Texercice26v3 *>(page()));
        robot.setWindow(page());
    }

    // Opens the drop-down with the mouse and picks the entry in its list.
    void choose(ChoiceCombo *combo, const QString &text)
    {
        ASSERT_TRUE(combo);
        ASSERT_TRUE(combo->isVisible() && combo->isEnabled()) << combo->objectName().toStdString();
        ASSERT_EQ(robot.click(combo), combo) << "the drop-down is covered";
        QAbstractItemView *list = combo->view();
        ASSERT_TRUE(list->isVisible()) << "the list did not open";
        const QModelIndex item = list->model()->index(combo->findText(text), 0);
        ASSERT_TRUE(item.isValid()) << text.toStdString();
        list->setCurrentIndex(item);
        QTest::keyClick(list, Qt::Key_Return);
        QApplication::processEvents();
    }

    // Answers question i of the page showing: the entry of a drop-down, or the
    // "vrai" / "faux" button of a pair.
    void answer(int i, const QString &given)
    {
        const QList<Question> &questions = onSecondPage() ? CommunicationQuiz::secondPage()
                                                          : CommunicationQuiz::firstPage();
        const Question &q = questions[i];
        if (q.isChoice()) {
            choose(control<ChoiceCombo>(QStringLiteral("ComboBoxEx%1").arg(comboNumber(questions, i))), given);
            return;
        }
        const int pair = pairNumber(questions, i);
        const QString button = QStringLiteral("BitBtn%1").arg(given == TrueText ? pair : pair + 4);
        ASSERT_TRUE(control(button) && control(button)->isVisible()) << button.toStdString();
        robot.click(button);
    }
    void answerRight(int i)
    {
        const QList<Question> &questions = onSecondPage() ? CommunicationQuiz::secondPage()
                                                          : CommunicationQuiz::firstPage();
        answer(i, questions[i].answer);
    }
    // A wrong answer to question i: another entry, or the other button.
    void answerWrong(int i)
    {
        const QList<Question> &questions = onSecondPage() ? CommunicationQuiz::secondPage()
                                                          : CommunicationQuiz::firstPage();
        const Question &q = questions[i];
        if (q.isChoice())
            answer(i, q.options.first() == q.answer ? q.options.last() : q.options.first());
        else
            answer(i, q.answer == TrueText ? FalseText : TrueText);
    }
    void finishFirstPage(int from = 0)
    {
        for (int i = from; i < 8; ++i)
            answerRight(i);
        robot.click(QStringLiteral("Suite"));
        ASSERT_TRUE(onSecondPage());
        robot.setWindow(page());
    }
    bool onSecondPage() const { return qobject_cast<Texercice26v3b *>(page()) != nullptr; }

    static int comboNumber(const QList<Question> &questions, int i)
    {
        int n = 0;
        for (int k = 0; k <= i; ++k)
            n += questions[k].isChoice();
        return n;
    }
    static int pairNumber(const QList<Question> &questions, int i)
    {
        int n = 0;
        for (int k = 0; k <= i; ++k)
            n += !questions[k].isChoice();
        return n;
    }
    static QColor baseOf(QWidget *w) { return w->palette().color(QPalette::Base); }
    static QColor fillOf(QWidget *w) { return w->palette().color(QPalette::Window); }
};

TEST_F(CommunicationToolsExercise, SixteenRightAnswersRecordTheCompetence)
{
    start();
    EXPECT_EQ(instruction(), StartInstruction);
    EXPECT_EQ(page()->currentQuestion(), 0);
    for (int i = 0; i < 8; ++i) {
        EXPECT_FALSE(control(QStringLiteral("Suite"))->isVisible()) << "Suite before question 8";
        answerRight(i);
    }
    EXPECT_EQ(instruction(), SuiteInstruction);
    EXPECT_TRUE(control(QStringLiteral("Suite"))->isVisible());
    robot.click(QStringLiteral("Suite"));
    ASSERT_TRUE(onSecondPage());
    robot.setWindow(page());
    EXPECT_EQ(instruction(), StartInstruction);
    for (int i = 0; i < 7; ++i)
        answerRight(i);
    boxes.expect(Kind::Information, QStringLiteral("Bravo, Exercice réussi!"));
    answerRight(7);
    expectBoardBack();
    expectRecorded();
    EXPECT_EQ(boxes.count(), 1) << "no box during the quiz";
}

TEST_F(CommunicationToolsExercise, AWrongAnswerOnTheFirstPageIsMarkedSilentlyAndFailsAtTheEnd)
{
    start();
    for (int i = 0; i < 4; ++i)
        answerRight(i);
    // "vrai" to the SMS question: the frame behind "vrai" turns red, both buttons are dead.
    answerWrong(4);
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(page()->session()->errorCount(), 1);
    QWidget *frame = control(QStringLiteral("Frame1"));
    ASSERT_TRUE(frame);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(fillOf(frame), QColor(255, 0, 0));
    EXPECT_EQ(frame->geometry(), frameRect(trueRect(4)));
    EXPECT_FALSE(control(QStringLiteral("Frame5"))->isVisible());
    EXPECT_FALSE(control(QStringLiteral("BitBtn1"))->isEnabled());
    EXPECT_FALSE(control(QStringLiteral("BitBtn5"))->isEnabled());
    finishFirstPage(5);
    // The count carries over to the second page.
    EXPECT_EQ(page()->session()->errorCount(), 1);
    for (int i = 0; i < 7; ++i)
        answerRight(i);
    QString labelDuringBox;
    boxes.expect(Kind::Error, QStringLiteral("Exercice non maîtrisé !"))
        .onNext([&](const MessageBox::Box &) { labelDuringBox = instruction(); });
    answerRight(7);
    EXPECT_EQ(labelDuringBox, QStringLiteral("Il faudra recommencer : 1 erreur(s)"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(CommunicationToolsExercise, AWrongLastChoiceIsColouredThenJudged)
{
    start();
    finishFirstPage();
    for (int i = 0; i < 7; ++i)
        answerRight(i);
    auto *last = control<ChoiceCombo>(QStringLiteral("ComboBoxEx4"));
    ASSERT_TRUE(last);
    QPointer<ChoiceCombo> watched(last);
    QColor colourDuringBox;
    bool enabledDuringBox = true;
    boxes.expect(Kind::Error, QStringLiteral("Exercice non maîtrisé !")).onNext([&](const MessageBox::Box &) {
        colourDuringBox = baseOf(watched);
        enabledDuringBox = watched->isEnabled();
    });
    choose(last, QStringLiteral("cc"));
    EXPECT_EQ(colourDuringBox, QColor(255, 0, 0));
    EXPECT_FALSE(enabledDuringBox);
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(CommunicationToolsExercise, QuestionsShowOneAtATimeAndAnAnswerCannotBeChanged)
{
    start();
    auto *first = control<ChoiceCombo>(QStringLiteral("ComboBoxEx1"));
    ASSERT_TRUE(first);
    EXPECT_EQ(first->currentIndex(), -1);
    EXPECT_EQ(first->placeholderText(), Placeholder);
    EXPECT_EQ(first->count(), 4);
    EXPECT_TRUE(control(QStringLiteral("Memo1"))->isVisible());
    EXPECT_FALSE(control(QStringLiteral("Memo2"))->isVisible());
    EXPECT_FALSE(control(QStringLiteral("ComboBoxEx2"))->isVisible());
    EXPECT_FALSE(control(QStringLiteral("Image2"))->isVisible()) << "the Blog heading shows with its first question";
    EXPECT_TRUE(first->hasFocus());
    answerRight(0);
    EXPECT_FALSE(first->isEnabled());
    EXPECT_EQ(baseOf(first), QColor(0, 255, 0));
    EXPECT_EQ(first->currentText(), QStringLiteral("Messagerie instantanée"));
    // A click on the dead list opens nothing and changes nothing.
    robot.click(first);
    EXPECT_FALSE(first->view()->isVisible());
    EXPECT_EQ(page()->currentQuestion(), 1);
    EXPECT_TRUE(control(QStringLiteral("ComboBoxEx2"))->hasFocus());
    for (int i = 1; i < 4; ++i)
        answerRight(i);
    EXPECT_TRUE(control(QStringLiteral("Image2"))->isVisible());
    EXPECT_TRUE(control(QStringLiteral("BitBtn1"))->isVisible());
    EXPECT_FALSE(control(QStringLiteral("BitBtn2"))->isVisible());
    answerRight(4);   // "faux": lime frame behind "faux"
    EXPECT_EQ(fillOf(control(QStringLiteral("Frame5"))), QColor(0, 255, 0));
    EXPECT_TRUE(control(QStringLiteral("Frame5"))->isVisible());
    EXPECT_FALSE(control(QStringLiteral("Frame1"))->isVisible());
    // The dead "vrai" of the answered pair does not count a second answer.
    robot.click(QStringLiteral("BitBtn1"));
    EXPECT_EQ(page()->session()->errorCount(), 0);
    EXPECT_EQ(page()->currentQuestion(), 5);
}

TEST_F(CommunicationToolsExercise, EveryControlLiesInsideItsBandAndBesideItsMemo)
{
    // The four rows of a band fit the band; controls never overlap the memos or Suite.
    for (int i = 0; i < 8; ++i) {
        EXPECT_TRUE(band(i).contains(memoRect(i))) << i;
        EXPECT_TRUE(band(i).contains(frameRect(falseRect(i)))) << i;
        EXPECT_TRUE(band(i).contains(comboRect(i))) << i;
        EXPECT_FALSE(memoRect(i).intersects(frameRect(trueRect(i)))) << i;
        EXPECT_FALSE(frameRect(trueRect(i)).intersects(frameRect(falseRect(i)))) << i;
        EXPECT_FALSE(QRect(SuiteButton.topLeft(), QSize(120, 32)).intersects(band(i))) << i;
    }
    EXPECT_EQ(frameRect(trueRect(0)).size(), QSize(81, 33));
    EXPECT_EQ(frameRect(trueRect(0)).center(), trueRect(0).center());
}

TEST_F(CommunicationToolsExercise, AbandonAndCloseOnEitherPageBringTheBoardBack)
{
    start();
    answerRight(0);
    robot.click(QStringLiteral("BitBtn20"));
    expectBoardBack();
    expectNothingRecorded();

    start();
    robot.closeWindow();
    expectBoardBack();

    start();
    finishFirstPage();
    answerRight(0);
    robot.click(QStringLiteral("BitBtn20"));
    expectBoardBack();

    start();
    finishFirstPage();
    robot.closeWindow();
    expectBoardBack();
    expectNothingRecorded();
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(CommunicationToolsExercise, ASecondLaunchStartsFromTheFirstQuestionWithNoError)
{
    start();
    answerWrong(0);
    robot.click(QStringLiteral("BitBtn20"));
    expectBoardBack();
    start();
    EXPECT_EQ(page()->currentQuestion(), 0);
    EXPECT_EQ(page()->session()->errorCount(), 0);
    EXPECT_TRUE(control(QStringLiteral("ComboBoxEx1"))->isEnabled());
}

TEST(CommunicationQuizTable, EveryAnswerIsOneOfItsOptions)
{
    for (const QList<Question> *page : {&CommunicationQuiz::firstPage(), &CommunicationQuiz::secondPage()}) {
        ASSERT_EQ(page->size(), 8);
        int choices = 0;
        for (const Question &q : *page) {
            choices += q.isChoice();
            if (q.isChoice())
                EXPECT_TRUE(q.options.contains(q.answer)) << q.text.toStdString();
            else
                EXPECT_TRUE(q.answer == TrueText || q.answer == FalseText) << q.text.toStdString();
        }
        EXPECT_EQ(choices, 4);
    }
    EXPECT_EQ(CommunicationQuiz::secondPage()[7].options,
              QStringList({QStringLiteral("à"), QStringLiteral("cc"), QStringLiteral("cci")}));
}
}
