#include "dialogs/uproprieteimprimantecanonv3.h"
#include "exercises/domain1/default_printer/layout.h"
#include "exercises/domain1/default_printer/u6v3.h"
#include "exercises/domain1/default_printer/u6v3b.h"
#include "pictures/printing.h"
#include "shell/exercise/exercisesession.h"
#include "support/exercisefixture.h"
#include "widgets/choicecombo.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

using MessageBox::Kind;
namespace L = DefaultPrinterLayout;
namespace W1 = DefaultPrinterLayout::Window1;
namespace W2 = DefaultPrinterLayout::Window2;

namespace {
const QString Wrong = QStringLiteral("Fausse route ! Lisez bien...");

bool focusOn(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitFor([window] { return QGuiApplication::focusWindow() == window->windowHandle(); });
}

class DefaultPrinterExercise : public ExerciseFixture
{
protected:
    DefaultPrinterExercise() : ExerciseFixture(L::Competence) {}

    void start()
    {
        launch();
        first = qobject_cast<Texercice6v3 *>(PupilRobot::topWindow(QStringLiteral("Texercice6v3")));
        ASSERT_TRUE(first);
        robot.setWindow(first);
    }
    // Through the first window to the second.
    void toSecondWindow()
    {
        robot.click(W1::zs3.center());
        robot.click(W1::zs5.center());
        robot.rightClick(W1::zs7.center());
        robot.click(W1::zs9.center());
        QApplication::processEvents();
        second = qobject_cast<Texercice6v3b *>(PupilRobot::topWindow(QStringLiteral("Texercice6v3b")));
        ASSERT_TRUE(second);
        robot.setWindow(second);
    }
    Tproprieteimprimantecanonv3 *openProperties()
    {
        robot.rightClick(W2::zs2.center());
        robot.click(W2::zs4.center());
        Tproprieteimprimantecanonv3 *dialog = second->propertiesDialog();
        EXPECT_TRUE(dialog && focusOn(dialog));
        return dialog;
    }
    static void setRight(Tproprieteimprimantecanonv3 *dialog)
    {
        PupilRobot pupil(dialog);
        dialog->ComboBox1->setFocus();
        for (int i = 0; i < 3; ++i)
            pupil.key(Qt::Key_Down, Qt::NoModifier, dialog->ComboBox1);
        for (QAbstractButton *b : QList<QAbstractButton *>{dialog->RadioButton1, dialog->RadioButton4, dialog->CheckBox2})
            pupil.click(b->mapTo(dialog, QPoint(7, b->height() / 2)));
    }

    QPointer<Texercice6v3> first;
    QPointer<Texercice6v3b> second;
};
}

TEST_F(DefaultPrinterExercise, ThePerfectRunRecordsTheCompetence)
{
    start();
    EXPECT_EQ(first->size(), W1::ClientSize);
    EXPECT_EQ(first->Label1->text().toStdString(), "Définis l'imprimante Canon ip4200 comme imprimante par défaut");
    robot.click(W1::zs3.center());
    EXPECT_EQ(first->step(), Texercice6v3::StartMenu);
    EXPECT_TRUE(first->Image2->isVisible());
    EXPECT_FALSE(first->zs3->isVisible());
    robot.click(W1::zs5.center());
    EXPECT_FALSE(first->Image2->isVisible());
    EXPECT_TRUE(first->Image3->isVisible());
    EXPECT_TRUE(first->Image4->isVisible());
    robot.rightClick(W1::zs7.center());
    EXPECT_TRUE(first->Image5->isVisible());
    robot.click(W1::zs9.center());
    QApplication::processEvents();
    second = qobject_cast<Texercice6v3b *>(PupilRobot::topWindow(QStringLiteral("Texercice6v3b")));
    ASSERT_TRUE(second);
    robot.setWindow(second);
    EXPECT_EQ(second->size(), W2::ClientSize);
    EXPECT_EQ(second->Label1->text().toStdString(), "Modifie les paramètres par défaut de l'imprimante Canon iP4200");
    EXPECT_EQ(second->Label2->text().toStdString(),
              "Haute qualité d'impression couleur sur papier photo mat en mode paysage ");
    const QFont secondLine = second->Label2->font();
    EXPECT_EQ(secondLine.family(), QStringLiteral("Arial"));
    EXPECT_EQ(secondLine.pixelSize(), 13);
    EXPECT_FALSE(secondLine.bold());
    EXPECT_FALSE(first && first->isVisible());

    Tproprieteimprimantecanonv3 *dialog = openProperties();
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(second->Image4->isVisible()) << "the context menu goes when the dialog opens";
    setRight(dialog);
    boxes.expect(Kind::Information, QStringLiteral("Bravo exercice réussi !"));
    PupilRobot(dialog).click(dialog->Button3);
    expectBoardBack();
    expectRecorded();
}

TEST_F(DefaultPrinterExercise, TwoWrongClicksStillPassAThirdAnywhereFails)
{
    for (int errors : {2, 3}) {
        start();
        boxes.expect(Kind::Error, Wrong);
        robot.click(W1::zs1.center());                 // the desktop icons
        robot.click(W1::zs3.center());
        boxes.expect(Kind::Error, Wrong);
        robot.click(QPoint(40, 400));                  // the start menu, off its printers entry
        robot.click(W1::zs5.center());
        robot.rightClick(W1::zs7.center());
        robot.click(W1::zs9.center());
        QApplication::processEvents();
        second = qobject_cast<Texercice6v3b *>(PupilRobot::topWindow(QStringLiteral("Texercice6v3b")));
        ASSERT_TRUE(second);
        robot.setWindow(second);
        Tproprieteimprimantecanonv3 *dialog = openProperties();
        ASSERT_TRUE(dialog);
        if (errors == 3) {
            boxes.expect(Kind::Error, Wrong);
            PupilRobot(dialog).click(dialog->Button4);   // "Annuler" counts
        }
        setRight(dialog);
        if (errors == 2)
            boxes.expect(Kind::Information, QStringLiteral("Bravo exercice réussi !"));
        else
            boxes.expect(Kind::Information, QStringLiteral("Exercice non maîtrisé !"));
        PupilRobot(dialog).click(dialog->Button3);
        expectBoardBack();
        if (errors == 2)
            expectRecorded();
        else
            EXPECT_EQ(login().acquiredCount, 1) << "the failure records nothing more";
    }
}

