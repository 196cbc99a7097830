// The pages and pictures of the result-selection exercise, drawn from the layout.
#include "exercises/domain4/search_results/layout.h"
#include "pictures/fonts.h"
#include "pictures/kit.h"
#include "pictures/pictures.h"
#include "pictures/searchengine.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {
using namespace SearchResultsLayout;

QFont arial(int px, bool bold = false) { return pixelFont(QStringLiteral("Arial"), px, bold); }

// ---- the search page -----------------------------------------------------------------

void paintSearchPage(QPainter &p, const QSize &size)
{
    SearchEngine::paintBrowserFrame(p, size.width(), size.height(), SearchEngine::Name,
                                    QStringLiteral("http://www.trouvix.fr/"));
    SearchEngine::Home h;
    h.services = SearchServices;
    h.signIn = SearchSignIn;
    h.logo = SearchLogo;
    h.field = SearchField;
    h.links = SearchLinks;
    h.searchButton = SearchButton;
    h.luckyButton = QRect(SearchButton.right() + 4, SearchButton.top(), 120, SearchButton.height());
    h.scopes = SearchScopes;
    h.footer = SearchFooter;
    SearchEngine::paintHome(p, h);
}

// ---- the result page and its pictures ------------------------------------------------

void paintResultPage(QPainter &p, const QSize &size)
{
    SearchEngine::paintBrowserFrame(p, size.width(), size.height(), SearchEngine::Name + QStringLiteral(" - Recherche"),
                                    QStringLiteral("http://www.trouvix.fr/search?q=police"));
    SearchEngine::Header h;
    h.band = QRect(0, SortHeader.top(), size.width() - 16, SortHeader.height());
    h.services = QRect(12, 110, 400, 18);
    h.logo = QRect(8, 146, 106, 40);
    h.field = SortField;
    h.searchButton = SortSearchButton;
    h.query = Keyword;
    h.count = QStringLiteral("Résultats 1 - 6 sur environ 48 700 000 (0,18 secondes)");
    SearchEngine::paintResultHeader(p, h);
}

const SearchEngine::Result &snippetText(int i)
{
    static const SearchEngine::Result results[SnippetCount] = {
        {QStringLiteral("Police nationale - Ministère de l'Intérieur"), QStringLiteral("www.police-nationale.interieur.fr/"),
         QStringLiteral("La police nationale assure la sécurité des personnes et des biens : commissariats, "
                        "démarches en ligne, recrutement des gardiens de la paix.")},
        {QStringLiteral("Porter plainte : trouver le commissariat de police"), QStringLiteral("www.service-public.fr/police"),
         QStringLiteral("Adresses et horaires des commissariats de police et des brigades, pré-plainte en ligne "
                        "et numéros d'urgence (17).")},
        {QStringLiteral("Polices de caractères gratuites à télécharger"), QStringLiteral("www.polices-gratuites.fr/"),
         QStringLiteral("Plus de 10 000 polices de caractères : gothiques, manuscrites, rétro... pour vos "
                        "documents et votre traitement de texte.")},
        {QStringLiteral("Police municipale de la ville : missions et contacts"), QStringLiteral("www.ville-saintmaur.fr/police"),
         QStringLiteral("La police municipale veille au bon ordre, à la sûreté et à la tranquillité publiques "
                        "de la commune.")},
        {QStringLiteral("Devenir policier : les concours de la police"), QStringLiteral("www.devenirpolicier.fr/"),
         QStringLiteral("Conditions, épreuves et dates des concours.")},
        {QStringLiteral("Police - le groupe de rock : discographie et concerts"), QStringLiteral("www.rock-legendes.fr/police"),
         QStringLiteral("Trio de rock britannique formé en 1977 : albums, tournées, paroles et photos du "
                        "groupe Police.")},
    };
    return results[i];
}

Pictures::Painter snippetPainter(int i)
{
    return [i](QPainter &p, const QSize &size) {
        p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        SearchEngine::paintResult(p, QPoint(8, 1), size.width() - 16, snippetText(i));
    };
}

