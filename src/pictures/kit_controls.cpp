// The picture kit: native-looking controls.
#include "pictures/kit.h"
#include "pictures/kit_internal.h"

#include <algorithm>

namespace PictureKit {
using namespace detail;

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

}
