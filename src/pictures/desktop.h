#pragma once
#include "pictures/kit.h"

#include <QList>
#include <QPair>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// The school desktop the work-environment exercises show: the wallpaper, shortcut
// icons on a fixed grid, the task bar with its wide start button, the classic
// pop-up menus (desktop context menu, arrangement submenu ...), the start menu of
// a session and the image editor's window. Every rectangle returned is in the
// picture's own coordinates, so a window places its hot spots from the same numbers.
namespace Desktop {

// ---- icon grid ---------------------------------------------------------------------

// Icons stand in columns 88 pixels apart; rows are 75 pixels apart from the first
// one, in the desktop picture's coordinates.
constexpr int GridLeft = 4;
constexpr int GridTop = 300;
constexpr int ColumnPitch = 88;
constexpr int RowPitch = 75;
constexpr int GridRows = 6;

struct Icon
{
    QString theme;     // Breeze icon name
    QString caption;
    int column = 0;
    int row = 0;
};

// The tile (icon and caption) of a grid cell.
QRect iconTile(int column, int row);
// The school desktop's shortcuts; with the saved picture keyboard3v3.jpg in the top
// row or not.
QList<Icon> schoolIcons(bool withSavedPicture);
// The same icons arranged by type: top to bottom, then the next column, from the
// grid row 'firstRow' (which may lie above the usual first one).
QList<Icon> arrangedByType(const QList<Icon> &icons, int firstRow, int rows);
inline const QString SavedPictureCaption = QStringLiteral("keyboard3v3.jpg");

// ---- the whole desktop -------------------------------------------------------------

constexpr int TaskBarHeight = 40;
constexpr int StartButtonWidth = PictureKit::StartButtonWidth;

// The task bar filling 'rect', its buttons on its top row of TaskBarHeight (a taller
// bar is one the user pulled up); returns the start button.
QRect paintTaskBar(QPainter &painter, const QRect &rect, const QStringList &tasks = {});
// Wallpaper, icons and task bar over the whole 'size'.
void paintDesktop(QPainter &painter, const QSize &size, const QList<Icon> &icons, int taskBarHeight = TaskBarHeight);
// The part 'window' of a desktop of 'desktopSize' with these icons, drawn at (0, 0),
// so that it lies seamlessly over the whole desktop.
void paintDesktopPart(QPainter &painter, const QSize &desktopSize, const QRect &window, const QList<Icon> &icons);

// ---- classic pop-up menus ----------------------------------------------------------

// A pop-up drawn in a fixed frame (the picture's size): items stacked with one
// height, separators with another; the item 'anchor' has its top at 'anchorTop' and
// the others are stacked above and below it, so that an entry lies exactly under
// the hot spot placed for it.
struct Popup
{
    QList<PictureKit::MenuItem> items;
    int itemHeight = 20;
    int separatorHeight = 7;
    int anchor = 0;
    int anchorTop = 3;
    int bold = -1;          // the default entry, in bold
    int highlighted = -1;
};
QList<QRect> popupLayout(const QRect &frame, const Popup &popup);
QList<QRect> paintPopup(QPainter &painter, const QRect &frame, const Popup &popup);

// The desktop's own context menu (its first entry arranges the icons, at
// 'firstTop') and the arrangement submenu (by name, size, type, date, then the
// display options; "Type" at 'typeTop').
Popup desktopContextMenu(int firstTop);
Popup arrangeIconsMenu(int typeTop);
constexpr int ArrangeByTypeIndex = 2;

// ---- start menu of a session -------------------------------------------------------

struct StartMenuGeometry
{
    QRect logOff;
    QRect shutDown;
};
// A start menu filling 'size' whose two bottom buttons are at the given places.
void paintSessionStartMenu(QPainter &painter, const QSize &size, const QString &user, const QRect &logOff,
                           const QRect &shutDown);

// ---- the save-as dialog -------------------------------------------------------------

// Every place is given, in the dialog picture's coordinates, by the window that
// lays its hot spots over it.
struct SaveDialog
{
    QString caption = QStringLiteral("Enregistrer sous");
    QString folder;               // the "Enregistrer dans" box
    QString folderIcon = QStringLiteral("folder");
    QList<QPair<QString, QString>> entries;   // icon, name
    int selectedEntry = -1;
    QString fileName;
    bool fileNameSelected = false;
    QString fileType = QStringLiteral("JPEG (*.jpg;*.jpeg)");
    QRect placesBar;              // empty: no bar of places
    int placeHeight = 68;
    int currentPlace = -1;        // 0 recent, 1 desktop, 2 documents, 3 computer, 4 network
    QRect folderBox;
    QRect upButton;
    QRect newFolderButton;
    QRect viewButton;
    QRect list;
    QRect nameField;
    QRect typeField;
    QRect saveButton;
    QRect cancelButton;
};
// The place of the bar (0 .. 4).
QRect saveDialogPlace(const SaveDialog &dialog, int index);
void paintSaveDialog(QPainter &painter, const QSize &size, const SaveDialog &dialog);

}
