#include "pictures/browser.h"

#include "pictures/kit.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace Browser {
namespace {

constexpr int TabStripHeight = 38;
constexpr int ToolBarHeight = 42;
constexpr int BookmarksHeight = 28;
constexpr int StatusHeight = 22;
constexpr int SideItemHeight = 24;
constexpr int NavButton = 30;

const QColor StripColour(222, 225, 230);
const QColor ToolColour(249, 249, 251);
const QColor FieldColour(240, 240, 244);
const QColor Ink(32, 33, 36);
const QColor Faint(110, 112, 118);

class Saved
{
public:
    explicit Saved(QPainter &painter) : m_painter(painter) { m_painter.save(); }
    ~Saved() { m_painter.restore(); }

private:
    QPainter &m_painter;
};

PictureKit::WindowFrame frameOf(const Chrome &chrome)
{
    PictureKit::WindowFrame frame;
    frame.caption = chrome.caption;
    frame.maximised = true;
    return frame;
}

// The strip's own window buttons, used when the window has no title bar of its own.
bool buttonsInStrip(const Chrome &chrome) { return chrome.windowFrame && chrome.caption.isEmpty(); }

void drawPadlock(QPainter &painter, const QRectF &r, const QColor &colour)
{
    Saved saved(painter);
    painter.setPen(QPen(colour, 1.5));
    painter.setBrush(Qt::NoBrush);
    const qreal w = r.width();
    painter.drawArc(QRectF(r.left() + w * 0.22, r.top(), w * 0.56, r.height() * 0.7), 0, 180 * 16);
    painter.drawLine(QPointF(r.left() + w * 0.22, r.top() + r.height() * 0.35),
                     QPointF(r.left() + w * 0.22, r.top() + r.height() * 0.45));
    painter.drawLine(QPointF(r.left() + w * 0.78, r.top() + r.height() * 0.35),
                     QPointF(r.left() + w * 0.78, r.top() + r.height() * 0.45));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(r.left() + w * 0.1, r.top() + r.height() * 0.42, w * 0.8, r.height() * 0.58), 1.5,
                            1.5);
}

void drawMagnifier(QPainter &painter, const QRectF &r, const QColor &colour)
{
    Saved saved(painter);
    QPen pen(colour, 1.6);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal d = r.width() * 0.62;
    painter.drawEllipse(QRectF(r.left(), r.top(), d, d));
    painter.drawLine(QPointF(r.left() + d * 0.85, r.top() + d * 0.85), r.bottomRight());
}

void drawCross(QPainter &painter, const QRectF &r, const QColor &colour)
{
    Saved saved(painter);
    QPen pen(colour, 1.4);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    const QPointF c = r.center();
    const qreal d = r.width() * 0.28;
    painter.drawLine(QPointF(c.x() - d, c.y() - d), QPointF(c.x() + d, c.y() + d));
    painter.drawLine(QPointF(c.x() + d, c.y() - d), QPointF(c.x() - d, c.y() + d));
}

void drawHamburger(QPainter &painter, const QRectF &r, const QColor &colour)
{
    Saved saved(painter);
    QPen pen(colour, 1.8);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    const QPointF c = r.center();
    for (int i = -1; i <= 1; ++i)
        painter.drawLine(QPointF(c.x() - 7, c.y() + 5 * i), QPointF(c.x() + 7, c.y() + 5 * i));
}

