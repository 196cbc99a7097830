// The picture kit: menus and tool bars.
#include "pictures/kit.h"
#include "pictures/kit_internal.h"
#include "pictures/drawinglog.h"

#include <algorithm>

namespace PictureKit {
using namespace detail;

// ---- menus -------------------------------------------------------------------------

QList<QRect> menuBarLayout(const QRect &bar, const QStringList &titles)
{
    QList<QRect> rects;
    const QFont font = uiFont();
    int x = bar.left() + 4;
    for (const QString &title : titles) {
        const int w = textWidth(font, withoutMnemonic(title)) + 16;
        rects << QRect(x, bar.top() + 1, w, bar.height() - 2);
        x += w;
    }
    return rects;
}

QList<QRect> paintMenuBar(QPainter &painter, const QRect &bar, const QStringList &titles, int highlighted)
{
    Saved saved(painter);
    painter.fillRect(bar, Colours::Window);
    const QList<QRect> rects = menuBarLayout(bar, titles);
    painter.setFont(uiFont());
    for (int i = 0; i < titles.size(); ++i) {
        if (i == highlighted) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(Colours::Highlight);
            painter.drawRoundedRect(rects[i].adjusted(0, 1, 0, -1), 3, 3);
            painter.setPen(Colours::HighlightText);
        } else {
            painter.setPen(Colours::Text);
        }
        drawMnemonicText(painter, rects[i], titles[i], Qt::AlignCenter);
    }
    return rects;
}

QSize menuSize(const QList<MenuItem> &items, int minimumWidth)
{
    const QFont font = uiFont();
    int textColumn = 0;
    int shortcutColumn = 0;
    int height = 8;
    for (const MenuItem &item : items) {
        height += item.separator ? MenuSeparatorHeight : MenuItemHeight;
        textColumn = std::max(textColumn, textWidth(font, withoutMnemonic(item.text)));
        if (!item.shortcut.isEmpty())
            shortcutColumn = std::max(shortcutColumn, textWidth(font, item.shortcut));
    }
    int width = MenuIconColumn + textColumn + MenuRightColumn + 12;
    if (shortcutColumn > 0)
        width += MenuShortcutGap + shortcutColumn;
    return {std::max(width, minimumWidth), height};
}

QList<QRect> menuLayout(const QPoint &topLeft, const QList<MenuItem> &items, int minimumWidth)
{
    const QSize size = menuSize(items, minimumWidth);
    QList<QRect> rects;
    int y = topLeft.y() + 4;
    for (const MenuItem &item : items) {
        const int h = item.separator ? MenuSeparatorHeight : MenuItemHeight;
        rects << QRect(topLeft.x() + 4, y, size.width() - 8, h);
        y += h;
    }
    return rects;
}

