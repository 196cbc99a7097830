#pragma once
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <Qt>

class QPainter;
class QWidget;

// The drawing vocabulary every picture of the program is made of: window frames,
// menus, tool bars, native-looking controls, document pages, web-page blocks and a
// desktop. Functions that draw something a hot spot may cover return its rectangle,
// so that the picture and the window placing the hot spot use the same numbers.
namespace PictureKit {

// ---- fonts, colours and icons ------------------------------------------------------

// The interface font of the drawn software, 'pixels' high.
QFont uiFont(int pixels = 12, bool bold = false);
// A Breeze icon by its theme name ("document-new", "edit-copy" ...). Call
// installAppearance() first, or it is empty under the offscreen platform.
QIcon themeIcon(const QString &name);
void paintIcon(QPainter &painter, const QRect &rect, const QString &themeName);
// A program's own icon, drawn rather than taken from the theme: paintIcon() with
// 'name' draws it wherever the program shows up (title bar, shortcut, start menu),
// so that a program looks the same in every picture.
using IconPainter = void (*)(QPainter &painter, const QRect &rect);
bool addDrawnIcon(const QString &name, IconPainter paint);

namespace Colours {
inline const QColor Window(239, 240, 241);
inline const QColor Border(188, 190, 191);
inline const QColor Highlight(61, 174, 233);
inline const QColor HighlightText(255, 255, 255);
inline const QColor Text(35, 38, 41);
inline const QColor Disabled(160, 162, 164);
inline const QColor Link(26, 13, 171);
inline const QColor TaskBar(35, 38, 45, 235);
}

// ---- windows -----------------------------------------------------------------------

constexpr int TitleBarHeight = 30;

struct WindowFrame
{
    QString caption;
    QString icon;            // theme name; empty: no icon
    bool active = true;
    bool maximised = false;
    bool minimiseButton = true;
    bool maximiseButton = true;
};

// Where the frame's parts are once drawn in 'outer'.
struct WindowFrameGeometry
{
    QRect titleBar;
    QRect icon;
    QRect minimise;
    QRect maximise;
    QRect close;
    QRect client;
};
WindowFrameGeometry windowFrameGeometry(const QRect &outer, const WindowFrame &frame);
// Draws the frame and title bar, fills the client area with the window colour and
// returns the client rectangle.
QRect paintWindowFrame(QPainter &painter, const QRect &outer, const WindowFrame &frame);

// ---- menus -------------------------------------------------------------------------

constexpr int MenuBarHeight = 24;

// The items of a menu bar laid out from 'bar.left()'; one rectangle per title.
QList<QRect> menuBarLayout(const QRect &bar, const QStringList &titles);
QList<QRect> paintMenuBar(QPainter &painter, const QRect &bar, const QStringList &titles, int highlighted = -1);

struct MenuItem
{
    QString text;             // '&' marks the underlined letter; empty + separator: a line
    QString shortcut;         // "Ctrl+C"
    QString icon;             // theme name
    bool separator = false;
    bool checkable = false;
    bool checked = false;
    bool submenu = false;
    bool enabled = true;

    static MenuItem line()
    {
        MenuItem item;
        item.separator = true;
        return item;
    }
};

constexpr int MenuItemHeight = 24;
constexpr int MenuSeparatorHeight = 9;

// The size of the pop-up for these items (at least 'minimumWidth' wide).
QSize menuSize(const QList<MenuItem> &items, int minimumWidth = 0);
// One rectangle per item (separators included) of a pop-up whose top left is 'topLeft'.
QList<QRect> menuLayout(const QPoint &topLeft, const QList<MenuItem> &items, int minimumWidth = 0);
QList<QRect> paintMenu(QPainter &painter, const QPoint &topLeft, const QList<MenuItem> &items,
                       int highlighted = -1, int minimumWidth = 0);

// ---- tool bars ---------------------------------------------------------------------

struct ToolButton
{
    QString icon;            // theme name; empty with separator
    QString text;            // shown beside the icon when not empty
    bool separator = false;
    bool down = false;
    bool enabled = true;

