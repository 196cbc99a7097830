#include "dialogs/uimpressionapercuv3.h"
#include "dialogs/uimpressionv3.h"
#include "shell/exercise/exercisescreen.h"
#include "shell/exercise/exercisesession.h"
#include "support/pupilrobot.h"
#include "support/scriptedmessages.h"
#include "support/standinboard.h"
#include "widgets/choicecombo.h"
#include "widgets/spinedit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using MessageBox::Kind;

namespace {
const QString Wrong = QStringLiteral("Fausse route ! Lisez bien...");

// A tool window counts as active as soon as its owner is: wait for the window
// system's focus itself.
bool focusOn(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitFor([window] { return QGuiApplication::focusWindow() == window->windowHandle(); });
}

// An exercise window with a text whose selection length the test sets, and the
// print dialog opened over it.
struct PrintDesk
{
    PrintDesk()
    {
        session = new ExerciseSession(5, &board);
        owner = new ExerciseScreen(session, QStringLiteral("Texercice5v3"), QSize(600, 500));
        label1 = new QLabel(QStringLiteral("consigne"), owner);
        label2 = new QLabel(QStringLiteral("deuxième ligne"), owner);
        session->start(owner);
        QApplication::processEvents();
        open();
    }
    ~PrintDesk()
    {
        if (session)
            session->abandon();
        flushDeletes();
    }
    void open()
    {
        dialog = new Timpressionv3(owner, [this] { return selection; }, label1, label2);
        session->adopt(dialog);
        dialog->showCentred();
        EXPECT_TRUE(focusOn(dialog));
        robot.setWindow(dialog);
    }
    void choosePrinter(int row)
    {
        // The pupil opens the list with the keyboard and moves to the row.
        dialog->ComboBox1->setFocus();
        for (int i = dialog->ComboBox1->currentIndex(); i < row; ++i)
            robot.key(Qt::Key_Down, Qt::NoModifier, dialog->ComboBox1);
    }
    void tick(QAbstractButton *box) { robot.click(box->mapTo(dialog, QPoint(7, box->height() / 2))); }
    void typeCopies(const QString &text)
    {
        QLineEdit *edit = dialog->Edit2->edit();
        robot.click(edit);
        edit->selectAll();
        robot.type(text, edit);
    }
    void rightSettings()
    {
        choosePrinter(1);
        robot.click(dialog->Edit2->upButton());
        tick(dialog->RadioButton4);
    }

    StandInBoard board;
    QPointer<ExerciseSession> session;
    ExerciseScreen *owner = nullptr;
    QLabel *label1 = nullptr;
    QLabel *label2 = nullptr;
    QPointer<Timpressionv3> dialog;
    int selection = 184;
    PupilRobot robot;
};

Timpressionapercuv3 *previewOf(QWidget *owner)
{
    return owner->findChild<Timpressionapercuv3 *>();
}
}

TEST(PrintDialog, OpensWithTheDocumentedSettings)
{
    PrintDesk desk;
    Timpressionv3 *d = desk.dialog;
    EXPECT_EQ(d->windowTitle().toStdString(), "Imprimer");
    EXPECT_EQ(d->size(), QSize(476, 260));
    ASSERT_EQ(d->ComboBox1->count(), 3);
    EXPECT_EQ(d->ComboBox1->itemText(0).toStdString(), "Jet d'encre  Brother 1030 monochrome");
    EXPECT_EQ(d->ComboBox1->currentText(), d->ComboBox1->itemText(0));
    EXPECT_TRUE(d->ComboBox1->isEditable());
    EXPECT_TRUE(d->RadioButton1->isChecked());
    EXPECT_FALSE(d->CheckBox1->isChecked());
    EXPECT_TRUE(d->CheckBox2->isChecked());
    EXPECT_TRUE(d->Edit1->isReadOnly());
    EXPECT_EQ(d->Edit2->text(), QStringLiteral("1"));
    EXPECT_EQ(d->Button5->text().toStdString(), "Aperçu ");
    // Every control lies where the pupil clicks it.
    for (QWidget *w : QList<QWidget *>{d->ComboBox1, d->Button1, d->CheckBox1, d->RadioButton4, d->Button5,
                                       d->Button3, d->Button4, d->Edit2->upButton()})
        EXPECT_TRUE(desk.robot.widgetAt(desk.robot.centreOf(w)) == w
                    || w->isAncestorOf(desk.robot.widgetAt(desk.robot.centreOf(w))))
            << w->objectName().toStdString();
}

