#include "dialogs/uproprieteimprimantecanonv3.h"
#include "shell/exercise/exercisescreen.h"
#include "shell/exercise/exercisesession.h"
#include "support/pupilrobot.h"
#include "support/scriptedmessages.h"
#include "support/standinboard.h"
#include "widgets/choicecombo.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using MessageBox::Kind;

namespace {
const QString Wrong = QStringLiteral("Fausse route ! Lisez bien...");

bool focusOn(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitFor([window] { return QGuiApplication::focusWindow() == window->windowHandle(); });
}

struct PropertiesDesk
{
    PropertiesDesk()
    {
        session = new ExerciseSession(6, &board);
        owner = new ExerciseScreen(session, QStringLiteral("Texercice6v3b"), QSize(600, 500));
        label1 = new QLabel(QStringLiteral("consigne"), owner);
        label2 = new QLabel(QStringLiteral("deuxième ligne"), owner);
        session->start(owner);
        QApplication::processEvents();
        dialog = new Tproprieteimprimantecanonv3(owner, label1, label2);
        session->adopt(dialog);
        dialog->showCentred();
        EXPECT_TRUE(focusOn(dialog));
        robot.setWindow(dialog);
    }
    ~PropertiesDesk()
    {
        if (session)
            session->abandon();
        flushDeletes();
    }
    void chooseMedium(int row)
    {
        dialog->ComboBox1->setFocus();
        for (int i = dialog->ComboBox1->currentIndex(); i < row; ++i)
            robot.key(Qt::Key_Down, Qt::NoModifier, dialog->ComboBox1);
    }
    void tick(QAbstractButton *box) { robot.click(box->mapTo(dialog, QPoint(7, box->height() / 2))); }
    void rightSettings()
    {
        chooseMedium(3);
        tick(dialog->RadioButton1);
        tick(dialog->RadioButton4);
        tick(dialog->CheckBox2);
    }

    StandInBoard board;
    QPointer<ExerciseSession> session;
    ExerciseScreen *owner = nullptr;
    QLabel *label1 = nullptr;
    QLabel *label2 = nullptr;
    QPointer<Tproprieteimprimantecanonv3> dialog;
    PupilRobot robot;
};
}

TEST(PrinterProperties, OpensWithTheDocumentedSettings)
{
    PropertiesDesk desk;
    auto *d = desk.dialog.data();
    EXPECT_EQ(d->windowTitle().toStdString(), "Imprimantes et télécopieurs");
    EXPECT_EQ(d->size(), QSize(476, 260));
    ASSERT_EQ(d->ComboBox1->count(), 9);
    EXPECT_EQ(d->ComboBox1->itemText(3).toStdString(), "Papier photo Mat");
    EXPECT_TRUE(d->ComboBox1->itemText(8).isEmpty());
    EXPECT_EQ(d->ComboBox1->currentText().toStdString(), "Papier ordinaire");
    EXPECT_TRUE(d->RadioButton2->isChecked());
    EXPECT_TRUE(d->CheckBox2->isChecked());
    EXPECT_TRUE(d->RadioButton5->isChecked());
    // Quality and orientation are two groups: choosing one leaves the other.
    desk.tick(d->RadioButton4);
    EXPECT_TRUE(d->RadioButton2->isChecked());
    EXPECT_FALSE(d->RadioButton5->isChecked());
}

TEST(PrinterProperties, TheRightSettingsEndTheExerciseWithTwoErrorsAtMost)
{
    for (int errors : {0, 2}) {
        PropertiesDesk desk;
        ScriptedMessages boxes;
        desk.session->countError(errors);
        desk.rightSettings();
        QString label1, label2;
        boxes.expect(Kind::Information, QStringLiteral("Bravo exercice réussi !")).onNext([&](const MessageBox::Box &) {
            label1 = desk.label1->text();
            label2 = desk.label2->text();
        });
        desk.robot.click(desk.dialog->Button3);
        flushDeletes();
        EXPECT_EQ(label1.toStdString(), "Bravo, exercice réussi !");
        EXPECT_TRUE(label2.isEmpty());
        EXPECT_FALSE(desk.dialog);
        EXPECT_TRUE(desk.board.button(6)->isHidden());
    }
}

TEST(PrinterProperties, ThreeErrorsEndItWithAnInformationBoxAndNothingRecorded)
{
    PropertiesDesk desk;
    ScriptedMessages boxes;
    desk.session->countError(3);
    desk.rightSettings();
    boxes.expect(Kind::Information, QStringLiteral("Exercice non maîtrisé !")).onNext([&](const MessageBox::Box &) {
        EXPECT_EQ(desk.label1->text().toStdString(), "Il faudra recommencer : 3 erreur(s)");
        EXPECT_TRUE(desk.label2->text().isEmpty());
    });
    desk.robot.click(desk.dialog->Button3);
    flushDeletes();
    EXPECT_EQ(boxes.count(), 1);
    EXPECT_FALSE(desk.dialog);
    EXPECT_FALSE(desk.board.button(6)->isHidden());
    EXPECT_TRUE(desk.board.isVisible());
}

TEST(PrinterProperties, EachWrongSettingAloneIsOneWrongActionAndTheDialogStays)
{
    struct Case
    {
        const char *what;
        std::function<void(PropertiesDesk &)> spoil;
    };
    const QList<Case> cases{
        {"glossy paper", [](PropertiesDesk &d) { d.chooseMedium(4); }},
        {"standard quality", [](PropertiesDesk &d) { d.tick(d.dialog->RadioButton2); }},
        {"portrait", [](PropertiesDesk &d) { d.tick(d.dialog->RadioButton5); }},
        {"grey levels", [](PropertiesDesk &d) { d.tick(d.dialog->CheckBox2); }},
        {"medium typed, not chosen",
         [](PropertiesDesk &d) {
             QLineEdit *edit = d.dialog->ComboBox1->lineEdit();
             edit->selectAll();
             d.robot.type(QStringLiteral("Papier photo Mat"), edit);
         }},
    };
    for (const Case &c : cases) {
        PropertiesDesk desk;
        ScriptedMessages boxes;
        desk.rightSettings();
        c.spoil(desk);
        boxes.expect(Kind::Error, Wrong);
        desk.robot.click(desk.dialog->Button3);
        QApplication::processEvents();
        EXPECT_EQ(desk.session->errorCount(), 1) << c.what;
        ASSERT_TRUE(desk.dialog) << c.what;
        EXPECT_TRUE(desk.dialog->isVisible()) << c.what;
        EXPECT_FALSE(desk.board.button(6)->isHidden()) << c.what;
    }
}

TEST(PrinterProperties, CancelCountsAndStaysLeavingCloses)
{
    PropertiesDesk desk;
    ScriptedMessages boxes;
    boxes.expect(Kind::Error, Wrong).onNext([&](const MessageBox::Box &) {
        focusOn(desk.owner);   // the box takes the focus for a moment
        QApplication::processEvents();
    });
    desk.robot.click(desk.dialog->Button4);
    QApplication::processEvents();
    ASSERT_TRUE(desk.dialog);
    EXPECT_TRUE(desk.dialog->isVisible());
    EXPECT_EQ(desk.session->errorCount(), 1);

    ASSERT_TRUE(focusOn(desk.dialog));
    ASSERT_TRUE(focusOn(desk.owner));
    QApplication::processEvents();
    EXPECT_TRUE(!desk.dialog || !desk.dialog->isVisible());
    EXPECT_EQ(desk.session->errorCount(), 1);
    EXPECT_TRUE(desk.owner->isVisible());
}