void paintPoliceCar(QPainter &p, const QSize &size)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(QPointF(0, 0), size);
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(0xbf, 0xdc, 0xf2));
    sky.setColorAt(1, QColor(0xea, 0xf3, 0xfa));
    p.fillRect(r, sky);
    p.fillRect(QRectF(0, r.height() * 0.78, r.width(), r.height() * 0.22), QColor(0x70, 0x70, 0x74));
    const qreal w = r.width(), h = r.height();
    // Body and cabin.
    QPainterPath body;
    body.moveTo(w * 0.06, h * 0.72);
    body.lineTo(w * 0.06, h * 0.55);
    body.quadTo(w * 0.08, h * 0.48, w * 0.2, h * 0.47);
    body.lineTo(w * 0.32, h * 0.45);
    body.lineTo(w * 0.42, h * 0.3);
    body.lineTo(w * 0.7, h * 0.3);
    body.lineTo(w * 0.8, h * 0.45);
    body.quadTo(w * 0.94, h * 0.47, w * 0.95, h * 0.56);
    body.lineTo(w * 0.95, h * 0.72);
    body.closeSubpath();
    p.setPen(QPen(QColor(0x22, 0x22, 0x30), 1.5));
    p.setBrush(Qt::white);
    p.drawPath(body);
    // The blue band and the word on it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x3f, 0x9a));
    p.drawRect(QRectF(w * 0.07, h * 0.56, w * 0.87, h * 0.08));
    p.setPen(Qt::white);
    p.setFont(arial(qMax(8, int(h * 0.075)), true));
    p.drawText(QRectF(w * 0.07, h * 0.55, w * 0.87, h * 0.1), Qt::AlignCenter, QStringLiteral("POLICE"));
    // Windows.
    p.setPen(QPen(QColor(0x22, 0x22, 0x30), 1));
    p.setBrush(QColor(0x7f, 0xa8, 0xcc));
    QPolygonF front{{w * 0.44, h * 0.33}, {w * 0.55, h * 0.33}, {w * 0.55, h * 0.45}, {w * 0.36, h * 0.45}};
    QPolygonF back{{w * 0.57, h * 0.33}, {w * 0.68, h * 0.33}, {w * 0.76, h * 0.45}, {w * 0.57, h * 0.45}};
    p.drawPolygon(front);
    p.drawPolygon(back);
    // Light bar on the roof.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2a, 0x6d, 0xf0));
    p.drawRoundedRect(QRectF(w * 0.5, h * 0.22, w * 0.09, h * 0.08), 2, 2);
    p.setBrush(QColor(0xf0, 0x2a, 0x2a));
    p.drawRoundedRect(QRectF(w * 0.59, h * 0.22, w * 0.05, h * 0.08), 2, 2);
    QRadialGradient glow(QPointF(w * 0.54, h * 0.22), w * 0.12);
    glow.setColorAt(0, QColor(90, 150, 255, 150));
    glow.setColorAt(1, QColor(90, 150, 255, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(w * 0.54, h * 0.24), w * 0.12, w * 0.08);
    // Wheels.
    for (qreal x : {w * 0.24, w * 0.78}) {
        p.setBrush(QColor(0x1a, 0x1a, 0x1a));
        p.drawEllipse(QPointF(x, h * 0.72), h * 0.11, h * 0.11);
        p.setBrush(QColor(0xb0, 0xb0, 0xb8));
        p.drawEllipse(QPointF(x, h * 0.72), h * 0.05, h * 0.05);
    }
    // Headlight.
    p.setBrush(QColor(0xff, 0xf0, 0x90));
    p.drawEllipse(QPointF(w * 0.93, h * 0.52), w * 0.015, h * 0.025);
}

