#include "dialogs/uimpressionapercuv3.h"
#include "dialogs/uimpressionv3.h"
#include "exercises/domain1/print_settings/layout.h"
#include "exercises/domain1/print_settings/u5v3.h"
#include "shell/exercise/exercisesession.h"
#include "support/pupilmenus.h"
#include "support/exercisefixture.h"
#include "widgets/choicecombo.h"
#include "widgets/hotspot.h"
#include "widgets/richoffsets.h"
#include "widgets/spinedit.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>

using MessageBox::Kind;
namespace L = PrintSettingsLayout;

namespace {
const QString Wrong = QStringLiteral("Fausse route ! Lisez bien...");

bool focusOn(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitFor([window] { return QGuiApplication::focusWindow() == window->windowHandle(); });
}

class PrintSettingsExercise : public ExerciseFixture
{
protected:
    PrintSettingsExercise() : ExerciseFixture(L::Competence) {}

    void start()
    {
        launch();
        window = qobject_cast<Texercice5v3 *>(PupilRobot::topWindow(QStringLiteral("Texercice5v3")));
        ASSERT_TRUE(window);
        robot.setWindow(window);
    }
    QPoint at(const QRect &clientRect) const { return window->client()->mapTo(window, clientRect.center()); }
    // Where the caret sits at a document position, in window coordinates.
    QPoint textPoint(int position) const
    {
        QTextCursor c(window->RichEdit1->document());
        c.setPosition(position);
        const QRect r = window->RichEdit1->cursorRect(c);
        return window->RichEdit1->viewport()->mapTo(window, QPoint(r.left(), r.center().y()));
    }
    int blockStart(int line) const { return window->RichEdit1->document()->findBlockByNumber(line).position(); }
    int blockEnd(int line) const
    {
        const QTextBlock b = window->RichEdit1->document()->findBlockByNumber(line);
        return b.position() + b.length() - 1;
    }
    // The pupil drags over the text from the start of one line to a position.
    void dragSelect(int fromLine, int toPosition) { robot.drag(textPoint(blockStart(fromLine)), textPoint(toPosition)); }
    void selectSecondStanza() { dragSelect(7, blockEnd(10)); }

    void chooseMenu(int id)
    {
        PupilMenus::choose(window, window->menuAction(id));
        QApplication::processEvents();
    }
    Timpressionv3 *openByToolBar()
    {
        robot.click(at(L::zs2));
        Timpressionv3 *dialog = window->printDialog();
        EXPECT_TRUE(dialog && focusOn(dialog));
        return dialog;
    }
    void rightSettings(Timpressionv3 *dialog)
    {
        PupilRobot pupil(dialog);
        dialog->ComboBox1->setFocus();
        pupil.key(Qt::Key_Down, Qt::NoModifier, dialog->ComboBox1);
        pupil.click(dialog->Edit2->upButton());
        pupil.click(dialog->RadioButton4->mapTo(dialog, QPoint(7, dialog->RadioButton4->height() / 2)));
    }
    Timpressionapercuv3 *preview(Timpressionv3 *dialog)
    {
        PupilRobot(dialog).click(dialog->Button5);
        QApplication::processEvents();
        return window->findChild<Timpressionapercuv3 *>();
    }

    Texercice5v3 *window = nullptr;
};
}

