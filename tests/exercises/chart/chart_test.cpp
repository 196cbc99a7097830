#include "exercises/domain3/chart/layout.h"
#include "exercises/domain3/chart/u18v3.h"
#include "shell/exercise/exercisesession.h"
#include "support/pupilmenus.h"
#include "support/exercisefixture.h"
#include "support/standinboard.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"
#include "widgets/stringgrid.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

using MessageBox::Kind;
namespace L = ChartLayout;

namespace {
class ChartExercise : public ExerciseFixture
{
protected:
    ChartExercise() : ExerciseFixture(L::Competence) {}

    void start()
    {
        launch();
        window = qobject_cast<Texercice18v3 *>(PupilRobot::topWindow(QStringLiteral("Texercice18v3")));
        ASSERT_TRUE(window);
        robot.setWindow(window);
    }
    // A point of the client area (below the menu bar) in window coordinates.
    QPoint at(const QRect &clientRect) const { return window->client()->mapTo(window, clientRect.center()); }
    QPoint cell(int column, int row) const
    {
        return window->StringGrid1->mapTo(window, window->StringGrid1->cellRect(column, row).center());
    }
    // Clicks the first cell and types each text followed by Enter, going down.
    void typeColumn(int column, int row, const QStringList &texts)
    {
        robot.click(cell(column, row));
        for (const QString &text : texts) {
            // The first key on the sheet moves the typing to the input line.
            robot.type(text.left(1), window->StringGrid1);
            EXPECT_TRUE(window->Edit1->hasFocus());
            robot.type(text.mid(1));
            robot.key(Qt::Key_Return, Qt::NoModifier, window->Edit1);
        }
    }
    void typeTable(int top = L::TableTop, bool swapped = false)
    {
        const QStringList words{QStringLiteral("Souris"), QStringLiteral("clavier"), QStringLiteral("TOUR"),
                                QStringLiteral("Moniteur")};
        typeColumn(swapped ? 2 : 1, top, words);
        typeColumn(swapped ? 1 : 2, top, L::Quantities);
    }
    void chooseMenu(int id) { PupilMenus::choose(window, window->menuAction(id)); }
    void tick(QCheckBox *box)
    {
        EXPECT_EQ(robot.widgetAt(box->mapTo(window, QPoint(8, box->height() / 2))), box);
        robot.click(box->mapTo(window, QPoint(8, box->height() / 2)));
    }
    void retype(QLineEdit *field, const QString &text)
    {
        robot.click(field->mapTo(window, field->rect().center()));
        field->selectAll();
        robot.type(text, field);
    }
    void throughPageOne()
    {
        typeTable();
        robot.drag(cell(1, 5), cell(2, 8));
        robot.click(at(L::zs3));
        tick(window->CheckBox2);
        robot.click(at(L::inPage(L::NextButton)));
        ASSERT_TRUE(window->Image6->isVisible());
    }
    void rightTitles()
    {
        tick(window->CheckBox3);
        retype(window->Edit4, QStringLiteral("Inventaire Informatique"));
        tick(window->CheckBox5);
        retype(window->Edit5, QStringLiteral("Composant"));
        tick(window->CheckBox6);
        retype(window->Edit6, QStringLiteral("QUANTITÉ"));
        tick(window->CheckBox8);
    }

    Texercice18v3 *window = nullptr;
};
}