void paintTypefaces(QPainter &p, const QSize &size)
{
    p.fillRect(QRect(QPoint(0, 0), size), QColor(0xfb, 0xf8, 0xef));
    p.setPen(QColor(0xc8, 0xbf, 0xa8));
    p.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
    struct Face
    {
        const char *family;
        int px;
        bool bold, italic;
        QColor colour;
    };
    const Face faces[] = {
        {"Times New Roman", 26, false, true, QColor(0x20, 0x20, 0x20)},
        {"Courier New", 24, true, false, QColor(0x8a, 0x1c, 0x1c)},
        {"Comic Sans MS", 24, false, false, QColor(0x1c, 0x4a, 0x8a)},
        {"DejaVu Sans", 22, true, false, QColor(0x1c, 0x6a, 0x2c)},
        {"Georgia", 26, true, true, QColor(0x6a, 0x2c, 0x7a)},
        {"DejaVu Sans Mono", 20, false, false, QColor(0x40, 0x40, 0x40)},
        {"URW Chancery L", 28, false, true, QColor(0x90, 0x50, 0x10)},
    };
    const int n = int(std::size(faces));
    const qreal step = size.height() / qreal(n);
    for (int i = 0; i < n; ++i) {
        QFont f = pixelFont(QString::fromLatin1(faces[i].family), faces[i].px, FontStyle{faces[i].bold, faces[i].italic});
        p.setFont(f);
        p.setPen(faces[i].colour);
        p.drawText(QRectF(0, i * step, size.width(), step), Qt::AlignCenter, QStringLiteral("police"));
    }
}

void paintDrumKit(QPainter &p, const QSize &size)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(QPointF(0, 0), size);
    QRadialGradient stage(QPointF(r.center().x(), r.height() * 0.2), r.width());
    stage.setColorAt(0, QColor(0x5a, 0x3a, 0x7a));
    stage.setColorAt(1, QColor(0x14, 0x0c, 0x22));
    p.fillRect(r, stage);
    const qreal w = r.width(), h = r.height();
    p.fillRect(QRectF(0, h * 0.86, w, h * 0.14), QColor(0x3a, 0x26, 0x18));
    auto drum = [&](QPointF centre, qreal rw, qreal rh, qreal depth, QColor shell) {
        p.setPen(QPen(QColor(0xd8, 0xd8, 0xe0), 1.2));
        p.setBrush(shell);
        p.drawRect(QRectF(centre.x() - rw, centre.y(), rw * 2, depth));
        p.drawEllipse(QPointF(centre.x(), centre.y() + depth), rw, rh);
        p.setBrush(QColor(0xf4, 0xf1, 0xe8));
        p.drawEllipse(centre, rw, rh);
    };
    // Cymbals on their stands.
    p.setPen(QPen(QColor(0xb0, 0xb0, 0xb8), 1.5));
    p.drawLine(QPointF(w * 0.14, h * 0.25), QPointF(w * 0.14, h * 0.86));
    p.drawLine(QPointF(w * 0.86, h * 0.2), QPointF(w * 0.86, h * 0.86));
    p.setPen(QPen(QColor(0x8a, 0x6a, 0x10), 1));
    p.setBrush(QColor(0xe8, 0xc0, 0x40));
    p.drawEllipse(QPointF(w * 0.14, h * 0.25), w * 0.13, h * 0.03);
    p.drawEllipse(QPointF(w * 0.86, h * 0.2), w * 0.14, h * 0.035);
    // Toms, snare, floor tom and the bass drum in front.
    const QColor red(0xb8, 0x1e, 0x2a);
    drum(QPointF(w * 0.38, h * 0.36), w * 0.1, h * 0.04, h * 0.1, red);
    drum(QPointF(w * 0.62, h * 0.36), w * 0.1, h * 0.04, h * 0.1, red);
    drum(QPointF(w * 0.2, h * 0.52), w * 0.11, h * 0.04, h * 0.09, QColor(0xc8, 0xc8, 0xd0));
    drum(QPointF(w * 0.8, h * 0.5), w * 0.12, h * 0.045, h * 0.26, red);
    p.setPen(QPen(QColor(0xd8, 0xd8, 0xe0), 2));
    p.setBrush(red);
    p.drawEllipse(QPointF(w * 0.5, h * 0.66), w * 0.2, w * 0.2);
    p.setBrush(QColor(0xf4, 0xf1, 0xe8));
    p.drawEllipse(QPointF(w * 0.5, h * 0.66), w * 0.16, w * 0.16);
    p.setPen(QColor(0x14, 0x0c, 0x22));
    p.setFont(arial(qMax(8, int(w * 0.07)), true));
    p.drawText(QRectF(w * 0.3, h * 0.6, w * 0.4, h * 0.12), Qt::AlignCenter, QStringLiteral("ROCK"));
    // Sticks.
    p.setPen(QPen(QColor(0xe0, 0xc0, 0x90), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(w * 0.3, h * 0.2), QPointF(w * 0.42, h * 0.33));
    p.drawLine(QPointF(w * 0.72, h * 0.18), QPointF(w * 0.6, h * 0.33));
}

