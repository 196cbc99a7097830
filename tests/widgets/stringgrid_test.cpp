#include "support/pupilrobot.h"
#include "widgets/stringgrid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {
struct Grid
{
    Grid() : grid(5, 6)
    {
        grid.setColumnWidth(0, 30);
        for (int c = 1; c < 5; ++c)
            grid.setColumnWidth(c, 50);
        grid.setRowHeights(20);
        grid.resize(260, 160);
        grid.show();
        robot.setWindow(&grid);
    }
    QPoint at(int column, int row) const { return grid.cellRect(column, row).center(); }
    StringGrid grid;
    PupilRobot robot;
};
}

TEST(StringGrid, HeadersAreCellsOfColumnAndRowZeroAndReferencesReadAsASpreadsheetWrites)
{
    Grid g;
    g.grid.setCell(2, 0, QStringLiteral("B"));
    g.grid.setCell(0, 3, QStringLiteral("3"));
    g.grid.setCell(2, 3, QStringLiteral("x"));
    EXPECT_EQ(g.grid.cell(2, 0), QStringLiteral("B"));
    EXPECT_EQ(g.grid.cell(0, 3), QStringLiteral("3"));
    EXPECT_EQ(g.grid.cell(2, 3), QStringLiteral("x"));
    EXPECT_TRUE(g.grid.cell(0, 0).isEmpty());
    EXPECT_TRUE(g.grid.cell(9, 9).isEmpty()) << "outside the grid reads empty";
    g.grid.setCell(9, 9, QStringLiteral("ignored"));
    EXPECT_EQ(StringGrid::reference({1, 5, 2, 8}), QStringLiteral("A5:B8"));
    EXPECT_EQ(StringGrid::reference({3, 4, 3, 4}), QStringLiteral("C4"));
    EXPECT_EQ(StringGrid::reference({3, 4, 3, 4}, true), QStringLiteral("C4:C4"));
    EXPECT_EQ(g.grid.cellAt(g.at(3, 2)), QPoint(3, 2));
    EXPECT_EQ(g.grid.cellAt(g.at(0, 2)), QPoint(-1, -1)) << "a header is no ordinary cell";
}

TEST(StringGrid, DragsGiveOrderedRectanglesAndHeadersAndRightClicksKeepTheSelection)
{
    Grid g;
    QSignalSpy downs(&g.grid, &StringGrid::mouseDown);
    g.robot.drag(g.at(4, 5), g.at(2, 1));
    EXPECT_EQ(g.grid.selection(), (StringGrid::Selection{2, 1, 4, 5}));
    EXPECT_EQ(g.grid.currentCell(), QPoint(2, 1));
    g.robot.click(g.at(3, 0));
    g.robot.rightClick(g.at(1, 1));
    EXPECT_EQ(g.grid.selection(), (StringGrid::Selection{2, 1, 4, 5}));
    EXPECT_EQ(downs.count(), 3) << "every press is noticed, headers included";
    // Dragging past the last cell stops at it.
    g.robot.drag(g.at(3, 3), QPoint(g.grid.width() + 40, g.grid.height() + 40));
    EXPECT_EQ(g.grid.selection(), (StringGrid::Selection{3, 3, 4, 5}));
}

TEST(StringGrid, ArrowsMoveWithinTheOrdinaryCellsAndPrintableKeysAreHandedOn)
{
    Grid g;
    QSignalSpy typed(&g.grid, &StringGrid::textTyped);
    QSignalSpy moved(&g.grid, &StringGrid::cellSelected);
    g.grid.setFocus();
    g.grid.selectCell(1, 1);
    g.robot.key(Qt::Key_Up, Qt::NoModifier, &g.grid);
    g.robot.key(Qt::Key_Left, Qt::NoModifier, &g.grid);
    EXPECT_EQ(g.grid.currentCell(), QPoint(1, 1));
    g.robot.key(Qt::Key_Down, Qt::NoModifier, &g.grid);
    g.robot.key(Qt::Key_Right, Qt::ShiftModifier, &g.grid);
    EXPECT_EQ(g.grid.selection(), (StringGrid::Selection{1, 2, 2, 2}));
    g.robot.key(Qt::Key_End, Qt::NoModifier, &g.grid);
    EXPECT_EQ(g.grid.currentCell(), QPoint(4, 2));
    EXPECT_GE(moved.count(), 3);
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("é"));
    QApplication::sendEvent(&g.grid, &accented);
    ASSERT_EQ(typed.count(), 1);
    EXPECT_EQ(typed.at(0).at(0).toString(), QStringLiteral("é"));
    EXPECT_EQ(g.grid.cell(4, 2), QString()) << "the grid itself is not edited";
}
