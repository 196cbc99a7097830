// The library catalogue exercise (competence 4.1), played by the pupil robot from the launch.
#include "support/exercisefixture.h"
#include "support/picturechecks.h"

#include "exercises/domain4/library_catalogue/layout.h"
#include "exercises/domain4/library_catalogue/u21v3a.h"
#include "shell/competencecatalogue.h"
#include "shell/exercise/exercisesession.h"

#include <QCheckBox>
#include <QLineEdit>

using namespace LibraryCatalogueLayout;
using MessageBox::Kind;

namespace {

const QString Desktop = QStringLiteral("Texercice21v3");
const QString Thematic = QStringLiteral("Texercice21v3a");
const QString Criteria = QStringLiteral("Texercice21v3b");
const QString Thesaurus = QStringLiteral("Texercice21v3c");
const QString Results = QStringLiteral("Texercice21v3d");
const QString Record = QStringLiteral("Texercice21v3e");

class LibraryCatalogueExercise : public ExerciseFixture
{
protected:
    LibraryCatalogueExercise() : ExerciseFixture(Competence) {}

    // The robot aims at the named window, which must be the one the pupil sees.
    QWidget *at(const QString &name)
    {
        QWidget *w = PupilRobot::topWindow(name);
        EXPECT_TRUE(w) << name.toStdString() << " is not showing";
        robot.setWindow(w);
        return w;
    }
    bool showing(const QString &name) const { return PupilRobot::topWindow(name) != nullptr; }
    template <typename T = QWidget>
    T *control(const QString &window, const QString &name) const
    {
        QWidget *w = PupilRobot::topWindow(window);
        return w ? w->findChild<T *>(name) : nullptr;
    }
    QLineEdit *edit(const QString &window) const { return control<QLineEdit>(window, QStringLiteral("Edit1")); }
    void typeInto(const QString &window, const QString &text)
    {
        QLineEdit *e = edit(window);
        ASSERT_TRUE(e && e->isVisible()) << "no field to type in on " << window.toStdString();
        e->selectAll();
        robot.type(text, e);
    }
    QString label(const QString &window) const { return labelText(PupilRobot::topWindow(window), QStringLiteral("Label1")); }
    Texercice21v3a *thematic() const { return qobject_cast<Texercice21v3a *>(PupilRobot::topWindow(Thematic)); }
    void tick(int box)
    {
        at(Thematic);
        QCheckBox *b = thematic()->checkBox(box);
        ASSERT_TRUE(b->isVisible());
        EXPECT_EQ(robot.click(b), b) << "CheckBox" << box << " is covered";
    }

