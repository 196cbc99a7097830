#pragma once
#include <QColor>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class QPainter;

// The web browser of the program's pictures: an unbranded modern browser with its
// tab strip, navigation buttons, address bar, search box, optional menu bar, side
// panel and status bar. paintBrowser() draws the chrome and returns where the page
// goes; the page is drawn by the caller (with the web-page blocks of PictureKit).
namespace Browser {

struct Tab
{
    QString title;
    QColor iconColour = QColor(61, 174, 233);   // the site's little round icon
};

struct Chrome
{
    QList<Tab> tabs{Tab{QStringLiteral("Nouvel onglet")}};
    int activeTab = 0;
    QString url;                    // shown in the address bar
    bool secure = true;             // padlock before the address
    QString searchText;             // empty: the grey placeholder "Rechercher"
    // With a caption, the window has a classic title bar above everything; without
    // one, its minimise/maximise/close buttons sit at the end of the tab strip.
    bool windowFrame = true;
    QString caption;
    bool menuBar = false;
    QStringList menus = {QStringLiteral("Fichier"), QStringLiteral("Édition"), QStringLiteral("Affichage"),
                         QStringLiteral("Historique"), QStringLiteral("Marque-pages"), QStringLiteral("Outils"),
                         QStringLiteral("Aide")};
    int highlightedMenu = -1;
    bool bookmarksBar = false;
    QStringList bookmarks;
    bool sidePanel = false;
    int sidePanelWidth = 220;
    QString sidePanelTitle = QStringLiteral("Historique");
    QStringList sidePanelItems;     // a line starting with "> " is a group heading
    bool statusBar = false;
    QString statusText;
};

// Where everything went; rectangles in the painter's coordinates.
struct Geometry
{
    QRect frame;                    // the whole window
    QRect titleBar;
    QRect menuBar;
    QList<QRect> menus;             // one per menu title
    QRect tabStrip;
    QList<QRect> tabs;
    QList<QRect> tabCloses;
    QRect newTab;
    QRect toolBar;
    QRect back, forward, reload, home;
    QRect address;                  // the whole address field
    QRect addressText;              // where the URL text starts
    QRect search;
    QRect menuButton;               // the "hamburger" at the right
    QRect bookmarksBar;
    QList<QRect> bookmarkItems;
    QRect sidePanel;
    QList<QRect> sidePanelItems;
    QRect statusBar;
    QRect content;                  // the page
};

Geometry layout(const QRect &outer, const Chrome &chrome);
// Draws the browser and fills the page white; returns the geometry.
Geometry paintBrowser(QPainter &painter, const QRect &outer, const Chrome &chrome);

// ---- pages -------------------------------------------------------------------------

// The header of the school's certificate-management site: blue banner with its
// emblem and title; returns the rectangle under it.
QRect paintSchoolSiteHeader(QPainter &painter, const QRect &content, const QString &title,
                            const QString &subtitle);
// A search engine's home page: big name, search box (returned), two buttons.
QRect paintSearchHome(QPainter &painter, const QRect &content, const QString &engineName,
                      const QString &query = {});
// A blank "new tab" page with a search field and shortcut tiles; returns the tiles.
QList<QRect> paintNewTabPage(QPainter &painter, const QRect &content, const QStringList &tiles);
}
