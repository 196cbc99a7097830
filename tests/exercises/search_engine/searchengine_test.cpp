// The search engine exercise (competence 4.3), played by the pupil robot from the launch.
#include "support/exercisefixture.h"
#include "support/picturechecks.h"

#include "exercises/domain4/search_engine/keywords.h"
#include "exercises/domain4/search_engine/layout.h"
#include "exercises/domain4/search_engine/u23v3b.h"
#include "exercises/domain4/search_engine/u23v3c.h"
#include "exercises/domain4/search_engine/u23v3d.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/choicecombo.h"

#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>

using namespace SearchEngineLayout;
using MessageBox::Kind;

namespace {

const QString Quiz = QStringLiteral("Texercice23v3");
const QString Home = QStringLiteral("Texercice23v3b");
const QString Results = QStringLiteral("Texercice23v3c");
const QString Advanced = QStringLiteral("Texercice23v3d");
const QString AllExcluded = QStringLiteral("religion religions religieux religieuse religieuses");

TEST(SearchKeywords, QueriesAreLowerCasedButNotTrimmed)
{
    EXPECT_TRUE(Keywords::acceptedQuery(QStringLiteral("Bateaux à Voile")));
    EXPECT_TRUE(Keywords::acceptedQuery(QStringLiteral("BATEAU VOILES")));
    for (const char *refused : {"bateaux a voile", "bateaux à voile ", "les bateaux à voile", " bateau voile",
                                "bateaux  voile", ""})
        EXPECT_FALSE(Keywords::acceptedQuery(QString::fromUtf8(refused))) << refused;
}

TEST(SearchKeywords, TheExclusionNeedsEveryWordAsASubstringAndAGoodStart)
{
    // The shorter words lie inside the longer ones.
    EXPECT_TRUE(Keywords::exclusionPasses(QStringLiteral("religions religieux religieuses")));
    EXPECT_TRUE(Keywords::exclusionPasses(QStringLiteral("RELIGIONS,RELIGIEUSES;religieux")));
    EXPECT_FALSE(Keywords::exclusionPasses(QStringLiteral("religion religions religieux religieuse")));
    // A text that begins with the searched words fails; the same words at the end pass.
    EXPECT_FALSE(Keywords::exclusionPasses(QStringLiteral("voile religions religieux religieuses")));
    EXPECT_FALSE(Keywords::exclusionPasses(QStringLiteral("Bateaux religions religieux religieuses")));
    EXPECT_TRUE(Keywords::exclusionPasses(QStringLiteral("religions religieux religieuses voile")));
    EXPECT_FALSE(Keywords::exclusionPasses(QString()));
}

class SearchEngineExercise : public ExerciseFixture
{
protected:
    SearchEngineExercise() : ExerciseFixture(Competence) {}

    QWidget *at(const QString &name)
    {
        QWidget *w = PupilRobot::topWindow(name);
        EXPECT_TRUE(w) << name.toStdString() << " is not showing";
        robot.setWindow(w);
        return w;
    }
    template <typename T = QWidget>
    T *control(const QString &window, const QString &name) const
    {
        QWidget *w = PupilRobot::topWindow(window);
        return w ? w->findChild<T *>(name) : nullptr;
    }
    QString label(const QString &window) const { return labelText(PupilRobot::topWindow(window), QStringLiteral("consigne3")); }

