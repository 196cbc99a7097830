#pragma once
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class QPainter;

// An image editor as the image exercise shows it: its frame and title, its menu
// bar, two tool bars (the second one with the brightness, contrast, saturation and
// gamma buttons), the drawing-tool palette, a work area and its menus. Everything
// is in the editor's own coordinates (its top left at 0, 0), so that the pictures
// and the hot spots laid over them take the same rectangles.
namespace ImageEditor {

constexpr QSize Size{900, 646};
constexpr QRect TitleBar{0, 0, 900, 25};
constexpr QRect MenuBar{0, 25, 900, 24};
constexpr int ToolTop[2] = {50, 78};
constexpr int ToolHeight = 26;
constexpr QRect WorkArea{0, 105, 900, 519};
constexpr QRect Palette{704, 105, 65, 424};
constexpr QRect StatusBar{0, 624, 900, 22};

// ---- menu bar ----------------------------------------------------------------------
enum Menu { File, Edit, Image, Selection, Adjust, Filter, View, Tools, Window, Help, MenuCount };
QStringList menuTitles();
// The title's rectangle in the menu bar.
QRect menuTitle(int menu);

// ---- tool bars ---------------------------------------------------------------------
enum class Glyph { Theme, Brightness, Contrast, Saturation, Gamma, Levels, AutoContrast, ZoomBox };
struct Tool
{
    QString hint;            // the tooltip; empty for the zoom box
    QString icon;            // theme name for Glyph::Theme
    Glyph glyph = Glyph::Theme;
    int sign = 0;            // -1 or +1 for the paired adjustments
    bool groupStart = false; // a separator before it
};
// row 0: file, history, colours, image size, tools, zoom; row 1: the adjustments,
// filters and transformations.
QList<Tool> tools(int row);
QList<QRect> toolRects(int row);
// Index in row 1 of the two brightness buttons, in row 0 of the image-size button.
constexpr int BrightnessDown = 2;
constexpr int BrightnessUp = 3;
constexpr int ImageSizeTool = 10;

// ---- menus -------------------------------------------------------------------------
struct Line
{
    QString text;            // empty: a separator
    QString shortcut;
    bool submenu = false;
};
struct MenuPicture
{
    QList<Line> lines;
    int width = 200;
    int itemHeight = 22;
    int separatorHeight = 9;
    int inset = 3;           // above the first line and below the last
    int textLeft = 30;       // a narrow submenu has no icon gutter
};
MenuPicture menu(int menu);
// The recent-files submenu of the File menu.
MenuPicture recentFiles();
QSize menuSize(const MenuPicture &menu);
// One rectangle per line (separators too) in the menu's own coordinates.
QList<QRect> lineRects(const MenuPicture &menu);
// Where each menu drops: under its title.
QPoint menuTopLeft(int menu);

// Indices of the lines the exercise makes live.
constexpr int FileRecent = 2;
constexpr int FileSaveAs = 4;
constexpr int ImageImageSize = 6;
constexpr int AdjustBrightnessContrast = 0;
constexpr int RecentSunset = 2;
inline const QString SunsetFile = QStringLiteral("Coucher de soleil.jpg");

// ---- painting ----------------------------------------------------------------------
// The whole editor, titled "PhotoFiltre - [caption]" (just the program's name when
// caption is empty), with an empty work area; the status bar gives the open image's
// size.
void paintEditor(QPainter &painter, const QString &caption, const QSize &imageSize = QSize(800, 600));

// The editor's window at any size: its title bar (the close box at 'closeBox'), the
// menu and tool bars under it, the grey work area with the tool palette at
// 'palette' and the status bar at the bottom.
struct Chrome
{
    QSize size;
    int titleHeight;
    QRect closeBox;
    QRect palette;
};
void paintChrome(QPainter &painter, const Chrome &chrome, const QString &document, const QString &status);
void paintToolPalette(QPainter &painter, const QRect &palette);
// "PhotoFiltre - [document]", or the program's name alone.
QString windowCaption(const QString &document);

// ---- the editor in a smaller window ------------------------------------------------
// The storage and data-security exercises show the editor 599 pixels wide, its title
// bar 32 high; a picture may be wider, the rest left transparent.
constexpr int SmallWidth = 599;
constexpr int SmallTitleHeight = 32;
constexpr QRect SmallFileMenuTitle{2, 32, 48, 24};
constexpr QRect SmallCloseButton{577, 6, 22, 22};
// With 'document' not empty, that picture (the labelled keyboard) open in it.
void paintSmallEditor(QPainter &painter, const QSize &size, const QString &document);
// The labelled keyboard the pupils open.
void paintKeyboardPicture(QPainter &painter, const QRect &rect);
// The File menu filling 'size', its line 'line' drawn over 'row' (the hot spot
// laid over it) and the other lines as high.
void paintSmallFileMenu(QPainter &painter, const QSize &size, int line, const QRect &row);
void paintMenu(QPainter &painter, const QPoint &topLeft, const MenuPicture &menu, int highlighted = -1);
// The editor's own logo (a framed landscape with a brush), for the title bar and
// the desktop shortcut.
void paintLogo(QPainter &painter, const QRect &rect);
// One tool button's glyph inside 'rect'.
void paintToolGlyph(QPainter &painter, const QRect &rect, const Tool &tool);
QString programName();
// The theme name under which PictureKit::paintIcon() draws the logo.
inline const QString Icon = QStringLiteral("image-editor-photofiltre");
}
