#include "pictures/classicbrowser.h"
#include "pictures/fonts.h"

#include <QFontMetrics>
#include <QIcon>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <QPainterPath>
#include <QRadialGradient>
#include <QWidget>

namespace ClassicBrowser {

namespace {
// A big toolbar arrow, in the rounded style of the classic browser.
void paintArrow(QPainter &p, const QRect &r, bool left, bool enabled)
{
    const QPointF c = QRectF(r).center();
    const qreal rad = r.width() / 2.0;
    QRadialGradient g(c - QPointF(rad / 3, rad / 3), rad * 1.4);
    g.setColorAt(0, enabled ? QColor(0x9c, 0xd4, 0x6a) : QColor(0xe0, 0xe0, 0xe0));
    g.setColorAt(1, enabled ? QColor(0x3c, 0x8a, 0x22) : QColor(0xa8, 0xa8, 0xa8));
    p.setPen(QPen(enabled ? QColor(0x2b, 0x66, 0x18) : QColor(0x99, 0x99, 0x99), 1));
    p.setBrush(g);
    p.drawEllipse(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
    const qreal s = left ? -1 : 1;
    QPainterPath arrow;
    arrow.moveTo(c.x() + s * rad * 0.55, c.y());
    arrow.lineTo(c.x() + s * rad * 0.02, c.y() - rad * 0.5);
    arrow.lineTo(c.x() + s * rad * 0.02, c.y() - rad * 0.2);
    arrow.lineTo(c.x() - s * rad * 0.5, c.y() - rad * 0.2);
    arrow.lineTo(c.x() - s * rad * 0.5, c.y() + rad * 0.2);
    arrow.lineTo(c.x() + s * rad * 0.02, c.y() + rad * 0.2);
    arrow.lineTo(c.x() + s * rad * 0.02, c.y() + rad * 0.5);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(arrow);
}

void paintReload(QPainter &p, const QRect &r)
{
    const QRectF box = QRectF(r).adjusted(3, 3, -3, -3);
    p.setPen(QPen(QColor(0x2f, 0x6f, 0xc0), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(box, 60 * 16, 290 * 16);
    const QPointF tip(box.center().x() + box.width() / 2 * 0.5, box.top() + 1);
    QPainterPath head;
    head.moveTo(tip + QPointF(5, -4));
    head.lineTo(tip + QPointF(6, 5));
    head.lineTo(tip + QPointF(-3, 3));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2f, 0x6f, 0xc0));
    p.drawPath(head);
}

void paintStop(QPainter &p, const QRect &r)
{
    const QRectF box = QRectF(r).adjusted(1, 1, -1, -1);
    QPolygonF oct;
    for (int i = 0; i < 8; ++i) {
        const qreal a = (22.5 + 45 * i) * M_PI / 180;
        oct << box.center() + QPointF(std::cos(a), std::sin(a)) * box.width() / 2;
    }
    p.setPen(QPen(QColor(0x8a, 0x10, 0x10), 1));
    p.setBrush(QColor(0xd8, 0x2a, 0x20));
    p.drawPolygon(oct);
    p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
    const qreal d = box.width() * 0.2;
    p.drawLine(box.center() + QPointF(-d, -d), box.center() + QPointF(d, d));
    p.drawLine(box.center() + QPointF(d, -d), box.center() + QPointF(-d, d));
}

void paintHome(QPainter &p, const QRect &r)
{
    const QRectF b = QRectF(r).adjusted(1, 1, -1, -1);
    QPainterPath roof;
    roof.moveTo(b.left(), b.top() + b.height() * 0.48);
    roof.lineTo(b.center().x(), b.top());
    roof.lineTo(b.right(), b.top() + b.height() * 0.48);
    p.setPen(QPen(QColor(0x7a, 0x22, 0x10), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QRectF wall(b.left() + b.width() * 0.17, b.top() + b.height() * 0.42, b.width() * 0.66, b.height() * 0.58);
    p.fillRect(wall, QColor(0xf2, 0xe2, 0xb8));
    p.setPen(QPen(QColor(0x6a, 0x55, 0x30), 1));
    p.drawRect(wall);
    p.fillRect(QRectF(wall.center().x() - 2.5, wall.bottom() - 8, 5, 8), QColor(0x8a, 0x50, 0x20));
    p.setPen(QPen(QColor(0xb0, 0x2a, 0x12), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(roof);
}
}

QPixmap themeIcon(const QString &name, int size)
{
    return QIcon::fromTheme(name).pixmap(size, size);
}

void paintIconOrFallback(QPainter &p, const QRect &r, const QString &name, const QColor &fallback)
{
    const QPixmap pm = themeIcon(name, r.width());
    if (!pm.isNull()) {
        p.drawPixmap(r, pm);
        return;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fallback);
    p.drawEllipse(r.adjusted(2, 2, -2, -2));
}

QFont uiFont(int pixelSize, bool bold)
{
    return pixelFont(QStringLiteral("Tahoma"), pixelSize, bold);
}

void paintToolbarBackground(QPainter &p, const QRect &r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, ChromeLight);
    g.setColorAt(1, ChromeDark);
    p.fillRect(r, g);
    p.setPen(ChromeLine);
    p.drawLine(r.bottomLeft(), r.bottomRight());
}

void paintNavigationButton(QPainter &p, const QRect &r, const QString &icon, const QString &, bool enabled)
{
    const int size = 26;
    const QRect box(r.center().x() - size / 2 + 1, r.center().y() - size / 2 + 1, size, size);
    if (icon == QLatin1String("back"))
        paintArrow(p, box, true, enabled);
    else if (icon == QLatin1String("forward"))
        paintArrow(p, box, false, enabled);
    else if (icon == QLatin1String("reload"))
        paintReload(p, box);
    else if (icon == QLatin1String("stop"))
        paintStop(p, box.adjusted(2, 2, -2, -2));
    else if (icon == QLatin1String("home"))
        paintHome(p, box.adjusted(1, 1, -1, -1));
}

void paintField(QPainter &p, const QRect &frame, const QString &text, const QFont &font, const QColor &textColour)
{
    p.setPen(QColor(0x7f, 0x9d, 0xb9));
    p.setBrush(Qt::white);
    p.drawRect(frame.adjusted(0, 0, -1, -1));
    p.setFont(font);
    p.setPen(textColour);
    p.drawText(frame.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
}

void paintTitleBar(QPainter &p, const QRect &r, const QString &caption, bool withMinMax)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0x3a, 0x6e, 0xc8));
    g.setColorAt(0.5, QColor(0x25, 0x58, 0xb4));
    g.setColorAt(1, QColor(0x1c, 0x48, 0x9a));
    p.fillRect(r, g);
    p.setPen(Qt::white);
    p.setFont(uiFont(12, true));
    p.drawText(r.adjusted(8, 0, -80, 0), Qt::AlignVCenter | Qt::AlignLeft, caption);
    const int s = r.height() - 4;
    QRect button(r.right() - s - 2, r.top() + 2, s, s);
    auto box = [&](const QRect &b, const QColor &fill) {
        p.setPen(QColor(0xff, 0xff, 0xff, 200));
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(b).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    };
    box(button, QColor(0xd0, 0x44, 0x2c));
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(button.adjusted(5, 5, -5, -5).topLeft(), button.adjusted(5, 5, -5, -5).bottomRight());
    p.drawLine(button.adjusted(5, 5, -5, -5).topRight(), button.adjusted(5, 5, -5, -5).bottomLeft());
    if (!withMinMax)
        return;
    button.translate(-s - 2, 0);
    box(button, QColor(0x3c, 0x74, 0xd8));
    p.setPen(QPen(Qt::white, 2));
    p.drawRect(button.adjusted(5, 5, -5, -5));
    button.translate(-s - 2, 0);
    box(button, QColor(0x3c, 0x74, 0xd8));
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(button.left() + 5, button.bottom() - 5, button.right() - 5, button.bottom() - 5);
}

void paintMenuStrip(QPainter &p, const QRect &r, const QStringList &titles)
{
    p.fillRect(r, ChromeLight);
    p.setFont(uiFont(12));
    p.setPen(Qt::black);
    int x = r.left() + 6;
    for (const QString &t : titles) {
        const int w = p.fontMetrics().horizontalAdvance(t);
        p.drawText(QRect(x, r.top(), w + 2, r.height()), Qt::AlignVCenter, t);
        x += w + 16;
    }
}

void paintVerticalScrollBar(QPainter &p, const QRect &r)
{
    p.fillRect(r, QColor(0xee, 0xed, 0xe9));
    p.setPen(QColor(0xc8, 0xc6, 0xc0));
    p.drawLine(r.topLeft(), r.bottomLeft());
    const QRect up(r.left() + 1, r.top() + 1, r.width() - 2, 15);
    const QRect down(r.left() + 1, r.bottom() - 15, r.width() - 2, 15);
    const QRect thumb(r.left() + 2, r.top() + 18, r.width() - 4, r.height() / 3);
    for (const QRect &b : {up, down, thumb}) {
        QLinearGradient g(b.topLeft(), b.topRight());
        g.setColorAt(0, QColor(0xfa, 0xfa, 0xf8));
        g.setColorAt(1, QColor(0xd6, 0xd3, 0xcb));
        p.setPen(QColor(0xa0, 0x9d, 0x95));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(b).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x50, 0x50, 0x50));
    const QPoint cu = up.center(), cd = down.center();
    p.drawPolygon(QPolygon({cu + QPoint(-4, 2), cu + QPoint(4, 2), cu + QPoint(0, -2)}));
    p.drawPolygon(QPolygon({cd + QPoint(-4, -2), cd + QPoint(4, -2), cd + QPoint(0, 2)}));
}

void paintFavicon(QPainter &p, const QRect &r, const QColor &colour, QChar letter)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    QFont f = uiFont(r.height() - 4, true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, QString(letter));
}

void paintGo(QPainter &p, const QRect &r)
{
    const QRect icon(r.left() + 3, r.top() + 4, 17, 17);
    paintArrow(p, icon, false, true);
    p.setPen(Qt::black);
    p.setFont(uiFont(12));
    p.drawText(QRect(icon.right() + 3, r.top(), r.width() - 22, r.height()), Qt::AlignVCenter, QStringLiteral("OK"));
}

void paintWidgets(QPainter &p, const QRect &target, const std::function<void(QWidget *root)> &builder)
{
    QWidget root;
    root.setAttribute(Qt::WA_DontShowOnScreen);
    root.resize(target.size());
    root.setAutoFillBackground(true);
    builder(&root);
    root.ensurePolished();
    for (QWidget *w : root.findChildren<QWidget *>())
        w->ensurePolished();
    root.render(&p, target.topLeft(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
}
}

namespace ClassicBrowser {
namespace {
constexpr int CaptionHeight = 42;   // title bar and menu strip

void paintBookmarksBar(QPainter &p, const QRect &r, const QStringList &items)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, ChromeLight);
    g.setColorAt(1, QColor(0xe6, 0xe3, 0xdc));
    p.fillRect(r, g);
    p.setPen(ChromeLine);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    int x = r.left() + 6;
    p.setFont(uiFont(12));
    for (const QString &item : items) {
        paintIconOrFallback(p, QRect(x, r.top() + 3, 16, 16), QStringLiteral("bookmarks"), QColor(0xf0, 0xc0, 0x30));
        p.setPen(Qt::black);
        const int w = p.fontMetrics().horizontalAdvance(item);
        p.drawText(QRect(x + 19, r.top(), w + 4, r.height()), Qt::AlignVCenter, item);
        x += w + 36;
    }
}

void paintSidePanel(QPainter &p, const QRect &r, const Chrome &c)
{
    p.fillRect(r, ChromeLight);
    const QRect closeBox = c.layout.sidePanelClose;
    // Header with its close box.
    p.setFont(uiFont(12, true));
    p.setPen(Qt::black);
    p.drawText(QRect(r.left() + 6, closeBox.top(), 120, closeBox.height()), Qt::AlignVCenter,
               QStringLiteral("Historique"));
    const QRect close = closeBox.adjusted(3, 3, -3, -3);
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 2));
    p.drawLine(close.topLeft(), close.bottomRight());
    p.drawLine(close.topRight(), close.bottomLeft());
    // Search row.
    p.setFont(uiFont(11));
    p.setPen(Qt::black);
    p.drawText(QRect(r.left() + 4, r.top() + 26, 60, 20), Qt::AlignVCenter, QStringLiteral("Rechercher :"));
    p.setPen(ChromeLine);
    p.setBrush(Qt::white);
    p.drawRect(QRect(r.left() + 68, r.top() + 26, 90, 19));
    // The tree of days.
    const QRect list(r.left() + 1, r.top() + 52, r.width() - 3, r.height() - 54);
    p.setBrush(Qt::white);
    p.setPen(ChromeLine);
    p.drawRect(list);
    const QPixmap folder = themeIcon(QStringLiteral("folder"), 16);
    auto folderRow = [&](int y, const QString &caption, bool open) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x55, 0x55, 0x55));
        QPolygon twisty;
        if (open)
            twisty << QPoint(1, y + 6) << QPoint(9, y + 6) << QPoint(5, y + 11);
        else
            twisty << QPoint(3, y + 4) << QPoint(8, y + 8) << QPoint(3, y + 12);
        p.drawPolygon(twisty);
        if (!folder.isNull())
            p.drawPixmap(10, y, folder);
        p.setFont(uiFont(12));
        p.setPen(Qt::black);
        p.drawText(QRect(29, y, 120, 16), Qt::AlignVCenter, caption);
    };
    folderRow(list.top() + 4, QStringLiteral("Aujourd'hui"), false);
    const bool open = c.panel == SidePanel::HistoryYesterdayOpen;
    folderRow(list.top() + 23, QStringLiteral("Hier"), open);
    int y = list.top() + 44;
    if (open) {
        for (int row = 0; row < c.yesterday.size(); ++row) {
            const QRect rowRect = historyEntryRect(row).translated(0, list.top() - 118);
            const HistoryEntry &e = c.yesterday[row];
            paintFavicon(p, QRect(rowRect.left() + 2, rowRect.top() + 2, 16, 16), e.colour, e.letter);
            p.setFont(uiFont(11));
            p.setPen(Qt::black);
            p.drawText(QRect(rowRect.left() + 20, rowRect.top(), 140, rowRect.height()), Qt::AlignVCenter, e.caption);
            y = rowRect.top() + 24;
        }
    }
    for (const char *day : {"Il y a 2 jours", "Il y a 3 jours", "Il y a 4 jours", "Il y a 5 jours", "Plus ancien"}) {
        folderRow(y, QString::fromUtf8(day), false);
        y += 19;
    }
    // Splitter.
    p.setPen(ChromeLine);
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

