#include "pictures/searchengine.h"

#include "pictures/drawinglog.h"
#include "pictures/classicbrowser.h"
#include "pictures/fonts.h"
#include "pictures/kit.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

namespace SearchEngine {
namespace {
const QColor LinkBlue(0x1a, 0x0d, 0xab);
const QColor UrlGreen(0x00, 0x80, 0x00);
const QColor Grey(0x66, 0x66, 0x66);
const QColor Band(0xe5, 0xec, 0xf9);

QFont font(int px, bool bold = false, bool underline = false)
{
    return pixelFont(QStringLiteral("Arial"), px, FontStyle{bold, false, underline});
}

void paintLinks(QPainter &p, const QRect &r, const QStringList &links, Qt::Alignment align, bool firstBold = false)
{
    QFont f = font(13, false, true);
    const QFontMetrics m(f);
    int total = 0;
    for (const QString &l : links)
        total += m.horizontalAdvance(l) + 12;
    int x = align & Qt::AlignRight ? r.right() - total + 12 : align & Qt::AlignHCenter ? r.center().x() - total / 2 : r.left();
    for (int i = 0; i < links.size(); ++i) {
        QFont lf = f;
        lf.setBold(firstBold && i == 0);
        lf.setUnderline(!(firstBold && i == 0));
        p.setFont(lf);
        p.setPen(firstBold && i == 0 ? Qt::black : LinkBlue);
        p.drawText(QRect(x, r.top(), 400, r.height()), Qt::AlignVCenter | Qt::AlignLeft, links[i]);
        x += QFontMetrics(lf).horizontalAdvance(links[i]) + 12;
    }
}

// "Rechercher dans :" and its three radio choices, the first one chosen, in a font
// small enough for the line to fit its rectangle.
void paintScopes(QPainter &p, const QRect &r)
{
    const QStringList choices = {QStringLiteral("Web"), QStringLiteral("Pages francophones"), QStringLiteral("France")};
    const QString caption = QStringLiteral("Rechercher dans :");
    const int disc = 11, gap = 6;
    int px = 13;
    auto widthAt = [&](int size) {
        const QFontMetrics m(font(size));
        int w = m.horizontalAdvance(caption) + gap;
        for (const QString &c : choices)
            w += disc + 3 + m.horizontalAdvance(c) + gap;
        return w;
    };
    while (px > 9 && widthAt(px) > r.width())
        --px;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font(px));
    const QFontMetrics m(p.font());
    int x = r.left();
    p.setPen(Qt::black);
    p.drawText(QRect(x, r.top(), r.width(), r.height()), Qt::AlignLeft | Qt::AlignVCenter, caption);
    x += m.horizontalAdvance(caption) + gap;
    for (int i = 0; i < choices.size(); ++i) {
        const QRectF d(x + 0.5, r.center().y() - disc / 2.0 + 0.5, disc, disc);
        p.setPen(QColor(0x70, 0x70, 0x70));
        p.setBrush(Qt::white);
        p.drawEllipse(d);
        if (i == 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::black);
            p.drawEllipse(d.adjusted(3, 3, -3, -3));
        }
        x += disc + 3;
        p.setPen(Qt::black);
        p.drawText(QRect(x, r.top(), r.right() - x, r.height()), Qt::AlignLeft | Qt::AlignVCenter, choices[i]);
        x += m.horizontalAdvance(choices[i]) + gap;
    }
    p.restore();
}

void paintEngineButton(QPainter &p, const QRect &r, const QString &text)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0xfa, 0xfa, 0xfa));
    g.setColorAt(1, QColor(0xdd, 0xdd, 0xdd));
    p.setPen(QColor(0x99, 0x99, 0x99));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(r).adjusted(1.5, 0.5, -1.5, -0.5), 2, 2);
    p.setPen(Qt::black);
    p.setFont(font(11));
    p.drawText(r, Qt::AlignCenter, text);
}

