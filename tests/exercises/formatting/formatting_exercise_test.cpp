#include "support/pupilmenus.h"
#include "support/wordprocessorboard.h"
#include "exercises/domain3/formatting/document.h"
#include "exercises/domain3/formatting/fontdialog.h"
#include "exercises/domain3/formatting/layout.h"
#include "exercises/domain3/formatting/u14v3.h"
#include "exercises/domain3/formatting/u14v3b.h"
#include "shell/exercise/exercisesession.h"
#include "support/scriptedmessages.h"
#include "widgets/hotspot.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextFrame>
#include <QToolButton>

namespace {
const QString ReadAgain = QStringLiteral("Relis bien la consigne !");
const QStringList PageNumber{QStringLiteral("Insertion"), QStringLiteral("Champ"), QStringLiteral("Numéro page")};
const QStringList PageCount{QStringLiteral("Insertion"), QStringLiteral("Champ"), QStringLiteral("Nombre de pages")};

struct FormattingRun : Board
{
    FormattingRun()
    {
        first = qobject_cast<Texercice14v3 *>(launch(14, QStringLiteral("Texercice14v3")));
        robot.setWindow(first);
    }

    // Step 1 as a pupil does it: select page 1, copy, click into page 2, paste.
    void copyPage1()
    {
        robot.click(first->Editor);
        robot.key(Qt::Key_A, Qt::ControlModifier, first->Editor);
        robot.click(first->CopyButton);
        robot.click(first->editor2);
        robot.click(first->PasteButton);
    }

    // Selects source line 'line' (0-based, a short one) of page 2: the caret at its
    // start, as a click there puts it, then Shift+End.
    void selectLine(int line)
    {
        QTextEdit *page = first->Editor;
        page->setTextCursor(QTextCursor(page->document()->findBlockByNumber(line)));
        robot.key(Qt::Key_End, Qt::ShiftModifier, page);
    }