TEST(PrintDialog, TheRightSettingsOpenThePreviewAndCloseTheDialog)
{
    PrintDesk desk;
    ScriptedMessages boxes;
    desk.rightSettings();
    EXPECT_EQ(desk.dialog->Edit2->text(), QStringLiteral("2")) << "the up arrow raises the count to 2";
    EXPECT_TRUE(desk.dialog->settingsRight());
    desk.robot.click(desk.dialog->Button5);
    QApplication::processEvents();
    EXPECT_TRUE(!desk.dialog || !desk.dialog->isVisible());
    Timpressionapercuv3 *preview = previewOf(desk.owner);
    ASSERT_TRUE(preview);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->windowTitle().toStdString(), "Aperçu");
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(desk.session->errorCount(), 0);
}

TEST(PrintDialog, SelectionLengthsFrom184To189PassAndNoOthers)
{
    PrintDesk desk;
    desk.rightSettings();
    for (int length : {183, 190, 0, 600})
        EXPECT_FALSE((desk.selection = length, desk.dialog->settingsRight())) << length;
    for (int length : {184, 186, 188, 189})
        EXPECT_TRUE((desk.selection = length, desk.dialog->settingsRight())) << length;
}

TEST(PrintDialog, EachWrongConditionAloneFailsAndCountsOneErrorWithoutClosing)
{
    struct Case
    {
        const char *what;
        std::function<void(PrintDesk &)> spoil;
    };
    const QList<Case> cases{
        {"monochrome printer", [](PrintDesk &d) { d.choosePrinter(2); }},
        {"copies 02", [](PrintDesk &d) { d.typeCopies(QStringLiteral("02")); }},
        {"copies with a space", [](PrintDesk &d) { d.typeCopies(QStringLiteral(" 2")); }},
        {"copies 3", [](PrintDesk &d) { d.robot.click(d.dialog->Edit2->upButton()); }},
        {"all pages", [](PrintDesk &d) { d.tick(d.dialog->RadioButton1); }},
        {"print to a file", [](PrintDesk &d) { d.tick(d.dialog->CheckBox1); }},
        {"printer typed, not chosen",
         [](PrintDesk &d) {
             QLineEdit *edit = d.dialog->ComboBox1->lineEdit();
             edit->selectAll();
             d.robot.type(QStringLiteral("Laser Canon ip4200 couleur"), edit);
         }},
    };
    for (const Case &c : cases) {
        PrintDesk desk;
        ScriptedMessages boxes;
        desk.rightSettings();
        c.spoil(desk);
        boxes.expect(Kind::Error, Wrong);
        desk.robot.click(desk.dialog->Button5);
        QApplication::processEvents();
        EXPECT_EQ(desk.session->errorCount(), 1) << c.what;
        ASSERT_TRUE(desk.dialog) << c.what;
        EXPECT_TRUE(desk.dialog->isVisible()) << c.what;
        EXPECT_FALSE(previewOf(desk.owner)) << c.what;
    }
}

TEST(PrintDialog, PreviewAtOnceFailsOnceAndOkAlwaysCounts)
{
    PrintDesk desk;
    ScriptedMessages boxes;
    boxes.expect(Kind::Error, Wrong);
    desk.robot.click(desk.dialog->Button5);
    EXPECT_EQ(desk.session->errorCount(), 1) << "five wrong conditions are one wrong action";
    desk.rightSettings();
    boxes.expect(Kind::Error, Wrong);
    desk.robot.click(desk.dialog->Button3);
    EXPECT_EQ(desk.session->errorCount(), 2);
    EXPECT_TRUE(desk.dialog->isVisible());
    // "Annuler" closes without counting; "P&ropriétés" does nothing.
    desk.robot.click(desk.dialog->Button1);
    desk.robot.click(desk.dialog->Button4);
    QApplication::processEvents();
    EXPECT_TRUE(!desk.dialog || !desk.dialog->isVisible());
    EXPECT_EQ(desk.session->errorCount(), 2);
    EXPECT_EQ(boxes.count(), 2);
}

