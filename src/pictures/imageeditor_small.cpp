// The image editor in the smaller window of the storage and data-security
// exercises, the labelled keyboard picture it opens, and its File menu.
#include "pictures/imageeditor.h"

#include "pictures/fonts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace ImageEditor {
namespace {
QFont classicFont(int pixels, bool bold = false)
{
    return pixelFont(QStringLiteral("Tahoma"), pixels, bold);
}
}

void paintKeyboardPicture(QPainter &painter, const QRect &rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect, Qt::white);
    const QRectF body = QRectF(rect).adjusted(10, 30, -10, -34);
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    painter.setBrush(QColor(225, 225, 228));
    painter.drawRoundedRect(body, 6, 6);
    // A French keyboard on a grid fifteen keys wide: each key is its width in keys.
    struct Key
    {
        const char *text;
        qreal width;
    };
    const QList<Key> rows[] = {
        {{"²", 1}, {"&", 1}, {"é", 1}, {"\"", 1}, {"'", 1}, {"(", 1}, {"-", 1}, {"è", 1}, {"_", 1}, {"ç", 1},
         {"à", 1}, {")", 1}, {"=", 1}, {"⟵", 2}},
        {{"⇥", 1.5}, {"A", 1}, {"Z", 1}, {"E", 1}, {"R", 1}, {"T", 1}, {"Y", 1}, {"U", 1}, {"I", 1}, {"O", 1},
         {"P", 1}, {"^", 1}, {"$", 1}},
        {{"⇪", 1.75}, {"Q", 1}, {"S", 1}, {"D", 1}, {"F", 1}, {"G", 1}, {"H", 1}, {"J", 1}, {"K", 1}, {"L", 1},
         {"M", 1}, {"ù", 1}, {"*", 1}},
        {{"⇧", 1.25}, {"<", 1}, {"W", 1}, {"X", 1}, {"C", 1}, {"V", 1}, {"B", 1}, {"N", 1}, {",", 1}, {";", 1},
         {":", 1}, {"!", 1}, {"⇧", 1.75}},
        {{"Ctrl", 1.5}, {"Alt", 1.5}, {"", 9}, {"AltGr", 1.5}, {"Ctrl", 1.5}}};
    constexpr int RowCount = 5;
    const qreal keyH = (body.height() - 12) / RowCount;
    const qreal unit = (body.width() - 12) / 15;
    const auto keyRect = [&](int row, qreal from, qreal width) {
        return QRectF(body.left() + 6 + from * unit + 1, body.top() + 6 + row * keyH + 1, width * unit - 2, keyH - 2);
    };
    painter.setFont(classicFont(std::max(8, int(keyH / 2.6))));   // "AltGr" holds on its key
    const auto drawKey = [&](const QPainterPath &outline, const QRectF &face, const QString &text) {
        painter.setPen(QColor(120, 120, 120));
        painter.setBrush(Qt::white);
        painter.drawPath(outline);
        painter.setPen(QColor(40, 40, 40));
        painter.drawText(face.adjusted(3, 1, -2, -1), Qt::AlignLeft | Qt::AlignTop, text);
    };
    QRectF backspace, shift, space;
    for (int r = 0; r < RowCount; ++r) {
        qreal from = 0;
        for (const Key &k : rows[r]) {
            const QRectF key = keyRect(r, from, k.width);
            QPainterPath outline;
            outline.addRoundedRect(key, 2, 2);
            drawKey(outline, key, QString::fromUtf8(k.text));
            if (r == 0 && from + k.width == 15)
                backspace = key;
            if (r == 3 && from == 0)
                shift = key;
            if (r == 4 && k.width == 9)
                space = key;
            from += k.width;
        }
    }
    // The Enter key: an upturned L over the ends of the second and third rows.
    const QRectF enterTop = keyRect(1, 13.5, 1.5);
    const QRectF enterFoot = keyRect(2, 13.75, 1.25);
    QPainterPath enter;
    enter.moveTo(enterTop.topLeft());
    enter.lineTo(enterTop.topRight());
    enter.lineTo(enterFoot.bottomRight());
    enter.lineTo(enterFoot.bottomLeft());
    enter.lineTo(enterFoot.left(), enterTop.bottom());
    enter.lineTo(enterTop.bottomLeft());
    enter.closeSubpath();
    drawKey(enter, enterTop, QStringLiteral("↵"));

    // Labels with arrows, as on a teaching diagram, each pointing at its key.
    painter.setFont(classicFont(11, true));
    const struct
    {
        const char *text;
        QPointF key;
        bool top;
    } labels[] = {{"Tabulation", keyRect(1, 0, 1.5).center(), true},
                  {"Chiffres", keyRect(0, 5, 1).center(), true},
                  {"Retour arrière", backspace.center(), true},
                  {"Majuscule", shift.center(), false},
                  {"Barre d'espace", space.center(), false},
                  {"Entrée", enterFoot.center(), false}};
    for (const auto &l : labels) {
        const QPointF key = l.key;
        const QPointF text(key.x(), l.top ? rect.top() + 14 : rect.bottom() - 12);
        painter.setPen(QPen(QColor(200, 40, 40), 1.2));
        painter.drawLine(QPointF(key.x(), l.top ? text.y() + 4 : text.y() - 12), key);
        painter.setPen(QColor(200, 40, 40));
        const QString s = QString::fromUtf8(l.text);
        const qreal w = QFontMetricsF(painter.font()).horizontalAdvance(s);
        const qreal left = std::clamp(text.x() - w / 2, qreal(rect.left() + 2), rect.right() - w - 2);
        painter.drawText(QPointF(left, text.y()), s);
    }
    painter.restore();
}

void paintSmallEditor(QPainter &painter, const QSize &size, const QString &document)
{
    const QSize window(std::min(size.width(), SmallWidth), size.height());
    const int workTop = SmallTitleHeight + WorkArea.top() - TitleBar.height();
    const QRect palette(window.width() - Palette.width(), workTop, Palette.width(), 290);
    paintChrome(painter, Chrome{window, SmallTitleHeight, SmallCloseButton, palette}, document,
                document.isEmpty() ? QStringLiteral("Prêt") : QStringLiteral("640 x 260 pixels   Couleurs RVB"));
    if (document.isEmpty())
        return;
    // The picture in its own document window.
    const QRect doc(30, workTop + 30, palette.left() - 60, std::min(window.height() - workTop - 90, 300));
    painter.save();
    painter.fillRect(doc.adjusted(-1, -22, 1, 1), QColor(200, 210, 225));
    painter.setPen(Qt::black);
    painter.setFont(classicFont(11, true));
    painter.drawText(QRect(doc.left() + 4, doc.top() - 22, doc.width(), 22), Qt::AlignVCenter,
                     document + QStringLiteral("  (100%)"));
    painter.restore();
    paintKeyboardPicture(painter, doc);
}

void paintSmallFileMenu(QPainter &painter, const QSize &size, int line, const QRect &row)
{
    MenuPicture m = menu(File);
    m.width = size.width();
    m.itemHeight = row.height();
    int before = 0;
    for (int i = 0; i < line; ++i)
        before += m.lines[i].text.isEmpty() ? m.separatorHeight : m.itemHeight;
    m.inset = std::max(2, row.top() - before);
    const QPoint topLeft(0, row.top() - before - m.inset);
    // What the picture cannot hold is left out, a separator never last.
    while (m.lines.size() > line + 1
           && (topLeft.y() + menuSize(m).height() > size.height() || m.lines.last().text.isEmpty()))
        m.lines.removeLast();
    paintMenu(painter, topLeft, m);
}
}
