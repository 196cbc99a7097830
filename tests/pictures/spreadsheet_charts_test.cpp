#include "pictures/charts.h"
#include "pictures/spreadsheet.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace Spreadsheet;

TEST(SpreadsheetFamily, ToolRowsPutTheAnchorToolExactlyOnItsRectangle)
{
    const QList<Tool> tools{Tool::New, Tool::Open, Tool::Separator, Tool::Print, Tool::Separator, Tool::Chart, Tool::Help};
    const QRect chart(548, 0, 27, 25);
    const QList<ToolSlot> row = toolRow(tools, Tool::Chart, chart, 28, 8);
    EXPECT_EQ(toolRect(row, Tool::Chart), chart);
    EXPECT_EQ(toolRect(row, Tool::Print), QRect(548 - 8 - 28, 0, 27, 25));
    EXPECT_EQ(toolRect(row, Tool::New).left(), 548 - 8 - 28 - 8 - 28 - 28);
    EXPECT_EQ(toolRect(row, Tool::Help).left(), 548 + 28);
    EXPECT_TRUE(toolRect(row, Tool::Zoom).isNull());
}

TEST(SpreadsheetFamily, CellsSitWhereTheSheetDrawsThem)
{
    Sheet sheet;
    sheet.origin = QPoint(9, 102);
    sheet.headerWidth = 30;
    sheet.headerHeight = 20;
    sheet.columnWidths = {65, 70};
    sheet.rowHeight = 20;
    EXPECT_EQ(cellRect(sheet, 1, 8), QRect(39, 262, 65, 20));
    EXPECT_EQ(cellRect(sheet, 2, 1), QRect(104, 122, 70, 20));
    EXPECT_EQ(cellRect(sheet, 4, 1).left(), 104 + 140);   // the last width repeats
    EXPECT_EQ(columnName(1), QStringLiteral("A"));
    EXPECT_EQ(columnName(26), QStringLiteral("Z"));
    EXPECT_EQ(columnName(27), QStringLiteral("AA"));

    // A dark cell background is painted inside its own rectangle only.
    sheet.cells.insert(QStringLiteral("B3"), Cell{QStringLiteral("x"), Qt::AlignLeft, false, QColor(10, 200, 10)});
    QImage image(400, 300, QImage::Format_ARGB32);
    image.fill(Qt::black);
    {
        QPainter p(&image);
        paintSheet(p, QRect(0, 0, 400, 300), sheet);
    }
    const QRect b3 = cellRect(sheet, 2, 3);
    EXPECT_EQ(QColor(image.pixel(b3.center() + QPoint(20, 0))), QColor(10, 200, 10));
    EXPECT_EQ(QColor(image.pixel(cellRect(sheet, 3, 3).center())), QColor(Qt::white));
}

TEST(Charts, ValueStepsAreRoundAndTheLegendIsOnlyWhereAsked)
{
    EXPECT_DOUBLE_EQ(Charts::niceStep(8), 2);
    EXPECT_DOUBLE_EQ(Charts::niceStep(160), 50);
    EXPECT_DOUBLE_EQ(Charts::niceStep(0), 1);
    EXPECT_DOUBLE_EQ(Charts::niceStep(1000), 200);

    Charts::Chart chart;
    chart.kind = Charts::Chart::Kind::Columns;
    chart.categories = {QStringLiteral("a"), QStringLiteral("b")};
    chart.series = {Charts::Series{QStringLiteral("s"), {6, 8}, QColor(200, 0, 0)}};
    chart.legend = false;
    QImage image(320, 280, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QRect plot;
    {
        QPainter p(&image);
        plot = Charts::paintChart(p, image.rect(), chart);
    }
    // Without a legend the plot takes the width; the taller column reaches higher.
    EXPECT_GT(plot.right(), 290);
    auto columnTop = [&](int x) {
        for (int y = plot.top(); y < plot.bottom(); ++y)
            if (QColor(image.pixel(x, y)) == QColor(200, 0, 0))
                return y;
        return -1;
    };
    const int slot = plot.width() / 2;
    const int a = columnTop(plot.left() + slot / 2), b = columnTop(plot.left() + slot + slot / 2);
    ASSERT_GT(a, 0);
    ASSERT_GT(b, 0);
    EXPECT_LT(b, a);
    EXPECT_NEAR(double(plot.bottom() - b) / (plot.bottom() - a), 8.0 / 6.0, 0.05);
}
