#include "exercises/domain3/spreadsheet_formula/formulasheet.h"
#include "exercises/domain3/spreadsheet_formula/layout.h"
#include "exercises/domain3/spreadsheet_formula/u25.h"
#include "shell/exercise/exercisesession.h"
#include "support/pupilmenus.h"
#include "support/exercisefixture.h"
#include "support/standinboard.h"
#include "widgets/stringgrid.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using FormulaSheet::Target;
namespace L = SpreadsheetFormulaLayout;

TEST(FormulaSheetModel, FormulasAreUpperCasedInAsciiOnlyAndComparedWhole)
{
    EXPECT_TRUE(FormulaSheet::accepts(Target::Average, QStringLiteral("=moyenne(a1:h15)")));
    EXPECT_TRUE(FormulaSheet::accepts(Target::Average, QStringLiteral("=MoYeNnE(A1:h15)")));
    EXPECT_TRUE(FormulaSheet::accepts(Target::Minimum, QStringLiteral("=min(A1:H15)")));
    EXPECT_TRUE(FormulaSheet::accepts(Target::Maximum, QStringLiteral("=max(a1:h15)")));
    for (const char *refused : {"=moyenne(A1:H15) ", "=moyenne( A1:H15)", "=AVERAGE(A1:H15)", "=MIN(A1:H15)",
                                "moyenne(A1:H15)", "=moyenne(A1;H15)", ""})
        EXPECT_FALSE(FormulaSheet::accepts(Target::Average, QString::fromUtf8(refused))) << refused;
    EXPECT_FALSE(FormulaSheet::accepts(Target::Minimum, QStringLiteral("=MAX(A1:H15)")));
    // Only a..z change: accented letters stay as typed.
    EXPECT_EQ(FormulaSheet::upperAscii(QStringLiteral("=moyenné(ä)")), QStringLiteral("=MOYENNé(ä)"));
    EXPECT_EQ(FormulaSheet::targetNamed(QStringLiteral("E 17")), Target::Minimum);
    EXPECT_FALSE(FormulaSheet::targetNamed(QString()));
    EXPECT_FALSE(FormulaSheet::targetAt(1, 17));
    EXPECT_EQ(FormulaSheet::targetAt(8, 17), Target::Maximum);
}

TEST(FormulaSheetModel, NumbersUseTheDecimalCommaWhateverTheLocaleAndTheMeanIsTruncated)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(FormulaSheet::format(12.5), QStringLiteral("12,5"));
    EXPECT_EQ(FormulaSheet::format(40), QStringLiteral("40"));
    EXPECT_EQ(FormulaSheet::format(10.28), QStringLiteral("10,28"));
    EXPECT_DOUBLE_EQ(FormulaSheet::parse(QStringLiteral("37,5")), 37.5);
    QLocale::setDefault(before);
    // 1234.5 / 120 = 10.2875: truncated, not rounded.
    EXPECT_DOUBLE_EQ(FormulaSheet::truncatedMean(1234.5), 10.28);
    // Whole means stay whole despite 1.2 not being exact in binary.
    EXPECT_DOUBLE_EQ(FormulaSheet::truncatedMean(1200), 10.0);
    EXPECT_DOUBLE_EQ(FormulaSheet::truncatedMean(120 * 3), 3.0);
    EXPECT_DOUBLE_EQ(FormulaSheet::truncatedMean(120 * 40), 40.0);
    // Every drawn mark lies between 3 and 40 in steps of one half.
    const FormulaSheet::Marks marks = FormulaSheet::drawMarks();
    for (double m : marks) {
        EXPECT_GE(m, 3.0);
        EXPECT_LE(m, 40.0);
        EXPECT_DOUBLE_EQ(m * 2, std::round(m * 2));
    }
    EXPECT_DOUBLE_EQ(FormulaSheet::markFor(0), 3.0);
    EXPECT_DOUBLE_EQ(FormulaSheet::markFor(74), 40.0);
}

namespace {
class SpreadsheetFormulaExercise : public ExerciseFixture
{
protected:
    SpreadsheetFormulaExercise() : ExerciseFixture(L::Competence) {}

