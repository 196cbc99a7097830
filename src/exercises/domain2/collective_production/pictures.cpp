// The pictures of the collective production exercise: a drawing of people writing
// together, and the school's collaborative site: its public home page, the private
// area's log-in form, the rubric list, the pupils' rubric, the article editor and
// the article before and after its publication request. Each page is drawn from the
// window's rectangles, so every button and field lies under its hot spot.
#include "exercises/domain2/collective_production/layout.h"
#include "pictures/kit.h"
#include "pictures/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace CollectiveLayout;
using namespace PictureKit;

namespace {
const QColor SiteBlue(40, 90, 150);
const QColor SitePale(232, 240, 250);
const QColor PrivateGreen(80, 130, 70);
const QColor PrivatePale(238, 244, 232);
const QColor Ink(40, 40, 50);

void text(QPainter &p, const QRect &r, const QString &s, int pixels = 12, bool bold = false, const QColor &c = Ink,
          int flags = Qt::AlignLeft | Qt::AlignVCenter)
{
    p.setFont(uiFont(pixels, bold));
    p.setPen(c);
    p.drawText(r, flags, s);
}

// A site button with a rounded outline, at a rectangle given in picture coordinates.
void siteButton(QPainter &p, const QRect &r, const QString &caption, const QColor &colour, int pixels = 12)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, colour.lighter(140));
    g.setColorAt(1, colour);
    p.setPen(colour.darker(150));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(r).adjusted(1.5, 2.5, -1.5, -2.5), 5, 5);
    text(p, r, caption, pixels, true, Qt::white, Qt::AlignCenter);
    p.restore();
}

// ---- the decoration of the first window -----------------------------------------------

void person(QPainter &p, const QPointF &at, const QColor &shirt)
{
    p.setBrush(QColor(245, 205, 170));
    p.drawEllipse(at, 13, 13);
    p.setBrush(shirt);
    QPainterPath body;
    body.moveTo(at + QPointF(-20, 48));
    body.cubicTo(at + QPointF(-20, 18), at + QPointF(20, 18), at + QPointF(20, 48));
    body.closeSubpath();
    p.drawPath(body);
}

void paintDecoration(QPainter &p, const QSize &size)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawRoundedRect(QRectF(0, 0, size.width(), size.height()), 14, 14);
    // A shared page in the middle, people around it linked to it.
    const QRectF page(size.width() / 2.0 - 30, 40, 60, 76);
    const QPointF people[4] = {{34, 40}, {size.width() - 34.0, 40}, {34, 112}, {size.width() - 34.0, 112}};
    const QColor shirts[4] = {QColor(230, 90, 60), QColor(90, 180, 90), QColor(240, 190, 50), QColor(150, 110, 210)};
    p.setPen(QPen(QColor(255, 255, 255, 200), 2, Qt::DashLine));
    for (const QPointF &at : people)
        p.drawLine(at + QPointF(0, 10), page.center());
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i)
        person(p, people[i], shirts[i]);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(90, 90, 100), 1));
    p.drawRect(page);
    p.setPen(QPen(QColor(120, 140, 180), 2));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(page.left() + 8, page.top() + 12 + i * 10), QPointF(page.right() - 8 - (i % 2) * 10, page.top() + 12 + i * 10));
    // A pencil writing on it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 200, 40));
    QPainterPath pencil;
    pencil.moveTo(page.right() - 4, page.bottom() - 10);
    pencil.lineTo(page.right() + 30, page.bottom() - 44);
    pencil.lineTo(page.right() + 36, page.bottom() - 38);
    pencil.lineTo(page.right() + 2, page.bottom() - 4);
    pencil.closeSubpath();
    p.drawPath(pencil);
}

// ---- the public site ----------------------------------------------------------------

QRect banner(QPainter &p, const QSize &size, const QString &subtitle)
{
    const QRect band(0, 36, size.width(), 86);
    paintWebBanner(p, band, SiteName, subtitle, SiteBlue);
    return band;
}

