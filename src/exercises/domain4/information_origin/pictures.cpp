// The ministry site of the origin-of-information exercise, in a browser window.
#include "exercises/domain4/information_origin/layout.h"
#include "pictures/classicbrowser.h"
#include "pictures/fonts.h"
#include "pictures/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
using namespace InformationOriginLayout;

const QColor Navy(0x1b, 0x2f, 0x6b);
const QColor SiteBlue(0x2a, 0x55, 0xa0);
const QColor SiteRed(0xc8, 0x1e, 0x32);
const QColor PageGrey(0xe6, 0xeb, 0xf2);

// An invented emblem: a tricolour shield with an open book and a star.
void paintEmblem(QPainter &p, const QRect &r)
{
    p.fillRect(r, Qt::white);
    const QRectF shield(r.left() + 14, r.top() + 6, r.width() - 28, r.height() * 0.62);
    QPainterPath path;
    path.moveTo(shield.topLeft());
    path.lineTo(shield.topRight());
    path.lineTo(shield.right(), shield.top() + shield.height() * 0.55);
    path.quadTo(shield.right(), shield.bottom() - 6, shield.center().x(), shield.bottom());
    path.quadTo(shield.left(), shield.bottom() - 6, shield.left(), shield.top() + shield.height() * 0.55);
    path.closeSubpath();
    p.save();
    p.setClipPath(path);
    const qreal third = shield.width() / 3;
    p.fillRect(QRectF(shield.left(), shield.top(), third + 1, shield.height()), SiteBlue);
    p.fillRect(QRectF(shield.left() + third, shield.top(), third + 1, shield.height()), Qt::white);
    p.fillRect(QRectF(shield.left() + 2 * third, shield.top(), third + 1, shield.height()), SiteRed);
    p.restore();
    p.setPen(QPen(Navy, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    // Open book.
    const QPointF c(shield.center().x(), shield.top() + shield.height() * 0.62);
    p.setPen(QPen(Navy, 1.2));
    p.setBrush(QColor(0xff, 0xf6, 0xd8));
    QPainterPath book;
    book.moveTo(c);
    book.quadTo(c + QPointF(-10, -6), c + QPointF(-20, -2));
    book.lineTo(c + QPointF(-20, 10));
    book.quadTo(c + QPointF(-10, 6), c + QPointF(0, 12));
    book.quadTo(c + QPointF(10, 6), c + QPointF(20, 10));
    book.lineTo(c + QPointF(20, -2));
    book.quadTo(c + QPointF(10, -6), c);
    p.drawPath(book);
    p.drawLine(c, c + QPointF(0, 12));
    // Star above the book.
    QPolygonF star;
    const QPointF sc(shield.center().x(), shield.top() + 16);
    for (int i = 0; i < 10; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const qreal rad = i % 2 ? 3.5 : 8.5;
        star << sc + QPointF(std::cos(a) * rad, std::sin(a) * rad);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf2, 0xc2, 0x2e));
    p.drawPolygon(star);
    p.setPen(Navy);
    p.setFont(pixelFont(QStringLiteral("Arial"), 11, true));
    p.drawText(QRectF(r.left(), shield.bottom() + 4, r.width(), 14), Qt::AlignCenter, QStringLiteral("MINISTÈRE"));
    p.setFont(pixelFont(QStringLiteral("Arial"), 8));
    p.drawText(QRectF(r.left(), shield.bottom() + 18, r.width(), 22), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Éducation\net Jeunesse"));
}

// The browser around the site: title bar and menus, the navigation buttons, the
// address bar (a clue of the exercise) with the site's favicon, and the search box.
void paintBrowserFrame(QPainter &p, const QSize &size)
{
    using namespace ClassicBrowser;
    Chrome c;
    c.width = size.width();
    c.height = size.height();
    c.caption = MinistryName + QStringLiteral(" - Mozilla Firefox");
    c.url = SiteUrl;
    c.searchHint = QStringLiteral("Trouvix");
    c.siteColour = SiteBlue;
    c.siteLetter = QLatin1Char('M');
    ChromeLayout &l = c.layout;
    constexpr int top = 42;
    l.top = top;
    l.toolbarBottom = 54;
    l.bookmarksHeight = 0;
    QRect *const buttons[] = {&l.back, &l.forward, &l.reload, &l.stop, &l.home};
    for (int i = 0; i < 5; ++i)
        *buttons[i] = QRect(6 + i * 39, 8, 37, 38);
    l.address = AddressBar.adjusted(3, 3, -3, -3).translated(0, -top);
    l.search = QRect(AddressBar.right() + 60, AddressBar.top(), 170, AddressBar.height()).adjusted(3, 3, -3, -3).translated(0, -top);
    l.go = QRect();
    l.statusBarTop = size.height();
    paintChrome(p, c);
}

void paintNavColumn(QPainter &p)
{
    p.fillRect(NavColumn, QColor(0xf3, 0xf5, 0xfa));
    const char *const items[] = {"Accueil", "Le ministère", "Actualités", "Écoles", "Collèges", "Lycées",
                                 "Jeunesse", "Examens", "Orientation", "Publications", "Agenda", "Nous contacter"};
    const int h = NavColumn.height() / 12;
    for (int i = 0; i < 12; ++i) {
        const QRect row(NavColumn.left(), NavColumn.top() + i * h, NavColumn.width(), h);
        if (i == 0)
            p.fillRect(row, SiteBlue);
        p.setPen(i == 0 ? Qt::white : Navy);
        p.setFont(pixelFont(QStringLiteral("Arial"), 12, true));
        p.drawText(row.adjusted(10, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft, QString::fromUtf8(items[i]));
        p.setPen(QColor(0xc9, 0xd3, 0xe6));
        p.drawLine(row.bottomLeft(), row.bottomRight());
        if (i > 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(SiteRed);
            p.drawRect(QRect(row.left() + 3, row.center().y() - 2, 4, 4));
        }
    }
}

void paintArticles(QPainter &p)
{
    const int left = 138, width = 446;
    p.setPen(Navy);
    p.setFont(pixelFont(QStringLiteral("Georgia"), 20, true));
    p.drawText(QRect(left, 216, width, 28), Qt::AlignVCenter, QStringLiteral("Actualités"));
    p.fillRect(QRect(left, 244, width, 2), SiteRed);
    int y = 254;
    for (const Article &a : Articles) {
        const QString date = QStringLiteral("Publié le %1/%2/%3")
                                 .arg(a.day, 2, 10, QLatin1Char('0')).arg(a.month, 2, 10, QLatin1Char('0')).arg(a.year);
        p.setPen(SiteRed);
        p.setFont(pixelFont(QStringLiteral("Arial"), 11, true));
        p.drawText(QRect(left + 78, y, width - 78, 16), Qt::AlignVCenter, date);
        p.setPen(SiteBlue);
        p.setFont(pixelFont(QStringLiteral("Arial"), 14, true));
        p.drawText(QRect(left + 78, y + 16, width - 78, 20), Qt::AlignVCenter, QString::fromUtf8(a.title));
        p.setPen(QColor(0x33, 0x33, 0x33));
        p.setFont(pixelFont(QStringLiteral("Arial"), 12));
        p.drawText(QRect(left + 78, y + 38, width - 78, 36), Qt::TextWordWrap, QString::fromUtf8(a.summary));
        // A small illustration.
        const QRect pic(left, y + 4, 68, 56);
        QLinearGradient g(pic.topLeft(), pic.bottomRight());
        g.setColorAt(0, QColor::fromHsv((a.day * 37) % 360, 90, 230));
        g.setColorAt(1, QColor::fromHsv((a.day * 37 + 40) % 360, 140, 170));
        p.fillRect(pic, g);
        p.setPen(QColor(255, 255, 255, 180));
        p.setBrush(QColor(255, 255, 255, 120));
        p.drawEllipse(pic.center() + QPoint(-8, -6), 9, 9);
        p.drawRoundedRect(QRect(pic.left() + 14, pic.center().y() + 6, 30, 18), 6, 6);
        y += 88;
        p.setPen(QColor(0xd6, 0xdc, 0xe8));
        p.drawLine(left, y - 8, left + width, y - 8);
    }
    // Newsletter box under the articles.
    const QRect letter(left, 612, 258, 76);
    p.setPen(QColor(0xc9, 0xd3, 0xe6));
    p.setBrush(QColor(0xf3, 0xf5, 0xfa));
    p.drawRect(letter);
    p.setPen(Navy);
    p.setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    p.drawText(letter.adjusted(10, 6, 0, 0), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Lettre d'information"));
    p.setFont(pixelFont(QStringLiteral("Arial"), 12));
    p.setPen(QColor(0x33, 0x33, 0x33));
    p.drawText(letter.adjusted(10, 28, -10, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Recevez chaque mois les nouveautés du site dans votre messagerie."));
}

void paintRightColumn(QPainter &p)
{
    const QRect box(596, 216, 196, 190);
    p.fillRect(QRect(box.left(), box.top(), box.width(), 26), SiteBlue);
    p.setPen(Qt::white);
    p.setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    p.drawText(QRect(box.left() + 8, box.top(), box.width(), 26), Qt::AlignVCenter, QStringLiteral("Agenda"));
    p.setPen(QColor(0xc9, 0xd3, 0xe6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    int y = box.top() + 34;
    for (const char *e : {"10/09 : Journée du sport scolaire", "17/09 : Semaine de la sécurité routière",
                          "01/10 : Forum des métiers"}) {
        p.setPen(SiteBlue);
        p.setFont(pixelFont(QStringLiteral("Arial"), 12, FontStyle{false, false, true}));
        p.drawText(QRect(box.left() + 8, y, box.width() - 16, 46), Qt::TextWordWrap, QString::fromUtf8(e));
        y += 50;
    }
    const QRect dossier(596, 418, 196, 150);
    p.fillRect(QRect(dossier.left(), dossier.top(), dossier.width(), 26), SiteRed);
    p.setPen(Qt::white);
    p.setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    p.drawText(QRect(dossier.left() + 8, dossier.top(), dossier.width(), 26), Qt::AlignVCenter, QStringLiteral("Dossier"));
    p.setPen(QColor(0xc9, 0xd3, 0xe6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(dossier);
    // Pupils at a computer.
    const QRect photo(dossier.left() + 10, dossier.top() + 32, dossier.width() - 20, 72);
    QLinearGradient wall(photo.topLeft(), photo.bottomLeft());
    wall.setColorAt(0, QColor(0xf6, 0xe8, 0xc8));
    wall.setColorAt(1, QColor(0xe0, 0xc8, 0x98));
    p.fillRect(photo, wall);
    p.fillRect(QRect(photo.left() + 60, photo.top() + 6, 60, 40), QColor(0x30, 0x30, 0x38));
    p.fillRect(QRect(photo.left() + 64, photo.top() + 10, 52, 32), QColor(0x7d, 0xb8, 0xe8));
    p.fillRect(QRect(photo.left(), photo.top() + 50, photo.width(), 22), QColor(0x9a, 0x6a, 0x3a));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe8, 0xb8, 0x90));
    p.drawEllipse(QPoint(photo.left() + 34, photo.top() + 24), 12, 12);
    p.drawEllipse(QPoint(photo.left() + 146, photo.top() + 26), 12, 12);
    p.setBrush(SiteRed);
    p.drawRoundedRect(QRect(photo.left() + 20, photo.top() + 36, 28, 20), 6, 6);
    p.setBrush(SiteBlue);
    p.drawRoundedRect(QRect(photo.left() + 132, photo.top() + 38, 28, 20), 6, 6);
    p.setPen(SiteBlue);
    p.setFont(pixelFont(QStringLiteral("Arial"), 12, FontStyle{true, false, true}));
    p.drawText(QRect(dossier.left() + 8, photo.bottom() + 4, dossier.width() - 16, 40), Qt::TextWordWrap,
               QStringLiteral("L'informatique au collège : les nouveaux équipements"));
}

void paintFooter(QPainter &p)
{
    const QRect footer(FooterLinks.left() - 8, FooterLinks.top(), FooterLinks.width() + 16, 761 - FooterLinks.top());
    p.fillRect(footer, QColor(0xdd, 0xe3, 0xee));
    p.fillRect(QRect(footer.left(), footer.top(), footer.width(), 2), SiteBlue);
    p.setFont(pixelFont(QStringLiteral("Arial"), 12));
    p.setPen(Navy);
    p.drawText(QRect(FooterLinks.left(), FooterLinks.top() + 6, FooterLinks.width(), 18), Qt::AlignCenter,
               QStringLiteral("Plan du site  |  Accessibilité  |  Aide  |  Nous écrire  |  Flux RSS  |  Liens utiles"));
    p.setFont(pixelFont(QStringLiteral("Arial"), 12, FontStyle{false, false, true}));
    p.setPen(SiteBlue);
    p.drawText(QRect(FooterLinks.left() + 110, CopyrightNotice.top(), 130, CopyrightNotice.height()), Qt::AlignCenter,
               QStringLiteral("Haut de page"));
    p.drawText(LegalNoticeLink, Qt::AlignCenter, LegalLink);
    p.setFont(pixelFont(QStringLiteral("Arial"), 12));
    p.setPen(Navy);
    p.drawText(CopyrightNotice, Qt::AlignCenter, Copyright);
    p.setFont(pixelFont(QStringLiteral("Arial"), 12, FontStyle{false, false, true}));
    p.setPen(SiteBlue);
    p.drawText(QRect(CopyrightNotice.right() + 12, CopyrightNotice.top(), 130, CopyrightNotice.height()),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("English version"));
}

void paintMinistrySite(QPainter &p, const QSize &size)
{
    p.fillRect(QRect(QPoint(0, 0), size), PageGrey);
    paintBrowserFrame(p, size);
    const QRect site(0, 96, PageRight, size.height() - 96);
    p.fillRect(site, Qt::white);
    p.setPen(QColor(0xc9, 0xd3, 0xe6));
    p.drawLine(site.topRight(), site.bottomRight());
    paintEmblem(p, Emblem);
    // Site title and its top links.
    p.setPen(Navy);
    p.setFont(pixelFont(QStringLiteral("Georgia"), 25, true));
    p.drawText(QRect(Banner.left(), 118, PageRight - Banner.left() - 8, 36), Qt::AlignVCenter, MinistryName);
    p.setFont(pixelFont(QStringLiteral("Arial"), 11));
    p.setPen(SiteBlue);
    p.drawText(QRect(PageRight - 320, 100, 310, 16), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Accueil  |  Plan du site  |  Contact  |  English"));
    p.fillRect(QRect(Banner.left(), 158, PageRight - Banner.left() - 8, 3), SiteRed);
    // The welcome banner.
    QLinearGradient g(Banner.topLeft(), Banner.topRight());
    g.setColorAt(0, SiteBlue);
    g.setColorAt(1, QColor(0x4a, 0x7c, 0xc8));
    p.fillRect(Banner, g);
    p.setPen(Qt::white);
    p.setFont(pixelFont(QStringLiteral("Arial"), 12, true));
    p.drawText(Banner.adjusted(8, 0, -4, 0), Qt::AlignVCenter, QStringLiteral("Bienvenue sur le site du ministère"));
    // Search box beside the banner.
    ClassicBrowser::paintField(p, QRect(Banner.right() + 150, Banner.top(), 140, Banner.height()), QStringLiteral("Rechercher"),
                             pixelFont(QStringLiteral("Arial"), 12), QColor(0x88, 0x88, 0x88));
    p.fillRect(QRect(Banner.right() + 294, Banner.top(), 36, Banner.height()), SiteBlue);
    p.setPen(Qt::white);
    p.drawText(QRect(Banner.right() + 294, Banner.top(), 36, Banner.height()), Qt::AlignCenter, QStringLiteral("OK"));
    paintNavColumn(p);
    paintArticles(p);
    paintRightColumn(p);
    paintFooter(p);
}

void paintLegalTitle(QPainter &p, const QSize &size)
{
    // The legal text's field covers the lower part of this picture: the title keeps to the top.
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    p.setPen(Navy);
    p.setFont(pixelFont(QStringLiteral("Georgia"), 16, true));
    p.drawText(QRect(2, 0, size.width() - 2, 17), Qt::AlignLeft | Qt::AlignVCenter, LegalLink);
    p.fillRect(QRect(2, 17, size.width() - 4, 2), SiteRed);
}

QRect onScreenshot(const QRect &r) { return r.translated(-Screenshot.topLeft()); }

const Pictures::Registrar site{{QStringLiteral("Texercice24v3/Image1"), Screenshot.size(), &paintMinistrySite,
                                {{QStringLiteral("zs1"), onScreenshot(AddressBar)},
                                 {QStringLiteral("zs2"), onScreenshot(Emblem)},
                                 {QStringLiteral("zs3"), onScreenshot(Banner)},
                                 {QStringLiteral("zs6"), onScreenshot(NavColumn)},
                                 {QStringLiteral("zs7"), onScreenshot(FooterLinks)},
                                 {QStringLiteral("zs4"), onScreenshot(CopyrightNotice)},
                                 {QStringLiteral("zs5"), onScreenshot(LegalNoticeLink)}}}};
const Pictures::Registrar title{{QStringLiteral("Texercice24v3/Image2"), LegalTitle.size(), &paintLegalTitle, {}}};
}