    // The font dialog opened from the context menu of page 2.
    FontDialog *openFontDialog()
    {
        robot.rightClick(robot.centreOf(first->Editor));
        PupilMenus::chooseInPopup({QStringLiteral("changer police")});
        QApplication::processEvents();
        EXPECT_TRUE(first->polices());
        return first->polices();
    }
    static void choose(FontDialog *dialog, QListWidget *list, const QString &row)
    {
        const auto found = list->findItems(row, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << row.toStdString();
        const QRect r = list->visualItemRect(found.first());
        PupilRobot(dialog).click(list->viewport()->mapTo(dialog, r.center()));
    }
    void setFont(const QString &family, const QString &size, const QString &colour = QString())
    {
        FontDialog *dialog = openFontDialog();
        ASSERT_TRUE(dialog);
        choose(dialog, dialog->FamilyList, family);
        choose(dialog, dialog->SizeList, size);
        if (!colour.isEmpty())
            dialog->ColourBox->setCurrentIndex(dialog->ColourBox->findText(colour));
        PupilRobot(dialog).click(dialog->OkButton);
        QApplication::processEvents();
    }

    // Step 2 as a pupil does it with the font dialog and the tool buttons.
    void formatPage2(const QString &titleFamily = QStringLiteral("Times New Roman"))
    {
        robot.click(first->Editor);
        robot.key(Qt::Key_A, Qt::ControlModifier, first->Editor);
        setFont(QStringLiteral("Times New Roman"), QStringLiteral("12"));
        selectLine(0);
        setFont(titleFamily, QStringLiteral("12"), QStringLiteral("Rouge"));
        robot.click(first->BoldButton);
        robot.click(first->CenterAlign);
        selectLine(4);
        robot.click(first->UnderlineButton);
        selectLine(5);
        robot.click(first->ItalicButton);
        robot.click(first->RightAlign);
    }

    // Step 3: "page ", page number, " sur ", page count, centre, OK.
    Texercice14v3b *second()
    {
        auto *window = qobject_cast<Texercice14v3b *>(PupilRobot::topWindow(QStringLiteral("Texercice14v3b")));
        if (window)
            robot.setWindow(window);
        return window;
    }
    void buildFooter(Texercice14v3b *window)
    {
        PupilMenus::choose(robot.window(), {QStringLiteral("Insertion"), QStringLiteral("Piedpage")});
        robot.type(QStringLiteral("page "), window->piedpage1);
        PupilMenus::choose(robot.window(), PageNumber);
        robot.type(QStringLiteral(" sur "), window->piedpage1);
        PupilMenus::choose(robot.window(), PageCount);
        robot.click(FormattingLayout::zs1.center() + window->client()->pos());   // client pixels under the menu bar
    }

    QPointer<Texercice14v3> first;
    PupilRobot robot;
};
}

TEST(FormattingExercise, APerfectRunRecordsTheCompetence)
{
    FormattingRun run;
    ASSERT_TRUE(run.first);
    EXPECT_FALSE(run.form1.isVisible());
    EXPECT_EQ(run.first->Label1->text().toStdString(),
              "Copiez le texte de la page1 dans la page2, puis appuyer sur \"OK\"");
    EXPECT_EQ(run.first->Editor->toPlainText(), FormattingDocument::sourceLines().join(QLatin1Char('\n')));
    EXPECT_FALSE(run.first->miEditFont->isEnabled());

    run.copyPage1();
    EXPECT_EQ(run.first->editor2->toPlainText(), run.first->Editor->toPlainText()) << "copied through the clipboard";
    run.robot.click(run.first->Button1);
    EXPECT_EQ(run.first->step(), Texercice14v3::Step::Format);
    EXPECT_EQ(run.first->Label1->text().toStdString(),
              "Maintenant, mets le texte en forme dans la\npage2(caractères : times new roman 12)");
    EXPECT_EQ(run.first->Editor->geometry(), FormattingLayout::RightPage);
    EXPECT_EQ(run.first->editor2->geometry(), FormattingLayout::LeftPage);
    EXPECT_TRUE(run.first->editor2->isReadOnly());
    EXPECT_TRUE(run.first->Button2->isVisible());
    EXPECT_FALSE(run.first->Button1->isVisible());
    EXPECT_TRUE(run.first->miEditFont->isEnabled());
    EXPECT_EQ(run.first->Editor->document()->defaultFont().family().toStdString(), "Arial");

    run.formatPage2();
    EXPECT_EQ(FormattingDocument::passedRanges(run.first->Editor), 4);
    run.robot.click(run.first->Button2);
    QApplication::processEvents();
    EXPECT_FALSE(run.first) << "the first window closes itself";
    Texercice14v3b *second = run.second();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->editor2->geometry(), FormattingLayout::LeftPage);
    EXPECT_TRUE(second->Editor->isReadOnly());
    EXPECT_FALSE(second->zs1->isVisible());

    run.buildFooter(second);
    EXPECT_EQ(second->piedpage1->text().toStdString(), "page 1 sur 2");
    EXPECT_EQ(second->piedpage2->text().toStdString(), "page 2 sur 2");
    EXPECT_EQ(second->piedpage2->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    ScriptedMessages boxes;
    boxes.expect(MessageBox::Kind::Information, QStringLiteral("Bravo exercice réussi !"))
        .onNext([&](const MessageBox::Box &) {
            EXPECT_EQ(second->Label1->text().toStdString(), "Bravo, exercice réussi !");
        });
    run.robot.click(second->Button3);
    QApplication::processEvents();
    run.expectRecorded(14);
    EXPECT_EQ(openExerciseWindows(), 0);
}

TEST(FormattingExercise, AFailedCopyReloadsPage1AndTheRunEndsInFailure)
{
    FormattingRun run;
    ScriptedMessages boxes;
    run.first->Editor->selectAll();
    run.robot.key(Qt::Key_Delete, Qt::NoModifier, run.first->Editor);
    EXPECT_TRUE(run.first->Editor->toPlainText().isEmpty());
    run.robot.type(QStringLiteral("titre en gras"), run.first->editor2);
    boxes.expect(MessageBox::Kind::Error, ReadAgain);
    run.robot.click(run.first->Button1);
    EXPECT_EQ(run.first->step(), Texercice14v3::Step::Copy);
    EXPECT_EQ(run.first->Editor->toPlainText(), FormattingDocument::sourceLines().join(QLatin1Char('\n')))
        << "page 1 is reloaded when the box closes";
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 1);