void paintHomePage(QPainter &p, const QSize &size)
{
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    p.fillRect(QRect(0, 0, size.width(), 36), SitePale);
    text(p, QRect(10, 0, 400, 32), QStringLiteral("Collège Jean Moulin - site collaboratif"), 11, false, SiteBlue);
    siteButton(p, inPicture(PrivateLink, Screenshot).adjusted(0, 3, 0, -3), PrivateAreaText, SiteBlue, 10);
    const QRect band = banner(p, size, QStringLiteral("Les élèves et les professeurs écrivent ensemble"));
    const QRect nav(0, band.bottom() + 1, size.width(), 30);
    paintWebNav(p, nav, {QStringLiteral("Accueil"), QStringLiteral("Vie du collège"), RubricName,
                         QStringLiteral("Sorties"), QStringLiteral("Le CDI")},
                SiteBlue, 0);
    // The latest articles, each with its author and date, and a column of rubrics.
    int y = nav.bottom() + 16;
    paintWebHeading(p, QPoint(16, y), QStringLiteral("Les derniers articles"), 2, SiteBlue);
    y += 34;
    const char *articles[][3] = {
        {"La classe de 5e B au musée de la Préhistoire", "par Léa, le 02/12", "Le musée nous a montré les outils des premiers hommes."},
        {"Résultats du cross du collège", "par M. Durand, le 28/11", "Bravo à tous les coureurs, qui ont bravé le froid."},
        {"Notre journal fête ses cinq ans", "par Hugo, le 21/11", "Cinq ans d'articles écrits par les élèves de toutes les classes."},
        {"Atelier d'écriture : les contes", "par Inès, le 14/11", "Chaque élève a inventé la suite d'un conte traditionnel."},
    };
    // Each article with a picture of its own subject.
    const WebImage pictures[] = {WebImage::Building, WebImage::Landscape, WebImage::Computer, WebImage::Book};
    for (int i = 0; i < 4; ++i) {
        const auto &a = articles[i];
        paintWebImage(p, QRect(16, y, 90, 64), pictures[i]);
        paintWebLink(p, QPoint(118, y), QString::fromUtf8(a[0]), 14);
        text(p, QRect(118, y + 20, 400, 16), QString::fromUtf8(a[1]), 11, false, QColor(110, 110, 120));
        paintWebParagraph(p, QRect(118, y + 38, 440, 30), QString::fromUtf8(a[2]), 12);
        y += 84;
    }
    const QRect side(590, nav.bottom() + 16, size.width() - 606, 300);
    p.fillRect(side, SitePale);
    paintWebHeading(p, side.topLeft() + QPoint(10, 8), QStringLiteral("Rubriques"), 3, SiteBlue);
    int sy = side.top() + 40;
    for (const QString &r : {QStringLiteral("Vie du collège"), RubricName, QStringLiteral("Sorties"),
                             QStringLiteral("Le CDI"), QStringLiteral("Clubs")}) {
        paintWebLink(p, QPoint(side.left() + 14, sy), r, 12);
        sy += 24;
    }
    paintWebFooter(p, QRect(0, size.height() - 30, size.width(), 30),
                   QStringLiteral("Site collaboratif du collège - plan du site - contact"), SiteBlue);
}

// ---- the private area -----------------------------------------------------------------

// The private area's head: the site's name and the row of its sections.
void privateHead(QPainter &p, const QSize &size, int current)
{
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    QLinearGradient g(0, 0, 0, 70);
    g.setColorAt(0, PrivatePale);
    g.setColorAt(1, QColor(210, 225, 200));
    p.fillRect(QRect(0, 0, size.width(), 70), g);
    const QStringList sections = {QStringLiteral("À suivre"), QStringLiteral("Édition"), QStringLiteral("Forum"),
                                  QStringLiteral("Auteurs"), QStringLiteral("Statistiques"), QStringLiteral("Configuration")};
    const QStringList icons = {QStringLiteral("view-calendar"), QStringLiteral("document-edit"),
                               QStringLiteral("mail-message"), QStringLiteral("user-identity"),
                               QStringLiteral("office-chart-bar"), QStringLiteral("configure")};
    for (int i = 0; i < sections.size(); ++i) {
        const QRect cell(12 + i * 92, 4, 86, 62);
        if (i == current) {
            p.setPen(PrivateGreen);
            p.setBrush(Qt::white);
            p.drawRoundedRect(cell, 4, 4);
        }
        paintIcon(p, QRect(cell.center().x() - 14, cell.top() + 4, 28, 28), icons[i]);
        text(p, QRect(cell.left(), cell.top() + 36, cell.width(), 20), sections[i], 11, i == current, Ink, Qt::AlignCenter);
    }
    text(p, QRect(size.width() - 220, 8, 210, 20), SiteName, 12, true, PrivateGreen, Qt::AlignRight | Qt::AlignVCenter);
    text(p, QRect(size.width() - 220, 30, 210, 20), QStringLiteral("Espace privé - ") + Account, 11, false, Ink,
         Qt::AlignRight | Qt::AlignVCenter);
    p.fillRect(QRect(0, 70, size.width(), 3), PrivateGreen);
}