TEST_F(ChartExercise, PerfectRunRecordsTheCompetence)
{
    start();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("inventaire informtique.ods - Tableur"));
    EXPECT_EQ(window->StringGrid1->cell(1, 0), QStringLiteral("A"));
    EXPECT_EQ(window->StringGrid1->cell(12, 0), QStringLiteral("L"));
    EXPECT_EQ(window->StringGrid1->cell(0, 40), QStringLiteral("40"));
    EXPECT_EQ(window->consigne3->text(), QStringLiteral("Tu dois réaliser le graphique ci-contre"));
    typeTable();
    EXPECT_EQ(window->StringGrid1->cell(1, 5), QStringLiteral("Souris"));
    EXPECT_EQ(window->StringGrid1->cell(2, 8), QStringLiteral("3"));
    // Selecting a cell shows its text in the input line.
    robot.click(cell(1, 7));
    EXPECT_EQ(window->Edit1->text(), QStringLiteral("TOUR"));
    robot.drag(cell(1, 5), cell(2, 8));
    EXPECT_EQ(window->Edit2->text(), QStringLiteral("A5:B8"));
    EXPECT_EQ(window->Edit3->text(), QStringLiteral("A5:B8"));

    chooseMenu(Texercice18v3::Diagram);
    ASSERT_TRUE(window->Image4->isVisible());
    EXPECT_EQ(window->StringGrid1->width(), 312);
    EXPECT_TRUE(window->Image5->isVisible());
    EXPECT_FALSE(window->zs3->isEnabled());
    for (QAction *title : window->menuBar()->actions())
        EXPECT_FALSE(title->isEnabled()) << title->text().toStdString();
    tick(window->CheckBox2);
    EXPECT_EQ(robot.widgetAt(at(L::inPage(L::NextButton))), window->zs2);
    robot.click(at(L::inPage(L::NextButton)));
    EXPECT_FALSE(window->StringGrid1->isEnabled());
    EXPECT_FALSE(window->Edit1->isEnabled());
    EXPECT_FALSE(window->Image4->isVisible());
    ASSERT_TRUE(window->Image6->isVisible());

    EXPECT_EQ(robot.widgetAt(at(L::inPage(L::typeZone(L::ColumnType)))), window->typeZones.at(L::ColumnType));
    robot.click(at(L::inPage(L::typeZone(L::ColumnType))));
    ASSERT_TRUE(window->Image7->isVisible());
    EXPECT_FALSE(window->Image6->isVisible());
    EXPECT_TRUE(window->Edit4->isVisible());
    EXPECT_FALSE(window->Edit4->isEnabled());
    EXPECT_EQ(window->Edit4->text(), QStringLiteral("Titre principal"));
    EXPECT_EQ(window->Edit5->text(), QStringLiteral("Titre de l'axe X"));
    rightTitles();
    bool finishedDuringBox = false;
    boxes.expect(Kind::Information, QStringLiteral("Bravo, Exercice réussi!")).onNext([&](const MessageBox::Box &) {
        finishedDuringBox = window->Image8->isVisible() && window->Label1->isHidden() && window->Image7->isHidden();
    });
    robot.click(at(L::inPage(L::CreateButton)));
    EXPECT_TRUE(finishedDuringBox);
    expectRecorded();
    expectBoardBack();
}

TEST_F(ChartExercise, TheDataCheckReportsASwapFreeAndAMisplacedTableAsAnError)
{
    start();
    typeTable(L::TableTop, true);
    boxes.expect(Kind::Error, QStringLiteral("Les données dans les colonnes A et B sont inversées !"));
    robot.click(at(L::zs3));
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 0);
    EXPECT_FALSE(window->Image4->isVisible());
    // Typed again in the right columns: the wizard opens with nothing counted.
    typeTable();
    robot.click(at(L::zs3));
    EXPECT_TRUE(window->Image4->isVisible());
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 0);
}

TEST_F(ChartExercise, ATableOneRowLowerOrATrailingSpaceFailsTheCheck)
{
    start();
    typeTable(L::TableTop + 1);
    boxes.expect(Kind::Error, QStringLiteral("Les données saisies ne sont pas bonnes ou mal placées !"));
    robot.click(at(L::zs3));
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 1);
    // Only the eight cells count: typed in place, the table is right whatever row 9 holds.
    typeTable();
    EXPECT_TRUE(window->tableMatches(false));
    robot.click(cell(1, 5));
    robot.click(window->Edit1->mapTo(window, window->Edit1->rect().center()));
    robot.type(QStringLiteral(" "), window->Edit1);
    EXPECT_EQ(window->StringGrid1->cell(1, 5), QStringLiteral("Souris "));
    EXPECT_FALSE(window->tableMatches(false));
}

