#include "support/wordprocessorboard.h"
#include "dialogs/urechercherremplacerv3.h"
#include "exercises/domain3/find_replace/layout.h"
#include "exercises/domain3/find_replace/u15v3.h"
#include "shell/exercise/exercisesession.h"
#include "support/scriptedmessages.h"
#include "widgets/hotspot.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>

namespace {
const QString Wrong = QStringLiteral("Fausse route ! Lisez bien...");
const QString Bravo = QStringLiteral("Bravo exercice réussi !");

struct FindReplaceRun : Board
{
    FindReplaceRun()
    {
        window = qobject_cast<Texercice15v3 *>(launch(15, QStringLiteral("Texercice15v3")));
        robot.setWindow(window);
    }
    // The pupil finds the binoculars and the dialog opens over the window.
    TUrechercherv3 *openTool()
    {
        robot.click(FindReplaceLayout::zs1.center());
        TUrechercherv3 *dialog = window ? window->findDialog() : nullptr;
        EXPECT_TRUE(dialog);
        if (dialog)
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        return dialog;
    }
    static void fill(TUrechercherv3 *dialog, const QString &search, const QString &replace, bool matchCase,
                     bool wholeWords)
    {
        PupilRobot pupil(dialog);
        for (auto [edit, text] : {std::pair{dialog->Edit1, search}, std::pair{dialog->Edit2, replace}}) {
            pupil.click(edit);
            edit->setFocus(Qt::MouseFocusReason);
            edit->selectAll();
            pupil.type(text, edit);
        }
        for (auto [box, ticked] : {std::pair{dialog->CheckBox1, matchCase}, std::pair{dialog->CheckBox2, wholeWords}})
            if (box->isChecked() != ticked)
                pupil.click(box->mapTo(dialog, QPoint(8, box->height() / 2)));
    }
    // What the three words of a paragraph look like in the document.
    QTextCharFormat formatAt(int richOffset) const
    {
        QTextCursor c(window->RichEdit1->document());
        // Each of the previous lines ends with CR LF in the offsets, one separator here.
        int position = richOffset;
        const QString text = window->RichEdit1->toPlainText();
        int breaks = 0;
        for (int i = 0, rich = 0; i < text.size() && rich < richOffset; ++i) {
            rich += text.at(i) == QLatin1Char('\n') ? 2 : 1;
            if (text.at(i) == QLatin1Char('\n'))
                ++breaks;
        }
        position -= breaks;
        c.setPosition(position + 1);
        return c.charFormat();
    }

    QPointer<Texercice15v3> window;
    PupilRobot robot;
};

bool isBoldRed(const QTextCharFormat &f)
{
    return f.fontWeight() == QFont::Bold && f.foreground().color() == QColor(255, 0, 0) && !f.fontItalic()
           && !f.fontUnderline();
}
}

TEST(FindReplaceExercise, TheRightSettingsRecolourPoliceAndRecordTheCompetence)
{
    FindReplaceRun run;
    ASSERT_TRUE(run.window);
    EXPECT_EQ(run.window->Label3->text().toStdString(),
              "Clique sur l'icone qui permet de rechercher et remplacer des mots dans un document");
    EXPECT_FALSE(run.window->Label4->isVisible());
    EXPECT_FALSE(run.form1.isVisible());

    TUrechercherv3 *dialog = run.openTool();
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(run.window->zs1->isVisible());
    EXPECT_EQ(run.window->Label3->text().toStdString(), "Utilise cet outil pour changer automatiquement dans ce document ");
    EXPECT_EQ(run.window->Label4->text().toStdString(),
              "la couleur noir en rouge des mots \"Police\" (avec la majuscule !)");
    EXPECT_TRUE(run.window->Label4->isVisible());

    ScriptedMessages boxes;
    bool checked = false;
    boxes.expect(MessageBox::Kind::Information, Bravo).onNext([&](const MessageBox::Box &) {
        // While the box shows, the document already shows the result.
        for (int offset : FindReplaceLayout::PoliceOffsets)
            EXPECT_TRUE(isBoldRed(run.formatAt(offset))) << offset;
        for (int offset : {178, 550, 922})
            EXPECT_FALSE(isBoldRed(run.formatAt(offset))) << offset;
        EXPECT_FALSE(run.window->RichEdit1->textCursor().hasSelection());
        checked = true;
    });
    FindReplaceRun::fill(dialog, QStringLiteral("Police"), QStringLiteral("Police"), true, true);
    PupilRobot(dialog).click(dialog->Button4);
    QApplication::processEvents();
    EXPECT_TRUE(checked);
    run.expectRecorded(15);
    EXPECT_EQ(openExerciseWindows(), 0);
}