TEST_F(PrintSettingsExercise, ThePerfectRunRecordsTheCompetence)
{
    start();
    EXPECT_EQ(window->windowTitle().toStdString(), "exercice5v3");
    EXPECT_EQ(window->client()->size(), L::ClientSize);
    EXPECT_EQ(window->Label1->text().toStdString(),
              "Imprime en couleur le 2ème paragraphe de ce texte (en 2 exemplaires)");
    EXPECT_EQ(window->Label2->text().toStdString(), "En faisant un aperçu au préalable");
    EXPECT_FALSE(window->Label2->font().bold()) << "the second line is regular";
    EXPECT_TRUE(window->Label1->font().bold());
    ASSERT_EQ(window->RichEdit1->document()->blockCount(), 21);
    EXPECT_EQ(window->RichEdit1->document()->findBlockByNumber(20).text().toStdString(), "Lucien Marvaux");
    EXPECT_EQ(window->RichEdit1->document()->findBlockByNumber(7).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);

    selectSecondStanza();
    EXPECT_EQ(window->selectionLength(), 184);
    chooseMenu(Texercice5v3::Apercu);
    Timpressionv3 *dialog = window->printDialog();
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(focusOn(dialog));
    rightSettings(dialog);
    Timpressionapercuv3 *page = preview(dialog);
    ASSERT_TRUE(page);
    boxes.expect(Kind::Information, QStringLiteral("Bravo exercice réussi !")).onNext([&](const MessageBox::Box &) {
        EXPECT_EQ(window->Label1->text().toStdString(), "Bravo, exercice réussi !");
        EXPECT_TRUE(window->Label2->text().isEmpty());
    });
    PupilRobot(page).click(page->Button1);
    expectBoardBack();
    expectRecorded();
}

TEST_F(PrintSettingsExercise, TheWholeTextAsAtTheStartFailsOnItsLength)
{
    start();
    EXPECT_EQ(window->selectionLength(), RichOffsets::storedLength(window->RichEdit1->document()));
    Timpressionv3 *dialog = openByToolBar();
    ASSERT_TRUE(dialog);
    rightSettings(dialog);
    boxes.expect(Kind::Error, Wrong);
    EXPECT_FALSE(preview(dialog));
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 1);
}

TEST_F(PrintSettingsExercise, TheStanzaWithTheBreaksThatFollowItPassesOneLetterMoreDoesNot)
{
    start();
    struct Case
    {
        int to;   // document position the drag ends at
        int stored;
        bool passes;
    };
    const int end = blockEnd(10);
    for (const Case &c : {Case{end, 184, true}, Case{end + 1, 186, true}, Case{end + 2, 188, true},
                          Case{end + 3, 189, true}, Case{end + 4, 190, false}, Case{end - 1, 183, false}}) {
        dragSelect(7, c.to);
        EXPECT_EQ(window->selectionLength(), c.stored) << c.to - end;
        Timpressionv3 *dialog = openByToolBar();
        ASSERT_TRUE(dialog);
        rightSettings(dialog);
        EXPECT_EQ(dialog->settingsRight(), c.passes) << c.stored;
        PupilRobot(dialog).click(dialog->Button4);   // "Annuler"
        QApplication::processEvents();
    }
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(PrintSettingsExercise, TypingInTheTextCountsMovingTheSelectionDoesNot)
{
    start();
    const QString before = window->RichEdit1->toPlainText();
    dragSelect(7, blockStart(7) + 3);
    window->RichEdit1->setFocus();
    robot.key(Qt::Key_Right, Qt::ShiftModifier, window->RichEdit1);
    robot.key(Qt::Key_Down, Qt::ShiftModifier, window->RichEdit1);
    robot.key(Qt::Key_End, Qt::ShiftModifier, window->RichEdit1);
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_GT(window->selectionLength(), 4);
    boxes.expect(Kind::Error, Wrong);
    robot.key(Qt::Key_C, Qt::ControlModifier, window->RichEdit1);
    boxes.expect(Kind::Error, Wrong);
    robot.type(QStringLiteral("x"), window->RichEdit1);
    boxes.expect(Kind::Error, Wrong);
    robot.key(Qt::Key_Backspace, Qt::NoModifier, window->RichEdit1);
    boxes.expect(Kind::Error, Wrong);
    robot.key(Qt::Key_Return, Qt::NoModifier, window->RichEdit1);
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 4);
    EXPECT_EQ(window->RichEdit1->toPlainText(), before) << "the text is protected";
}

