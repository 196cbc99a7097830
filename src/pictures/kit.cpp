#include "pictures/kit.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStyle>
#include <QStyleOption>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionProgressBar>
#include <QStyleOptionSlider>
#include <QStyleOptionSpinBox>
#include <QWidget>

#include <algorithm>

namespace PictureKit {
namespace {

QStyle *style() { return QApplication::style(); }

QPalette palette() { return QApplication::palette(); }

// Keeps the painter's state for the lifetime of the guard.
class Saved
{
public:
    explicit Saved(QPainter &painter) : m_painter(painter) { m_painter.save(); }
    ~Saved() { m_painter.restore(); }
    Saved(const Saved &) = delete;
    Saved &operator=(const Saved &) = delete;

private:
    QPainter &m_painter;
};

template <typename Option>
Option optionFor(const QRect &rect)
{
    Option option;
    option.rect = rect;
    option.palette = palette();
    option.state = QStyle::State_Enabled;
    option.direction = Qt::LeftToRight;
    option.fontMetrics = QFontMetrics(uiFont());
    return option;
}

QString withoutMnemonic(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// Draws 'text' whose '&' marks the underlined letter.
void drawMnemonicText(QPainter &painter, const QRect &rect, const QString &text, Qt::Alignment alignment)
{
    painter.drawText(rect, int(alignment) | Qt::TextShowMnemonic, text);
}

int textWidth(const QFont &font, const QString &text) { return QFontMetrics(font).horizontalAdvance(text); }

void drawTitleButton(QPainter &painter, const QRect &rect, int kind, bool active)
{
    Saved saved(painter);
    const QPointF c = QRectF(rect).center();
    QColor ink = active ? QColor(35, 38, 41) : QColor(120, 122, 124);
    if (kind == 2) {   // close: a red round button
        painter.setPen(Qt::NoPen);
        painter.setBrush(active ? QColor(218, 68, 83) : QColor(200, 200, 200));
        painter.drawEllipse(c, 8.5, 8.5);
        ink = Qt::white;
    }
    QPen pen(ink, 1.6);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    switch (kind) {
    case 0:   // minimise
        painter.drawLine(QPointF(c.x() - 4.5, c.y() + 1), QPointF(c.x() + 4.5, c.y() + 1));
        break;
    case 1:   // maximise
        painter.drawRect(QRectF(c.x() - 4.5, c.y() - 4.5, 9, 9));
        break;
    case 3:   // restore
        painter.drawRect(QRectF(c.x() - 4.5, c.y() - 2.5, 7, 7));
        painter.drawPolyline(QList<QPointF>{{c.x() - 2.5, c.y() - 2.5}, {c.x() - 2.5, c.y() - 4.5},
                                            {c.x() + 4.5, c.y() - 4.5}, {c.x() + 4.5, c.y() + 2.5},
                                            {c.x() + 2.5, c.y() + 2.5}});
        break;
    default:   // close cross
        painter.drawLine(QPointF(c.x() - 3.5, c.y() - 3.5), QPointF(c.x() + 3.5, c.y() + 3.5));
        painter.drawLine(QPointF(c.x() + 3.5, c.y() - 3.5), QPointF(c.x() - 3.5, c.y() + 3.5));
        break;
    }
}

void drawSubmenuArrow(QPainter &painter, const QRect &rect, const QColor &colour)
{
    Saved saved(painter);
    painter.setPen(QPen(colour, 1.4));
    const QPointF c = QRectF(rect).center();
    painter.drawPolyline(QList<QPointF>{{c.x() - 2, c.y() - 4}, {c.x() + 2, c.y()}, {c.x() - 2, c.y() + 4}});
}

void drawCheckMark(QPainter &painter, const QRect &rect, const QColor &colour)
{
    Saved saved(painter);
    QPen pen(colour, 2);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    const QPointF c = QRectF(rect).center();
    painter.drawPolyline(QList<QPointF>{{c.x() - 4.5, c.y()}, {c.x() - 1.5, c.y() + 3.5}, {c.x() + 4.5, c.y() - 4}});
}

constexpr int MenuIconColumn = 28;
constexpr int MenuShortcutGap = 36;
constexpr int MenuRightColumn = 22;
}

// ---- fonts, colours and icons ------------------------------------------------------

QFont uiFont(int pixels, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QIcon themeIcon(const QString &name) { return QIcon::fromTheme(name); }

void paintIcon(QPainter &painter, const QRect &rect, const QString &themeName)
{
    if (themeName.isEmpty())
        return;
    themeIcon(themeName).paint(&painter, rect);
}

// ---- windows -----------------------------------------------------------------------

WindowFrameGeometry windowFrameGeometry(const QRect &outer, const WindowFrame &frame)
{
    WindowFrameGeometry g;
    const int border = frame.maximised ? 0 : 1;
    g.titleBar = QRect(outer.left() + border, outer.top() + border, outer.width() - 2 * border, TitleBarHeight);
    g.icon = frame.icon.isEmpty() ? QRect() : QRect(g.titleBar.left() + 8, g.titleBar.top() + 7, 16, 16);
    const int buttonSize = 24;
    const int y = g.titleBar.top() + (TitleBarHeight - buttonSize) / 2;
    g.close = QRect(g.titleBar.right() - 4 - buttonSize + 1, y, buttonSize, buttonSize);
    int x = g.close.left() - 2;
    if (frame.maximiseButton) {
        g.maximise = QRect(x - buttonSize, y, buttonSize, buttonSize);
        x = g.maximise.left() - 2;
    }
    if (frame.minimiseButton)
        g.minimise = QRect(x - buttonSize, y, buttonSize, buttonSize);
    g.client = QRect(g.titleBar.left(), g.titleBar.bottom() + 1, g.titleBar.width(),
                     outer.bottom() - border - g.titleBar.bottom());
    return g;
}

QRect paintWindowFrame(QPainter &painter, const QRect &outer, const WindowFrame &frame)
{
    Saved saved(painter);
    const WindowFrameGeometry g = windowFrameGeometry(outer, frame);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Colours::Window);
    painter.drawRect(outer);

    QLinearGradient bar(g.titleBar.topLeft(), g.titleBar.bottomLeft());
    bar.setColorAt(0, frame.active ? QColor(227, 229, 231) : QColor(239, 240, 241));
    bar.setColorAt(1, frame.active ? QColor(214, 216, 218) : QColor(232, 233, 234));
    painter.fillRect(g.titleBar, bar);
    painter.fillRect(QRect(g.titleBar.left(), g.titleBar.bottom(), g.titleBar.width(), 1), QColor(190, 192, 194));

    if (!g.icon.isNull())
        paintIcon(painter, g.icon, frame.icon);
    painter.setFont(uiFont(13, frame.active));
    painter.setPen(frame.active ? Colours::Text : QColor(120, 122, 124));
    const int left = g.icon.isNull() ? g.titleBar.left() + 10 : g.icon.right() + 8;
    const int right = (g.minimise.isNull() ? (g.maximise.isNull() ? g.close : g.maximise) : g.minimise).left() - 8;
    const QRect captionRect(left, g.titleBar.top(), std::max(0, right - left), TitleBarHeight);
    const QString caption =
        QFontMetrics(painter.font()).elidedText(frame.caption, Qt::ElideRight, captionRect.width());
    painter.drawText(captionRect, Qt::AlignVCenter | Qt::AlignLeft, caption);

    if (!g.minimise.isNull())
        drawTitleButton(painter, g.minimise, 0, frame.active);
    if (!g.maximise.isNull())
        drawTitleButton(painter, g.maximise, frame.maximised ? 3 : 1, frame.active);
    drawTitleButton(painter, g.close, 2, frame.active);

    if (!frame.maximised) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QColor(150, 152, 155));
        painter.drawRect(outer.adjusted(0, 0, -1, -1));
    }
    return g.client;
}

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

