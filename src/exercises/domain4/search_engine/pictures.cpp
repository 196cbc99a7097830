// The search engine's pages in the browser, drawn from the layout constants.
#include "exercises/domain4/search_engine/layout.h"
#include "pictures/pictures.h"
#include "pictures/searchengine.h"

#include <QPainter>

namespace {
using namespace SearchEngineLayout;

const QString Query = QStringLiteral("bateaux à voile");

SearchEngine::Home home()
{
    SearchEngine::Home h;
    h.services = HomeServices;
    h.signIn = HomeSignIn;
    h.logo = HomeLogo;
    h.field = HomeField;
    h.links = HomeLinks;
    h.searchButton = HomeSearch;
    h.luckyButton = HomeLucky;
    h.footer = HomeFooter;
    return h;
}

void paintHomePage(QPainter &p, const QSize &size)
{
    SearchEngine::paintBrowserFrame(p, size.width(), size.height(), SearchEngine::Name, HomeUrl);
    SearchEngine::paintHome(p, home());
}

void paintResultFrame(QPainter &p, const QSize &size)
{
    SearchEngine::paintBrowserFrame(p, size.width(), size.height(), SearchEngine::Name + QStringLiteral(" - Recherche"),
                                    HomeUrl + QStringLiteral("search?q=bateaux+%C3%A0+voile&meta=cr%3DcountryFR"));
}

void paintResultPage(QPainter &p, const QSize &size)
{
    // The page's scroll bar, at the right, shows through from the browser's picture.
    const int pageWidth = size.width() - 16;
    p.fillRect(QRect(0, 0, pageWidth, size.height()), Qt::white);
    const QPoint o = ResultPicture.topLeft();
    SearchEngine::Header h;
    h.band = QRect(0, 0, pageWidth, ResultBandBottom - o.y());
    h.services = QRect(12, 110 - o.y(), 400, 18);
    h.logo = ResultLogo.translated(-o);
    h.field = ResultField.translated(-o);
    h.searchButton = ResultSearchButton.translated(-o);
    h.advancedLink = AdvancedLink.translated(-o);
    h.query = Query;
    h.count = QStringLiteral("Résultats 1 - 10 sur environ 125 000 (0,21 secondes)");
    SearchEngine::paintResultHeader(p, h);
    const SearchEngine::Result results[] = {
        {QStringLiteral("Bateaux à voile : voiliers d'occasion et neufs"), QStringLiteral("www.voiliers-france.fr/"),
         QStringLiteral("Annonces de bateaux à voile, dériveurs et catamarans entre particuliers partout en France.")},
        {QStringLiteral("École de voile de la côte bretonne"), QStringLiteral("www.voile-bretagne.fr/stages"),
         QStringLiteral("Stages de voile pour les enfants et les adultes : optimist, planche à voile et croisière.")},
        {QStringLiteral("Le bateau à voile : histoire de la navigation"), QStringLiteral("www.musee-marine.fr/voile"),
         QStringLiteral("Des premières voiles carrées aux grands voiliers, l'histoire des bateaux à voile.")},
        {QStringLiteral("Fédération des clubs de voile"), QStringLiteral("www.clubs-voile.fr/"),
         QStringLiteral("Trouver un club de voile près de chez soi, calendrier des régates et résultats.")},
        {QStringLiteral("Bénédiction des bateaux à voile au port"), QStringLiteral("www.paroisse-du-port.fr/fete"),
         QStringLiteral("Fête religieuse des marins : procession et bénédiction des voiliers le 15 août.")},
    };
    int y = ResultBandBottom - o.y() + 8;
    for (const auto &r : results)
        y = SearchEngine::paintResult(p, QPoint(16, y), 760, r).bottom() + 12;
}

void paintAdvancedPage(QPainter &p, const QSize &size)
{
    SearchEngine::paintBrowserFrame(p, size.width(), size.height(),
                                    QStringLiteral("Recherche avancée ") + SearchEngine::Name,
                                    HomeUrl + QStringLiteral("advanced_search?q=bateaux+%C3%A0+voile"));
    SearchEngine::paintLogo(p, QRectF(20, 104, 130, 44));
    p.fillRect(QRect(160, 118, size.width() - 180, 24), QColor(0xe5, 0xec, 0xf9));
    p.setPen(Qt::black);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(17);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(168, 118, 500, 24), Qt::AlignVCenter, QStringLiteral("Recherche avancée"));
    using Row = SearchEngine::FormRow;
    QList<Row> rows;
    rows << Row{QStringLiteral("Trouver les pages"), QRect(20, 192, 180, 20), Row::Kind::Caption}
         << Row{QStringLiteral("Ne pas afficher les pages"), QRect(20, 270, 200, 20), Row::Kind::Caption}
         << Row{QStringLiteral("Recherche de pages"), QRect(20, 566, 200, 20), Row::Kind::Caption}
         << Row{QStringLiteral("aucun des mots suivants"), NoneWordsField, Row::Kind::Field}
         << Row{QString(), FormSearch, Row::Kind::Button, QStringLiteral("Recherche ") + SearchEngine::Name};
    for (const FormSpot &s : FormSpots)
        rows << Row{QString::fromUtf8(s.caption), s.rect, s.select ? Row::Kind::Select : Row::Kind::Field,
                    QString::fromUtf8(s.value)};
    SearchEngine::paintForm(p, rows);
    p.setPen(QColor(0xc0, 0xc8, 0xd8));
    for (int y : {263, 293, 455, 555})
        p.drawLine(20, y, size.width() - 20, y);
}

QList<Pictures::HotSpotOutline> formOutlines()
{
    QList<Pictures::HotSpotOutline> out{{QStringLiteral("Edit1"), AllWordsField},
                                        {QStringLiteral("Edit2"), NoneWordsField},
                                        {QStringLiteral("zs1"), FormSearch}};
    for (const FormSpot &s : FormSpots)
        out << Pictures::HotSpotOutline{QString::fromLatin1(s.name), s.rect};
    return out;
}

const Pictures::Registrar homePage{
    {QStringLiteral("Texercice23v3b/Image1"), HomeSize, &paintHomePage,
     {{QStringLiteral("Edit1"), HomeField}, {QStringLiteral("RadioGroup1"), HomeScopeFrame},
      {QStringLiteral("Image5"), HomeSearch}, {QStringLiteral("zs1"), HomeServices}, {QStringLiteral("Image6"), HomeSignIn},
      {QStringLiteral("Image3"), HomeLinks}, {QStringLiteral("Image4"), HomeLucky}, {QStringLiteral("Image2"), HomeFooter}}}};
const Pictures::Registrar resultFrame{{QStringLiteral("Texercice23v3c/Image1"), ResultSize, &paintResultFrame, {}}};
const Pictures::Registrar resultPage{
    {QStringLiteral("Texercice23v3c/Image7"), ResultPicture.size(), &paintResultPage,
     {{QStringLiteral("Edit1"), ResultField.translated(-ResultPicture.topLeft())},
      {QStringLiteral("Image2"), AdvancedLink.translated(-ResultPicture.topLeft())}}}};
const Pictures::Registrar advancedPage{{QStringLiteral("Texercice23v3d/Image1"), AdvancedSize, &paintAdvancedPage, formOutlines()}};
}
