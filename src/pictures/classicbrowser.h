#pragma once
#include <QColor>
#include <QList>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class QPainter;
class QWidget;

// The pieces of the classic browser window the web exercises imitate (competence
// 1.1's school site, the browser and ministry exercises): big round navigation
// buttons, a beige tool bar, white fields, a title bar and menu strip, a scroll bar.
namespace ClassicBrowser {

inline const QColor ChromeLight(0xf4, 0xf3, 0xf0);
inline const QColor ChromeDark(0xd9, 0xd6, 0xcf);
inline const QColor ChromeLine(0xa8, 0xa5, 0x9c);
inline const QColor LinkBlue(0x1a, 0x3d, 0xa8);

QFont uiFont(int pixelSize, bool bold = false);
// A Breeze icon, or a coloured disc where the theme has none.
QPixmap themeIcon(const QString &name, int size);
void paintIconOrFallback(QPainter &p, const QRect &r, const QString &name, const QColor &fallback);
void paintToolbarBackground(QPainter &p, const QRect &r);
// icon: "back", "forward", "reload", "stop" or "home".
void paintNavigationButton(QPainter &p, const QRect &r, const QString &icon, const QString &caption,
                           bool enabled = true);
// The "OK" button that follows the address bar.
void paintGo(QPainter &p, const QRect &r);
void paintField(QPainter &p, const QRect &frame, const QString &text, const QFont &font,
                const QColor &textColour = Qt::black);
void paintTitleBar(QPainter &p, const QRect &r, const QString &caption, bool withMinMax = true);
void paintMenuStrip(QPainter &p, const QRect &r, const QStringList &titles);
void paintVerticalScrollBar(QPainter &p, const QRect &r);
void paintFavicon(QPainter &p, const QRect &r, const QColor &colour, QChar letter);

// ---- the whole window ------------------------------------------------------------

// Where the chrome's parts lie, in the picture's pixels (the standard layout of the
// web exercises' screenshots; an exercise whose screenshot differs changes a field).
// With a caption, a title bar and a menu strip of 42 pixels come first and
// everything else moves down by 'top'.
struct ChromeLayout
{
    int top = 0;                          // 42 with a caption
    int toolbarBottom = 44;
    QRect back{0, 4, 33, 37};
    QRect forward{33, 4, 34, 37};
    QRect reload{67, 4, 30, 37};
    QRect stop{96, 4, 27, 37};
    QRect home{123, 4, 30, 37};
    QRect address{151, 11, 633, 21};      // the text inside the field (a typed field lies here)
    QRect go{790, 9, 52, 25};
    QRect search{858, 12, 77, 21};
    int bookmarksHeight = 22;             // 0: no bookmarks bar
    int sidePanelWidth = 162;
    QRect sidePanelClose{142, 68, 19, 19};
    int tabTop = 68;
    int tabHeight = 26;
    int tabWidth = 192;
    int statusBarTop = 554;               // from the picture's top; the status bar below it
};

// The navigation history of the side panel: yesterday's folder opens on its pages.
enum class SidePanel { None, HistoryClosed, HistoryYesterdayOpen };

struct HistoryEntry
{
    QString caption;
    QColor colour;
    QChar letter;
};

struct Tab
{
    QString title;
    QColor colour;        // favicon; invalid: the generic page icon
    QChar letter;
};

struct Chrome
{
    int width = 928;
    int height = 574;
    QString caption;                  // not empty: title bar and menu strip above
    QString url;
    QString searchHint;               // the grey text of the search field
    QList<Tab> tabs;                  // an empty list draws no tab strip
    int activeTab = 0;
    SidePanel panel = SidePanel::None;
    QList<HistoryEntry> yesterday;    // the pages under "Hier" when it is open
    QStringList bookmarks = {QStringLiteral("Premiers pas"), QStringLiteral("À la une"),
                             QStringLiteral("Technologie-Wikipédia")};
    QString status = QStringLiteral("Terminé");
    bool forwardEnabled = false;
    QColor siteColour;                // with a letter: the favicon in the address field
    QChar siteLetter;
    ChromeLayout layout;
};

// The menu titles of the classic browser.
QStringList menuTitles();
// Draws the window and returns the page rectangle (left of the scroll bar, above
// the status bar), where the exercise paints its site.
QRect paintChrome(QPainter &p, const Chrome &chrome);
// The rectangle of the history panel's entry 'row' of "Hier" (0 first).
QRect historyEntryRect(int row);

// Renders a hidden, absolutely laid out widget tree into the painter (dialog pictures
// built from real controls look native for little code). The builder fills 'root'.
void paintWidgets(QPainter &p, const QRect &target, const std::function<void(QWidget *root)> &builder);
// A control of such a tree, at its rectangle in the root's pixels.
template <typename W>
W *placeIn(QWidget *root, const QRect &r, W *w)
{
    w->setParent(root);
    w->setGeometry(r);
    return w;
}
}
