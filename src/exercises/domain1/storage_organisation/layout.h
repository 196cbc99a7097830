#pragma once
#include <QRect>
#include <QSize>
#include <QString>

// Geometry and texts of the storage-organisation exercise (competence 1.3): the
// image editor started from the desktop, a recent file opened, a copy saved on
// the desktop, reopened from its new icon, then the icons arranged by type.
// Rectangles are client pixels of the windows; the pictures are drawn from them.
namespace StorageLayout {

constexpr int Competence = 3;
constexpr int ErrorThreshold = 2;
constexpr QSize WindowSize{896, 746};
constexpr QSize LastWindowSize{896, 829};

constexpr QRect Mascot{520, 16, 84, 100};
constexpr QRect Shape{608, 8, 273, 129};
constexpr QRect Label1{616, 16, 257, 113};
constexpr QRect BitBtn20{784, 712, 89, 25};
constexpr QRect LastBitBtn20{784, 790, 89, 25};

constexpr QSize DesktopSize{895, 796};
constexpr QRect DesktopRect{0, -48, 895, 796};
constexpr QRect DesktopRectB{0, -50, 895, 796};
// The last window is taller: its desktop reaches the window's bottom edge, the task
// bar pulled up over what lies below its usual place.
constexpr QRect LastDesktopRect{0, -48, LastWindowSize.width(), LastWindowSize.height() + 48};

constexpr QRect inPicture(const QRect &windowRect, const QRect &picture)
{
    return windowRect.translated(-picture.left(), -picture.top());
}

// ---- window 1: the editor started, a recent file opened ---------------------------
constexpr QRect W1Icone1{0, 312, 345, 393};
constexpr QRect W1Image4{256, 400, 81, 65};     // the editor's shortcut
constexpr QRect W1Image3{-8, 712, 145, 41};     // the start button
constexpr QRect W1Image7{0, 160, 596, 555};     // the empty editor
constexpr QRect W1Image10{0, 192, 49, 25};
constexpr QRect W1Image9{48, 192, 393, 25};
constexpr QRect W1Image8{0, 216, 593, 57};
constexpr QRect W1Image11{0, 214, 209, 266};    // its File menu
constexpr QRect W1Image12{0, 208, 209, 273};
constexpr QRect W1Image13{0, 272, 209, 28};
constexpr QRect W1Image14{208, 272, 153, 199};  // the recent files
constexpr QRect W1Image16{208, 272, 145, 193};
constexpr QRect W1Image15{208, 312, 153, 20};
constexpr int RecentItemHeight = 19;
constexpr int RecentIndex = 2;
inline const QString RecentFiles[] = {
    QStringLiteral("1 - vacances.jpg"),  QStringLiteral("2 - portrait.jpg"), QStringLiteral("3 - keyboard3v3.jpg"),
    QStringLiteral("4 - fleurs.jpg"),    QStringLiteral("5 - chateau.jpg"),  QStringLiteral("6 - logo.gif"),
    QStringLiteral("7 - souris.jpg"),    QStringLiteral("8 - classe.jpg"),   QStringLiteral("9 - sortie.jpg"),
    QStringLiteral("10 - affiche.png")};

// ---- window 2: the copy saved on the desktop ---------------------------------------
constexpr QRect W2Image2{0, 160, 599, 555};     // the editor with the picture
constexpr QRect W2Image3{6, 208, 203, 265};     // its File menu
constexpr QRect W2Image4{104, 256, 560, 418};   // save-as on the pictures folder
constexpr QRect W2Image6{104, 256, 556, 414};   // save-as on the desktop
constexpr QRect W2zs1{0, 192, 593, 73};
constexpr QRect W2zs2{0, 192, 49, 25};
constexpr QRect W2zs{0, 208, 209, 265};
constexpr QRect W2zs3{6, 309, 203, 24};    // the save-as line of the File menu, whole
constexpr QRect W2zs5{112, 320, 89, 345};
constexpr QRect W2zs4{112, 392, 89, 65};
constexpr QRect W2zs6{208, 288, 265, 33};
constexpr QRect W2zs9{480, 288, 20, 33};
constexpr QRect W2zs8{504, 288, 20, 33};
constexpr QRect W2zs7{523, 288, 65, 33};
constexpr QRect W2zs10{312, 608, 353, 65};
constexpr QRect W2zs11{576, 608, 81, 29};
constexpr QRect W2zs12{576, 168, 25, 21};

// ---- window 3: the copy reopened from its icon ---------------------------------------
constexpr QRect W3zs1{0, 256, 345, 457};
constexpr QRect W3zs2{-1, 712, 146, 44};
constexpr QRect W3zs{88, 248, 89, 89};
constexpr QRect W3Image4{160, 152, 598, 553};
constexpr QRect W3zs3{736, 158, 25, 25};

// ---- window 4: the icons arranged by type ---------------------------------------------
constexpr QRect W4zs{-8, 328, 353, 417};
constexpr QRect W4zs1{0, 256, 177, 73};
constexpr QRect W4zs2{344, 712, 553, 34};
constexpr QRect W4Image2{392, 288, 209, 183};   // the desktop's context menu
constexpr QRect W4zs5{392, 289, 209, 184};
constexpr QRect W4zs3{392, 289, 209, 24};
constexpr QRect W4Image3{600, 291, 241, 194};   // the arrangement submenu
constexpr QRect W4zs6{600, 289, 241, 200};
constexpr QRect W4zs4{600, 329, 241, 18};
constexpr QRect W4Image4{0, 80, 524, 633};      // the icons arranged by type
constexpr int ArrangedFirstRow = -2;
constexpr int ArrangedRows = 8;

inline const QString SavedFile = QStringLiteral("keyboard3v3.jpg");

// ---- texts ------------------------------------------------------------------------
inline const QString W1Start = QStringLiteral("Lancer le logiciel PhotoFiltre");
inline const QString W1OpenRecent = QStringLiteral(" Ouvrir un fichier récent nommé :  Keyboard3v3.jpg");
inline const QString W2Start = QStringLiteral("Enregistrer une copie de ce fichier sur le bureau");
inline const QString W2Close = QStringLiteral(" Fermer maintenant cette fenêtre ");
inline const QString W3Start = QStringLiteral("Ouvre le fichier que tu viens d'enregistrer sur le bureau");
inline const QString W3Close = QStringLiteral("Ferme définitivement cette fenêtre");
inline const QString W4Start = QStringLiteral("Réorganise les icônes du bureau par Type");
}