// ---- controls ----------------------------------------------------------------------

void paintTextField(QPainter &painter, const QRect &rect, const QString &text, bool focused, bool masked)
{
    Saved saved(painter);
    auto frame = optionFor<QStyleOptionFrame>(rect);
    frame.lineWidth = 1;
    frame.midLineWidth = 0;
    frame.state |= QStyle::State_Sunken;
    if (focused)
        frame.state |= QStyle::State_HasFocus;
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, &painter);
    if (text.isEmpty())
        return;
    painter.setPen(Colours::Text);
    painter.setFont(uiFont(std::clamp(rect.height() - 8, 9, 13)));
    const QString shown = masked ? QString(text.size(), QChar(0x2022)) : text;
    painter.drawText(rect.adjusted(5, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, shown);
}

void paintButton(QPainter &painter, const QRect &rect, const QString &text, bool isDefault, bool pressed,
                 const QString &icon)
{
    Saved saved(painter);
    auto option = optionFor<QStyleOptionButton>(rect);
    option.text = text;
    option.state |= pressed ? QStyle::State_Sunken : QStyle::State_Raised;
    if (isDefault)
        option.features |= QStyleOptionButton::DefaultButton;
    if (!icon.isEmpty()) {
        option.icon = themeIcon(icon);
        option.iconSize = QSize(16, 16);
    }
    painter.setFont(uiFont());
    style()->drawControl(QStyle::CE_PushButton, &option, &painter);
}

