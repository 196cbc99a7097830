// The result-selection exercise (competence 4.5), played by the pupil robot from the launch.
#include "support/exercisefixture.h"
#include "support/picturechecks.h"

#include "exercises/domain4/search_results/layout.h"
#include "exercises/domain4/search_results/u25v3b.h"
#include "exercises/domain4/search_results/u25v3c.h"
#include "exercises/domain4/search_results/u25v3d.h"
#include "shell/exercise/exercisesession.h"

#include <QFrame>
#include <QLineEdit>

using namespace SearchResultsLayout;
using MessageBox::Kind;

namespace {

const QString Search = QStringLiteral("Texercice25v3");
const QString Sort = QStringLiteral("Texercice25v3b");
const QString Gallery = QStringLiteral("Texercice25v3c");
const QString Download = QStringLiteral("Texercice25v3d");

class SearchResultsExercise : public ExerciseFixture
{
protected:
    SearchResultsExercise() : ExerciseFixture(Competence) {}

    QWidget *at(const QString &name)
    {
        QWidget *w = PupilRobot::topWindow(name);
        EXPECT_TRUE(w) << name.toStdString() << " is not showing";
        robot.setWindow(w);
        return w;
    }
    QString label(const QString &window) const { return labelText(PupilRobot::topWindow(window), QStringLiteral("consigne3")); }
    Texercice25v3b *sorting() const { return qobject_cast<Texercice25v3b *>(PupilRobot::topWindow(Sort)); }
    QWidget *child(const QString &window, const QString &name) const
    {
        QWidget *w = PupilRobot::topWindow(window);
        return w ? w->findChild<QWidget *>(name) : nullptr;
    }
    bool frameShown(int target) const
    {
        QWidget *f = child(Sort, QString::fromLatin1(Targets[target].frameName));
        return f && f->isVisible();
    }