    run.first->editor2->clear();
    run.copyPage1();
    run.robot.click(run.first->Button1);
    run.formatPage2();
    run.robot.click(run.first->Button2);
    QApplication::processEvents();
    Texercice14v3b *second = run.second();
    ASSERT_TRUE(second);
    run.buildFooter(second);
    boxes.expect(MessageBox::Kind::Error, QStringLiteral("Exercice non maîtrisé !")).onNext([&](const MessageBox::Box &) {
        EXPECT_EQ(second->Label1->text().toStdString(), "Il faudra recommencer : 1 erreur(s)");
    });
    run.robot.click(second->Button3);
    QApplication::processEvents();
    run.expectUnchanged(14);
    EXPECT_EQ(openExerciseWindows(), 0);
}

TEST(FormattingExercise, AFailedFormatCheckCountsSilentlyAndReportsTheRangesLeft)
{
    FormattingRun run;
    ScriptedMessages boxes;
    run.copyPage1();
    run.robot.click(run.first->Button1);
    run.formatPage2(QStringLiteral("Arial"));
    run.robot.click(run.first->Button2);
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(run.first->Label1->text().toStdString(), "Il reste 1 erreur(s).");
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 1);
    EXPECT_EQ(run.first->Editor->textCursor().selectedText().toStdString(), "Texte à droite en italique");
    EXPECT_EQ(run.first->step(), Texercice14v3::Step::Format);

    // Corrected, the rest of the run is perfect, and still the competence is not acquired.
    run.selectLine(0);
    run.setFont(QStringLiteral("Times New Roman"), QStringLiteral("12"), QStringLiteral("Rouge"));
    run.robot.click(run.first->Button2);
    QApplication::processEvents();
    Texercice14v3b *second = run.second();
    ASSERT_TRUE(second);
    run.buildFooter(second);
    boxes.expect(MessageBox::Kind::Error, QStringLiteral("Exercice non maîtrisé !")).onNext([&](const MessageBox::Box &) {
        EXPECT_EQ(second->Label1->text().toStdString(), "Il faudra recommencer : 1 erreur(s)");
    });
    run.robot.click(second->Button3);
    QApplication::processEvents();
    run.expectUnchanged(14);
}

TEST(FormattingExercise, TheFontDialogClosingKeepsThePupilsFormatting)
{
    FormattingRun run;
    run.copyPage1();
    run.robot.click(run.first->Button1);
    run.selectLine(0);
    run.robot.click(run.first->BoldButton);
    FontDialog *dialog = run.openFontDialog();
    ASSERT_TRUE(dialog);
    PupilRobot(dialog).click(dialog->CancelButton);
    QApplication::processEvents();
    run.first->activateWindow();
    QApplication::processEvents();
    QTextCursor title(run.first->Editor->document());
    title.setPosition(3);
    EXPECT_EQ(title.charFormat().fontWeight(), QFont::Bold);
    EXPECT_TRUE(run.first->BoldButton->isChecked());
}

TEST(FormattingExercise, ToolButtonsFollowTheSelectionWithoutChangingTheText)
{
    FormattingRun run;
    run.copyPage1();
    run.robot.click(run.first->Button1);
    run.selectLine(4);
    run.robot.click(run.first->UnderlineButton);
    run.selectLine(0);
    EXPECT_FALSE(run.first->UnderlineButton->isChecked());
    run.selectLine(4);
    EXPECT_TRUE(run.first->UnderlineButton->isChecked());
    // Moving back to line 1 put the button up without removing line 5's underline.
    QTextCursor line5(run.first->Editor->document()->findBlockByNumber(4));
    line5.movePosition(QTextCursor::Right);
    EXPECT_TRUE(line5.charFormat().fontUnderline());
    EXPECT_FALSE(run.first->updating());
}