// ---- the photo gallery ---------------------------------------------------------------

enum class Scene { Mountains, Beach, City, Flower, Forest, Panorama, Cat, Sunset, Boat };

void paintSky(QPainter &p, const QRectF &r, QColor top, QColor bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void paintMountains(QPainter &p, const QRectF &r, qreal base, QColor colour, qreal peaks)
{
    QPainterPath path;
    path.moveTo(r.left(), r.bottom());
    const int n = int(peaks * 2);
    for (int i = 0; i <= n; ++i) {
        const qreal x = r.left() + r.width() * i / n;
        const qreal y = i % 2 ? r.top() + r.height() * base * (0.55 + 0.25 * std::sin(i * 1.7)) : r.top() + r.height() * base;
        path.lineTo(x, y);
    }
    path.lineTo(r.right(), r.bottom());
    path.closeSubpath();
    p.fillPath(path, colour);
}

void paintScene(QPainter &p, const QRectF &r, Scene scene)
{
    p.save();
    p.setClipRect(r);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = r.width(), h = r.height();
    switch (scene) {
    case Scene::Mountains:
        paintSky(p, r, QColor(0x6f, 0xa8, 0xdc), QColor(0xd6, 0xea, 0xf8));
        paintMountains(p, r, 0.75, QColor(0x6a, 0x74, 0x88), 2.5);
        p.fillRect(QRectF(r.left(), r.top() + h * 0.72, w, h * 0.28), QColor(0x3f, 0x7a, 0xb0));
        break;
    case Scene::Beach:
        paintSky(p, r, QColor(0x4f, 0xa8, 0xe8), QColor(0xbf, 0xe4, 0xfa));
        p.fillRect(QRectF(r.left(), r.top() + h * 0.5, w, h * 0.22), QColor(0x1f, 0x8a, 0xb8));
        p.fillRect(QRectF(r.left(), r.top() + h * 0.72, w, h * 0.28), QColor(0xee, 0xd8, 0x9c));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xe0, 0x40));
        p.drawEllipse(QPointF(r.left() + w * 0.78, r.top() + h * 0.2), w * 0.08, w * 0.08);
        break;
    case Scene::City:
        paintSky(p, r, QColor(0x8a, 0x9c, 0xb8), QColor(0xe2, 0xe6, 0xee));
        for (int i = 0; i < 7; ++i) {
            const qreal bw = w / 7.0, bh = h * (0.35 + 0.08 * ((i * 5) % 4));
            const QRectF b(r.left() + i * bw, r.bottom() - bh, bw - 2, bh);
            p.fillRect(b, QColor(0x50 + i * 8, 0x58 + i * 6, 0x68 + i * 4));
            for (qreal y = b.top() + 4; y < b.bottom() - 6; y += 8)
                for (qreal x = b.left() + 3; x < b.right() - 4; x += 6)
                    p.fillRect(QRectF(x, y, 3, 4), QColor(0xf8, 0xe8, 0x90));
        }
        break;
    case Scene::Flower: {
        paintSky(p, r, QColor(0x7c, 0xb8, 0x4a), QColor(0x3c, 0x78, 0x22));
        const QPointF c(r.center());
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(c);
            p.rotate(i * 45);
            p.setBrush(QColor(0xe8, 0x4a, 0x8a));
            p.drawEllipse(QRectF(-w * 0.08, -h * 0.36, w * 0.16, h * 0.3));
            p.restore();
        }
        p.setBrush(QColor(0xf8, 0xd0, 0x30));
        p.drawEllipse(c, w * 0.1, w * 0.1);
        break;
    }
    case Scene::Forest:
        paintSky(p, r, QColor(0xa8, 0xd0, 0xe8), QColor(0xe0, 0xf0, 0xe0));
        p.fillRect(QRectF(r.left(), r.top() + h * 0.8, w, h * 0.2), QColor(0x5a, 0x8a, 0x30));
        for (int i = 0; i < 6; ++i) {
            const qreal x = r.left() + w * (0.08 + i * 0.17), top = r.top() + h * (0.2 + 0.08 * (i % 3));
            QPolygonF tree{{x, top}, {x - w * 0.1, r.top() + h * 0.82}, {x + w * 0.1, r.top() + h * 0.82}};
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x1f, 0x5a + 10 * (i % 3), 0x2a));
            p.drawPolygon(tree);
        }
        break;
    case Scene::Panorama: {
        // A very wide, thin photograph in its cell, with the cell's white around it.
        p.fillRect(r, Qt::white);
        const QRectF strip(r.left(), r.center().y() - h * 0.06, w, h * 0.12);
        paintSky(p, strip, QColor(0xf0, 0x9a, 0x50), QColor(0xfa, 0xd8, 0x9a));
        paintMountains(p, strip, 0.9, QColor(0x5a, 0x3a, 0x5a), 6);
        break;
    }
    case Scene::Cat: {
        p.fillRect(r, QColor(0xe8, 0xdc, 0xc8));
        const QPointF c(r.center().x(), r.top() + h * 0.55);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x90, 0x90, 0x98));
        p.drawEllipse(c, w * 0.3, h * 0.28);
        QPolygonF ear1{{c.x() - w * 0.26, c.y() - h * 0.12}, {c.x() - w * 0.22, c.y() - h * 0.42}, {c.x() - w * 0.06, c.y() - h * 0.24}};
        QPolygonF ear2{{c.x() + w * 0.26, c.y() - h * 0.12}, {c.x() + w * 0.22, c.y() - h * 0.42}, {c.x() + w * 0.06, c.y() - h * 0.24}};
        p.drawPolygon(ear1);
        p.drawPolygon(ear2);
        p.setBrush(QColor(0x9c, 0xd0, 0x40));
        p.drawEllipse(QPointF(c.x() - w * 0.11, c.y() - h * 0.05), w * 0.05, h * 0.05);
        p.drawEllipse(QPointF(c.x() + w * 0.11, c.y() - h * 0.05), w * 0.05, h * 0.05);
        p.setBrush(QColor(0xe0, 0x80, 0x90));
        p.drawEllipse(QPointF(c.x(), c.y() + h * 0.06), w * 0.03, h * 0.02);
        break;
    }
    case Scene::Sunset:
        paintSky(p, r, QColor(0x3a, 0x2a, 0x6a), QColor(0xf8, 0x8a, 0x3a));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xd0, 0x50));
        p.drawEllipse(QPointF(r.center().x(), r.top() + h * 0.66), w * 0.16, w * 0.16);
        p.fillRect(QRectF(r.left(), r.top() + h * 0.68, w, h * 0.32), QColor(0x2a, 0x2a, 0x50));
        break;
    case Scene::Boat: {
        paintSky(p, r, QColor(0x8c, 0xc4, 0xec), QColor(0xdc, 0xee, 0xfa));
        p.fillRect(QRectF(r.left(), r.top() + h * 0.65, w, h * 0.35), QColor(0x2a, 0x6a, 0xa8));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x8a, 0x4a, 0x20));
        QPolygonF hull{{r.left() + w * 0.2, r.top() + h * 0.62}, {r.left() + w * 0.8, r.top() + h * 0.62},
                       {r.left() + w * 0.7, r.top() + h * 0.72}, {r.left() + w * 0.3, r.top() + h * 0.72}};
        p.drawPolygon(hull);
        p.setBrush(Qt::white);
        QPolygonF sail{{r.left() + w * 0.5, r.top() + h * 0.15}, {r.left() + w * 0.5, r.top() + h * 0.6},
                       {r.left() + w * 0.75, r.top() + h * 0.6}};
        p.drawPolygon(sail);
        break;
    }
    }
    p.restore();
}

