#include "exercises/domain4/web_browser/browserpaint.h"

#include "exercises/domain4/web_browser/layout.h"

#include <QFontMetrics>
#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace BrowserPaint {
using namespace WebBrowserLayout;

namespace {
void paintBookmarksBar(QPainter &p, const QRect &r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, ChromeLight);
    g.setColorAt(1, QColor(0xe6, 0xe3, 0xdc));
    p.fillRect(r, g);
    p.setPen(ChromeLine);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    const QStringList items = {QStringLiteral("Premiers pas"), QStringLiteral("À la une"),
                               QStringLiteral("Technologie-Wikipédia")};
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

void paintSidePanel(QPainter &p, const QRect &r, SidePanel panel)
{
    p.fillRect(r, ChromeLight);
    // Header with its close box.
    p.setFont(uiFont(12, true));
    p.setPen(Qt::black);
    p.drawText(QRect(r.left() + 6, SidePanelClose.top(), 120, SidePanelClose.height()), Qt::AlignVCenter,
               QStringLiteral("Historique"));
    const QRect close = SidePanelClose.adjusted(3, 3, -3, -3);
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 2));
    p.drawLine(close.topLeft(), close.bottomRight());
    p.drawLine(close.topRight(), close.bottomLeft());
    // Search row.
    p.setFont(uiFont(11));
    p.setPen(Qt::black);
    p.drawText(QRect(r.left() + 4, 92, 60, 20), Qt::AlignVCenter, QStringLiteral("Rechercher :"));
    p.setPen(ChromeLine);
    p.setBrush(Qt::white);
    p.drawRect(QRect(r.left() + 68, 92, 90, 19));
    // The tree of days.
    const QRect list(r.left() + 1, 118, r.width() - 3, r.bottom() - 120);
    p.setBrush(Qt::white);
    p.setPen(ChromeLine);
    p.drawRect(list);
    p.setFont(uiFont(12));
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
    auto pageRow = [&](const QRect &row, const QString &caption, const QColor &colour, QChar letter) {
        paintFavicon(p, QRect(row.left() + 2, row.top() + 2, 16, 16), colour, letter);
        p.setFont(uiFont(11));
        p.setPen(Qt::black);
        p.drawText(QRect(row.left() + 20, row.top(), 140, row.height()), Qt::AlignVCenter, caption);
    };
    folderRow(122, QStringLiteral("Aujourd'hui"), false);
    folderRow(HistoryYesterday.top(), QStringLiteral("Hier"), panel == SidePanel::HistoryYesterdayOpen);
    int y = 162;
    if (panel == SidePanel::HistoryYesterdayOpen) {
        pageRow(HistoryTownEntry, TownTitle, QColor(0x2e, 0x8b, 0x57), QLatin1Char('Q'));
        pageRow(QRect(19, 181, 140, 21), QStringLiteral("Trouvix - Recherche"), QColor(0x33, 0x66, 0xcc), QLatin1Char('T'));
        pageRow(QRect(19, 202, 140, 21), QStringLiteral("Météo de la semaine"), QColor(0xe0, 0x90, 0x10), QLatin1Char('M'));
        y = 226;
    }
    for (const char *day : {"Il y a 2 jours", "Il y a 3 jours", "Il y a 4 jours", "Il y a 5 jours", "Plus ancien"}) {
        folderRow(y, QString::fromUtf8(day), false);
        y += 19;
    }
    // Splitter.
    p.setPen(ChromeLine);
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

