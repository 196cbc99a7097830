#pragma once
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// The file explorer of the school computers: frame and title bar, menu bar, tool
// bar with its folders button, address bar, a task pane or the folder tree with its
// expanders, and the right pane as tiles (the computer's drives) or as a details
// list with its column headers and the sort mark. Icons come from the Breeze theme.
// All rectangles are in the explorer picture's own coordinates; the windows that
// show it place their hot spots from the same functions.
namespace Explorer {

constexpr int MenuTop = 31;
constexpr int MenuHeight = 24;
constexpr int ToolBarTop = 55;
constexpr int ToolBarHeight = 44;
constexpr int AddressTop = 99;
constexpr int PaneTop = 116;
constexpr int StatusHeight = 22;
constexpr int TaskPaneWidth = 216;
constexpr int TreePaneWidth = 240;
constexpr int ListLeftWithTree = 246;
constexpr int HeaderHeight = 18;
constexpr int RowHeight = 17;
constexpr int TreeTop = 139;
constexpr int TreeRowHeight = 17;
constexpr int TreeIndent = 16;
constexpr QSize TileSize{217, 33};

constexpr QRect FileMenuTitle{0, 28, 57, 28};
constexpr QRect FoldersButton{296, 57, 89, 40};

enum class Expander { None, Collapsed, Expanded };

struct TreeItem
{
    QString text;
    QString icon;
    int depth = 0;
    Expander expander = Expander::None;
    bool selected = false;
};

struct Column
{
    QString title;
    int width = 100;
    bool alignRight = false;
};

// One line of the details list; the texts are the columns' in order.
struct Row
{
    QString icon;
    QStringList cells;
};

struct Tile
{
    QString icon;
    QString name;
    QString detail;
};

struct TileGroup
{
    QString title;
    QList<Tile> tiles;
};

struct View
{
    QString caption;
    QString address;
    QString icon = QStringLiteral("folder");
    bool tree = false;
    QList<TreeItem> treeItems;
    bool details = true;                // false: tiles in groups
    QList<Column> columns;
    int sortColumn = -1;                // the column carrying the sort mark
    QList<Row> rows;
    int selectedRow = -1;
    int editingRow = -1;                // its name box open for editing
    QList<TileGroup> groups;
    QString status;
};

// The left edge of the right pane.
int contentLeft(const View &view);
// The bar of column headers, one of its sections, a whole row and the name cell
// (icon and name) of a row.
QRect headerBar(const View &view, int width);
QRect headerSection(const View &view, int column);
QRect rowRect(const View &view, int row, int width);
QRect nameCell(const View &view, int row);
// The name box of a row in edit mode.
QRect nameEditBox(const View &view, int row);
// A row of the folder tree (icon and text at its depth).
QRect treeCell(int index, int depth, int textWidth = 120);
// A tile of a group: 'group' counts from the top, 'index' from the left.
QRect tileRect(const View &view, int group, int index);

void paint(QPainter &painter, const QSize &size, const View &view);

// The picture of a file being dragged: its icon and name.
void paintDraggedFile(QPainter &painter, const QSize &size, const QString &icon, const QString &name);

// The used and free space of a drive: the legend, the pie chart and the drive's
// name; drawn at 'rect' (the properties dialog shows it in its General tab).
struct DriveSpace
{
    QString label;            // under the pie: "Lecteur C:"
    QString name;             // the drive: "Disque local (C:)"
    QString used;             // "28,4 Go"
    QString free;
    QString capacity;
    QString usedBytes;
    QString freeBytes;
    QString capacityBytes;
    double usedFraction = 0.6;
};
void paintDriveSpace(QPainter &painter, const QRect &rect, const DriveSpace &space);
// The drive's properties dialog filling 'size'; its OK button at 'okButton'.
void paintDriveProperties(QPainter &painter, const QSize &size, const DriveSpace &space, const QRect &okButton);
}