    void search(const QString &word)
    {
        at(Search);
        auto *edit = PupilRobot::topWindow(Search)->findChild<QLineEdit *>(QStringLiteral("Edit1"));
        ASSERT_TRUE(edit);
        edit->selectAll();
        robot.type(word, edit);
        robot.click(SearchButton.center());
    }
    // Drags a picture (a snippet or a target) onto a target, as the pupil does.
    void drop(const QRect &from, int target)
    {
        at(Sort);
        robot.drag(from.center(), Targets[target].rect.center());
    }
    int targetOf(Subject s) const
    {
        for (int t = 0; t < 3; ++t)
            if (Targets[t].subject == s)
                return t;
        return -1;
    }
    void sortAll(const QList<int> &order = {0, 1, 2, 3, 4, 5})
    {
        for (int i : order)
            drop(Snippets[i].rect, targetOf(Snippets[i].subject));
    }
    void reach(int window)
    {
        launch();
        if (window >= 1)
            search(QStringLiteral("police"));
        if (window >= 2)
            sortAll();
        if (window >= 3) {
            at(Gallery);
            robot.click(QRect(QPoint(Photos[RightPhoto].left, Photos[RightPhoto].top), PhotoSpot).center());
        }
    }
};

TEST_F(SearchResultsExercise, PerfectRunRecordsTheCompetence)
{
    launch();
    EXPECT_EQ(label(Search), SearchInstruction);
    search(QStringLiteral("POLICE"));   // capitals are accepted
    ASSERT_TRUE(PupilRobot::topWindow(Sort));
    EXPECT_FALSE(PupilRobot::topWindow(Search));
    EXPECT_EQ(label(Sort), QStringLiteral("Déplace les 6 sites proposés \nsur l'une des 3 images \n (en fonction du sujet du site)"));
    sortAll({5, 2, 0, 4, 1, 3});   // any order
    ASSERT_TRUE(PupilRobot::topWindow(Gallery));
    EXPECT_EQ(label(Gallery), GalleryInstruction);
    at(Gallery);
    robot.click(QRect(QPoint(Photos[RightPhoto].left, Photos[RightPhoto].top), PhotoSpot).center());
    ASSERT_TRUE(PupilRobot::topWindow(Download));
    EXPECT_EQ(label(Download), DownloadInstruction);
    at(Download);
    boxes.expect(Kind::Information, CommonTexts::SuccessBox).onNext([this](const MessageBox::Box &) {
        EXPECT_EQ(label(Download), CommonTexts::SuccessLabel);
    });
    robot.click(LighterDownload.center());
    expectBoardBack();
    expectRecorded();
    EXPECT_EQ(boxes.count(), 1);
}

TEST_F(SearchResultsExercise, AWrongKeywordIsShownButNeverCounted)
{
    launch();
    for (const QString &word : {QStringLiteral("policier"), QStringLiteral("police "), QString()}) {
        boxes.expect(Kind::Error, WrongKeyword);
        search(word);
    }
    EXPECT_EQ(errors(), 0);
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(SearchScopes.center());
    EXPECT_EQ(errors(), 1);
    EXPECT_TRUE(PupilRobot::topWindow(Search));
}

TEST_F(SearchResultsExercise, ResultsGoOnlyToTheirPicture)
{
    reach(1);
    const QRect typeface = Snippets[2].rect;
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    drop(typeface, 0);   // the typefaces result on the police car
    EXPECT_EQ(errors(), 1);
    EXPECT_TRUE(child(Sort, QStringLiteral("Image7"))->isVisible()) << "a refused result stays in place";
    drop(typeface, targetOf(Subject::Typeface));
    EXPECT_FALSE(child(Sort, QStringLiteral("Image7"))->isVisible());
    EXPECT_EQ(sorting()->sortedCount(), 1);
    // A target dragged onto itself, and onto another target.
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    drop(Targets[0].rect.adjusted(10, 10, -10, -10), 0);
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    drop(Targets[2].rect, 1);
    EXPECT_EQ(errors(), 3);
    // Dropped beside every target: nothing happens.
    at(Sort);
    robot.drag(Snippets[0].rect.center(), QPoint(650, 200));
    robot.drag(Snippets[0].rect.center(), Targets[0].frame.topLeft() + QPoint(2, 2));   // on the frame only
    EXPECT_EQ(errors(), 3);
    EXPECT_TRUE(child(Sort, QStringLiteral("Image5"))->isVisible());
    EXPECT_EQ(sorting()->sortedCount(), 1);
}

TEST_F(SearchResultsExercise, TheFramesFollowTheDragAndTheMouse)
{
    reach(1);
    at(Sort);
    for (int t = 0; t < 3; ++t)
        EXPECT_FALSE(frameShown(t));
    robot.press(Snippets[0].rect.center());
    robot.moveTo(Targets[2].rect.center());
    EXPECT_TRUE(frameShown(2));
    robot.moveTo(Targets[0].rect.center());
    EXPECT_TRUE(frameShown(0));
    EXPECT_FALSE(frameShown(2)) << "only the target under the drag is framed";
    robot.moveTo(Targets[0].frame.topLeft() + QPoint(2, 2));
    for (int t = 0; t < 3; ++t)
        EXPECT_FALSE(frameShown(t)) << "the frame itself hides every frame";
    robot.moveTo(Targets[0].rect.center());
    robot.release(Targets[0].rect.center());
    EXPECT_FALSE(frameShown(0)) << "a drop hides its frame";
    // Resting on the typefaces frames them; moving away hides the frame.
    robot.hover(Targets[TypefaceTarget].rect.center());
    EXPECT_TRUE(frameShown(TypefaceTarget));
    robot.hover(QPoint(300, 180));
    EXPECT_FALSE(frameShown(TypefaceTarget));
}

TEST_F(SearchResultsExercise, TheGalleryWantsTheMostPixels)
{
    reach(2);
    at(Gallery);
    EXPECT_EQ(child(Gallery, QStringLiteral("zs6"))->toolTip(), QStringLiteral("Taille : 72 Ko\nRésolution : 2200 * 150"));
    // The widest picture and the heaviest file are both wrong.
    for (const char *wrong : {"zs6", "zs8"}) {
        boxes.expect(Kind::Error, CommonTexts::WrongWay);
        robot.click(QString::fromLatin1(wrong));
    }
    EXPECT_EQ(errors(), 2);
    robot.click(QStringLiteral("zs5"));
    at(Download);
    boxes.expect(Kind::Error, CompareSizes);
    robot.click(HeavierDownload.center());
    boxes.expect(Kind::Error, CommonTexts::FailureBox).onNext([this](const MessageBox::Box &) {
        EXPECT_EQ(label(Download), QStringLiteral("Il faudra recommencer : 3 erreur(s)"));
    });
    robot.click(LighterDownload.center());
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(SearchResultsExercise, OneWrongDropEndsInFailureAtTheDownload)
{
    reach(1);
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    drop(Snippets[5].rect, 0);   // the band on the police car
    sortAll();
    at(Gallery);
    robot.click(QStringLiteral("zs5"));
    at(Download);
    boxes.expect(Kind::Error, CommonTexts::FailureBox).onNext([this](const MessageBox::Box &) {
        EXPECT_EQ(label(Download), QStringLiteral("Il faudra recommencer : 1 erreur(s)"));
    });
    robot.click(LighterDownload.center());
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(SearchResultsExercise, EveryPageIsDrawnWhereItsControlsLie)
{
    launch();
    ExerciseSession *session = ExerciseSession::current();
    int pictures = checkWindowPictures(PupilRobot::topWindow(Search));
    for (QWidget *w : {static_cast<QWidget *>(new Texercice25v3b(session)), static_cast<QWidget *>(new Texercice25v3c(session)),
                       static_cast<QWidget *>(new Texercice25v3d(session))})
        pictures += checkWindowPictures(w);
    EXPECT_EQ(pictures, 13) << "four pages, six results and three targets";
}

class SearchResultsEnding : public SearchResultsExercise, public ::testing::WithParamInterface<std::tuple<int, bool>>
{
protected:
    void TestBody() override {}
};

TEST_P(SearchResultsEnding, BringsTheBoardBackUnchanged)
{
    const auto [window, closeBox] = GetParam();
    const QString names[] = {Search, Sort, Gallery, Download};
    reach(window);
    ASSERT_TRUE(at(names[window]));
    if (closeBox)
        robot.closeWindow();
    else
        robot.click(QStringLiteral("BitBtn20"));
    expectBoardBack();
    expectNothingRecorded();
    EXPECT_EQ(boxes.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, SearchResultsEnding, ::testing::Combine(::testing::Range(0, 4), ::testing::Bool()));

}
