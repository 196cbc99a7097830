#include "shelldriving.h"

#include "records/passwordhash.h"
#include "records/recordstore.h"
#include "shell/tform1.h"
#include "shell/tidentification.h"
#include "shell/tu_motpasseeleve.h"
#include "support/linkeddatafolder.h"
#include "support/pupilrobot.h"
#include "support/scriptedmessages.h"
#include "support/standinboard.h"
#include "support/tempdatafolder.h"
#include "widgets/choicecombo.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>
#include <sys/stat.h>

using MessageBox::Kind;

namespace {
// The main window over a data folder whose lists and record folder are links to a
// shared place, as a packaged installation has them.
struct LinkedShell
{
    TempDataFolder data;
    LinkedDataFolder shared{data};
    ScriptedMessages boxes;
    Tform1 form;
    PupilRobot robot{&form};

    LinkedShell() { form.show(); }
    ~LinkedShell() { ShellDriving::closeOtherWindows(&form); }
    void select(const QString &pupil, const QString &teacher) { ShellDriving::select(robot, form, pupil, teacher); }
    QByteArray record(const QString &name) const
    {
        return shared.sharedBytes(QStringLiteral("sauvegardes/") + name + QStringLiteral("-qib.txt"));
    }
};
}

// A pupil's whole life through the links: registration, login, a result saved,
// the password changed; every file lands in the shared folder and the program's
// folder keeps its links and nothing more.
TEST(LinkedShell, RegistrationLoginSaveAndPasswordChangeWriteTheSharedRecord)
{
    LinkedShell shell;
    ASSERT_TRUE(RecordStore::allowRegistration(true).ok());
    shell.robot.click(shell.form.button2);
    ASSERT_TRUE(shell.form.Button1->isEnabled()) << "the marker is read through the linked record folder";
    EXPECT_EQ(shell.form.ListBox1->count(), 3) << "the teachers are read through the linked list";
    shell.robot.click(shell.form.Button1);
    auto *registration = qobject_cast<Tidentification *>(PupilRobot::topWindow(QStringLiteral("Tidentification")));
    ASSERT_TRUE(registration);
    EXPECT_EQ(registration->ComboBox1->count(), 3) << "the classes are read through the linked list";
    registration->Edit1->setText(QStringLiteral("emma"));
    registration->Edit2->setText(QStringLiteral("mdp"));
    registration->ComboBox1->setCurrentIndex(1);
    emit registration->ComboBox1->activated(1);
    shell.boxes.expect(Kind::Confirmation, QStringLiteral("Avez-vous retenu votre mot de passe ?"), 0);
    PupilRobot(registration).click(registration->Button1);
    flushDeletes();
    EXPECT_EQ(shell.record(QStringLiteral("emma")).count("\r\n"), 148);
    ASSERT_FALSE(shell.form.combobox2->findItems(QStringLiteral("emma"), Qt::MatchExactly).isEmpty());

    // Login (the fresh record stays as it is), a result, and the save on leaving.
    shell.select(QStringLiteral("emma"), QStringLiteral("M. Besson"));
    shell.robot.type(QStringLiteral("mdp"), shell.form.edit1);
    shell.robot.key(Qt::Key_Return, Qt::NoModifier, shell.form.edit1);
    ASSERT_EQ(shell.form.screen(), Tform1::Screen::Board);
    student().results[2] = CompetenceResult{3, true, QStringLiteral("09/12/2026"), QStringLiteral("M. Besson")};
    shell.robot.click(shell.form.quitter);
    const QByteArray saved = shell.record(QStringLiteral("emma"));
    EXPECT_EQ(saved.count("\r\n"), 120);
    EXPECT_TRUE(saved.contains("\r\ncompetence 3\r\noui\r\n09/12/2026\r\nM. Besson\r\n"));

    // The password change window.
    shell.robot.click(shell.form.button2);
    shell.select(QStringLiteral("emma"), QStringLiteral("Mme Laurent"));
    shell.robot.type(QStringLiteral("mdp"), shell.form.edit1);
    shell.form.CheckBox1->setChecked(true);
    shell.robot.click(shell.form.Button3);
    auto *change = qobject_cast<Tu_motpasseeleve *>(PupilRobot::topWindow(QStringLiteral("Tu_motpasseeleve")));
    ASSERT_TRUE(change);
    change->Edit1->setText(QStringLiteral("neuf"));
    change->Edit2->setText(QStringLiteral("neuf"));
    PupilRobot(change).click(change->Button1);
    flushDeletes();
    EXPECT_TRUE(shell.record(QStringLiteral("emma")).contains(passwordHash(QStringLiteral("neuf")).toLatin1()));

    EXPECT_EQ(shell.shared.sharedFiles(),
              (QStringList{QStringLiteral("ad.txt"), QStringLiteral("classes.txt"), QStringLiteral("profs.txt"), QStringLiteral("sauvegardes"),
                           QStringLiteral("sauvegardes/aaadmin-qib.bin"), QStringLiteral("sauvegardes/emma-qib.txt")}));
    shell.shared.expectProgramFolderUntouched();
}