    void choose(const QString &combo, const QString &entry)
    {
        auto *c = control<ChoiceCombo>(Quiz, combo);
        ASSERT_TRUE(c && c->isVisible() && c->isEnabled()) << combo.toStdString();
        const int index = c->findText(entry);
        ASSERT_GE(index, 0);
        c->setCurrentIndex(index);
        emit c->activated(index);
    }
    // The seven answers, all right or all wrong; the boxes they show are expected.
    void answerQuiz(bool right)
    {
        at(Quiz);
        if (!right)
            boxes.expect(Kind::Error, QuizWrong);
        robot.click(QString::fromLatin1(right ? "BitBtn2" : "BitBtn1"));
        choose(QStringLiteral("ComboBoxEx1"), right ? QStringLiteral("Moteur de recherche") : QStringLiteral("Annuaire"));
        choose(QStringLiteral("ComboBoxEx2"), right ? QStringLiteral("Annuaire") : QStringLiteral("Méta-moteur"));
        choose(QStringLiteral("ComboBoxEx3"), right ? QStringLiteral("Méta-moteur") : QStringLiteral("Annuaire"));
        choose(QStringLiteral("ComboBoxEx4"), right ? QStringLiteral("Moteur de recherche") : QStringLiteral("Annuaire"));
        if (!right)
            boxes.expect(Kind::Error, QuizWrong);
        robot.click(QString::fromLatin1(right ? "BitBtn3" : "BitBtn4"));
        boxes.expect(Kind::Information, ToPractice);
        robot.click(QString::fromLatin1(right ? "BitBtn5" : "BitBtn6"));
        ASSERT_TRUE(PupilRobot::topWindow(Home));
        ASSERT_FALSE(PupilRobot::topWindow(Quiz));
    }
    void typeInto(const QString &window, const QString &field, const QString &text)
    {
        auto *e = control<QLineEdit>(window, field);
        ASSERT_TRUE(e);
        e->selectAll();
        robot.type(text, e);
    }
    void search(const QString &query, const char *scope = "RadioButton1")
    {
        at(Home);
        typeInto(Home, QStringLiteral("Edit1"), query);
        robot.click(QString::fromLatin1(scope));
        robot.click(HomeSearch.center());
    }
    void openAdvanced()
    {
        at(Results);
        robot.click(AdvancedLink.center());
        ASSERT_TRUE(PupilRobot::topWindow(Advanced));
    }
    void exclude(const QString &words)
    {
        at(Advanced);
        typeInto(Advanced, QStringLiteral("Edit2"), words);
        robot.click(FormSearch.center());
    }
    void reach(int window)
    {
        launch();
        if (window >= 1)
            answerQuiz(true);
        if (window >= 2)
            search(QStringLiteral("bateaux à voile"));
        if (window >= 3)
            openAdvanced();
    }
};

TEST_F(SearchEngineExercise, PerfectRunRecordsTheCompetence)
{
    launch();
    EXPECT_EQ(label(Quiz), QuizInstruction);
    answerQuiz(true);
    EXPECT_EQ(label(Home), HomeInstruction);
    EXPECT_TRUE(control<QRadioButton>(Home, QStringLiteral("RadioButton2"))->isChecked()) << "Web is chosen at start";
    search(QStringLiteral("Bateaux à Voile"));
    ASSERT_TRUE(PupilRobot::topWindow(Results));
    EXPECT_FALSE(PupilRobot::topWindow(Home));
    EXPECT_EQ(control<QLineEdit>(Results, QStringLiteral("Edit1"))->text(), QStringLiteral("Bateaux à Voile"));
    EXPECT_TRUE(control<QRadioButton>(Results, QStringLiteral("RadioButton1"))->isChecked());
    EXPECT_FALSE(control<QRadioButton>(Results, QStringLiteral("RadioButton1"))->isEnabled());
    openAdvanced();
    EXPECT_EQ(control<QLineEdit>(Advanced, QStringLiteral("Edit1"))->text(), QStringLiteral("Bateaux à Voile"));
    EXPECT_EQ(label(Advanced), AdvancedInstruction);
    boxes.expect(Kind::Information, QStringLiteral("Bravo, Exercice réussi!"));
    exclude(AllExcluded);
    expectBoardBack();
    expectRecorded();
    EXPECT_EQ(boxes.count(), 2);
}

TEST_F(SearchEngineExercise, TheQuizAnswersAtOnceButNeverReachesTheVerdict)
{
    launch();
    at(Quiz);
    EXPECT_FALSE(control(Quiz, QStringLiteral("Memo2"))->isVisible()) << "only the first question at start";
    boxes.expect(Kind::Error, QuizWrong);
    robot.click(QStringLiteral("BitBtn1"));   // "vrai" is wrong
    EXPECT_TRUE(control<QFrame>(Quiz, QStringLiteral("Shape6"))->isVisible());
    EXPECT_TRUE(control<QFrame>(Quiz, QStringLiteral("Shape6"))->styleSheet().contains(QStringLiteral("255,0,0")));
    EXPECT_FALSE(control(Quiz, QStringLiteral("BitBtn2"))->isEnabled());
    EXPECT_TRUE(control(Quiz, QStringLiteral("ComboBoxEx1"))->hasFocus() || !QApplication::activeWindow());
    choose(QStringLiteral("ComboBoxEx1"), QStringLiteral("Annuaire"));   // wrong, silently
    EXPECT_FALSE(control(Quiz, QStringLiteral("ComboBoxEx1"))->isEnabled());
    EXPECT_EQ(errors(), 2);
    EXPECT_EQ(boxes.count(), 1);
    choose(QStringLiteral("ComboBoxEx2"), QStringLiteral("Annuaire"));
    choose(QStringLiteral("ComboBoxEx3"), QStringLiteral("Moteur de recherche"));
    choose(QStringLiteral("ComboBoxEx4"), QStringLiteral("Méta-moteur"));
    robot.click(QStringLiteral("BitBtn3"));
    // Question 7 wrong: counted, no box of its own.
    boxes.expect(Kind::Information, ToPractice);
    robot.click(QStringLiteral("BitBtn6"));
    EXPECT_EQ(boxes.count(), 2);
    EXPECT_EQ(errors(), 0) << "the home page starts the count again";
    search(QStringLiteral("bateau voile"));
    openAdvanced();
    boxes.expect(Kind::Information, QStringLiteral("Bravo, Exercice réussi!"));
    exclude(QStringLiteral("religions religieux religieuses"));
    expectRecorded();
}

TEST_F(SearchEngineExercise, WrongKeywordsShowTheTwoBoxesAndFranceIsRequired)
{
    reach(1);
    // Enter in the search field runs nothing, whatever the scope: only the button searches.
    at(Home);
    typeInto(Home, QStringLiteral("Edit1"), QStringLiteral("bateaux à voile"));
    const int boxesBefore = boxes.count();
    for (const char *scope : {"RadioButton3", "RadioButton1"}) {
        robot.click(QString::fromLatin1(scope));
        robot.key(Qt::Key_Return, Qt::NoModifier, control<QLineEdit>(Home, QStringLiteral("Edit1")));
        EXPECT_EQ(boxes.count(), boxesBefore) << scope;
        EXPECT_EQ(errors(), 0);
        ASSERT_TRUE(PupilRobot::topWindow(Home));
    }
    for (const QString &wrong : {QStringLiteral("bateaux a voile"), QStringLiteral("bateaux à voile "),
                                 QStringLiteral("les bateaux à voile")}) {
        boxes.expect(Kind::Error, WrongKeywords).expect(Kind::Error, KeywordReminder);
        search(wrong);
    }
    EXPECT_EQ(errors(), 3);
    // The keyword boxes come first, whatever the scope.
    boxes.expect(Kind::Error, NotFrance);
    search(QStringLiteral("bateaux à voile"), "RadioButton3");
    EXPECT_EQ(errors(), 4);
    EXPECT_TRUE(PupilRobot::topWindow(Home));
    at(Home);
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(HomeLucky.center());
    search(QStringLiteral("bateaux à voile"));
    EXPECT_TRUE(PupilRobot::topWindow(Results));
    at(Results);
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(QPoint(40, 130));   // the search header, beside the link
    EXPECT_EQ(errors(), 6);
    openAdvanced();
    boxes.expect(Kind::Error, CommonTexts::FailureBox).onNext([this](const MessageBox::Box &) {
        EXPECT_EQ(label(Advanced), QStringLiteral("Il faudra recommencer : 6 erreur(s)"));
    });
    exclude(AllExcluded);
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(SearchEngineExercise, TheAdvancedFormCountsItsWrongRoutesAndExclusions)
{
    reach(3);
    at(Advanced);
    boxes.expect(Kind::Error, AdvancedWrongWay);
    robot.click(AllWordsField.center());   // the keywords are already there
    boxes.expect(Kind::Error, AdvancedWrongWay);
    robot.click(FormSpots[5].rect.center());   // the file format
    boxes.expect(Kind::Error, WrongExclusion);
    exclude(QStringLiteral("religion religions religieux religieuse"));
    boxes.expect(Kind::Error, WrongExclusion);
    exclude(QStringLiteral("voile ") + AllExcluded);
    EXPECT_EQ(errors(), 4);
    EXPECT_TRUE(PupilRobot::topWindow(Advanced)) << "the pupil may correct the field";
    boxes.expect(Kind::Error, CommonTexts::FailureBox);
    exclude(AllExcluded + QStringLiteral(" voile"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(SearchEngineExercise, EveryPageIsDrawnWhereItsControlsLie)
{
    launch();
    ExerciseSession *session = ExerciseSession::current();
    int pictures = 0;
    for (QWidget *w : {static_cast<QWidget *>(new Texercice23v3b(session)),
                       static_cast<QWidget *>(new Texercice23v3c(session, QStringLiteral("bateau voile"))),
                       static_cast<QWidget *>(new Texercice23v3d(session, QStringLiteral("bateau voile")))})
        pictures += checkWindowPictures(w);
    EXPECT_EQ(pictures, 4);
}

class SearchEngineEnding : public SearchEngineExercise, public ::testing::WithParamInterface<std::tuple<int, bool>>
{
protected:
    void TestBody() override {}
};

TEST_P(SearchEngineEnding, BringsTheBoardBackUnchanged)
{
    const auto [window, closeBox] = GetParam();
    const QString names[] = {Quiz, Home, Results, Advanced};
    reach(window);
    ASSERT_TRUE(at(names[window]));
    const int shown = boxes.count();
    if (closeBox)
        robot.closeWindow();
    else
        robot.click(QStringLiteral("BitBtn20"));
    expectBoardBack();
    expectNothingRecorded();
    EXPECT_EQ(boxes.count(), shown);
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, SearchEngineEnding, ::testing::Combine(::testing::Range(0, 4), ::testing::Bool()));

}