TEST_F(ChartExercise, MenusCostAnErrorBeforeTheWizardAndNothingAfter)
{
    start();
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    chooseMenu(Texercice18v3::Print);
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 1);
    chooseMenu(Texercice18v3::Paste);   // inert
    EXPECT_EQ(boxes.count(), 1);
    typeTable();
    chooseMenu(Texercice18v3::Diagram);
    EXPECT_TRUE(window->Image4->isVisible());
    // The menus are closed to the pupil now: a title opens nothing.
    QMenuBar *bar = window->menuBar();
    robot.click(bar->mapTo(window, bar->actionGeometry(bar->actions().constFirst()).center()));
    EXPECT_FALSE(QApplication::activePopupWidget());
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 1);
}

TEST_F(ChartExercise, EachWizardMistakeCountsAndTheEndFails)
{
    start();
    typeTable();
    robot.click(at(L::zs3));
    // Page 1: the range, typed, then the boxes.
    boxes.expect(Kind::Error, QStringLiteral("La plage de cellules n'est pas la bonne!"));
    robot.click(at(L::inPage(L::NextButton)));
    retype(window->Edit3, QStringLiteral("a5:B8"));
    boxes.expect(Kind::Error, QStringLiteral("Erreur dans les cases à cocher!"));
    robot.click(at(L::inPage(L::NextButton)));
    tick(window->CheckBox1);
    tick(window->CheckBox2);
    boxes.expect(Kind::Error, QStringLiteral("Erreur dans les cases à cocher!"));
    robot.click(at(L::inPage(L::NextButton)));
    tick(window->CheckBox1);
    robot.click(at(L::inPage(L::NextButton)));
    // Page 2: next before a type, then a wrong type for each of the seven others.
    boxes.expect(Kind::Error, QStringLiteral("Sélectionne d'abord le type de graphique!"));
    robot.click(at(L::inPage(L::NextButton)));
    for (int i = 0; i < 8; ++i)
        if (i != L::ColumnType) {
            boxes.expect(Kind::Error, QStringLiteral("Ce n'est pas le bon type de graphique!"));
            robot.click(at(L::inPage(L::typeZone(i))));
        }
    robot.click(at(L::inPage(L::typeZone(L::ColumnType))));
    // Page 3: a final full stop, then a legend.
    rightTitles();
    retype(window->Edit4, QStringLiteral("Inventaire informatique."));
    boxes.expect(Kind::Error, QStringLiteral("Vérifie les titres !"));
    robot.click(at(L::inPage(L::CreateButton)));
    retype(window->Edit4, QStringLiteral("inventaire informatique"));
    tick(window->CheckBox4);
    boxes.expect(Kind::Error, QStringLiteral("Vérifie les cases à cocher !"));
    robot.click(at(L::inPage(L::CreateButton)));
    tick(window->CheckBox4);
    // Unticking a title box closes its field again.
    tick(window->CheckBox5);
    EXPECT_FALSE(window->Edit5->isEnabled());
    tick(window->CheckBox5);
    EXPECT_TRUE(window->Edit5->isEnabled());
    QString labelDuringBox;
    boxes.expect(Kind::Error, QStringLiteral("Exercice non maîtrisé !"))
        .onNext([&](const MessageBox::Box &) { labelDuringBox = window->consigne3->text(); });
    robot.click(at(L::inPage(L::CreateButton)));
    EXPECT_EQ(labelDuringBox, QStringLiteral("Il faudra recommencer : 13 erreur(s)"));
    expectNothingRecorded();
    expectBoardBack();
}

TEST_F(ChartExercise, AbandonAndTheCloseBoxInEveryStateRecordNothing)
{
    for (int state = 0; state < 3; ++state)
        for (int way = 0; way < 2; ++way) {
            start();
            if (state >= 1)
                throughPageOne();
            if (state == 2)
                robot.click(at(L::inPage(L::typeZone(L::ColumnType))));
            if (way == 0) {
                EXPECT_EQ(robot.widgetAt(at(L::BitBtn20))->objectName(), QStringLiteral("BitBtn20"));
                robot.click(at(L::BitBtn20));
            } else {
                robot.closeWindow();
            }
            expectBoardBack();
            expectNothingRecorded();
            flushDeletes();
        }
    EXPECT_EQ(boxes.count(), 0);
}
