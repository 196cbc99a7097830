// The web pages shown in the browser exercise: the search engine's home page, the
// library's site and the town's site.
#include "exercises/domain4/web_browser/webpages.h"
#include "exercises/domain4/web_browser/layout.h"
#include "pictures/classicbrowser.h"
#include "pictures/fonts.h"
#include "pictures/searchengine.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace WebPages {
using namespace WebBrowserLayout;
using namespace ClassicBrowser;

namespace {
void link(QPainter &p, const QRect &r, const QString &text, const QFont &font, int flags = Qt::AlignLeft | Qt::AlignVCenter)
{
    QFont f = font;
    f.setUnderline(true);
    p.setFont(f);
    p.setPen(QColor(0x1a, 0x3d, 0xa8));
    p.drawText(r, flags, text);
}

void paintBookPicture(QPainter &p, const QRectF &r)
{
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(0xe8, 0xdc, 0xc4));
    sky.setColorAt(1, QColor(0xb8, 0x9a, 0x72));
    p.fillRect(r, sky);
    // A shelf of books.
    const QColor colours[] = {QColor(0x8b, 0x1a, 0x2b), QColor(0x2a, 0x4d, 0x7a), QColor(0x3d, 0x6b, 0x3a),
                              QColor(0xa0, 0x6a, 0x1e), QColor(0x5a, 0x2d, 0x6e), QColor(0x70, 0x30, 0x20)};
    qreal x = r.left() + r.width() * 0.06;
    const qreal base = r.bottom() - r.height() * 0.12;
    int i = 0;
    while (x < r.right() - r.width() * 0.08) {
        const qreal w = r.width() * (0.05 + 0.02 * ((i * 7) % 3));
        const qreal h = r.height() * (0.5 + 0.08 * ((i * 5) % 4));
        p.fillRect(QRectF(x, base - h, w, h), colours[i % 6]);
        p.fillRect(QRectF(x + w * 0.2, base - h * 0.8, w * 0.6, 2), QColor(0xe8, 0xc8, 0x60));
        x += w + 2;
        ++i;
    }
    p.fillRect(QRectF(r.left(), base, r.width(), r.height() * 0.05), QColor(0x5a, 0x3a, 0x1a));
}

void paintTownPicture(QPainter &p, const QRectF &r)
{
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(0x7d, 0xb8, 0xe8));
    sky.setColorAt(1, QColor(0xd8, 0xee, 0xfa));
    p.fillRect(r, sky);
    QPainterPath hill;
    hill.moveTo(r.left(), r.bottom());
    hill.lineTo(r.left(), r.top() + r.height() * 0.7);
    hill.cubicTo(r.left() + r.width() * 0.3, r.top() + r.height() * 0.45, r.left() + r.width() * 0.6,
                 r.top() + r.height() * 0.85, r.right(), r.top() + r.height() * 0.6);
    hill.lineTo(r.right(), r.bottom());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5a, 0xa0, 0x48));
    p.drawPath(hill);
    // A church and houses.
    const qreal b = r.top() + r.height() * 0.72;
    p.setBrush(QColor(0xf0, 0xe6, 0xd0));
    p.drawRect(QRectF(r.left() + r.width() * 0.45, b - 40, 26, 40));
    p.setBrush(QColor(0x70, 0x70, 0x80));
    p.drawPolygon(QPolygonF({QPointF(r.left() + r.width() * 0.45 - 2, b - 40), QPointF(r.left() + r.width() * 0.45 + 13, b - 72),
                             QPointF(r.left() + r.width() * 0.45 + 28, b - 40)}));
    for (int i = 0; i < 4; ++i) {
        const qreal x = r.left() + r.width() * (0.15 + 0.1 * i);
        p.setBrush(QColor(0xf5, 0xf0, 0xe0));
        p.drawRect(QRectF(x, b - 18, 22, 18));
        p.setBrush(QColor(0xb0, 0x40, 0x30));
        p.drawPolygon(QPolygonF({QPointF(x - 3, b - 18), QPointF(x + 11, b - 30), QPointF(x + 25, b - 18)}));
    }
}

void paragraph(QPainter &p, const QRect &r, const QString &text, const QFont &font, const QColor &colour = QColor(0x22, 0x22, 0x22))
{
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
}
}

