#include "support/pupilmenus.h"

#include "support/pupilrobot.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace {
QString caption(const QAction *action) { return action->text().remove(QLatin1Char('&')); }

QString shown(const QStringList &path) { return path.join(QStringLiteral(" > ")); }

// The entry of these actions that bears this caption, if the pupil can choose it;
// otherwise a test failure that names the path so far.
QAction *usableEntry(const QList<QAction *> &actions, const QStringList &path, qsizetype depth)
{
    const std::string where = "\"" + path[depth].toStdString() + "\" on the path " + shown(path).toStdString();
    for (QAction *action : actions) {
        if (action->isSeparator() || caption(action) != path[depth])
            continue;
        if (!action->isVisible())
            ADD_FAILURE() << "menu entry hidden: " << where;
        else if (!action->isEnabled())
            ADD_FAILURE() << "menu entry disabled (greyed): " << where;
        else
            return action;
        return nullptr;
    }
    ADD_FAILURE() << "no menu entry " << where;
    return nullptr;
}

// Walks an open menu down the path from 'depth': hovers each submenu entry until
// its submenu shows, then clicks the last entry.
bool walk(QMenu *menu, const QStringList &path, qsizetype depth)
{
    for (; depth < path.size(); ++depth) {
        if (!menu || !menu->isVisible()) {
            ADD_FAILURE() << "the menu did not open: \"" << path[std::max<qsizetype>(depth - 1, 0)].toStdString() << "\" on the path "
                          << shown(path).toStdString();
            return false;
        }
        QAction *entry = usableEntry(menu->actions(), path, depth);
        if (!entry)
            return false;
        PupilRobot pointer(menu);
        const QPoint at = menu->actionGeometry(entry).center();
        if (depth + 1 == path.size()) {
            pointer.hover(at);
            pointer.click(at);
            return true;
        }
        QMenu *sub = entry->menu();
        if (!sub) {
            ADD_FAILURE() << "no submenu under \"" << path[depth].toStdString() << "\" on the path "
                          << shown(path).toStdString();
            return false;
        }
        // A menu opens its submenu a moment after the pointer rests on the entry.
        pointer.hover(at + QPoint(1, 0));
        pointer.hover(at);
        QTest::qWaitFor([sub] { return sub->isVisible(); }, 2000);
        menu = sub;
    }
    return true;
}
}

namespace PupilMenus {

bool choose(QWidget *window, const QStringList &path)
{
    QMenuBar *bar = window ? window->findChild<QMenuBar *>() : nullptr;
    if (!bar || path.isEmpty()) {
        ADD_FAILURE() << "no menu bar for " << shown(path).toStdString();
        return false;
    }
    while (QWidget *open = QApplication::activePopupWidget())
        open->close();
    QAction *title = usableEntry(bar->actions(), path, 0);
    if (!title)
        return false;
    PupilRobot robot(window);
    const QPoint at = bar->mapTo(window, bar->actionGeometry(title).center());
    if (robot.widgetAt(at) != bar) {
        ADD_FAILURE() << "the menu bar is covered on the path " << shown(path).toStdString();
        return false;
    }
    robot.click(at);
    return walk(title->menu(), path, 1);
}

bool choose(QWidget *window, QAction *item)
{
    // The captions from the bar's title down to the item.
    const std::function<bool(const QList<QAction *> &, QStringList &)> find =
        [&](const QList<QAction *> &actions, QStringList &path) {
            for (QAction *a : actions) {
                path << caption(a);
                if (a == item || (a->menu() && find(a->menu()->actions(), path)))
                    return true;
                path.removeLast();
            }
            return false;
        };
    QMenuBar *bar = window ? window->findChild<QMenuBar *>() : nullptr;
    QStringList path;
    if (!item || !bar || !find(bar->actions(), path)) {
        ADD_FAILURE() << "the menu bar holds no item " << (item ? caption(item).toStdString() : "(none)");
        return false;
    }
    return choose(window, path);
}

bool chooseInPopup(const QStringList &path)
{
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (!menu) {
        ADD_FAILURE() << "no popup menu open for " << shown(path).toStdString();
        return false;
    }
    return walk(menu, path, 0);
}
}
