#include "pictures/catalogue.h"

#include "pictures/fonts.h"
#include "pictures/kit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace Catalogue {
namespace {
const QColor Navy(0x1f, 0x3b, 0x73);
const QColor Blue(0x3a, 0x6e, 0xb5);
const QColor PaleBlue(0xdc, 0xe7, 0xf4);
const QColor PageLine(0x8c, 0xa4, 0xc4);
const QColor ButtonFace(0xec, 0xec, 0xe6);
const QColor Ink(0x20, 0x20, 0x20);

QFont font(int px, bool bold = false) { return pixelFont(QStringLiteral("Tahoma"), px, bold); }

class Saved
{
public:
    explicit Saved(QPainter &p) : m_p(p) { m_p.save(); }
    ~Saved() { m_p.restore(); }

private:
    QPainter &m_p;
};

void paintToolIcon(QPainter &p, const QRect &r, int kind)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Navy, 1.4));
    switch (kind) {
    case 0:   // new search: a sheet
        p.setBrush(Qt::white);
        p.drawRect(r.adjusted(5, 3, -7, -3));
        p.drawLine(r.left() + 8, r.top() + 9, r.right() - 10, r.top() + 9);
        p.drawLine(r.left() + 8, r.top() + 13, r.right() - 10, r.top() + 13);
        break;
    case 1:   // search: magnifier
        p.setBrush(QColor(0xcf, 0xe4, 0xff));
        p.drawEllipse(QRectF(r.left() + 4, r.top() + 3, 12, 12));
        p.setPen(QPen(Navy, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(r.left() + 14.5, r.top() + 14.5), QPointF(r.right() - 4, r.bottom() - 4));
        break;
    case 2:   // basket
        p.setBrush(QColor(0xf2, 0xc0, 0x5a));
        p.drawRoundedRect(QRectF(r.left() + 4, r.top() + 9, r.width() - 8, r.height() - 13), 2, 2);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(r.left() + 7, r.top() + 3, r.width() - 14, 12), 0, 180 * 16);
        break;
    case 3:   // print
        p.setBrush(QColor(0xd8, 0xd8, 0xd8));
        p.drawRect(QRectF(r.left() + 3, r.top() + 8, r.width() - 6, 9));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(r.left() + 7, r.top() + 3, r.width() - 14, 6));
        p.drawRect(QRectF(r.left() + 7, r.top() + 14, r.width() - 14, 6));
        break;
    default:  // help
        p.setBrush(QColor(0x3a, 0x8e, 0xe0));
        p.setPen(Qt::NoPen);
        p.drawEllipse(r.adjusted(3, 3, -3, -3));
        p.setPen(Qt::white);
        p.setFont(font(13, true));
        p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
}
}

