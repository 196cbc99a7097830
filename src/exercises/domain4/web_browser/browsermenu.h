#pragma once
#include "shell/exercise/menuscreen.h"

#include <QList>
#include <functional>

class QAction;
class QMenuBar;
class QWidget;

// The browser's menu bar, the same in the four windows of the exercise apart from
// a few differences per window. Every item is a step item, an inert item or a
// wrong route; the window's table says which, so no item needs a handler of its own.
namespace BrowserMenu {

enum class Item {
    // Fichier
    NewWindow, NewTab, OpenAddress, OpenFile, Close, SaveAs, SaveFrameAs, SendLink,
    PageSetup, PrintPreview, Print, Import, WorkOffline, Quit,
    // Edition
    Undo, Redo, Cut, Copy, Paste, Delete, SelectAll, FindInPage, FindAgain,
    // Affichage
    Toolbar, StatusBar, SidePanel, SidePanelBookmarks, SidePanelHistory, Stop, Reload,
    TextSize, TextLarger, TextSmaller, TextNormal, PageStyle, Encoding, PageSource, FullScreen,
    // Aller à
    Back, Forward, HomePage, GoHistory,
    // Marques-pages
    BookmarkPage, BookmarkAllTabs, ManageBookmarks, TechnologyWiki, LibraryBookmark,
    // Outils
    WebSearch, OpenMail, NewMessage, Downloads, Extensions, Themes, JavaScriptConsole,
    PageInfo, ClearTraces, Options,
    // ?
    HelpTopics, ForExplorerUsers, ReleaseNotes, ReportSite, CheckUpdates, About
};

using Role = MenuRole;

// A step item carries out a step only while the window's counter lies in its range.
struct StepItem
{
    Item item;
    int firstStep;
    int lastStep;
};

struct WindowMenus
{
    QList<StepItem> steps;
    QList<Item> inert;
    bool fullScreenTrailingBlank = false;
    bool statusBarChecked = false;
    bool sidePanelSubmenu = false;   // "Marque-pages" / "Historique" under "Panneau latéral"
    bool textSizeSubmenu = false;    // "Plus grande" / "Plus petite" / "Normale"
    bool printPreview = true;
};

// Window 1 .. 4 of the exercise.
const WindowMenus &menusOf(int window);
// The window's menu table and the roles of its items, for the menu-screen base.
MenuTable table(int window);
MenuRoles roles(int window);
// What choosing the item does in that window when its counter holds 'counter'.
Role roleOf(int window, Item item, int counter);

// Builds the window's menu bar; 'chosen' runs for every item chosen (by mouse,
// keyboard or shortcut). Each action's data holds its Item.
QMenuBar *build(int window, QWidget *parent, std::function<void(Item)> chosen);
QAction *action(const QMenuBar *bar, Item item);
}