TEST_F(PrintSettingsExercise, EveryOtherFileEntryAndTheToolBarAreWrongWays)
{
    start();
    for (int id : {Texercice5v3::Nouveau, Texercice5v3::Ouvrir, Texercice5v3::Fermer, Texercice5v3::Enregistrer,
                   Texercice5v3::Imprimer, Texercice5v3::Quitter}) {
        boxes.expect(Kind::Error, Wrong);
        chooseMenu(id);
    }
    boxes.expect(Kind::Error, Wrong);
    robot.click(at(L::zs1) + QPoint(300, 0));   // a tool bar button off the preview
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 7);
    EXPECT_FALSE(window->printDialog());
    // The other titles open nothing and count nothing.
    QMenuBar *bar = window->menuBar();
    for (int i = 1; i < bar->actions().size(); ++i)
        EXPECT_TRUE(bar->actions().at(i)->menu()->actions().isEmpty());
    EXPECT_EQ(window->menuBar()->actions().size(), 5);
}

TEST_F(PrintSettingsExercise, ThreeErrorsBeforeAPerfectPreviewFailButTwoPass)
{
    for (int errors : {2, 3}) {
        start();
        Timpressionv3 *dialog = openByToolBar();
        ASSERT_TRUE(dialog);
        for (int i = 0; i < errors; ++i) {
            boxes.expect(Kind::Error, Wrong);
            PupilRobot(dialog).click(dialog->Button3);   // "OK" is always wrong
        }
        PupilRobot(dialog).click(dialog->Button4);
        QApplication::processEvents();
        selectSecondStanza();
        dialog = openByToolBar();
        ASSERT_TRUE(dialog);
        rightSettings(dialog);
        Timpressionapercuv3 *page = preview(dialog);
        ASSERT_TRUE(page);
        if (errors <= 2) {
            boxes.expect(Kind::Information, QStringLiteral("Bravo exercice réussi !"));
        } else {
            boxes.expect(Kind::Error, QStringLiteral("Exercice non maîtrisé !")).onNext([&](const MessageBox::Box &) {
                EXPECT_EQ(window->Label1->text().toStdString(), "Il faudra recommencer : 3 erreur(s)");
            });
        }
        PupilRobot(page).click(page->Button1);
        expectBoardBack();
        if (errors <= 2)
            expectRecorded();
        else
            EXPECT_EQ(login().acquiredCount, 1) << "the failure records nothing more";
    }
}

TEST_F(PrintSettingsExercise, AbandonTheCloseBoxAndAltF4ComeBackUnchangedFromEveryWindow)
{
    // 0: Abandon; 1: the close box (the system's close command); 2: with the print
    // dialog open; 3: with the preview open.
    for (int way = 0; way < 4; ++way) {
        start();
        QPointer<QWidget> extra;
        if (way >= 2) {
            selectSecondStanza();
            Timpressionv3 *dialog = openByToolBar();
            ASSERT_TRUE(dialog);
            extra = dialog;
            if (way == 3) {
                rightSettings(dialog);
                extra = preview(dialog);
                ASSERT_TRUE(extra);
            }
        }
        if (way == 0)
            robot.click(window->abandonButton());
        else
            robot.closeWindow();
        flushDeletes();
        expectBoardBack();
        expectNothingRecorded();
        EXPECT_FALSE(extra) << way;
    }
}

TEST_F(PrintSettingsExercise, TheToolBarPictureDrawsThePreviewButtonUnderItsHotSpot)
{
    EXPECT_EQ(L::previewButtonInPicture(), L::inPicture(L::zs2));
    start();
    EXPECT_EQ(robot.widgetAt(at(L::zs2)), window->zs2);
}

TEST_F(PrintSettingsExercise, ClickingTheWindowClosesThePrintDialogWithoutCounting)
{
    start();
    QPointer<Timpressionv3> dialog = openByToolBar();
    ASSERT_TRUE(dialog);
    // The press on the tool bars brings the pupil back: the dialog goes, uncounted.
    const QPoint toolBar = at(L::zs1) + QPoint(300, 0);
    robot.press(toolBar);
    ASSERT_TRUE(focusOn(window));
    QApplication::processEvents();
    robot.release(toolBar);
    QApplication::processEvents();
    EXPECT_TRUE(!dialog || !dialog->isVisible());
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 0);
    // Reopened, it starts from its first settings.
    dialog = openByToolBar();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->RadioButton1->isChecked());
    EXPECT_EQ(dialog->Edit2->text(), QStringLiteral("1"));
}
