// The picture kit: fonts, colours and icons, window frames.
#include "pictures/kit.h"
#include "pictures/fonts.h"
#include "pictures/kit_internal.h"

#include <QHash>

#include <algorithm>

namespace PictureKit {
using namespace detail;

// ---- fonts, colours and icons ------------------------------------------------------

QFont uiFont(int pixels, bool bold)
{
    QFont font = pixelFont(QStringLiteral("DejaVu Sans"), pixels, bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QIcon themeIcon(const QString &name) { return QIcon::fromTheme(name); }

namespace {
QHash<QString, IconPainter> &drawnIcons()
{
    static QHash<QString, IconPainter> icons;
    return icons;
}
}

bool addDrawnIcon(const QString &name, IconPainter paint)
{
    drawnIcons().insert(name, paint);
    return true;
}

void paintIcon(QPainter &painter, const QRect &rect, const QString &themeName)
{
    if (themeName.isEmpty())
        return;
    if (const IconPainter drawn = drawnIcons().value(themeName)) {
        painter.save();
        drawn(painter, rect);
        painter.restore();
        return;
    }
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
}