TEST_F(DefaultPrinterExercise, TheGesturesAreTheDocumentedOnes)
{
    start();
    // A double click on the start button acts once.
    robot.doubleClick(W1::zs3.center());
    EXPECT_EQ(first->step(), Texercice6v3::StartMenu);
    robot.click(W1::zs5.center());
    // A left click on the printer icon does nothing, only the right-click opens its menu.
    robot.click(W1::zs7.center());
    EXPECT_EQ(first->step(), Texercice6v3::PrintersFolder);
    robot.rightClick(W1::zs7.center());
    EXPECT_EQ(first->step(), Texercice6v3::PrinterMenu);
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 0);
}

TEST_F(DefaultPrinterExercise, LeavingThePropertiesDialogCountsNothingAndTheMenuOpensAgain)
{
    start();
    toSecondWindow();
    QPointer<Tproprieteimprimantecanonv3> dialog = openProperties();
    ASSERT_TRUE(dialog);
    // The pupil clicks the printers window: the dialog closes, nothing is counted.
    robot.press(W2::zs1.center() + QPoint(200, 0));
    ASSERT_TRUE(focusOn(second));
    QApplication::processEvents();
    robot.release(W2::zs1.center() + QPoint(200, 0));
    QApplication::processEvents();
    EXPECT_TRUE(!dialog || !dialog->isVisible());
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 0);
    // A later click there is wrong again, and the menu opens again.
    boxes.expect(Kind::Error, Wrong);
    robot.click(W2::zs1.center() + QPoint(200, 0));
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 1);
    dialog = openProperties();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->ComboBox1->currentText().toStdString(), "Papier ordinaire") << "a fresh dialog";
}

TEST_F(DefaultPrinterExercise, APressThatClosedTheDialogWithoutAClickLeavesTheNextWrongClickCounted)
{
    start();
    toSecondWindow();
    for (Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
        SCOPED_TRACE(button);
        QPointer<Tproprieteimprimantecanonv3> dialog = openProperties();
        ASSERT_TRUE(dialog);
        // A right press, or a left press released off the window's picture: no click.
        const QPoint from = W2::zs1.center() + QPoint(200, 0);
        robot.press(from, button);
        ASSERT_TRUE(focusOn(second));
        QApplication::processEvents();
        robot.release(button == Qt::LeftButton ? W2::zs1.topLeft() - QPoint(4, 4) : from, button);
        QApplication::processEvents();
        EXPECT_TRUE(!dialog || !dialog->isVisible());
        const int before = ExerciseSession::current()->errorCount();
        // The pupil's next wrong click, on the printer's menu, counts.
        robot.rightClick(W2::zs2.center());
        boxes.expect(Kind::Error, Wrong);
        robot.click(W2::zs3.center());
        EXPECT_EQ(ExerciseSession::current()->errorCount(), before + 1);
    }
}

TEST_F(DefaultPrinterExercise, AbandonAndAltF4ComeBackUnchangedFromEachWindow)
{
    // 0, 1: first window; 2, 3: second window; 4: with the dialog open.
    for (int way = 0; way < 5; ++way) {
        start();
        QPointer<QWidget> dialog;
        QWidget *window = first.data();
        if (way >= 2) {
            toSecondWindow();
            window = second.data();
        }
        if (way == 4)
            dialog = openProperties();
        if (way % 2 == 0)
            robot.click(static_cast<ExerciseScreen *>(window)->abandonButton());
        else
            robot.closeWindow();
        flushDeletes();
        expectBoardBack();
        expectNothingRecorded();
        EXPECT_FALSE(dialog) << way;
    }
}

TEST_F(DefaultPrinterExercise, TheTickMovesToTheCanonIP4200AndLiesOnItsIcon)
{
    using Printing::PrintersFolder::icon;
    // In the folder's own coordinates, the first window's tick is on the network
    // printer and the second window's on the Canon iP4200, at the same corner.
    const QRect before = W1::Image4.translated(-W1::Image3.topLeft());
    const QRect after = W2::Image3.translated(-W2::Image2.topLeft());
    EXPECT_TRUE(icon(L::NetworkCanon).intersects(before));
    EXPECT_TRUE(icon(L::CanonIP4200).intersects(after));
    EXPECT_EQ(before.topLeft() - icon(L::NetworkCanon).topLeft(), after.topLeft() - icon(L::CanonIP4200).topLeft());
    // The icon hot spots frame the Canon iP4200's tile in both windows.
    EXPECT_EQ(W1::zs7.translated(-W1::Image3.topLeft()), Printing::PrintersFolder::tile(L::CanonIP4200));
    EXPECT_EQ(W2::zs2.translated(-W2::Image2.topLeft()), Printing::PrintersFolder::tile(L::CanonIP4200));
    start();
    toSecondWindow();
    EXPECT_TRUE(second->Image3->isVisible());
}
