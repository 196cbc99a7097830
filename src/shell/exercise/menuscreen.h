#pragma once
#include "shell/exercise/exercisescreen.h"

#include <QList>
#include <QSize>
#include <QString>
#include <functional>

class HotSpot;
class PictureBox;
class QAction;
class QMenuBar;

// One entry of a menu: an item the exercise knows by its id (a value of the
// exercise's own enum), a separator, or a submenu with entries of its own.
struct MenuEntry
{
    int id = -1;
    QString caption;               // '&' marks the underlined letter; empty: a separator
    QString shortcut;              // "Ctrl+N", "F11"
    QString name;                  // the action's object name, when the program names it
    QList<MenuEntry> submenu;      // not empty: this entry opens a submenu
    bool checkable = false;
    bool checked = false;
    bool enabled = true;
    bool visible = true;

    static MenuEntry item(int id, const QString &caption, const QString &shortcut = QString(),
                          const QString &name = QString());
    static MenuEntry separator();
    static MenuEntry sub(int id, const QString &caption, const QList<MenuEntry> &entries,
                         const QString &name = QString());
    bool isSeparator() const { return caption.isEmpty() && submenu.isEmpty(); }
};

struct MenuTitle
{
    QString title;
    QList<MenuEntry> entries;
    QString name;                  // the menu's object name, when the program names it
};
using MenuTable = QList<MenuTitle>;

// What choosing an item does: a wrong route ("Fausse route !" and one error, by
// default), nothing, or a step of the exercise. A step item acts only while the
// window's step counter lies in its range; out of it, it is a wrong route.
enum class MenuRole { Wrong, Inert, Step };

struct MenuStep
{
    int id;
    int firstStep;
    int lastStep;
};

struct MenuRoles
{
    QList<MenuStep> steps;
    QList<int> inert;
    MenuRole otherwise = MenuRole::Wrong;   // items in neither list

    MenuRole roleOf(int id, int step) const;
};

namespace MenuBuilder {
// A real menu bar from the table; 'chosen' runs for every item chosen (by mouse,
// keyboard or shortcut) with the item's id. Each action's data holds its id.
QMenuBar *build(const MenuTable &table, QWidget *parent, std::function<void(int)> chosen);
// The action (or a submenu's action) with that id, or nullptr.
QAction *action(const QMenuBar *bar, int id);
}

// An exercise window with a real menu bar. The menus come from a table and every
// item is a step, inert or a wrong route, so no item needs a handler of its own.
// All the window's coordinates are client coordinates below the menu bar: place
// controls, pictures and hot spots in client(); the window is the client size plus
// the bar's height. The bubble and the Abandon button are placed in client() too.
class MenuScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    QMenuBar *menuBar() const { return m_menuBar; }
    QWidget *client() const { return m_client; }
    int step() const { return m_step; }
    QAction *menuAction(int id) const;

protected:
    MenuScreen(ExerciseSession *session, const QString &name, QSize clientSize, const MenuTable &menus,
               const MenuRoles &roles, int firstStep = 0);

    QWidget *clientArea() const override { return m_client; }

    void setStep(int step) { m_step = step; }
    void setMenuRoles(const MenuRoles &roles) { m_roles = roles; }

    // Carries out a step item whose guard held.
    virtual void menuStep(int id) = 0;
    // A wrong route: "Fausse route !", counted.
    virtual void wrongMenu();

    PictureBox *picture(const QString &control, const QRect &rect, bool visible = true);
    HotSpot *hotSpot(const QString &control, const QRect &rect, bool visible = true);

private:
    void menuChosen(int id);

    QMenuBar *m_menuBar = nullptr;
    QWidget *m_client = nullptr;
    MenuRoles m_roles;
    int m_step;
};
