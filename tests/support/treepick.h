#pragma once
#include "support/pupilmenus.h"
#include "support/pupilrobot.h"
#include "widgets/foldertree.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

// The window point of a tree entry (scrolled into view first).
inline QPoint treeEntryPoint(FolderTree *tree, QTreeWidgetItem *item, QWidget *window)
{
    tree->scrollToItem(item);
    return tree->viewport()->mapTo(window, tree->visualItemRect(item).center());
}

// Unfolds the path with double clicks, as a pupil does, and clicks its last entry.
inline void pickInTree(PupilRobot &robot, FolderTree *tree, const QStringList &path)
{
    for (int i = 0; i < path.size(); ++i) {
        QTreeWidgetItem *item = tree->itemAt(path.mid(0, i + 1));
        ASSERT_TRUE(item) << "no entry " << path.mid(0, i + 1).join(QLatin1Char('/')).toStdString();
        const QPoint at = treeEntryPoint(tree, item, robot.window());
        ASSERT_EQ(robot.widgetAt(at), tree->viewport()) << "the tree is covered there";
        if (i + 1 < path.size()) {
            robot.doubleClick(at);
            EXPECT_TRUE(item->isExpanded());
        } else {
            robot.click(at);
        }
    }
}

// The context menu open now, or nullptr.
inline QMenu *openMenu()
{
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

// Clicks the item of the open context menu that bears this text.
inline bool chooseInMenu(const QString &text) { return PupilMenus::chooseInPopup({text}); }
