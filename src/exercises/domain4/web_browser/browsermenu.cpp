#include "exercises/domain4/web_browser/browsermenu.h"

#include "exercises/domain4/web_browser/layout.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace BrowserMenu {
namespace {

// One entry of a menu: an item, a separator (no caption) or a submenu marker.
struct Entry
{
    Item item;
    const char *caption = nullptr;   // UTF-8; nullptr for a separator
    const char *shortcut = nullptr;
};
constexpr Entry Separator{Item::NewWindow, nullptr, nullptr};

struct Menu
{
    const char *title;
    QList<Entry> entries;
};

const QList<Menu> &menuTable()
{
    static const QList<Menu> table = {
        {"Fichier",
         {{Item::NewWindow, "Nouvelle fenêtre", "Ctrl+N"}, {Item::NewTab, "Nouvel onglet"},
          {Item::OpenAddress, "Ouvrir une adresse"}, {Item::OpenFile, "Ouvrir un fichier"},
          {Item::Close, "Fermer"}, Separator, {Item::SaveAs, "Enregistrer sous..."},
          {Item::SaveFrameAs, "Enregistrer le cadre sous..."},
          {Item::SendLink, "Envoyer un lien vers la page ..."}, Separator,
          {Item::PageSetup, "Mise en page..."}, {Item::PrintPreview, "Aperçu avant impression"},
          {Item::Print, "Imprimer"}, Separator, {Item::Import, "Importer"},
          {Item::WorkOffline, "Travailler hors connexion"}, {Item::Quit, "Quitter"}}},
        {"Edition",
         {{Item::Undo, "Annuler"}, {Item::Redo, "Refaire"}, Separator, {Item::Cut, "Couper"},
          {Item::Copy, "Copier"}, {Item::Paste, "Coller"}, {Item::Delete, "Supprimer"}, Separator,
          {Item::SelectAll, "Tout sélectionner"}, Separator,
          {Item::FindInPage, "Rechercher dans la page ..."}, {Item::FindAgain, "Rechercher à nouveau"}}},
        {"Affichage",
         {{Item::Toolbar, "Barre d'outils"}, {Item::StatusBar, "Barre d'état"},
          {Item::SidePanel, "Panneau latéral"}, Separator, {Item::Stop, "Arrêter"},
          {Item::Reload, "Actualiser"}, Separator, {Item::TextSize, "Taille du texte"},
          {Item::PageStyle, "Style de la page"}, {Item::Encoding, "Encodage des caractères"}, Separator,
          {Item::PageSource, "Code source de la page"}, {Item::FullScreen, "Plein écran", "F11"}}},
        {"Aller à ",
         {{Item::Back, "Précédente"}, {Item::Forward, "Suivante"}, {Item::HomePage, "Page d'accueil"},
          Separator, {Item::GoHistory, "Historique"}}},
        {"Marques-pages",
         {{Item::BookmarkPage, "Marquer cette page"}, {Item::BookmarkAllTabs, "Marquer tous les onglets"},
          {Item::ManageBookmarks, "Gérer les marques-pages..."}, Separator,
          {Item::TechnologyWiki, "Technologie-Wikipédia"}, {Item::LibraryBookmark, ""}}},
        {"Outils",
         {{Item::WebSearch, "Recherche sur le Web"}, {Item::OpenMail, "Ouvrir le courrier"},
          {Item::NewMessage, "Nouveau message"}, Separator, {Item::Downloads, "Téléchargement"},
          {Item::Extensions, "Entensions"}, {Item::Themes, "Thèmes"}, Separator,
          {Item::JavaScriptConsole, "Console JavaScript"}, {Item::PageInfo, "Informations sur la page"},
          Separator, {Item::ClearTraces, "Effacer mes traces"}, {Item::Options, "Options"}}},
        {"?",
         {{Item::HelpTopics, "Rubriques d'aide"},
          {Item::ForExplorerUsers, "Pour les utilisateurs d'Internet Emplorer"},
          {Item::ReleaseNotes, "Notes de version"}, {Item::ReportSite, "Rapporter un site non fonctionnel"},
          Separator, {Item::CheckUpdates, "Rechercher des mises à jour..."}, Separator,
          {Item::About, "A propos de Mozilla Firefox"}}},
    };
    return table;
}

const QList<WindowMenus> &windowTable()
{
    static const QList<WindowMenus> table = {
        // Window 1: address, bookmark, new tab, then the history.
        {{{Item::BookmarkPage, 2, 2}, {Item::NewTab, 3, 3}, {Item::GoHistory, 4, 4}},
         {Item::Print, Item::Import, Item::WorkOffline, Item::Quit, Item::FullScreen, Item::Options},
         true, false, false, false, true},
        // Window 2: history panel and the full-screen key; no menu step.
        {{},
         {Item::Close, Item::Print, Item::Import, Item::WorkOffline, Item::Quit, Item::FullScreen,
          Item::Options},
         false, false, false, false, true},
        // Window 3: Options twice, then the side panel's history item.
        {{{Item::Options, 7, 8}, {Item::SidePanelHistory, 9, 9}},
         {Item::Print, Item::Import, Item::WorkOffline, Item::Quit},
         false, true, true, false, true},
        // Window 4: text size, page source, print.
        {{{Item::TextLarger, 10, 10}, {Item::PageSource, 15, 15}, {Item::Print, 17, 17}},
         {Item::TextNormal},
         false, false, false, true, false},
    };
    return table;
}

MenuEntry entry(const Entry &e) { return MenuEntry::item(int(e.item), QString::fromUtf8(e.caption), QString::fromLatin1(e.shortcut)); }

QList<MenuEntry> submenu(const QList<Entry> &entries, int window)
{
    QList<MenuEntry> out;
    for (const Entry &e : entries) {
        out << (e.caption ? entry(e) : MenuEntry::separator());
        if (window == 3 && e.item == Item::SidePanelHistory)
            out.last().checkable = out.last().checked = true;
    }
    return out;
}
}