// The arrows and the house of the navigation buttons, drawn as thin outlines.
enum class Nav { Back, Forward, Reload, Home };
void drawNav(QPainter &painter, const QRect &rect, Nav kind, bool enabled)
{
    Saved saved(painter);
    QPen pen(enabled ? Ink : QColor(180, 182, 186), 1.8);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QPointF c = QRectF(rect).center();
    switch (kind) {
    case Nav::Back:
    case Nav::Forward: {
        const qreal s = kind == Nav::Back ? 1 : -1;
        painter.drawLine(QPointF(c.x() - 7 * s, c.y()), QPointF(c.x() + 7 * s, c.y()));
        painter.drawPolyline(QList<QPointF>{{c.x() - 1 * s, c.y() - 6}, {c.x() - 7 * s, c.y()}, {c.x() - 1 * s, c.y() + 6}});
        break;
    }
    case Nav::Reload: {
        painter.drawArc(QRectF(c.x() - 7, c.y() - 7, 14, 14), 60 * 16, 290 * 16);
        painter.setPen(Qt::NoPen);
        painter.setBrush(pen.color());
        painter.drawPolygon(QPolygonF{{c.x() + 2, c.y() - 10}, {c.x() + 8, c.y() - 6}, {c.x() + 2, c.y() - 2.5}});
        break;
    }
    case Nav::Home:
        painter.drawPolyline(QList<QPointF>{{c.x() - 8, c.y() - 0.5}, {c.x(), c.y() - 8}, {c.x() + 8, c.y() - 0.5}});
        painter.drawPolyline(QList<QPointF>{{c.x() - 5.5, c.y() - 2}, {c.x() - 5.5, c.y() + 7}, {c.x() + 5.5, c.y() + 7},
                                            {c.x() + 5.5, c.y() - 2}});
        painter.drawRect(QRectF(c.x() - 1.8, c.y() + 2, 3.6, 5));
        break;
    }
}