void paintSearchEnginePage(QPainter &p, const QRect &page)
{
    p.save();
    p.setClipRect(page);
    const int cx = EngineQueryField.center().x();
    link(p, QRect(page.right() - 190, page.top() + 6, 180, 18), QStringLiteral("Connexion"), pixelFont(QStringLiteral("Arial"), 13),
         Qt::AlignRight | Qt::AlignVCenter);
    // The engine's own mark, as on its other pages, and its motto under it.
    const QRect logo(cx - 170, 130, 340, 64);
    SearchEngine::paintLogo(p, logo);
    const int base = logo.bottom() - 4;
    p.setFont(pixelFont(QStringLiteral("Arial"), 13));
    p.setPen(QColor(0x66, 0x66, 0x66));
    p.drawText(QRect(cx - 170, base + 4, 340, 16), Qt::AlignCenter, QStringLiteral("le moteur de recherche francophone"));
    // Sections above the query box.
    QFont small = pixelFont(QStringLiteral("Arial"), 13);
    int lx = EngineQueryField.left();
    for (const char *s : {"Web", "Images", "Actualités", "Cartes", "Annuaire"}) {
        const QString t = QString::fromUtf8(s);
        if (lx == EngineQueryField.left()) {
            p.setFont(pixelFont(QStringLiteral("Arial"), 13, true));
            p.setPen(Qt::black);
            p.drawText(QRect(lx, 226, 80, 18), Qt::AlignVCenter, t);
        } else {
            link(p, QRect(lx, 226, 80, 18), t, small);
        }
        p.setFont(small);
        lx += p.fontMetrics().horizontalAdvance(t) + 18;
    }
    paintField(p, EngineQueryField.adjusted(-3, -3, 3, 3), QString(), pixelFont(QStringLiteral("Arial"), 13));
    const QRect button(EngineQueryField.right() + 10, EngineQueryField.top() - 3, 92, 27);
    QLinearGradient g(button.topLeft(), button.bottomLeft());
    g.setColorAt(0, QColor(0xfc, 0xfc, 0xfc));
    g.setColorAt(1, QColor(0xdd, 0xdd, 0xdd));
    p.setPen(QColor(0x99, 0x99, 0x99));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(button).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setPen(Qt::black);
    p.setFont(small);
    p.drawText(button, Qt::AlignCenter, QStringLiteral("Rechercher"));
    link(p, QRect(button.right() + 10, button.top(), 120, 14), QStringLiteral("Recherche avancée"), pixelFont(QStringLiteral("Arial"), 11));
    link(p, QRect(button.right() + 10, button.top() + 14, 120, 14), QStringLiteral("Préférences"), pixelFont(QStringLiteral("Arial"), 11));
    p.setFont(small);
    p.setPen(Qt::black);
    p.drawText(QRect(EngineQueryField.left(), 285, 400, 18), Qt::AlignVCenter,
               QStringLiteral("Rechercher dans :  ○ le Web   ● pages francophones"));
    link(p, QRect(cx - 250, 360, 500, 18),
         QStringLiteral("Publicité   -   %1 en français   -   À propos de %1").arg(SearchEngine::Name), small, Qt::AlignCenter);
    p.setFont(pixelFont(QStringLiteral("Arial"), 11));
    p.setPen(QColor(0x77, 0x77, 0x77));
    p.drawText(QRect(cx - 200, 392, 400, 16), Qt::AlignCenter, QStringLiteral("©2008 ") + SearchEngine::Name);
    p.restore();
}

