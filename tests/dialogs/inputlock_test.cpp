#include "widgets/inputlock.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

// The lock behind every dialog opened over a window: the window's controls take no
// input, the dialog (a child window) stays usable, and release gives back exactly
// what was taken.
TEST(InputLock, DisablesTheWindowsControlsButNotItsDialog)
{
    QWidget window;
    auto *enabled = new QPushButton(&window);
    auto *alreadyDisabled = new QPushButton(&window);
    alreadyDisabled->setEnabled(false);
    auto *dialog = new QDialog(&window);
    window.show();
    dialog->show();

    InputLock lock;
    lock.lock(&window);
    EXPECT_TRUE(InputLock::isWindowLocked(&window));
    EXPECT_FALSE(enabled->isEnabled());
    EXPECT_TRUE(dialog->isEnabled());
    lock.release();
    EXPECT_FALSE(InputLock::isWindowLocked(&window));
    EXPECT_TRUE(enabled->isEnabled());
    EXPECT_FALSE(alreadyDisabled->isEnabled()) << "a control disabled before stays disabled";
}

TEST(InputLock, TheFocusDoesNotWanderToTheNextFieldAndComesBack)
{
    QWidget window;
    auto *first = new QLineEdit(&window);
    auto *second = new QLineEdit(&window);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(first->hasFocus());
    int secondFocused = 0;
    struct Spy : QObject
    {
        int *count;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::FocusIn)
                ++*count;
            return false;
        }
    } spy;
    spy.count = &secondFocused;
    second->installEventFilter(&spy);
    {
        InputLock lock;
        lock.lock(&window);
        QApplication::processEvents();
        EXPECT_EQ(secondFocused, 0);
    }
    QApplication::processEvents();
    EXPECT_TRUE(first->hasFocus());
    EXPECT_EQ(secondFocused, 0);
}
