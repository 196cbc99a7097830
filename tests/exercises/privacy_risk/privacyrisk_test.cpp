// The privacy risk exercise (competence 2.2), played by the pupil robot.
#include "support/exercisefixture.h"

#include "exercises/domain2/privacy_risk/layout.h"
#include "exercises/domain2/privacy_risk/u8v3.h"
#include "pictures/pictures.h"
#include "support/standinboard.h"
#include "widgets/disc.h"
#include "widgets/picturebox.h"

using namespace PrivacyRiskLayout;
using MessageBox::Kind;

namespace {

class PrivacyRiskExercise : public ExerciseFixture
{
protected:
    PrivacyRiskExercise() : ExerciseFixture(Competence) {}

    Texercice8v3 *start()
    {
        launch();
        auto *w = qobject_cast<Texercice8v3 *>(PupilRobot::topWindow(QStringLiteral("Texercice8v3")));
        EXPECT_TRUE(w);
        robot.setWindow(w);
        return w;
    }
    void choose(Texercice8v3 *w, Sign sign)
    {
        const QRect r = sign == Danger ? Image3 : Image4;
        EXPECT_EQ(robot.widgetAt(r.center()), sign == Danger ? w->Image3 : w->Image4);
        robot.click(r.center());
    }
    // Answers questions [from, to) right, except the one given.
    void play(Texercice8v3 *w, int from, int to, int wrongQuestion = -1)
    {
        for (int k = from; k < to; ++k) {
            const Sign right = Questions[k].right;
            choose(w, k == wrongQuestion ? (right == Danger ? NoRisk : Danger) : right);
        }
    }
};

}

TEST_F(PrivacyRiskExercise, TenRightSignsRecordTheCompetence)
{
    Texercice8v3 *w = start();
    EXPECT_EQ(w->consigne3->text(), InstructionText);
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(w->Memo1->text(), QStringLiteral("Question %1").arg(k + 1));
        EXPECT_EQ(w->Memo2->text(), Questions[k].situation);
        EXPECT_EQ(w->bon[k]->colour(), QColor(Qt::white));
        play(w, k, k + 1);
        EXPECT_EQ(w->bon[k]->colour(), Disc::rightColour()) << k;
    }
    EXPECT_EQ(w->Memo1->text(), QStringLiteral("Question 10"));
    EXPECT_EQ(boxes.count(), 0) << "no message during the questions";
    bool discsHidden = false, memosHidden = false;
    QString label;
    boxes.expect(Kind::Information, CommonTexts::SuccessBox).onNext([&](const MessageBox::Box &) {
        discsHidden = !w->Shape1->isVisible() && !w->Shape3->isVisible() && w->Image3->isVisible();
        memosHidden = !w->Memo1->isVisible() && !w->Memo2->isVisible() && w->Memo2->text().isEmpty();
        label = w->consigne3->text();
    });
    play(w, 9, 10);
    EXPECT_TRUE(discsHidden);
    EXPECT_TRUE(memosHidden);
    EXPECT_EQ(label, CommonTexts::SuccessLabel);
    expectBoardBack();
    expectRecorded();
}

TEST_F(PrivacyRiskExercise, OneWrongSignFailsWithTheCountInTheBubble)
{
    for (int wrongQuestion : {0, 9}) {
        boxes.clear();
        Texercice8v3 *w = start();
        play(w, 0, 9, wrongQuestion);
        if (wrongQuestion == 0)
            EXPECT_EQ(w->bon[0]->colour(), Disc::wrongColour());
        EXPECT_EQ(boxes.count(), 0) << "a wrong choice shows only as a red circle";
        QString label;
        QColor last;
        boxes.expect(Kind::Error, CommonTexts::FailureBox).onNext([&](const MessageBox::Box &) {
            label = w->consigne3->text();
            last = w->bon[9]->colour();
        });
        play(w, 9, 10, wrongQuestion);
        EXPECT_EQ(label, QStringLiteral("Il faudra recommencer : 1 erreur(s)")) << wrongQuestion;
        EXPECT_EQ(last, wrongQuestion == 9 ? Disc::wrongColour() : Disc::rightColour());
        expectBoardBack();
        expectNothingRecorded();
        flushDeletes();
    }
}

TEST_F(PrivacyRiskExercise, AClickOnADiscBesideItsSignDoesNothing)
{
    Texercice8v3 *w = start();
    for (QPoint beside : {QPoint(Shape1.left() + 20, Shape1.center().y()),
                          QPoint(Shape3.center().x(), Shape3.bottom() - 12)}) {
        EXPECT_FALSE(Image3.contains(beside) || Image4.contains(beside));
        robot.click(beside);
    }
    EXPECT_EQ(w->quiz().current(), 0);
    EXPECT_EQ(w->Memo1->text(), QStringLiteral("Question 1"));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(PrivacyRiskExercise, AbandonAndCloseBringTheBoardBackUnchanged)
{
    for (int way = 0; way < 2; ++way)
        for (int answered : {0, 5}) {
            Texercice8v3 *w = start();
            play(w, 0, answered);
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

TEST_F(PrivacyRiskExercise, EachLaunchStartsAtQuestionOneWithWhiteCircles)
{
    Texercice8v3 *w = start();
    play(w, 0, 4, 1);
    robot.closeWindow();
    flushDeletes();
    w = start();
    EXPECT_EQ(w->Memo1->text(), QStringLiteral("Question 1"));
    for (Disc *circle : w->bon)
        EXPECT_EQ(circle->colour(), QColor(Qt::white));
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 0);
}

TEST(PrivacyRiskPictures, TheSignsAreDrawnOnATransparentGround)
{
    for (const char *name : {"Texercice8v3/Image3", "Texercice8v3/Image4"}) {
        const QImage image = Pictures::render(QString::fromLatin1(name));
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << name << ": the disc must show round the sign";
        EXPECT_GT(image.pixelColor(image.width() / 2, image.height() / 2).alpha(), 0) << name;
    }
}