// A framed box with a title band; returns the inside.
QRect box(QPainter &p, const QRect &r, const QString &title, const QColor &colour = PrivateGreen)
{
    p.setPen(colour);
    p.setBrush(Qt::white);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.fillRect(QRect(r.left(), r.top(), r.width(), 24), colour);
    text(p, QRect(r.left() + 8, r.top(), r.width() - 16, 24), title, 12, true, Qt::white);
    return r.adjusted(8, 30, -8, -8);
}

void paintLoginForm(QPainter &p, const QSize &size)
{
    p.fillRect(QRect(QPoint(0, 0), size), PrivatePale);
    text(p, QRect(0, 20, size.width(), 40), SiteName, 22, true, PrivateGreen, Qt::AlignCenter);
    const QRect login = inPicture(LoginField, Screenshot);
    const QRect password = inPicture(PasswordField, Screenshot);
    const QRect validate = inPicture(LoginButton, Screenshot);
    const QPoint stay = StayLoggedIn - Screenshot.topLeft();
    const QRect panel(20, 150, 560, validate.bottom() + 24 - 150);
    const QRect inside = box(p, panel, QStringLiteral("Identification"));
    text(p, QRect(inside.left(), inside.top() + 4, inside.width(), 40),
         QStringLiteral("Pour accéder à l'espace privé de ce site, vous devez entrer les codes d'identification "
                        "qui vous ont été fournis lors de votre inscription."),
         11, false, Ink, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    text(p, QRect(inside.left(), login.top() - 22, 400, 18), QStringLiteral("Login (identifiant de connexion au site)"), 12, true);
    paintTextField(p, login);
    text(p, QRect(inside.left(), password.top(), password.left() - inside.left() - 6, password.height()),
         QStringLiteral("Mot de passe :"), 12, true);
    paintTextField(p, password);
    text(p, QRect(stay.x() + 22, stay.y(), 320, 18), QStringLiteral("Rester identifié quelques jours"), 12);
    siteButton(p, validate, QStringLiteral("Valider"), PrivateGreen);
    text(p, QRect(panel.left(), panel.bottom() + 16, panel.width(), 20), QStringLiteral("Retour au site public"), 11,
         false, Colours::Link);
}

void paintRubricList(QPainter &p, const QSize &size)
{
    privateHead(p, size, 1);
    text(p, QRect(20, 90, 500, 30), QStringLiteral("Les rubriques du site"), 18, true, PrivateGreen);
    text(p, QRect(20, 122, 700, 20), QStringLiteral("Choisissez la rubrique dans laquelle vous voulez travailler."), 12);
    const QRect target = inPicture(RubricLink, TallScreenshot);
    // Two columns of rubrics; the pupils' rubric where its hot spot lies.
    const QStringList left = {QStringLiteral("Vie du collège"), QStringLiteral("Sorties"), QStringLiteral("Le CDI"),
                              QStringLiteral("Clubs"), QStringLiteral("Informations aux familles")};
    const QStringList right = {QStringLiteral("Les professeurs"), QStringLiteral("Orientation"), RubricName};
    auto rubric = [&](const QRect &r, const QString &name, int articles) {
        p.fillRect(r, PrivatePale);
        p.setPen(QColor(170, 195, 160));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        paintIcon(p, QRect(r.left() + 6, r.top() + 5, 22, 22), QStringLiteral("folder"));
        text(p, QRect(r.left() + 34, r.top(), r.width() - 40, r.height()), name, 13, true, Ink);
        text(p, QRect(r.left() + 34, r.bottom() + 2, r.width() + 100, 16),
             QStringLiteral("%1 articles publiés").arg(articles), 10, false, QColor(110, 110, 120));
    };
    for (int i = 0; i < left.size(); ++i)
        rubric(QRect(20, 170 + i * 90, 240, 33), left[i], 3 + i * 2);
    for (int i = 0; i < right.size(); ++i)
        rubric(QRect(target.left(), target.top() - (right.size() - 1 - i) * 150, target.width(), target.height()),
               right[i], 4 + i);
    text(p, QRect(280, 170, 200, 300),
         QStringLiteral("Une rubrique rassemble les articles d'un même thème. Les articles des élèves sont relus "
                        "par un professeur avant d'être publiés."),
         11, false, QColor(90, 90, 100), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
}

void paintRubric(QPainter &p, const QSize &size)
{
    privateHead(p, size, 1);
    paintIcon(p, QRect(20, 92, 32, 32), QStringLiteral("folder-open"));
    text(p, QRect(60, 90, 500, 36), QStringLiteral("Rubrique : ") + RubricName, 18, true, PrivateGreen);
    const QRect inside = box(p, QRect(20, 150, size.width() - 40, 380), QStringLiteral("Articles de cette rubrique"));
    const char *articles[][2] = {{"Mon stage en entreprise", "publié"},
                                 {"Le club théâtre prépare son spectacle", "publié"},
                                 {"Interview de la documentaliste", "publié"},
                                 {"Poèmes de printemps", "proposé à l'évaluation"},
                                 {"Un voyage en Espagne", "en cours de rédaction"}};
    int y = inside.top();
    for (const auto &a : articles) {
        paintIcon(p, QRect(inside.left(), y + 4, 18, 18), QStringLiteral("text-plain"));
        text(p, QRect(inside.left() + 26, y, 420, 26), QString::fromUtf8(a[0]), 12, false, Colours::Link);
        text(p, QRect(inside.left() + 470, y, 220, 26), QString::fromUtf8(a[1]), 11, false, QColor(100, 100, 110));
        y += 34;
    }
    siteButton(p, inPicture(NewArticleButton, TallScreenshot), QStringLiteral("Écrire un nouvel article"), PrivateGreen);
}

void paintEditor(QPainter &p, const QSize &size)
{
    privateHead(p, size, 1);
    text(p, QRect(20, 84, 600, 30), QStringLiteral("Écrire un nouvel article"), 18, true, PrivateGreen);
    const QRect title = inPicture(TitleField, TallScreenshot);
    const QRect subtitle = inPicture(SubtitleField, TallScreenshot);
    const QRect body = inPicture(TextField, TallScreenshot);
    const QRect save = inPicture(SaveButton, TallScreenshot);
    // The help column on the left, the form on the right.
    const QRect help(8, 130, title.left() - 22, 420);
    p.fillRect(help, PrivatePale);
    text(p, help.adjusted(8, 8, -8, -8),
         QStringLiteral("Donnez un titre à votre article, puis écrivez son texte. Le sous-titre, le descriptif et le "
                        "chapeau sont facultatifs.\n\nEnregistrez : l'article reste en cours de rédaction tant que "
                        "vous ne demandez pas sa publication."),
         11, false, Ink, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    const QRect form(title.left() - 8, 130, title.width() + 16, save.bottom() + 14 - 130);
    p.setPen(QColor(170, 195, 160));
    p.setBrush(Qt::NoBrush);
    p.drawRect(form);
    text(p, QRect(title.left(), title.top() - 22, 300, 20), QStringLiteral("Titre [Obligatoire]"), 12, true);
    paintTextField(p, title);
    text(p, QRect(subtitle.left(), subtitle.top() - 22, 300, 20), QStringLiteral("Sous-titre"), 12, true);
    paintTextField(p, subtitle);
    text(p, QRect(title.left(), subtitle.bottom() + 14, 300, 20), QStringLiteral("À l'intérieur de la rubrique :"), 12, true);
    paintComboBox(p, QRect(title.left(), subtitle.bottom() + 36, 300, 24), RubricName);
    text(p, QRect(title.left(), subtitle.bottom() + 74, 300, 20), QStringLiteral("Descriptif rapide"), 12, true);
    paintTextField(p, QRect(title.left(), subtitle.bottom() + 96, title.width(), 44));
    text(p, QRect(body.left(), body.top() - 22, 300, 20), QStringLiteral("Texte"), 12, true);
    paintTextField(p, body);
    siteButton(p, save, QStringLiteral("Enregistrer"), PrivateGreen);
}

// The article's page, before or after the request for its publication.
void paintArticle(QPainter &p, const QSize &size, bool proposed)
{
    privateHead(p, size, 1);
    text(p, QRect(20, 84, 300, 20), QStringLiteral("Rubrique : ") + RubricName, 11, false, QColor(100, 100, 110));
    paintIcon(p, QRect(20, 110, 32, 32), QStringLiteral("text-plain"));
    text(p, QRect(60, 108, 400, 36), ArticleTitle, 22, true, Ink);
    const QRect date = inPicture(proposed ? ProposedDate : CreationDate, TallScreenshot);
    const QRect status = proposed ? QRect(date.left() - 12, date.top() - 104, date.width() + 30, date.height() + 120)
                                  : QRect(date.left() - 12, date.top() - 56, date.width() + 30, date.height() + 72);
    const QRect inside = box(p, status, proposed ? QStringLiteral("Article proposé") : QStringLiteral("Article n° 58"),
                             proposed ? QColor(200, 120, 30) : PrivateGreen);
    if (proposed)
        text(p, QRect(inside.left(), inside.top(), inside.width(), 40),
             QStringLiteral("proposé à l'évaluation : en attente de la validation d'un professeur"), 11, false, Ink,
             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    text(p, QRect(date.left(), date.top() - 22, date.width(), 18),
         proposed ? QStringLiteral("Proposé le :") : QStringLiteral("Date de création :"), 11, true);
    const QRect body = box(p, QRect(20, 300, status.left() - 40, 260), QStringLiteral("Texte de l'article"));
    text(p, body, ArticleText, 13, false, Ink, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    text(p, QRect(20, 570, 500, 20), QStringLiteral("Auteur : ") + Account, 11, false, QColor(100, 100, 110));
    if (!proposed) {
        siteButton(p, inPicture(PublishButton, TallScreenshot), QStringLiteral("Demander la publication de cet article"),
                   QColor(200, 120, 30));
    } else {
        p.fillRect(QRect(20, 610, size.width() - 40, 40), QColor(255, 240, 210));
        text(p, QRect(30, 610, size.width() - 60, 40),
             QStringLiteral("Cet article a été proposé à la publication. Un professeur doit maintenant le valider."),
             12, true, QColor(150, 80, 10));
    }
}

QList<Pictures::HotSpotOutline> outline(const char *name, const QRect &rect, const QRect &picture)
{
    return {{QLatin1String(name), inPicture(rect, picture)}};
}

const Pictures::Registrar decoration{{QStringLiteral("Texercice13v3/Image1"), Decoration.size(), &paintDecoration, {}}};
const Pictures::Registrar home{{QStringLiteral("Texercice13v3a/Image1"), Screenshot.size(), &paintHomePage,
                                outline("Image3", PrivateLink, Screenshot)}};
const Pictures::Registrar loginForm{{QStringLiteral("Texercice13v3a/Image2"), Screenshot.size(), &paintLoginForm,
                                     {{QStringLiteral("Edit1"), inPicture(LoginField, Screenshot)},
                                      {QStringLiteral("Edit2"), inPicture(PasswordField, Screenshot)},
                                      {QStringLiteral("Image4"), inPicture(LoginButton, Screenshot)}}}};
const Pictures::Registrar rubrics{{QStringLiteral("Texercice13v3c/Image1"), TallScreenshot.size(), &paintRubricList,
                                   outline("Image3", RubricLink, TallScreenshot)}};
const Pictures::Registrar rubric{{QStringLiteral("Texercice13v3c/Image2"), TallScreenshot.size(), &paintRubric,
                                  outline("Image4", NewArticleButton, TallScreenshot)}};
const Pictures::Registrar editor{{QStringLiteral("Texercice13v3d/Image1"), TallScreenshot.size(), &paintEditor,
                                  {{QStringLiteral("Edit1"), inPicture(TitleField, TallScreenshot)},
                                   {QStringLiteral("Edit3"), inPicture(SubtitleField, TallScreenshot)},
                                   {QStringLiteral("Edit2"), inPicture(TextField, TallScreenshot)},
                                   {QStringLiteral("Image4"), inPicture(SaveButton, TallScreenshot)}}}};
const Pictures::Registrar article{{QStringLiteral("Texercice13v3e/Image1"), TallScreenshot.size(),
                                   [](QPainter &p, const QSize &s) { paintArticle(p, s, false); },
                                   {{QStringLiteral("Edit3"), inPicture(CreationDate, TallScreenshot)},
                                    {QStringLiteral("Image2"), inPicture(PublishButton, TallScreenshot)}}}};
const Pictures::Registrar proposed{{QStringLiteral("Texercice13v3f/Image1"), TallScreenshot.size(),
                                    [](QPainter &p, const QSize &s) { paintArticle(p, s, true); },
                                    outline("Edit1", ProposedDate, TallScreenshot)}};
}
