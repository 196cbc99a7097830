#pragma once
#include "pictures/classicbrowser.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

class QPainter;
class QWidget;

// Drawing of the classic browser window the domain-4 exercises imitate: a navigation
// toolbar with big buttons, an address bar and a search box, a bookmarks bar, a
// history side panel, a tab strip, the page and a status bar. Positions come from
// the exercise's layout constants so the fields and hot spots laid over a picture
// meet what it shows.
namespace BrowserPaint {

enum class SidePanel { None, HistoryClosed, HistoryYesterdayOpen };

struct Chrome
{
    int width = 928;
    int height = 574;
    QString url;
    QStringList tabs;          // titles; an empty list draws no tab strip
    int activeTab = 0;
    SidePanel panel = SidePanel::None;
    QString status = QStringLiteral("Terminé");
    bool forwardEnabled = false;
};

// Draws the chrome and returns the page rectangle (left of the scroll bar).
QRect paintChrome(QPainter &p, const Chrome &chrome);

// The chrome's pieces (ClassicBrowser) are this family's too.
using namespace ClassicBrowser;

// Web pages of the browser exercise.
void paintSearchEnginePage(QPainter &p, const QRect &page);
void paintLibraryPage(QPainter &p, const QRect &page, qreal textScale = 1.0);
void paintTownPage(QPainter &p, const QRect &page);

}