void paintTabs(QPainter &p, const QRect &strip, const QStringList &tabs, int active)
{
    QLinearGradient g(strip.topLeft(), strip.bottomLeft());
    g.setColorAt(0, QColor(0xcf, 0xcb, 0xc2));
    g.setColorAt(1, QColor(0xbd, 0xb8, 0xae));
    p.fillRect(strip, g);
    p.setFont(uiFont(12));
    for (int i = 0; i < tabs.size(); ++i) {
        const QRect tab(strip.left() + i * 192, strip.top() + 2, 190, strip.height() - 2);
        QPainterPath path;
        path.addRoundedRect(QRectF(tab).adjusted(0.5, 0.5, -0.5, 6), 4, 4);
        p.setPen(ChromeLine);
        p.setBrush(i == active ? QColor(0xfb, 0xfa, 0xf8) : QColor(0xdc, 0xd8, 0xd0));
        p.drawPath(path);
        const bool library = tabs[i].contains(LibraryName);
        const bool town = tabs[i].contains(TownName);
        if (library || town)
            paintFavicon(p, QRect(tab.left() + 6, tab.top() + 4, 16, 16),
                         library ? QColor(0x8b, 0x1a, 0x2b) : QColor(0x2e, 0x8b, 0x57), library ? QLatin1Char('B') : QLatin1Char('Q'));
        else
            paintIconOrFallback(p, QRect(tab.left() + 6, tab.top() + 4, 16, 16), QStringLiteral("text-html"), Qt::lightGray);
        p.setPen(Qt::black);
        p.setFont(uiFont(12, i == active));
        const QRect text(tab.left() + 26, tab.top(), tab.width() - 48, tab.height());
        p.drawText(text, Qt::AlignVCenter, p.fontMetrics().elidedText(tabs[i], Qt::ElideRight, text.width()));
        const QRect x(tab.right() - 16, tab.top() + 7, 9, 9);
        p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1.6));
        p.drawLine(x.topLeft(), x.bottomRight());
        p.drawLine(x.topRight(), x.bottomLeft());
    }
    p.setPen(ChromeLine);
    p.drawLine(strip.left(), strip.bottom(), strip.right(), strip.bottom());
    if (active >= 0 && active < tabs.size()) {
        p.setPen(QColor(0xfb, 0xfa, 0xf8));
        const int left = strip.left() + active * 192 + 1;
        p.drawLine(left, strip.bottom(), left + 187, strip.bottom());
    }
}
}

QRect paintChrome(QPainter &p, const Chrome &c)
{
    p.fillRect(QRect(0, 0, c.width, c.height), ChromeLight);
    paintToolbarBackground(p, QRect(0, 0, c.width, ToolbarBottom));
    paintNavigationButton(p, BackButton, QStringLiteral("back"), QStringLiteral("Précédente"));
    paintNavigationButton(p, ForwardButton, QStringLiteral("forward"), QStringLiteral("Suivante"), c.forwardEnabled);
    paintNavigationButton(p, ReloadButton, QStringLiteral("reload"), QStringLiteral("Actualiser"));
    paintNavigationButton(p, StopButton, QStringLiteral("stop"), QStringLiteral("Arrêter"));
    paintNavigationButton(p, HomeButton, QStringLiteral("home"), QStringLiteral("Accueil"));
    paintField(p, AddressField.adjusted(-3, -3, 3, 3), c.url, uiFont(13));
    paintGo(p, GoButton);
    paintField(p, ToolbarSearchField.adjusted(-3, -3, 3, 3), SearchEngineName, uiFont(12), QColor(0x90, 0x90, 0x90));
    paintBookmarksBar(p, BookmarksBar.adjusted(0, 0, c.width - BookmarksBar.width(), 0));

    const int left = c.panel == SidePanel::None ? 0 : SidePanelWidth + 1;
    if (c.panel != SidePanel::None)
        paintSidePanel(p, QRect(0, ToolbarBottom + 22, SidePanelWidth + 1, StatusBarTop - ToolbarBottom - 22), c.panel);
    paintTabs(p, QRect(left, TabTop, c.width - left, TabHeight), c.tabs, c.activeTab);

    const int top = TabTop + TabHeight;
    const QRect page(left, top, c.width - left - 16, StatusBarTop - top);
    p.fillRect(page, Qt::white);
    paintVerticalScrollBar(p, QRect(page.right() + 1, top, 16, page.height()));

    const QRect status(0, StatusBarTop, c.width, c.height - StatusBarTop);
    p.fillRect(status, ChromeLight);
    p.setPen(ChromeLine);
    p.drawLine(status.topLeft(), status.topRight());
    p.setPen(Qt::black);
    p.setFont(uiFont(12));
    p.drawText(status.adjusted(6, 0, 0, 0), Qt::AlignVCenter, c.status);
    return page;
}
}
