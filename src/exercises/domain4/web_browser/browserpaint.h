#pragma once
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

// Pieces shared with other pictures.
void paintToolbarBackground(QPainter &p, const QRect &r);
// icon: "back", "forward", "reload", "stop" or "home"; the caption is the button's tooltip name.
void paintNavigationButton(QPainter &p, const QRect &r, const QString &icon, const QString &caption,
                           bool enabled = true);
void paintField(QPainter &p, const QRect &frame, const QString &text, const QFont &font,
                const QColor &textColour = Qt::black);
void paintTitleBar(QPainter &p, const QRect &r, const QString &caption, bool withMinMax = true);
void paintMenuStrip(QPainter &p, const QRect &r, const QStringList &titles);
void paintVerticalScrollBar(QPainter &p, const QRect &r);
void paintFavicon(QPainter &p, const QRect &r, const QColor &colour, QChar letter);

// Renders a hidden, absolutely laid out widget tree into the painter (dialog pictures
// built from real controls look native for little code). The builder fills 'root'.
void paintWidgets(QPainter &p, const QRect &target, const std::function<void(QWidget *root)> &builder);

// Web pages of the browser exercise.
void paintSearchEnginePage(QPainter &p, const QRect &page);
void paintLibraryPage(QPainter &p, const QRect &page, qreal textScale = 1.0);
void paintTownPage(QPainter &p, const QRect &page);

QFont uiFont(int pixelSize, bool bold = false);
}