QRect paintWindow(QPainter &p, const QRect &rect, const QString &caption)
{
    Saved saved(p);
    p.fillRect(rect, PaleBlue);
    // Title bar.
    const QRect title(rect.left(), rect.top(), rect.width(), 26);
    QLinearGradient g(title.topLeft(), title.bottomLeft());
    g.setColorAt(0, QColor(0x4a, 0x7e, 0xc4));
    g.setColorAt(1, Navy);
    p.fillRect(title, g);
    p.setPen(Qt::white);
    p.setFont(font(13, true));
    p.drawText(title.adjusted(30, 0, -90, 0), Qt::AlignVCenter | Qt::AlignLeft, caption);
    // The client's emblem at the left of the title: a small open book.
    paintDesktopIcon(p, QRect(title.left() + 5, title.top() + 3, 20, 20), QString());
    for (int i = 0; i < 3; ++i) {
        const QRect b(title.right() - 78 + i * 26, title.top() + 4, 22, 18);
        p.setPen(QColor(0x1a, 0x2c, 0x55));
        p.setBrush(i == 2 ? QColor(0xc8, 0x3c, 0x32) : QColor(0x5b, 0x8b, 0xcc));
        p.drawRoundedRect(b, 3, 3);
        p.setPen(QPen(Qt::white, 1.6));
        if (i == 0)
            p.drawLine(b.left() + 6, b.bottom() - 5, b.right() - 6, b.bottom() - 5);
        else if (i == 1)
            p.drawRect(b.adjusted(6, 4, -6, -5));
        else {
            p.drawLine(b.left() + 7, b.top() + 5, b.right() - 7, b.bottom() - 5);
            p.drawLine(b.right() - 7, b.top() + 5, b.left() + 7, b.bottom() - 5);
        }
    }
    // Menu strip.
    const QRect menu(rect.left(), title.bottom() + 1, rect.width(), 20);
    p.fillRect(menu, ButtonFace);
    p.setPen(Ink);
    p.setFont(font(12));
    int x = menu.left() + 8;
    for (const char *t : {"Fichier", "Edition", "Recherche", "Paniers", "Outils", "Fenêtre", "?"}) {
        const QString s = QString::fromUtf8(t);
        p.drawText(QRect(x, menu.top(), 200, menu.height()), Qt::AlignVCenter | Qt::AlignLeft, s);
        x += QFontMetrics(p.font()).horizontalAdvance(s) + 16;
    }
    // Tool bar.
    const QRect tools(rect.left(), menu.bottom() + 1, rect.width(), 34);
    QLinearGradient tg(tools.topLeft(), tools.bottomLeft());
    tg.setColorAt(0, QColor(0xfa, 0xfa, 0xf6));
    tg.setColorAt(1, QColor(0xdd, 0xdd, 0xd4));
    p.fillRect(tools, tg);
    p.setPen(QColor(0xa0, 0xa0, 0x98));
    p.drawLine(tools.bottomLeft(), tools.bottomRight());
    const char *const captions[] = {"Nouvelle", "Rechercher", "Panier", "Imprimer", "Aide"};
    x = tools.left() + 6;
    p.setFont(font(11));
    for (int i = 0; i < 5; ++i) {
        const QRect icon(x, tools.top() + 7, 22, 22);
        paintToolIcon(p, icon, i);
        p.setPen(Ink);
        p.setFont(font(11));
        const QString s = QString::fromUtf8(captions[i]);
        p.drawText(QRect(icon.right() + 3, tools.top(), 90, tools.height()), Qt::AlignVCenter | Qt::AlignLeft, s);
        x = icon.right() + 12 + QFontMetrics(p.font()).horizontalAdvance(s);
    }
    return QRect(rect.left(), tools.bottom() + 1, rect.width(), rect.bottom() - tools.bottom());
}

void paintTabs(QPainter &p, const QList<QRect> &tabs, const QStringList &titles, int current)
{
    Saved saved(p);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < tabs.size(); ++i) {
        const QRectF r = QRectF(tabs[i]).adjusted(0.5, i == current ? 0.5 : 3.5, -0.5, 0.5);
        QPainterPath path;
        path.moveTo(r.bottomLeft());
        path.lineTo(r.left(), r.top() + 5);
        path.quadTo(r.topLeft(), QPointF(r.left() + 5, r.top()));
        path.lineTo(r.right() - 5, r.top());
        path.quadTo(r.topRight(), QPointF(r.right(), r.top() + 5));
        path.lineTo(r.bottomRight());
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, i == current ? Qt::white : QColor(0xe8, 0xee, 0xf6));
        g.setColorAt(1, i == current ? Qt::white : QColor(0xc4, 0xd2, 0xe6));
        p.fillPath(path, g);
        p.setPen(QPen(PageLine, 1));
        p.drawPath(path);
        p.setPen(i == current ? Navy : Ink);
        p.setFont(font(tabs[i].height() < 20 ? 11 : 12, i == current));
        p.drawText(tabs[i].adjusted(2, i == current ? 0 : 2, -2, 0), Qt::AlignCenter, titles.value(i));
    }
}

void paintPage(QPainter &p, const QRect &rect)
{
    Saved saved(p);
    p.setPen(PageLine);
    p.setBrush(Qt::white);
    p.drawRect(rect.adjusted(0, 0, -1, -1));
}

