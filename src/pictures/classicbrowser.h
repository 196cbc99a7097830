#pragma once
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStringList>
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

// Renders a hidden, absolutely laid out widget tree into the painter (dialog pictures
// built from real controls look native for little code). The builder fills 'root'.
void paintWidgets(QPainter &p, const QRect &target, const std::function<void(QWidget *root)> &builder);
}
