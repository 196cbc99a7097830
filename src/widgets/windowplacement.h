#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

class QWidget;

// Centres a top-level window on the primary screen's available area. A window too
// tall for it keeps its top edge on the screen, so its caption stays reachable.
// A window shown scaled (see WindowFit) centres its scaled frame instead.
void centreOnScreen(QWidget *window);

// Windows larger than the screen (a 1366 x 768 laptop, a 1080p screen at 125 %)
// are shown scaled down as a whole: the window is drawn into a frameless host
// through a graphics proxy, so pictures, hot spots, fields, menus and the bubble
// shrink together and every click lands where the pupil sees the element.
// Windows that fit are left alone.
namespace WindowFit {

// Text stays readable: a window is never shown below this scale.
constexpr qreal MinimumScale = 0.7;
// Kept free around a scaled window (logical pixels of the screen, each side).
constexpr int Margin = 12;
// A title bar the window manager adds above a window that asks for one.
constexpr int TitleBarAllowance = 32;

struct Fit
{
    qreal scale = 1.0;     // 1: shown as it is
    bool fits = true;      // false: even at the minimum scale it overflows the area
};

// The scale at which a frame of this size lies inside the area with the margin.
Fit fitIn(QSize frame, const QRect &available);
// Where a frame of this size goes: centred; too tall, its top on the area's top;
// too wide, its left on the area's left.
QPoint centredIn(QSize frame, const QRect &available);

// Set once at start-up by the program; tests leave it off, so their windows keep
// their sizes whatever the headless screen is. Exercise windows decide at their
// first show; every other top-level window (main window, console, dialogs) when
// Qt polishes it before its first show.
void setEnabled(bool enabled);
// Tells the generic rule that this window decides for itself.
void markDecided(QWidget *window);
bool isEnabled();
// The area windows must fit in: the primary screen's available geometry, unless a
// test gives another.
QRect availableArea();
void setAvailableAreaForTests(std::optional<QRect> area);

// Shows the window scaled when it does not fit (and fitting is enabled): returns
// true when it was embedded in a host, false when it is to be shown as it is.
bool hostIfTooLarge(QWidget *window);
// Shows or hides the window's host with the window (called after its visibility changed).
void syncHost(QWidget *window);
// The host a window is shown in, or nullptr; its scale (1 when not hosted).
QWidget *hostOf(const QWidget *window);
qreal scaleOf(const QWidget *window);
// A point of a widget (of a hosted window, or of a popup over it) in the screen's
// coordinates: where the pupil sees it, where the mouse must be to reach it.
QPoint toScreen(const QWidget *widget, QPoint local);

}
