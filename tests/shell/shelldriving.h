#pragma once
// What the shell's tests do to the main window: find a row of its lists, pick a
// pupil and a teacher as a mouse would, and close what a test left open.
#include "shell/tform1.h"
#include "support/pupilrobot.h"
#include "support/standinboard.h"

#include <QApplication>
#include <QListWidget>

namespace ShellDriving {
inline QPoint rowCentre(QListWidget *list, const QString &text, QWidget *window)
{
    const auto items = list->findItems(text, Qt::MatchExactly);
    if (items.isEmpty())
        return {};
    return list->viewport()->mapTo(window, list->visualItemRect(items.first()).center());
}

inline void select(PupilRobot &robot, Tform1 &form, const QString &pupil, const QString &teacher)
{
    robot.click(rowCentre(form.combobox2, pupil, &form));
    robot.click(rowCentre(form.ListBox1, teacher, &form));
}

// Windows a test left open (registration, password change ...) go with it, so
// that the next test's look-up by class never finds an earlier test's window.
inline void closeOtherWindows(const QWidget *form)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != form && w->isVisible() && w->isWindow())
            w->close();
    flushDeletes();
}
}