TEST(FindReplaceExercise, WrongSettingsCostAnErrorAndKeepTheDialogOpen)
{
    FindReplaceRun run;
    TUrechercherv3 *dialog = run.openTool();
    ASSERT_TRUE(dialog);
    ScriptedMessages boxes;
    const struct
    {
        const char *search;
        const char *replace;
        bool matchCase;
        bool wholeWords;
    } wrongs[] = {
        {"police", "Police", true, true},
        {"Police", "police", true, true},
        {"Police ", "Police", true, true},
        {"Police", "Police", true, false},
        {"Police", "Police", false, true},
    };
    for (const auto &w : wrongs) {
        boxes.expect(MessageBox::Kind::Error, Wrong);
        FindReplaceRun::fill(dialog, QString::fromUtf8(w.search), QString::fromUtf8(w.replace), w.matchCase, w.wholeWords);
        PupilRobot(dialog).click(dialog->Button4);
        EXPECT_TRUE(dialog->isVisible()) << w.search;
    }
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 5);

    // Any number of earlier errors does not matter.
    boxes.expect(MessageBox::Kind::Information, Bravo);
    FindReplaceRun::fill(dialog, QStringLiteral("Police"), QStringLiteral("Police"), true, true);
    PupilRobot(dialog).click(dialog->Button4);
    QApplication::processEvents();
    run.expectRecorded(15);
}

TEST(FindReplaceExercise, TheSameFixedRangesAreRecolouredWhateverThePupilTyped)
{
    FindReplaceRun run;
    QTextCursor start(run.window->RichEdit1->document());
    start.insertText(QStringLiteral("abc"));
    TUrechercherv3 *dialog = run.openTool();
    ASSERT_TRUE(dialog);
    ScriptedMessages boxes;
    boxes.expect(MessageBox::Kind::Information, Bravo).onNext([&](const MessageBox::Box &) {
        // "Police" moved three characters on; offset 93 now holds "ice, ".
        EXPECT_TRUE(isBoldRed(run.formatAt(93)));
        EXPECT_FALSE(isBoldRed(run.formatAt(92)));
    });
    FindReplaceRun::fill(dialog, QStringLiteral("Police"), QStringLiteral("Police"), true, true);
    PupilRobot(dialog).click(dialog->Button4);
    QApplication::processEvents();
    run.expectRecorded(15);
}

TEST(FindReplaceExercise, ClosingTheDialogLeavesOnlyAbandon)
{
    FindReplaceRun run;
    TUrechercherv3 *dialog = run.openTool();
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(run.window->abandonButton()->isEnabled()) << "Abandon cannot be reached while the dialog shows";
    ScriptedMessages boxes;
    PupilRobot(dialog).click(dialog->Button8);
    QApplication::processEvents();
    EXPECT_EQ(run.window->step(), Texercice15v3::Step::DeadEnd);
    EXPECT_FALSE(run.window->zs1->isVisible());
    EXPECT_TRUE(run.window->abandonButton()->isEnabled());
    // The binoculars no longer open anything.
    run.robot.click(FindReplaceLayout::zs1.center());
    EXPECT_FALSE(run.window->findDialog());
    EXPECT_EQ(boxes.count(), 0);

    run.robot.click(run.window->abandonButton());
    QApplication::processEvents();
    run.expectUnchanged(15);
    EXPECT_EQ(openExerciseWindows(), 0);
}

TEST(FindReplaceExercise, AbandonAndAltF4BringTheBoardBackUnchanged)
{
    {
        FindReplaceRun run;
        run.robot.click(run.window->abandonButton());
        QApplication::processEvents();
        run.expectUnchanged(15);
        EXPECT_EQ(openExerciseWindows(), 0);
    }
    {
        FindReplaceRun run;
        run.robot.closeWindow();
        QApplication::processEvents();
        run.expectUnchanged(15);
        EXPECT_EQ(openExerciseWindows(), 0);
    }
    {
        // With the dialog open, the system's close command still abandons everything.
        FindReplaceRun run;
        QPointer<TUrechercherv3> dialog = run.openTool();
        run.robot.closeWindow();
        QApplication::processEvents();
        run.expectUnchanged(15);
        EXPECT_TRUE(!dialog || !dialog->isVisible());
    }
}

TEST(FindReplaceExercise, AShortenedDocumentIsRecolouredWithinItsLength)
{
    FindReplaceRun run;
    run.window->RichEdit1->setPlainText(QStringLiteral("Police\nPolice"));
    TUrechercherv3 *dialog = run.openTool();
    ASSERT_TRUE(dialog);
    ScriptedMessages boxes;
    boxes.expect(MessageBox::Kind::Information, Bravo).onNext([&](const MessageBox::Box &) {
        EXPECT_EQ(run.window->RichEdit1->toPlainText().toStdString(), "Police\nPolice");
    });
    FindReplaceRun::fill(dialog, QStringLiteral("Police"), QStringLiteral("Police"), true, true);
    PupilRobot(dialog).click(dialog->Button4);
    QApplication::processEvents();
    run.expectRecorded(15);
}

TEST(FindReplaceExercise, TheDialogsWrongWaysCountInTheExercise)
{
    FindReplaceRun run;
    TUrechercherv3 *dialog = run.openTool();
    ASSERT_TRUE(dialog);
    ScriptedMessages boxes;
    PupilRobot pupil(dialog);
    pupil.click(dialog->Button9);
    boxes.expect(MessageBox::Kind::Error, Wrong);
    pupil.click(dialog->Button7);   // "Attributs..."
    boxes.expect(MessageBox::Kind::Error, Wrong);
    pupil.click(dialog->CheckBox5->mapTo(dialog, QPoint(8, dialog->CheckBox5->height() / 2)));
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 2);
    EXPECT_FALSE(dialog->CheckBox5->isChecked());
}