namespace {
void paintIndicatorButton(QPainter &painter, const QRect &rect, const QString &text, bool checked,
                          QStyle::ControlElement element)
{
    Saved saved(painter);
    auto option = optionFor<QStyleOptionButton>(rect);
    option.text = text;
    option.state |= checked ? QStyle::State_On : QStyle::State_Off;
    painter.setFont(uiFont());
    style()->drawControl(element, &option, &painter);
}
}

void paintCheckBox(QPainter &painter, const QRect &rect, const QString &text, bool checked)
{
    paintIndicatorButton(painter, rect, text, checked, QStyle::CE_CheckBox);
}

void paintRadioButton(QPainter &painter, const QRect &rect, const QString &text, bool checked)
{
    paintIndicatorButton(painter, rect, text, checked, QStyle::CE_RadioButton);
}

void paintComboBox(QPainter &painter, const QRect &rect, const QString &text, bool editable)
{
    Saved saved(painter);
    painter.translate(rect.topLeft());
    auto option = optionFor<QStyleOptionComboBox>(QRect(QPoint(), rect.size()));
    option.currentText = text;
    option.editable = editable;
    option.frame = true;
    option.subControls = QStyle::SC_All;
    painter.setFont(uiFont());
    style()->drawComplexControl(QStyle::CC_ComboBox, &option, &painter);
    style()->drawControl(QStyle::CE_ComboBoxLabel, &option, &painter);
}