constexpr Scene PhotoScenes[9] = {Scene::Mountains, Scene::Beach, Scene::City, Scene::Flower, Scene::Forest,
                                  Scene::Panorama,  Scene::Cat,   Scene::Sunset, Scene::Boat};

void paintGalleryPage(QPainter &p, const QSize &size)
{
    SearchEngine::paintBrowserFrame(p, size.width(), size.height(), QStringLiteral("Photothèque libre - Photos gratuites"),
                                    QStringLiteral("http://www.phototheque-libre.fr/galerie/nature"));
    p.fillRect(QRect(0, 86, size.width() - 16, 81), QColor(0x2c, 0x3e, 0x50));
    p.setPen(Qt::white);
    p.setFont(pixelFont(QStringLiteral("Georgia"), 28, true));
    p.drawText(QRect(30, 97, 600, 50), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Photothèque libre"));
    p.setFont(arial(13));
    p.drawText(QRect(30, 140, 600, 22), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Des milliers de photos libres de droits, à télécharger gratuitement"));
    p.setPen(Qt::black);
    p.setFont(arial(15, true));
    p.drawText(QRect(32, 190, 460, 24), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Galerie : nature et voyages"));
    p.setFont(arial(12));
    p.setPen(QColor(0x55, 0x55, 0x55));
    p.drawText(QRect(32, 214, 460, 40), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Laissez la souris sur une photo pour voir sa taille et sa résolution."));
    for (int i = 0; i < 9; ++i) {
        const QRect cell(QPoint(Photos[i].left, Photos[i].top), PhotoSpot);
        p.fillRect(cell.adjusted(2, 2, 2, 2), QColor(0, 0, 0, 40));
        p.fillRect(cell, Qt::white);
        paintScene(p, QRectF(cell.adjusted(5, 5, -5, -5)), PhotoScenes[i]);
        p.setPen(QColor(0xb0, 0xb0, 0xb0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(cell.adjusted(0, 0, -1, -1));
    }
}

// ---- the download page ---------------------------------------------------------------

void paintDownloadColumn(QPainter &p, const QRect &column, const QRect &button, const QString &title,
                         const QString &detail, int megabytes)
{
    p.setPen(QColor(0xc0, 0xc8, 0xd4));
    p.setBrush(QColor(0xf6, 0xf8, 0xfb));
    p.drawRoundedRect(column, 6, 6);
    p.setPen(QColor(0x1c, 0x3c, 0x6c));
    p.setFont(arial(17, true));
    p.drawText(QRect(column.left() + 12, column.top() + 8, column.width() - 24, 24), Qt::AlignLeft, title);
    p.setPen(Qt::black);
    p.setFont(arial(13));
    p.drawText(QRect(column.left() + 12, column.top() + 36, column.width() - 24, 34), Qt::AlignLeft | Qt::TextWordWrap,
               detail);
    // The download button.
    QLinearGradient g(button.topLeft(), button.bottomLeft());
    g.setColorAt(0, QColor(0x6c, 0xc0, 0x3c));
    g.setColorAt(1, QColor(0x3a, 0x8a, 0x1e));
    p.setPen(QColor(0x2a, 0x6a, 0x14));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(button).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    p.setPen(Qt::white);
    p.setFont(arial(14, true));
    p.drawText(button, Qt::AlignCenter, QStringLiteral("Télécharger"));
    p.setPen(Qt::black);
    p.setFont(arial(15, true));
    p.drawText(QRect(button.right() + 16, button.top(), 300, button.height()), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Taille : %1 Mo").arg(megabytes));
    p.setFont(arial(12));
    p.setPen(QColor(0x55, 0x55, 0x55));
    p.drawText(QRect(column.left() + 12, button.bottom() + 12, column.width() - 24, 60), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Système : Windows, Linux\nLicence : libre et gratuite\nLangue : français"));
}

void paintDownloadPage(QPainter &p, const QSize &size)
{
    SearchEngine::paintBrowserFrame(p, size.width(), size.height(), QStringLiteral("Logithèque - Télécharger OpenOffice"),
                                    QStringLiteral("http://www.logitheque-libre.fr/bureautique/openoffice"));
    p.fillRect(QRect(0, 86, size.width() - 16, 43), QColor(0xe8, 0x6a, 0x1c));
    p.setPen(Qt::white);
    p.setFont(pixelFont(QStringLiteral("Georgia"), 20, true));
    p.drawText(QRect(20, 88, 600, 40), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Logithèque libre"));
    p.setPen(Qt::black);
    p.setFont(arial(16, true));
    p.drawText(QRect(20, 130, 900, 24), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("OpenOffice 2.4 : la suite bureautique libre (traitement de texte, tableur, présentation)"));
    paintDownloadColumn(p, QRect(14, 158, 470, 210), LighterDownload, QStringLiteral("OpenOffice 2.4 - version seule"),
                        QStringLiteral("La suite bureautique, sans les extensions ni les modèles."), LighterMegabytes);
    paintDownloadColumn(p, QRect(512, 158, 470, 210), HeavierDownload, QStringLiteral("OpenOffice 2.4 - édition complète"),
                        QStringLiteral("La même suite, livrée avec ses extensions et 500 modèles."), HeavierMegabytes);
}

// ---- registrations -------------------------------------------------------------------

QList<Pictures::Entry> entries()
{
    QList<Pictures::Entry> list{
        {QStringLiteral("Texercice25v3/Image1"), SearchSize, &paintSearchPage,
         {{QStringLiteral("Edit1"), SearchField}, {QStringLiteral("zs2"), SearchButton},
          {QStringLiteral("zs1"), SearchServices}, {QStringLiteral("zs3"), SearchLinks}, {QStringLiteral("zs4"), SearchScopes}}},
        {QStringLiteral("Texercice25v3b/Image1"), SortSize, &paintResultPage, {}},
        {QStringLiteral("Texercice25v3b/Image2"), Targets[0].rect.size(), &paintPoliceCar, {}},
        {QStringLiteral("Texercice25v3b/Image4"), Targets[1].rect.size(), &paintTypefaces, {}},
        {QStringLiteral("Texercice25v3b/Image3"), Targets[2].rect.size(), &paintDrumKit, {}},
        {QStringLiteral("Texercice25v3d/Image1"), DownloadSize, &paintDownloadPage,
         {{QStringLiteral("zs1"), LighterDownload}, {QStringLiteral("Image2"), HeavierDownload}}},
    };
    for (int i = 0; i < SnippetCount; ++i)
        list << Pictures::Entry{QStringLiteral("Texercice25v3b/") + QString::fromLatin1(Snippets[i].name),
                                Snippets[i].rect.size(), snippetPainter(i), {}};
    QList<Pictures::HotSpotOutline> photos;
    for (const Photo &ph : Photos)
        photos << Pictures::HotSpotOutline{QString::fromLatin1(ph.name), QRect(QPoint(ph.left, ph.top), PhotoSpot)};
    list << Pictures::Entry{QStringLiteral("Texercice25v3c/Image1"), GallerySize, &paintGalleryPage, photos};
    return list;
}

const bool registered = [] {
    for (const Pictures::Entry &e : entries())
        Pictures::add(e);
    return true;
}();
}
