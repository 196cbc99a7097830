#pragma once
#include <QColor>
#include <QHash>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <Qt>

class QPainter;

// The spreadsheet family: the pieces of an office spreadsheet's window (tool bars
// with their icons, the name box and formula bar, the grid with its column letters
// and row numbers, the sheet tabs), shared by every picture of a spreadsheet. Each
// piece returns where it drew what a hot spot or a live field may cover.
namespace Spreadsheet {

enum class Tool {
    Separator, New, Open, Save, Mail, EditFile, ExportPdf, Print, Preview, Spelling, Cut, Copy, Paste,
    FormatPaintbrush, Undo, Redo, Hyperlink, SortAscending, SortDescending, Chart, Draw, Find, Navigator,
    Zoom, Help, Bold, Italic, Underline, AlignLeft, AlignCenter, AlignRight, Currency, Percent,
    MoreDecimals, FewerDecimals, Borders, Background, FontColour
};

struct ToolSlot
{
    Tool tool = Tool::Separator;
    QRect rect;
};

// A row of tool buttons 'button' large, 'pitch' apart, separators 'separatorWidth' wide,
// placed so that the 'anchor' tool lands exactly on 'anchorRect'.
QList<ToolSlot> toolRow(const QList<Tool> &tools, Tool anchor, const QRect &anchorRect, int pitch,
                        int separatorWidth = 8);
QRect toolRect(const QList<ToolSlot> &row, Tool tool);
// The band behind tool bars, then the buttons.
void paintToolBand(QPainter &painter, const QRect &band);
void paintToolRow(QPainter &painter, const QList<ToolSlot> &row);
// The insert-chart icon: three columns and a line, drawn.
void paintChartIcon(QPainter &painter, const QRectF &rect);
void paintToolIcon(QPainter &painter, Tool tool, const QRect &rect);

// A menu-bar strip with the spreadsheet's usual titles (or the given ones).
QStringList standardMenus();
void paintMenuStrip(QPainter &painter, const QRect &strip, const QStringList &titles = standardMenus());

// The name box at 'nameBox', the function icons after it and the input line from
// 'inputLeft' to the right end of 'row'. Returns the input line's rectangle.
QRect paintFormulaBar(QPainter &painter, const QRect &row, const QRect &nameBox, int inputLeft,
                      const QString &name, const QString &formula);

// One cell of a drawn sheet.
struct Cell
{
    QString text;
    Qt::Alignment alignment = Qt::AlignLeft;   // numbers: set right, or use number()
    bool bold = false;
    QColor background = Qt::white;
    QColor colour = Qt::black;
    static Cell number(const QString &text) { return Cell{text, Qt::AlignRight}; }
};

// A sheet drawn from its geometry: the corner at 'origin', column A starts at
// origin.x() + headerWidth, row 1 at origin.y() + headerHeight.
struct Sheet
{
    QPoint origin;
    int headerWidth = 30;
    int headerHeight = 18;
    QList<int> columnWidths;          // A, B, C ...; the last one repeats to the right
    int rowHeight = 17;
    int firstColumn = 1;              // the letter of the first drawn column (1 = A)
    QHash<QString, Cell> cells;       // by reference: "B5"
    QString current;                  // the cell drawn with the cursor frame, or none
    QColor gridColour = QColor(200, 200, 200);
};
int columnWidth(const Sheet &sheet, int column);
// The rectangle of a cell (column 1 = A, row 1), in the picture's coordinates.
QRect cellRect(const Sheet &sheet, int column, int row);
QString columnName(int column);
// Draws the sheet inside 'area' (headers and every cell that fits).
void paintSheet(QPainter &painter, const QRect &area, const Sheet &sheet);

// Sheet tabs with their scroll arrows at the left; one rectangle per tab.
QList<QRect> paintSheetTabs(QPainter &painter, const QRect &strip, const QStringList &tabs, int current = 0);
void paintStatusBar(QPainter &painter, const QRect &strip, const QStringList &fields);
}
