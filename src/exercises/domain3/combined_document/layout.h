#pragma once
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// Geometry and texts of the combined-document exercise (competence 3.3), in client
// pixels of its window, below the menu bar.
namespace CombinedDocumentLayout {

constexpr int Competence = 16;
constexpr QSize ClientSize{792, 506};

constexpr QRect ToolBar{0, 0, 792, 30};
constexpr QRect RichEdit1{24, 40, 737, 70};
constexpr QRect RichEdit2{24, 128, 232, 80};
constexpr QRect RichEdit3{416, 128, 260, 64};
constexpr QRect RichEdit4{24, 248, 300, 22};
constexpr QRect RichEdit5{24, 280, 214, 118};
constexpr QRect RichEdit6{440, 280, 230, 118};
constexpr QRect Shape1{256, 104, 145, 137};   // the frame of the axial symmetry
constexpr QRect Shape2{240, 280, 185, 89};    // the frame of the central symmetry

constexpr QRect Panel2Start{424, 96, 260, 233};   // "symaxe.jpg"
constexpr QRect Panel1Start{0, 30, 260, 120};     // "symcen.jpg"
constexpr int BorderZone = 6;
constexpr int MinimumSide = 20;
constexpr int MaximumSide = 400;

// A picture is placed when each edge lies in its range (inclusive).
struct Range
{
    int low;
    int high;
    constexpr bool holds(int v) const { return v >= low && v <= high; }
};
struct Placement
{
    Range left, top, right, bottom;
    constexpr bool holds(const QRect &r) const
    {
        return left.holds(r.x()) && top.holds(r.y()) && right.holds(r.x() + r.width()) &&
               bottom.holds(r.y() + r.height());
    }
};
constexpr Placement Panel2Place{{252, 285}, {100, 133}, {372, 405}, {207, 240}};
constexpr Placement Panel1Place{{236, 269}, {276, 309}, {396, 429}, {340, 373}};

constexpr QRect Mascot{8, 404, 84, 100};
constexpr QRect Bubble{100, 410, 560, 88};
constexpr QRect Label1{112, 418, 536, 72};
constexpr QRect Label39{676, 410, 106, 26};
constexpr QRect BitBtn20{676, 452, 106, 32};
constexpr QRect fin{676, 452, 106, 32};

inline const QString AxialFile = QStringLiteral("symaxe.jpg");
inline const QString CentralFile = QStringLiteral("symcen.jpg");

inline const QString InsertAxial =
    QStringLiteral("Essayez d'insérer l'image \"symaxe.jpg\" que vous trouverez dans c:");
inline const QString PlaceAxial = QStringLiteral("Bien. Placez-la dans le bon cadre.");
inline const QString InsertCentral = QStringLiteral("Maintenant, insèrez l'image \"symcen.jpg\" qui se trouve sur c:");
inline const QString PlaceCentral = QStringLiteral("Bien. Placez-la elle aussi dans le bon cadre.");
inline const QString WonText = QStringLiteral("Bravo, exercice réussi.");

inline const QString Title = QStringLiteral("Fiche de rappels sur les symétries au collège :");
inline const QString Heading1 = QStringLiteral("1. Symétrie orthogonale par rapport à une droite :");
inline const QStringList Text2{QStringLiteral("Il s'agit d'un pliage : on obtient la "),
                               QStringLiteral("figure symétrique grâce à l'équerre "),
                               QStringLiteral("et le compas pour reporter des "), QStringLiteral("longueurs.")};
inline const QStringList Text3{QStringLiteral("On constate que cette symétrie "),
                               QStringLiteral("conserve les longueurs, les surfaces, "),
                               QStringLiteral("ainsi que les mesures d'angles.")};
inline const QString Heading2 = QStringLiteral("2. Symétrie centrale :");
inline const QStringList Text5{QStringLiteral("Il s'agit d'un retournement. On "),
                               QStringLiteral("utilise une règle pour tracer une "),
                               QStringLiteral("droite passant par un point et le "),
                               QStringLiteral("centre de symétrie, puis le "),
                               QStringLiteral("compas pour constuire le point "), QStringLiteral("symétrique.")};
inline const QStringList Text6{QStringLiteral("Cette symétrie conserve elle "), QStringLiteral("aussi les longueurs, les "),
                               QStringLiteral("surfaces, les angles. L'image "),
                               QStringLiteral("d'un segment est un segment qui "),
                               QStringLiteral("lui est parallèle et de même "), QStringLiteral("longueur.")};
}
