#pragma once
// Helpers shared by the picture kit's own files; nothing outside src/pictures includes this.
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


namespace PictureKit::detail {

inline QStyle *style() { return QApplication::style(); }

inline QPalette palette() { return QApplication::palette(); }

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

inline QString withoutMnemonic(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// Draws 'text' whose '&' marks the underlined letter.
inline void drawMnemonicText(QPainter &painter, const QRect &rect, const QString &text, Qt::Alignment alignment)
{
    painter.drawText(rect, int(alignment) | Qt::TextShowMnemonic, text);
}

inline int textWidth(const QFont &font, const QString &text) { return QFontMetrics(font).horizontalAdvance(text); }

inline void drawTitleButton(QPainter &painter, const QRect &rect, int kind, bool active)
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

inline void drawSubmenuArrow(QPainter &painter, const QRect &rect, const QColor &colour)
{
    Saved saved(painter);
    painter.setPen(QPen(colour, 1.4));
    const QPointF c = QRectF(rect).center();
    painter.drawPolyline(QList<QPointF>{{c.x() - 2, c.y() - 4}, {c.x() + 2, c.y()}, {c.x() - 2, c.y() + 4}});
}

inline void drawCheckMark(QPainter &painter, const QRect &rect, const QColor &colour)
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