void paintSubTabs(QPainter &p, const QRect &rect, const QStringList &titles, int current)
{
    Saved saved(p);
    const int n = int(titles.size());
    if (n == 0)
        return;
    const int w = rect.width() / n;
    for (int i = 0; i < n; ++i) {
        const QRect r(rect.left() + i * w, rect.top(), i == n - 1 ? rect.width() - i * w : w, rect.height());
        p.setPen(PageLine);
        p.setBrush(i == current ? PaleBlue : QColor(0xf4, 0xf6, 0xfa));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        if (i == current)
            p.fillRect(QRect(r.left() + 1, r.bottom() - 2, r.width() - 2, 2), Blue);
        p.setPen(i == current ? Navy : Ink);
        p.setFont(font(11, i == current));
        p.drawText(r, Qt::AlignCenter, titles[i]);
    }
}

void paintField(QPainter &p, const QRect &field, const QString &text)
{
    Saved saved(p);
    p.setPen(QColor(0x7a, 0x8a, 0xa0));
    p.setBrush(Qt::white);
    p.drawRect(field.adjusted(0, 0, -1, -1));
    p.setPen(QColor(0xc8, 0xd0, 0xdc));
    p.drawLine(field.left() + 1, field.top() + 1, field.right() - 1, field.top() + 1);
    if (!text.isEmpty()) {
        p.setPen(Ink);
        p.setFont(font(qMin(12, field.height() - 3)));
        p.drawText(field.adjusted(4, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
    }
}

void paintLabelledField(QPainter &p, const QRect &field, const QString &caption, const QString &text)
{
    Saved saved(p);
    p.setPen(Ink);
    p.setFont(font(12));
    p.drawText(QRect(field.left() - 206, field.top() - 2, 200, field.height() + 4), Qt::AlignVCenter | Qt::AlignRight,
               caption);
    paintField(p, field, text);
}

void paintButton(QPainter &p, const QRect &rect, const QString &text, bool accent)
{
    Saved saved(p);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -1.5, -1.5);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, accent ? QColor(0x6d, 0x9c, 0xdc) : QColor(0xfd, 0xfd, 0xfa));
    g.setColorAt(1, accent ? Blue : QColor(0xd6, 0xd6, 0xcc));
    p.setPen(QPen(accent ? Navy : QColor(0x8a, 0x8a, 0x80), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 3, 3);
    p.setPen(accent ? Qt::white : Ink);
    p.setFont(font(12, accent));
    p.drawText(rect, Qt::AlignCenter, text);
}

void paintChoice(QPainter &p, const QRect &rect, const QString &text, bool radio, bool checked)
{
    Saved saved(p);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(rect.left() + 0.5, rect.center().y() - 6 + 0.5, 12, 12);
    p.setPen(QColor(0x60, 0x70, 0x88));
    p.setBrush(Qt::white);
    if (radio) {
        p.drawEllipse(box);
        if (checked) {
            p.setBrush(Navy);
            p.setPen(Qt::NoPen);
            p.drawEllipse(box.adjusted(3, 3, -3, -3));
        }
    } else {
        p.drawRect(box);
        if (checked) {
            p.setPen(QPen(Navy, 2));
            p.drawLine(QPointF(box.left() + 2.5, box.center().y()), QPointF(box.left() + 5, box.bottom() - 3));
            p.drawLine(QPointF(box.left() + 5, box.bottom() - 3), QPointF(box.right() - 2, box.top() + 2.5));
        }
    }
    p.setPen(Ink);
    p.setFont(font(12));
    p.drawText(rect.adjusted(17, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
}

void paintCaption(QPainter &p, const QRect &rect, const QString &text, bool bold, int pixels)
{
    Saved saved(p);
    p.setPen(bold ? Navy : Ink);
    p.setFont(font(pixels, bold));
    p.drawText(rect, Qt::AlignVCenter | Qt::AlignLeft, text);
}

void paintCheckPanel(QPainter &p, const QRect &rect, const QString &title, const QList<CheckGroup> &groups,
                     const QList<Check> &checks)
{
    Saved saved(p);
    p.setPen(PageLine);
    p.setBrush(QColor(0xf7, 0xf9, 0xfc));
    p.drawRect(rect.adjusted(0, 0, -1, -1));
    if (!title.isEmpty()) {
        const QRect band(rect.left() + 1, rect.top() + 1, rect.width() - 2, 18);
        p.fillRect(band, PaleBlue);
        paintCaption(p, band.adjusted(8, 0, 0, 0), title, true, 12);
    }
    for (const CheckGroup &g : groups) {
        p.setPen(Navy);
        p.setFont(font(12, true));
        p.drawText(g.titleAt + QPoint(0, 12), g.title);
        const int w = QFontMetrics(p.font()).horizontalAdvance(g.title);
        p.setPen(PageLine);
        p.drawLine(g.titleAt.x() + w + 8, g.titleAt.y() + 7, rect.right() - 16, g.titleAt.y() + 7);
    }
    for (const Check &c : checks) {
        p.setPen(QColor(0x60, 0x70, 0x88));
        p.setBrush(Qt::white);
        const QRect square(c.box.left(), c.box.top() + (c.box.height() - 12) / 2, 12, 12);
        p.drawRect(square.adjusted(0, 0, -1, -1));
        p.setPen(Ink);
        p.setFont(font(12));
        p.drawText(QRect(c.box.right() + 6, c.box.top() - 2, 140, c.box.height() + 4), Qt::AlignVCenter | Qt::AlignLeft,
                   c.label);
    }
}

QList<QRect> paintRecord(QPainter &p, const QRect &rect, const QString &heading, int valueLeft,
                         const QList<RecordRow> &rows)
{
    Saved saved(p);
    QList<QRect> values;
    p.setPen(PageLine);
    p.setBrush(Qt::white);
    p.drawRect(rect.adjusted(0, 0, -1, -1));
    const QRect band(rect.left() + 1, rect.top() + 1, rect.width() - 2, 26);
    QLinearGradient g(band.topLeft(), band.bottomLeft());
    g.setColorAt(0, QColor(0x5a, 0x8c, 0xd0));
    g.setColorAt(1, Blue);
    p.fillRect(band, g);
    p.setPen(Qt::white);
    p.setFont(font(14, true));
    p.drawText(band.adjusted(12, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, heading);
    for (const RecordRow &row : rows) {
        p.setFont(font(13, true));
        p.setPen(Navy);
        p.drawText(QRect(rect.left() + 16, row.top, valueLeft - rect.left() - 24, 22), Qt::AlignVCenter | Qt::AlignRight,
                   row.caption + QStringLiteral(" :"));
        QFont f = font(13, row.link);
        f.setUnderline(row.link);
        p.setFont(f);
        p.setPen(row.link ? QColor(0x1a, 0x3d, 0xa8) : Ink);
        const QRect area(valueLeft, row.top, rect.right() - valueLeft - 16, 22);
        const QRect used = p.boundingRect(area, Qt::AlignVCenter | Qt::AlignLeft, row.value);
        p.drawText(area, Qt::AlignVCenter | Qt::AlignLeft, row.value);
        values << used;
    }
    return values;
}

void paintResultList(QPainter &p, const QRect &rect, int total, const QList<ResultRow> &rows)
{
    Saved saved(p);
    p.setPen(PageLine);
    p.setBrush(Qt::white);
    p.drawRect(rect.adjusted(0, 0, -1, -1));
    const QRect band(rect.left() + 1, rect.top() + 1, rect.width() - 2, 28);
    p.fillRect(band, PaleBlue);
    p.setPen(Navy);
    p.setFont(font(14, true));
    p.drawText(band.adjusted(12, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("%1 notices trouvées").arg(total));
    // Column headings.
    const QRect head(rect.left() + 1, band.bottom() + 1, rect.width() - 18, 20);
    p.fillRect(head, QColor(0xee, 0xf2, 0xf8));
    const int colTitle = rect.left() + 44, colAuthor = rect.left() + int(rect.width() * 0.55),
              colSupport = rect.left() + int(rect.width() * 0.80);
    p.setPen(Ink);
    p.setFont(font(12, true));
    p.drawText(QRect(rect.left() + 8, head.top(), 30, head.height()), Qt::AlignVCenter, QStringLiteral("N°"));
    p.drawText(QRect(colTitle, head.top(), 300, head.height()), Qt::AlignVCenter, QStringLiteral("Titre"));
    p.drawText(QRect(colAuthor, head.top(), 200, head.height()), Qt::AlignVCenter, QStringLiteral("Auteur"));
    p.drawText(QRect(colSupport, head.top(), 150, head.height()), Qt::AlignVCenter, QStringLiteral("Support"));
    // Every row fits when it can: the count the pupil reads is the count shown.
    const int rowHeight = rows.isEmpty() ? 20 : qBound(16, int(rect.bottom() - head.bottom() - 2) / int(rows.size()), 20);
    int y = head.bottom() + 1;
    p.setFont(font(12));
    int shown = 0;
    for (int i = 0; i < rows.size() && y + rowHeight <= rect.bottom(); ++i, ++shown, y += rowHeight) {
        const QRect r(rect.left() + 1, y, head.width(), rowHeight);
        if (i % 2)
            p.fillRect(r, QColor(0xf6, 0xf8, 0xfb));
        p.setPen(Ink);
        p.drawText(QRect(rect.left() + 8, y, 30, rowHeight), Qt::AlignVCenter, QString::number(i + 1));
        p.setPen(QColor(0x1a, 0x3d, 0xa8));
        p.drawText(QRect(colTitle, y, colAuthor - colTitle - 8, rowHeight), Qt::AlignVCenter, rows[i].title);
        p.setPen(Ink);
        p.drawText(QRect(colAuthor, y, colSupport - colAuthor - 8, rowHeight), Qt::AlignVCenter, rows[i].author);
        p.drawText(QRect(colSupport, y, rect.right() - colSupport - 20, rowHeight), Qt::AlignVCenter, rows[i].support);
    }
    if (shown < total)
        PictureKit::paintScrollBar(p, QRect(rect.right() - 16, head.top(), 16, rect.bottom() - head.top()),
                                   Qt::Vertical, 0, qreal(shown) / total);
}

void paintDesktopIcon(QPainter &p, const QRect &rect, const QString &caption)
{
    Saved saved(p);
    p.setRenderHint(QPainter::Antialiasing);
    const int captionHeight = caption.isEmpty() ? 0 : 16;
    const int side = qMin(rect.width(), rect.height() - captionHeight);
    const QRectF art(rect.left() + (rect.width() - side) / 2.0, rect.top() + 2, side, side - 4);
    const qreal u = art.width() / 10.0;
    // Three books standing on a shelf.
    const QColor spines[] = {QColor(0xc0, 0x39, 0x2b), QColor(0x27, 0x7d, 0xc8), QColor(0x2e, 0xa0, 0x5a)};
    for (int i = 0; i < 3; ++i) {
        const QRectF book(art.left() + u * (0.8 + i * 2.1), art.top() + u * (1.2 + (i == 1 ? 0.8 : 0)), u * 1.9,
                          u * (7.2 - (i == 1 ? 0.8 : 0)));
        p.setPen(QPen(QColor(0, 0, 0, 120), qMax(0.6, u * 0.12)));
        p.setBrush(spines[i]);
        p.drawRoundedRect(book, u * 0.2, u * 0.2);
        p.setPen(QPen(QColor(255, 255, 255, 190), qMax(0.6, u * 0.15)));
        p.drawLine(QPointF(book.left() + u * 0.3, book.top() + u * 1.2), QPointF(book.right() - u * 0.3, book.top() + u * 1.2));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8a, 0x5a, 0x2b));
    p.drawRect(QRectF(art.left() + u * 0.4, art.top() + u * 8.3, u * 7.2, u * 0.7));
    // The magnifying glass over the books.
    const QPointF c(art.left() + u * 6.6, art.top() + u * 5.6);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), u * 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(u * 1.6, u * 1.6), c + QPointF(u * 3.2, u * 3.2));
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), u * 0.6));
    p.setBrush(QColor(200, 230, 255, 170));
    p.drawEllipse(c, u * 2.2, u * 2.2);
    if (!caption.isEmpty()) {
        const QRect text(rect.left() - 8, rect.bottom() - captionHeight + 1, rect.width() + 16, captionHeight);
        p.setFont(font(12));
        p.setPen(QColor(0, 0, 0, 160));
        p.drawText(text.translated(1, 1), Qt::AlignCenter, caption);
        p.setPen(Qt::white);
        p.drawText(text, Qt::AlignCenter, caption);
    }
}
}