void paintSpinBox(QPainter &painter, const QRect &rect, const QString &text)
{
    Saved saved(painter);
    // Complex controls place their parts from the origin: draw them at (0, 0).
    painter.translate(rect.topLeft());
    auto option = optionFor<QStyleOptionSpinBox>(QRect(QPoint(), rect.size()));
    option.frame = true;
    option.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    style()->drawComplexControl(QStyle::CC_SpinBox, &option, &painter);
    const QRect field = style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField);
    painter.setFont(uiFont());
    painter.setPen(Colours::Text);
    painter.drawText(field.adjusted(3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void paintGroupBox(QPainter &painter, const QRect &rect, const QString &title)
{
    Saved saved(painter);
    painter.setFont(uiFont(12, true));
    const int titleHeight = QFontMetrics(painter.font()).height();
    painter.setPen(QColor(190, 192, 195));
    painter.setBrush(QColor(0, 0, 0, 8));
    painter.drawRoundedRect(QRectF(rect.adjusted(0, titleHeight + 2, -1, -1)).adjusted(0.5, 0.5, 0, 0), 3, 3);
    painter.setPen(Colours::Text);
    painter.drawText(QRect(rect.left() + 2, rect.top(), rect.width() - 4, titleHeight), Qt::AlignLeft, title);
}

void paintLabel(QPainter &painter, const QRect &rect, const QString &text, Qt::Alignment alignment)
{
    Saved saved(painter);
    painter.setFont(uiFont());
    painter.setPen(Colours::Text);
    drawMnemonicText(painter, rect, text, alignment);
}

QList<QRect> tabLayout(const QRect &bar, const QStringList &titles)
{
    QList<QRect> rects;
    const QFont font = uiFont();
    int x = bar.left() + 2;
    for (const QString &title : titles) {
        const int w = textWidth(font, withoutMnemonic(title)) + 24;
        rects << QRect(x, bar.top(), w, bar.height());
        x += w;
    }
    return rects;
}

QList<QRect> paintTabs(QPainter &painter, const QRect &bar, const QStringList &titles, int current)
{
    Saved saved(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    const QList<QRect> rects = tabLayout(bar, titles);
    painter.setFont(uiFont());
    for (int i = 0; i < titles.size(); ++i) {
        const bool selected = i == current;
        // A selected tab stands 2 pixels higher and joins the page under it.
        const QRectF r = QRectF(rects[i]).adjusted(0.5, selected ? 0.5 : 2.5, -0.5, selected ? 1 : -0.5);
        QPainterPath shape;
        shape.moveTo(r.bottomLeft());
        shape.lineTo(r.left(), r.top() + 3);
        shape.quadTo(r.topLeft(), QPointF(r.left() + 3, r.top()));
        shape.lineTo(r.right() - 3, r.top());
        shape.quadTo(r.topRight(), QPointF(r.right(), r.top() + 3));
        shape.lineTo(r.bottomRight());
        QLinearGradient fill(r.topLeft(), r.bottomLeft());
        fill.setColorAt(0, selected ? QColor(252, 252, 252) : QColor(226, 227, 229));
        fill.setColorAt(1, selected ? QColor(248, 248, 249) : QColor(214, 215, 217));
        painter.setPen(QColor(180, 182, 185));
        painter.setBrush(fill);
        painter.drawPath(shape);
        if (selected) {
            painter.setPen(QPen(Colours::Highlight, 2));
            painter.drawLine(QPointF(r.left() + 2, r.top() + 1), QPointF(r.right() - 2, r.top() + 1));
        }
        painter.setPen(Colours::Text);
        drawMnemonicText(painter, rects[i].adjusted(0, selected ? 0 : 2, 0, 0), titles[i], Qt::AlignCenter);
    }
    return rects;
}

QRect paintTabWidget(QPainter &painter, const QRect &rect, const QStringList &titles, int current)
{
    const int tabHeight = 26;
    const QRect page(rect.left(), rect.top() + tabHeight, rect.width(), rect.height() - tabHeight);
    {
        Saved saved(painter);
        painter.setPen(QColor(180, 182, 185));
        painter.setBrush(QColor(248, 248, 249));
        painter.drawRect(QRectF(page).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    paintTabs(painter, QRect(rect.left(), rect.top(), rect.width(), tabHeight), titles, current);
    return page.adjusted(1, 1, -1, -1);
}

void paintProgressBar(QPainter &painter, const QRect &rect, int percent)
{
    Saved saved(painter);
    auto option = optionFor<QStyleOptionProgressBar>(rect);
    option.minimum = 0;
    option.maximum = 100;
    option.progress = std::clamp(percent, 0, 100);
    option.state |= QStyle::State_Horizontal;
    style()->drawControl(QStyle::CE_ProgressBar, &option, &painter);
}

void paintScrollBar(QPainter &painter, const QRect &rect, Qt::Orientation orientation, qreal position, qreal page)
{
    Saved saved(painter);
    // The style's arrows may overhang a narrow bar: keep them inside.
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.translate(rect.topLeft());
    auto option = optionFor<QStyleOptionSlider>(QRect(QPoint(), rect.size()));
    option.orientation = orientation;
    if (orientation == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    const qreal visible = std::clamp(page, 0.02, 1.0);
    option.minimum = 0;
    option.maximum = 1000;
    option.pageStep = int(1000 * visible / (1 - std::min(visible, 0.98)));
    option.sliderPosition = option.sliderValue = int(1000 * std::clamp(position, 0.0, 1.0));
    option.singleStep = 10;
    option.subControls = QStyle::SC_All;
    style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter);
}

QList<QRect> paintStatusBar(QPainter &painter, const QRect &rect, const QStringList &sections)
{
    Saved saved(painter);
    painter.fillRect(rect, Colours::Window);
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), QColor(205, 207, 209));
    painter.setFont(uiFont(11));
    QList<QRect> rects;
    const QFont font = painter.font();
    int x = rect.left() + 6;
    for (int i = 0; i < sections.size(); ++i) {
        const bool last = i == sections.size() - 1;
        const int w = last ? rect.right() - x - 4 : textWidth(font, sections[i]) + 24;
        const QRect r(x, rect.top() + 1, w, rect.height() - 1);
        rects << r;
        painter.setPen(Colours::Text);
        painter.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, sections[i]);
        if (!last) {
            painter.fillRect(QRect(r.right() - 6, r.top() + 4, 1, r.height() - 8), QColor(205, 207, 209));
        }
        x += w;
    }
    return rects;
}

void paintWidget(QPainter &painter, QWidget &widget, const QRect &rect)
{
    Saved saved(painter);
    const bool wasVisible = widget.isVisible();
    widget.resize(rect.size());
    widget.ensurePolished();
    if (!wasVisible) {
        widget.setAttribute(Qt::WA_DontShowOnScreen);
        // Shown off screen once, so that the layouts and the view's header settle.
        widget.show();
        QApplication::sendPostedEvents(&widget);
    }
    widget.render(&painter, rect.topLeft(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    if (!wasVisible)
        widget.hide();
}

// ---- documents ---------------------------------------------------------------------

QRect paintDocumentPage(QPainter &painter, const QRect &area, const QSize &sheetSize, int topMargin)
{
    Saved saved(painter);
    painter.fillRect(area, QColor(214, 216, 220));
    const QRect sheet(area.left() + (area.width() - sheetSize.width()) / 2, area.top() + topMargin,
                      sheetSize.width(), sheetSize.height());
    painter.setClipRect(area);
    painter.setPen(Qt::NoPen);
    for (int i = 4; i >= 1; --i) {
        painter.setBrush(QColor(0, 0, 0, 12 + 6 * (4 - i)));
        painter.drawRect(sheet.translated(i / 2 + 1, i / 2 + 1).adjusted(-i / 2, -i / 2, i / 2, i / 2));
    }
    painter.setBrush(Qt::white);
    painter.setPen(QColor(180, 182, 186));
    painter.drawRect(sheet.adjusted(0, 0, -1, -1));
    return sheet;
}

// ---- web pages ---------------------------------------------------------------------

void paintWebBanner(QPainter &painter, const QRect &rect, const QString &title, const QString &subtitle,
                    const QColor &colour)
{
    Saved saved(painter);
    QLinearGradient band(rect.topLeft(), rect.topRight());
    band.setColorAt(0, colour.darker(125));
    band.setColorAt(1, colour.lighter(115));
    painter.fillRect(rect, band);
    // A few light circles for depth.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 22));
    painter.drawEllipse(QPoint(rect.right() - rect.height() / 2, rect.top()), rect.height(), rect.height());
    painter.drawEllipse(QPoint(rect.right() - rect.height() * 2, rect.bottom()), rect.height() / 2,
                        rect.height() / 2);

    const int emblem = std::min(rect.height() - 16, 56);
    const QRect emblemRect(rect.left() + 16, rect.top() + (rect.height() - emblem) / 2, emblem, emblem);
    painter.setBrush(Qt::white);
    painter.drawEllipse(emblemRect);
    painter.setBrush(colour);
    painter.drawEllipse(emblemRect.adjusted(4, 4, -4, -4));
    QString initials;
    for (const QString &word : title.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        if (word.size() > 2 && initials.size() < 2)
            initials += word.front().toUpper();
    painter.setPen(Qt::white);
    painter.setFont(uiFont(std::max(9, emblem / 3), true));
    painter.drawText(emblemRect, Qt::AlignCenter, initials);

    const int textLeft = emblemRect.right() + 14;
    const QRect textRect(textLeft, rect.top(), rect.right() - textLeft - 8, rect.height());
    painter.setFont(uiFont(std::clamp(rect.height() / 3, 12, 26), true));
    const int titleHeight = QFontMetrics(painter.font()).height();
    const QFont subFont = uiFont(std::clamp(rect.height() / 6, 10, 14));
    const int subHeight = subtitle.isEmpty() ? 0 : QFontMetrics(subFont).height();
    const int top = rect.top() + (rect.height() - titleHeight - subHeight) / 2;
    painter.drawText(QRect(textLeft, top, textRect.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter, title);
    if (!subtitle.isEmpty()) {
        painter.setFont(subFont);
        painter.setPen(QColor(255, 255, 255, 220));
        painter.drawText(QRect(textLeft, top + titleHeight, textRect.width(), subHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, subtitle);
    }
}

QList<QRect> paintWebNav(QPainter &painter, const QRect &rect, const QStringList &items, const QColor &colour,
                         int current)
{
    Saved saved(painter);
    painter.fillRect(rect, colour);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), colour.darker(130));
    painter.setFont(uiFont(13, true));
    QList<QRect> rects;
    int x = rect.left() + 12;
    for (int i = 0; i < items.size(); ++i) {
        const int w = textWidth(painter.font(), items[i]) + 24;
        const QRect r(x, rect.top(), w, rect.height());
        if (i == current)
            painter.fillRect(r, colour.lighter(130));
        painter.setPen(Qt::white);
        painter.drawText(r, Qt::AlignCenter, items[i]);
        rects << r;
        x += w;
    }
    return rects;
}

QRect paintWebHeading(QPainter &painter, const QPoint &topLeft, const QString &text, int level,
                      const QColor &colour)
{
    Saved saved(painter);
    const int pixels = level <= 1 ? 22 : level == 2 ? 17 : 14;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(colour);
    const QFontMetrics metrics(font);
    const QRect r(topLeft, QSize(metrics.horizontalAdvance(text) + 1, metrics.height()));
    painter.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, text);
    if (level <= 1) {
        painter.fillRect(QRect(r.left(), r.bottom() + 3, std::min(r.width(), 60), 3), colour.lighter(150));
        return r.adjusted(0, 0, 0, 6);
    }
    return r;
}

QRect paintWebParagraph(QPainter &painter, const QRect &rect, const QString &text, int pixels)
{
    Saved saved(painter);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    painter.setFont(font);
    painter.setPen(QColor(50, 50, 55));
    const QRect bounds = painter.boundingRect(QRect(rect.left(), rect.top(), rect.width(), 10000),
                                              Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    painter.drawText(QRect(rect.left(), rect.top(), rect.width(), bounds.height()),
                     Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    return QRect(rect.left(), rect.top(), rect.width(), bounds.height());
}

QRect paintWebLink(QPainter &painter, const QPoint &topLeft, const QString &text, int pixels)
{
    Saved saved(painter);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setUnderline(true);
    painter.setFont(font);
    painter.setPen(Colours::Link);
    const QFontMetrics metrics(font);
    const QRect r(topLeft, QSize(metrics.horizontalAdvance(text) + 1, metrics.height()));
    painter.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, text);
    return r;
}

void paintWebImage(QPainter &painter, const QRect &rect, WebImage kind)
{
    Saved saved(painter);
    painter.setClipRect(rect);
    const QRectF r(rect);
    const qreal w = r.width();
    const qreal h = r.height();
    auto at = [&](qreal fx, qreal fy) { return QPointF(r.left() + fx * w, r.top() + fy * h); };
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    painter.setPen(Qt::NoPen);
    switch (kind) {
    case WebImage::Landscape: {
        sky.setColorAt(0, QColor(120, 190, 240));
        sky.setColorAt(1, QColor(210, 235, 250));
        painter.fillRect(r, sky);
        painter.setBrush(QColor(255, 214, 90));
        painter.drawEllipse(at(0.78, 0.25), h * 0.1, h * 0.1);
        QPainterPath hills;
        hills.moveTo(at(0, 0.75));
        hills.cubicTo(at(0.25, 0.45), at(0.45, 0.5), at(0.6, 0.7));
        hills.cubicTo(at(0.75, 0.5), at(0.9, 0.55), at(1, 0.65));
        hills.lineTo(at(1, 1));
        hills.lineTo(at(0, 1));
        painter.setBrush(QColor(96, 170, 90));
        painter.drawPath(hills);
        painter.setBrush(QColor(70, 140, 70));
        painter.drawRect(QRectF(at(0, 0.85), at(1, 1)));
        break;
    }
    case WebImage::Building: {
        sky.setColorAt(0, QColor(170, 210, 240));
        sky.setColorAt(1, QColor(230, 242, 250));
        painter.fillRect(r, sky);
        painter.setBrush(QColor(236, 226, 205));
        painter.drawRect(QRectF(at(0.12, 0.35), at(0.88, 0.9)));
        painter.setBrush(QColor(180, 80, 60));
        painter.drawPolygon(QPolygonF{at(0.08, 0.37), at(0.5, 0.12), at(0.92, 0.37)});
        painter.setBrush(QColor(110, 150, 190));
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 4; ++col)
                if (!(row == 1 && (col == 1 || col == 2)))
                    painter.drawRect(QRectF(at(0.18 + col * 0.18, 0.45 + row * 0.22), QSizeF(w * 0.09, h * 0.12)));
        painter.setBrush(QColor(120, 80, 50));
        painter.drawRect(QRectF(at(0.43, 0.68), at(0.57, 0.9)));
        painter.setBrush(QColor(120, 175, 100));
        painter.drawRect(QRectF(at(0, 0.9), at(1, 1)));
        break;
    }
    case WebImage::People: {
        painter.fillRect(r, QColor(232, 240, 248));
        const QColor shirts[] = {QColor(61, 174, 233), QColor(233, 120, 61), QColor(110, 190, 90)};
        for (int i = 0; i < 3; ++i) {
            const qreal cx = 0.25 + 0.25 * i;
            painter.setBrush(shirts[i]);
            painter.drawEllipse(QRectF(at(cx - 0.13, 0.62), at(cx + 0.13, 1.25)));
            painter.setBrush(QColor(240, 200, 165));
            painter.drawEllipse(at(cx, 0.42), w * 0.07, w * 0.07);
            painter.setBrush(QColor(90, 60, 40));
            painter.drawChord(QRectF(at(cx - 0.075, 0.42 - 0.075 * w / h), QSizeF(w * 0.15, w * 0.12)), 0, 180 * 16);
        }
        break;
    }
    case WebImage::Chart: {
        painter.fillRect(r, Qt::white);
        painter.setPen(QColor(200, 200, 200));
        for (int i = 1; i < 5; ++i)
            painter.drawLine(at(0.1, 0.2 * i), at(0.95, 0.2 * i));
        painter.setPen(Qt::NoPen);
        const qreal values[] = {0.4, 0.65, 0.5, 0.8, 0.7};
        for (int i = 0; i < 5; ++i) {
            painter.setBrush(QColor::fromHsv(200 + i * 8, 170, 200));
            painter.drawRect(QRectF(at(0.15 + i * 0.16, 0.9 - values[i] * 0.8), at(0.27 + i * 0.16, 0.9)));
        }
        break;
    }
    case WebImage::Book: {
        painter.fillRect(r, QColor(245, 238, 225));
        painter.setBrush(QColor(160, 60, 60));
        painter.drawRoundedRect(QRectF(at(0.3, 0.15), at(0.7, 0.85)), 3, 3);
        painter.setBrush(QColor(250, 248, 240));
        painter.drawRect(QRectF(at(0.66, 0.18), at(0.69, 0.82)));
        painter.setBrush(QColor(230, 190, 90));
        painter.drawRect(QRectF(at(0.38, 0.3), at(0.6, 0.36)));
        break;
    }
    case WebImage::Computer: {
        painter.fillRect(r, QColor(230, 238, 245));
        painter.setBrush(QColor(60, 64, 70));
        painter.drawRoundedRect(QRectF(at(0.2, 0.15), at(0.8, 0.7)), 4, 4);
        QLinearGradient screen(at(0.23, 0.2), at(0.77, 0.65));
        screen.setColorAt(0, QColor(90, 170, 230));
        screen.setColorAt(1, QColor(40, 90, 170));
        painter.setBrush(screen);
        painter.drawRect(QRectF(at(0.23, 0.2), at(0.77, 0.65)));
        painter.setBrush(QColor(90, 94, 100));
        painter.drawRect(QRectF(at(0.45, 0.7), at(0.55, 0.8)));
        painter.drawRoundedRect(QRectF(at(0.3, 0.8), at(0.7, 0.85)), 2, 2);
        break;
    }
    }
    painter.setClipping(false);
    painter.setPen(QColor(0, 0, 0, 40));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

void paintWebFooter(QPainter &painter, const QRect &rect, const QString &text, const QColor &colour)
{
    Saved saved(painter);
    painter.fillRect(rect, colour);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 255, 225));
    painter.drawText(rect.adjusted(12, 0, -12, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, text);
}

// ---- desktop -----------------------------------------------------------------------

void paintWallpaper(QPainter &painter, const QRect &rect)
{
    Saved saved(painter);
    QLinearGradient sky(rect.topLeft(), rect.bottomRight());
    sky.setColorAt(0, QColor(30, 87, 153));
    sky.setColorAt(0.55, QColor(41, 137, 216));
    sky.setColorAt(1, QColor(125, 185, 232));
    painter.fillRect(rect, sky);
    // Soft waves across the wallpaper.
    painter.setPen(Qt::NoPen);
    const QRectF r(rect);
    for (int i = 0; i < 3; ++i) {
        QPainterPath wave;
        const qreal base = r.top() + r.height() * (0.55 + 0.12 * i);
        wave.moveTo(r.left(), base);
        wave.cubicTo(r.left() + r.width() * 0.3, base - r.height() * 0.18, r.left() + r.width() * 0.6,
                     base + r.height() * 0.15, r.right(), base - r.height() * 0.05);
        wave.lineTo(r.bottomRight());
        wave.lineTo(r.bottomLeft());
        painter.setBrush(QColor(255, 255, 255, 18 + 8 * i));
        painter.drawPath(wave);
    }
}

QRect paintDesktopIcon(QPainter &painter, const QPoint &topLeft, const QString &icon, const QString &caption,
                       bool selected)
{
    Saved saved(painter);
    const QRect tile(topLeft, DesktopIconSize);
    if (selected) {
        painter.setPen(QColor(255, 255, 255, 140));
        painter.setBrush(QColor(61, 174, 233, 110));
        painter.drawRoundedRect(QRectF(tile).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    }
    paintIcon(painter, QRect(tile.left() + (tile.width() - 48) / 2, tile.top() + 4, 48, 48), icon);
    const QFont font = uiFont(11);
    painter.setFont(font);
    // The caption wraps on two lines at most, like a file manager's.
    const QRect textRect(tile.left() + 2, tile.top() + 54, tile.width() - 4, tile.height() - 56);
    const QFontMetrics metrics(font);
    QString shown = caption;
    if (metrics.boundingRect(textRect, Qt::TextWordWrap | Qt::AlignHCenter, caption).height() > textRect.height()) {
        const int cut = int(caption.indexOf(QLatin1Char(' ')));
        shown = cut > 0 ? caption.left(cut) + QLatin1Char('\n')
                              + metrics.elidedText(caption.mid(cut + 1), Qt::ElideRight, textRect.width())
                        : metrics.elidedText(caption, Qt::ElideRight, textRect.width());
    }
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    painter.setPen(QColor(0, 0, 0, 160));
    painter.drawText(textRect.translated(1, 1), flags, shown);
    painter.setPen(Qt::white);
    painter.drawText(textRect, flags, shown);
    return tile;
}

TaskBarGeometry paintTaskBar(QPainter &painter, const QRect &rect, const QStringList &tasks, int active,
                             const QString &clock)
{
    Saved saved(painter);
    TaskBarGeometry g;
    painter.fillRect(rect, QColor(35, 38, 45, 235));
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), QColor(255, 255, 255, 40));

    g.startButton = QRect(rect.left() + 4, rect.top() + 4, rect.height() - 8, rect.height() - 8);
    QRadialGradient glow(QRectF(g.startButton).center(), g.startButton.width() / 2.0);
    glow.setColorAt(0, QColor(100, 200, 255));
    glow.setColorAt(1, QColor(30, 120, 200));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawRoundedRect(g.startButton, 6, 6);
    // The start button's emblem: four rounded squares.
    painter.setBrush(Qt::white);
    const QPointF c = QRectF(g.startButton).center();
    const qreal s = g.startButton.width() / 5.0;
    for (int i = 0; i < 4; ++i)
        painter.drawRoundedRect(QRectF(c.x() - s - 1 + (i % 2) * (s + 2), c.y() - s - 1 + (i / 2) * (s + 2), s, s),
                                1.5, 1.5);

    painter.setFont(uiFont(12));
    int x = g.startButton.right() + 10;
    for (int i = 0; i < tasks.size(); ++i) {
        const QRect r(x, rect.top() + 4, 160, rect.height() - 8);
        painter.setPen(Qt::NoPen);
        painter.setBrush(i == active ? QColor(255, 255, 255, 55) : QColor(255, 255, 255, 20));
        painter.drawRoundedRect(r, 4, 4);
        if (i == active)
            painter.fillRect(QRect(r.left() + 8, r.bottom() - 1, r.width() - 16, 2), QColor(61, 174, 233));
        painter.setPen(Qt::white);
        painter.drawText(r.adjusted(10, 0, -6, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         QFontMetrics(painter.font()).elidedText(tasks[i], Qt::ElideRight, r.width() - 16));
        g.tasks << r;
        x += r.width() + 4;
    }
    g.clock = QRect(rect.right() - 70, rect.top(), 66, rect.height());
    painter.setPen(Qt::white);
    painter.drawText(g.clock, Qt::AlignCenter, clock);
    return g;
}

QList<QRect> paintStartMenu(QPainter &painter, const QPoint &bottomLeft, const QList<MenuItem> &items,
                            int highlighted)
{
    Saved saved(painter);
    const QSize inner = menuSize(items, 220);
    const int header = 34;
    const QRect outline(bottomLeft.x(), bottomLeft.y() - inner.height() - header, inner.width(),
                        inner.height() + header);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawRoundedRect(outline.translated(2, 2), 6, 6);
    painter.setBrush(QColor(250, 250, 251));
    painter.setPen(QColor(160, 162, 166));
    painter.drawRoundedRect(QRectF(outline).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    const QRect head(outline.left() + 1, outline.top() + 1, outline.width() - 2, header - 2);
    QLinearGradient band(head.topLeft(), head.topRight());
    band.setColorAt(0, QColor(30, 87, 153));
    band.setColorAt(1, QColor(61, 174, 233));
    painter.setPen(Qt::NoPen);
    painter.setBrush(band);
    painter.drawRoundedRect(head, 5, 5);
    painter.setPen(Qt::white);
    painter.setFont(uiFont(13, true));
    painter.drawText(head.adjusted(12, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Élève"));
    painter.setPen(Qt::NoPen);
    // The items, drawn without the pop-up's own frame.
    const QPoint itemsTop(outline.left(), outline.top() + header - 4);
    const QList<QRect> rects = menuLayout(itemsTop, items, 220);
    {
        // The items come from the menu drawing; its own frame falls outside the clip.
        Saved clipped(painter);
        painter.setClipRect(outline.adjusted(1, header, -1, -1));
        paintMenu(painter, itemsTop, items, highlighted, 220);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QColor(160, 162, 166));
    painter.drawRoundedRect(QRectF(outline).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    return rects;
}

// ---- illustrations -----------------------------------------------------------------

void paintBall(QPainter &painter, const QRectF &rect, const QColor &colour)
{
    Saved saved(painter);
    painter.setPen(Qt::NoPen);
    QRadialGradient body(rect.left() + rect.width() * 0.38, rect.top() + rect.height() * 0.35, rect.width() * 0.7);
    body.setColorAt(0, colour.lighter(165));
    body.setColorAt(0.45, colour);
    body.setColorAt(1, colour.darker(190));
    painter.setBrush(body);
    painter.drawEllipse(rect);
    QRadialGradient shine(rect.left() + rect.width() * 0.38, rect.top() + rect.height() * 0.27, rect.width() * 0.3);
    shine.setColorAt(0, QColor(255, 255, 255, 230));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setBrush(shine);
    painter.drawEllipse(QRectF(rect.left() + rect.width() * 0.16, rect.top() + rect.height() * 0.08,
                               rect.width() * 0.46, rect.height() * 0.36));
}

void paintAbandonGlyph(QPainter &painter, const QRect &rect)
{
    Saved saved(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect).adjusted(1, 1, -1, -1);
    paintBall(painter, r, QColor(214, 40, 40));
    QPen pen(Qt::white, std::max(1.6, r.width() / 7.5));
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    const QPointF c = r.center();
    const qreal d = r.width() * 0.2;
    painter.drawLine(QPointF(c.x() - d, c.y() - d), QPointF(c.x() + d, c.y() + d));
    painter.drawLine(QPointF(c.x() + d, c.y() - d), QPointF(c.x() - d, c.y() + d));
}
}