TEST(FormattingExercise, UndoIsOfferedOnlyForThePupilsOwnEditing)
{
    FormattingRun run;
    EXPECT_FALSE(run.first->EditUndoCmd->isEnabled()) << "the page's set-up is nothing to undo";
    EXPECT_FALSE(run.first->UndoButton->isEnabled());
    run.copyPage1();
    run.robot.click(run.first->Button1);
    EXPECT_FALSE(run.first->EditUndoCmd->isEnabled());
    run.selectLine(4);
    run.robot.click(run.first->UnderlineButton);
    EXPECT_TRUE(run.first->UndoButton->isEnabled());
    PupilMenus::choose(run.robot.window(), {QStringLiteral("Edition"), QStringLiteral("Défaire")});
    QTextCursor line5(run.first->Editor->document()->findBlockByNumber(4));
    line5.movePosition(QTextCursor::Right);
    EXPECT_FALSE(line5.charFormat().fontUnderline());
    EXPECT_FALSE(run.first->EditUndoCmd->isEnabled());
    EXPECT_EQ(run.first->Editor->document()->rootFrame()->frameFormat().leftMargin(), FormattingLayout::PageMargin);
}

TEST(FormattingExercise, PasteGoesToPage2WhicheverPageHasTheFocus)
{
    FormattingRun run;
    EXPECT_FALSE(run.first->EditCopyCmd->isEnabled());
    run.first->Editor->setFocus();
    run.robot.key(Qt::Key_Home, Qt::ControlModifier, run.first->Editor);
    run.robot.key(Qt::Key_End, Qt::ShiftModifier, run.first->Editor);
    EXPECT_TRUE(run.first->EditCopyCmd->isEnabled());
    run.robot.key(Qt::Key_C, Qt::ControlModifier, run.first->Editor);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "TITRE en GRAS");
    EXPECT_TRUE(run.first->EditPasteCmd->isEnabled());
    run.robot.key(Qt::Key_V, Qt::ControlModifier, run.first->Editor);
    EXPECT_EQ(run.first->editor2->toPlainText().toStdString(), "TITRE en GRAS");
    EXPECT_EQ(run.first->Editor->toPlainText(), FormattingDocument::sourceLines().join(QLatin1Char('\n')));
    // The context menu of page 2 pastes too.
    run.robot.rightClick(run.robot.centreOf(run.first->editor2));
    PupilMenus::chooseInPopup({QStringLiteral("Coller")});
    EXPECT_EQ(run.first->editor2->toPlainText().toStdString(), "TITRE en GRASTITRE en GRAS");
}

TEST(FormattingExercise, FooterDigitsAndWrongMenusCostErrors)
{
    FormattingRun run;
    run.copyPage1();
    run.robot.click(run.first->Button1);
    run.formatPage2();
    run.robot.click(run.first->Button2);
    QApplication::processEvents();
    Texercice14v3b *second = run.second();
    ASSERT_TRUE(second);
    EXPECT_FALSE(second->insertionchampnumeropage->isEnabled());
    ScriptedMessages boxes;
    PupilMenus::choose(run.robot.window(), {QStringLiteral("Insertion"), QStringLiteral("Piedpage")});
    EXPECT_FALSE(second->insertionpiedpage->isEnabled());
    EXPECT_TRUE(second->piedpage1->isVisible());
    boxes.expect(MessageBox::Kind::Error, QStringLiteral("Il faut utiliser l'insertion de champs  !"));
    run.robot.type(QStringLiteral("page 1"), second->piedpage1);
    EXPECT_EQ(second->piedpage1->text().toStdString(), "page ");
    boxes.expect(MessageBox::Kind::Error, QStringLiteral("Fausse route !"));
    PupilMenus::choose(run.robot.window(), {QStringLiteral("Insertion"), QStringLiteral("Champ"), QStringLiteral("Date")});
    boxes.expect(MessageBox::Kind::Error, QStringLiteral("Fausse route !"));
    PupilMenus::choose(run.robot.window(), {QStringLiteral("Insertion"), QStringLiteral("En-tête")});
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 3);

    // A right text that is not centred fails the check.
    PupilMenus::choose(run.robot.window(), PageNumber);
    run.robot.type(QStringLiteral(" sur "), second->piedpage1);
    PupilMenus::choose(run.robot.window(), PageCount);
    boxes.expect(MessageBox::Kind::Error, ReadAgain);
    run.robot.click(second->Button3);
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 4);
    EXPECT_TRUE(second->isVisible());
}

