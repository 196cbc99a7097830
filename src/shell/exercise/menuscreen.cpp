#include "shell/exercise/menuscreen.h"

#include "shell/exercise/commontexts.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

MenuEntry MenuEntry::item(int id, const QString &caption, const QString &shortcut, const QString &name)
{
    MenuEntry entry;
    entry.id = id;
    entry.caption = caption;
    entry.shortcut = shortcut;
    entry.name = name;
    return entry;
}

MenuEntry MenuEntry::separator() { return MenuEntry(); }

MenuEntry MenuEntry::sub(int id, const QString &caption, const QList<MenuEntry> &entries, const QString &name)
{
    MenuEntry entry = item(id, caption, QString(), name);
    entry.submenu = entries;
    return entry;
}

MenuRole MenuRoles::roleOf(int id, int step) const
{
    for (const MenuStep &s : steps)
        if (s.id == id)
            return step >= s.firstStep && step <= s.lastStep ? MenuRole::Step : MenuRole::Wrong;
    return inert.contains(id) ? MenuRole::Inert : otherwise;
}

namespace MenuBuilder {
namespace {
// A submenu's entry and its menu are one thing. The menu passes its own enabled
// state to its entry; the entry's state is passed back here, so enabling either
// one opens the way to the submenu, and a hidden or disabled entry closes it.
void joinEntry(QMenu *sub)
{
    QAction *entry = sub->menuAction();
    QObject::connect(entry, &QAction::enabledChanged, sub, [sub](bool enabled) {
        sub->setEnabled(enabled);
        if (!enabled)
            sub->hide();
    });
    QObject::connect(entry, &QAction::visibleChanged, sub, [sub, entry] {
        if (!entry->isVisible())
            sub->hide();
    });
}

void fill(QMenu *menu, const QList<MenuEntry> &entries, const std::function<void(int)> &chosen)
{
    for (const MenuEntry &e : entries) {
        if (e.isSeparator()) {
            menu->addSeparator();
            continue;
        }
        QAction *action = nullptr;
        if (!e.submenu.isEmpty()) {
            QMenu *sub = menu->addMenu(e.caption);
            if (!e.name.isEmpty())
                sub->setObjectName(e.name);
            fill(sub, e.submenu, chosen);
            action = sub->menuAction();
            joinEntry(sub);
        } else {
            action = menu->addAction(e.caption);
            if (!e.shortcut.isEmpty())
                action->setShortcut(QKeySequence(e.shortcut));
            action->setShortcutContext(Qt::WindowShortcut);
            if (!e.name.isEmpty())
                action->setObjectName(e.name);
            const int id = e.id;
            // A checked item of the picture stays checked: choosing it changes nothing.
            QObject::connect(action, &QAction::triggered, menu, [chosen, id, action] {
                if (action->isCheckable())
                    action->setChecked(true);
                chosen(id);
            });
        }
        action->setData(e.id);
        action->setCheckable(e.checkable);
        action->setChecked(e.checked);
        action->setEnabled(e.enabled);
        action->setVisible(e.visible);
    }
}
}

QMenuBar *build(const MenuTable &table, QWidget *parent, std::function<void(int)> chosen)
{
    auto *bar = new QMenuBar(parent);
    bar->setNativeMenuBar(false);
    for (const MenuTitle &title : table) {
        QMenu *menu = bar->addMenu(title.title);
        if (!title.name.isEmpty())
            menu->setObjectName(title.name);
        fill(menu, title.entries, chosen);
    }
    return bar;
}

QAction *action(const QMenuBar *bar, int id)
{
    if (!bar || id < 0)
        return nullptr;
    const QList<QAction *> actions = bar->findChildren<QAction *>();
    for (QAction *a : actions)
        if (!a->isSeparator() && a->data().isValid() && a->data().toInt() == id)
            return a;
    // Submenu actions belong to their menus, not to the bar.
    for (QMenu *menu : bar->findChildren<QMenu *>())
        if (QAction *a = menu->menuAction(); a->data().isValid() && a->data().toInt() == id)
            return a;
    return nullptr;
}
}

MenuScreen::MenuScreen(ExerciseSession *session, const QString &name, QSize clientSize, const MenuTable &menus,
                       const MenuRoles &roles, int firstStep)
    : ExerciseScreen(session, name), m_roles(roles), m_step(firstStep)
{
    m_menuBar = MenuBuilder::build(menus, this, [this](int id) { menuChosen(id); });
    m_menuBar->setObjectName(QStringLiteral("MainMenu1"));
    const int menuHeight = m_menuBar->sizeHint().height();
    m_menuBar->setGeometry(0, 0, clientSize.width(), menuHeight);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setGeometry(0, menuHeight, clientSize.width(), clientSize.height());
    setFixedSize(clientSize.width(), clientSize.height() + menuHeight);
}

QAction *MenuScreen::menuAction(int id) const { return MenuBuilder::action(m_menuBar, id); }

void MenuScreen::wrongMenu() { session()->wrong(CommonTexts::WrongWay); }

void MenuScreen::menuChosen(int id)
{
    switch (m_roles.roleOf(id, m_step)) {
    case MenuRole::Wrong: wrongMenu(); break;
    case MenuRole::Inert: break;
    case MenuRole::Step: menuStep(id); break;
    }
}

PictureBox *MenuScreen::picture(const QString &control, const QRect &rect, bool visible)
{
    auto *box = new PictureBox(objectName() + QLatin1Char('/') + control, control, rect, m_client);
    box->setVisible(visible);
    return box;
}

HotSpot *MenuScreen::hotSpot(const QString &control, const QRect &rect, bool visible)
{
    auto *spot = new HotSpot(control, rect, m_client);
    spot->setVisible(visible);
    return spot;
}