void paintTabs(QPainter &p, const QRect &strip, const Chrome &c)
{
    QLinearGradient g(strip.topLeft(), strip.bottomLeft());
    g.setColorAt(0, QColor(0xcf, 0xcb, 0xc2));
    g.setColorAt(1, QColor(0xbd, 0xb8, 0xae));
    p.fillRect(strip, g);
    const int pitch = c.layout.tabWidth;
    for (int i = 0; i < c.tabs.size(); ++i) {
        const Tab &t = c.tabs[i];
        const QRect tab(strip.left() + i * pitch, strip.top() + 2, pitch - 2, strip.height() - 2);
        QPainterPath path;
        path.addRoundedRect(QRectF(tab).adjusted(0.5, 0.5, -0.5, 6), 4, 4);
        p.setPen(ChromeLine);
        p.setBrush(i == c.activeTab ? QColor(0xfb, 0xfa, 0xf8) : QColor(0xdc, 0xd8, 0xd0));
        p.drawPath(path);
        if (t.colour.isValid())
            paintFavicon(p, QRect(tab.left() + 6, tab.top() + 4, 16, 16), t.colour, t.letter);
        else
            paintIconOrFallback(p, QRect(tab.left() + 6, tab.top() + 4, 16, 16), QStringLiteral("text-html"), Qt::lightGray);
        p.setPen(Qt::black);
        p.setFont(uiFont(12, i == c.activeTab));
        const QRect text(tab.left() + 26, tab.top(), tab.width() - 48, tab.height());
        p.drawText(text, Qt::AlignVCenter, p.fontMetrics().elidedText(t.title, Qt::ElideRight, text.width()));
        const QRect x(tab.right() - 16, tab.top() + 7, 9, 9);
        p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1.6));
        p.drawLine(x.topLeft(), x.bottomRight());
        p.drawLine(x.topRight(), x.bottomLeft());
    }
    p.setPen(ChromeLine);
    p.drawLine(strip.left(), strip.bottom(), strip.right(), strip.bottom());
    if (c.activeTab >= 0 && c.activeTab < c.tabs.size()) {
        p.setPen(QColor(0xfb, 0xfa, 0xf8));
        const int left = strip.left() + c.activeTab * pitch + 1;
        p.drawLine(left, strip.bottom(), left + pitch - 5, strip.bottom());
    }
}
}