void paintEngineField(QPainter &p, const QRect &r, const QString &text)
{
    p.setPen(QColor(0x7f, 0x9d, 0xb9));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(Qt::black);
    p.setFont(font(13));
    p.drawText(r.adjusted(4, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
}

}

QRect paintBrowserFrame(QPainter &p, int width, int height, const QString &title, const QString &url)
{
    ClassicBrowser::Chrome c;
    c.width = width;
    c.height = height;
    c.caption = title + QStringLiteral(" - Navigateur web");
    c.url = url;
    c.searchHint = Name;
    c.siteColour = QColor(0x33, 0x66, 0xcc);
    c.siteLetter = QLatin1Char('T');
    ClassicBrowser::ChromeLayout &l = c.layout;
    l.top = 42;
    l.bookmarksHeight = 0;   // the pages begin right under the tool bar
    l.search = QRect(width - 200, 12, 190, 21);
    l.go = QRect(l.search.left() - 64, 9, 52, 25);
    l.address = QRect(151, 11, l.go.left() - 151 - 10, 21);
    l.statusBarTop = height - 20;
    return ClassicBrowser::paintChrome(p, c);
}

void paintLogo(QPainter &p, const QRectF &rect)
{
    DrawingLog::program(Name, "SearchEngine");
    // The engine's own mark: its name in deep teal, the last letter in orange, and a
    // magnifying glass before it.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor teal(0x0e, 0x5e, 0x6f), orange(0xf0, 0x7a, 0x1a);
    QFont f = pixelFont(QStringLiteral("DejaVu Sans"), rect.height() * 0.72, true);
    QFontMetricsF m(f);
    const qreal glass = rect.height() * 0.62;
    while (m.horizontalAdvance(Name) + glass * 1.1 > rect.width() && f.pixelSize() > 8) {
        f.setPixelSize(f.pixelSize() - 1);
        m = QFontMetricsF(f);
    }
    const qreal g = qMin(glass, m.height() * 0.9);
    const qreal total = g * 1.1 + m.horizontalAdvance(Name);
    qreal x = rect.center().x() - total / 2;
    const qreal baseline = rect.center().y() + (m.ascent() - m.descent()) / 2;
    // The glass.
    const QPointF c(x + g * 0.42, rect.center().y() - g * 0.08);
    p.setPen(QPen(teal, qMax(1.5, g * 0.12)));
    p.setBrush(QColor(0xd8, 0xf0, 0xf4));
    p.drawEllipse(c, g * 0.32, g * 0.32);
    p.setPen(QPen(orange, qMax(2.0, g * 0.16), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(g * 0.24, g * 0.24), c + QPointF(g * 0.5, g * 0.5));
    x += g * 1.1;
    p.setFont(f);
    const QString head = Name.left(Name.size() - 1);
    p.setPen(teal);
    p.drawText(QPointF(x, baseline), head);
    p.setPen(orange);
    p.drawText(QPointF(x + m.horizontalAdvance(head), baseline), Name.right(1));
    p.restore();
}

void paintHome(QPainter &p, const Home &h)
{
    p.save();
    paintLinks(p, h.services, {QStringLiteral("Web"), QStringLiteral("Images"), QStringLiteral("Actualités"),
                               QStringLiteral("Cartes"), QStringLiteral("plus »")},
               Qt::AlignLeft, true);
    // Clear of the page's scroll bar.
    paintLinks(p, h.signIn.adjusted(0, 0, -20, 0), {QStringLiteral("Connexion")}, Qt::AlignRight);
    paintLogo(p, h.logo);
    p.setPen(Grey);
    p.setFont(font(13, true));
    p.drawText(QRect(h.logo.left(), h.logo.bottom() - 14, h.logo.width(), 16), Qt::AlignRight, QStringLiteral("France"));
    paintEngineField(p, h.field, h.query);
    p.setFont(font(11, false, true));
    p.setPen(LinkBlue);
    p.drawText(h.links.adjusted(6, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Recherche avancée\nPréférences"));
    paintEngineButton(p, h.searchButton.adjusted(2, 0, -2, 0), QStringLiteral("Rechercher"));
    paintEngineButton(p, h.luckyButton.adjusted(2, 0, -2, 0), QStringLiteral("Premier résultat"));
    if (h.scopes.isValid())
        paintScopes(p, h.scopes);
    paintLinks(p, h.footer, {QStringLiteral("Publicité"), QStringLiteral("Solutions d'entreprise"),
                             QStringLiteral("À propos de ") + Name, QStringLiteral("Confidentialité")},
               Qt::AlignHCenter);
    p.setPen(Grey);
    p.setFont(font(11));
    p.drawText(QRect(h.footer.left(), h.footer.bottom() + 8, h.footer.width(), 16), Qt::AlignCenter,
               QStringLiteral("©2008 ") + Name);
    p.restore();
}

void paintResultHeader(QPainter &p, const Header &h)
{
    p.save();
    if (h.services.isValid())
        paintLinks(p, h.services, {QStringLiteral("Web"), QStringLiteral("Images"), QStringLiteral("Actualités"),
                                   QStringLiteral("Cartes"), QStringLiteral("plus »")},
                   Qt::AlignLeft, true);
    paintLogo(p, h.logo);
    paintEngineField(p, h.field, h.query);
    paintEngineButton(p, h.searchButton, QStringLiteral("Rechercher"));
    if (h.advancedLink.isValid()) {
        p.setFont(font(12, false, true));
        p.setPen(LinkBlue);
        p.drawText(h.advancedLink, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Recherche avancée"));
    }
    const QRect bar(h.band.left(), h.band.bottom() - 22, h.band.width(), 22);
    p.fillRect(bar, Band);
    p.setPen(QColor(0x36, 0x66, 0xcc));
    p.drawLine(bar.topLeft(), bar.topRight());
    p.setPen(Qt::black);
    p.setFont(font(13, true));
    p.drawText(bar.adjusted(8, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Web"));
    p.setFont(font(12));
    p.drawText(bar.adjusted(0, 0, -8, 0), Qt::AlignVCenter | Qt::AlignRight, h.count);
    p.restore();
}

QRect paintResult(QPainter &p, const QPoint &topLeft, int width, const Result &r)
{
    p.save();
    QFont title = font(16, false, true);
    p.setFont(title);
    p.setPen(LinkBlue);
    const QRect titleRect(topLeft.x(), topLeft.y(), width, 20);
    p.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter, QFontMetrics(title).elidedText(r.title, Qt::ElideRight, width));
    p.setFont(font(13));
    p.setPen(Qt::black);
    const QRect snippetArea(topLeft.x(), titleRect.bottom() + 2, width, 200);
    const QRect used = p.boundingRect(snippetArea, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, r.snippet);
    p.drawText(snippetArea, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, r.snippet);
    p.setPen(UrlGreen);
    const QRect urlRect(topLeft.x(), used.bottom() + 2, width, 17);
    p.drawText(urlRect, Qt::AlignLeft | Qt::AlignVCenter,
               r.url + QStringLiteral(" - 12k - ") + QStringLiteral("En cache - Pages similaires"));
    p.restore();
    return QRect(topLeft, QPoint(topLeft.x() + width, urlRect.bottom()));
}

void paintForm(QPainter &p, const QList<FormRow> &rows)
{
    p.save();
    for (const FormRow &row : rows) {
        p.setPen(Qt::black);
        p.setFont(font(13, row.kind == FormRow::Kind::Caption));
        if (row.kind == FormRow::Kind::Caption) {
            p.drawText(row.control, Qt::AlignLeft | Qt::AlignVCenter, row.caption);
            continue;
        }
        if (!row.caption.isEmpty())
            p.drawText(QRect(row.control.left() - 408, row.control.top() - 2, 400, row.control.height() + 4),
                       Qt::AlignRight | Qt::AlignVCenter, row.caption);
        switch (row.kind) {
        case FormRow::Kind::Field: paintEngineField(p, row.control, row.value); break;
        case FormRow::Kind::Button: paintEngineButton(p, row.control, row.value); break;
        case FormRow::Kind::Select: PictureKit::paintComboBox(p, row.control, row.value); break;
        case FormRow::Kind::Caption: break;
        }
    }
    p.restore();
}
}