    static ToolButton line()
    {
        ToolButton button;
        button.separator = true;
        return button;
    }
};

// One rectangle per button (and separator) of a bar starting at 'bar.left()'.
QList<QRect> toolBarLayout(const QRect &bar, const QList<ToolButton> &buttons, int iconSize = 22);
QList<QRect> paintToolBar(QPainter &painter, const QRect &bar, const QList<ToolButton> &buttons,
                          int iconSize = 22);

// ---- controls (drawn by the Fusion style) ------------------------------------------

void paintTextField(QPainter &painter, const QRect &rect, const QString &text = {}, bool focused = false,
                    bool masked = false);
void paintButton(QPainter &painter, const QRect &rect, const QString &text, bool isDefault = false,
                 bool pressed = false, const QString &icon = {});
// The box or the disc sits at the left of 'rect', the text after it.
void paintCheckBox(QPainter &painter, const QRect &rect, const QString &text, bool checked);
void paintRadioButton(QPainter &painter, const QRect &rect, const QString &text, bool checked);
void paintComboBox(QPainter &painter, const QRect &rect, const QString &text, bool editable = false);
void paintSpinBox(QPainter &painter, const QRect &rect, const QString &text);
void paintGroupBox(QPainter &painter, const QRect &rect, const QString &title);
void paintLabel(QPainter &painter, const QRect &rect, const QString &text,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
// Tabs laid out from 'bar.left()'; one rectangle per tab.
QList<QRect> tabLayout(const QRect &bar, const QStringList &titles);
QList<QRect> paintTabs(QPainter &painter, const QRect &bar, const QStringList &titles, int current);
// A tab widget: the tabs on top and the page frame below; returns the page rectangle.
QRect paintTabWidget(QPainter &painter, const QRect &rect, const QStringList &titles, int current);
// 'position' and 'page' are fractions of the whole length (0..1).
void paintScrollBar(QPainter &painter, const QRect &rect, Qt::Orientation orientation, qreal position = 0,
                    qreal page = 0.3);
// One rectangle per section, laid from the left; the last one takes the rest.
QList<QRect> paintStatusBar(QPainter &painter, const QRect &rect, const QStringList &sections);



// ---- web pages ---------------------------------------------------------------------

// A site banner: coloured band, a round emblem with the initials, title and subtitle.
void paintWebBanner(QPainter &painter, const QRect &rect, const QString &title, const QString &subtitle,
                    const QColor &colour);
// A navigation bar; one rectangle per item.
QList<QRect> paintWebNav(QPainter &painter, const QRect &rect, const QStringList &items, const QColor &colour,
                         int current = -1);
// A heading whose top left is 'topLeft' (level 1 to 3); returns its rectangle.
QRect paintWebHeading(QPainter &painter, const QPoint &topLeft, const QString &text, int level = 1,
                      const QColor &colour = QColor(30, 50, 90));
// Word-wrapped text inside 'rect.width()'; returns the rectangle it took.
QRect paintWebParagraph(QPainter &painter, const QRect &rect, const QString &text, int pixels = 13);
// Underlined link text; returns its rectangle.
QRect paintWebLink(QPainter &painter, const QPoint &topLeft, const QString &text, int pixels = 13);
enum class WebImage { Landscape, Building, People, Chart, Book, Computer };
void paintWebImage(QPainter &painter, const QRect &rect, WebImage kind);
void paintWebFooter(QPainter &painter, const QRect &rect, const QString &text, const QColor &colour);

// ---- desktop -----------------------------------------------------------------------

void paintWallpaper(QPainter &painter, const QRect &rect);
// An icon of 48 pixels with its caption (two lines at most) under it; returns the
// whole tile, DesktopIconSize large.
constexpr QSize DesktopIconSize(80, 86);
QRect paintDesktopIcon(QPainter &painter, const QPoint &topLeft, const QString &icon, const QString &caption,
                       bool selected = false);

constexpr int TaskBarHeight = 40;
constexpr int StartButtonWidth = 136;
// The one start button of every desktop: a green pill, four coloured panes and
// "démarrer", scaled to 'rect'.
void paintStartButton(QPainter &painter, const QRect &rect);
struct TaskBarGeometry
{
    QRect startButton;
    QList<QRect> tasks;
    QRect clock;
};
TaskBarGeometry paintTaskBar(QPainter &painter, const QRect &rect, const QStringList &tasks, int active = -1,
                             const QString &clock = QStringLiteral("10:24"));
// A start menu whose bottom left is 'bottomLeft' (above the start button); one
// rectangle per item.
QList<QRect> paintStartMenu(QPainter &painter, const QPoint &bottomLeft, const QList<MenuItem> &items,
                            int highlighted = -1);

// ---- illustrations -----------------------------------------------------------------

// The program's mascot: a friendly cartoon computer waving.
void paintMascot(QPainter &painter, const QRect &rect);
// The glyph of the "Abandon" buttons: a red disc with a white cross.
void paintAbandonGlyph(QPainter &painter, const QRect &rect);
// A shaded ball of the given colour with its highlight.
void paintBall(QPainter &painter, const QRectF &rect, const QColor &colour);
}
