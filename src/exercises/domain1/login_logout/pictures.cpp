// The two screens of the log-in exercise: the certificate site's log-in page and the
// pupil's home page, in the browser family of the web exercises.
#include "exercises/domain1/login_logout/layout.h"
#include "pictures/fonts.h"
#include "pictures/classicbrowser.h"
#include "pictures/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace LoginLayout;
using namespace ClassicBrowser;

namespace {
constexpr int TabHeight = 26;
constexpr int ToolbarBottom = 68;
const QColor SiteBlue(0x1f, 0x4e, 0x8c);
const QColor SiteLight(0xe8, 0xef, 0xf8);

QFont siteFont(int pixelSize, bool bold = false)
{
    return pixelFont(QStringLiteral("Tahoma"), pixelSize, bold);
}

// Tab strip, navigation buttons and address bar; returns the page rectangle.
QRect paintBrowser(QPainter &p, const QSize &size, const QString &title, const QString &url, bool statusBar)
{
    
    QLinearGradient strip(0, 0, 0, TabHeight);
    strip.setColorAt(0, QColor(0xcf, 0xcb, 0xc2));
    strip.setColorAt(1, QColor(0xbd, 0xb8, 0xae));
    p.fillRect(QRect(0, 0, size.width(), TabHeight), strip);
    QPainterPath tab;
    tab.addRoundedRect(QRectF(6.5, 3.5, 230, TabHeight + 4), 5, 5);
    p.setPen(QColor(0xa8, 0xa5, 0x9c));
    p.setBrush(QColor(0xf4, 0xf3, 0xf0));
    p.drawPath(tab);
    paintFavicon(p, QRect(14, 8, 14, 14), SiteBlue, QLatin1Char('Q'));
    p.setPen(Qt::black);
    p.setFont(uiFont(12));
    p.drawText(QRect(34, 4, 180, TabHeight - 4), Qt::AlignVCenter | Qt::AlignLeft, title);
    p.drawText(QRect(216, 4, 16, TabHeight - 4), Qt::AlignCenter, QStringLiteral("×"));
    p.drawText(QRect(244, 4, 20, TabHeight - 4), Qt::AlignCenter, QStringLiteral("+"));

    paintToolbarBackground(p, QRect(0, TabHeight, size.width(), ToolbarBottom - TabHeight));
    paintNavigationButton(p, QRect(2, TabHeight + 3, 34, 37), QStringLiteral("back"), QString());
    paintNavigationButton(p, QRect(36, TabHeight + 3, 34, 37), QStringLiteral("forward"), QString(), false);
    paintNavigationButton(p, QRect(70, TabHeight + 3, 30, 37), QStringLiteral("reload"), QString());
    paintNavigationButton(p, QRect(100, TabHeight + 3, 30, 37), QStringLiteral("home"), QString());
    const QRect address(138, TabHeight + 10, size.width() - 330, 24);
    paintField(p, address, QStringLiteral("      ") + url, uiFont(13));
    // The padlock of a secure page.
    p.setPen(QPen(QColor(0x3a, 0x8a, 0x3a), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(address.left() + 7, address.top() + 4, 9, 10), 0, 180 * 16);
    p.setBrush(QColor(0x3a, 0x8a, 0x3a));
    p.drawRect(QRectF(address.left() + 6, address.top() + 9, 11, 9));
    paintField(p, QRect(size.width() - 182, TabHeight + 10, 174, 24), QStringLiteral("Rechercher"), uiFont(12),
               QColor(0x90, 0x90, 0x90));

    const int bottom = statusBar ? size.height() - 20 : size.height();
    const QRect page(0, ToolbarBottom + 1, size.width() - 16, bottom - ToolbarBottom - 1);
    p.fillRect(page, Qt::white);
    paintVerticalScrollBar(p, QRect(page.right() + 1, page.top(), 16, page.height()));
    if (statusBar) {
        p.fillRect(QRect(0, bottom, size.width(), 20), QColor(0xf4, 0xf3, 0xf0));
        p.setPen(Qt::black);
        p.setFont(uiFont(12));
        p.drawText(QRect(6, bottom, 300, 20), Qt::AlignVCenter, QStringLiteral("Terminé"));
    }
    return page;
}

void paintSiteBanner(QPainter &p, const QRect &page, int height)
{
    const QRect banner(page.left(), page.top(), page.width(), height);
    QLinearGradient g(banner.topLeft(), banner.topRight());
    g.setColorAt(0, SiteBlue);
    g.setColorAt(1, QColor(0x3f, 0x83, 0xc8));
    p.fillRect(banner, g);
    // An invented emblem: a blue-white-red ribbon around a book.
    const QRect emblem(banner.left() + 12, banner.top() + (height - 26) / 2, 26, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(emblem);
    p.setBrush(SiteBlue);
    p.drawRect(emblem.adjusted(7, 8, -14, -8));
    p.setBrush(QColor(0xd8, 0x2a, 0x2a));
    p.drawRect(emblem.adjusted(14, 8, -7, -8));
    p.setPen(Qt::white);
    p.setFont(siteFont(17, true));
    p.drawText(banner.adjusted(48, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Quorvil  ·  Certification informatique et internet"));
    p.setFont(siteFont(12));
    p.drawText(banner.adjusted(0, 0, -14, 0), Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("Collège des Tilleuls"));
}

void paintSiteButton(QPainter &p, const QRect &r, const QString &caption, const QColor &base)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, base.lighter(135));
    g.setColorAt(1, base);
    p.setPen(base.darker(150));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setPen(Qt::white);
    p.setFont(siteFont(11, true));
    p.drawText(r, Qt::AlignCenter, caption);
}

void paintInputBox(QPainter &p, const QRect &r)
{
    p.setPen(QColor(0x7f, 0x9d, 0xb9));
    p.setBrush(Qt::white);
    p.drawRect(r.adjusted(-1, -1, 0, 0));
}

void paintLogInPage(QPainter &p, const QSize &size)
{
    const QRect page = paintBrowser(p, size, SiteName, SiteAddress, false);
    paintSiteBanner(p, page, 44);
    // Left column: what the site is for.
    p.setPen(SiteBlue);
    p.setFont(siteFont(18, true));
    p.drawText(QRect(30, page.top() + 64, 380, 26), Qt::AlignLeft, QStringLiteral("Bienvenue sur ton espace de certification"));
    p.setPen(QColor(0x33, 0x33, 0x33));
    p.setFont(siteFont(13));
    p.drawText(QRect(30, page.top() + 100, 370, 150), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Connecte-toi avec ton identifiant et ton mot de passe pour retrouver les "
                              "compétences que tu as validées, déposer tes travaux et suivre ta progression.\n\n"
                              "Ne communique jamais ton mot de passe et pense à te déconnecter avant de quitter le poste."));
    p.setPen(QColor(0x1a, 0x3d, 0xa8));
    p.setFont(siteFont(12));
    p.drawText(QRect(30, page.top() + 270, 300, 18), Qt::AlignLeft, QStringLiteral("› Mot de passe oublié ?"));
    p.drawText(QRect(30, page.top() + 292, 300, 18), Qt::AlignLeft, QStringLiteral("› Aide et assistance"));

    // The log-in panel, its boxes and button where the fields and hot spot lie.
    const QRect name = inPicture(LoginLayout::Edit1, LoginLayout::Image1);
    const QRect password = inPicture(LoginLayout::Edit2, LoginLayout::Image1);
    const QRect send = inPicture(LoginLayout::zs, LoginLayout::Image1);
    const QRect panel(name.left() - 150, name.top() - 62, name.width() + 186, send.bottom() - name.top() + 74);
    p.setPen(QColor(0xb5, 0xc6, 0xdc));
    p.setBrush(SiteLight);
    p.drawRoundedRect(QRectF(panel).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.fillRect(QRect(panel.left() + 1, panel.top() + 1, panel.width() - 1, 28), SiteBlue);
    p.setPen(Qt::white);
    p.setFont(siteFont(14, true));
    p.drawText(QRect(panel.left() + 12, panel.top(), panel.width(), 29), Qt::AlignVCenter, QStringLiteral("Connexion"));
    p.setPen(QColor(0x22, 0x22, 0x22));
    p.setFont(siteFont(12, true));
    p.drawText(QRect(panel.left() + 10, name.top(), 136, name.height()), Qt::AlignVCenter | Qt::AlignRight,
               QStringLiteral("Nom d'utilisateur :"));
    p.drawText(QRect(panel.left() + 10, password.top(), 136, password.height()), Qt::AlignVCenter | Qt::AlignRight,
               QStringLiteral("Mot de passe :"));
    paintInputBox(p, name);
    paintInputBox(p, password);
    paintSiteButton(p, send, QStringLiteral("Envoyer"), QColor(0x2f, 0x7d, 0x32));
}

void paintHomePage(QPainter &p, const QSize &size)
{
    const QRect page = paintBrowser(p, size, SiteName, HomeAddress, true);
    paintSiteBanner(p, page, 30);
    // The user bar: the site names the user at its left (the label lies there).
    const QRect bar(page.left(), page.top() + 30, page.width(), 54);
    p.fillRect(bar, SiteLight);
    const QPoint namePlace = LoginLayout::Label3 - LoginLayout::Image2.topLeft();
    p.fillRect(QRect(namePlace.x() - 2, namePlace.y() - 2, 170, 18), Qt::white);
    p.setPen(QColor(0x55, 0x55, 0x55));
    p.setFont(siteFont(11));
    p.drawText(QRect(namePlace.x(), namePlace.y() + 18, 320, 16), Qt::AlignLeft,
               QStringLiteral("Espace personnel  ·  classe de collège  ·  session en cours"));
    const QRect logOut = inPicture(LoginLayout::zs2, LoginLayout::Image2);
    const QRect decoy = inPicture(LoginLayout::DecoySend, LoginLayout::Image2);
    paintSiteButton(p, logOut, QStringLiteral("Déconnexion"), QColor(0xc6, 0x28, 0x28));
    paintSiteButton(p, decoy, QStringLiteral("Envoyer"), QColor(0x2f, 0x7d, 0x32));

    // Left menu.
    const QRect menu(page.left() + 8, bar.bottom() + 12, 170, 230);
    p.setPen(QColor(0xb5, 0xc6, 0xdc));
    p.setBrush(Qt::white);
    p.drawRect(menu);
    p.setFont(siteFont(13));
    const QStringList items{QStringLiteral("Accueil"), QStringLiteral("Mes compétences"), QStringLiteral("Mes travaux"),
                            QStringLiteral("Messagerie"), QStringLiteral("Agenda"), QStringLiteral("Aide")};
    for (int i = 0; i < items.size(); ++i) {
        const QRect row(menu.left() + 1, menu.top() + 1 + i * 34, menu.width() - 1, 33);
        if (i == 0)
            p.fillRect(row, SiteLight);
        p.setPen(i == 0 ? SiteBlue : QColor(0x1a, 0x3d, 0xa8));
        p.drawText(row.adjusted(12, 0, 0, 0), Qt::AlignVCenter, items.at(i));
        p.setPen(QColor(0xe0, 0xe6, 0xee));
        p.drawLine(row.bottomLeft(), row.bottomRight());
    }

    // Main column: progress and news.
    const int left = menu.right() + 24;
    p.setPen(SiteBlue);
    p.setFont(siteFont(18, true));
    p.drawText(QRect(left, menu.top(), 500, 26), Qt::AlignLeft, QStringLiteral("Ton tableau de bord"));
    const QStringList domains{QStringLiteral("Travailler dans un environnement numérique"),
                              QStringLiteral("Adopter une attitude responsable"),
                              QStringLiteral("Créer, produire, traiter des données"),
                              QStringLiteral("S'informer, se documenter"),
                              QStringLiteral("Communiquer, échanger")};
    const int filled[] = {3, 2, 4, 1, 2};
    p.setFont(siteFont(12));
    for (int i = 0; i < domains.size(); ++i) {
        const int y = menu.top() + 40 + i * 32;
        p.setPen(QColor(0x22, 0x22, 0x22));
        p.drawText(QRect(left, y, 330, 20), Qt::AlignVCenter, domains.at(i));
        const QRect gauge(left + 340, y + 4, 200, 12);
        p.setPen(QColor(0xb5, 0xc6, 0xdc));
        p.setBrush(Qt::white);
        p.drawRect(gauge);
        p.fillRect(QRect(gauge.left() + 1, gauge.top() + 1, gauge.width() * filled[i] / 7, gauge.height() - 1),
                   QColor(0x4c, 0xaf, 0x50));
    }
    p.setPen(SiteBlue);
    p.setFont(siteFont(14, true));
    p.drawText(QRect(left, menu.top() + 210, 400, 20), Qt::AlignLeft, QStringLiteral("Actualités"));
    p.setPen(QColor(0x33, 0x33, 0x33));
    p.setFont(siteFont(12));
    p.drawText(QRect(left, menu.top() + 234, 560, 40), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Les épreuves blanches auront lieu la semaine prochaine en salle informatique. "
                              "Pense à vérifier ton mot de passe avant la séance."));
}

const Pictures::Registrar pictures[] = {
    Pictures::Registrar{{QStringLiteral("Texercice1v3/Image1"), LoginLayout::Image1.size(), &paintLogInPage,
                         {{QStringLiteral("Edit1"), inPicture(LoginLayout::Edit1, LoginLayout::Image1)},
                          {QStringLiteral("Edit2"), inPicture(LoginLayout::Edit2, LoginLayout::Image1)},
                          {QStringLiteral("zs"), inPicture(LoginLayout::zs, LoginLayout::Image1)}}}},
    Pictures::Registrar{{QStringLiteral("Texercice1v3/Image2"), LoginLayout::Image2.size(), &paintHomePage,
                         {{QStringLiteral("zs2"), inPicture(LoginLayout::zs2, LoginLayout::Image2)}}}},
};
}
