#pragma once
#include <QStringList>

class QAction;
class QWidget;

// Menus chosen as a pupil chooses them, with a PupilRobot's pointer: a click on the
// title in the window's menu bar, a rest on each submenu entry until its submenu
// opens, a click on the item; each event goes to the widget under the pointer.
// A path holds the captions as shown (without '&'). An entry of the path that is
// missing, hidden or disabled, or a menu that does not open, fails the test with
// the path; nothing is chosen then and false is returned.
namespace PupilMenus {
bool choose(QWidget *window, const QStringList &path);
// The same for an item of the window's menu bar, found by its action.
bool choose(QWidget *window, QAction *item);
// The same in the popup menu open now (a context menu), from its first entry.
bool chooseInPopup(const QStringList &path);
}