QList<QRect> paintMenu(QPainter &painter, const QPoint &topLeft, const QList<MenuItem> &items, int highlighted,
                       int minimumWidth)
{
    Saved saved(painter);
    const QSize size = menuSize(items, minimumWidth);
    const QRect outline(topLeft, size);
    // A soft shadow, then the white pop-up.
    painter.setPen(Qt::NoPen);
    for (int i = 1; i <= 4; ++i) {
        painter.setBrush(QColor(0, 0, 0, 14));
        painter.drawRoundedRect(outline.translated(1, 2).adjusted(-i + 1, -i + 1, i - 1, i - 1), 4 + i, 4 + i);
    }
    painter.setBrush(Qt::white);
    painter.setPen(QColor(180, 182, 185));
    painter.drawRoundedRect(QRectF(outline).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);

    const QList<QRect> rects = menuLayout(topLeft, items, minimumWidth);
    const QFont font = uiFont();
    painter.setFont(font);
    for (int i = 0; i < items.size(); ++i) {
        const MenuItem &item = items[i];
        const QRect r = rects[i];
        if (item.separator) {
            painter.fillRect(QRect(r.left() + 6, r.center().y(), r.width() - 12, 1), QColor(214, 216, 218));
            continue;
        }
        DrawingLog::menuRow(painter, r);
        const bool lit = i == highlighted && item.enabled;
        if (lit) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(Colours::Highlight);
            painter.drawRoundedRect(r, 3, 3);
        }
        const QColor ink = !item.enabled ? Colours::Disabled : lit ? Colours::HighlightText : Colours::Text;
        const QRect iconRect(r.left() + 5, r.top() + (r.height() - 16) / 2, 16, 16);
        if (item.checkable && item.checked)
            drawCheckMark(painter, iconRect, ink);
        else if (!item.icon.isEmpty())
            themeIcon(item.icon).paint(&painter, iconRect, Qt::AlignCenter,
                                       item.enabled ? QIcon::Normal : QIcon::Disabled);
        painter.setPen(ink);
        const QRect textRect(r.left() + MenuIconColumn - 4, r.top(), r.width() - MenuIconColumn, r.height());
        drawMnemonicText(painter, textRect, item.text, Qt::AlignLeft | Qt::AlignVCenter);
        if (!item.shortcut.isEmpty()) {
            painter.setPen(lit ? Colours::HighlightText : Colours::Disabled.darker(115));
            painter.drawText(r.adjusted(0, 0, -MenuRightColumn + 4, 0), Qt::AlignRight | Qt::AlignVCenter,
                             item.shortcut);
        }
        if (item.submenu)
            drawSubmenuArrow(painter, QRect(r.right() - 16, r.top(), 12, r.height()), ink);
    }
    return rects;
}

// ---- tool bars ---------------------------------------------------------------------

QList<QRect> toolBarLayout(const QRect &bar, const QList<ToolButton> &buttons, int iconSize)
{
    QList<QRect> rects;
    const QFont font = uiFont();
    const int side = iconSize + 8;
    const int y = bar.top() + (bar.height() - side) / 2;
    int x = bar.left() + 4;
    for (const ToolButton &button : buttons) {
        if (button.separator) {
            rects << QRect(x, bar.top() + 4, 7, bar.height() - 8);
            x += 7;
            continue;
        }
        int w = side;
        if (!button.text.isEmpty())
            w += textWidth(font, button.text) + (button.icon.isEmpty() ? 4 : 8);
        rects << QRect(x, y, w, side);
        x += w + 1;
    }
    return rects;
}

QList<QRect> paintToolBar(QPainter &painter, const QRect &bar, const QList<ToolButton> &buttons, int iconSize)
{
    Saved saved(painter);
    painter.fillRect(bar, Colours::Window);
    const QList<QRect> rects = toolBarLayout(bar, buttons, iconSize);
    painter.setFont(uiFont());
    for (int i = 0; i < buttons.size(); ++i) {
        const ToolButton &button = buttons[i];
        const QRect r = rects[i];
        if (button.separator) {
            painter.fillRect(QRect(r.center().x(), r.top() + 2, 1, r.height() - 4), QColor(200, 202, 204));
            continue;
        }
        if (button.down) {
            painter.setPen(QColor(61, 174, 233, 180));
            painter.setBrush(QColor(61, 174, 233, 60));
            painter.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        }
        const QRect iconRect(r.left() + 4, r.top() + 4, iconSize, iconSize);
        if (!button.icon.isEmpty())
            themeIcon(button.icon).paint(&painter, iconRect, Qt::AlignCenter,
                                         button.enabled ? QIcon::Normal : QIcon::Disabled);
        if (!button.text.isEmpty()) {
            painter.setPen(button.enabled ? Colours::Text : Colours::Disabled);
            const int textLeft = button.icon.isEmpty() ? r.left() + 6 : iconRect.right() + 5;
            painter.drawText(QRect(textLeft, r.top(), r.right() - textLeft, r.height()),
                             Qt::AlignLeft | Qt::AlignVCenter, button.text);
        }
    }
    return rects;
}
}
