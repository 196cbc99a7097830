#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>

// Geometry and texts of the library catalogue exercise (competence 4.1), in client
// pixels of its windows. The screenshots are drawn from the same constants that place
// the hot spots, the fields and the restriction boxes.
namespace LibraryCatalogueLayout {

constexpr int Competence = 21;
constexpr QSize DesktopSize{937, 806};
constexpr QSize ScreenSize{937, 792};

// ---- texts -------------------------------------------------------------------------
inline const QString DesktopInstruction = QStringLiteral("A partir du bureau, lance le logiciel BCDI");
inline const QString Question1 = QStringLiteral("Quel est l'auteur du roman Police Python ?");
inline const QString Question2 = QStringLiteral("Combien y a t-il de livres documentaires sur les transports ?");
inline const QString RecordInstruction = QStringLiteral("Clic maintenant  sur le nom de l'auteur de Police Python");
inline const QString WrongMethod = QStringLiteral("Ce n'est pas la bonne méthode de recherche !");
inline const QString WrongSearch = QStringLiteral("Rercherche incorrecte !");
inline const QString AuthorFound = QStringLiteral("Bien !");
inline const QString NotTheAuthor = QStringLiteral("Ce n'est pas le nom de l'auteur !");
inline const QString NumberCaption = QStringLiteral("Nombre de livres ?");
inline const QString WrongNumber = QStringLiteral("Ce n'est pas le bon nombre!");
inline const QString RightNumber = QStringLiteral("C'est la bonne réponse!");

// The answers, compared after lower-casing (the number as typed).
inline const QString NovelTitle = QStringLiteral("police python");
inline const QString SubjectPlural = QStringLiteral("transports");
inline const QString SubjectSingular = QStringLiteral("transport");
// The result list shows this many notices, and the answer is that number as typed.
constexpr int ResultTotal = 17;
inline const QString ResultCount = QString::number(ResultTotal);

// What the catalogue shows.
inline const QString CatalogueName = QStringLiteral("BCDI");
inline const QString NovelShownTitle = QStringLiteral("Police Python");
inline const QString AuthorName = QStringLiteral("LEMOINE, Paul");

// ---- desktop -----------------------------------------------------------------------
constexpr QRect DesktopIcon{79, 428, 79, 73};        // zs1, double click
constexpr QRect DesktopMascot{560, 60, 84, 100};
constexpr QRect DesktopBubble{648, 56, 272, 116};
constexpr QRect DesktopLabel{656, 64, 256, 100};
constexpr QRect DesktopAbandon{812, 716, 110, 30};

// ---- every catalogue screen --------------------------------------------------------
constexpr QRect Screenshot{0, 0, 937, 792};           // Image1
constexpr QRect ScreenMascot{40, 610, 84, 100};
constexpr QRect ScreenBubble{136, 604, 600, 112};
constexpr QRect ScreenLabel{146, 612, 580, 96};
constexpr QRect ScreenAbandon{800, 730, 110, 30};
constexpr int AppBottom = 590;                         // the catalogue client ends here

// The three tab titles, the same on every screen.
inline const QString ThematicTitle = QStringLiteral("Recherche thématique");
inline const QString CriteriaTitle = QStringLiteral("Recherche par critères");
inline const QString ThesaurusTitle = QStringLiteral("Recherche thésaurus");

// ---- thematic tab (Texercice21v3a) ---------------------------------------------------
constexpr QRect ThematicOwnTab{18, 88, 151, 25};      // drawn only
constexpr QRect ThematicToCriteria{170, 88, 143, 25}; // zs1
constexpr QRect ThematicToThesaurus{314, 88, 151, 25}; // zs3
constexpr QRect ThematicForm{18, 112, 615, 217};      // zs2, question 1 only
constexpr QRect ThematicWords{89, 184, 534, 20};      // Edit1
constexpr QRect ThematicSubTabs{26, 120, 271, 25};    // Image4
constexpr QRect ThematicMatching{117, 208, 215, 33};  // Image3
constexpr QRect ThematicDictionary{18, 248, 231, 33}; // zs11
constexpr QRect RestrictionsButton{18, 304, 159, 25}; // zs10, question 2 only
constexpr QRect ThematicSearch{378, 301, 89, 30};     // zs4
constexpr QRect ThematicClear{468, 304, 86, 25};      // zs9
constexpr QRect RestrictionsPanel{2, 341, 928, 225};  // Image2
constexpr QSize RestrictionBox{12, 16};

// The 25 restriction boxes (CheckBox1 .. CheckBox25) and the labels the panel shows
// beside them, in window coordinates.
struct Restriction
{
    int number;   // CheckBoxN
    QPoint box;
    const char *label;
};
constexpr int KindRow = 369;
constexpr std::array<int, 5> SupportColumns{34, 194, 354, 514, 674};
constexpr std::array<int, 5> SupportRows{425, 452, 480, 507, 536};
constexpr std::array<Restriction, 25> Restrictions{{
    {25, {34, KindRow}, "Autre"},
    {23, {194, KindRow}, "Documentaire"},
    {24, {354, KindRow}, "Fiction"},
    {1, {34, 425}, "Affiche"},
    {2, {34, 452}, "Cassette Audio"},
    {3, {34, 480}, "Disquette"},
    {4, {34, 507}, "Internet"},
    {5, {34, 536}, "Valise/boîte"},
    {6, {194, 425}, "Autre"},
    {7, {194, 452}, "Cédérom"},
    {8, {194, 480}, "Dossier"},
    {9, {194, 507}, "Livre"},
    {10, {194, 536}, "Vidéocassette"},
    {11, {354, 425}, "Bande son"},
    {12, {354, 452}, "Classeur"},
    {13, {354, 480}, "DVD-ROM"},
    {14, {354, 507}, "Multisupport"},
    {15, {514, 425}, "Brochure"},
    {16, {514, 452}, "Diapositive"},
    {17, {514, 480}, "DVD-vidéo"},
    {18, {514, 507}, "Périodique"},
    {19, {674, 425}, "Carte"},
    {20, {674, 452}, "Disque compact"},
    {21, {674, 480}, "Film"},
    {22, {674, 507}, "Transparent"},
}};
constexpr int DocumentaryBox = 23;
constexpr int BookBox = 9;
constexpr int RestrictionCount = 25;
constexpr int KindTitleTop = 347;    // "Nature du document"
constexpr int SupportTitleTop = 400; // "Support"

// ---- criteria tab (Texercice21v3b) ---------------------------------------------------
constexpr QRect CriteriaToThematic{34, 96, 135, 17};   // zs1
constexpr QRect CriteriaOwnTab{169, 96, 145, 17};      // drawn only
constexpr QRect CriteriaToThesaurus{314, 96, 151, 17}; // zs8
constexpr QRect CriteriaForm{20, 136, 613, 281};       // zs10, question 2 only
constexpr QRect TitleField{96, 153, 185, 24};          // Edit1, question 1 only
constexpr int CriteriaFieldLeft = 96;
constexpr QSize CriteriaFieldSize{183, 16};
constexpr std::array<int, 4> CriteriaFieldTops{188, 216, 244, 273};   // zs2 .. zs5
inline const std::array<QString, 4> CriteriaFieldLabels{QStringLiteral("Auteur"), QStringLiteral("Editeur"),
                                                        QStringLiteral("Collection"), QStringLiteral("ISBN")};
constexpr QRect CriteriaWords{88, 316, 529, 16};       // zs6
constexpr QRect CriteriaSearch{380, 384, 86, 25};      // Image2
constexpr QRect CriteriaClear{468, 384, 86, 25};       // zs9

// ---- thesaurus tab (Texercice21v3c) --------------------------------------------------
constexpr QRect ThesaurusToThematic{31, 96, 135, 21};  // zs8
constexpr QRect ThesaurusToCriteria{167, 96, 144, 21}; // zs9
constexpr QRect ThesaurusOwnTab{312, 96, 150, 21};     // drawn only
constexpr QRect ThesaurusTerm{264, 185, 328, 24};      // Edit1
constexpr QRect ThesaurusVisit{592, 184, 57, 33};      // zs11, wrong method
constexpr QRect ThesaurusSubTabs{31, 128, 258, 23};    // Image4
constexpr QRect ThesaurusBroaden{493, 213, 26, 28};    // Image3
constexpr QRect ThesaurusListChoice{23, 277, 130, 18}; // Image2

// ---- result record (Texercice21v3e) --------------------------------------------------
constexpr QRect RecordPicture{-2, 200, 915, 419};      // Image2
constexpr QRect RecordAuthor{214, 450, 101, 25};       // zs10
constexpr QRect RecordMascot{40, 640, 84, 100};
constexpr QRect RecordBubble{136, 634, 600, 104};
constexpr QRect RecordLabel{146, 642, 580, 88};

// ---- result list (Texercice21v3d) ----------------------------------------------------
constexpr QRect AnswerPanel{256, 488, 489, 193};       // Shape1 (lime)
constexpr QRect ListMascot{264, 500, 84, 100};
constexpr QRect ListBubble{354, 496, 382, 120};
constexpr QRect ListLabel{362, 504, 366, 104};
constexpr QRect NumberCaptionRect{300, 638, 190, 24};  // Label2
constexpr QRect NumberField{496, 633, 73, 32};         // Edit1
constexpr QRect ValidateButton{584, 633, 100, 32};     // Button1
constexpr QRect ResultList{18, 124, 900, 356};         // where the counted list is drawn

}