void drawSiteIcon(QPainter &painter, const QRectF &r, const QColor &colour)
{
    Saved saved(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(r);
    painter.setPen(QPen(Qt::white, 1.1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(r.adjusted(3, 3, -3, -3));
    painter.drawLine(QPointF(r.center().x(), r.top() + 3), QPointF(r.center().x(), r.bottom() - 3));
}

void drawTab(QPainter &painter, const QRect &r, const QRect &close, const Tab &tab, bool active)
{
    Saved saved(painter);
    if (active) {
        QPainterPath shape;
        const QRectF t = QRectF(r).adjusted(0, 0, 0, 1);
        shape.moveTo(t.left() - 6, t.bottom());
        shape.quadTo(t.left(), t.bottom(), t.left(), t.bottom() - 6);
        shape.lineTo(t.left(), t.top() + 8);
        shape.quadTo(t.left(), t.top(), t.left() + 8, t.top());
        shape.lineTo(t.right() - 8, t.top());
        shape.quadTo(t.right(), t.top(), t.right(), t.top() + 8);
        shape.lineTo(t.right(), t.bottom() - 6);
        shape.quadTo(t.right(), t.bottom(), t.right() + 6, t.bottom());
        shape.closeSubpath();
        painter.setPen(QColor(200, 202, 208));
        painter.setBrush(ToolColour);
        painter.drawPath(shape);
    }
    drawSiteIcon(painter, QRectF(r.left() + 10, r.center().y() - 7.5, 15, 15), tab.iconColour);
    painter.setFont(PictureKit::uiFont(12));
    painter.setPen(active ? Ink : Faint.darker(120));
    const QRect textRect(r.left() + 32, r.top(), close.left() - r.left() - 36, r.height());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetrics(painter.font()).elidedText(tab.title, Qt::ElideRight, textRect.width()));
    drawCross(painter, close, Faint);
}
}

Geometry layout(const QRect &outer, const Chrome &chrome)
{
    Geometry g;
    g.frame = outer;
    // A window drawing its buttons in the strip keeps a one-pixel border.
    QRect area = buttonsInStrip(chrome) ? outer.adjusted(1, 1, -1, -1) : outer;
    if (chrome.windowFrame && !buttonsInStrip(chrome)) {
        const auto frame = PictureKit::windowFrameGeometry(outer, frameOf(chrome));
        g.titleBar = frame.titleBar;
        area = frame.client;
    }
    int y = area.top();
    if (chrome.menuBar) {
        g.menuBar = QRect(area.left(), y, area.width(), PictureKit::MenuBarHeight);
        g.menus = PictureKit::menuBarLayout(g.menuBar, chrome.menus);
        y += PictureKit::MenuBarHeight;
    }
    g.tabStrip = QRect(area.left(), y, area.width(), TabStripHeight);
    y += TabStripHeight;
    const int stripRight = g.tabStrip.right() - (buttonsInStrip(chrome) ? 3 * 40 : 0);
    const int count = int(chrome.tabs.size());
    const int tabWidth = count == 0 ? 0 : std::clamp((stripRight - g.tabStrip.left() - 60) / count, 80, 240);
    int x = g.tabStrip.left() + 8;
    for (int i = 0; i < count; ++i) {
        const QRect tab(x, g.tabStrip.top() + 6, tabWidth, TabStripHeight - 6);
        g.tabs << tab;
        g.tabCloses << QRect(tab.right() - 24, tab.center().y() - 8, 16, 16);
        x += tabWidth;
    }
    g.newTab = QRect(x + 6, g.tabStrip.top() + 9, 26, 26);

    g.toolBar = QRect(area.left(), y, area.width(), ToolBarHeight);
    y += ToolBarHeight;
    const int by = g.toolBar.top() + (ToolBarHeight - NavButton) / 2;
    g.back = QRect(g.toolBar.left() + 6, by, NavButton, NavButton);
    g.forward = g.back.translated(NavButton + 2, 0);
    g.reload = g.forward.translated(NavButton + 2, 0);
    g.home = g.reload.translated(NavButton + 2, 0);
    g.menuButton = QRect(g.toolBar.right() - 6 - NavButton + 1, by, NavButton, NavButton);
    const int fieldHeight = 30;
    const int fy = g.toolBar.top() + (ToolBarHeight - fieldHeight) / 2;
    const bool withSearch = area.width() >= 640;
    const int searchWidth = withSearch ? std::min(220, area.width() / 4) : 0;
    if (withSearch)
        g.search = QRect(g.menuButton.left() - 8 - searchWidth, fy, searchWidth, fieldHeight);
    const int addressRight = withSearch ? g.search.left() - 8 : g.menuButton.left() - 8;
    g.address = QRect(g.home.right() + 10, fy, addressRight - g.home.right() - 10, fieldHeight);
    g.addressText = QRect(g.address.left() + 34, g.address.top(), g.address.width() - 44, fieldHeight);

    if (chrome.bookmarksBar) {
        g.bookmarksBar = QRect(area.left(), y, area.width(), BookmarksHeight);
        const QFont font = PictureKit::uiFont(12);
        int bx = g.bookmarksBar.left() + 8;
        for (const QString &mark : chrome.bookmarks) {
            const int w = QFontMetrics(font).horizontalAdvance(mark) + 32;
            g.bookmarkItems << QRect(bx, g.bookmarksBar.top() + 3, w, BookmarksHeight - 6);
            bx += w + 4;
        }
        y += BookmarksHeight;
    }
    int bottom = area.bottom();
    if (chrome.statusBar) {
        g.statusBar = QRect(area.left(), bottom - StatusHeight + 1, area.width(), StatusHeight);
        bottom -= StatusHeight;
    }
    QRect content(area.left(), y + 1, area.width(), bottom - y);
    if (chrome.sidePanel) {
        g.sidePanel = QRect(content.left(), content.top(), chrome.sidePanelWidth, content.height());
        int iy = g.sidePanel.top() + 72;
        for (int i = 0; i < chrome.sidePanelItems.size(); ++i) {
            g.sidePanelItems << QRect(g.sidePanel.left() + 6, iy, g.sidePanel.width() - 12, SideItemHeight);
            iy += SideItemHeight;
        }
        content.setLeft(g.sidePanel.right() + 2);
    }
    g.content = content;
    return g;
}

Geometry paintBrowser(QPainter &painter, const QRect &outer, const Chrome &chrome)
{
    Saved saved(painter);
    const Geometry g = layout(outer, chrome);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!g.titleBar.isNull())
        PictureKit::paintWindowFrame(painter, outer, frameOf(chrome));
    if (chrome.menuBar)
        PictureKit::paintMenuBar(painter, g.menuBar, chrome.menus, chrome.highlightedMenu);

    // Tab strip.
    painter.fillRect(g.tabStrip, StripColour);
    for (int i = 0; i < g.tabs.size(); ++i) {
        const bool active = i == chrome.activeTab;
        if (!active && i + 1 != chrome.activeTab && i + 1 < g.tabs.size()) {
            painter.setPen(QColor(170, 172, 178));
            painter.drawLine(g.tabs[i].right(), g.tabs[i].top() + 8, g.tabs[i].right(), g.tabs[i].bottom() - 8);
        }
    }
    for (int i = 0; i < g.tabs.size(); ++i)
        drawTab(painter, g.tabs[i], g.tabCloses[i], chrome.tabs[i], i == chrome.activeTab);
    {
        Saved plus(painter);
        QPen pen(Ink, 1.6);
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        const QPointF c = QRectF(g.newTab).center();
        painter.drawLine(QPointF(c.x() - 6, c.y()), QPointF(c.x() + 6, c.y()));
        painter.drawLine(QPointF(c.x(), c.y() - 6), QPointF(c.x(), c.y() + 6));
    }
    if (buttonsInStrip(chrome)) {
        // The window's own buttons at the end of the strip.
        const int left = g.tabStrip.right() - 3 * 40 + 1;
        const QPointF m(left + 20, g.tabStrip.top() + 16);
        const QPointF x(left + 60, g.tabStrip.top() + 16);
        const QPointF c(left + 100, g.tabStrip.top() + 16);
        painter.setPen(QPen(Ink, 1.3));
        painter.setBrush(Qt::NoBrush);
        painter.drawLine(QPointF(m.x() - 5, m.y()), QPointF(m.x() + 5, m.y()));
        painter.drawRect(QRectF(x.x() - 4.5, x.y() - 4.5, 9, 9));
        drawCross(painter, QRectF(c.x() - 10, c.y() - 10, 20, 20), Ink);
    }

    // Navigation bar.
    painter.fillRect(g.toolBar, ToolColour);
    drawNav(painter, g.back, Nav::Back, true);
    drawNav(painter, g.forward, Nav::Forward, false);
    drawNav(painter, g.reload, Nav::Reload, true);
    drawNav(painter, g.home, Nav::Home, true);
    painter.setPen(QColor(205, 207, 212));
    painter.setBrush(FieldColour);
    painter.drawRoundedRect(QRectF(g.address).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    const QRectF lock(g.address.left() + 12, g.address.center().y() - 7, 12, 14);
    if (chrome.secure)
        drawPadlock(painter, lock, QColor(70, 72, 78));
    else
        drawMagnifier(painter, lock.adjusted(0, 1, 0, -1), Faint);
    painter.setFont(PictureKit::uiFont(13));
    painter.setPen(Ink);
    painter.drawText(g.addressText, Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetrics(painter.font()).elidedText(chrome.url, Qt::ElideRight, g.addressText.width()));
    // The bookmark star at the right of the address.
    {
        Saved star(painter);
        QPolygonF shape;
        const QPointF c(g.address.right() - 16, g.address.center().y() + 0.5);
        for (int i = 0; i < 10; ++i) {
            const qreal radius = i % 2 ? 3.0 : 7.0;
            const qreal angle = -M_PI / 2 + i * M_PI / 5;
            shape << QPointF(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
        }
        painter.setPen(QPen(Faint, 1.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(shape);
    }
    if (!g.search.isNull()) {
        painter.setPen(QColor(205, 207, 212));
        painter.setBrush(FieldColour);
        painter.drawRoundedRect(QRectF(g.search).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
        drawMagnifier(painter, QRectF(g.search.left() + 10, g.search.center().y() - 6, 12, 12), Faint);
        const bool placeholder = chrome.searchText.isEmpty();
        painter.setPen(placeholder ? Faint : Ink);
        painter.drawText(g.search.adjusted(30, 0, -8, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         placeholder ? QStringLiteral("Rechercher") : chrome.searchText);
    }
    drawHamburger(painter, g.menuButton, Ink);
    painter.fillRect(QRect(g.toolBar.left(), g.toolBar.bottom(), g.toolBar.width(), 1), QColor(210, 212, 216));

    if (chrome.bookmarksBar) {
        painter.fillRect(g.bookmarksBar, ToolColour);
        painter.setFont(PictureKit::uiFont(12));
        for (int i = 0; i < g.bookmarkItems.size(); ++i) {
            const QRect r = g.bookmarkItems[i];
            drawSiteIcon(painter, QRectF(r.left() + 4, r.center().y() - 7, 14, 14), QColor::fromHsv((i * 67) % 360, 150, 200));
            painter.setPen(Ink);
            painter.drawText(r.adjusted(24, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, chrome.bookmarks[i]);
        }
        painter.fillRect(QRect(g.bookmarksBar.left(), g.bookmarksBar.bottom(), g.bookmarksBar.width(), 1),
                         QColor(210, 212, 216));
    }

    if (chrome.sidePanel) {
        const QRect p = g.sidePanel;
        painter.fillRect(p, QColor(246, 246, 248));
        painter.fillRect(QRect(p.right() + 1, p.top(), 1, p.height()), QColor(205, 207, 212));
        painter.setFont(PictureKit::uiFont(13, true));
        painter.setPen(Ink);
        painter.drawText(QRect(p.left() + 12, p.top() + 6, p.width() - 40, 26), Qt::AlignLeft | Qt::AlignVCenter,
                         chrome.sidePanelTitle);
        drawCross(painter, QRectF(p.right() - 26, p.top() + 11, 16, 16), Faint);
        const QRect filter(p.left() + 10, p.top() + 36, p.width() - 20, 26);
        painter.setPen(QColor(205, 207, 212));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(QRectF(filter).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        drawMagnifier(painter, QRectF(filter.left() + 8, filter.center().y() - 5, 10, 10), Faint);
        painter.setFont(PictureKit::uiFont(12));
        painter.setPen(Faint);
        painter.drawText(filter.adjusted(26, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Rechercher"));
        for (int i = 0; i < g.sidePanelItems.size(); ++i) {
            const QRect r = g.sidePanelItems[i];
            QString text = chrome.sidePanelItems[i];
            const bool group = text.startsWith(QStringLiteral("> "));
            if (group) {
                text = text.mid(2);
                painter.setFont(PictureKit::uiFont(12, true));
                painter.setPen(Ink);
                QPolygonF arrow{{qreal(r.left() + 4), r.center().y() - 3.0}, {r.left() + 12.0, r.center().y() - 3.0},
                                {r.left() + 8.0, r.center().y() + 2.0}};
                painter.setBrush(Ink);
                painter.drawPolygon(arrow);
                painter.drawText(r.adjusted(18, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
            } else {
                drawSiteIcon(painter, QRectF(r.left() + 18, r.center().y() - 7, 14, 14),
                             QColor::fromHsv((i * 53 + 190) % 360, 140, 200));
                painter.setFont(PictureKit::uiFont(12));
                painter.setPen(Ink);
                painter.drawText(r.adjusted(38, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                                 QFontMetrics(painter.font()).elidedText(text, Qt::ElideRight, r.width() - 40));
            }
        }
    }

    painter.fillRect(g.content, Qt::white);
    if (chrome.statusBar)
        PictureKit::paintStatusBar(painter, g.statusBar, {chrome.statusText});
    if (chrome.windowFrame && buttonsInStrip(chrome)) {
        painter.setPen(QColor(150, 152, 155));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(outer).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    return g;
}

// ---- pages -------------------------------------------------------------------------

QRect paintSchoolSiteHeader(QPainter &painter, const QRect &content, const QString &title, const QString &subtitle)
{
    const int height = std::min(90, std::max(56, content.height() / 6));
    const QRect banner(content.left(), content.top(), content.width(), height);
    PictureKit::paintWebBanner(painter, banner, title, subtitle, QColor(28, 92, 170));
    return QRect(content.left(), banner.bottom() + 1, content.width(), content.bottom() - banner.bottom());
}

QRect paintSearchHome(QPainter &painter, const QRect &content, const QString &engineName, const QString &query)
{
    Saved saved(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(std::clamp(content.height() / 7, 28, 56));
    font.setBold(true);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int nameWidth = metrics.horizontalAdvance(engineName);
    int x = content.center().x() - nameWidth / 2;
    const int baseline = content.top() + content.height() * 3 / 10;
    const QColor letters[] = {QColor(52, 120, 220), QColor(220, 70, 60), QColor(245, 180, 30), QColor(52, 120, 220),
                              QColor(40, 160, 80), QColor(220, 70, 60)};
    for (int i = 0; i < engineName.size(); ++i) {
        painter.setPen(letters[i % 6]);
        painter.drawText(QPoint(x, baseline), engineName.mid(i, 1));
        x += metrics.horizontalAdvance(engineName.mid(i, 1));
    }
    const int boxWidth = std::min(560, content.width() - 80);
    const QRect box(content.center().x() - boxWidth / 2, baseline + 30, boxWidth, 40);
    painter.setPen(QColor(200, 202, 206));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 20, 20);
    drawMagnifier(painter, QRectF(box.left() + 16, box.center().y() - 7, 14, 14), Faint);
    painter.setFont(PictureKit::uiFont(14));
    painter.setPen(query.isEmpty() ? Faint : Ink);
    painter.drawText(box.adjusted(42, 0, -16, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     query.isEmpty() ? QStringLiteral("Rechercher sur le Web") : query);
    const QStringList labels = {QStringLiteral("Recherche"), QStringLiteral("J'ai de la chance")};
    int bx = content.center().x() - 150;
    for (const QString &label : labels) {
        const QRect button(bx, box.bottom() + 20, 140, 34);
        painter.setPen(QColor(230, 230, 232));
        painter.setBrush(QColor(246, 247, 249));
        painter.drawRoundedRect(QRectF(button).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        painter.setPen(Ink);
        painter.drawText(button, Qt::AlignCenter, label);
        bx += 160;
    }
    return box;
}

QList<QRect> paintNewTabPage(QPainter &painter, const QRect &content, const QStringList &tiles)
{
    Saved saved(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(content, QColor(249, 249, 251));
    const int boxWidth = std::min(520, content.width() - 80);
    const QRect box(content.center().x() - boxWidth / 2, content.top() + content.height() / 5, boxWidth, 44);
    painter.setPen(QColor(210, 212, 216));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    drawMagnifier(painter, QRectF(box.left() + 16, box.center().y() - 7, 14, 14), Faint);
    painter.setFont(PictureKit::uiFont(14));
    painter.setPen(Faint);
    painter.drawText(box.adjusted(42, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Rechercher ou saisir une adresse"));
    QList<QRect> rects;
    const int tile = 96;
    const int gap = 18;
    const int columns = std::max(1, std::min(int(tiles.size()), (content.width() - 40) / (tile + gap)));
    const int rowWidth = columns * tile + (columns - 1) * gap;
    for (int i = 0; i < tiles.size(); ++i) {
        const QRect r(content.center().x() - rowWidth / 2 + (i % columns) * (tile + gap),
                      box.bottom() + 40 + (i / columns) * (tile + gap), tile, tile);
        painter.setPen(QColor(225, 226, 230));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
        drawSiteIcon(painter, QRectF(r.center().x() - 18, r.top() + 14, 36, 36), QColor::fromHsv((i * 61 + 200) % 360, 160, 210));
        painter.setFont(PictureKit::uiFont(11));
        painter.setPen(Ink);
        painter.drawText(QRect(r.left() + 4, r.bottom() - 34, r.width() - 8, 28), Qt::AlignCenter,
                         QFontMetrics(painter.font()).elidedText(tiles[i], Qt::ElideRight, r.width() - 8));
        rects << r;
    }
    return rects;
}
}