TEST(FormattingExercise, AbandonAndAltF4BringTheBoardBackUnchanged)
{
    {
        FormattingRun run;
        run.robot.click(run.first->abandonButton());
        QApplication::processEvents();
        run.expectUnchanged(14);
        EXPECT_EQ(openExerciseWindows(), 0);
    }
    {
        FormattingRun run;
        run.robot.closeWindow();
        QApplication::processEvents();
        run.expectUnchanged(14);
        EXPECT_EQ(openExerciseWindows(), 0);
    }
    {
        FormattingRun run;
        run.copyPage1();
        run.robot.click(run.first->Button1);
        run.formatPage2();
        run.robot.click(run.first->Button2);
        QApplication::processEvents();
        Texercice14v3b *second = run.second();
        ASSERT_TRUE(second);
        run.robot.click(second->abandonButton());
        QApplication::processEvents();
        run.expectUnchanged(14);
        EXPECT_EQ(openExerciseWindows(), 0);
    }
    {
        FormattingRun run;
        run.copyPage1();
        run.robot.click(run.first->Button1);
        run.formatPage2();
        run.robot.click(run.first->Button2);
        QApplication::processEvents();
        ASSERT_TRUE(run.second());
        run.robot.closeWindow();
        QApplication::processEvents();
        run.expectUnchanged(14);
        EXPECT_EQ(openExerciseWindows(), 0);
    }
}

TEST(FormattingExercise, AltF4WithTheFontDialogOpenClosesEverything)
{
    FormattingRun run;
    run.copyPage1();
    run.robot.click(run.first->Button1);
    QPointer<FontDialog> dialog = run.openFontDialog();
    ASSERT_TRUE(dialog);
    run.robot.closeWindow();
    QApplication::processEvents();
    EXPECT_TRUE(!dialog || !dialog->isVisible());
    run.expectUnchanged(14);
    EXPECT_EQ(openExerciseWindows(), 0);
}

TEST(FormattingExercise, TheModelPageTakesNoPasteAndBulletsFollowTheButton)
{
    FormattingRun run;
    run.copyPage1();
    run.robot.click(run.first->Button1);
    const QString model = run.first->editor2->toPlainText();
    run.robot.click(run.first->Editor);
    run.robot.key(Qt::Key_A, Qt::ControlModifier, run.first->Editor);
    run.robot.key(Qt::Key_C, Qt::ControlModifier, run.first->Editor);
    run.robot.key(Qt::Key_V, Qt::ControlModifier, run.first->Editor);
    EXPECT_EQ(run.first->editor2->toPlainText(), model) << "the model is read-only in step 2";

    run.selectLine(4);
    run.robot.click(run.first->BulletsButton);
    EXPECT_TRUE(run.first->Editor->textCursor().currentList());
    run.robot.click(run.first->BulletsButton);
    EXPECT_FALSE(run.first->Editor->textCursor().currentList());
    EXPECT_EQ(run.first->Editor->toPlainText(), FormattingDocument::sourceLines().join(QLatin1Char('\n')));
}

TEST(FormattingExercise, AFullPage2StillWrapsLikePage1)
{
    FormattingRun run;
    run.copyPage1();
    for (int i = 0; i < 5; ++i)
        run.robot.click(run.first->PasteButton);   // page 2 now overflows its height
    QApplication::processEvents();
    EXPECT_EQ(run.first->editor2->viewport()->width(), run.first->Editor->viewport()->width())
        << "no scroll bar narrows page 2";
    ScriptedMessages boxes;
    run.robot.click(run.first->Button1);
    EXPECT_EQ(run.first->step(), Texercice14v3::Step::Format) << "the first five displayed lines are the same";
    EXPECT_EQ(boxes.count(), 0);
}