const WindowMenus &menusOf(int window)
{
    const auto &table = windowTable();
    return table.at(qBound(1, window, int(table.size())) - 1);
}

MenuRoles roles(int window)
{
    const WindowMenus &menus = menusOf(window);
    MenuRoles out;
    for (const StepItem &step : menus.steps)
        out.steps << MenuStep{int(step.item), step.firstStep, step.lastStep};
    for (Item item : menus.inert)
        out.inert << int(item);
    return out;
}

Role roleOf(int window, Item item, int counter) { return roles(window).roleOf(int(item), counter); }

MenuTable table(int window)
{
    const WindowMenus &menus = menusOf(window);
    MenuTable out;
    for (const Menu &m : menuTable()) {
        MenuTitle title{QString::fromUtf8(m.title), {}, {}};
        for (const Entry &e : m.entries) {
            if (!e.caption) {
                title.entries << MenuEntry::separator();
                continue;
            }
            if (e.item == Item::PrintPreview && !menus.printPreview)
                continue;
            const QString caption = QString::fromUtf8(e.caption);
            if (e.item == Item::SidePanel && menus.sidePanelSubmenu) {
                title.entries << MenuEntry::sub(int(e.item), caption,
                                                submenu({{Item::SidePanelBookmarks, "Marque-pages", "Ctrl+B"},
                                                         {Item::SidePanelHistory, "Historique", "Ctrl+H"}},
                                                        window));
                continue;
            }
            if (e.item == Item::TextSize && menus.textSizeSubmenu) {
                title.entries << MenuEntry::sub(int(e.item), caption,
                                                submenu({{Item::TextLarger, "Plus grande"},
                                                         {Item::TextSmaller, "Plus petite"}, Separator,
                                                         {Item::TextNormal, "Normale"}},
                                                        window));
                continue;
            }
            MenuEntry item = entry(e);
            if (e.item == Item::FullScreen && menus.fullScreenTrailingBlank)
                item.caption += QLatin1Char(' ');
            if (e.item == Item::LibraryBookmark) {
                item.caption = WebBrowserLayout::LibraryAddress;
                item.visible = false;
            }
            if (e.item == Item::StatusBar && menus.statusBarChecked)
                item.checkable = item.checked = true;
            title.entries << item;
        }
        out << title;
    }
    return out;
}

QMenuBar *build(int window, QWidget *parent, std::function<void(Item)> chosen)
{
    QMenuBar *bar = MenuBuilder::build(table(window), parent, [chosen](int id) { chosen(Item(id)); });
    bar->setObjectName(QStringLiteral("MainMenu1"));
    return bar;
}

QAction *action(const QMenuBar *bar, Item item)
{
    QAction *a = MenuBuilder::action(bar, int(item));
    return a && !a->menu() ? a : nullptr;
}
}
