#include "administration/tadmin.h"
#include "administration/tadminiden.h"
#include "records/passwordhash.h"
#include "records/recordstore.h"
#include "support/pupilrobot.h"
#include "support/scriptedmessages.h"
#include "support/tempdatafolder.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <gtest/gtest.h>

namespace {
using Kind = MessageBox::Kind;

class AdminLogin : public ::testing::Test
{
protected:
    void SetUp() override
    {
        mainWindow.setObjectName(QStringLiteral("form1"));
        mainWindow.show();
    }
    void TearDown() override
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<Tadmin *>(w) || qobject_cast<Tadminiden *>(w))
                delete w;
    }

    // Opens the login window as " administrateur" does and lets it become active.
    Tadminiden *openLogin()
    {
        login = new Tadminiden(&mainWindow);
        login->show();
        QApplication::processEvents();
        robot.setWindow(login);
        return login;
    }
    void settle() const
    {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static Tadmin *console()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *c = qobject_cast<Tadmin *>(w); c && c->isVisible())
                return c;
        return nullptr;
    }

    TempDataFolder data;
    ScriptedMessages boxes;
    QWidget mainWindow;
    QPointer<Tadminiden> login;
    PupilRobot robot;
};
}

TEST_F(AdminLogin, LooksAsDescribed)
{
    openLogin();
    EXPECT_EQ(login->windowTitle(), QStringLiteral("identification"));
    EXPECT_EQ(login->size(), QSize(406, 233));
    EXPECT_EQ(login->passwordField()->echoMode(), QLineEdit::Password);
    login->passwordField()->setText(QStringLiteral("vorne"));
    EXPECT_EQ(login->passwordField()->displayText(), QStringLiteral("*****")) << "each character shows as a star";
    login->passwordField()->clear();
    EXPECT_TRUE(login->passwordField()->hasFocus() || QApplication::focusWidget() == nullptr);
}

TEST_F(AdminLogin, RightPasswordOpensTheConsoleAndHidesTheMainWindow)
{
    openLogin();
    robot.type(QStringLiteral("vorne"), login->passwordField());
    robot.key(Qt::Key_Return, Qt::NoModifier, login->passwordField());
    settle();
    EXPECT_TRUE(login.isNull());
    EXPECT_FALSE(mainWindow.isVisible());
    Tadmin *admin = console();
    ASSERT_TRUE(admin);
    EXPECT_EQ(admin->windowTitle(), QStringLiteral("module administrateur"));
    EXPECT_EQ(admin->findChild<QListWidget *>(QStringLiteral("ListBox1"))->count(), TempDataFolder::classes().size());

    admin->close();
    settle();
    EXPECT_TRUE(mainWindow.isVisible());
    EXPECT_FALSE(console());
}

TEST_F(AdminLogin, WrongPasswordClosesTheWindowAfterOneAttempt)
{
    openLogin();
    robot.type(QStringLiteral("Vorne"), login->passwordField());
    boxes.expect(Kind::Plain, QStringLiteral("Mot de passe incorrect"));
    robot.click(QStringLiteral("Button1"));
    settle();
    EXPECT_TRUE(login.isNull());
    EXPECT_TRUE(mainWindow.isVisible());
    EXPECT_FALSE(console());

    openLogin();   // a new opening allows a new attempt
    robot.type(QStringLiteral("vorne"), login->passwordField());
    robot.click(QStringLiteral("Button1"));
    settle();
    EXPECT_TRUE(console());
}

TEST_F(AdminLogin, MissingPasswordFileNamesTheContactAndCloses)
{
    QFile::remove(data.path() + QStringLiteral("ad.txt"));
    boxes.expect(Kind::Plain, QStringLiteral("Erreur N°1 : Problème de fichier  / Contacter l'administrateur du réseau"));
    openLogin();
    settle();
    EXPECT_TRUE(login.isNull());
    EXPECT_FALSE(console());
}

TEST_F(AdminLogin, EmptyAdministratorPasswordIsAcceptedWithAnEmptyField)
{
    ASSERT_TRUE(RecordStore::writeAdminHash(passwordHash(QString())).ok());
    openLogin();
    robot.click(QStringLiteral("Button1"));
    settle();
    EXPECT_TRUE(console());
}