TEST(PrintDialog, ClosesWhenThePupilTurnsToTheExerciseButNotForItsOwnBox)
{
    PrintDesk desk;
    ScriptedMessages boxes;
    // Its own box takes the activation for a moment: the dialog stays.
    boxes.expect(Kind::Error, Wrong).onNext([&](const MessageBox::Box &) {
        focusOn(desk.owner);
        QApplication::processEvents();
    });
    desk.robot.click(desk.dialog->Button3);
    QApplication::processEvents();
    ASSERT_TRUE(desk.dialog);
    EXPECT_TRUE(desk.dialog->isVisible());

    // The pupil clicks the exercise window: the dialog goes, nothing is counted.
    ASSERT_TRUE(focusOn(desk.dialog));
    ASSERT_TRUE(focusOn(desk.owner));
    QApplication::processEvents();
    EXPECT_TRUE(!desk.dialog || !desk.dialog->isVisible());
    EXPECT_EQ(desk.session->errorCount(), 1);
    EXPECT_TRUE(desk.owner->isVisible()) << "the exercise goes on";
}

TEST(PrintPreview, PrintingJudgesTheErrorsTwoOrFewerSucceed)
{
    for (int errors : {0, 2, 3}) {
        PrintDesk desk;
        ScriptedMessages boxes;
        desk.session->countError(errors);
        desk.rightSettings();
        desk.robot.click(desk.dialog->Button5);
        QPointer<Timpressionapercuv3> preview = previewOf(desk.owner);
        ASSERT_TRUE(preview);
        QString label1, label2;
        const bool success = errors <= 2;
        boxes.expect(success ? Kind::Information : Kind::Error,
                     success ? QStringLiteral("Bravo exercice réussi !") : QStringLiteral("Exercice non maîtrisé !"))
            .onNext([&](const MessageBox::Box &) {
                label1 = desk.label1->text();
                label2 = desk.label2->text();
            });
        PupilRobot(preview).click(preview->Button1);
        flushDeletes();
        EXPECT_EQ(label1, success ? QStringLiteral("Bravo, exercice réussi !")
                                  : QStringLiteral("Il faudra recommencer : 3 erreur(s)"));
        EXPECT_TRUE(label2.isEmpty());
        EXPECT_FALSE(preview) << "the preview closes with the exercise";
        EXPECT_TRUE(desk.board.isVisible());
        EXPECT_EQ(desk.board.button(5)->isHidden(), success) << errors;
    }
}

TEST(PrintPreview, CancelIsAWrongWayAndASecondPreviewReplacesTheFirst)
{
    PrintDesk desk;
    ScriptedMessages boxes;
    desk.rightSettings();
    desk.robot.click(desk.dialog->Button5);
    QPointer<Timpressionapercuv3> first = previewOf(desk.owner);
    ASSERT_TRUE(first);
    boxes.expect(Kind::Error, Wrong);
    PupilRobot(first).click(first->Button2);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(desk.session->errorCount(), 1);
    // Turning away does not close the preview.
    ASSERT_TRUE(focusOn(desk.owner));
    QApplication::processEvents();
    EXPECT_TRUE(first && first->isVisible());

    desk.open();
    desk.rightSettings();
    desk.robot.click(desk.dialog->Button5);
    flushDeletes();
    EXPECT_FALSE(first && first->isVisible());
    EXPECT_EQ(desk.owner->findChildren<Timpressionapercuv3 *>().size(), 1);
}

TEST(PrintPreview, AbandoningTheExerciseTakesTheDialogsAlong)
{
    PrintDesk desk;
    ScriptedMessages boxes;
    desk.rightSettings();
    desk.robot.click(desk.dialog->Button5);
    QPointer<Timpressionapercuv3> preview = previewOf(desk.owner);
    desk.open();
    QPointer<Timpressionv3> dialog = desk.dialog;
    desk.session->abandon();
    flushDeletes();
    EXPECT_FALSE(preview);
    EXPECT_FALSE(dialog);
    EXPECT_FALSE(desk.board.button(5)->isHidden());
}
