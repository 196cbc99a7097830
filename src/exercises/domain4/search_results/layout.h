#pragma once
#include <QRect>
#include <QSize>
#include <QString>
#include <array>

// Geometry and texts of the exercise on selecting search results (competence 4.5), in
// client pixels of its four windows. The pages are drawn from the same constants that
// place the pictures and hot spots.
namespace SearchResultsLayout {

constexpr int Competence = 25;
constexpr QSize SearchSize{946, 666};
constexpr QSize SortSize{946, 772};
constexpr QSize GallerySize{945, 768};
constexpr QSize DownloadSize{1008, 769};

// ---- texts -------------------------------------------------------------------------
inline const QString SearchInstruction = QStringLiteral("Lance une recherche sur le mot police");
inline const QString SortInstruction =
    QStringLiteral("Déplace les 6 sites proposés \rsur l'une des 3 images \r (en fonction du sujet du site)");
inline const QString GalleryInstruction = QStringLiteral("Clique sur l'image ayant la plus grande définition");
inline const QString DownloadInstruction = QStringLiteral("Télécharge la version la moins lourde d'OpenOffice");
inline const QString WrongKeyword = QStringLiteral("Erreur dans le mot clé !");
inline const QString CompareSizes = QStringLiteral("Fausse route, compare la taille en Méga-Octet !");
inline const QString Keyword = QStringLiteral("police");

// ---- search page (Texercice25v3) -----------------------------------------------------
constexpr QRect SearchField{298, 285, 355, 21};     // Edit1
constexpr QRect SearchButton{347, 306, 134, 22};    // zs2
constexpr QRect SearchServices{48, 112, 321, 23};   // zs1
constexpr QRect SearchLinks{656, 282, 105, 47};     // zs3
constexpr QRect SearchScopes{432, 330, 273, 23};    // zs4
constexpr QRect SearchLogo{328, 168, 300, 100};
constexpr QRect SearchSignIn{820, 112, 110, 23};
constexpr QRect SearchFooter{262, 400, 420, 21};
constexpr QRect SearchMascot{40, 470, 84, 100};
constexpr QRect SearchBubble{132, 476, 520, 84};
constexpr QRect SearchLabel{142, 484, 500, 68};
constexpr QRect SearchAbandon{808, 612, 110, 30};

// ---- sorting the results (Texercice25v3b) --------------------------------------------
enum class Subject { PoliceForce, Typeface, Band };
struct Snippet
{
    const char *name;   // the picture's control name
    QRect rect;
    Subject subject;
};
constexpr std::array<Snippet, 6> Snippets{{
    {"Image5", {8, 245, 561, 97}, Subject::PoliceForce},
    {"Image6", {6, 345, 561, 97}, Subject::PoliceForce},
    {"Image7", {-1, 456, 561, 80}, Subject::Typeface},
    {"Image8", {7, 539, 561, 79}, Subject::PoliceForce},
    {"Image9", {8, 626, 513, 55}, Subject::PoliceForce},
    {"Image10", {9, 690, 529, 73}, Subject::Band},
}};
struct Target
{
    const char *name;
    QRect rect;
    const char *frameName;
    QRect frame;
    Subject subject;
};
// In creation order: the car, the typefaces, the drum kit.
constexpr std::array<Target, 3> Targets{{
    {"Image2", {728, 248, 193, 129}, "Shape2", {720, 240, 209, 137}, Subject::PoliceForce},
    {"Image4", {600, 304, 105, 225}, "Shape1", {592, 296, 121, 233}, Subject::Typeface},
    {"Image3", {728, 392, 185, 201}, "Shape3", {722, 386, 189, 209}, Subject::Band},
}};
constexpr int TypefaceTarget = 1;
constexpr int SnippetCount = 6;
constexpr QRect SortHeader{0, 104, 946, 130};        // the result page's header
constexpr QRect SortMascot{592, 610, 84, 100};
constexpr QRect SortBubble{680, 602, 258, 118};
constexpr QRect SortLabel{686, 608, 246, 106};
constexpr QRect SortAbandon{820, 732, 110, 30};
constexpr QRect SortField{120, 160, 260, 21};
constexpr QRect SortSearchButton{384, 159, 80, 23};

// ---- the photo gallery (Texercice25v3c) ----------------------------------------------
constexpr QSize PhotoSpot{146, 148};
struct Photo
{
    const char *name;
    int left, top;
    const char *hint;
};
constexpr std::array<Photo, 9> Photos{{
    {"zs1", 32, 264, "Taille : 70 Ko\rRésolution : 854 * 562"},
    {"zs2", 183, 266, "Taille : 53 Ko\rRésolution : 475 * 357"},
    {"zs3", 331, 266, "Taille : 86 Ko\rRésolution : 500 * 322"},
    {"zs4", 32, 416, "Taille : 55 Ko\rRésolution : 1024 * 768"},
    {"zs5", 184, 416, "Taille : 658 Ko\rRésolution : 2048 * 1536"},
    {"zs6", 333, 416, "Taille : 72 Ko\rRésolution : 2200 * 150"},
    {"zs7", 33, 566, "Taille : 30 Ko\rRésolution : 75 * 85"},
    {"zs8", 182, 567, "Taille : 848 Ko\rRésolution : 1500 * 1800"},
    {"zs9", 331, 568, "Taille : 42 Ko\rRésolution : 599 * 345"},
}};
constexpr int RightPhoto = 4;   // zs5: the most pixels
constexpr QRect GalleryMascot{520, 300, 84, 100};
constexpr QRect GalleryBubble{612, 290, 310, 110};
constexpr QRect GalleryLabel{620, 298, 294, 94};
constexpr QRect GalleryAbandon{812, 720, 110, 30};

// ---- the download page (Texercice25v3d) ----------------------------------------------
constexpr QRect LighterDownload{24, 229, 113, 43};   // zs1
constexpr QRect HeavierDownload{522, 231, 113, 43};  // Image2
constexpr int LighterMegabytes = 118;
constexpr int HeavierMegabytes = 146;
constexpr QRect DownloadMascot{40, 600, 84, 100};
constexpr QRect DownloadBubble{132, 606, 560, 84};
constexpr QRect DownloadLabel{142, 614, 540, 68};
constexpr QRect DownloadAbandon{872, 720, 110, 30};

}