void paintLibraryPage(QPainter &p, const QRect &page, qreal scale)
{
    p.save();
    p.setClipRect(page);
    p.fillRect(page, QColor(0xf7, 0xf3, 0xea));
    const int w = page.width();
    const int left = page.left() + 12;
    // Header band.
    const QRect header(page.left(), page.top(), w, 74);
    QLinearGradient hg(header.topLeft(), header.bottomLeft());
    hg.setColorAt(0, QColor(0x8b, 0x1a, 0x2b));
    hg.setColorAt(1, QColor(0x5e, 0x0f, 0x1c));
    p.fillRect(header, hg);
    // Emblem: an open book.
    const QRectF book(left, header.top() + 14, 56, 44);
    p.setPen(QPen(QColor(0xf2, 0xd4, 0x7a), 2));
    p.setBrush(QColor(0xfb, 0xf0, 0xd0));
    QPainterPath pages;
    pages.moveTo(book.center().x(), book.top() + 8);
    pages.cubicTo(book.center().x() - 10, book.top(), book.left() + 6, book.top(), book.left(), book.top() + 6);
    pages.lineTo(book.left(), book.bottom() - 4);
    pages.cubicTo(book.left() + 6, book.bottom() - 10, book.center().x() - 10, book.bottom() - 10, book.center().x(), book.bottom());
    pages.cubicTo(book.center().x() + 10, book.bottom() - 10, book.right() - 6, book.bottom() - 10, book.right(), book.bottom() - 4);
    pages.lineTo(book.right(), book.top() + 6);
    pages.cubicTo(book.right() - 6, book.top(), book.center().x() + 10, book.top(), book.center().x(), book.top() + 8);
    p.drawPath(pages);
    p.drawLine(QPointF(book.center().x(), book.top() + 8), QPointF(book.center().x(), book.bottom()));
    p.setPen(Qt::white);
    p.setFont(pixelFont(QStringLiteral("Times New Roman"), 40 * qMin(scale, 1.15), true));
    p.drawText(QRect(left + 70, header.top() + 4, 120, 50), Qt::AlignVCenter, LibraryName);
    p.setFont(pixelFont(QStringLiteral("Times New Roman"), 17 * qMin(scale, 1.2)));
    p.drawText(QRect(left + 70, header.top() + 48, 400, 22), Qt::AlignVCenter,
               QStringLiteral("Bibliothèque nationale"));
    p.setFont(pixelFont(QStringLiteral("Arial"), 12 * scale));
    p.drawText(QRect(header.right() - 330, header.top() + 8, 318, 18), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("English  |  Español  |  Plan du site  |  Contact"));
    // Navigation bar.
    const QRect nav(page.left(), header.bottom() + 1, w, int(28 * qMax(1.0, scale * 0.9)));
    p.fillRect(nav, QColor(0xe9, 0xe1, 0xd2));
    p.setPen(QColor(0xc9, 0xbb, 0xa2));
    p.drawLine(nav.bottomLeft(), nav.bottomRight());
    QFont navFont = pixelFont(QStringLiteral("Arial"), 13 * scale, true);
    p.setFont(navFont);
    int x = left;
    for (const char *item : {"Accueil", "Catalogues", "Collections", "Expositions", "Informations pratiques"}) {
        const QString t = QString::fromUtf8(item);
        p.setPen(QColor(0x5e, 0x0f, 0x1c));
        p.drawText(QRect(x, nav.top(), 300, nav.height()), Qt::AlignVCenter, t);
        x += p.fontMetrics().horizontalAdvance(t) + int(26 * scale);
    }
    // Left column: catalogue search.
    const int top = nav.bottom() + 14;
    const int colW = qMin(220, w / 4);
    const QRect search(left, top, colW, int(120 * scale));
    p.setPen(QColor(0xc9, 0xbb, 0xa2));
    p.setBrush(Qt::white);
    p.drawRect(search);
    p.setFont(pixelFont(QStringLiteral("Arial"), 13 * scale, true));
    p.setPen(QColor(0x8b, 0x1a, 0x2b));
    p.drawText(search.adjusted(8, 6, -8, 0), Qt::AlignTop | Qt::AlignLeft, QStringLiteral("Catalogue en ligne"));
    paintField(p, QRect(search.left() + 8, search.top() + int(34 * scale), colW - 16, int(22 * scale)), QString(), pixelFont(QStringLiteral("Arial"), 12));
    const QRect go(search.left() + 8, search.top() + int(64 * scale), 80, int(22 * scale));
    p.setPen(QColor(0x5e, 0x0f, 0x1c));
    p.setBrush(QColor(0x8b, 0x1a, 0x2b));
    p.drawRoundedRect(go, 3, 3);
    p.setPen(Qt::white);
    p.setFont(pixelFont(QStringLiteral("Arial"), 12 * scale, true));
    p.drawText(go, Qt::AlignCenter, QStringLiteral("Chercher"));
    link(p, QRect(search.left() + 8, search.top() + int(92 * scale), colW - 16, int(18 * scale)),
         QStringLiteral("Recherche avancée"), pixelFont(QStringLiteral("Arial"), 12 * scale));
    // Centre: the featured exhibition.
    const int cx = search.right() + 18;
    const int cw = w - (cx - page.left()) - 12 - colW - 18;
    p.setFont(pixelFont(QStringLiteral("Times New Roman"), 22 * scale, true));
    p.setPen(QColor(0x33, 0x22, 0x11));
    p.drawText(QRect(cx, top, cw, int(30 * scale)), Qt::AlignVCenter, QStringLiteral("Exposition : mille ans de livres"));
    const QRect picture(cx, top + int(36 * scale), cw, int(150 * scale));
    paintBookPicture(p, picture);
    paragraph(p, QRect(cx, picture.bottom() + 10, cw, int(120 * scale)),
              QStringLiteral("Des manuscrits enluminés aux premiers livres imprimés, l'exposition présente "
                             "plus de deux cents ouvrages rares issus des collections de la bibliothèque. "
                             "Entrée libre du mardi au samedi, de 10 h à 19 h."),
              pixelFont(QStringLiteral("Arial"), 13 * scale));
    // Right column: news.
    const QRect news(page.right() - 12 - colW, top, colW, int(250 * scale));
    p.setPen(QColor(0xc9, 0xbb, 0xa2));
    p.setBrush(Qt::white);
    p.drawRect(news);
    p.setFont(pixelFont(QStringLiteral("Arial"), 13 * scale, true));
    p.setPen(QColor(0x8b, 0x1a, 0x2b));
    p.drawText(news.adjusted(8, 6, -8, 0), Qt::AlignTop | Qt::AlignLeft, QStringLiteral("Actualités"));
    int ny = news.top() + int(30 * scale);
    for (const char *item : {"Nouveaux horaires d'ouverture des salles de lecture",
                             "Conférence : l'histoire de l'écriture",
                             "Le catalogue en ligne s'enrichit de cartes anciennes"}) {
        const QRect r(news.left() + 8, ny, colW - 16, int(60 * scale));
        link(p, r, QString::fromUtf8(item), pixelFont(QStringLiteral("Arial"), 12 * scale), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        ny += int(64 * scale);
    }
    p.restore();
}

void paintTownPage(QPainter &p, const QRect &page)
{
    p.save();
    p.setClipRect(page);
    p.fillRect(page, QColor(0xf2, 0xf7, 0xee));
    const QRect banner(page.left(), page.top(), page.width(), 110);
    paintTownPicture(p, banner);
    p.setFont(pixelFont(QStringLiteral("Georgia"), 34, true));
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(banner.adjusted(22, 12, 0, 0), Qt::AlignLeft | Qt::AlignTop, TownTitle);
    p.setPen(Qt::white);
    p.drawText(banner.adjusted(20, 10, 0, 0), Qt::AlignLeft | Qt::AlignTop, TownTitle);
    const QRect nav(page.left(), banner.bottom() + 1, page.width(), 28);
    p.fillRect(nav, QColor(0x2e, 0x7d, 0x4f));
    p.setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    p.setPen(Qt::white);
    int x = page.left() + 16;
    for (const char *item : {"Accueil", "Mairie", "Écoles", "Culture", "Sports", "Agenda", "Plan de la ville"}) {
        const QString t = QString::fromUtf8(item);
        p.drawText(QRect(x, nav.top(), 200, nav.height()), Qt::AlignVCenter, t);
        x += p.fontMetrics().horizontalAdvance(t) + 28;
    }
    const int top = nav.bottom() + 16;
    const int mainW = page.width() * 62 / 100;
    p.setFont(pixelFont(QStringLiteral("Georgia"), 22, true));
    p.setPen(QColor(0x1e, 0x5a, 0x36));
    p.drawText(QRect(page.left() + 16, top, mainW, 30), Qt::AlignVCenter, QStringLiteral("Bienvenue à Quimbel !"));
    paragraph(p, QRect(page.left() + 16, top + 40, mainW, 100),
              QStringLiteral("Quimbel, ses 4 200 habitants, son marché du samedi et ses sentiers de "
                             "randonnée vous souhaitent la bienvenue. Retrouvez sur ce site toutes les "
                             "informations utiles : démarches en mairie, menus de la cantine, horaires "
                             "de la médiathèque et agenda des fêtes."),
              pixelFont(QStringLiteral("Arial"), 13));
    p.setFont(pixelFont(QStringLiteral("Arial"), 15, true));
    p.setPen(QColor(0x1e, 0x5a, 0x36));
    p.drawText(QRect(page.left() + 16, top + 150, mainW, 22), Qt::AlignVCenter, QStringLiteral("Conseil municipal"));
    paragraph(p, QRect(page.left() + 16, top + 176, mainW, 80),
              QStringLiteral("Prochaine séance publique le jeudi à 20 h 30, salle des fêtes. L'ordre du "
                             "jour est affiché à la mairie."),
              pixelFont(QStringLiteral("Arial"), 13));
    const QRect agenda(page.left() + mainW + 40, top, page.width() - mainW - 56, 220);
    p.setPen(QColor(0x9c, 0xc4, 0x9a));
    p.setBrush(Qt::white);
    p.drawRect(agenda);
    p.fillRect(QRect(agenda.left() + 1, agenda.top() + 1, agenda.width() - 1, 26), QColor(0x2e, 0x7d, 0x4f));
    p.setPen(Qt::white);
    p.setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    p.drawText(agenda.adjusted(8, 0, 0, 0).topLeft() + QPoint(0, 18), QStringLiteral("Agenda"));
    int y = agenda.top() + 36;
    for (const char *e : {"Samedi : marché de Noël", "Dimanche : course des écoles", "Mercredi : heure du conte"}) {
        link(p, QRect(agenda.left() + 8, y, agenda.width() - 16, 40), QString::fromUtf8(e), pixelFont(QStringLiteral("Arial"), 12),
             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        y += 44;
    }
    p.restore();
}
}