    void startCatalogue()
    {
        launch();
        at(Desktop);
        robot.doubleClick(DesktopIcon.center());
        ASSERT_TRUE(showing(Thematic));
    }
    void findTheRecord(const QString &title = QStringLiteral("Police Python"))
    {
        at(Thematic);
        robot.click(ThematicToCriteria.center());
        at(Criteria);
        typeInto(Criteria, title);
        robot.click(CriteriaSearch.center());
        ASSERT_TRUE(showing(Record));
    }
    void findTheAuthor()
    {
        at(Record);
        boxes.expect(Kind::Information, AuthorFound);
        robot.click(RecordAuthor.center());
        ASSERT_TRUE(showing(Criteria));
        ASSERT_FALSE(showing(Record));
    }
    void searchTransports(const QString &subject = QStringLiteral("transports"))
    {
        at(Criteria);
        robot.click(CriteriaToThematic.center());
        at(Thematic);
        robot.click(RestrictionsButton.center());
        tick(DocumentaryBox);
        tick(BookBox);
        typeInto(Thematic, subject);
        robot.click(ThematicSearch.center());
    }
    void reachResults()
    {
        startCatalogue();
        findTheRecord();
        findTheAuthor();
        searchTransports();
        ASSERT_TRUE(showing(Results));
    }
    void answer(const QString &number)
    {
        at(Results);
        typeInto(Results, number);
        robot.click(QStringLiteral("Button1"));
    }
};

TEST_F(LibraryCatalogueExercise, PerfectRunRecordsTheCompetence)
{
    launch();
    EXPECT_EQ(label(Desktop), DesktopInstruction);
    at(Desktop);
    robot.doubleClick(DesktopIcon.center());
    EXPECT_FALSE(showing(Desktop));
    EXPECT_EQ(label(Thematic), Question1);
    findTheRecord();
    EXPECT_EQ(label(Record), RecordInstruction);
    findTheAuthor();
    // The three tabs, shown or hidden, ask the second question.
    for (QWidget *w : ExerciseSession::current()->windows())
        if (w->objectName() == Thematic || w->objectName() == Criteria || w->objectName() == Thesaurus)
            EXPECT_EQ(labelText(w, QStringLiteral("Label1")), Question2) << w->objectName().toStdString();
    searchTransports();
    EXPECT_EQ(label(Results), Question2);
    boxes.expect(Kind::Information, RightNumber);
    boxes.expect(Kind::Information, QStringLiteral("Bravo, Exercice réussi!"));
    answer(QStringLiteral("17"));
    expectBoardBack();
    expectRecorded();
    EXPECT_EQ(boxes.count(), 3) << "a perfect run shows no other box";
}

TEST_F(LibraryCatalogueExercise, TheSixWindowsAreCreatedAtLaunchInTheCataloguesOrder)
{
    launch();
    QStringList created;
    for (QWidget *w : ExerciseSession::current()->windows())
        created << w->objectName();
    EXPECT_EQ(created, CompetenceCatalogue::row(Competence).windows);
    EXPECT_EQ(PupilRobot::topWindow(), PupilRobot::topWindow(Desktop)) << "only the desktop shows";
}

TEST_F(LibraryCatalogueExercise, OnlyADoubleClickOnTheIconStartsTheCatalogue)
{
    launch();
    at(Desktop);
    robot.click(DesktopIcon.center());
    EXPECT_TRUE(showing(Desktop));
    EXPECT_FALSE(showing(Thematic));
    robot.click(QPoint(400, 400));   // the wallpaper does nothing either
    EXPECT_EQ(boxes.count(), 0);
    robot.doubleClick(DesktopIcon.center());
    EXPECT_TRUE(showing(Thematic));
    EXPECT_EQ(errors(), 0);
}

TEST_F(LibraryCatalogueExercise, TheTitleIsComparedInLowerCaseWithoutTrimming)
{
    startCatalogue();
    at(Thematic);
    robot.click(ThematicToCriteria.center());
    for (const QString &wrong : {QStringLiteral("le Police Python"), QStringLiteral("Police Python "),
                                 QStringLiteral("Police")}) {
        boxes.expect(Kind::Error, WrongSearch);
        typeInto(Criteria, wrong);
        at(Criteria);
        robot.click(CriteriaSearch.center());
        EXPECT_FALSE(showing(Record)) << wrong.toStdString();
    }
    EXPECT_EQ(errors(), 3);
    robot.click(CriteriaClear.center());
    EXPECT_TRUE(edit(Criteria)->text().isEmpty()) << "the clear button empties the title";
    typeInto(Criteria, QStringLiteral("POLICE PYTHON"));
    robot.click(CriteriaSearch.center());
    EXPECT_TRUE(showing(Record));
    at(Record);
    boxes.expect(Kind::Error, NotTheAuthor);
    robot.click(QPoint(600, 300));
    EXPECT_EQ(errors(), 4);
    EXPECT_TRUE(showing(Record));
}

TEST_F(LibraryCatalogueExercise, EachQuestionHasItsMethod)
{
    startCatalogue();
    at(Thematic);
    // Question 1: a thematic search is refused, the form around it is a wrong route.
    boxes.expect(Kind::Error, WrongSearch);
    robot.click(ThematicSearch.center());
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(QPoint(ThematicForm.left() + 5, ThematicForm.bottom() - 5));
    EXPECT_FALSE(control(Thematic, QStringLiteral("zs10"))->isVisible()) << "no restrictions before question 2";
    // The thesaurus suits neither question.
    robot.click(ThematicToThesaurus.center());
    at(Thesaurus);
    boxes.expect(Kind::Error, WrongMethod);
    robot.click(ThesaurusVisit.center());
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(ThesaurusBroaden.center());
    EXPECT_EQ(errors(), 4);
    robot.click(ThesaurusToCriteria.center());
    at(Criteria);
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(QRect(QPoint(CriteriaFieldLeft, CriteriaFieldTops[0]), CriteriaFieldSize).center());   // author field
    typeInto(Criteria, QStringLiteral("police python"));
    robot.click(CriteriaSearch.center());
    findTheAuthor();
    // Question 2: the whole criteria form is the wrong method, the title field is gone.
    at(Criteria);
    EXPECT_FALSE(edit(Criteria)->isVisible());
    for (const QPoint p : {CriteriaSearch.center(), TitleField.center(), CriteriaWords.center()}) {
        boxes.expect(Kind::Error, WrongMethod);
        robot.click(p);
    }
    robot.click(CriteriaToThesaurus.center());
    at(Thesaurus);
    EXPECT_EQ(label(Thesaurus), Question2);
    boxes.expect(Kind::Error, WrongMethod);
    robot.click(ThesaurusVisit.center());
    EXPECT_EQ(errors(), 9);
}

TEST_F(LibraryCatalogueExercise, TheRestrictionsMustBeExactlyDocumentaryBooks)
{
    startCatalogue();
    findTheRecord();
    findTheAuthor();
    at(Criteria);
    robot.click(CriteriaToThematic.center());
    at(Thematic);
    // Without the panel nothing is ticked: refused.
    typeInto(Thematic, QStringLiteral("transports"));
    boxes.expect(Kind::Error, WrongSearch);
    robot.click(ThematicSearch.center());
    robot.click(RestrictionsButton.center());
    EXPECT_TRUE(control(Thematic, QStringLiteral("Image2"))->isVisible());
    tick(DocumentaryBox);
    tick(BookBox);
    tick(13);   // DVD-ROM as well
    boxes.expect(Kind::Error, WrongSearch);
    robot.click(ThematicSearch.center());
    EXPECT_FALSE(showing(Results));
    // The ticks survive a visit to another tab; the typed subject does not.
    robot.click(ThematicToThesaurus.center());
    EXPECT_FALSE(thematic());
    at(Thesaurus);
    typeInto(Thesaurus, QStringLiteral("transport"));
    robot.click(ThesaurusToThematic.center());
    at(Thematic);
    EXPECT_TRUE(edit(Thematic)->text().isEmpty());
    EXPECT_FALSE(thematic()->checkBox(BookBox)->isVisible()) << "the panel folds when the tab is left";
    robot.click(RestrictionsButton.center());
    EXPECT_TRUE(thematic()->checkBox(13)->isChecked());
    EXPECT_TRUE(thematic()->checkBox(BookBox)->isChecked());
    tick(13);
    for (const QString &wrong : {QStringLiteral("les transports"), QStringLiteral("transports ")}) {
        typeInto(Thematic, wrong);
        boxes.expect(Kind::Error, WrongSearch);
        robot.click(ThematicSearch.center());
    }
    EXPECT_EQ(errors(), 4);
    typeInto(Thematic, QStringLiteral("Transport"));
    robot.click(ThematicSearch.center());
    EXPECT_TRUE(showing(Results));
}

TEST_F(LibraryCatalogueExercise, TheNumberIsExactAndAnyErrorFailsTheExercise)
{
    reachResults();
    EXPECT_EQ(errors(), 0);
    boxes.expect(Kind::Error, WrongNumber);
    answer(QStringLiteral("17 "));
    boxes.expect(Kind::Error, WrongNumber);
    answer(QStringLiteral("15"));
    EXPECT_TRUE(showing(Results)) << "the pupil may try again";
    boxes.expect(Kind::Information, RightNumber);
    boxes.expect(Kind::Error, CommonTexts::FailureBox).onNext([this](const MessageBox::Box &) {
        EXPECT_EQ(label(Results), QStringLiteral("Il faudra recommencer : 2 erreur(s)"));
    });
    answer(QStringLiteral("17"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(LibraryCatalogueExercise, OneWrongRouteAnywhereEndsInFailure)
{
    startCatalogue();
    at(Thematic);
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(ThematicSubTabs.center());
    findTheRecord();
    findTheAuthor();
    searchTransports(QStringLiteral("TRANSPORTS"));
    boxes.expect(Kind::Information, RightNumber);
    boxes.expect(Kind::Error, CommonTexts::FailureBox);
    answer(QStringLiteral("17"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(LibraryCatalogueExercise, EveryScreenIsDrawnWhereItsControlsLie)
{
    launch();
    int pictures = 0;
    for (QWidget *w : ExerciseSession::current()->windows())
        pictures += checkWindowPictures(w);
    EXPECT_EQ(pictures, 8) << "six screenshots, the restrictions panel and the record";
}

// Abandon and Alt+F4 on each of the six windows end the exercise and close every window.
class LibraryCatalogueEnding : public LibraryCatalogueExercise, public ::testing::WithParamInterface<std::tuple<int, bool>>
{
protected:
    void TestBody() override {}
};

TEST_P(LibraryCatalogueEnding, BringsTheBoardBackUnchanged)
{
    const auto [stage, closeBox] = GetParam();
    const QString windows[] = {Desktop, Thematic, Criteria, Thesaurus, Record, Results};
    launch();
    if (stage >= 1)
        robot.setWindow(PupilRobot::topWindow(Desktop)), robot.doubleClick(DesktopIcon.center());
    if (stage == 2 || stage == 4)
        at(Thematic), robot.click(ThematicToCriteria.center());
    if (stage == 3)
        at(Thematic), robot.click(ThematicToThesaurus.center());
    if (stage == 4)
        at(Criteria), typeInto(Criteria, QStringLiteral("police python")), robot.click(CriteriaSearch.center());
    if (stage == 5) {
        findTheRecord();
        findTheAuthor();
        searchTransports();
    }
    QWidget *w = at(windows[stage]);
    ASSERT_TRUE(w);
    QPointer<ExerciseSession> session = ExerciseSession::current();
    if (closeBox)
        robot.closeWindow();
    else
        robot.click(QStringLiteral("BitBtn20"));
    expectBoardBack();
    expectNothingRecorded();
    EXPECT_TRUE(!session || session->isEnding());
    for (const QString &name : windows)
        EXPECT_FALSE(showing(name)) << name.toStdString();
    EXPECT_EQ(boxes.count(), stage == 5 ? 1 : 0) << "only the author's box on the way";
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, LibraryCatalogueEnding,
                         ::testing::Combine(::testing::Range(0, 6), ::testing::Bool()));

}
