// The screens of the library catalogue exercise, drawn from the layout constants.
#include "exercises/domain4/library_catalogue/layout.h"
#include "pictures/catalogue.h"
#include "pictures/kit.h"
#include "pictures/pictures.h"

#include <QPainter>

namespace {
using namespace LibraryCatalogueLayout;

const QString Caption = QStringLiteral("BCDI - Catalogue du CDI - Collège Jules Ferry");
const QStringList TabTitles = {ThematicTitle, CriteriaTitle, ThesaurusTitle};

// The catalogue window over the top of the screen, the desk colour below it, and the
// three tabs at this screen's rectangles. Returns the page under the tabs.
QRect paintScreen(QPainter &p, const QList<QRect> &tabs, int current)
{
    p.fillRect(Screenshot, QColor(0xd4, 0xd0, 0xc8));
    const QRect work = Catalogue::paintWindow(p, QRect(0, 0, Screenshot.width(), AppBottom), Caption);
    const QRect page(10, tabs[0].bottom(), work.width() - 20, AppBottom - tabs[0].bottom() - 30);
    Catalogue::paintPage(p, page);
    Catalogue::paintTabs(p, tabs, TabTitles, current);
    // Status line of the client.
    const QRect status(0, AppBottom - 22, Screenshot.width(), 22);
    p.fillRect(status, QColor(0xec, 0xec, 0xe6));
    Catalogue::paintCaption(p, status.adjusted(8, 0, 0, 0), QStringLiteral("Base : CDI du collège - 4 812 notices"));
    return page;
}

void paintHelp(QPainter &p, const QRect &r, const QString &text)
{
    p.setPen(QColor(0x8c, 0xa4, 0xc4));
    p.setBrush(QColor(0xf4, 0xf8, 0xfd));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    Catalogue::paintCaption(p, QRect(r.left() + 10, r.top() + 6, r.width() - 20, 18), QStringLiteral("Aide"), true);
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.setFont(PictureKit::uiFont(12));
    p.drawText(r.adjusted(10, 28, -10, -8), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
}

void paintDesktop(QPainter &p, const QSize &)
{
    const QRect all(QPoint(0, 0), DesktopSize);
    PictureKit::paintWallpaper(p, all);
    const struct
    {
        const char *icon;
        const char *caption;
        int top;
    } icons[] = {{"computer", "Poste de travail", 40},    {"folder-documents", "Mes documents", 136},
                 {"internet-web-browser", "Internet", 232}, {"user-trash", "Corbeille", 328},
                 {"accessories-text-editor", "Traitement de texte", 530}};
    for (const auto &i : icons)
        PictureKit::paintDesktopIcon(p, QPoint(DesktopIcon.left(), i.top), QString::fromLatin1(i.icon),
                                     QString::fromUtf8(i.caption));
    Catalogue::paintDesktopIcon(p, DesktopIcon, CatalogueName);
    PictureKit::paintTaskBar(p, QRect(0, all.height() - PictureKit::TaskBarHeight, all.width(), PictureKit::TaskBarHeight),
                             {});
}

const QList<QRect> ThematicTabs = {ThematicOwnTab, ThematicToCriteria, ThematicToThesaurus};
const QList<QRect> CriteriaTabs = {CriteriaToThematic, CriteriaOwnTab, CriteriaToThesaurus};
const QList<QRect> ThesaurusTabs = {ThesaurusToThematic, ThesaurusToCriteria, ThesaurusOwnTab};

void paintThematicForm(QPainter &p)
{
    Catalogue::paintSubTabs(p, ThematicSubTabs, {QStringLiteral("Recherche rapide"), QStringLiteral("Recherche avancée")}, 0);
    Catalogue::paintCaption(p, QRect(26, 156, 300, 20), QStringLiteral("Saisissez un ou plusieurs mots du sujet :"), true);
    Catalogue::paintLabelledField(p, ThematicWords, QStringLiteral("Mots :"));
    const int half = ThematicMatching.width() / 2;
    Catalogue::paintChoice(p, QRect(ThematicMatching.left() + 4, ThematicMatching.top(), half, ThematicMatching.height()),
                           QStringLiteral("Tous les mots"), true, true);
    Catalogue::paintChoice(p, QRect(ThematicMatching.left() + half + 4, ThematicMatching.top(), half,
                                    ThematicMatching.height()),
                           QStringLiteral("Un des mots"), true, false);
    Catalogue::paintButton(p, ThematicDictionary.adjusted(8, 4, -40, -4), QStringLiteral("Dictionnaire des mots"));
    Catalogue::paintButton(p, RestrictionsButton, QStringLiteral("Restrictions  >>"));
    Catalogue::paintButton(p, ThematicSearch, QStringLiteral("Rechercher"), true);
    Catalogue::paintButton(p, ThematicClear, QStringLiteral("Effacer"));
}

void paintThematic(QPainter &p, const QSize &)
{
    paintScreen(p, ThematicTabs, 0);
    paintThematicForm(p);
    paintHelp(p, QRect(650, 124, 264, 200),
              QStringLiteral("Tapez les mots du sujet recherché, puis cliquez sur Rechercher.\n\nLe bouton "
                             "Restrictions permet de limiter la recherche à une nature de document ou à un "
                             "support."));
}

void paintRestrictions(QPainter &p, const QSize &size)
{
    const QPoint origin = RestrictionsPanel.topLeft();
    QList<Catalogue::Check> checks;
    for (const Restriction &r : Restrictions)
        checks << Catalogue::Check{QRect(r.box - origin, RestrictionBox), QString::fromUtf8(r.label)};
    Catalogue::paintCheckPanel(p, QRect(QPoint(0, 0), size), QString(),
                               {{QStringLiteral("Nature du document"), QPoint(20, KindTitleTop) - origin},
                                {QStringLiteral("Support"), QPoint(20, SupportTitleTop) - origin}},
                               checks);
}

void paintCriteria(QPainter &p, const QSize &)
{
    paintScreen(p, CriteriaTabs, 1);
    Catalogue::paintCaption(p, QRect(CriteriaForm.left() + 6, CriteriaForm.top() - 2, 400, 16),
                            QStringLiteral("Recherche sur les zones de la notice"), true);
    Catalogue::paintLabelledField(p, TitleField, QStringLiteral("Titre"));
    for (int i = 0; i < 4; ++i)
        Catalogue::paintLabelledField(p, QRect(QPoint(CriteriaFieldLeft, CriteriaFieldTops[i]), CriteriaFieldSize),
                                      CriteriaFieldLabels[i]);
    Catalogue::paintCaption(p, QRect(28, 296, 400, 16), QStringLiteral("Mots du résumé ou du sujet"));
    Catalogue::paintLabelledField(p, CriteriaWords, QStringLiteral("Mots"));
    Catalogue::paintChoice(p, QRect(96, 342, 200, 20), QStringLiteral("Tous les mots"), true, true);
    Catalogue::paintButton(p, CriteriaSearch, QStringLiteral("Rechercher"), true);
    Catalogue::paintButton(p, CriteriaClear, QStringLiteral("Effacer"));
    paintHelp(p, QRect(650, 136, 264, 200),
              QStringLiteral("Remplissez une ou plusieurs zones de la notice (titre, auteur, éditeur...), puis "
                             "cliquez sur Rechercher."));
}

void paintThesaurus(QPainter &p, const QSize &)
{
    paintScreen(p, ThesaurusTabs, 2);
    Catalogue::paintSubTabs(p, ThesaurusSubTabs, {QStringLiteral("Recherche"), QStringLiteral("Navigation")}, 0);
    Catalogue::paintCaption(p, QRect(40, 162, 400, 18), QStringLiteral("Recherche par les descripteurs du thésaurus"),
                            true);
    Catalogue::paintLabelledField(p, ThesaurusTerm, QStringLiteral("Terme du thésaurus :"));
    Catalogue::paintButton(p, ThesaurusVisit.adjusted(4, 4, -4, -4), QStringLiteral("Voir"));
    Catalogue::paintCaption(p, QRect(ThesaurusBroaden.left() - 230, ThesaurusBroaden.top() + 5, 226, 18),
                            QStringLiteral("Elargir aux termes spécifiques"));
    Catalogue::paintChoice(p, QRect(ThesaurusBroaden.left() + 6, ThesaurusBroaden.top(), 20, ThesaurusBroaden.height()),
                           QString(), false, false);
    Catalogue::paintCaption(p, QRect(23, 252, 300, 18), QStringLiteral("Afficher les termes :"), true);
    Catalogue::paintChoice(p, ThesaurusListChoice, QStringLiteral("Liste alphabétique"), true, true);
    Catalogue::paintChoice(p, ThesaurusListChoice.translated(0, 24), QStringLiteral("Arborescence"), true, false);
    paintHelp(p, QRect(662, 136, 252, 200),
              QStringLiteral("Tapez un terme du thésaurus puis cliquez sur Voir pour parcourir ses termes "
                             "génériques et spécifiques."));
}

void paintRecordScreen(QPainter &p, const QSize &)
{
    paintScreen(p, CriteriaTabs, 1);
    Catalogue::paintLabelledField(p, TitleField, QStringLiteral("Titre"), NovelShownTitle);
}

void paintRecord(QPainter &p, const QSize &size)
{
    const QPoint origin = RecordPicture.topLeft();
    const QRect author = RecordAuthor.translated(-origin);
    const int valueLeft = author.left();
    const QList<Catalogue::RecordRow> rows = {
        {QStringLiteral("Type de document"), QStringLiteral("Fiction"), 40},
        {QStringLiteral("Support"), QStringLiteral("Livre"), 66},
        {QStringLiteral("Titre"), NovelShownTitle, 92},
        {QStringLiteral("Editeur"), QStringLiteral("Editions du Chêne vert"), 118},
        {QStringLiteral("Collection"), QStringLiteral("Polar junior"), 144},
        {QStringLiteral("Date de parution"), QStringLiteral("2004"), 170},
        {QStringLiteral("Pages"), QStringLiteral("156 p."), 196},
        {QStringLiteral("Cote"), QStringLiteral("R LEM"), 222},
        {QStringLiteral("Auteur(s)"), AuthorName, author.top() + 1, true},
        {QStringLiteral("Genre"), QStringLiteral("Roman policier"), 284},
        {QStringLiteral("Résumé"), QStringLiteral("Un inspecteur et son jeune neveu enquêtent sur une série de vols "
                                                  "dans un grand zoo parisien."), 310},
        {QStringLiteral("Disponibilité"), QStringLiteral("Disponible au CDI"), 336},
    };
    Catalogue::paintRecord(p, QRect(QPoint(0, 0), size), QStringLiteral("Notice 1 / 1"), valueLeft, rows);
}

const QList<Catalogue::ResultRow> &transportBooks()
{
    static const QList<Catalogue::ResultRow> rows = [] {
        const char *const books[ResultTotal][2] = {
            {"Les transports en commun", "Girard, Anne"},      {"L'histoire du train", "Morel, Luc"},
            {"Les avions", "Fabre, Julie"},                    {"Bateaux et navires", "Roux, Pierre"},
            {"La voiture, hier et aujourd'hui", "Blanc, Marc"}, {"Le métro", "Henry, Sophie"},
            {"Les camions", "Perrin, Paul"},                   {"Le vélo", "Lambert, Eva"},
            {"Les transports de demain", "Mercier, Yves"},     {"Fusées et navettes", "Dumas, Claire"},
            {"Les trains à grande vitesse", "Morel, Luc"},     {"Ports du monde", "Roux, Pierre"},
            {"Les routes de France", "Garnier, Louis"},        {"Le transport aérien", "Fabre, Julie"},
            {"Motos et scooters", "Chevalier, Léa"},           {"Transports et environnement", "Martin, Hugo"},
            {"Tramways et autobus", "Girard, Anne"},
        };
        QList<Catalogue::ResultRow> out;
        for (const auto &b : books)
            out << Catalogue::ResultRow{QString::fromUtf8(b[0]), QString::fromUtf8(b[1]), QStringLiteral("Livre")};
        return out;
    }();
    return rows;
}

void paintResultScreen(QPainter &p, const QSize &)
{
    paintScreen(p, ThematicTabs, 0);
    Catalogue::paintResultList(p, ResultList, ResultTotal, transportBooks());
}

QList<Pictures::HotSpotOutline> restrictionOutlines()
{
    QList<Pictures::HotSpotOutline> out;
    for (const Restriction &r : Restrictions)
        out << Pictures::HotSpotOutline{QStringLiteral("CheckBox%1").arg(r.number),
                                        QRect(r.box - RestrictionsPanel.topLeft(), RestrictionBox)};
    return out;
}

const Pictures::Registrar desktop{{QStringLiteral("Texercice21v3/Image1"), DesktopSize, &paintDesktop,
                                   {{QStringLiteral("zs1"), DesktopIcon}}}};
const Pictures::Registrar thematic{
    {QStringLiteral("Texercice21v3a/Image1"), ScreenSize, &paintThematic,
     {{QStringLiteral("zs1"), ThematicToCriteria}, {QStringLiteral("zs3"), ThematicToThesaurus},
      {QStringLiteral("Edit1"), ThematicWords}, {QStringLiteral("Image4"), ThematicSubTabs},
      {QStringLiteral("Image3"), ThematicMatching}, {QStringLiteral("zs11"), ThematicDictionary},
      {QStringLiteral("zs10"), RestrictionsButton}, {QStringLiteral("zs4"), ThematicSearch},
      {QStringLiteral("zs9"), ThematicClear}}}};
const Pictures::Registrar restrictions{
    {QStringLiteral("Texercice21v3a/Image2"), RestrictionsPanel.size(), &paintRestrictions, restrictionOutlines()}};
const Pictures::Registrar criteria{
    {QStringLiteral("Texercice21v3b/Image1"), ScreenSize, &paintCriteria,
     {{QStringLiteral("zs1"), CriteriaToThematic}, {QStringLiteral("zs8"), CriteriaToThesaurus},
      {QStringLiteral("Edit1"), TitleField}, {QStringLiteral("zs6"), CriteriaWords},
      {QStringLiteral("Image2"), CriteriaSearch}, {QStringLiteral("zs9"), CriteriaClear}}}};
const Pictures::Registrar thesaurus{
    {QStringLiteral("Texercice21v3c/Image1"), ScreenSize, &paintThesaurus,
     {{QStringLiteral("zs8"), ThesaurusToThematic}, {QStringLiteral("zs9"), ThesaurusToCriteria},
      {QStringLiteral("Edit1"), ThesaurusTerm}, {QStringLiteral("zs11"), ThesaurusVisit},
      {QStringLiteral("Image4"), ThesaurusSubTabs}, {QStringLiteral("Image3"), ThesaurusBroaden},
      {QStringLiteral("Image2"), ThesaurusListChoice}}}};
const Pictures::Registrar recordScreen{{QStringLiteral("Texercice21v3e/Image1"), ScreenSize, &paintRecordScreen, {}}};
const Pictures::Registrar record{{QStringLiteral("Texercice21v3e/Image2"), RecordPicture.size(), &paintRecord,
                                  {{QStringLiteral("zs10"), RecordAuthor.translated(-RecordPicture.topLeft())}}}};
const Pictures::Registrar results{{QStringLiteral("Texercice21v3d/Image1"), ScreenSize, &paintResultScreen,
                                   {{QStringLiteral("Edit1"), NumberField}}}};
}