QStringList menuTitles()
{
    return {QStringLiteral("Fichier"), QStringLiteral("Edition"), QStringLiteral("Affichage"),
            QStringLiteral("Aller à"), QStringLiteral("Marques-pages"), QStringLiteral("Outils"), QStringLiteral("?")};
}

QRect historyEntryRect(int row) { return QRect(19, 160 + 21 * row, 140, 21); }

QRect paintChrome(QPainter &p, const Chrome &c)
{
    const ChromeLayout &l = c.layout;
    p.fillRect(QRect(0, 0, c.width, c.height), ChromeLight);
    if (!c.caption.isEmpty()) {
        paintTitleBar(p, QRect(0, 0, c.width, 22), c.caption);
        paintMenuStrip(p, QRect(0, 22, c.width, 20), menuTitles());
    }
    p.save();
    p.translate(0, l.top);
    paintToolbarBackground(p, QRect(0, 0, c.width, l.toolbarBottom));
    paintNavigationButton(p, l.back, QStringLiteral("back"), QStringLiteral("Précédente"));
    paintNavigationButton(p, l.forward, QStringLiteral("forward"), QStringLiteral("Suivante"), c.forwardEnabled);
    paintNavigationButton(p, l.reload, QStringLiteral("reload"), QStringLiteral("Actualiser"));
    paintNavigationButton(p, l.stop, QStringLiteral("stop"), QStringLiteral("Arrêter"));
    paintNavigationButton(p, l.home, QStringLiteral("home"), QStringLiteral("Accueil"));
    const QRect addressFrame = l.address.adjusted(-3, -3, 3, 3);
    if (c.siteColour.isValid()) {
        paintField(p, addressFrame, QString(), uiFont(13));
        paintFavicon(p, QRect(l.address.left(), l.address.top() + 2, 16, 16), c.siteColour, c.siteLetter);
        p.setPen(Qt::black);
        p.setFont(uiFont(13));
        p.drawText(l.address.adjusted(20, 0, 0, 0), Qt::AlignVCenter, c.url);
    } else {
        paintField(p, addressFrame, c.url, uiFont(13));
    }
    if (l.go.isValid())
        paintGo(p, l.go);
    // The search field ends inside a narrower window, its frame whole.
    QRect search = l.search;
    search.setRight(std::min(search.right(), c.width - 8));
    paintField(p, search.adjusted(-3, -3, 3, 3), c.searchHint, uiFont(12), QColor(0x90, 0x90, 0x90));
    if (l.bookmarksHeight > 0)
        paintBookmarksBar(p, QRect(0, l.toolbarBottom, c.width, l.bookmarksHeight), c.bookmarks);

    const int panelTop = l.toolbarBottom + l.bookmarksHeight;
    const int statusTop = l.statusBarTop - l.top;
    const int left = c.panel == SidePanel::None ? 0 : l.sidePanelWidth + 1;
    if (c.panel != SidePanel::None)
        paintSidePanel(p, QRect(0, panelTop, l.sidePanelWidth + 1, statusTop - panelTop), c);
    int top = panelTop;
    if (!c.tabs.isEmpty()) {
        paintTabs(p, QRect(left, l.tabTop, c.width - left, l.tabHeight), c);
        top = l.tabTop + l.tabHeight;
    }
    const QRect page(left, top, c.width - left - 16, statusTop - top);
    p.fillRect(page, Qt::white);
    paintVerticalScrollBar(p, QRect(page.right() + 1, top, 16, page.height()));

    const QRect status(0, statusTop, c.width, c.height - l.statusBarTop);
    p.fillRect(status, ChromeLight);
    p.setPen(ChromeLine);
    p.drawLine(status.topLeft(), status.topRight());
    p.setPen(Qt::black);
    p.setFont(uiFont(12));
    p.drawText(status.adjusted(6, 0, 0, 0), Qt::AlignVCenter, c.status);
    p.restore();
    return page.translated(0, l.top);
}
}