    void start()
    {
        launch();
        window = qobject_cast<Texercice25 *>(PupilRobot::topWindow(QStringLiteral("Texercice25")));
        ASSERT_TRUE(window);
        robot.setWindow(window);
    }
    QPoint cellPoint(int column, int row) const
    {
        return window->t->cellRect(column, row).center() + window->t->pos();
    }
    // 110 marks of 10, nine of 13.5 and one of 13: 1234.5 in all.
    static FormulaSheet::Marks knownMarks()
    {
        FormulaSheet::Marks marks;
        marks.fill(10);
        for (int i = 0; i < 9; ++i)
            marks[20 + i * 11] = 13.5;
        marks[119] = 13;
        return marks;
    }
    void openByMenu(int column, int row)
    {
        robot.click(cellPoint(column, row));
        robot.rightClick(cellPoint(column, row));
        ASSERT_TRUE(window->PopupMenu1->isVisible());
        PupilMenus::chooseInPopup({window->insrerformule1->text()});
    }
    void openByDoubleClick(int column, int row) { robot.doubleClick(cellPoint(column, row)); }
    void typeInBar(const QString &text) { robot.type(text, window->Edit2); }

    Texercice25 *window = nullptr;
};
}

TEST_F(SpreadsheetFormulaExercise, PerfectRunInAnyOrderRecordsAtItsOwnButton)
{
    start();
    EXPECT_TRUE(window->t->hasFocus());
    EXPECT_FALSE(window->Edit2->isEnabled());
    EXPECT_TRUE(window->BitBtn1->isHidden());
    EXPECT_EQ(window->Edit1->text(), QStringLiteral("=moyenne(A1:H15)"));
    EXPECT_EQ(robot.widgetAt(window->exampleFieldRect().center()), window->Edit1);
    window->setMarks(knownMarks());
    EXPECT_EQ(window->t->cell(1, 0), QStringLiteral("    A"));
    EXPECT_EQ(window->t->cell(0, 17), QStringLiteral("    17"));
    EXPECT_EQ(window->t->cell(4, 17), QStringLiteral("min :"));
    EXPECT_EQ(window->t->cell(8, 15), QStringLiteral("13"));

    // The maximum first, typed, through the context menu.
    openByMenu(8, 17);
    EXPECT_EQ(window->Label12->text(), QStringLiteral("H 17"));
    EXPECT_TRUE(window->Edit2->isEnabled());
    EXPECT_TRUE(window->Edit2->hasFocus());
    // The example formula only takes the focus away.
    robot.click(window->exampleFieldRect().center());
    EXPECT_FALSE(window->Edit2->hasFocus());
    EXPECT_EQ(window->Edit1->text(), QStringLiteral("=moyenne(A1:H15)"));
    typeInBar(QStringLiteral("=MAX(A1:H15)"));
    EXPECT_FALSE(window->BitBtn1->isHidden());
    EXPECT_EQ(robot.widgetAt(L::BitBtn1.center()), window->BitBtn1);
    robot.click(L::BitBtn1.center());
    EXPECT_TRUE(window->accepted(Target::Maximum));
    EXPECT_EQ(window->t->cell(8, 17), QStringLiteral("13,5"));
    EXPECT_FALSE(window->Edit2->isEnabled());
    EXPECT_TRUE(window->BitBtn1->isHidden());
    EXPECT_TRUE(window->Label12->text().isEmpty());

    // The average with its range dragged from H15 up to A1, ended by Enter.
    openByDoubleClick(2, 17);
    EXPECT_EQ(window->Label12->text(), QStringLiteral("B 17"));
    typeInBar(QStringLiteral("=moyenne("));
    robot.drag(cellPoint(8, 15), cellPoint(1, 1));
    EXPECT_EQ(window->Edit2->text(), QStringLiteral("=moyenne(A1:H15"));
    EXPECT_TRUE(window->Edit2->hasFocus());
    typeInBar(QStringLiteral(")"));
    robot.key(Qt::Key_Return, Qt::NoModifier, window->Edit2);
    EXPECT_TRUE(window->accepted(Target::Average));
    EXPECT_EQ(window->t->cell(2, 17), QStringLiteral("10,28"));

    // The minimum, lower case.
    openByDoubleClick(5, 17);
    typeInBar(QStringLiteral("=min(a1:h15)"));
    robot.key(Qt::Key_Enter, Qt::NoModifier, window->Edit2);
    EXPECT_EQ(window->t->cell(5, 17), QStringLiteral("10"));

    ASSERT_EQ(window->state(), Texercice25::State::Done);
    EXPECT_FALSE(window->t->isEnabled());
    EXPECT_TRUE(window->abandonButton()->isHidden());
    EXPECT_TRUE(window->Panel1->isHidden());
    EXPECT_EQ(window->Button1->text(), QStringLiteral("Exercice réussi."));
    EXPECT_FALSE(result().acquired) << "recorded only by the window's own button";
    EXPECT_EQ(robot.widgetAt(window->Button1->geometry().center()), window->Button1);
    robot.click(window->Button1);
    expectRecorded();
    expectBoardBack();
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(SpreadsheetFormulaExercise, AWrongFormulaShowsTheErrorForOneSecondAndKeepsTheFlags)
{
    start();
    window->setMarks(knownMarks());
    openByDoubleClick(2, 17);
    typeInBar(QStringLiteral("=moyenne(A1:H15)"));
    robot.key(Qt::Key_Return, Qt::NoModifier, window->Edit2);
    ASSERT_TRUE(window->accepted(Target::Average));

    // Again in the same cell, now wrong: the flag stays.
    openByDoubleClick(2, 17);
    typeInBar(QStringLiteral("=MIN(A1:H15)"));
    QElapsedTimer clock;
    clock.start();
    robot.click(L::BitBtn1.center());
    EXPECT_EQ(window->Edit2->text(), QStringLiteral("ERREUR !!!"));
    EXPECT_EQ(window->Edit2->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(window->state(), Texercice25::State::Pausing);
    // Nothing the pupil does reaches the window during the pause.
    robot.click(L::BitBtn20.center());
    robot.doubleClick(cellPoint(5, 17));
    EXPECT_FALSE(form1->isVisible());
    EXPECT_EQ(window->Label12->text(), QStringLiteral("B 17"));
    QTRY_COMPARE_WITH_TIMEOUT(window->state(), Texercice25::State::Idle, 3000);
    EXPECT_GE(clock.elapsed(), 950);
    EXPECT_NE(window->Edit2->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_TRUE(window->Edit2->text().isEmpty());
    EXPECT_FALSE(window->Edit2->isEnabled());
    EXPECT_TRUE(window->BitBtn1->isHidden());
    EXPECT_TRUE(window->accepted(Target::Average));
    EXPECT_EQ(window->t->cell(2, 17), QStringLiteral("10,28"));

    // An empty bar validated by Enter is a wrong formula too.
    openByDoubleClick(8, 17);
    robot.key(Qt::Key_Return, Qt::NoModifier, window->Edit2);
    EXPECT_EQ(window->Edit2->text(), QStringLiteral("ERREUR !!!"));
    EXPECT_EQ(boxes.count(), 0) << "no box, nothing counted";
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 0);
}

TEST_F(SpreadsheetFormulaExercise, InsertingElsewhereClosesTheBarAndTypingIsImpossible)
{
    start();
    openByDoubleClick(2, 17);
    typeInBar(QStringLiteral("=moy"));
    openByMenu(1, 17);
    EXPECT_FALSE(window->Edit2->isEnabled());
    EXPECT_TRUE(window->Edit2->text().isEmpty());
    EXPECT_TRUE(window->Label12->text().isEmpty());
    EXPECT_TRUE(window->BitBtn1->isHidden());
    robot.click(window->Edit2);
    robot.type(QStringLiteral("=moyenne(A1:H15)"));
    EXPECT_TRUE(window->Edit2->text().isEmpty());
    EXPECT_FALSE(window->accepted(Target::Average));
    // A right click does not move the selection: the menu works on the left-clicked cell.
    robot.click(cellPoint(5, 17));
    robot.rightClick(cellPoint(3, 3));
    PupilMenus::chooseInPopup({window->insrerformule1->text()});
    EXPECT_EQ(window->Label12->text(), QStringLiteral("E 17"));
}

TEST_F(SpreadsheetFormulaExercise, ReferencesFollowTheMouseAfterTheTypedPrefix)
{
    start();
    openByDoubleClick(5, 17);
    typeInBar(QStringLiteral("=min("));
    // A press alone names the pressed cell; a move names the rectangle.
    robot.press(cellPoint(3, 4));
    EXPECT_EQ(window->Edit2->text(), QStringLiteral("=min(C4"));
    robot.moveTo(cellPoint(3, 4));
    EXPECT_EQ(window->Edit2->text(), QStringLiteral("=min(C4:C4"));
    EXPECT_EQ(window->Edit2->selectedText(), QStringLiteral("C4:C4"));
    robot.moveTo(cellPoint(1, 2));
    robot.release(cellPoint(1, 2));
    EXPECT_EQ(window->Edit2->text(), QStringLiteral("=min(A2:C4"));
    EXPECT_EQ(window->Edit2->cursorPosition(), window->Edit2->text().size());
    // A press on a header keeps the selection: its top-left cell is named.
    window->Edit2->setText(QStringLiteral("=min("));
    robot.press(window->t->cellRect(4, 0).center() + window->t->pos());
    robot.release(window->t->cellRect(4, 0).center() + window->t->pos());
    EXPECT_EQ(window->Edit2->text(), QStringLiteral("=min(A2"));
    // The context menu opens on a right press and takes its release: the reference
    // that press began ends there, and the mouse moves freely afterwards.
    window->Edit2->setText(QStringLiteral("=min("));
    robot.rightClick(cellPoint(3, 4));
    ASSERT_TRUE(window->PopupMenu1->isVisible());
    const QString named = window->Edit2->text();
    EXPECT_EQ(named, QStringLiteral("=min(A2"));
    robot.key(Qt::Key_Escape, Qt::NoModifier, window->PopupMenu1);
    ASSERT_FALSE(window->PopupMenu1->isVisible());
    robot.hover(cellPoint(6, 9));
    robot.hover(cellPoint(7, 12));
    EXPECT_EQ(window->Edit2->text(), named);
    // With the bar closed the mouse only selects.
    robot.key(Qt::Key_Return, Qt::NoModifier, window->Edit2);
    QTRY_COMPARE_WITH_TIMEOUT(window->state(), Texercice25::State::Idle, 3000);
    robot.drag(cellPoint(1, 1), cellPoint(2, 2));
    EXPECT_TRUE(window->Edit2->text().isEmpty());
    EXPECT_EQ(window->t->selection(), (StringGrid::Selection{1, 1, 2, 2}));
}

TEST_F(SpreadsheetFormulaExercise, MinimumAndMaximumAreTheExtremesOfTheCells)
{
    start();
    FormulaSheet::Marks marks = knownMarks();
    marks[0] = 3;      // A1, the smallest, tied further on
    marks[77] = 3;
    marks[119] = 40;   // H15, the largest
    window->setMarks(marks);
    for (auto [column, formula] : {std::pair{5, "=min(A1:H15)"}, std::pair{8, "=max(A1:H15)"}}) {
        openByDoubleClick(column, 17);
        typeInBar(QString::fromUtf8(formula));
        robot.key(Qt::Key_Return, Qt::NoModifier, window->Edit2);
    }
    EXPECT_EQ(window->t->cell(5, 17), QStringLiteral("3"));
    EXPECT_EQ(window->t->cell(8, 17), QStringLiteral("40"));
    EXPECT_TRUE(window->t->cell(2, 17).isEmpty());
    EXPECT_NE(window->state(), Texercice25::State::Done);
    // A key released on the grid rewrites it from the marks.
    window->t->setCell(8, 17, QStringLiteral("x"));
    robot.key(Qt::Key_Down, Qt::NoModifier, window->t);
    EXPECT_EQ(window->t->cell(8, 17), QStringLiteral("40"));
}

TEST_F(SpreadsheetFormulaExercise, AbandonAndTheCloseCommandRecordNothing)
{
    for (int way = 0; way < 3; ++way) {
        start();
        if (way == 2) {
            // Done but the success button not pressed: closing still abandons.
            for (int column : {2, 5, 8}) {
                openByDoubleClick(column, 17);
                typeInBar(FormulaSheet::expectedFormula(*FormulaSheet::targetAt(column, 17)));
                robot.key(Qt::Key_Return, Qt::NoModifier, window->Edit2);
            }
            ASSERT_EQ(window->state(), Texercice25::State::Done);
        }
        if (way == 0) {
            EXPECT_EQ(robot.widgetAt(L::BitBtn20.center()), window->abandonButton());
            robot.click(L::BitBtn20.center());
        } else {
            robot.closeWindow();
        }
        expectBoardBack();
        expectNothingRecorded();
        flushDeletes();
    }
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(SpreadsheetFormulaExercise, EachLaunchDrawsNewMarksWithNoFormula)
{
    start();
    openByDoubleClick(2, 17);
    typeInBar(QStringLiteral("=moyenne(A1:H15)"));
    robot.key(Qt::Key_Return, Qt::NoModifier, window->Edit2);
    robot.closeWindow();
    flushDeletes();
    start();
    EXPECT_FALSE(window->accepted(Target::Average));
    EXPECT_TRUE(window->t->cell(2, 17).isEmpty());
    EXPECT_EQ(window->t->cell(1, 1), FormulaSheet::format(window->marks()[0]));
}
